#include "settings_file.h"

#include "settings_keys.h"
#include "time_texts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QStringList>

namespace {

constexpr char kEncoding[] = "GB18030";

struct IniLines
{
    QStringList lines;
    QString lineEnd = QStringLiteral("\n");
};

IniLines readLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    QString text;
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        text = QString::fromUtf8(bytes.mid(3));
    } else {
        QStringDecoder decode(kEncoding);
        text = decode(bytes);
    }
    IniLines result;
    if (text.contains(QStringLiteral("\r\n")))
        result.lineEnd = QStringLiteral("\r\n");
    text.remove(QLatin1Char('\r'));
    result.lines = text.split(QLatin1Char('\n'));
    if (!result.lines.isEmpty() && result.lines.constLast().isEmpty())
        result.lines.removeLast();
    return result;
}

std::optional<QString> sectionName(const QString& line)
{
    const QString trimmed = line.trimmed();
    if (!trimmed.startsWith(QLatin1Char('[')))
        return std::nullopt;
    const qsizetype end = trimmed.indexOf(QLatin1Char(']'));
    if (end < 0)
        return std::nullopt;
    return trimmed.mid(1, end - 1).trimmed();
}

bool isComment(const QString& line)
{
    const QString trimmed = line.trimmed();
    return trimmed.startsWith(QLatin1Char(';')) || trimmed.startsWith(QLatin1Char('#'));
}

bool sameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Index of the line holding key in section, and the line index where the section ends.
struct Position
{
    qsizetype keyLine = -1;
    qsizetype sectionEnd = -1; // one past the last entry of the section; -1 if no section
};

Position find(const QStringList& lines, const QString& section, const QString& key)
{
    Position pos;
    bool inSection = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (const auto name = sectionName(lines[i])) {
            if (inSection)
                return pos; // the first section of that name is the one that counts
            inSection = sameName(*name, section);
            if (inSection)
                pos.sectionEnd = i + 1;
            continue;
        }
        if (!inSection || isComment(lines[i]))
            continue;
        const qsizetype eq = lines[i].indexOf(QLatin1Char('='));
        if (eq < 0)
            continue;
        pos.sectionEnd = i + 1;
        if (sameName(lines[i].left(eq).trimmed(), key)) {
            pos.keyLine = i;
            return pos;
        }
    }
    return pos;
}

// A value that would not survive a plain ini line (a line break, surrounding blanks or quotes)
// is written in double quotes with backslash escapes. Plain values are taken literally, so
// Windows paths with backslashes read back unchanged.
bool needsQuoting(const QString& value)
{
    if (value.isEmpty())
        return false;
    return value.contains(QLatin1Char('\n')) || value.contains(QLatin1Char('\r')) ||
           value.front().isSpace() || value.back().isSpace() ||
           value.front() == QLatin1Char('"');
}

QString encodeValue(const QString& value)
{
    if (!needsQuoting(value))
        return value;
    QString out = QStringLiteral("\"");
    for (QChar c : value) {
        if (c == QLatin1Char('\\'))
            out += QStringLiteral("\\\\");
        else if (c == QLatin1Char('"'))
            out += QStringLiteral("\\\"");
        else if (c == QLatin1Char('\n'))
            out += QStringLiteral("\\n");
        else if (c == QLatin1Char('\r'))
            out += QStringLiteral("\\r");
        else
            out += c;
    }
    return out + QLatin1Char('"');
}

QString decodeValue(const QString& stored)
{
    if (stored.size() < 2 || !stored.startsWith(QLatin1Char('"')) || !stored.endsWith(QLatin1Char('"')))
        return stored;
    const QString inner = stored.mid(1, stored.size() - 2);
    QString out;
    for (qsizetype i = 0; i < inner.size(); ++i) {
        const QChar c = inner[i];
        if (c != QLatin1Char('\\') || i + 1 == inner.size()) {
            out += c;
            continue;
        }
        const QChar next = inner[++i];
        if (next == QLatin1Char('n'))
            out += QLatin1Char('\n');
        else if (next == QLatin1Char('r'))
            out += QLatin1Char('\r');
        else if (next == QLatin1Char('\\') || next == QLatin1Char('"'))
            out += next;
        else
            out += QString(c) + next; // not an escape of ours: keep as written
    }
    return out;
}

