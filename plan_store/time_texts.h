#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>

#include <optional>

// The date and time texts stored in the plan table and compared by the agent. They are fixed
// and do not follow the desktop locale, so that a locale change never orphans stored plans.
namespace TimeTexts {

QString dateText(QDate date);            // 2011-4-3
QString timeText(QTime time);            // 8:05:00, fractions of a second cut off
QString dayOfMonthText(QDate date);      // 3号
QString weekdayChar(QDate date);         // 日 一 … 六
QString weekdayName(QDate date);         // 星期日 … 星期六
QString weekdayNameOf(const QString& weekdayChar);

// Sunday first, as in the editors' weekday box.
const QStringList& weekdayChars();
const QStringList& weekdayNames();

// Accepts yyyy-M-d and, for files carried over from Windows, yyyy/M/d.
std::optional<QDate> parseDate(const QString& text);
std::optional<QTime> parseTime(const QString& text);
std::optional<QDateTime> parseMoment(const QString& date, const QString& time);

} // namespace TimeTexts
