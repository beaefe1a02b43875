#include "notices.h"

#include "notices_interface.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDir>
#include <QProcess>

namespace {

struct NoticeEntry
{
    Notice notice;
    QString name;
};

// In the order the agent tests them.
const NoticeEntry kNotices[] = {
    {Notice::NewReminder, QStringLiteral("新建响铃")},
    {Notice::Settings, QStringLiteral("重新设置")},
    {Notice::NewLaunch, QStringLiteral("新建打开")},
    {Notice::NewShutdown, QStringLiteral("新建关机")},
    {Notice::NewCountdown, QStringLiteral("新建倒计时")},
    {Notice::Refresh, QStringLiteral("刷新")},
};

} // namespace

QString noticeName(Notice notice)
{
    for (const NoticeEntry& entry : kNotices) {
        if (entry.notice == notice)
            return entry.name;
    }
    return {};
}

std::optional<Notice> noticeFromName(const QString& name)
{
    for (const NoticeEntry& entry : kNotices) {
        if (entry.name == name)
            return entry.notice;
    }
    return std::nullopt;
}

void broadcastNotice(Notice notice)
{
    QDBusMessage signal =
        QDBusMessage::createSignal(Bus::kNoticesPath, Bus::kNoticesInterface, QStringLiteral("Notice"));
    signal << noticeName(notice);
    QDBusConnection::sessionBus().send(signal);
}

bool startAgent(const QString& programFolder)
{
    QProcess process;
    process.setProgram(QDir(programFolder).filePath(kAgentExecutable));
    process.setWorkingDirectory(programFolder);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    return process.startDetached();
}

void ensureAgent(const QString& programFolder)
{
    QDBusConnectionInterface* bus = QDBusConnection::sessionBus().interface();
    if (bus && bus->isServiceRegistered(Bus::kAgentService).value())
        return;
    startAgent(programFolder);
}

bool claimAgentName()
{
    QDBusConnectionInterface* bus = QDBusConnection::sessionBus().interface();
    if (!bus)
        return true; // no session bus: nobody else can be told apart, so run alone
    const auto reply = bus->registerService(Bus::kAgentService, QDBusConnectionInterface::DontQueueService,
                                            QDBusConnectionInterface::DontAllowReplacement);
    return reply.isValid() && reply.value() == QDBusConnectionInterface::ServiceRegistered;
}

NoticeListener::NoticeListener(QObject* parent)
    : QObject(parent),
      // An empty service name hears the signal from any sender.
      m_proxy(new OrgYueshiNoticesInterface(QString(), Bus::kNoticesPath, QDBusConnection::sessionBus(), this))
{
    connect(m_proxy, &OrgYueshiNoticesInterface::Notice, this, &NoticeListener::onNotice);
}

NoticeListener::~NoticeListener() = default;

void NoticeListener::onNotice(const QString& name)
{
    if (const auto notice = noticeFromName(name))
        emit noticeReceived(*notice);
}
