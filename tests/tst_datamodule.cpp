// Start-up: Admin.ini, the connection, the shared tables and what a failure leaves open.
#include "app/UDm.h"
#include "tests/TestSupport.h"

#include <QFile>
#include <QSqlQuery>

class TestDataModule : public QObject
{
    Q_OBJECT

    TestDatabase db{"datamodule"};

    static int closedPort() { return 1; } // nothing listens on tcpmux

private slots:
    void init()
    {
        db.emptyTables();
        QFile::remove(TDM::profilePath());
    }
    void cleanupTestCase() { QFile::remove(TDM::profilePath()); }

    void startsFromAdminIniBesideTheExecutable()
    {
        db.sql("INSERT INTO configuracao (Nome) VALUES ('Padaria São João')");
        QFile ini(TDM::profilePath());
        QVERIFY(ini.open(QIODevice::WriteOnly));
        // Port in hexadecimal, server with blanks, names in other cases.
        ini.write(QStringLiteral("[local]\r\nporta=0x%1\r\nSERVIDOR=  127.0.0.1  \r\nBanco=%2\r\n")
                      .arg(TestDatabase::port(), 0, 16)
                      .arg(db.name())
                      .toUtf8());
        ini.close();
        FakeMessages boxes;
        TDM dm(nullptr, "startup");
        dm.DataModuleCreate();
        QVERIFY2(boxes.boxes.isEmpty(), boxes.boxes.value(0).text.toUtf8());
        QVERIFY(dm.tbFilialOpen() && dm.tbConfiguracaoOpen() && dm.tbsetupIOpen());
        QCOMPARE(dm.tbConfiguracaoNome(), QString("Padaria São João"));
        QCOMPARE(dm.serverName(), QString("127.0.0.1"));
    }

    void firstRowOfConfiguracaoGivesTheName()
    {
        db.sql("INSERT INTO configuracao (Nome) VALUES ('Primeira'), ('Segunda')");
        FakeMessages boxes;
        TDM dm(nullptr, "rows");
        dm.DataModuleCreate(db.settings());
        QCOMPARE(dm.tbConfiguracaoNome(), QString("Primeira"));
        QVERIFY(boxes.boxes.isEmpty());
    }

    void emptyConfiguracaoIsNoError()
    {
        FakeMessages boxes;
        TDM dm(nullptr, "empty");
        dm.DataModuleCreate(db.settings());
        QVERIFY(boxes.boxes.isEmpty());
        QVERIFY(dm.tbConfiguracaoOpen());
        QCOMPARE(dm.tbConfiguracaoNome(), QString());
    }

    void noServerReportsOnceAndGoesOn()
    {
        FakeMessages boxes;
        TDM dm(nullptr, "noserver");
        dm.DataModuleCreate({closedPort(), "127.0.0.1", db.name()});
        QCOMPARE(boxes.boxes.size(), 1);
        QCOMPARE(boxes.boxes[0].icon, QMessageBox::Critical);
        QCOMPARE(boxes.boxes[0].title, QString("Ponto"));
        QVERIFY(!dm.tbFilialOpen() && !dm.tbConfiguracaoOpen() && !dm.tbsetupIOpen());
        QCOMPARE(dm.tbConfiguracaoNome(), QString());
    }

