#include "countdown_page.h"

#include "music_text_group.h"

#include "clock.h"
#include "config_context.h"
#include "countdown_span.h"
#include "plan_periods.h"
#include "settings_keys.h"
#include "time_texts.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

#include <stdexcept>

using namespace PlanTexts;

namespace {

constexpr int kRemainingColumn = 3;

PlanPage::Setup countdownSetup()
{
    return {kCountdown,
            QString(),
            QStringLiteral("Panel_daoguanli"),
            QStringLiteral("ListView_Dao"),
            QStringLiteral("倒计时列表"),
            {{QStringLiteral("内容"), 185},
             {QStringLiteral("日期"), 95},
             {QStringLiteral("时间"), 95},
             {QStringLiteral("剩余秒数"), 65},
             {QStringLiteral("音乐"), 60}},
            {QStringLiteral("Dao_XinJian"), QStringLiteral("新建倒计时"),
             QStringLiteral("制订一个新的倒计时提醒")},
            {},
            {QStringLiteral("Dao_ShanChu"), QStringLiteral("删除倒计时"),
             QStringLiteral("删除选中的倒计时提醒")},
            QStringLiteral("Dao_QingKong"),
            QStringLiteral("Panel_daoxinjian"),
            QStringLiteral("Button_daoquxiao")};
}

QComboBox* spanBox(const QString& name, int last, QWidget* parent)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setEditable(true);
    for (int i = 0; i <= last; ++i)
        box->addItem(QString::number(i));
    return box;
}

} // namespace

CountdownPage::CountdownPage(ConfigContext& context, QWidget* parent)
    : PlanPage(context, countdownSetup(), parent),
      m_music(new MusicTextGroup(QStringLiteral("第二步：选择闹铃音乐及内容"),
                                 {QStringLiteral("Edit9_1"), QStringLiteral("Button9_1"),
                                  QStringLiteral("Button9_2"), QStringLiteral("Memo9_1"),
                                  QStringLiteral("倒计时音乐")},
                                 context, editorPanel())),
      m_monitor(new QTimer(this))
{
    m_monitor->setObjectName(QStringLiteral("DaoJiShi"));
    m_monitor->setInterval(1000);
    connect(m_monitor, &QTimer::timeout, this, &CountdownPage::tickMonitor);

    auto* spanGroup = new QGroupBox(QStringLiteral("第一步：设置倒数时间"), editorPanel());
    auto* spanRow = new QHBoxLayout(spanGroup);
    const std::tuple<QString, int, QString> boxes[] = {
        {QStringLiteral("ComboBox9_1"), 31, QStringLiteral("天")},
        {QStringLiteral("ComboBox9_2"), 24, QStringLiteral("时")},
        {QStringLiteral("ComboBox9_3"), 59, QStringLiteral("分")},
        {QStringLiteral("ComboBox9_4"), 59, QStringLiteral("秒")}};
    for (int i = 0; i < 4; ++i) {
        const auto& [name, last, unit] = boxes[i];
        m_span[i] = spanBox(name, last, spanGroup);
        auto* label = new QLabel(unit, spanGroup);
        label->setBuddy(m_span[i]);
        spanRow->addWidget(m_span[i], 1);
        spanRow->addWidget(label);
    }

    QPushButton* startButton = layOutEditor(
        spanGroup, m_music,
        {QStringLiteral("Button9_3"), QStringLiteral("开始"), QStringLiteral("开始倒计时")});

    connect(startButton, &QPushButton::clicked, this, &CountdownPage::start);
}

void CountdownPage::preset()
{
    const SettingsFile& settings = context().settings;
    m_music->setMusicPath(settings.readText(SettingKeys::kCountdownMusic));
    m_music->setText(settings.readText(SettingKeys::kCountdownText));
    m_span[0]->setCurrentText(settings.readText(SettingKeys::kCountdownDays));
    m_span[1]->setCurrentText(settings.readText(SettingKeys::kCountdownHours));
    m_span[2]->setCurrentText(settings.readText(SettingKeys::kCountdownMinutes));
    m_span[3]->setCurrentText(settings.readText(SettingKeys::kCountdownSeconds));
    m_music->setFolder(settings.readText(SettingKeys::kCountdownFolder));
}

