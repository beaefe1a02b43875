#include "shutdown_page.h"

#include "clock.h"
#include "config_context.h"
#include "period_editor.h"
#include "settings_keys.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace PlanTexts;

namespace {

PlanPage::Setup shutdownSetup()
{
    return {kShutdown,
            QStringLiteral("定时关机"),
            QStringLiteral("Panel_guanjiguanli"),
            QStringLiteral("ListView_GuanJi"),
            QStringLiteral("定时关机列表"),
            {{QStringLiteral("周期"), 50},
             {QStringLiteral("倒数秒数"), 65},
             {QStringLiteral("日期"), 100},
             {QStringLiteral("星期"), 50},
             {QStringLiteral("时间"), 100}},
            {QStringLiteral("GuanJi_XinJian"), QStringLiteral("新建关机"),
             QStringLiteral("制订一个新的定时关机计划")},
            {QStringLiteral("GuanJi_XiuGai"), QStringLiteral("修改关机"),
             QStringLiteral("修改选中的定时关机计划")},
            {QStringLiteral("GuanJi_ShanChu"), QStringLiteral("删除关机"),
             QStringLiteral("删除选中的定时关机计划")},
            QStringLiteral("GuanJi_QingKong"),
            QStringLiteral("Panel_guanjixinjian"),
            QStringLiteral("Button_guanjiquxiao")};
}

} // namespace

ShutdownPage::ShutdownPage(ConfigContext& context, QWidget* parent)
    : PlanPage(context, shutdownSetup(), parent),
      m_period(
          new PeriodEditor({{QStringLiteral("RadioButton4_1"), QStringLiteral("RadioButton4_2"),
                             QStringLiteral("RadioButton4_3"), QStringLiteral("RadioButton4_4"),
                             QStringLiteral("RadioButton4_5")},
                            QStringLiteral("DateTimePicker4_1"),
                            QStringLiteral("ComboBox4_1"),
                            QStringLiteral("DateTimePicker4_2"),
                            QStringLiteral("ComboBox4_2")},
                           editorPanel())),
      m_delay(new QComboBox(editorPanel()))
{
    auto* delayGroup = new QGroupBox(QStringLiteral("第三步：设置倒计时"), editorPanel());
    m_delay->setObjectName(QStringLiteral("ComboBox4_3"));
    m_delay->setEditable(true);
    for (int seconds = 0; seconds <= 60; seconds += 5)
        m_delay->addItem(QString::number(seconds));
    m_delay->setAccessibleName(QStringLiteral("关机延迟秒数"));
    auto* delayRow = new QHBoxLayout;
    delayRow->addWidget(new QLabel(QStringLiteral("系统将延迟"), delayGroup));
    delayRow->addWidget(m_delay);
    delayRow->addWidget(new QLabel(QStringLiteral("秒关机。"), delayGroup));
    delayRow->addStretch();
    auto* groupLayout = new QVBoxLayout(delayGroup);
    groupLayout->addLayout(delayRow);
    groupLayout->addWidget(
        new QLabel(QStringLiteral("注意：您要在此期间保存未保存的文档，"), delayGroup));
    groupLayout->addWidget(
        new QLabel(QStringLiteral("以防数据的丢失，造成不必要的麻烦。"), delayGroup));
    groupLayout->addStretch();

    QPushButton* saveButton = layOutEditor(m_period, delayGroup,
                                           {QStringLiteral("Button4_1"), QStringLiteral("确定"),
                                            QStringLiteral("保存定时关机的计划")});

    connect(saveButton, &QPushButton::clicked, this, &ShutdownPage::save);
}

void ShutdownPage::preset()
{
    m_period->preset(context().clock.now());
    m_delay->setCurrentText(context().settings.readText(SettingKeys::kShutdownDelay));
}

void ShutdownPage::save()
{
    ConfigContext& ctx = context();
    const QString delay = m_delay->currentText();
    if (delay.isEmpty()) {
        ctx.messages.warning(QStringLiteral("您尚未设置关机延迟时间！"));
        return;
    }
    const PeriodFields fields = m_period->fields();
    ctx.settings.writeText(SettingKeys::kShutdownDelay, delay);
    ctx.table->append({0, kShutdown, fields.weekday, fields.date, m_period->timeText(), kNone,
                       delay, fields.period});
    ctx.reloadPlanLists();
    QApplication::beep();
    ctx.messages.information(QStringLiteral("恭喜您，计划保存成功！"));
    ctx.tellAgent(Notice::NewShutdown);
    finishSave();
}
