// The main window: caption, "X", and "&Ponto" opening a fresh terminal.
#include "app/UDm.h"
#include "app/UPrincipal.h"
#include "app/Widgets.h"
#include "punch/PunchList.h"
#include "punch/UPontootica.h"
#include "tests/TestSupport.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QToolButton>

class TestMainWindow : public QObject
{
    Q_OBJECT

    TestDatabase db{"mainwindow"};

    // Closes the next modal terminal after the checks have looked at it.
    template <class Check> void whenTerminalOpens(Check check)
    {
        whenModalOpens<TFrmPontootica>(this, [check](TFrmPontootica* terminal) {
            check(terminal);
            QTest::mouseClick(terminal->Panel5, Qt::LeftButton);
        });
    }

private slots:
    void cleanup() { delete DM; }

    void caption_data()
    {
        QTest::addColumn<QString>("company");
        QTest::addColumn<QString>("server");
        QTest::addColumn<QString>("caption");
        QTest::newRow("both") << "ACME"
                              << "dbhost"
                              << "EMPRESA : ACME - VERSÃO 18-03-2020 / 17:30 - dbhost";
        QTest::newRow("neither") << ""
                                 << ""
                                 << "EMPRESA :  - VERSÃO 18-03-2020 / 17:30 - ";
        QTest::newRow("accents") << "Padaria São João"
                                 << "127.0.0.1"
                                 << "EMPRESA : Padaria São João - VERSÃO 18-03-2020 / 17:30 - "
                                    "127.0.0.1";
    }

    void caption()
    {
        QFETCH(QString, company);
        QFETCH(QString, server);
        QTEST(TFrmPrincipal::caption(company, server), "caption");
    }

    void captionFromTheDataModule()
    {
        db.emptyTables();
        db.sql("INSERT INTO configuracao (Nome) VALUES ('Mercado Ávila')");
        DM = new TDM;
        DM->DataModuleCreate(db.settings());
        TFrmPrincipal window;
        QCOMPARE(window.windowTitle(),
                 QString("EMPRESA : Mercado Ávila - VERSÃO 18-03-2020 / 17:30 - 127.0.0.1"));
    }

    void captionAfterAFailedStart()
    {
        FakeMessages boxes;
        DM = new TDM;
        DM->DataModuleCreate({1, "", db.name()}); // nothing listens on port 1
        QCOMPARE(boxes.boxes.size(), 1);
        TFrmPrincipal window;
        QCOMPARE(window.windowTitle(), QString("EMPRESA :  - VERSÃO 18-03-2020 / 17:30 - "));
    }

    void qtTextsAreInPortuguese()
    {
        QMessageBox box(QMessageBox::Question, "t", "x",
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        QCOMPARE(box.button(QMessageBox::Yes)->text().remove('&'), QString("Sim"));
        QCOMPARE(box.button(QMessageBox::No)->text().remove('&'), QString("Não"));
        QCOMPARE(box.button(QMessageBox::Cancel)->text().remove('&'), QString("Cancelar"));
        QCOMPARE(QLocale().toString(QDate(2026, 3, 2), QLocale::ShortFormat),
                 QString("02/03/2026"));
    }

    void frameHasNoCloseButtonAndXCloses()
    {
        DM = new TDM;
        TFrmPrincipal window;
        QVERIFY(!(window.windowFlags() & Qt::WindowCloseButtonHint));
        QVERIFY(!(window.windowFlags() & Qt::WindowSystemMenuHint));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::mouseClick(window.Panel2, Qt::LeftButton);
        QVERIFY(!window.isVisible());
    }

    void pictureStaysCentred()
    {
        DM = new TDM;
        TFrmPrincipal window;
        window.show();
        window.resize(1400, 900);
        QTRY_COMPARE(window.Image1->width(), 1400);
        QCOMPARE(window.Image1->alignment(), Qt::AlignCenter);
        QCOMPARE(window.Image1->pixmap().size(), QSize(500, 348));
    }

    void altPOpensAFreshTerminalEachTime()
    {
        db.emptyTables();
        db.addEmployee("Ana", "A1");
        DM = new TDM;
        DM->DataModuleCreate(db.settings());
        TFrmPrincipal window;
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));

        int opened = 0;
        whenTerminalOpens([&](TFrmPontootica* terminal) {
            ++opened;
            QTest::keyClicks(terminal->edtLocalizar, "a1");
            QTest::mouseClick(terminal->SpeedButton2, Qt::LeftButton);
            QCOMPARE(terminal->MyPonto->count(), 1);
        });
        QTest::keyClick(&window, Qt::Key_P, Qt::AltModifier);
        QTRY_COMPARE(opened, 1);

        whenTerminalOpens([&](TFrmPontootica* terminal) {
            ++opened;
            QVERIFY(!terminal->MyPonto->isOpen()); // nothing of the last terminal survives
            QVERIFY(!terminal->DBText1->isVisible());
        });
        QTest::mouseClick(window.TSpeedButton, Qt::LeftButton);
        QCOMPARE(opened, 2);
    }
};

PONTO_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
