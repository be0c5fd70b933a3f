// Several workstations on one database at the same time: separate processes, each with its
// own connection.
#include "tests/TestSupport.h"

#include <QProcess>

namespace {

QProcess* start(const QStringList& args, QObject* parent)
{
    auto* process = new QProcess(parent);
    process->setProgram(QCoreApplication::applicationDirPath() + "/ponto-workstation");
    process->setArguments(args);
    process->start();
    return process;
}

} // namespace

class TestWorkstations : public QObject
{
    Q_OBJECT

    TestDatabase db{"workstations"};

private slots:
    void init() { db.emptyTables(); }

    // Eight workstations, 200 punches each, all at once.
    void punchesAtTheSameTime()
    {
        for (int ws = 0; ws < 8; ++ws)
            for (int i = 0; i < 50; ++i)
                db.addEmployee(QStringLiteral("Func %1-%2").arg(ws).arg(i),
                               QStringLiteral("P%1%2").arg(ws).arg(i, 2, 10, QChar('0')));
        QList<QProcess*> processes;
        for (int ws = 0; ws < 8; ++ws)
            processes << start({db.name(), "punch", QStringLiteral("P%1").arg(ws), "50", "4"},
                               this);
        for (QProcess* process : processes) {
            QVERIFY(process->waitForFinished(120000));
            QCOMPARE(process->exitCode(), 0);
            QCOMPARE(process->readAllStandardOutput().trimmed(), QByteArray("200 0"));
        }
        QCOMPARE(db.scalar("SELECT COUNT(*) FROM ponto").toInt(), 1600);
        QCOMPARE(db.scalar("SELECT COUNT(DISTINCT id) FROM ponto").toInt(), 1600);
        // Every password four times, with its own employee's code and name.
        QCOMPARE(db.scalar("SELECT COUNT(*) FROM (SELECT senha FROM ponto GROUP BY senha "
                           "HAVING COUNT(*) = 4) AS four")
                     .toInt(),
                 400);
        QCOMPARE(db.scalar("SELECT COUNT(*) FROM ponto p JOIN funcionario f ON "
                           "f.CodigoFuncionario = p.codigofuncionario AND f.senha = p.senha AND "
                           "f.NomeFuncionario = p.nomefuncionario")
                     .toInt(),
                 1600);
    }

    // Four workstations building day sheets of different employees at once.
    void buildsAtTheSameTime()
    {
        const QDate first(2026, 3, 2);
        QList<int> codes;
        for (int ws = 0; ws < 4; ++ws) {
            const int code =
                db.addEmployee(QStringLiteral("Func %1").arg(ws), QStringLiteral("B%1").arg(ws));
            codes << code;
            // ws + 1 days of punches, each day ws + 1 hours.
            for (int day = 0; day <= ws; ++day) {
                db.addPunch(code, "x", first.addDays(day), "08:00:00");
                db.addPunch(code, "x", first.addDays(day),
                            QStringLiteral("%1:00:00").arg(9 + ws, 2, 10, QChar('0')));
            }
        }
        QList<QProcess*> processes;
        for (int ws = 0; ws < 4; ++ws)
            processes << start(
                {db.name(), "build", QString::number(codes[ws]), "2026-03-01", "2026-03-31", "25"},
                this);
        for (int ws = 0; ws < 4; ++ws) {
            QProcess* process = processes[ws];
            QVERIFY(process->waitForFinished(120000));
            QCOMPARE(process->exitCode(), 0);
            const QList<QByteArray> lines = process->readAllStandardOutput().trimmed().split('\n');
            QCOMPARE(lines.size(), 25);
            const int hours = (ws + 1) * (ws + 1);
            const QByteArray expected =
                QByteArray::number(ws + 1) + ' ' +
                QStringLiteral("%1:00:00").arg(hours, 2, 10, QChar('0')).toLatin1();
            for (const QByteArray& line : lines)
                QCOMPARE(line, expected);
        }
    }
};

PONTO_TEST_MAIN(TestWorkstations)
#include "tst_workstations.moc"
