#include "test_support.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

#include <stdexcept>

void createPlanTableFile(const QString& path)
{
    QFile schemaFile(QStringLiteral(YUESHI_SCHEMA_FILE));
    if (!schemaFile.open(QIODevice::ReadOnly))
        throw std::runtime_error("schema file missing");
    const QString schema = QString::fromUtf8(schemaFile.readAll());

    const QString name = QUuid::createUuid().toString();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        if (!db.open())
            throw std::runtime_error("cannot create plan table");
        for (const QString& statement : schema.split(QLatin1Char(';'))) {
            QString sql;
            for (const QString& line : statement.split(QLatin1Char('\n'))) {
                if (!line.trimmed().startsWith(QStringLiteral("--")))
                    sql += line + QLatin1Char('\n');
            }
            if (sql.trimmed().isEmpty())
                continue;
            QSqlQuery query(db);
            if (!query.exec(sql))
                throw std::runtime_error(query.lastError().text().toStdString());
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

PlanRecord makeRecord(const QString& kind, const QString& period, const QString& time,
                      const QString& date, const QString& weekday, const QString& path,
                      const QString& content)
{
    PlanRecord record;
    record.kind = kind;
    record.period = period;
    record.time = time;
    record.date = date;
    record.weekday = weekday;
    record.path = path;
    record.content = content;
    return record;
}
