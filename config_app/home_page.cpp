#include "home_page.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

HomePage::HomePage(QWidget* parent) : QWidget(parent), m_today(new QLabel(this))
{
    setObjectName(QStringLiteral("TabSheet_shouye"));
    auto* welcome = new QLabel(QStringLiteral("欢迎使用悦时电脑闹钟"), this);
    welcome->setObjectName(QStringLiteral("Label1"));
    auto* choose = new QLabel(QStringLiteral("请选择您要制订的计划类型："), this);
    choose->setObjectName(QStringLiteral("Label2"));
    m_today->setObjectName(QStringLiteral("Label6"));

    auto* buttons = new QGridLayout;
    const QString captions[] = {QStringLiteral("闹钟"), QStringLiteral("定时关机"), QStringLiteral("定时打开程序"),
                                QStringLiteral("倒计时")};
    for (int i = 0; i < 4; ++i) {
        auto* button = new QPushButton(captions[i], this);
        button->setObjectName(QStringLiteral("Button_Shou%1").arg(i + 1));
        button->setProperty("homeShortcut", true);
        buttons->addWidget(button, i / 2, i % 2);
        connect(button, &QPushButton::clicked, this, [this, i] { emit newPlanRequested(i); });
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 12);
    layout->addWidget(welcome);
    layout->addSpacing(10);
    layout->addWidget(choose);
    layout->addLayout(buttons);
    layout->addStretch();
    layout->addWidget(m_today);
}

void HomePage::setToday(const QString& text)
{
    m_today->setText(text);
}
