// Server faults: a server of the test's own (scripts/dbserver.sh in a temporary folder), so it
// can be missing at start, restarted under an open window, or stopped in the middle of a build.
#include "app/UDm.h"
#include "app/UPrincipal.h"
#include "punch/PunchList.h"
#include "punch/UPontootica.h"
#include "reports/ReportPreview.h"
#include "reports/UOpPontoFunc.h"
#include "tests/TestSupport.h"

#include <QDateEdit>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSqlError>
#include <QSqlQuery>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>

#include <memory>

namespace {

class PrivateServer
{
public:
    PrivateServer()
    {
        QTcpServer probe; // a free port: taken, then given back to the server
        probe.listen(QHostAddress::LocalHost);
        m_port = probe.serverPort();
    }
    ~PrivateServer() { run({"stop", m_dir.path()}); }

    int port() const { return m_port; }
    ConnectionSettings settings() const { return {m_port, "127.0.0.1", "ponto"}; }
    bool start() { return run({"start", m_dir.path(), QString::number(m_port), "ponto"}); }
    bool stop() { return run({"stop", m_dir.path()}); }
    // Stops the server from another process after a delay, while this one is blocked; wait
    // for the returned process before starting the server again.
    std::unique_ptr<QProcess> stopLater(int ms)
    {
        auto process = std::make_unique<QProcess>();
        process->start("bash", {"-c", QStringLiteral("sleep %1; '%2' stop '%3'")
                                          .arg(ms / 1000.0)
                                          .arg(script(), m_dir.path())});
        return process;
    }

    // Statements as the server's own root (on its socket), on a connection of the test's own.
    QVariant sql(const QString& statement)
    {
        QVariant value;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QMYSQL", "faults_admin");
            db.setUserName("root");
            db.setConnectOptions("UNIX_SOCKET=" + m_dir.filePath("sock"));
            db.setDatabaseName("ponto");
            if (!db.open())
                qFatal("admin: %s", qPrintable(db.lastError().text()));
            QSqlQuery q(db);
            if (!q.exec(statement))
                qFatal("%s: %s", qPrintable(statement), qPrintable(q.lastError().text()));
            if (q.next())
                value = q.value(0);
        }
        QSqlDatabase::removeDatabase("faults_admin");
        return value;
    }

private:
    static QString script() { return QStringLiteral(PONTO_SOURCE_DIR "/scripts/dbserver.sh"); }
    bool run(const QStringList& args)
    {
        QProcess process;
        process.start("bash", QStringList{script()} + args);
        return process.waitForFinished(120000) && process.exitCode() == 0;
    }

    QTemporaryDir m_dir;
    int m_port = 0;
};

} // namespace

class TestServerFaults : public QObject
{
    Q_OBJECT

    PrivateServer server;

    void punch(TFrmPontootica& terminal, const QString& password)
    {
        terminal.edtLocalizar->clear();
        QTest::keyClicks(terminal.edtLocalizar, password);
        QTest::mouseClick(terminal.SpeedButton2, Qt::LeftButton);
    }

    // The private server running with no punches, and the data module connected to it.
    void startWithoutPunches()
    {
        QVERIFY(server.start());
        server.sql("DELETE FROM ponto");
        DM = new TDM;
        DM->DataModuleCreate(server.settings());
    }

private slots:
    void cleanup() { delete DM; } // the module clears DM itself

    void noServerAtStartThenTheFirstPunchConnects()
    {
        FakeMessages boxes;
        DM = new TDM;
        DM->DataModuleCreate(server.settings()); // nothing listens yet
        QCOMPARE(boxes.boxes.size(), 1);
        QCOMPARE(boxes.boxes[0].icon, QMessageBox::Critical);
        TFrmPrincipal window;
        QCOMPARE(window.windowTitle(),
                 QString("EMPRESA :  - VERSÃO 18-03-2020 / 17:30 - 127.0.0.1"));

        QVERIFY(server.start());
        server.sql(
            "INSERT INTO funcionario (NomeFuncionario, senha, Ativo) VALUES ('Ana', 'A1', 'S')");
        TFrmPontootica terminal;
        terminal.show();
        punch(terminal, "A1");
        QCOMPARE(boxes.boxes.size(), 1);
        QCOMPARE(terminal.MyPonto->count(), 1);
        QCOMPARE(server.sql("SELECT COUNT(*) FROM ponto").toInt(), 1);
    }

