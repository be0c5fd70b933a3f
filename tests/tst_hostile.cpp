// Hostile and odd input: passwords, Admin.ini files, photos and empty tables.
#include "app/EmployeeList.h"
#include "app/ProfileFile.h"
#include "app/UDm.h"
#include "correction/UAlteracaoPonto.h"
#include "punch/PunchList.h"
#include "punch/PunchRecorder.h"
#include "punch/UPontootica.h"
#include "reports/ReportPreview.h"
#include "reports/UOpPontoFunc.h"
#include "tests/TestSupport.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTableView>
#include <QToolButton>

class TestHostile : public QObject
{
    Q_OBJECT

    TestDatabase db{"hostile"};

private slots:
    void initTestCase()
    {
        DM = new TDM;
        DM->DataModuleCreate(db.settings());
    }
    void cleanupTestCase()
    {
        delete DM;
        QFile::remove(TDM::profilePath());
    }
    void init() { db.emptyTables(); }

    void passwords_data()
    {
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("decoy"); // would match if the text reached the statement
        QTest::newRow("quote") << "O'R"
                               << "O";
        QTest::newRow("quote or") << "'OR'"
                                  << "X";
        QTest::newRow("backslash quote") << "\\'"
                                         << "'";
        QTest::newRow("trailing backslash") << "A\\"
                                            << "A";
        QTest::newRow("double quote") << "\"A\""
                                      << "A";
        QTest::newRow("percent") << "%"
                                 << "ABC";
        QTest::newRow("underscore") << "_"
                                    << "Z";
        QTest::newRow("comment") << "A;--"
                                 << "A";
        // The column's collation folds case and accents: "CAOE" would be the same password.
        QTest::newRow("multi-byte") << "ÇÃOÉ"
                                    << "ÇÃO";
        QTest::newRow("emoji") << "A\U0001F600"
                               << "A";
        QTest::newRow("control") << "A\x01"
                                    "B"
                                 << "AB";
        QTest::newRow("nul") << QString::fromUtf16(u"A\u0000B", 3) << "A";
    }

    void passwords()
    {
        QFETCH(QString, password);
        QFETCH(QString, decoy);
        db.addEmployee("Certo", password);
        db.addEmployee("Isca", decoy);
        PunchList list(*DM);
        EmployeeLookup lookup(*DM);
        QCOMPARE(RecordPunch(list, lookup, password), prRecorded);
        QCOMPARE(db.scalar("SELECT COUNT(*) FROM ponto").toInt(), 1);
        QCOMPARE(db.scalar("SELECT senha FROM ponto").toString(), password);
        QCOMPARE(db.scalar("SELECT nomefuncionario FROM ponto").toString(), QString("Certo"));
        QCOMPARE(list.count(), 1);
        QCOMPARE(db.scalar("SELECT COUNT(*) FROM funcionario").toInt(), 2); // nothing else ran
    }

    void accentsFoldLikeCase()
    {
        db.addEmployee("Acentuado", "ÇÃOÉ");
        db.addEmployee("Sem acento", "CAOE");
        PunchList list(*DM);
        EmployeeLookup lookup(*DM);
        // Two employees share the password for the server: nobody is punched.
        QCOMPARE(RecordPunch(list, lookup, "caoe"), prNotFound);
        QCOMPARE(db.scalar("SELECT COUNT(*) FROM ponto").toInt(), 0);
    }

