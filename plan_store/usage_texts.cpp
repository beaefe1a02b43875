#include "usage_texts.h"

#include "settings_file.h"
#include "settings_keys.h"
#include "time_texts.h"

namespace UsageTexts {

qint64 daysUsed(SettingsFile& settings, const QDateTime& now)
{
    const SettingKey& key = SettingKeys::kHaveUsed;
    if (settings.readText(key.section, key.key, QString()).isEmpty())
        settings.writeDay(key.section, key.key, now.addDays(-1));
    const QDateTime since = settings.readDay(key.section, key.key, now);
    // Whole days between the two instants, truncated toward zero.
    return qAbs(since.msecsTo(now)) / (qint64(86400) * 1000);
}

QString todayText(QDate today)
{
    return QStringLiteral("今天是：%1年%2月%3日 %4")
        .arg(today.year(), 4, 10, QLatin1Char('0'))
        .arg(today.month(), 2, 10, QLatin1Char('0'))
        .arg(today.day(), 2, 10, QLatin1Char('0'))
        .arg(TimeTexts::weekdayName(today));
}

QString statusText(QTime time, qint64 uptimeSeconds)
{
    return time.toString(QStringLiteral("HH:mm:ss")) + QString(9, QLatin1Char(' ')) +
           QStringLiteral("开机运行了：%1小时%2分").arg(uptimeSeconds / 3600).arg(uptimeSeconds % 3600 / 60);
}

} // namespace UsageTexts
