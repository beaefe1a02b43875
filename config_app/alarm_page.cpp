#include "alarm_page.h"

#include "music_text_group.h"

#include "clock.h"
#include "config_context.h"
#include "period_editor.h"
#include "settings_keys.h"
#include "sound_player.h"

#include <QApplication>
#include <QPushButton>

using namespace PlanTexts;

namespace {

PlanPage::Setup alarmSetup()
{
    return {kReminder,
            QStringLiteral("闹铃"),
            QStringLiteral("Panel_naoguanli"),
            QStringLiteral("ListView"),
            QStringLiteral("闹钟列表"),
            {{QStringLiteral("周期"), 45},
             {QStringLiteral("内容"), 175},
             {QStringLiteral("日期"), 90},
             {QStringLiteral("星期"), 36},
             {QStringLiteral("时间"), 95},
             {QStringLiteral("音乐"), 50}},
            {QStringLiteral("NaoZhong_XinJian"), QStringLiteral("新建闹钟"),
             QStringLiteral("制订一个新的闹钟计划")},
            {QStringLiteral("NaoZhong_XiuGai"), QStringLiteral("修改闹钟"),
             QStringLiteral("修改选中的计划")},
            {QStringLiteral("NaoZhong_ShanChu"), QStringLiteral("删除闹钟"),
             QStringLiteral("删除选中的计划")},
            QStringLiteral("NaoZhong_QingKong"),
            QStringLiteral("Panel_naoxinjian"),
            QStringLiteral("Button_naoquxiao")};
}

} // namespace

AlarmPage::AlarmPage(ConfigContext& context, QWidget* parent)
    : PlanPage(context, alarmSetup(), parent),
      m_period(
          new PeriodEditor({{QStringLiteral("RadioButton2_1"), QStringLiteral("RadioButton2_2"),
                             QStringLiteral("RadioButton2_3"), QStringLiteral("RadioButton2_4"),
                             QStringLiteral("RadioButton2_5")},
                            QStringLiteral("DateTimePicker2_1"),
                            QStringLiteral("ComboBox2_1"),
                            QStringLiteral("DateTimePicker2_2"),
                            QStringLiteral("ComboBox2_2")},
                           editorPanel())),
      m_music(new MusicTextGroup(QStringLiteral("第三步：选择闹铃音乐及内容"),
                                 {QStringLiteral("Edit2_1"), QStringLiteral("Button2_1"),
                                  QStringLiteral("Button_naoShiTing"), QStringLiteral("Memo2_1"),
                                  QStringLiteral("闹铃音乐")},
                                 context, editorPanel()))
{
    QPushButton* saveButton = layOutEditor(m_period, m_music,
                                           {QStringLiteral("Button2_3"), QStringLiteral("确定"),
                                            QStringLiteral("保存制定的定时提醒计划")});

    connect(saveButton, &QPushButton::clicked, this, &AlarmPage::save);
}

void AlarmPage::preset()
{
    m_period->preset(context().clock.now());
    m_music->setMusicPath(context().settings.readText(SettingKeys::kAlarmMusic));
    m_music->setText(context().settings.readText(SettingKeys::kAlarmText));
    m_music->setFolder(context().settings.readText(SettingKeys::kAlarmFolder));
}

void AlarmPage::save()
{
    ConfigContext& ctx = context();
    if (m_music->musicPath().isEmpty()) {
        ctx.messages.warning(QStringLiteral("您尚未选择播放音乐！"));
        return;
    }
    if (m_music->text().isEmpty()) {
        ctx.messages.warning(QStringLiteral("您尚未输入提醒内容"));
        return;
    }
    const PeriodFields fields = m_period->fields();
    m_music->stopListening();

    const QString music = m_music->musicPath();
    const QString text = m_music->text();
    ctx.settings.writeText(SettingKeys::kAlarmFolder, folderPart(music));
    ctx.settings.writeText(SettingKeys::kAlarmMusic, music);
    ctx.settings.writeText(SettingKeys::kAlarmText, text);

    ctx.table->append({0, kReminder, fields.weekday, fields.date, m_period->timeText(), music, text,
                       fields.period});
    ctx.reloadPlanLists();
    QApplication::beep();
    ctx.messages.information(QStringLiteral("恭喜您，计划保存成功！您可以继续设置定时提醒计划。"));
    ctx.tellAgent(Notice::NewReminder);
    finishSave();
}
