#include "period_editor.h"

#include "time_texts.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QTimeEdit>
#include <QVBoxLayout>

const std::array<QString, 5>& periodCaptions()
{
    static const std::array<QString, 5> captions{QStringLiteral("仅一次"), QStringLiteral("每天"),
                                                 QStringLiteral("每周"), QStringLiteral("工作日"),
                                                 QStringLiteral("每月")};
    return captions;
}

const std::array<QString, 5>& periodHints()
{
    static const std::array<QString, 5> hints{
        QStringLiteral("计划只执行一次，执行完之后将被删除"), QStringLiteral("计划每天都执行"),
        QStringLiteral("计划每周执行一次"), QStringLiteral("计划将按您设置的工作日执行"),
        QStringLiteral("计划每月执行一次")};
    return hints;
}

QStringList dayOfMonthItems()
{
    QStringList items;
    for (int day = 1; day <= 31; ++day)
        items << QString::number(day) + QStringLiteral("号");
    return items;
}

PeriodEditor::PeriodEditor(const Names& names, QWidget* parent)
    : QWidget(parent), m_time(new QTimeEdit(this)), m_weekday(new QComboBox(this)), m_date(new QDateEdit(this)),
      m_dayOfMonth(new QComboBox(this))
{
    auto* periodGroup = new QGroupBox(QStringLiteral("第一步：选择周期"), this);
    auto* periodLayout = new QVBoxLayout(periodGroup);
    for (int i = 0; i < 5; ++i) {
        auto* radio = new QRadioButton(periodCaptions()[i], periodGroup);
        radio->setObjectName(names.radios[i]);
        radio->setToolTip(periodHints()[i]);
        periodLayout->addWidget(radio);
        const auto period = static_cast<PlanPeriod>(i);
        connect(radio, &QRadioButton::clicked, this, [this, period] { onPeriodClicked(period); });
        m_radios[i] = radio;
    }
    m_radios[0]->setChecked(true);

    m_time->setObjectName(names.timePicker);
    m_time->setDisplayFormat(QStringLiteral("H:mm:ss"));
    m_weekday->setObjectName(names.weekdayBox);
    m_weekday->setEditable(true);
    m_weekday->addItems(TimeTexts::weekdayChars());
    m_weekday->setEnabled(false);
    m_date->setObjectName(names.datePicker);
    m_date->setDisplayFormat(QStringLiteral("yyyy-M-d"));
    m_date->setCalendarPopup(true);
    m_dayOfMonth->setObjectName(names.dayOfMonthBox);
    m_dayOfMonth->setEditable(true);
    m_dayOfMonth->addItems(dayOfMonthItems());
    m_dayOfMonth->setEnabled(false);

    auto* timeGroup = new QGroupBox(QStringLiteral("第二步：设置时间"), this);
    auto* form = new QFormLayout(timeGroup);
    const std::pair<QString, QWidget*> rows[] = {{QStringLiteral("时间："), m_time},
                                                 {QStringLiteral("星期："), m_weekday},
                                                 {QStringLiteral("日期："), m_date},
                                                 {QStringLiteral("每月："), m_dayOfMonth}};
    for (const auto& [text, field] : rows) {
        auto* label = new QLabel(text, timeGroup);
        label->setBuddy(field);
        form->addRow(label, field);
    }

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(periodGroup);
    layout->addWidget(timeGroup, 1);
}

void PeriodEditor::preset(const QDateTime& now)
{
    m_time->setTime(now.addSecs(5).time());
    m_date->setDate(now.date());
    m_weekday->setCurrentText(TimeTexts::weekdayChar(now.date()));
    m_dayOfMonth->setCurrentText(TimeTexts::dayOfMonthText(now.date()));
}

PlanPeriod PeriodEditor::period() const
{
    for (int i = 0; i < 5; ++i) {
        if (m_radios[i]->isChecked())
            return static_cast<PlanPeriod>(i);
    }
    return PlanPeriod::Once;
}

PeriodFields PeriodEditor::fields() const
{
    return periodFields(period(), TimeTexts::dateText(m_date->date()), m_weekday->currentText(),
                        m_dayOfMonth->currentText());
}

QString PeriodEditor::timeText() const
{
    return TimeTexts::timeText(m_time->time());
}

void PeriodEditor::onPeriodClicked(PlanPeriod period)
{
    const PeriodControls controls = periodControls(period);
    m_weekday->setEnabled(controls.weekday);
    m_date->setEnabled(controls.date);
    m_dayOfMonth->setEnabled(controls.dayOfMonth);
}
