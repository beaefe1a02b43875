#pragma once

#include <QDateTime>
#include <QString>

class SettingsFile;

// The texts of the main window's side panels and status bar.
namespace UsageTexts {

// Days of use since config HaveUsed; on the first start HaveUsed becomes yesterday, so the
// first day counts as 1. A HaveUsed in the future counts the days to it.
qint64 daysUsed(SettingsFile& settings, const QDateTime& now);

// 今天是：2011年04月03日 星期日
QString todayText(QDate today);

// 19:45:08, nine blanks, 开机运行了：3小时7分
QString statusText(QTime time, qint64 uptimeSeconds);

} // namespace UsageTexts