    // Which shared tables stay closed after a failure at one step of the start.
    void failureLeavesLaterTablesClosed_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<bool>("filial");
        QTest::addColumn<bool>("configuracao");
        QTest::addColumn<bool>("setup");
        QTest::addColumn<QString>("textHas");
        QTest::newRow("no database named") << "" << false << false << false << "";
        QTest::newRow("filial missing")
            << "RENAME TABLE filial TO filial_x" << false << false << false << "filial";
        QTest::newRow("configuracao without Controle")
            << "ALTER TABLE configuracao DROP COLUMN Controle" << true << false << false
            << "Controle";
        QTest::newRow("configuracao Controle of another kind")
            << "ALTER TABLE configuracao MODIFY Controle VARCHAR(10)" << true << false << false
            << "Controle";
        QTest::newRow("setup_i apelido missing")
            << "ALTER TABLE setup_i DROP COLUMN apelido" << true << true << false << "apelido";
        QTest::newRow("filial Obs as blob")
            << "ALTER TABLE filial MODIFY Obs BLOB" << false << false << false << "Obs";
    }

    void failureLeavesLaterTablesClosed()
    {
        QFETCH(QString, damage);
        TestDatabase broken("datamodule_broken");
        ConnectionSettings settings = broken.settings();
        if (damage.isEmpty())
            settings.database.clear();
        else
            broken.sql(damage);
        broken.sql("INSERT INTO configuracao (Nome) VALUES ('X')");
        FakeMessages boxes;
        TDM dm(nullptr, "broken");
        dm.DataModuleCreate(settings);
        QCOMPARE(boxes.boxes.size(), 1);
        QTEST(dm.tbFilialOpen(), "filial");
        QTEST(dm.tbConfiguracaoOpen(), "configuracao");
        QTEST(dm.tbsetupIOpen(), "setup");
        QFETCH(QString, textHas);
        QVERIFY2(boxes.boxes[0].text.contains(textHas), qPrintable(boxes.boxes[0].text));
        if (!dm.tbConfiguracaoOpen())
            QCOMPARE(dm.tbConfiguracaoNome(), QString());
    }

    void tableNamesInAnyCaseReachTheSameTable()
    {
        TDM dm(nullptr, "case");
        dm.DataModuleCreate(db.settings());
        db.sql("INSERT INTO ponto (data, senha) VALUES ('2026-01-02', 'A')");
        SqlResult upper = dm.exec("SELECT COUNT(*) FROM Ponto");
        QVERIFY(upper.next());
        QCOMPARE(upper.value(0).toInt(), 1);
        SqlResult lower = dm.exec("SELECT COUNT(*) FROM ponto");
        QVERIFY(lower.next());
        QCOMPARE(lower.value(0).toInt(), 1);
    }

    void serverKeepsTheRowTimestamp()
    {
        db.sql("INSERT INTO ponto (data, hora) VALUES ('2026-01-02', '08:00:00')");
        const QDateTime inserted = db.scalar("SELECT dataprocessamento FROM ponto").toDateTime();
        QVERIFY(inserted.isValid());
        db.sql("UPDATE ponto SET dataprocessamento = dataprocessamento - INTERVAL 1 HOUR");
        db.sql("UPDATE ponto SET hora = '08:01:00'");
        QVERIFY(db.scalar("SELECT dataprocessamento FROM ponto").toDateTime() >
                inserted.addSecs(-1800));
    }

    void placeholdersMustMatchTheValues()
    {
        TDM dm(nullptr, "placeholders");
        dm.DataModuleCreate(db.settings());
        QVERIFY_THROWS_EXCEPTION(
            std::logic_error,
            dm.exec("SELECT * FROM ponto WHERE senha = :Senha", {{"senha", "A"}}));
        QVERIFY_THROWS_EXCEPTION(std::logic_error,
                                 dm.exec("SELECT * FROM ponto WHERE senha = :Senha", {}));
        QCOMPARE(sqlPlaceholders("SELECT ':x', \"%H:%i\" FROM t WHERE a=:A and b = :b_2"),
                 QStringList({"A", "b_2"}));
    }

    void valuesTravelWithTheirKinds()
    {
        TDM dm(nullptr, "kinds");
        dm.DataModuleCreate(db.settings());
        dm.exec(
            "INSERT INTO ponto (data, hora, foto, senha, c) VALUES (:d, :h, :f, :s, :c)",
            {{"d", QDate()}, {"h", QString()}, {"f", QByteArray("")}, {"s", "Ação"}, {"c", 1.5}});
        SqlResult row = dm.exec("SELECT data IS NULL, hora IS NULL, foto IS NULL, LENGTH(foto), "
                                "senha, c, dataprocessamento, data, hora FROM ponto");
        QVERIFY(row.next());
        QCOMPARE(row.value(0).toInt(), 1); // an invalid date is NULL, never 0000-00-00
        QCOMPARE(row.value(1).toInt(), 1);
        QCOMPARE(row.value(2).toInt(), 0); // zero bytes are not NULL
        QCOMPARE(row.value(3).toInt(), 0);
        QCOMPARE(row.value(4).toString(), QString("Ação"));
        QCOMPARE(row.value(5).toDouble(), 1.5);
        QVERIFY(row.value(6).toDateTime().isValid());
        QVERIFY(!row.value(7).toDate().isValid());
        QVERIFY(row.value(8).toString().isNull());
        // TIME past a day and negative comes back as its text.
        SqlResult times = dm.exec("SELECT TIME('25:30:00'), TIME('-01:15:00'), TIME('08:00:40')");
        QVERIFY(times.next());
        QCOMPARE(times.value(0).toString(), QString("25:30:00"));
        QCOMPARE(times.value(1).toString(), QString("-01:15:00"));
        QCOMPARE(times.value(2).toString(), QString("08:00:40"));
    }

    void lostLinkFailsOnceThenReconnects()
    {
        TDM dm(nullptr, "lostlink");
        dm.DataModuleCreate(db.settings());
        SqlResult id = dm.exec("SELECT CONNECTION_ID()");
        QVERIFY(id.next());
        const qlonglong connectionId = id.value(0).toLongLong();
        db.sql(QStringLiteral("KILL CONNECTION %1").arg(connectionId));
        QVERIFY_THROWS_EXCEPTION(AppError, dm.exec("SELECT CONNECTION_ID()"));
        SqlResult again = dm.exec("SELECT CONNECTION_ID()");
        QVERIFY(again.next());
        QVERIFY(again.value(0).toLongLong() != connectionId);
    }

    void closedConnectionOpensOnDemand()
    {
        TDM dm(nullptr, "ondemand");
        dm.DataModuleCreate(db.settings());
        dm.closeConnection();
        QVERIFY(!dm.isConnected());
        QVERIFY(dm.exec("SELECT 1").next());
        QVERIFY(dm.isConnected());
    }
};

PONTO_TEST_MAIN(TestDataModule)
#include "tst_datamodule.moc"
