#include "config_message_box.h"

#include "accessibility.h"

#include <QAbstractButton>

void ConfigMessageBox::warning(const QString& text)
{
    ask(Kind::Warning, QMessageBox::Warning, QStringLiteral("警告"), text, QMessageBox::Ok);
}

void ConfigMessageBox::information(const QString& text)
{
    ask(Kind::Information, QMessageBox::Information, QStringLiteral("提示"), text, QMessageBox::Ok);
}

void ConfigMessageBox::error(const QString& text)
{
    ask(Kind::Error, QMessageBox::Critical, QStringLiteral("错误"), text, QMessageBox::Ok);
}

bool ConfigMessageBox::question(const QString& text)
{
    return ask(Kind::Question, QMessageBox::Question, QStringLiteral("确认"), text,
               QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void ConfigMessageBox::plain(QMessageBox::Icon icon, const QString& caption, const QString& text)
{
    ask(Kind::Plain, icon, caption, text, QMessageBox::Ok);
}

QStringList ConfigMessageBox::shownTexts() const
{
    QStringList texts;
    for (const Shown& shown : m_shown)
        texts << shown.text;
    return texts;
}

QMessageBox::StandardButton ConfigMessageBox::ask(Kind kind, QMessageBox::Icon icon, const QString& caption,
                                                  const QString& text, QMessageBox::StandardButtons buttons)
{
    m_shown.append({kind, caption, text});
    if (!m_answers.isEmpty())
        return m_answers.dequeue();
    QMessageBox box(icon, caption, text, buttons, m_parent);
    box.setObjectName(QStringLiteral("Message1"));
    // Set here too, so no English button shows even without Qt's translations installed.
    const std::tuple<QMessageBox::StandardButton, QString, QString> texts[] = {
        {QMessageBox::Ok, QStringLiteral("确定"), QStringLiteral("Message1_OK")},
        {QMessageBox::Yes, QStringLiteral("是(&Y)"), QStringLiteral("Message1_Yes")},
        {QMessageBox::No, QStringLiteral("否(&N)"), QStringLiteral("Message1_No")},
    };
    for (const auto& [button, label, name] : texts) {
        if (QAbstractButton* b = box.button(button)) {
            b->setText(label);
            b->setObjectName(name);
        }
    }
    publishAccessibility(&box);
    const int answer = box.exec();
    return answer == QMessageBox::Yes || answer == QMessageBox::Ok ? static_cast<QMessageBox::StandardButton>(answer)
                                                                   : QMessageBox::No;
}
