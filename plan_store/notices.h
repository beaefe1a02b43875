#pragma once

#include <QObject>
#include <QString>

#include <memory>
#include <optional>

// The six one-way notices from the configuration program to the agent. They carry no data:
// the sender has written the plan table or config.ini before it broadcasts.
enum class Notice { NewReminder, Settings, NewLaunch, NewShutdown, NewCountdown, Refresh };

namespace Bus {
inline const QString kAgentService = QStringLiteral("org.yueshi.Agent");
inline const QString kConfigService = QStringLiteral("org.yueshi.Config");
inline const QString kConfigPath = QStringLiteral("/org/yueshi/Config");
inline const QString kConfigInterface = QStringLiteral("org.yueshi.Config");
inline const QString kNoticesPath = QStringLiteral("/org/yueshi/Notices");
inline const QString kNoticesInterface = QStringLiteral("org.yueshi.Notices");
} // namespace Bus

inline const QString kAgentTitle = QStringLiteral("悦时电脑闹钟计划计时程序");
inline const QString kConfigTitle = QStringLiteral("悦时电脑闹钟");
inline const QString kAgentExecutable = QStringLiteral("yueshi_jk");
inline const QString kConfigExecutable = QStringLiteral("yueshi");

QString noticeName(Notice notice);
std::optional<Notice> noticeFromName(const QString& name);

// Sends the notice on the session bus and returns at once; a notice nobody hears is lost.
void broadcastNotice(Notice notice);

// Starts the agent from the given folder, detached, with no output inherited.
bool startAgent(const QString& programFolder);
// Starts the agent when no process owns the agent's bus name.
void ensureAgent(const QString& programFolder);

// Claims the agent's bus name without queueing: false means another agent runs already.
bool claimAgentName();

class OrgYueshiNoticesInterface;

// Hears the notices on the session bus, from any sender.
class NoticeListener : public QObject
{
    Q_OBJECT
public:
    explicit NoticeListener(QObject* parent = nullptr);
    ~NoticeListener() override;

signals:
    void noticeReceived(Notice notice);

private:
    void onNotice(const QString& name);

    OrgYueshiNoticesInterface* m_proxy;
};

Q_DECLARE_METATYPE(Notice)
