// The punch terminal driven through its widgets against the real server.
#include "app/UDm.h"
#include "app/Widgets.h"
#include "correction/ULiberacao.h"
#include "punch/PunchList.h"
#include "punch/UPontootica.h"
#include "reports/UOpPontoFunc.h"
#include "tests/TestSupport.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QTableView>
#include <QTimer>
#include <QToolButton>

class TestTerminal : public QObject
{
    Q_OBJECT

    TestDatabase db{"terminal"};
    int ana = 0;
    QDate today;

    struct Window
    {
        TFrmPontootica terminal;
        Window()
        {
            terminal.resize(1000, 700);
            terminal.show();
            QApplication::setActiveWindow(&terminal);
        }
        void punch(const QString& typed)
        {
            terminal.edtLocalizar->clear();
            QTest::keyClicks(terminal.edtLocalizar, typed);
            QTest::mouseClick(terminal.SpeedButton2, Qt::LeftButton);
        }
        QStringList gridColumn(int column) const
        {
            QStringList values;
            const QAbstractItemModel* model = terminal.CRDBGrid1->model();
            for (int row = 0; row < model->rowCount(); ++row)
                values << model->index(row, column).data().toString();
            return values;
        }
        bool detailVisible() const
        {
            return terminal.Label1->isVisible() && terminal.DBText1->isVisible() &&
                   terminal.DBImage1->isVisible();
        }
    };

    int punchesInDb() { return db.scalar("SELECT COUNT(*) FROM ponto").toInt(); }

private slots:
    void initTestCase()
    {
        DM = new TDM;
        DM->DataModuleCreate(db.settings());
    }
    void cleanupTestCase() { delete DM; }
    void init()
    {
        db.emptyTables();
        today = QDate::currentDate();
        ana = db.addEmployee("Ana Conceição", "A1", "S", samplePhoto("PNG", QSize(100, 120)));
    }

    void opensEmpty()
    {
        Window w;
        QVERIFY(QTest::qWaitForWindowActive(&w.terminal));
        QCOMPARE(w.terminal.CRDBGrid1->model()->rowCount(), 0);
        QVERIFY(!w.detailVisible());
        QVERIFY(w.terminal.DBText2->isHidden() && w.terminal.DBText3->isHidden());
        QCOMPARE(QApplication::focusWidget(), w.terminal.edtLocalizar);
        QCOMPARE(w.terminal.CRDBGrid1Status->text(), QString());
        QVERIFY(!(w.terminal.windowFlags() & Qt::WindowCloseButtonHint));
    }

