#include "plan_modify_dialog.h"

#include "accessibility.h"
#include "clock.h"
#include "config_context.h"
#include "period_editor.h"
#include "plan_list_panel.h"
#include "time_texts.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimeEdit>
#include <QTreeWidgetItem>
#include <QVBoxLayout>

#include <stdexcept>

namespace {

const QString kAlarmWord = QStringLiteral("闹铃");
const QString kShutdownWord = QStringLiteral("定时关机");
const QString kLaunchWord = QStringLiteral("定时打开");

// Columns of a list item: the caption (period word), then the sub-items.
enum Column { Caption = 0, Content = 1, Date = 2, Weekday = 3, Time = 4, Path = 5 };

[[noreturn]] void notValid(const QString& text, const char* what)
{
    throw std::runtime_error(QStringLiteral("'%1' is not a valid %2").arg(text, QLatin1String(what)).toStdString());
}

QLabel* addRow(QGridLayout* grid, int row, const QString& text, QWidget* field, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setBuddy(field);
    grid->addWidget(label, row, 0);
    grid->addWidget(field, row, 1);
    return label;
}

} // namespace

PlanModifyDialog::PlanModifyDialog(ConfigContext& context, const QString& kindWord, QTreeWidgetItem& item,
                                   QWidget* parent)
    : QDialog(parent), m_context(context), m_item(item), m_kind(new QLabel(kindWord, this)),
      m_date(new QDateEdit(this)), m_weekday(new QComboBox(this)), m_dayOfMonth(new QComboBox(this)),
      m_time(new QTimeEdit(this)), m_path(new QLineEdit(this)), m_browse(new QPushButton(QStringLiteral("..."), this)),
      m_delay(new QComboBox(this)), m_text(new QLineEdit(this))
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("查看修改计划"));
    m_kind->setObjectName(QStringLiteral("Label2"));

    auto* periodRow = new QHBoxLayout;
    for (int i = 0; i < 5; ++i) {
        auto* radio = new QRadioButton(periodCaptions()[i], this);
        radio->setObjectName(QStringLiteral("RadioButton%1").arg(i + 1));
        radio->setToolTip(periodHints()[i]);
        const auto period = static_cast<PlanPeriod>(i);
        connect(radio, &QRadioButton::clicked, this, [this, period] { onPeriodClicked(period); });
        periodRow->addWidget(radio);
        m_radios[i] = radio;
    }
    m_radios[0]->setChecked(true);
    auto* periodBox = new QWidget(this);
    periodBox->setLayout(periodRow);
    periodRow->setContentsMargins(0, 0, 0, 0);

    m_date->setObjectName(QStringLiteral("DateTimePicker1"));
    m_date->setDisplayFormat(QStringLiteral("yyyy-M-d"));
    m_date->setCalendarPopup(true);
    m_weekday->setObjectName(QStringLiteral("ComboBox1"));
    m_weekday->setEditable(true);
    m_weekday->addItems(TimeTexts::weekdayChars());
    m_dayOfMonth->setObjectName(QStringLiteral("ComboBox2"));
    m_dayOfMonth->setEditable(true);
    m_dayOfMonth->addItems(dayOfMonthItems());
    m_dayOfMonth->setCurrentText(QStringLiteral("1号"));
    m_dayOfMonth->setEnabled(false);
    m_time->setObjectName(QStringLiteral("DateTimePicker2"));
    m_time->setDisplayFormat(QStringLiteral("H:mm:ss"));
    m_path->setObjectName(QStringLiteral("Edit1"));
    m_browse->setObjectName(QStringLiteral("Button1"));
    m_delay->setObjectName(QStringLiteral("ComboBox3"));
    m_delay->setEditable(true);
    for (int seconds = 0; seconds <= 60; seconds += 5)
        m_delay->addItem(QString::number(seconds));
    m_delay->hide();
    m_text->setObjectName(QStringLiteral("Edit2"));
    m_text->setText(QStringLiteral("无"));

    auto* pathRow = new QHBoxLayout;
    pathRow->setContentsMargins(0, 0, 0, 0);
    pathRow->addWidget(m_path, 1);
    pathRow->addWidget(m_delay, 1);
    pathRow->addWidget(m_browse);
    auto* pathBox = new QWidget(this);
    pathBox->setLayout(pathRow);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("计划类型："), this), 0, 0);
    grid->addWidget(m_kind, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("计划周期："), this), 1, 0);
    grid->addWidget(periodBox, 1, 1);
    addRow(grid, 2, QStringLiteral("日         期："), m_date, this);
    addRow(grid, 3, QStringLiteral("星         期："), m_weekday, this);
    addRow(grid, 4, QStringLiteral("每         月："), m_dayOfMonth, this);
    addRow(grid, 5, QStringLiteral("具体时间："), m_time, this);
    m_pathLabel = addRow(grid, 6, QStringLiteral("路         径："), pathBox, this);
    m_pathLabel->setObjectName(QStringLiteral("Label6"));
    m_textLabel = addRow(grid, 7, QStringLiteral("提醒内容："), m_text, this);
    m_textLabel->setObjectName(QStringLiteral("Label7"));
    grid->setColumnStretch(1, 1);

    auto* cancel = new QPushButton(QStringLiteral("取消"), this);
    cancel->setObjectName(QStringLiteral("Button2"));
    auto* saveButton = new QPushButton(QStringLiteral("保存"), this);
    saveButton->setObjectName(QStringLiteral("Button3"));
    saveButton->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(saveButton);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addLayout(buttons);

    connect(m_browse, &QPushButton::clicked, this, &PlanModifyDialog::browse);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(saveButton, &QPushButton::clicked, this, &PlanModifyDialog::save);

    fill();
    publishAccessibility(this);
    // The path row's label names the field the kind shows.
    m_path->setAccessibleName(QStringLiteral("路径"));
    m_delay->setAccessibleName(QStringLiteral("倒数秒数"));
}

