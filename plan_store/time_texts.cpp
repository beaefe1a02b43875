#include "time_texts.h"

#include <QRegularExpression>
#include <QStringList>

namespace TimeTexts {

const QStringList& weekdayChars()
{
    static const QStringList chars{
        QStringLiteral("日"), QStringLiteral("一"), QStringLiteral("二"), QStringLiteral("三"),
        QStringLiteral("四"), QStringLiteral("五"), QStringLiteral("六")};
    return chars;
}

const QStringList& weekdayNames()
{
    static const QStringList names = [] {
        QStringList result;
        for (const QString& c : weekdayChars())
            result << QStringLiteral("星期") + c;
        return result;
    }();
    return names;
}

QString dateText(QDate date)
{
    return QStringLiteral("%1-%2-%3").arg(date.year()).arg(date.month()).arg(date.day());
}

QString timeText(QTime time)
{
    return QStringLiteral("%1:%2:%3")
        .arg(time.hour())
        .arg(time.minute(), 2, 10, QLatin1Char('0'))
        .arg(time.second(), 2, 10, QLatin1Char('0'));
}

QString dayOfMonthText(QDate date)
{
    return QString::number(date.day()) + QStringLiteral("号");
}

static int sundayFirstIndex(QDate date)
{
    return date.dayOfWeek() % 7; // Qt counts Monday = 1 … Sunday = 7
}

QString weekdayChar(QDate date)
{
    return weekdayChars().at(sundayFirstIndex(date));
}

QString weekdayName(QDate date)
{
    return weekdayNames().at(sundayFirstIndex(date));
}

QString weekdayNameOf(const QString& weekdayChar)
{
    return QStringLiteral("星期") + weekdayChar;
}

std::optional<QDate> parseDate(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral(R"(^\s*(\d{1,4})([-/])(\d{1,2})\2(\d{1,2})\s*$)"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const QDate date(match.captured(1).toInt(), match.captured(3).toInt(), match.captured(4).toInt());
    if (!date.isValid())
        return std::nullopt;
    return date;
}

std::optional<QTime> parseTime(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral(R"(^\s*(\d{1,2}):(\d{1,2}):(\d{1,2})\s*$)"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const QTime time(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt());
    if (!time.isValid())
        return std::nullopt;
    return time;
}

std::optional<QDateTime> parseMoment(const QString& date, const QString& time)
{
    const auto day = parseDate(date);
    const auto clockTime = parseTime(time);
    if (!day || !clockTime)
        return std::nullopt;
    return QDateTime(*day, *clockTime);
}

} // namespace TimeTexts
