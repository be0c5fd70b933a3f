// One workstation for the concurrency tests: a process with its own connection.
//   ponto-workstation DATABASE punch PREFIX PASSWORDS ROUNDS
//       punches every password PREFIXnn (nn < PASSWORDS) ROUNDS times; prints recorded/other
//   ponto-workstation DATABASE build CODE FIRST LAST ROUNDS
//       builds the day sheet ROUNDS times; prints "rows total" of each build, and "mixed" when
//       a build read back a row of another employee
#include "app/UDm.h"
#include "punch/PunchList.h"
#include "punch/PunchRecorder.h"
#include "tests/TestSupport.h"
#include "timesheet/DaySheetBuilder.h"

#include <cstdio>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < (args.value(2) == "punch" ? 6 : 7))
        return 2;
    TDM dm(nullptr);
    dm.DataModuleCreate({TestDatabase::port(), "127.0.0.1", args[1]});
    try {
        if (args[2] == "punch") {
            PunchList list(dm);
            EmployeeLookup lookup(dm);
            int recorded = 0, other = 0;
            for (int round = 0; round < args[5].toInt(); ++round)
                for (int i = 0; i < args[4].toInt(); ++i) {
                    const QString password =
                        args[3] + QStringLiteral("%1").arg(i, 2, 10, QChar('0'));
                    (RecordPunch(list, lookup, password) == prRecorded ? recorded : other)++;
                }
            std::printf("%d %d\n", recorded, other);
        } else {
            const int code = args[3].toInt();
            const QDate first = QDate::fromString(args[4], Qt::ISODate);
            const QDate last = QDate::fromString(args[5], Qt::ISODate);
            for (int round = 0; round < args[6].toInt(); ++round) {
                const DaySheet sheet =
                    DaySheetBuilder(dm).build(code, "x", first, last, DaySheetVariant::Report);
                bool mixed = false;
                for (const DaySheetRow& row : sheet.rows)
                    mixed = mixed || row.codigofuncionario != code;
                std::printf("%lld %s%s\n", static_cast<long long>(sheet.rows.size()),
                            qPrintable(sheet.periodTotal), mixed ? " mixed" : "");
            }
        }
    } catch (const AppError& error) {
        std::printf("error %s\n", qPrintable(error.text()));
        return 1;
    }
    return 0;
}
