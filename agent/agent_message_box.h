#pragma once

#include <QMessageBox>
#include <QQueue>
#include <QStringList>

// The agent's one message dialog. Tests queue the answers instead of clicking, and read back
// what would have been shown.
class AgentMessageBox
{
public:
    explicit AgentMessageBox(QWidget* parent = nullptr) : m_parent(parent) {}

    void showError(const QString& text);

    void setNextAnswer(QMessageBox::StandardButton answer) { m_answers.enqueue(answer); }
    const QStringList& shownTexts() const { return m_shown; }

private:
    QMessageBox::StandardButton ask(QMessageBox::Icon icon, const QString& caption,
                                    const QString& text, QMessageBox::StandardButtons buttons);

    QWidget* m_parent;
    QQueue<QMessageBox::StandardButton> m_answers;
    QStringList m_shown;
};
