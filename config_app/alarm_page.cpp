#include "alarm_page.h"

#include "clock.h"
#include "config_context.h"
#include "editor_support.h"
#include "period_editor.h"
#include "sound_player.h"
#include "settings_keys.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace PlanTexts;

namespace {

PlanPage::Setup alarmSetup()
{
    return {kReminder,
            QStringLiteral("闹铃"),
            QStringLiteral("Panel_naoguanli"),
            QStringLiteral("ListView"),
            QStringLiteral("闹钟列表"),
            {{QStringLiteral("周期"), 45}, {QStringLiteral("内容"), 175}, {QStringLiteral("日期"), 90},
             {QStringLiteral("星期"), 36}, {QStringLiteral("时间"), 95}, {QStringLiteral("音乐"), 50}},
            {QStringLiteral("NaoZhong_XinJian"), QStringLiteral("新建闹钟"), QStringLiteral("制订一个新的闹钟计划")},
            {QStringLiteral("NaoZhong_XiuGai"), QStringLiteral("修改闹钟"), QStringLiteral("修改选中的计划")},
            {QStringLiteral("NaoZhong_ShanChu"), QStringLiteral("删除闹钟"), QStringLiteral("删除选中的计划")},
            QStringLiteral("NaoZhong_QingKong"),
            QStringLiteral("Panel_naoxinjian"),
            QStringLiteral("Button_naoquxiao")};
}

} // namespace

AlarmPage::AlarmPage(ConfigContext& context, QWidget* parent)
    : PlanPage(context, alarmSetup(), parent),
      m_period(new PeriodEditor({{QStringLiteral("RadioButton2_1"), QStringLiteral("RadioButton2_2"),
                                  QStringLiteral("RadioButton2_3"), QStringLiteral("RadioButton2_4"),
                                  QStringLiteral("RadioButton2_5")},
                                 QStringLiteral("DateTimePicker2_1"),
                                 QStringLiteral("ComboBox2_1"),
                                 QStringLiteral("DateTimePicker2_2"),
                                 QStringLiteral("ComboBox2_2")},
                                editorPanel())),
      m_music(new QLineEdit(editorPanel())), m_listen(new QPushButton(EditorSupport::kListen, editorPanel())),
      m_text(new QPlainTextEdit(editorPanel()))
{
    auto* musicGroup = new QGroupBox(QStringLiteral("第三步：选择闹铃音乐及内容"), editorPanel());
    m_music->setObjectName(QStringLiteral("Edit2_1"));
    m_music->setReadOnly(true);
    m_music->setAccessibleName(QStringLiteral("闹铃音乐"));
    auto* browseButton = new QPushButton(QStringLiteral("..."), musicGroup);
    browseButton->setObjectName(QStringLiteral("Button2_1"));
    browseButton->setAccessibleName(QStringLiteral("选择闹铃音乐"));
    m_listen->setObjectName(QStringLiteral("Button_naoShiTing"));
    m_listen->setToolTip(QStringLiteral("试听所选的闹铃音乐"));
    m_text->setObjectName(QStringLiteral("Memo2_1"));
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    auto* textLabel = new QLabel(QStringLiteral("请输入提醒内容："), musicGroup);
    textLabel->setBuddy(m_text);

    auto* grid = new QGridLayout(musicGroup);
    grid->addWidget(new QLabel(QStringLiteral("音乐："), musicGroup), 0, 0);
    grid->addWidget(m_music, 0, 1);
    grid->addWidget(browseButton, 0, 2);
    grid->addWidget(m_listen, 0, 3);
    grid->addWidget(textLabel, 1, 0, 1, 4);
    grid->addWidget(m_text, 2, 0, 1, 4);
    grid->setColumnStretch(1, 1);

    auto* saveButton = new QPushButton(QStringLiteral("确定"), editorPanel());
    saveButton->setObjectName(QStringLiteral("Button2_3"));
    saveButton->setToolTip(QStringLiteral("保存制定的定时提醒计划"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(saveButton);
    buttons->addWidget(backButton());

    auto* layout = new QVBoxLayout(editorPanel());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_period);
    layout->addWidget(musicGroup, 1);
    layout->addLayout(buttons);

    connect(browseButton, &QPushButton::clicked, this, &AlarmPage::browse);
    connect(m_listen, &QPushButton::clicked, this, &AlarmPage::listen);
    connect(saveButton, &QPushButton::clicked, this, &AlarmPage::save);
}

void AlarmPage::preset()
{
    m_period->preset(context().clock.now());
    m_music->setText(context().settings.readText(SettingKeys::kAlarmMusic));
    m_text->setPlainText(context().settings.readText(SettingKeys::kAlarmText));
    m_folder = context().settings.readText(SettingKeys::kAlarmFolder);
}

void AlarmPage::browse()
{
    const QString path = EditorSupport::browseFile(this, m_folder, EditorSupport::kMusicFilter);
    if (!path.isEmpty())
        m_music->setText(path);
}

void AlarmPage::listen()
{
    EditorSupport::toggleListen(*m_listen, m_music->text(), context());
}

void AlarmPage::save()
{
    ConfigContext& ctx = context();
    if (m_music->text().isEmpty()) {
        ctx.messages.warning(QStringLiteral("您尚未选择播放音乐！"));
        return;
    }
    if (m_text->toPlainText().isEmpty()) {
        ctx.messages.warning(QStringLiteral("您尚未输入提醒内容"));
        return;
    }
    const PeriodFields fields = m_period->fields();
    ctx.preview.stop();
    m_listen->setText(EditorSupport::kListen);

    const QString music = m_music->text();
    const QString text = m_text->toPlainText();
    ctx.settings.writeText(SettingKeys::kAlarmFolder, folderPart(music));
    ctx.settings.writeText(SettingKeys::kAlarmMusic, music);
    ctx.settings.writeText(SettingKeys::kAlarmText, text);

    ctx.table->append({0, kReminder, fields.weekday, fields.date, m_period->timeText(), music, text, fields.period});
    ctx.reloadPlanLists();
    QApplication::beep();
    ctx.messages.information(QStringLiteral("恭喜您，计划保存成功！您可以继续设置定时提醒计划。"));
    ctx.tellAgent(Notice::NewReminder);
    finishSave();
}
