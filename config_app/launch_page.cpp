#include "launch_page.h"

#include "clock.h"
#include "config_context.h"
#include "editor_support.h"
#include "period_editor.h"
#include "settings_keys.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

using namespace PlanTexts;

namespace {

PlanPage::Setup launchSetup()
{
    return {kLaunch,
            QStringLiteral("定时打开"),
            QStringLiteral("Panel_openguanli"),
            QStringLiteral("ListView_DaKai"),
            QStringLiteral("定时打开列表"),
            {{QStringLiteral("周期"), 45},
             {QStringLiteral("内容"), 0},
             {QStringLiteral("日期"), 90},
             {QStringLiteral("星期"), 36},
             {QStringLiteral("时间"), 95},
             {QStringLiteral("程序路径"), 180}},
            {QStringLiteral("DaKai_XinJian"), QStringLiteral("新建打开"),
             QStringLiteral("制订一个新的定时打开程序计划")},
            {QStringLiteral("DaKai_XiuGai"), QStringLiteral("修改打开"),
             QStringLiteral("修改选中的定时打开程序计划")},
            {QStringLiteral("DaKai_ShanChu"), QStringLiteral("删除打开"),
             QStringLiteral("删除选中的定时打开程序计划")},
            QStringLiteral("DaKai_QingKong"),
            QStringLiteral("Panel_openxinjian"),
            QStringLiteral("Button_openquxiao")};
}

// An executable starts detached without a shell; anything else goes to the desktop's opener.
// Failures pass silently here: the user only tries the path out.
void openPath(const QString& path)
{
    const QFileInfo info(path);
    if (info.isFile() && info.isExecutable())
        QProcess::startDetached(info.absoluteFilePath(), {}, info.absolutePath());
    else
        QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

} // namespace

LaunchPage::LaunchPage(ConfigContext& context, QWidget* parent)
    : PlanPage(context, launchSetup(), parent),
      m_period(
          new PeriodEditor({{QStringLiteral("RadioButton3_1"), QStringLiteral("RadioButton3_2"),
                             QStringLiteral("RadioButton3_3"), QStringLiteral("RadioButton3_4"),
                             QStringLiteral("RadioButton3_5")},
                            QStringLiteral("DateTimePicker3_1"),
                            QStringLiteral("ComboBox3_1"),
                            QStringLiteral("DateTimePicker3_2"),
                            QStringLiteral("ComboBox3_2")},
                           editorPanel())),
      m_path(new QLineEdit(editorPanel()))
{
    auto* fileGroup = new QGroupBox(QStringLiteral("第三步：选择程序"), editorPanel());
    m_path->setObjectName(QStringLiteral("Edit3_1"));
    m_path->setReadOnly(true);
    m_path->setAccessibleName(QStringLiteral("程序路径"));
    auto* browseButton = new QPushButton(QStringLiteral("..."), fileGroup);
    browseButton->setObjectName(QStringLiteral("Button3_1"));
    browseButton->setAccessibleName(QStringLiteral("选择程序"));
    auto* tryButton = new QPushButton(QStringLiteral("试打开"), fileGroup);
    tryButton->setObjectName(QStringLiteral("Button3_2"));
    auto* row = new QHBoxLayout;
    row->addWidget(m_path, 1);
    row->addWidget(browseButton);
    row->addWidget(tryButton);
    auto* groupLayout = new QVBoxLayout(fileGroup);
    groupLayout->addLayout(row);
    groupLayout->addStretch();

    QPushButton* saveButton = layOutEditor(m_period, fileGroup,
                                           {QStringLiteral("Button3_3"), QStringLiteral("确定"),
                                            QStringLiteral("保存定时打开程序的计划")});

    connect(browseButton, &QPushButton::clicked, this, &LaunchPage::browse);
    connect(tryButton, &QPushButton::clicked, this, &LaunchPage::tryOpen);
    connect(saveButton, &QPushButton::clicked, this, &LaunchPage::save);
}

void LaunchPage::preset()
{
    m_period->preset(context().clock.now());
    m_path->setText(context().settings.readText(SettingKeys::kLaunchFile));
    m_folder = context().settings.readText(SettingKeys::kLaunchFolder);
}

void LaunchPage::browse()
{
    const QString path = EditorSupport::browseFile(this, m_folder, QStringLiteral("所有文件 (*)"));
    if (!path.isEmpty())
        m_path->setText(path);
}

void LaunchPage::tryOpen()
{
    if (m_path->text().isEmpty()) {
        context().messages.warning(QStringLiteral("没有可以打开的文件,请选择文件的路径！"));
        return;
    }
    openPath(m_path->text());
}

void LaunchPage::save()
{
    ConfigContext& ctx = context();
    const QString path = m_path->text();
    if (path.isEmpty()) {
        ctx.messages.warning(QStringLiteral("您尚未选择要打开的程序!"));
        return;
    }
    const PeriodFields fields = m_period->fields();
    ctx.settings.writeText(SettingKeys::kLaunchFile, path);
    ctx.settings.writeText(SettingKeys::kLaunchFolder, folderPart(path));
    ctx.table->append({0, kLaunch, fields.weekday, fields.date, m_period->timeText(), path, kNone,
                       fields.period});
    ctx.reloadPlanLists();
    QApplication::beep();
    ctx.messages.information(QStringLiteral("恭喜您，计划保存成功！"));
    ctx.tellAgent(Notice::NewLaunch);
    finishSave();
}