    void adminIni_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<int>("port");
        QTest::addColumn<QString>("server");
        QTest::newRow("empty") << QByteArray() << 0 << "";
        QTest::newRow("binary") << QByteArray::fromHex("00ff5b4c4f43414c5d0a504f5254413d31300a00fe")
                                << 0 << "";
        QTest::newRow("huge") << QByteArray("[LOCAL]\nSERVIDOR=h1\n") + QByteArray(20 << 20, 'x')
                              << 0 << "h1";
        QTest::newRow("duplicates")
            << QByteArray("[LOCAL]\nPORTA=1\nPORTA=2\n[LOCAL]\nPORTA=3\n") << 1 << "";
        QTest::newRow("no trailing newline") << QByteArray("[LOCAL]\nSERVIDOR=h2") << 0 << "h2";
        QTest::newRow("3000 characters")
            << QByteArray("[LOCAL]\nSERVIDOR=") + QByteArray(3000, 's') + "\n"
            << 0 << QString(2047, 's');
    }

    // The start reads the file beside the executable, keeps the defaults or the first match,
    // reports the failed connection once and goes on.
    void adminIni()
    {
        QFETCH(QByteArray, contents);
        QFile ini(TDM::profilePath());
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write(contents);
        ini.close();
        TDM dm(nullptr, "ini");
        const ConnectionSettings settings =
            ConnectionSettings::fromProfile(ProfileFile::load(TDM::profilePath()));
        QTEST(settings.port, "port");
        QTEST(settings.server, "server");
        if (settings.server.isEmpty() && settings.port == 0)
            return; // would reach port 3306 of this machine, which may hold anything
        FakeMessages boxes;
        dm.DataModuleCreate(); // the names are no hosts here: one report, no crash
        QCOMPARE(boxes.boxes.size(), 1);
        QVERIFY(!dm.tbFilialOpen());
    }

    void photos_data()
    {
        QTest::addColumn<QByteArray>("photo");
        QTest::addColumn<bool>("shown");
        QByteArray garbage(10 << 20, Qt::Uninitialized);
        QRandomGenerator random(7);
        random.fillRange(reinterpret_cast<quint32*>(garbage.data()), garbage.size() / 4);
        QByteArray big;
        {
            QBuffer buffer(&big);
            buffer.open(QIODevice::WriteOnly);
            QImage image(1850, 1850, QImage::Format_RGB888);
            image.fill(Qt::darkCyan);
            image.save(&buffer, "BMP");
        }
        QTest::newRow("zero bytes") << QByteArray("") << false;
        QTest::newRow("10 MB of noise") << garbage << false;
        QTest::newRow("10 MB picture") << big << true;
        QTest::newRow("truncated png") << samplePhoto("PNG").left(100) << false;
    }

    void photos()
    {
        QFETCH(QByteArray, photo);
        QVERIFY(photo.size() < 12 << 20);
        db.addEmployee("Foto", "F1", "S", photo);
        FakeMessages boxes;
        TFrmPontootica terminal;
        terminal.show();
        QTest::keyClicks(terminal.edtLocalizar, "F1");
        QTest::mouseClick(terminal.SpeedButton2, Qt::LeftButton);
        QVERIFY(boxes.boxes.isEmpty());
        QCOMPARE(db.scalar("SELECT LENGTH(foto) FROM ponto").toInt(), photo.size());
        QTEST(!terminal.DBImage1->pixmap().isNull(), "shown");
    }

    void emptyFuncionario()
    {
        FakeMessages boxes;
        {
            TOpPontoFunc options;
            options.show();
            QTest::mouseClick(options.BitBtn1, Qt::LeftButton);
            QVERIFY(!options.isVisible());
        }
        {
            TFrmAlteracaoPonto correction;
            correction.show();
            QTest::mouseClick(correction.TSpeedButton, Qt::LeftButton);
            QCOMPARE(correction.CRDBGrid1->model()->rowCount(), 0);
        }
        {
            TFrmPontootica terminal;
            terminal.show();
            QTest::keyClicks(terminal.edtLocalizar, "A1");
            QTest::mouseClick(terminal.SpeedButton2, Qt::LeftButton);
        }
        QCOMPARE(boxes.boxes.size(), 1); // the terminal's "not found", nothing else
        QCOMPARE(boxes.boxes[0].text, QString("Senha do Funcionario não encontrada !!!"));
        QCOMPARE(db.scalar("SELECT COUNT(*) FROM ponto").toInt(), 0);
    }
};

PONTO_TEST_MAIN(TestHostile)
#include "tst_hostile.moc"
