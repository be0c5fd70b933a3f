// The day sheet builder against the real server: slots, day totals, period total and the
// work table shared by workstations.
#include "app/UDm.h"
#include "tests/TestSupport.h"
#include "timesheet/DaySheetBuilder.h"

#include <QElapsedTimer>

#include <atomic>
#include <thread>

Q_DECLARE_METATYPE(DaySheetVariant)

namespace {

const QDate D1(2026, 3, 2), D2(2026, 3, 3), D3(2026, 3, 4);

// "2026-03-02 08:00:00" one punch a line; "2026-03-02 -" a punch without time.
QStringList punches(const QDate& date, std::initializer_list<const char*> times)
{
    QStringList list;
    for (const char* time : times)
        list << date.toString(Qt::ISODate) + u' ' + QLatin1String(time);
    return list;
}

// One expected row: "date hora hora01 hora02 hora03 total c", "-" for an empty slot.
QString row(const QDate& date, const char* slotTexts, const char* total, int c)
{
    return QStringLiteral("%1 %2 %3 %4")
        .arg(date.toString(Qt::ISODate), QLatin1String(slotTexts), QLatin1String(total))
        .arg(c);
}

QString describe(const DaySheetRow& r)
{
    const auto slot = [](const QString& s) { return s.isNull() ? QStringLiteral("-") : s; };
    return QStringLiteral("%1 %2 %3 %4 %5 %6 %7")
        .arg(r.data.toString(Qt::ISODate), slot(r.hora), slot(r.hora01), slot(r.hora02),
             slot(r.hora03), r.totalhoras)
        .arg(r.c);
}

} // namespace

class TestDaySheet : public QObject
{
    Q_OBJECT

    TestDatabase db{"daysheet"};
    TDM* dm = nullptr;
    int ana = 0, bia = 0;

    void addPunches(int code, const QStringList& lines)
    {
        for (const QString& line : lines) {
            const QStringList parts = line.split(u' ');
            db.addPunch(code, "x", QDate::fromString(parts[0], Qt::ISODate),
                        parts[1] == u"-" ? QString() : parts[1]);
        }
    }

private slots:
    void initTestCase()
    {
        dm = new TDM(nullptr, "daysheet");
        dm->DataModuleCreate(db.settings());
    }
    void cleanupTestCase() { delete dm; }
    void init()
    {
        db.emptyTables();
        ana = db.addEmployee("Ana", "A1");
        bia = db.addEmployee("Bia", "B1");
    }