    void restartUnderAnOpenTerminal()
    {
        FakeMessages boxes;
        startWithoutPunches();
        TFrmPontootica terminal;
        terminal.show();
        punch(terminal, "A1");
        QCOMPARE(terminal.MyPonto->count(), 1);

        QVERIFY(server.stop());
        QVERIFY(server.start());
        punch(terminal, "A1"); // meets the lost link: reported, nothing stored
        QCOMPARE(boxes.boxes.size(), 1);
        QCOMPARE(boxes.boxes[0].icon, QMessageBox::Critical);
        QCOMPARE(server.sql("SELECT COUNT(*) FROM ponto").toInt(), 1);
        punch(terminal, "A1"); // the next one opens the connection again
        QCOMPARE(boxes.boxes.size(), 1);
        QCOMPARE(server.sql("SELECT COUNT(*) FROM ponto").toInt(), 2);
        QCOMPARE(terminal.MyPonto->count(), 2);
    }

    void rereadingMeetsARestart()
    {
        FakeMessages boxes;
        startWithoutPunches();
        TFrmPontootica terminal;
        terminal.show();
        terminal.refreshTimer->setInterval(50);
        punch(terminal, "A1");
        QVERIFY(server.stop());
        QVERIFY(server.start());
        // The re-reading that meets the lost link is reported once and stops; punching goes on.
        QTRY_COMPARE(boxes.boxes.size(), 1);
        QVERIFY(!terminal.refreshTimer->isActive());
        QTest::qWait(200);
        QCOMPARE(boxes.boxes.size(), 1);
        punch(terminal, "A1");
        QCOMPARE(boxes.boxes.size(), 1);
        QCOMPARE(server.sql("SELECT COUNT(*) FROM ponto").toInt(), 2);
    }

    void serverStoppedDuringABuild()
    {
        QVERIFY(server.start());
        server.sql("DELETE FROM ponto");
        server.sql("INSERT INTO ponto (codigofuncionario, data, hora) SELECT CodigoFuncionario, "
                   "CURDATE(), '08:00:00' FROM funcionario WHERE senha = 'A1'");
        server.sql("INSERT INTO pontocontadortemp (codigofuncionario, data) VALUES (1, CURDATE())");
        FakeMessages boxes;
        DM = new TDM;
        DM->DataModuleCreate(server.settings());

        // Another connection holds ponto, so the build waits there when the server stops.
        QSqlDatabase blocker = QSqlDatabase::addDatabase("QMYSQL", "blocker");
        blocker.setHostName("127.0.0.1");
        blocker.setPort(server.port());
        blocker.setUserName(TDM::UserName);
        blocker.setPassword(TDM::Password);
        blocker.setDatabaseName("ponto");
        QVERIFY(blocker.open());
        QVERIFY(QSqlQuery(blocker).exec("LOCK TABLES ponto WRITE"));
        {
            TOpPontoFunc options;
            OpPontoFunc = &options;
            options.show();
            const auto stopping = server.stopLater(700);
            QTest::mouseClick(options.BitBtn1, Qt::LeftButton);
            QVERIFY(stopping->waitForFinished(60000));
            OpPontoFunc = nullptr;
            QVERIFY(!options.isVisible());
        }
        blocker.close();
        blocker = QSqlDatabase();
        QSqlDatabase::removeDatabase("blocker");
        QCOMPARE(boxes.boxes.size(), 1);
        QCOMPARE(boxes.boxes[0].icon, QMessageBox::Critical);
        QVERIFY(openPreviews().isEmpty());
        QVERIFY(server.start());
        // Emptied before the failure, nothing half-written after it.
        QCOMPARE(server.sql("SELECT COUNT(*) FROM pontocontadortemp").toInt(), 0);
    }

    void withoutTheRightToTruncate()
    {
        QVERIFY(server.start());
        server.sql("DELETE FROM pontocontadortemp");
        server.sql(
            "INSERT INTO pontocontadortemp (codigofuncionario, data) VALUES (7, '2020-01-01')");
        const int punches = server.sql("SELECT COUNT(*) FROM ponto").toInt();
        server.sql("REVOKE DROP ON *.* FROM 'root'@'127.0.0.1'");
        FakeMessages boxes;
        DM = new TDM;
        DM->DataModuleCreate(server.settings());
        {
            TOpPontoFunc options;
            options.show();
            options.DTI->setDate(QDate(2000, 1, 1));
            QTest::mouseClick(options.BitBtn1, Qt::LeftButton);
        }
        server.sql("GRANT DROP ON *.* TO 'root'@'127.0.0.1'");
        QCOMPARE(boxes.boxes.size(), 1);
        QVERIFY2(boxes.boxes[0].text.contains("DROP"), qPrintable(boxes.boxes[0].text));
        QVERIFY(openPreviews().isEmpty());
        QCOMPARE(server.sql("SELECT COUNT(*) FROM pontocontadortemp").toInt(), 1);
        QCOMPARE(server.sql("SELECT COUNT(*) FROM ponto").toInt(), punches);
        QCOMPARE(server.sql("SELECT IS_FREE_LOCK('ponto.pontocontadortemp')").toInt(), 1);
    }
};

PONTO_TEST_MAIN(TestServerFaults)
#include "tst_serverfaults.moc"
