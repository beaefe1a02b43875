#pragma once

#include <QString>

// Every section, key and default of config.ini. A default that names a file or folder is
// relative to the programs' folder.
struct SettingKey
{
    QString section;
    QString key;
    QString defaultValue;
    bool defaultInAppFolder = false;
};

namespace SettingKeys {

inline const SettingKey kHaveUsed{QStringLiteral("config"), QStringLiteral("HaveUsed"), QString()};
inline const SettingKey kAnnounceMode{QStringLiteral("config"), QStringLiteral("ZhengDianBaoShi"), QStringLiteral("3")};
inline const SettingKey kAnnouncePeriod{QStringLiteral("config"), QStringLiteral("BaoShiZhouQi"), QStringLiteral("1")};
inline const SettingKey kRingInterval{QStringLiteral("config"), QStringLiteral("NaoLingJianGe"), QStringLiteral("0")};
inline const SettingKey kShowClock{QStringLiteral("config"), QStringLiteral("clock"), QStringLiteral("1")};
inline const SettingKey kClockLeft{QStringLiteral("config"), QStringLiteral("left"), QStringLiteral("800")};
inline const SettingKey kClockTop{QStringLiteral("config"), QStringLiteral("top"), QStringLiteral("50")};
// Web server of the page in the reminder window, e.g. http://127.0.0.1:8000; empty: a page of our own.
inline const SettingKey kPageServer{QStringLiteral("config"), QStringLiteral("PageServer"), QString()};
inline const SettingKey kCheckDate{QStringLiteral("config"), QStringLiteral("Checkdate"), QString()};

inline const SettingKey kHideHotKey{QStringLiteral("HotKey"), QStringLiteral("YinCang"), QStringLiteral("16498")};
inline const SettingKey kSpeakHotKey{QStringLiteral("HotKey"), QStringLiteral("BaoShi"), QStringLiteral("16500")};

inline const SettingKey kAlarmMusic{QStringLiteral("NaoZhong"), QStringLiteral("music"), QStringLiteral("sound/爱的纪念.mp3"), true};
inline const SettingKey kAlarmText{QStringLiteral("NaoZhong"), QStringLiteral("Text"), QStringLiteral("该起床了，不然就迟到啦！")};
inline const SettingKey kAlarmFolder{QStringLiteral("NaoZhong"), QStringLiteral("Folder"), QStringLiteral("sound"), true};

inline const SettingKey kLaunchFile{QStringLiteral("ChengXu"), QStringLiteral("File"), QString()};
inline const SettingKey kLaunchFolder{QStringLiteral("ChengXu"), QStringLiteral("Folder"), QString()};

inline const SettingKey kShutdownDelay{QStringLiteral("GuanJi"), QStringLiteral("miao"), QStringLiteral("30")};

inline const SettingKey kCountdownMusic{QStringLiteral("DaoJiShi"), QStringLiteral("music"), QStringLiteral("sound/爱的纪念.wma"), true};
inline const SettingKey kCountdownText{QStringLiteral("DaoJiShi"), QStringLiteral("Text"), QStringLiteral("收菜了，菜要给偷完了！")};
inline const SettingKey kCountdownDays{QStringLiteral("DaoJiShi"), QStringLiteral("Tian"), QStringLiteral("0")};
inline const SettingKey kCountdownHours{QStringLiteral("DaoJiShi"), QStringLiteral("Shi"), QStringLiteral("0")};
inline const SettingKey kCountdownMinutes{QStringLiteral("DaoJiShi"), QStringLiteral("Fen"), QStringLiteral("0")};
inline const SettingKey kCountdownSeconds{QStringLiteral("DaoJiShi"), QStringLiteral("Miao"), QStringLiteral("0")};
inline const SettingKey kCountdownFolder{QStringLiteral("DaoJiShi"), QStringLiteral("Folder"), QStringLiteral("sound"), true};

// Section Workday has one key per weekday name (星期一 … 星期日); "1" marks a work day.
inline SettingKey workday(const QString& weekdayName)
{
    return {QStringLiteral("Workday"), weekdayName, QStringLiteral("1")};
}

} // namespace SettingKeys
