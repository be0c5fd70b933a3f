// The day sheet build for one employee with a year of punches (365 dates x 4), against the
// floor of the statements it cannot avoid, and with 10,000 and 1,000,000 rows in ponto.
#include "app/UDm.h"
#include "bench/BenchSupport.h"
#include "tests/TestSupport.h"
#include "timesheet/DaySheetBuilder.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>

namespace {

const QDate First(2025, 1, 1);
constexpr int Rounds = 21;

void fillOthers(TestDatabase& db, int rows)
{
    db.sql("DELETE FROM ponto WHERE codigofuncionario <> 1");
    db.sql(QStringLiteral("INSERT INTO ponto (codigofuncionario, nomefuncionario, data, hora, c, "
                          "senha) SELECT 2 + seq % 300, 'Outro', DATE '2024-01-01' + INTERVAL "
                          "(seq % 730) DAY, SEC_TO_TIME(28800 + seq % 36000), 1, 'Z' "
                          "FROM seq_1_to_%1")
               .arg(rows));
    db.sql("ANALYZE TABLE ponto");
}

// Truncate, one SELECT of the punches, one INSERT of 365 rows, one SUM: nothing else.
double floorMs(TDM& dm, const QVector<DaySheetRow>& rows)
{
    QString insert = QStringLiteral("INSERT INTO pontocontadortemp (codigofuncionario, "
                                    "nomefuncionario, data, hora, hora01, hora02, hora03, "
                                    "totalhoras, c) VALUES ");
    SqlParams params;
    for (int i = 0; i < rows.size(); ++i) {
        const DaySheetRow& r = rows[i];
        const QString n = QString::number(i);
        insert += (i ? "," : "") +
                  QStringLiteral("(:k%1,:n%1,:d%1,:a%1,:b%1,:e%1,:f%1,:t%1,:c%1)").arg(n);
        params << qMakePair("k" + n, QVariant(r.codigofuncionario))
               << qMakePair("n" + n, QVariant(r.nomefuncionario))
               << qMakePair("d" + n, QVariant(r.data)) << qMakePair("a" + n, QVariant(r.hora))
               << qMakePair("b" + n, QVariant(r.hora01)) << qMakePair("e" + n, QVariant(r.hora02))
               << qMakePair("f" + n, QVariant(r.hora03))
               << qMakePair("t" + n, QVariant(r.totalhoras)) << qMakePair("c" + n, QVariant(r.c));
    }
    const QString select = DaySheetBuilder::punchQuery(DaySheetVariant::Report);
    return medianMs(Rounds, [&] {
        dm.execText("TRUNCATE TABLE pontocontadortemp");
        dm.exec(select, {{"DataI", First}, {"Dataf", First.addDays(364)}, {"Mnome", 1.0}});
        dm.exec(insert, params);
        dm.exec("SELECT SUM(TIME_TO_SEC(totalhoras)) FROM pontocontadortemp WHERE "
                "codigofuncionario = :Mnome",
                {{"Mnome", 1.0}});
    });
}

double buildMs(TDM& dm)
{
    return medianMs(Rounds, [&] {
        DaySheetBuilder(dm).build(1, "Ana", First, First.addDays(364), DaySheetVariant::Report);
    });
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    setUpTestApplication();
    TestDatabase db("bench_daysheet");
    db.sql("INSERT INTO ponto (codigofuncionario, nomefuncionario, data, hora, c, senha) "
           "SELECT 1, 'Ana', DATE '2025-01-01' + INTERVAL (seq DIV 4) DAY, "
           "ELT(seq % 4 + 1, '08:00:00', '12:00:00', '13:00:00', '17:30:00'), 1, 'A1' "
           "FROM seq_0_to_1459");
    TDM dm(nullptr, "bench");
    dm.DataModuleCreate(db.settings());

    fillOthers(db, 10000);
    const DaySheet sheet =
        DaySheetBuilder(dm).build(1, "Ana", First, First.addDays(364), DaySheetVariant::Report);
    std::printf("day sheet of 365 dates x 4 punches (median of %d), total %s\n", Rounds,
                qPrintable(sheet.periodTotal));
    const double floor = floorMs(dm, sheet.rows);
    const double small = buildMs(dm);
    std::printf("  floor (truncate, select, insert, sum)  %7.2f ms\n", floor);
    std::printf("  build, 10,000 rows in ponto             %7.2f ms  ratio to floor: %.2f (goal "
                "<= 1.5)\n",
                small, small / floor);
    fillOthers(db, 1000000);
    const double large = buildMs(dm);
    std::printf("  build, 1,000,000 rows in ponto          %7.2f ms  ratio to 10,000: %.2f (goal "
                "<= 1.2)\n",
                large, large / small);
    return 0;
}
