// Preparing the report's pages is linear in the rows: 365 and 3,650 day-sheet rows, and the
// time to write the 365-row report as PDF.
#include "bench/BenchSupport.h"
#include "reports/ReportLayout.h"
#include "reports/ReportPainter.h"
#include "tests/TestSupport.h"

#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

ReportInput input(int rows)
{
    ReportInput in{"Padaria São José", "Nome do Funcionario => Ana", "Relatorio de Ponto", {}, {},
                   "2920:00:00"};
    in.printed = QDate(2026, 12, 11);
    for (int i = 0; i < rows; ++i) {
        DaySheetRow row;
        row.data = QDate(2016, 1, 1).addDays(i);
        row.hora = "08:00:00";
        row.hora01 = "12:00:00";
        row.hora02 = "13:00:00";
        row.hora03 = "17:00:00";
        row.totalhoras = "08:00:00";
        row.c = 4;
        in.rows << row;
    }
    return in;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    setUpTestApplication();
    const ReportInput small = input(365), large = input(3650);
    const double smallMs = medianMs(31, [&] { ReportLayout::prepare(small); });
    const double largeMs = medianMs(31, [&] { ReportLayout::prepare(large); });
    QTemporaryDir dir;
    const QVector<ReportPage> pages = ReportLayout::prepare(small);
    const double pdfMs =
        medianMs(5, [&] { ReportPainter::writePdf(dir.filePath("r.pdf"), pages); });
    std::printf("report pages (median of 31)\n");
    std::printf("  prepare 365 rows    %8.3f ms (%lld pages)\n", smallMs,
                static_cast<long long>(pages.size()));
    std::printf("  prepare 3,650 rows  %8.3f ms  ratio: %.2f (goal <= 11)\n", largeMs,
                largeMs / smallMs);
    std::printf("  write 365-row report as PDF %8.1f ms (median of 5)\n", pdfMs);
    return 0;
}