    void build_data()
    {
        QTest::addColumn<QStringList>("punchList");
        QTest::addColumn<DaySheetVariant>("variant");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("total");
        const auto C = DaySheetVariant::Correction;
        const auto R = DaySheetVariant::Report;

        QTest::newRow("one punch")
            << punches(D1, {"08:00:00"}) << C
            << QStringList{row(D1, "08:00:00 - - -", "00:00:00", 1)} << "00:00:00";
        QTest::newRow("two") << punches(D1, {"08:00:00", "12:00:00"}) << C
                             << QStringList{row(D1, "08:00:00 12:00:00 - -", "04:00:00", 2)}
                             << "04:00:00";
        QTest::newRow("three: the first pair only")
            << punches(D1, {"08:00:00", "12:00:00", "13:00:00"}) << C
            << QStringList{row(D1, "08:00:00 12:00:00 13:00:00 -", "04:00:00", 3)} << "04:00:00";
        QTest::newRow("four") << punches(D1, {"13:00:00", "08:00:00", "17:30:00", "12:00:00"}) << C
                              << QStringList{row(D1, "08:00:00 12:00:00 13:00:00 17:30:00",
                                                 "08:30:00", 4)}
                              << "08:30:00";
        QTest::newRow("seconds lost per pair")
            << punches(D1, {"08:00:40", "12:00:10", "13:00:00", "17:00:50"}) << C
            << QStringList{row(D1, "08:00:40 12:00:10 13:00:00 17:00:50", "07:59:00", 4)}
            << "07:59:00";
        QTest::newRow("same time twice")
            << punches(D1, {"08:00:00", "08:00:00"}) << C
            << QStringList{row(D1, "08:00:00 08:00:00 - -", "00:00:00", 2)} << "00:00:00";
        QTest::newRow("punch without time comes first as midnight")
            << punches(D1, {"12:00:00", "-"}) << C
            << QStringList{row(D1, "00:00:00 12:00:00 - -", "12:00:00", 2)} << "12:00:00";
        QTest::newRow("midnight in slot two counts as absent")
            << punches(D1, {"00:00:00", "00:00:00", "00:00:00", "08:00:00"}) << C
            << QStringList{row(D1, "00:00:00 00:00:00 00:00:00 08:00:00", "08:00:00", 4)}
            << "08:00:00";
        QTest::newRow("night shift over two dates")
            << punches(D1, {"22:00:00"}) + punches(D2, {"06:00:00"}) << C
            << QStringList{row(D1, "22:00:00 - - -", "00:00:00", 1),
                           row(D2, "06:00:00 - - -", "00:00:00", 1)}
            << "00:00:00";

        const QStringList six =
            punches(D1, {"08:00:00", "12:00:00", "13:00:00", "17:00:00"}) +
            punches(D2, {"08:00:00", "12:00:00", "13:00:00", "17:00:00", "18:00:00", "19:00:00"}) +
            punches(D3, {"09:00:00", "10:00:00"});
        const QStringList sixRows = {row(D1, "08:00:00 12:00:00 13:00:00 17:00:00", "08:00:00", 4),
                                     row(D2, "08:00:00 12:00:00 13:00:00 17:00:00", "08:00:00", 4),
                                     row(D3, "09:00:00 10:00:00 - -", "01:00:00", 2)};
        QTest::newRow("six on one date, correction") << six << C << sixRows << "17:00:00";
        // The report goes on to the end of the period too: no date is lost after a fifth punch.
        QTest::newRow("six on one date, report") << six << R << sixRows << "17:00:00";

        QTest::newRow("period total 20:29:00")
            << punches(D1, {"08:00:00", "12:00:00", "13:00:00", "17:30:00"}) +
                   punches(D2, {"08:00:40", "12:00:10", "13:00:00", "17:00:50"}) +
                   punches(D3, {"08:00:00", "12:00:00"})
            << R
            << QStringList{row(D1, "08:00:00 12:00:00 13:00:00 17:30:00", "08:30:00", 4),
                           row(D2, "08:00:40 12:00:10 13:00:00 17:00:50", "07:59:00", 4),
                           row(D3, "08:00:00 12:00:00 - -", "04:00:00", 2)}
            << "20:29:00";

        for (const auto& [days, total] : {std::pair{22, "176:00:00"}, {250, "2000:00:00"}}) {
            QStringList list, rows;
            for (int i = 0; i < days; ++i) {
                const QDate day = D1.addDays(i);
                list += punches(day, {"08:00:00", "12:00:00", "13:00:00", "17:00:00"});
                rows << row(day, "08:00:00 12:00:00 13:00:00 17:00:00", "08:00:00", 4);
            }
            QTest::newRow(qPrintable(QStringLiteral("%1 days of eight hours").arg(days)))
                << list << R << rows << total;
        }
    }

    void build()
    {
        QFETCH(QStringList, punchList);
        QFETCH(DaySheetVariant, variant);
        QFETCH(QStringList, rows);
        addPunches(ana, punchList);
        addPunches(bia, punches(D1, {"07:00:00", "19:00:00"})); // never in Ana's sheet

        DaySheetBuilder builder(*dm);
        const DaySheet sheet = builder.build(ana, "Ana Souza", D1, D1.addYears(1), variant);
        QVERIFY(sheet.hadPunches);
        QCOMPARE(sheet.punches.size(), punchList.size());
        QStringList got;
        for (const DaySheetRow& r : sheet.rows) {
            got << describe(r);
            QCOMPARE(r.codigofuncionario, double(ana));
            QCOMPARE(r.nomefuncionario, QString("Ana Souza"));
        }
        QCOMPARE(got, rows);
        QTEST(sheet.periodTotal, "total");
        // The table holds exactly what was read back.
        QCOMPARE(db.scalar("SELECT COUNT(*) FROM pontocontadortemp").toInt(), rows.size());
    }

    void periodBounds_data()
    {
        QTest::addColumn<QDate>("first");
        QTest::addColumn<QDate>("last");
        QTest::addColumn<int>("rows");
        QTest::newRow("inclusive at both ends") << D1 << D3 << 3;
        QTest::newRow("one date") << D2 << D2 << 1;
        QTest::newRow("first after last") << D3 << D1 << 0;
        QTest::newRow("no punches in it") << D3.addDays(1) << D3.addDays(30) << 0;
    }

