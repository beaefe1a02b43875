#pragma once

#include "plan_record.h"

#include <QList>
#include <QSet>
#include <QString>

#include <optional>
#include <stdexcept>

class QSqlDatabase;
class QSqlQuery;

class PlanTableError : public std::runtime_error
{
public:
    explicit PlanTableError(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message)
    {
    }
    QString message() const { return m_message; }

private:
    QString m_message;
};

// The plan table "myproject" in data.tdb, shared by both programs. Each change is one
// transaction and waits for the other program's writes, so neither ever sees half a change.
// Every failure throws PlanTableError. A missing file, or one that is not a plan table, is
// refused on opening and never touched.
class PlanTable
{
public:
    explicit PlanTable(const QString& filePath);
    ~PlanTable();
    PlanTable(const PlanTable&) = delete;
    PlanTable& operator=(const PlanTable&) = delete;

    static constexpr const char* kTableName = "myproject";
    static const QStringList& columnNames();

    QString filePath() const { return m_filePath; }

    // Close and open again: checks the file once more.
    void reopen();

    // Rows in table order, which is the order of appending.
    QList<PlanRecord> rows() const;
    int rowCount() const;
    std::optional<PlanRecord> find(qint64 id) const;
    QList<PlanRecord> rowsAtTime(const QString& timeText) const;
    QSet<QString> kindsPresent() const;

    // Appends the row's seven texts (its id is ignored) and returns the new ID.
    qint64 append(const PlanRecord& record);
    // Rewrites the row with record.id in place; false when no such row exists.
    bool update(const PlanRecord& record);
    // Deletes the row with that ID; false when no such row exists.
    bool remove(qint64 id);
    // Deletes every row of that kind and no other; returns how many went.
    int removeKind(const QString& kind);

private:
    void open();
    // Empty when the table myproject has the eight columns in order, else why not.
    QString checkColumns() const;
    void close();
    QSqlDatabase database() const;
    QSqlQuery exec(const QString& sql, const QVariantList& values = {}) const;

    QString m_filePath;
    QString m_connectionName;
};
