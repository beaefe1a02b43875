#pragma once

#include <QDateTime>
#include <QString>

#include <optional>
#include <stdexcept>

struct SettingKey;

class SettingsWriteError : public std::runtime_error
{
public:
    explicit SettingsWriteError(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message)
    {
    }
    QString message() const { return m_message; }

private:
    QString m_message;
};

// An ini file in GB18030 (a superset of GBK, byte-identical for every GBK text). Nothing is
// cached: every read goes to the file, and every write replaces the whole file atomically
// before it returns, so the other program reads what was written before a notice.
class SettingsFile
{
public:
    explicit SettingsFile(const QString& path) : m_path(path) {}

    QString path() const { return m_path; }
    // The folder of the file: the programs' own folder for config.ini.
    QString folder() const;

    // The stored text when the key is present, even when it is empty.
    QString readText(const QString& section, const QString& key, const QString& fallback) const;
    void writeText(const QString& section, const QString& key, const QString& value);

    // Decimal, or hexadecimal after 0x; the fallback when absent, empty or not a number.
    int readNumber(const QString& section, const QString& key, int fallback) const;
    void writeNumber(const QString& section, const QString& key, int value);

    bool readFlag(const QString& section, const QString& key, bool fallback) const;
    void writeFlag(const QString& section, const QString& key, bool value);

    // A date without time of day; the fallback when absent, empty or unparsable.
    QDateTime readDay(const QString& section, const QString& key, const QDateTime& fallback) const;
    void writeDay(const QString& section, const QString& key, const QDateTime& value);

    // The same, with the section, key and default of the settings table.
    QString readText(const SettingKey& key) const;
    int readNumber(const SettingKey& key) const;
    bool readFlag(const SettingKey& key) const;
    void writeText(const SettingKey& key, const QString& value);
    void writeNumber(const SettingKey& key, int value);
    void writeFlag(const SettingKey& key, bool value);

private:
    std::optional<QString> lookUp(const QString& section, const QString& key) const;
    QString defaultOf(const SettingKey& key) const;

    QString m_path;
};