    void passwordEditTakesFiveUpperCaseDots()
    {
        Window w;
        QTest::keyClicks(w.terminal.edtLocalizar, "abc1ef");
        QCOMPARE(w.terminal.edtLocalizar->text(), QString("ABC1E"));
        QCOMPARE(w.terminal.edtLocalizar->echoMode(), QLineEdit::Password);
        QCOMPARE(w.terminal.edtLocalizar->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter,
                                                             nullptr, w.terminal.edtLocalizar),
                 0x00B7);
    }

    void enterDoesNotPunch()
    {
        FakeMessages boxes;
        Window w;
        QTest::keyClicks(w.terminal.edtLocalizar, "a1");
        QTest::keyClick(w.terminal.edtLocalizar, Qt::Key_Return);
        QTest::keyClick(w.terminal.edtLocalizar, Qt::Key_Enter);
        QCOMPARE(punchesInDb(), 0);
        QVERIFY(boxes.boxes.isEmpty());
        QVERIFY(w.terminal.isVisible());
    }

    // What the window shows after each outcome, before any punch was recorded in it.
    void outcomes_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("editAfter");
        QTest::addColumn<int>("gridRows");
        QTest::addColumn<bool>("detail");
        QTest::newRow("blank") << ""
                               << "Senha do Funcionario em Branco !!!"
                               << "" << 0 << false;
        QTest::newRow("not found") << "ZZ"
                                   << "Senha do Funcionario não encontrada !!!"
                                   << "" << 0 << false;
        QTest::newRow("day limit")
            << "FULL"
            << "Este Funcionario já tem 04 Registros Apontados, Nesta Data !!!"
            << "" << 4 << false;
        QTest::newRow("recorded") << "a1"
                                  << ""
                                  << "" << 1 << true;
    }

    void outcomes()
    {
        QFETCH(QString, typed);
        QFETCH(QString, message);
        for (const char* hora : {"07:00:00", "11:00:00", "12:00:00", "16:00:00"})
            db.addPunch(7, "Antigo", today, hora, "FULL");
        FakeMessages boxes;
        Window w;
        QVERIFY(QTest::qWaitForWindowActive(&w.terminal));
        w.punch(typed);
        if (message.isEmpty()) {
            QVERIFY(boxes.boxes.isEmpty());
        } else {
            QCOMPARE(boxes.boxes.size(), 1);
            QCOMPARE(boxes.boxes[0].text, message);
            QCOMPARE(boxes.boxes[0].title, QString("Atenção"));
            QCOMPARE(boxes.boxes[0].icon, QMessageBox::Warning);
            QCOMPARE(boxes.boxes[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
            QCOMPARE(boxes.boxes[0].parent, &w.terminal);
            QCOMPARE(QApplication::focusWidget(), w.terminal.edtLocalizar);
        }
        QTEST(w.terminal.edtLocalizar->text(), "editAfter");
        QTEST(w.terminal.CRDBGrid1->model()->rowCount(), "gridRows");
        QTEST(w.detailVisible(), "detail");
    }

    void recordedPunchFillsTheDetailArea()
    {
        db.addPunch(ana, "Ana Conceição", today, "07:01:02", "A1");
        Window w;
        w.punch("a1");
        QVERIFY(w.detailVisible());
        QCOMPARE(w.terminal.DBText1->text(), QString("Ana Conceição"));
        QCOMPARE(w.terminal.DBText2->text(), today.toString("dd/MM/yyyy"));
        QVERIFY(QTime::fromString(w.terminal.DBText3->text(), "HH:mm:ss").isValid());
        QCOMPARE(w.terminal.DBImage1->pixmap().size(), QSize(100, 120)); // its own size
        QCOMPARE(w.gridColumn(PunchList::ColHora).first(), QString("07:01:02"));
        QCOMPARE(w.gridColumn(PunchList::ColNome), QStringList({"Ana Conceição", "Ana Conceição"}));
        // The new punch is the last row and the current one.
        QCOMPARE(w.terminal.CRDBGrid1->currentIndex().row(), 1);
        QCOMPARE(w.terminal.CRDBGrid1Status->text(), QString("2/2"));
    }

    void refusedAttemptAfterAPunchShowsThatList()
    {
        FakeMessages boxes;
        db.addEmployee("Bia", "B1");
        Window w;
        w.punch("A1");
        QVERIFY(w.detailVisible());
        w.punch("ZZ"); // nobody: the list is empty, the detail area stays but shows nothing
        QCOMPARE(w.terminal.CRDBGrid1->model()->rowCount(), 0);
        QVERIFY(w.detailVisible());
        QCOMPARE(w.terminal.DBText1->text(), QString());
        QVERIFY(w.terminal.DBImage1->pixmap().isNull());
        for (const char* hora : {"07:00:00", "08:00:00", "09:00:00", "10:00:00"})
            db.addPunch(9, "Bia", today, hora, "B1");
        w.punch("B1"); // the limit: the list of B1, its first row in the detail area
        QCOMPARE(w.terminal.CRDBGrid1->model()->rowCount(), 4);
        QCOMPARE(w.terminal.DBText1->text(), QString("Bia"));
        QCOMPARE(w.terminal.DBText3->text(), QString("07:00:00"));
    }

    void photosInEveryFormatShow_data()
    {
        QTest::addColumn<QByteArray>("photo");
        QTest::addColumn<QSize>("shown");
        QTest::newRow("bmp") << samplePhoto("BMP", QSize(90, 100)) << QSize(90, 100);
        QTest::newRow("png") << samplePhoto("PNG", QSize(90, 100)) << QSize(90, 100);
        QTest::newRow("jpeg") << samplePhoto("JPEG", QSize(90, 100)) << QSize(90, 100);
        QTest::newRow("no photo") << QByteArray() << QSize(0, 0);
        QTest::newRow("zero bytes") << QByteArray("") << QSize(0, 0);
        QTest::newRow("not a picture") << QByteArray(5000, 'x') << QSize(0, 0);
    }

    void photosInEveryFormatShow()
    {
        QFETCH(QByteArray, photo);
        db.addEmployee("Foto", "F1", "S", photo);
        Window w;
        w.punch("F1");
        QVERIFY(w.detailVisible());
        QCOMPARE(db.scalar("SELECT COUNT(*) FROM ponto WHERE senha = 'F1'").toInt(), 1);
        QTEST(w.terminal.DBImage1->pixmap().size(), "shown");
    }

    void ctrlDeleteDeletesNothing()
    {
        FakeMessages boxes;
        Window w;
        w.punch("A1");
        w.terminal.CRDBGrid1->setFocus();
        QTest::keyClick(w.terminal.CRDBGrid1, Qt::Key_Delete, Qt::ControlModifier);
        QTest::keyClick(w.terminal.CRDBGrid1, Qt::Key_Delete);
        QCOMPARE(w.terminal.CRDBGrid1->model()->rowCount(), 1);
        QCOMPARE(punchesInDb(), 1);
        QVERIFY(boxes.boxes.isEmpty());
        QCOMPARE(w.terminal.CRDBGrid1->editTriggers(), QAbstractItemView::NoEditTriggers);
    }

    void tabWalksTheCells()
    {
        Window w;
        w.punch("A1");
        w.terminal.CRDBGrid1->setFocus();
        w.terminal.CRDBGrid1->setCurrentIndex(w.terminal.CRDBGrid1->model()->index(0, 0));
        QTest::keyClick(w.terminal.CRDBGrid1, Qt::Key_Tab);
        QCOMPARE(w.terminal.CRDBGrid1->currentIndex().column(), 1);
        QCOMPARE(QApplication::focusWidget(), w.terminal.CRDBGrid1);
    }

    void titleClicksSortInMemory()
    {
        for (const char* hora : {"09:00:00", "07:00:00", "08:00:00"})
            db.addPunch(ana, "Ana", today, hora, "A1");
        Window w;
        w.punch("A1");
        const QStringList stored = w.gridColumn(PunchList::ColHora);
        QHeaderView* header = w.terminal.CRDBGrid1->horizontalHeader();
        const auto click = [&](int column, Qt::KeyboardModifiers modifiers = {}) {
            QTest::mouseClick(header->viewport(), Qt::LeftButton, modifiers,
                              QPoint(header->sectionViewportPosition(column) + 5, 5));
        };
        click(PunchList::ColHora);
        QStringList ascending = stored;
        ascending.sort();
        QCOMPARE(w.gridColumn(PunchList::ColHora), ascending);
        click(PunchList::ColHora);
        QStringList descending = ascending;
        std::reverse(descending.begin(), descending.end());
        QCOMPARE(w.gridColumn(PunchList::ColHora), descending);
        click(PunchList::ColHora, Qt::ControlModifier); // taken out: the order as read
        QCOMPARE(w.gridColumn(PunchList::ColHora), stored);
        // The detail area still follows the current punch.
        QCOMPARE(w.terminal.DBText3->text(),
                 w.gridColumn(PunchList::ColHora)[w.terminal.CRDBGrid1->currentIndex().row()]);
    }

    void rereadingPicksUpOtherWorkstations()
    {
        FakeMessages boxes;
        Window w;
        w.terminal.refreshTimer->setInterval(50);
        w.punch("A1");
        const QString mine = w.terminal.DBText3->text();
        db.addPunch(ana, "Ana", today, "06:00:00", "A1");
        QTRY_COMPARE(w.terminal.CRDBGrid1->model()->rowCount(), 2);
        QCOMPARE(w.terminal.DBText3->text(), mine); // the current punch found again by its key
        // Rows come in the order the server reads them: the earlier stored punch first.
        QCOMPARE(w.terminal.CRDBGrid1Status->text(), QString("1/2"));
        db.sql("DELETE FROM ponto WHERE hora = '06:00:00'");
        QTRY_COMPARE(w.terminal.CRDBGrid1->model()->rowCount(), 1);
        QVERIFY(boxes.boxes.isEmpty());
    }

    void rereadingGoesOnBehindAChildWindow()
    {
        Window w;
        w.terminal.refreshTimer->setInterval(50);
        w.punch("A1");
        bool sawRefresh = false;
        whenModalOpens<TFrmLiberacao>(this, [&](TFrmLiberacao*) {
            db.addPunch(ana, "Ana", today, "06:00:00", "A1");
            QTRY_COMPARE(w.terminal.CRDBGrid1->model()->rowCount(), 2);
            sawRefresh = true;
        });
        QTest::mouseClick(w.terminal.TSpeedButton, Qt::LeftButton);
        QVERIFY(sawRefresh);
    }

    void failedRereadingIsReportedOnceAndStops()
    {
        FakeMessages boxes;
        Window w;
        w.terminal.refreshTimer->setInterval(30);
        w.punch("A1");
        db.sql("RENAME TABLE ponto TO ponto_x");
        QTRY_COMPARE(boxes.boxes.size(), 1);
        QCOMPARE(boxes.boxes[0].icon, QMessageBox::Critical);
        QVERIFY(!w.terminal.refreshTimer->isActive());
        QTest::qWait(150);
        db.sql("RENAME TABLE ponto_x TO ponto");
        QCOMPARE(boxes.boxes.size(), 1);
    }

    void reportsWindowIsKeptWhileOpen()
    {
        Window w;
        TOpPontoFunc* seen = nullptr;
        whenModalOpens<TOpPontoFunc>(this, [&](TOpPontoFunc* options) {
            seen = options;
            QCOMPARE(OpPontoFunc, options);
        });
        QTest::mouseClick(w.terminal.TSpeedButton11, Qt::LeftButton);
        QVERIFY(seen);
        QCOMPARE(OpPontoFunc, nullptr);
    }

    void xClosesAndClosesTheList()
    {
        Window w;
        w.punch("A1");
        QTest::mouseClick(w.terminal.Panel5, Qt::LeftButton);
        QVERIFY(!w.terminal.isVisible());
        QVERIFY(!w.terminal.MyPonto->isOpen());
        QVERIFY(!w.terminal.refreshTimer->isActive());
    }
};

PONTO_TEST_MAIN(TestTerminal)
#include "tst_terminal.moc"
