#include "plan_table.h"

#include <QAtomicInt>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUrl>
#include <QVariant>

namespace {

constexpr int kBusyTimeoutMs = 5000;
const QString kSelectColumns = QStringLiteral(
    R"(SELECT "ID", "类型", "星期", "日期", "时间", "路径", "内容", "备注" FROM myproject)");

QString uniqueConnectionName()
{
    static QAtomicInt counter;
    return QStringLiteral("plan_table_%1").arg(counter.fetchAndAddRelaxed(1));
}

PlanRecord recordFrom(const QSqlQuery& query)
{
    PlanRecord record;
    record.id = query.value(0).toLongLong();
    record.kind = query.value(1).toString();
    record.weekday = query.value(2).toString();
    record.date = query.value(3).toString();
    record.time = query.value(4).toString();
    record.path = query.value(5).toString();
    record.content = query.value(6).toString();
    record.period = query.value(7).toString();
    return record;
}

QVariantList textsOf(const PlanRecord& record)
{
    return {record.kind, record.weekday, record.date, record.time,
            record.path, record.content, record.period};
}

} // namespace

const QStringList& PlanTable::columnNames()
{
    static const QStringList names{
        QStringLiteral("ID"),   QStringLiteral("类型"), QStringLiteral("星期"),
        QStringLiteral("日期"), QStringLiteral("时间"), QStringLiteral("路径"),
        QStringLiteral("内容"), QStringLiteral("备注")};
    return names;
}

PlanTable::PlanTable(const QString& filePath)
    : m_filePath(filePath), m_connectionName(uniqueConnectionName())
{
    open();
}

PlanTable::~PlanTable()
{
    close();
}

void PlanTable::open()
{
    const QFileInfo info(m_filePath);
    if (!info.isFile())
        throw PlanTableError(QStringLiteral("找不到计划表文件 %1").arg(m_filePath));

    QString failure;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
        // mode=rw: SQLite must never create the file or turn something else into a database.
        db.setDatabaseName(QUrl::fromLocalFile(info.absoluteFilePath()).toString(QUrl::FullyEncoded) +
                           QStringLiteral("?mode=rw"));
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs));
        if (!db.open())
            failure = QStringLiteral("无法打开计划表 %1：%2").arg(m_filePath, db.lastError().text());
        else
            failure = checkColumns();
    } // the handle goes before the connection can be removed
    if (!failure.isEmpty()) {
        close();
        throw PlanTableError(failure);
    }
}

QString PlanTable::checkColumns() const
{
    QStringList found;
    try {
        QSqlQuery info = exec(QStringLiteral("PRAGMA table_info(myproject)"));
        while (info.next())
            found << info.value(1).toString();
    } catch (const PlanTableError& error) {
        return error.message();
    }
    if (found != columnNames())
        return QStringLiteral("%1 不是悦时电脑闹钟的计划表（缺少表 myproject 或其字段）").arg(m_filePath);
    return {};
}

void PlanTable::close()
{
    if (!QSqlDatabase::contains(m_connectionName))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connectionName);
}

void PlanTable::reopen()
{
    close();
    open();
}

QSqlDatabase PlanTable::database() const
{
    return QSqlDatabase::database(m_connectionName, false);
}

QSqlQuery PlanTable::exec(const QString& sql, const QVariantList& values) const
{
    QSqlQuery query(database());
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        throw PlanTableError(QStringLiteral("计划表操作失败：%1").arg(query.lastError().text()));
    for (const QVariant& value : values)
        query.addBindValue(value);
    if (!query.exec())
        throw PlanTableError(QStringLiteral("计划表操作失败：%1").arg(query.lastError().text()));
    return query;
}

QList<PlanRecord> PlanTable::rows() const
{
    QSqlQuery query = exec(kSelectColumns + QStringLiteral(R"( ORDER BY "ID")"));
    QList<PlanRecord> result;
    while (query.next())
        result << recordFrom(query);
    return result;
}

int PlanTable::rowCount() const
{
    QSqlQuery query = exec(QStringLiteral("SELECT COUNT(*) FROM myproject"));
    return query.next() ? query.value(0).toInt() : 0;
}

std::optional<PlanRecord> PlanTable::find(qint64 id) const
{
    QSqlQuery query = exec(kSelectColumns + QStringLiteral(R"( WHERE "ID" = ?)"), {id});
    if (!query.next())
        return std::nullopt;
    return recordFrom(query);
}

QList<PlanRecord> PlanTable::rowsAtTime(const QString& timeText) const
{
    QSqlQuery query =
        exec(kSelectColumns + QStringLiteral(R"( WHERE "时间" = ? ORDER BY "ID")"), {timeText});
    QList<PlanRecord> result;
    while (query.next())
        result << recordFrom(query);
    return result;
}

QSet<QString> PlanTable::kindsPresent() const
{
    QSqlQuery query = exec(QStringLiteral(R"(SELECT DISTINCT "类型" FROM myproject)"));
    QSet<QString> kinds;
    while (query.next())
        kinds.insert(query.value(0).toString());
    return kinds;
}

qint64 PlanTable::append(const PlanRecord& record)
{
    QSqlQuery query = exec(QStringLiteral(R"(INSERT INTO myproject ("类型", "星期", "日期", "时间", "路径", "内容", "备注") VALUES (?, ?, ?, ?, ?, ?, ?))"),
                           textsOf(record));
    return query.lastInsertId().toLongLong();
}

bool PlanTable::update(const PlanRecord& record)
{
    QVariantList values = textsOf(record);
    values << record.id;
    QSqlQuery query = exec(QStringLiteral(R"(UPDATE myproject SET "类型" = ?, "星期" = ?, "日期" = ?, "时间" = ?, "路径" = ?, "内容" = ?, "备注" = ? WHERE "ID" = ?)"),
                           values);
    return query.numRowsAffected() > 0;
}

bool PlanTable::remove(qint64 id)
{
    QSqlQuery query = exec(QStringLiteral(R"(DELETE FROM myproject WHERE "ID" = ?)"), {id});
    return query.numRowsAffected() > 0;
}

int PlanTable::removeKind(const QString& kind)
{
    QSqlQuery query = exec(QStringLiteral(R"(DELETE FROM myproject WHERE "类型" = ?)"), {kind});
    return query.numRowsAffected();
}
