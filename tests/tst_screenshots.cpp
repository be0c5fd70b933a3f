// Writes PNG pictures of the windows into build/screenshots, for a person to look at.
#include "app/UDm.h"
#include "app/UPrincipal.h"
#include "punch/PunchList.h"
#include "punch/UPontootica.h"
#include "tests/TestSupport.h"

#include <QDir>
#include <QLineEdit>
#include <QToolButton>

class TestScreenshots : public QObject
{
    Q_OBJECT

    TestDatabase db{"screenshots"};
    QDir out{QStringLiteral(PONTO_BINARY_DIR "/screenshots")};

    void save(QWidget* widget, const QString& name)
    {
        const QPixmap picture = widget->grab();
        QVERIFY(!picture.isNull());
        QVERIFY(picture.save(out.filePath(name + ".png")));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(out.mkpath("."));
        db.sql("INSERT INTO configuracao (Nome) VALUES ('Padaria e Confeitaria São José')");
        const int code = db.addEmployee("Ana Beatriz Conceição", "1001", "S", samplePhoto("PNG"));
        db.addPunch(code, "Ana Beatriz Conceição", QDate::currentDate(), "07:58:12", "1001");
        DM = new TDM;
        DM->DataModuleCreate(db.settings());
    }
    void cleanupTestCase() { delete DM; }

    void mainWindow()
    {
        TFrmPrincipal window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        save(&window, "main-window");
    }

    void terminalAfterAPunch()
    {
        TFrmPontootica terminal;
        terminal.resize(1024, 700);
        terminal.show();
        QVERIFY(QTest::qWaitForWindowExposed(&terminal));
        QTest::keyClicks(terminal.edtLocalizar, "1001");
        QTest::mouseClick(terminal.SpeedButton2, Qt::LeftButton);
        QCOMPARE(terminal.MyPonto->count(), 2);
        save(&terminal, "punch-terminal");
    }
};

PONTO_TEST_MAIN(TestScreenshots)
#include "tst_screenshots.moc"
