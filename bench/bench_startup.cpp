// Start-up time: from process start to the data module open on the private server, beside
// the time of a bare connection. The figure is taken in a child process started afresh,
// which does what the program's main() does before its first window.
#include "app/Application.h"
#include "app/UDm.h"
#include "bench/BenchSupport.h"
#include "tests/TestSupport.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <unistd.h>

namespace {

// Milliseconds since this process was started, from /proc (the benchmark runs on Linux).
double msSinceProcessStart()
{
    QFile stat("/proc/self/stat");
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray text = stat.readAll();
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    const double startTicks = fields.value(19).toDouble(); // field 22 of the whole line
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6 - startTicks * 1e3 / sysconf(_SC_CLK_TCK);
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 3 && qstrcmp(argv[1], "--child") == 0) {
        TApplication app(argc, argv);
        TDM dm(nullptr);
        dm.DataModuleCreate({TestDatabase::port(), "127.0.0.1", QString::fromLatin1(argv[2])});
        if (!dm.tbsetupIOpen())
            return 1;
        std::printf("%.3f\n", msSinceProcessStart());
        return 0;
    }

    QApplication app(argc, argv);
    setUpTestApplication();
    TestDatabase db("bench_startup");
    db.sql("INSERT INTO configuracao (Nome) VALUES ('Empresa')");

    QList<double> bare, startup;
    for (int i = 0; i < 15; ++i) {
        QElapsedTimer timer;
        timer.start();
        {
            QSqlDatabase raw = QSqlDatabase::addDatabase("QMYSQL", "bare");
            raw.setHostName("127.0.0.1");
            raw.setPort(TestDatabase::port());
            raw.setUserName(TDM::UserName);
            raw.setPassword(TDM::Password);
            raw.setDatabaseName(db.name());
            if (!raw.open())
                qFatal("bare connection failed");
        }
        QSqlDatabase::removeDatabase("bare");
        bare << timer.nsecsElapsed() / 1e6;

        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {"--child", db.name()});
        if (!child.waitForFinished(30000) || child.exitCode() != 0)
            qFatal("child start-up failed");
        startup << child.readAllStandardOutput().trimmed().toDouble();
    }
    std::printf("start-up (median of 15)\n");
    std::printf("  process start to data module open  %7.2f ms\n", median(startup));
    std::printf("  bare connection                    %7.2f ms\n", median(bare));
    return 0;
}
