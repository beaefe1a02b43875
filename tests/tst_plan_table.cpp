#include "plan_table.h"
#include "test_support.h"

#include <QCryptographicHash>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <atomic>

using namespace PlanTexts;

namespace {

QByteArray fileHash(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
}

void runSql(const QString& path, const QString& sql)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fixture"));
        db.setDatabaseName(path);
        db.open();
        QSqlQuery(db).exec(sql);
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("fixture"));
}

} // namespace

class TestPlanTable : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_path;

private slots:
    void init()
    {
        m_path = m_dir.filePath(QStringLiteral("data.tdb"));
        QFile::remove(m_path);
        createPlanTableFile(m_path);
    }

    void appendFindUpdateRemove()
    {
        PlanTable table(m_path);
        const PlanRecord weekly = makeRecord(kReminder, kWeekly, QStringLiteral("8:00:00"),
                                             kNone, QStringLiteral("一"), QStringLiteral("/音乐/a.mp3"),
                                             QString(500, QChar(0x95F9)));
        const qint64 first = table.append(weekly);
        const qint64 second = table.append(weekly);
        QVERIFY(first > 0);
        QVERIFY(second != first); // equal rows are both kept, each with its own ID

        PlanRecord stored = *table.find(first);
        PlanRecord expected = weekly;
        expected.id = first;
        QCOMPARE(stored, expected); // long texts are kept whole

        stored.period = kDaily;
        stored.weekday = kNone;
        QVERIFY(table.update(stored));
        QCOMPARE(*table.find(first), stored);

        QVERIFY(table.remove(first));
        QVERIFY(!table.find(first));
        QVERIFY(!table.remove(first));
        QVERIFY(!table.update(stored));
        QCOMPARE(table.rowCount(), 1);
    }

    void rowsComeInAppendOrder()
    {
        PlanTable table(m_path);
        table.append(makeRecord(kLaunch, kDaily, QStringLiteral("9:00:00")));
        table.append(makeRecord(kReminder, kOnce, QStringLiteral("8:00:00"), QStringLiteral("2026-12-14")));
        table.append(makeRecord(kShutdown, kDaily, QStringLiteral("8:00:00")));
        table.append(makeRecord(kReminder, kDaily, QStringLiteral("8:00:00")));

        QStringList kinds;
        for (const PlanRecord& row : table.rows())
            kinds << row.kind;
        QCOMPARE(kinds, (QStringList{kLaunch, kReminder, kShutdown, kReminder}));

        const QList<PlanRecord> due = table.rowsAtTime(QStringLiteral("8:00:00"));
        QCOMPARE(due.size(), 3);
        QVERIFY(due[0].id < due[1].id && due[1].id < due[2].id);
        QVERIFY(table.rowsAtTime(QStringLiteral("08:00:00")).isEmpty());
        QCOMPARE(table.kindsPresent(), (QSet<QString>{kLaunch, kReminder, kShutdown}));
    }

    void theOtherProgramsWritesAreSeen()
    {
        PlanTable agent(m_path);
        PlanTable config(m_path);
        const qint64 id = config.append(makeRecord(kCountdown, kNone, QStringLiteral("8:00:00")));
        QCOMPARE(agent.rowCount(), 1);
        agent.reopen();
        QVERIFY(agent.remove(id));
        QCOMPARE(config.rowCount(), 0);
    }

    void twoConnectionsWriteAtOnce()
    {
        constexpr int kRowsEach = 150;
        std::atomic<int> failures = 0;
        auto writer = [&](const QString& kind) {
            return QThread::create([&, kind] {
                try {
                    PlanTable table(m_path);
                    for (int i = 0; i < kRowsEach; ++i) {
                        table.append(makeRecord(kind, kDaily, QStringLiteral("8:00:%1").arg(i % 60, 2, 10, QLatin1Char('0'))));
                        if (i % 10 == 0)
                            table.rows(); // readers interleave with the other writer
                    }
                } catch (const PlanTableError&) {
                    ++failures;
                }
            });
        };
        std::unique_ptr<QThread> a(writer(kReminder));
        std::unique_ptr<QThread> b(writer(kLaunch));
        a->start();
        b->start();
        QVERIFY(a->wait(60000));
        QVERIFY(b->wait(60000));
        QCOMPARE(failures.load(), 0);

        PlanTable table(m_path);
        const QList<PlanRecord> rows = table.rows();
        QCOMPARE(rows.size(), 2 * kRowsEach);
        QSet<qint64> ids;
        for (const PlanRecord& row : rows)
            ids.insert(row.id);
        QCOMPARE(ids.size(), 2 * kRowsEach);
    }

    void brokenFilesAreRefusedUntouched_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::newRow("not SQLite") << "garbage";
        QTest::newRow("empty file") << "empty";
        QTest::newRow("no table myproject") << "other table";
        QTest::newRow("a column missing") << "seven columns";
        QTest::newRow("columns in another order") << "swapped";
    }

    void brokenFilesAreRefusedUntouched()
    {
        QFETCH(QString, damage);
        QFile::remove(m_path);
        if (damage == QLatin1String("garbage")) {
            writeBytes(m_path, QByteArray("this is not a database, just text\n").repeated(200));
        } else if (damage == QLatin1String("empty")) {
            writeBytes(m_path, QByteArray());
        } else if (damage == QLatin1String("other table")) {
            runSql(m_path, QStringLiteral("CREATE TABLE plans (ID INTEGER PRIMARY KEY)"));
        } else if (damage == QLatin1String("seven columns")) {
            runSql(m_path, QStringLiteral(R"(CREATE TABLE myproject ("ID" INTEGER PRIMARY KEY, "类型", "星期", "日期", "时间", "路径", "内容"))"));
        } else {
            runSql(m_path, QStringLiteral(R"(CREATE TABLE myproject ("ID" INTEGER PRIMARY KEY, "星期", "类型", "日期", "时间", "路径", "内容", "备注"))"));
        }
        const QByteArray before = fileHash(m_path);
        QVERIFY_THROWS_EXCEPTION(PlanTableError, PlanTable table(m_path));
        QCOMPARE(fileHash(m_path), before);
    }

    void missingFileIsRefusedAndNotCreated()
    {
        const QString missing = m_dir.filePath(QStringLiteral("missing/data.tdb"));
        QVERIFY_THROWS_EXCEPTION(PlanTableError, PlanTable table(missing));
        QFile::remove(m_path);
        QVERIFY_THROWS_EXCEPTION(PlanTableError, PlanTable table(m_path));
        QVERIFY(!QFile::exists(m_path));
    }

    void fileRemovedWhileOpenIsReportedOnReopen()
    {
        PlanTable table(m_path);
        QFile::remove(m_path);
        QVERIFY_THROWS_EXCEPTION(PlanTableError, table.reopen());
        QVERIFY(!QFile::exists(m_path));
    }
};

QTEST_GUILESS_MAIN(TestPlanTable)
#include "tst_plan_table.moc"
