#include "info_panels.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

InfoPanels::InfoPanels(QWidget* parent) : QWidget(parent), m_days(new QLabel(QStringLiteral("0"), this))
{
    auto* daysPanel = new QFrame(this);
    daysPanel->setObjectName(QStringLiteral("Panel_days"));
    m_days->setObjectName(QStringLiteral("Label4"));
    m_days->setAlignment(Qt::AlignCenter);
    auto* daysRow = new QHBoxLayout;
    daysRow->addStretch();
    daysRow->addWidget(m_days);
    daysRow->addWidget(new QLabel(QStringLiteral("天"), daysPanel), 0, Qt::AlignBottom);
    daysRow->addStretch();
    auto* daysLayout = new QVBoxLayout(daysPanel);
    daysLayout->addWidget(new QLabel(QStringLiteral("您已经使用了"), daysPanel));
    daysLayout->addLayout(daysRow);

    auto* countersPanel = new QFrame(this);
    countersPanel->setObjectName(QStringLiteral("Panel_counters"));
    auto* countersLayout = new QVBoxLayout(countersPanel);
    for (int i = 0; i < 5; ++i) {
        m_counters[i] = new QLabel(countersPanel);
        m_counters[i]->setObjectName(QStringLiteral("Label%1").arg(7 + i));
        m_counters[i]->setWordWrap(true);
        countersLayout->addWidget(m_counters[i]);
    }
    countersLayout->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 8, 8, 8);
    layout->addWidget(daysPanel);
    layout->addWidget(countersPanel, 1);
}

void InfoPanels::setDaysUsed(qint64 days)
{
    m_days->setText(QString::number(days));
}

void InfoPanels::setCounters(const QStringList& texts)
{
    for (int i = 0; i < 5 && i < texts.size(); ++i)
        m_counters[i]->setText(texts[i]);
}