void PlanModifyDialog::fill()
{
    const QString timeText = m_item.text(Time);
    const auto time = TimeTexts::parseTime(timeText);
    if (!time)
        notValid(timeText, "time");
    m_weekday->setCurrentText(m_item.text(Weekday));
    m_time->setTime(*time);

    const QString kind = m_kind->text();
    if (kind == kAlarmWord) {
        m_path->setText(m_item.text(Path));
        m_text->setText(m_item.text(Content));
    } else if (kind == kShutdownWord) {
        m_delay->setCurrentText(m_item.text(Content));
        m_pathLabel->setText(QStringLiteral("倒数秒数："));
        m_delay->show();
        m_browse->hide();
        m_text->hide();
        m_textLabel->hide();
        m_path->hide();
    } else {
        m_path->setText(m_item.text(Path));
        m_text->hide();
        m_textLabel->hide();
    }

    const PlanPeriod period = periodFromWord(m_item.text(Caption));
    m_radios[int(period)]->setChecked(true);
    setPeriodControls(period);
    // Today unless the plan's own date is shown: a plan switched to 仅一次 without touching
    // the date must still fall due.
    m_date->setDate(m_context.clock.now().date());
    if (period == PlanPeriod::Once && m_item.text(Caption) == periodWord(PlanPeriod::Once)) {
        const QString dateText = m_item.text(Date);
        const auto date = TimeTexts::parseDate(dateText);
        if (!date)
            notValid(dateText, "date");
        m_date->setDate(*date);
    } else if (period == PlanPeriod::Monthly) {
        m_dayOfMonth->setCurrentText(m_item.text(Date));
    }
}

void PlanModifyDialog::setPeriodControls(PlanPeriod period)
{
    const PeriodControls controls = periodControls(period);
    m_weekday->setEnabled(controls.weekday);
    m_date->setEnabled(controls.date);
    m_dayOfMonth->setEnabled(controls.dayOfMonth);
}

void PlanModifyDialog::onPeriodClicked(PlanPeriod period)
{
    setPeriodControls(period);
    if (period == PlanPeriod::Weekly)
        m_weekday->setCurrentText(TimeTexts::weekdayChar(m_context.clock.now().date()));
}

PlanPeriod PlanModifyDialog::period() const
{
    for (int i = 0; i < 5; ++i) {
        if (m_radios[i]->isChecked())
            return static_cast<PlanPeriod>(i);
    }
    return PlanPeriod::Once;
}

void PlanModifyDialog::browse()
{
    const QString filter = m_kind->text() == kAlarmWord
        ? QStringLiteral("所有支持的格式 (*.wav *.mid *.rmi *.midi *.mp3 *.wma *cda *.aif *.au *.snd *.wax *.asx "
                         "*.wm *.wmx);;所有文件 (*)")
        : QString();
    const QString path = QFileDialog::getOpenFileName(this, QString(), QString(), filter);
    if (!path.isEmpty())
        m_path->setText(path);
}

void PlanModifyDialog::save()
{
    const QString kind = m_kind->text();
    QString content;
    if (kind == kAlarmWord)
        content = m_text->text();
    else if (kind == kShutdownWord)
        content = m_delay->currentText();
    else
        content = PlanTexts::kNone;
    const PeriodFields fields = periodFields(period(), TimeTexts::dateText(m_date->date()),
                                             m_weekday->currentText(), m_dayOfMonth->currentText());
    const QString timeText = TimeTexts::timeText(m_time->time());

    m_item.setText(Caption, fields.period);
    m_item.setText(Content, content);
    m_item.setText(Date, fields.date);
    m_item.setText(Weekday, fields.weekday);
    m_item.setText(Time, timeText);
    if (kind != kShutdownWord)
        m_item.setText(Path, m_path->text());

    if (auto row = m_context.table->find(PlanListPanel::idOf(&m_item))) {
        row->period = fields.period;
        row->content = content;
        row->date = fields.date;
        row->weekday = fields.weekday;
        row->time = timeText;
        if (kind != kShutdownWord)
            row->path = m_path->text();
        m_context.table->update(*row);
    }
    m_context.messages.information(QStringLiteral("恭喜您，计划保存成功！"));
    broadcastNotice(Notice::Refresh);
    accept();
}