    void periodBounds()
    {
        addPunches(ana, punches(D1, {"08:00:00"}) + punches(D2, {"08:00:00"}) +
                            punches(D3, {"08:00:00"}));
        db.sql("INSERT INTO pontocontadortemp (codigofuncionario, data) VALUES (99, '2020-01-01')");
        QFETCH(QDate, first);
        QFETCH(QDate, last);
        QFETCH(int, rows);
        const DaySheet sheet =
            DaySheetBuilder(*dm).build(ana, "Ana", first, last, DaySheetVariant::Correction);
        QCOMPARE(sheet.hadPunches, rows > 0);
        QCOMPARE(sheet.rows.size(), rows);
        // Emptied whole first, whether or not the period has punches.
        QCOMPARE(db.scalar("SELECT COUNT(*) FROM pontocontadortemp").toInt(), rows);
        if (rows == 0)
            QCOMPARE(sheet.periodTotal, QString());
    }

    void correctionListsSameTimesByKey()
    {
        const int first = db.addPunch(ana, "Ana", D1, "08:00:00");
        const int second = db.addPunch(ana, "Ana", D1, "08:00:00");
        db.addPunch(ana, "Ana", D1, "07:00:00");
        const DaySheet sheet =
            DaySheetBuilder(*dm).build(ana, "Ana", D1, D1, DaySheetVariant::Correction);
        QCOMPARE(sheet.punches.size(), 3);
        QCOMPARE(sheet.punches[1].id, first);
        QCOMPARE(sheet.punches[2].id, second);
    }

    void lockHeldElsewhereEmptiesNothing()
    {
        addPunches(ana, punches(D1, {"08:00:00"}));
        db.sql("INSERT INTO pontocontadortemp (codigofuncionario, data) VALUES (99, '2020-01-01')");
        QCOMPARE(db.scalar("SELECT GET_LOCK(:n, 0)", {{"n", DaySheetBuilder::LockName}}).toInt(),
                 1);
        QElapsedTimer waited;
        waited.start();
        QVERIFY_THROWS_EXCEPTION(
            AppError, DaySheetBuilder(*dm).build(ana, "Ana", D1, D1, DaySheetVariant::Report));
        QVERIFY(waited.elapsed() >= DaySheetBuilder::LockTimeoutSeconds * 1000 - 100);
        QCOMPARE(db.scalar("SELECT COUNT(*) FROM pontocontadortemp").toInt(), 1);
        db.scalar("SELECT RELEASE_LOCK(:n)", {{"n", DaySheetBuilder::LockName}});
        QVERIFY(DaySheetBuilder(*dm).build(ana, "Ana", D1, D1, DaySheetVariant::Report).hadPunches);
    }

    void failedBuildReleasesTheLock()
    {
        addPunches(ana, punches(D1, {"08:00:00"}));
        db.sql("RENAME TABLE pontocontadortemp TO pontocontadortemp_x");
        QVERIFY_THROWS_EXCEPTION(
            AppError, DaySheetBuilder(*dm).build(ana, "Ana", D1, D1, DaySheetVariant::Report));
        db.sql("RENAME TABLE pontocontadortemp_x TO pontocontadortemp");
        QCOMPARE(db.scalar("SELECT IS_FREE_LOCK(:n)", {{"n", DaySheetBuilder::LockName}}).toInt(),
                 1);
    }

    // Two workstations building at the same time: each reads back its own rows only.
    void concurrentBuildsDoNotMix()
    {
        for (int i = 0; i < 20; ++i) {
            addPunches(ana, punches(D1.addDays(i), {"08:00:00", "12:00:00"}));
            addPunches(bia, punches(D1.addDays(i), {"09:00:00", "10:00:00", "11:00:00"}));
        }
        std::atomic<int> faults = 0;
        const ConnectionSettings settings = db.settings();
        const auto workstation = [&](int code, int expectedRows, const QString& total) {
            TDM own(nullptr, QStringLiteral("ws%1").arg(code));
            own.DataModuleCreate(settings);
            for (int round = 0; round < 15; ++round) {
                const DaySheet sheet = DaySheetBuilder(own).build(code, "x", D1, D1.addDays(30),
                                                                  DaySheetVariant::Report);
                bool ok = sheet.rows.size() == expectedRows && sheet.periodTotal == total;
                for (const DaySheetRow& r : sheet.rows)
                    ok = ok && r.codigofuncionario == code;
                if (!ok)
                    ++faults;
            }
        };
        std::thread first(workstation, ana, 20, QStringLiteral("80:00:00"));
        std::thread second(workstation, bia, 20, QStringLiteral("20:00:00"));
        first.join();
        second.join();
        QCOMPARE(faults.load(), 0);
    }
};

PONTO_TEST_MAIN(TestDaySheet)
#include "tst_daysheet.moc"
