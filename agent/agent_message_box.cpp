#include "agent_message_box.h"

#include <QAbstractButton>

void AgentMessageBox::showError(const QString& text)
{
    ask(QMessageBox::Critical, QStringLiteral("错误"), text, QMessageBox::Ok);
}

QMessageBox::StandardButton AgentMessageBox::ask(QMessageBox::Icon icon, const QString& caption,
                                                 const QString& text,
                                                 QMessageBox::StandardButtons buttons)
{
    m_shown << text;
    if (!m_answers.isEmpty())
        return m_answers.dequeue();
    QMessageBox box(icon, caption, text, buttons, m_parent);
    box.setObjectName(QStringLiteral("MessageBox"));
    if (QAbstractButton* ok = box.button(QMessageBox::Ok))
        ok->setText(QStringLiteral("确定"));
    return static_cast<QMessageBox::StandardButton>(box.exec());
}
