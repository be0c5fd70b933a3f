// Punch latency against the private server, as a ratio to a bare round trip, and how it
// grows with the size of ponto. Prints its figures; asserts nothing.
#include "app/UDm.h"
#include "bench/BenchSupport.h"
#include "punch/PunchList.h"
#include "punch/PunchRecorder.h"
#include "tests/TestSupport.h"

#include <QElapsedTimer>
#include <QSqlQuery>

#include <algorithm>
#include <cstdio>

namespace {

// One round trip: a statement sent as text on the module's connection.
double selectOneMedian(TDM& dm, int rounds)
{
    QSqlQuery q(dm.MyConnection1());
    QList<double> times;
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer t;
        t.start();
        q.exec("SELECT 1");
        q.next();
        times << t.nsecsElapsed() / 1e3;
    }
    return median(times);
}

// Each attempt punches a password of its own, so every list holds the day's one punch.
double punchMedian(TestDatabase& db, TDM& dm, int rounds, int round)
{
    // The first punches after a bulk fill meet the server still flushing it: not timed.
    constexpr int WarmUp = 100;
    const QByteArray photo = samplePhoto("JPEG");
    QStringList passwords;
    for (int i = 0; i < WarmUp + rounds; ++i) {
        passwords << QStringLiteral("%1%2").arg(QChar('A' + round)).arg(i, 4, 10, QChar('0'));
        db.addEmployee(QStringLiteral("Funcionário %1").arg(passwords.back()), passwords.back(),
                       "S", photo);
    }
    PunchList list(dm);
    EmployeeLookup lookup(dm);
    QList<double> times;
    for (int i = 0; i < passwords.size(); ++i) {
        QElapsedTimer t;
        t.start();
        if (RecordPunch(list, lookup, passwords[i]) != prRecorded)
            qFatal("punch refused");
        if (i >= WarmUp)
            times << t.nsecsElapsed() / 1e3;
    }
    return median(times);
}

// The terminal's automatic re-reading of a list of four punches.
double refreshMedian(TestDatabase& db, TDM& dm)
{
    const QByteArray photo = samplePhoto("JPEG");
    db.sql("DELETE FROM ponto WHERE senha = 'R4'");
    for (const char* hora : {"08:00:00", "12:00:00", "13:00:00", "17:00:00"})
        db.sql("INSERT INTO ponto (codigofuncionario, nomefuncionario, foto, data, hora, c, senha) "
               "VALUES (1, 'Quatro', :foto, CURDATE(), :hora, 1, 'R4')",
               {{"foto", photo}, {"hora", hora}});
    PunchList list(dm);
    list.open(QDate::currentDate(), "R4");
    for (int i = 0; i < 100; ++i)
        list.refresh(); // warm-up, not timed
    QList<double> times;
    for (int i = 0; i < 1000; ++i) {
        QElapsedTimer t;
        t.start();
        list.refresh();
        times << t.nsecsElapsed() / 1e3;
    }
    if (list.count() != 4)
        qFatal("expected four punches");
    return median(times);
}

void fillPonto(TestDatabase& db, int rows)
{
    db.sql("DELETE FROM ponto");
    // Other dates and passwords than the ones the benchmark punches.
    db.sql(QStringLiteral("INSERT INTO ponto (codigofuncionario, nomefuncionario, data, hora, c, "
                          "senha) SELECT seq % 500, CONCAT('Outro ', seq % 500), "
                          "DATE '2020-01-01' + INTERVAL (seq % 1500) DAY, "
                          "SEC_TO_TIME(28800 + seq % 36000), 1, CONCAT('Z', seq % 500) "
                          "FROM seq_1_to_%1")
               .arg(rows));
    db.sql("ANALYZE TABLE ponto");
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    setUpTestApplication();
    TestDatabase db("bench_punch");
    TDM dm(nullptr, "bench");
    dm.DataModuleCreate(db.settings());
    const int rounds = 300;

    std::printf("punch latency (median of %d RecordPunch, photo of %lld bytes)\n", rounds,
                static_cast<long long>(samplePhoto("JPEG").size()));
    fillPonto(db, 1000);
    selectOneMedian(dm, 200); // warm up
    const double roundTrip = selectOneMedian(dm, 1000);
    const double small = punchMedian(db, dm, rounds, 0);
    std::printf("  SELECT 1 round trip           %8.1f us\n", roundTrip);
    std::printf("  RecordPunch, 1,000 rows       %8.1f us  ratio to SELECT 1: %.2f (goal <= 6)\n",
                small, small / roundTrip);

    // The private server writes its log at every commit but flushes it to disk once a
    // second; a server that flushes at every commit pays one disk flush per punch.
    db.sql("SET GLOBAL innodb_flush_log_at_trx_commit = 1");
    const double durable = punchMedian(db, dm, rounds, 2);
    std::printf("  RecordPunch, 1,000 rows, disk flush at every commit %8.1f us  ratio: %.2f\n",
                durable, durable / selectOneMedian(dm, 1000));
    db.sql("SET GLOBAL innodb_flush_log_at_trx_commit = 2");

    const double refreshSmall = refreshMedian(db, dm);

    fillPonto(db, 1000000);
    const double large = punchMedian(db, dm, rounds, 1);
    std::printf("  RecordPunch, 1,000,000 rows   %8.1f us  ratio to SELECT 1: %.2f\n", large,
                large / selectOneMedian(dm, 1000));
    std::printf("  growth 1,000,000 / 1,000 rows: %.2f (goal <= 1.2)\n", large / small);
    const double refreshLarge = refreshMedian(db, dm);
    std::printf("terminal re-reading of a list of four punches (median of 1000)\n");
    std::printf("  1,000 rows in ponto      %8.1f us\n", refreshSmall);
    std::printf("  1,000,000 rows in ponto  %8.1f us  ratio: %.2f (goal <= 1.2)\n", refreshLarge,
                refreshLarge / refreshSmall);
    return 0;
}