void CountdownPage::setPlans(const QList<ListedPlan>& plans)
{
    PlanPage::setPlans(plans);
    if (!plans.isEmpty() && !m_monitor->isActive())
        m_monitor->start();
}

void CountdownPage::tickMonitor()
{
    QTreeWidget* view = list();
    QStringList remaining;
    for (int i = 0; i < view->topLevelItemCount(); ++i)
        remaining << view->topLevelItem(i)->text(kRemainingColumn);
    const CountdownTick tick = tickCountdowns(remaining);
    for (int i = 0; i < tick.remaining.size(); ++i)
        view->topLevelItem(i)->setText(kRemainingColumn, tick.remaining[i]);
    if (tick.reloadNeeded) {
        // The agent may have deleted rows meanwhile.
        context().table->reopen();
        context().reloadPlanLists();
    }
}

void CountdownPage::start()
{
    ConfigContext& ctx = context();
    const QString missing[] = {
        QStringLiteral("您尚未选择倒数天数"), QStringLiteral("您尚未选择倒数小时"),
        QStringLiteral("您尚未选择倒数分钟"), QStringLiteral("您尚未选择倒数秒钟")};
    for (int i = 0; i < 4; ++i) {
        if (m_span[i]->currentText().isEmpty()) {
            ctx.messages.warning(missing[i]);
            return;
        }
    }
    if (m_music->musicPath().isEmpty()) {
        ctx.messages.warning(QStringLiteral("您尚未选择播放音乐！"));
        return;
    }
    if (m_music->text().isEmpty()) {
        ctx.messages.warning(QStringLiteral("您尚未输入提醒内容"));
        return;
    }
    const QString days = m_span[0]->currentText();
    const QString hours = m_span[1]->currentText();
    const QString minutes = m_span[2]->currentText();
    const QString seconds = m_span[3]->currentText();
    const CountdownSpan::Result span = CountdownSpan::compute(days, hours, minutes, seconds);
    // A span that does not fit 32 bits of seconds would wrap to a wrong moment: refuse it
    // before anything is written.
    if (std::holds_alternative<CountdownSpan::OutOfRange>(span)) {
        ctx.messages.warning(QStringLiteral("倒数时间太长，最长约为68年，请重新设置！"));
        return;
    }

    const QString music = m_music->musicPath();
    const QString text = m_music->text();
    ctx.settings.writeText(SettingKeys::kCountdownDays, days);
    ctx.settings.writeText(SettingKeys::kCountdownHours, hours);
    ctx.settings.writeText(SettingKeys::kCountdownMinutes, minutes);
    ctx.settings.writeText(SettingKeys::kCountdownSeconds, seconds);
    ctx.settings.writeText(SettingKeys::kCountdownText, text);
    ctx.settings.writeText(SettingKeys::kCountdownMusic, music);
    ctx.settings.writeText(SettingKeys::kCountdownFolder, folderPart(music));
    if (const auto* bad = std::get_if<CountdownSpan::NotANumber>(&span))
        throw std::runtime_error(
            QStringLiteral("'%1' is not a valid integer value").arg(bad->text).toStdString());

    const QDateTime target =
        CountdownSpan::target(ctx.clock.now(), std::get<CountdownSpan::Seconds>(span).value);
    ctx.table->append({0, kCountdown, kNone, TimeTexts::dateText(target.date()),
                       TimeTexts::timeText(target.time()), music, text, kNone});
    ctx.reloadPlanLists();
    QApplication::beep();
    ctx.tellAgent(Notice::NewCountdown);
    ctx.messages.information(QStringLiteral("倒计时开始了！"));
    finishSave();
}