std::optional<int> parseNumber(const QString& text)
{
    const QString trimmed = text.trimmed();
    bool ok = false;
    qlonglong value = 0;
    if (trimmed.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        value = trimmed.mid(2).toLongLong(&ok, 16);
    else
        value = trimmed.toLongLong(&ok, 10);
    if (!ok || value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(value);
}

} // namespace

QString SettingsFile::folder() const
{
    return QFileInfo(m_path).absolutePath();
}

std::optional<QString> SettingsFile::lookUp(const QString& section, const QString& key) const
{
    const IniLines ini = readLines(m_path);
    const Position pos = find(ini.lines, section, key);
    if (pos.keyLine < 0)
        return std::nullopt;
    const QString& line = ini.lines[pos.keyLine];
    return decodeValue(line.mid(line.indexOf(QLatin1Char('=')) + 1).trimmed());
}

QString SettingsFile::readText(const QString& section, const QString& key, const QString& fallback) const
{
    return lookUp(section, key).value_or(fallback);
}

void SettingsFile::writeText(const QString& section, const QString& key, const QString& value)
{
    IniLines ini = readLines(m_path);
    const Position pos = find(ini.lines, section, key);
    const QString entry = key + QLatin1Char('=') + encodeValue(value);
    if (pos.keyLine >= 0) {
        ini.lines[pos.keyLine] = entry;
    } else if (pos.sectionEnd >= 0) {
        ini.lines.insert(pos.sectionEnd, entry);
    } else {
        if (!ini.lines.isEmpty() && !ini.lines.constLast().trimmed().isEmpty())
            ini.lines << QString();
        ini.lines << QLatin1Char('[') + section + QLatin1Char(']') << entry;
    }

    QStringEncoder encode(kEncoding);
    const QByteArray bytes = encode(ini.lines.join(ini.lineEnd) + ini.lineEnd);
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw SettingsWriteError(QStringLiteral("Unable to write to %1").arg(QDir::toNativeSeparators(m_path)));
}

int SettingsFile::readNumber(const QString& section, const QString& key, int fallback) const
{
    const auto text = lookUp(section, key);
    if (!text)
        return fallback;
    return parseNumber(*text).value_or(fallback);
}

void SettingsFile::writeNumber(const QString& section, const QString& key, int value)
{
    writeText(section, key, QString::number(value));
}

bool SettingsFile::readFlag(const QString& section, const QString& key, bool fallback) const
{
    return readNumber(section, key, fallback ? 1 : 0) != 0;
}

void SettingsFile::writeFlag(const QString& section, const QString& key, bool value)
{
    writeText(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

QDateTime SettingsFile::readDay(const QString& section, const QString& key, const QDateTime& fallback) const
{
    const auto text = lookUp(section, key);
    if (!text)
        return fallback;
    const auto date = TimeTexts::parseDate(*text);
    return date ? QDateTime(*date, QTime(0, 0)) : fallback;
}

void SettingsFile::writeDay(const QString& section, const QString& key, const QDateTime& value)
{
    writeText(section, key, TimeTexts::dateText(value.date()));
}

QString SettingsFile::defaultOf(const SettingKey& key) const
{
    if (!key.defaultInAppFolder)
        return key.defaultValue;
    return QDir(folder()).filePath(key.defaultValue);
}

QString SettingsFile::readText(const SettingKey& key) const
{
    return readText(key.section, key.key, defaultOf(key));
}

int SettingsFile::readNumber(const SettingKey& key) const
{
    return readNumber(key.section, key.key, parseNumber(key.defaultValue).value_or(0));
}

bool SettingsFile::readFlag(const SettingKey& key) const
{
    return readFlag(key.section, key.key, parseNumber(key.defaultValue).value_or(0) != 0);
}

void SettingsFile::writeText(const SettingKey& key, const QString& value)
{
    writeText(key.section, key.key, value);
}

void SettingsFile::writeNumber(const SettingKey& key, int value)
{
    writeNumber(key.section, key.key, value);
}

void SettingsFile::writeFlag(const SettingKey& key, bool value)
{
    writeFlag(key.section, key.key, value);
}
