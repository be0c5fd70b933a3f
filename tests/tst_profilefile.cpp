// Admin.ini is read like a Windows profile file.
#include "app/ProfileFile.h"
#include "app/UDm.h"
#include "tests/TestSupport.h"

#include <QTemporaryDir>

class TestProfileFile : public QObject
{
    Q_OBJECT

private slots:
    void settings_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<int>("port");
        QTest::addColumn<QString>("server");
        QTest::addColumn<QString>("database");

        QTest::newRow("plain") << QByteArray("[LOCAL]\nPORTA=3307\nSERVIDOR=db1\nBANCO=ponto\n")
                               << 3307 << "db1"
                               << "ponto";
        QTest::newRow("empty file") << QByteArray() << 0 << ""
                                    << "";
        QTest::newRow("no section") << QByteArray("PORTA=3307\nSERVIDOR=db1\n") << 0 << ""
                                    << "";
        QTest::newRow("other section") << QByteArray("[REMOTO]\nSERVIDOR=db1\n") << 0 << ""
                                       << "";
        QTest::newRow("names in other case")
            << QByteArray("[local]\nporta=10\nservidor=db1\nBanco=x\n") << 10 << "db1"
            << "x";
        QTest::newRow("blanks around")
            << QByteArray("[ LOCAL ]\n  SERVIDOR  =   db1   \n") << 0 << "db1"
            << "";
        QTest::newRow("quotes dropped once")
            << QByteArray("[LOCAL]\nSERVIDOR=\"db1\"\nBANCO=\"\"x\"\"\n") << 0 << "db1"
            << "\"x\"";
        QTest::newRow("single quotes") << QByteArray("[LOCAL]\nSERVIDOR='db 1'\n") << 0 << "db 1"
                                       << "";
        QTest::newRow("unbalanced quote kept")
            << QByteArray("[LOCAL]\nSERVIDOR=\"db1\n") << 0 << "\"db1"
            << "";
        QTest::newRow("hex 0x") << QByteArray("[LOCAL]\nPORTA=0x0CEA\n") << 3306 << ""
                                << "";
        QTest::newRow("hex 0X") << QByteArray("[LOCAL]\nPORTA=0X0cea\n") << 3306 << ""
                                << "";
        QTest::newRow("hex dollar") << QByteArray("[LOCAL]\nPORTA=$CEA\n") << 3306 << ""
                                    << "";
        QTest::newRow("word") << QByteArray("[LOCAL]\nPORTA=porta\n") << 0 << ""
                              << "";
        QTest::newRow("empty port") << QByteArray("[LOCAL]\nPORTA=\n") << 0 << ""
                                    << "";
        QTest::newRow("digits then word") << QByteArray("[LOCAL]\nPORTA=33o6\n") << 0 << ""
                                          << "";
        QTest::newRow("too big") << QByteArray("[LOCAL]\nPORTA=99999999999\n") << 0 << ""
                                 << "";
        QTest::newRow("negative") << QByteArray("[LOCAL]\nPORTA=-5\n") << -5 << ""
                                  << "";
        QTest::newRow("CRLF lines")
            << QByteArray("[LOCAL]\r\nSERVIDOR=db1\r\nPORTA=1\r\n") << 1 << "db1"
            << "";
        QTest::newRow("no trailing newline") << QByteArray("[LOCAL]\nSERVIDOR=db1") << 0 << "db1"
                                             << "";
        QTest::newRow("duplicate key: first wins")
            << QByteArray("[LOCAL]\nSERVIDOR=a\nSERVIDOR=b\n") << 0 << "a"
            << "";
        QTest::newRow("duplicate section: first wins")
            << QByteArray("[LOCAL]\nSERVIDOR=a\n[LOCAL]\nSERVIDOR=b\nBANCO=c\n") << 0 << "a"
            << "";
        QTest::newRow("key after other section")
            << QByteArray("[LOCAL]\nPORTA=1\n[X]\nSERVIDOR=b\n") << 1 << ""
            << "";
        QTest::newRow("comment line")
            << QByteArray("[LOCAL]\n;SERVIDOR=a\nSERVIDOR=b\n") << 0 << "b"
            << "";
        QTest::newRow("value with equals") << QByteArray("[LOCAL]\nBANCO=a=b\n") << 0 << ""
                                           << "a=b";
        QTest::newRow("latin-1 bytes") << QByteArray("[LOCAL]\nBANCO=ger\xeancia\n") << 0 << ""
                                       << QString::fromUtf8("gerência");
        QTest::newRow("utf-8 bytes") << QByteArray("[LOCAL]\nBANCO=ger\xc3\xaancia\n") << 0 << ""
                                     << QString::fromUtf8("gerência");
        QTest::newRow("binary") << QByteArray("\x00\xff\xfe[LOCAL\x00]\n\x01=\x02\n", 13) << 0 << ""
                                << "";
    }

    void settings()
    {
        QFETCH(QByteArray, contents);
        const ConnectionSettings s = ConnectionSettings::fromProfile(ProfileFile(contents));
        QTEST(s.port, "port");
        QTEST(s.server, "server");
        QTEST(s.database, "database");
    }

    void longValueIsCut()
    {
        const QByteArray value(3000, 'a');
        const ProfileFile profile("[LOCAL]\nSERVIDOR=" + value + "\n");
        QCOMPARE(profile.readString("LOCAL", "SERVIDOR").size(), ProfileFile::MaxValueLength);
    }

    void hugeFileWithTheSectionFirst()
    {
        QByteArray contents("[LOCAL]\nBANCO=x\n");
        contents += QByteArray(8 * 1024 * 1024, 'z');
        QCOMPARE(ProfileFile(contents).readString("LOCAL", "BANCO"), QString("x"));
    }

    void missingFileReadsAsEmpty()
    {
        QTemporaryDir dir;
        const ProfileFile profile = ProfileFile::load(dir.filePath("Admin.ini"));
        QCOMPARE(profile.readInteger("LOCAL", "PORTA", 0), 0);
        QCOMPARE(profile.readString("LOCAL", "SERVIDOR"), QString());
    }

    void fileIsFoundBesideTheExecutableOnly()
    {
        QCOMPARE(TDM::profilePath(),
                 QDir(QCoreApplication::applicationDirPath()).filePath("Admin.ini"));
    }
};

PONTO_TEST_MAIN(TestProfileFile)
#include "tst_profilefile.moc"
