#pragma once

#include <QList>
#include <QMessageBox>
#include <QQueue>
#include <QStringList>

// The configuration program's one message dialog: warnings, information, errors and Yes/No
// questions, all with Chinese buttons. Tests queue the answers instead of clicking, and read
// back what would have been shown.
class ConfigMessageBox
{
public:
    enum class Kind { Warning, Information, Error, Question, Plain };
    struct Shown
    {
        Kind kind;
        QString caption;
        QString text;
        bool operator==(const Shown&) const = default;
    };

    explicit ConfigMessageBox(QWidget* parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget* parent) { m_parent = parent; }

    void warning(const QString& text);
    void information(const QString& text);
    void error(const QString& text);
    // True only for Yes; No and closing the box are both no.
    bool question(const QString& text);
    // A plain box of the system's kind for failures at start-up.
    void plain(QMessageBox::Icon icon, const QString& caption, const QString& text);

    void setNextAnswer(QMessageBox::StandardButton answer) { m_answers.enqueue(answer); }
    const QList<Shown>& shown() const { return m_shown; }
    QStringList shownTexts() const;
    void clearShown() { m_shown.clear(); }

private:
    QMessageBox::StandardButton ask(Kind kind, QMessageBox::Icon icon, const QString& caption,
                                    const QString& text, QMessageBox::StandardButtons buttons);

    QWidget* m_parent;
    QQueue<QMessageBox::StandardButton> m_answers;
    QList<Shown> m_shown;
};
