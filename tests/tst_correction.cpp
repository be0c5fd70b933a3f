// The release dialog and the punch correction window, driven through their widgets.
#include "app/EmployeeList.h"
#include "app/EmployeeLookupEdit.h"
#include "app/UDm.h"
#include "app/Widgets.h"
#include "correction/DaySheetModel.h"
#include "correction/PunchEditModel.h"
#include "correction/UAlteracaoPonto.h"
#include "correction/ULiberacao.h"
#include "tests/TestSupport.h"

#include <QAbstractItemView>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTableView>
#include <QTimer>
#include <QToolButton>

namespace {

const QDate D1(2026, 3, 2), D2(2026, 3, 3);

} // namespace

class TestCorrection : public QObject
{
    Q_OBJECT

    TestDatabase db{"correction"};
    int ana = 0, bia = 0;

    int punches(const QString& where = "1")
    {
        return db.scalar("SELECT COUNT(*) FROM ponto WHERE " + where).toInt();
    }

    void addDay(int code, const QString& name, const QDate& date, const QStringList& times)
    {
        for (const QString& time : times)
            db.addPunch(code, name, date, time);
    }

    static void choose(EmployeeLookupEdit* edit, const QString& name)
    {
        edit->showPopup();
        const int row = edit->findText(name);
        QVERIFY(row >= 0);
        edit->view()->setCurrentIndex(edit->model()->index(row, 0));
        QTest::keyClick(edit->view(), Qt::Key_Return);
    }

    static void search(TFrmAlteracaoPonto& w, const QDate& first, const QDate& last)
    {
        w.DTI->setDate(first);
        w.DTF->setDate(last);
        QTest::mouseClick(w.TSpeedButton, Qt::LeftButton);
    }

    static QStringList column(QTableView* view, int column)
    {
        QStringList values;
        for (int row = 0; row < view->model()->rowCount(); ++row)
            values << view->model()->index(row, column).data().toString();
        return values;
    }

    // Types into a cell of the punch grid as a user does, and confirms with Enter.
    static void typeInCell(TFrmAlteracaoPonto& w, int row, int column, const QString& text,
                           bool pressEnter = true)
    {
        QApplication::setActiveWindow(&w);
        w.CRDBGrid1->setFocus();
        w.CRDBGrid1->setCurrentIndex(w.tbponto->index(row, column));
        QTest::keyClick(w.CRDBGrid1, Qt::Key_F2);
        QPointer<QLineEdit> editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY2(editor && editor->parent() == w.CRDBGrid1->viewport(), "no cell editor");
        editor->selectAll();
        QTest::keyClicks(editor, text);
        if (!pressEnter)
            return;
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_VERIFY(!editor || QApplication::focusWidget() != editor); // committed a moment later
    }

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
        bia = db.addEmployee("Bia Souza", "B1");
        ana = db.addEmployee("Ana Lima", "A1");
        db.addEmployee("Aaron Inativo", "I1", "N");
        db.addEmployee("Abel Vazio", "I2", "");
    }

    // The release dialog.

    void accessCode_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("behindTheBlank");
        QTest::addColumn<bool>("opens");
        QTest::newRow("typed at once replaces the blank") << "ADMPAINEL7319" << false << true;
        QTest::newRow("lower case") << "admpainel7319" << false << true;
        QTest::newRow("behind the blank") << "ADMPAINEL7319" << true << false;
        QTest::newRow("wrong") << "ADMPAINEL731" << false << false;
    }

    void accessCode()
    {
        QFETCH(QString, typed);
        QFETCH(bool, behindTheBlank);
        QFETCH(bool, opens);
        FakeMessages boxes;
        TFrmLiberacao dialog;
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(dialog.Edit1->text(), QString(" "));
        QCOMPARE(dialog.Edit1->selectedText(), QString(" "));
        if (behindTheBlank)
            QTest::keyClick(dialog.Edit1, Qt::Key_End);
        QTest::keyClicks(dialog.Edit1, typed);
        bool opened = false, beneath = false;
        if (opens)
            whenModalOpens<TFrmAlteracaoPonto>(this, [&](TFrmAlteracaoPonto*) {
                opened = true;
                beneath = dialog.isVisible();
            });
        QTest::mouseClick(dialog.SpeedButton1, Qt::LeftButton);
        QCOMPARE(opened, opens);
        if (opens) {
            QVERIFY(beneath); // the dialog stays under the correction window
            QVERIFY(!dialog.isVisible());
            QVERIFY(boxes.boxes.isEmpty());
        } else {
            QCOMPARE(boxes.boxes.size(), 1);
            QCOMPARE(boxes.boxes[0].text, QString("Senha Incorreta !!!"));
            QCOMPARE(boxes.boxes[0].title, QString("Liberação"));
            QCOMPARE(boxes.boxes[0].icon, QMessageBox::Warning);
            QCOMPARE(dialog.Edit1->text(), QString());
            QVERIFY(dialog.isVisible());
        }
    }

    void retryNeedsNoBlankAndCancelOpensNothing()
    {
        FakeMessages boxes;
        TFrmLiberacao dialog;
        dialog.show();
        QTest::keyClicks(dialog.Edit1, "XYZ");
        QTest::keyClick(dialog.Edit1, Qt::Key_Return); // Enter does nothing
        QVERIFY(dialog.isVisible());
        QTest::keyClick(dialog.Edit1, Qt::Key_Escape); // nor does Escape
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.Edit1->text(), QString("XYZ"));
        QTest::mouseClick(dialog.SpeedButton1, Qt::LeftButton);
        QCOMPARE(dialog.Edit1->text(), QString());
        QTest::mouseClick(dialog.SpeedButton2, Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(boxes.boxes.size(), 1);
        QCOMPARE(dialog.Edit1->echoMode(), QLineEdit::Password);
        QCOMPARE(dialog.Edit1->maxLength(), 32767);
    }

    // The correction window.

    void opensWithTodayAndNothingShown()
    {
        TFrmAlteracaoPonto w;
        w.show();
        QApplication::setActiveWindow(&w);
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QCOMPARE(w.DTI->date(), QDate::currentDate());
        QCOMPARE(w.DTF->date(), QDate::currentDate());
        QVERIFY(w.Label1->isHidden() && w.Label4->isHidden());
        QCOMPARE(w.RxLookupEdit1->currentText(), QString());
        QCOMPARE(w.CRDBGrid1->model()->rowCount(), 0);
        QCOMPARE(w.CRDBGrid2->model()->rowCount(), 0);
        QVERIFY(w.DTI->hasFocus());
        // Tab walks a date's sections first, then leaves for the next control.
        const auto tabOutOf = [](QWidget* from) {
            for (int i = 0; i < 4 && from->hasFocus(); ++i)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        };
        tabOutOf(w.DTI);
        QVERIFY(w.DTF->hasFocus());
        tabOutOf(w.DTF);
        QVERIFY(w.RxLookupEdit1->hasFocus());
        // Only active employees, by name.
        QStringList names;
        for (int i = 0; i < w.RxLookupEdit1->count(); ++i)
            names << w.RxLookupEdit1->itemText(i);
        QCOMPARE(names, QStringList({"Ana Lima", "Bia Souza"}));
        QCOMPARE(w.navEdit->toolTip(), QString("Editar Registro"));
        QCOMPARE(w.navRefresh->toolTip(), QString("Atualizar Registro"));
    }

    void searchWithNothingChosenTakesTheFirstEmployee()
    {
        addDay(ana, "Ana Lima", D1, {"08:00:00", "12:00:00", "13:00:00", "17:00:00"});
        addDay(bia, "Bia Souza", D1, {"09:00:00"});
        TFrmAlteracaoPonto w;
        w.show();
        search(w, D1, D1);
        QCOMPARE(column(w.CRDBGrid1, PunchEditModel::ColHora).size(), 4);
        QCOMPARE(column(w.CRDBGrid2, 1), QStringList({"08:00:00"}));
        QVERIFY(w.Label1->isVisible() && w.Label4->isVisible());
        QCOMPARE(w.Label4->text(), QString("08:00:00"));
        QCOMPARE(db.scalar("SELECT nomefuncionario FROM pontocontadortemp").toString(),
                 QString("Ana Lima"));
    }

    void moreThanFourPunchesAndAnotherEmployee()
    {
        addDay(ana, "Ana Lima", D1,
               {"08:00:00", "12:00:00", "13:00:00", "17:00:00", "18:00:00", "19:00:00"});
        addDay(bia, "Bia Souza", D2, {"08:00:00", "10:00:00"});
        TFrmAlteracaoPonto w;
        w.show();
        search(w, D1, D2);
        QCOMPARE(w.CRDBGrid1->model()->rowCount(), 6); // every punch
        QCOMPARE(w.CRDBGrid2->model()->rowCount(), 1); // four of them in the day sheet
        QCOMPARE(column(w.CRDBGrid2, 4), QStringList({"17:00:00"}));
        QCOMPARE(w.CRDBGrid1->currentIndex().row(), 5); // the last punch is current
        QCOMPARE(w.CRDBGrid2->model()->columnCount(), 5);

        choose(w.RxLookupEdit1, "Bia Souza");
        QCOMPARE(w.myCarro->currentName(), QString("Bia Souza"));
        search(w, D1, D2);
        QCOMPARE(w.CRDBGrid1->model()->rowCount(), 2);
        QCOMPARE(column(w.CRDBGrid2, 0), QStringList({"03/03/2026"}));
        QCOMPARE(w.Label4->text(), QString("02:00:00"));
    }

    void emptyPeriodEmptiesGridsAndKeepsTheLabels()
    {
        addDay(ana, "Ana Lima", D1, {"08:00:00", "12:00:00"});
        TFrmAlteracaoPonto w;
        w.show();
        search(w, D2, D2);
        QCOMPARE(w.CRDBGrid1->model()->rowCount(), 0);
        QVERIFY(w.Label4->isHidden());
        search(w, D1, D1);
        QCOMPARE(w.Label4->text(), QString("04:00:00"));
        search(w, D2.addDays(5), D2); // reversed: nothing
        QCOMPARE(w.CRDBGrid1->model()->rowCount(), 0);
        QCOMPARE(w.CRDBGrid2->model()->rowCount(), 0);
        QVERIFY(w.Label4->isVisible());
        QCOMPARE(w.Label4->text(), QString("04:00:00"));
    }

    void editedTimeIsStoredAndTheSheetWaits()
    {
        addDay(ana, "Ana Lima", D1, {"08:00:00", "12:00:00"});
        TFrmAlteracaoPonto w;
        w.show();
        search(w, D1, D1);
        const QDateTime before =
            db.scalar("SELECT dataprocessamento FROM ponto WHERE hora = '08:00:00'").toDateTime();
        typeInCell(w, 0, PunchEditModel::ColHora, "07:30");
        QCOMPARE(w.tbponto->state(), PunchEditModel::Edit);
        QCOMPARE(punches("hora = '07:30:00'"), 0); // not yet: posted when the row is left
        QTest::keyClick(w.CRDBGrid1, Qt::Key_Down);
        QCOMPARE(w.tbponto->state(), PunchEditModel::Browse);
        QCOMPARE(punches("hora = '07:30:00' AND data = '2026-03-02'"), 1);
        QCOMPARE(punches("codigofuncionario = " + QString::number(ana)), 2); // nothing else moved
        QVERIFY(
            db.scalar("SELECT dataprocessamento FROM ponto WHERE hora = '07:30:00'").toDateTime() >=
            before);
        // The day sheet and the total wait for the next search.
        QCOMPARE(column(w.CRDBGrid2, 1), QStringList({"08:00:00"}));
        QCOMPARE(w.Label4->text(), QString("04:00:00"));
        search(w, D1, D1);
        QCOMPARE(w.Label4->text(), QString("04:30:00"));
    }

    void postButtonSavesTheDate()
    {
        addDay(ana, "Ana Lima", D1, {"08:00:00"});
        TFrmAlteracaoPonto w;
        w.show();
        search(w, D1, D1);
        typeInCell(w, 0, PunchEditModel::ColData, "05/03/2026", false); // still typing
        QTest::mouseClick(w.navPost, Qt::LeftButton);
        QCOMPARE(punches("data = '2026-03-05' AND hora = '08:00:00'"), 1);
        // Outside the period now, it stays in the grid until the next search or Refresh.
        QCOMPARE(w.CRDBGrid1->model()->rowCount(), 1);
        QTest::mouseClick(w.navRefresh, Qt::LeftButton);
        QCOMPARE(w.CRDBGrid1->model()->rowCount(), 0);
    }

    void invalidValuesAreRefused_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("typed");
        QTest::newRow("time") << int(PunchEditModel::ColHora) << "25:99";
        QTest::newRow("date") << int(PunchEditModel::ColData) << "31/02/2026";
        QTest::newRow("words") << int(PunchEditModel::ColData) << "ontem";
    }

    void invalidValuesAreRefused()
    {
        QFETCH(int, column);
        QFETCH(QString, typed);
        addDay(ana, "Ana Lima", D1, {"08:00:00"});
        FakeMessages boxes;
        TFrmAlteracaoPonto w;
        w.show();
        search(w, D1, D1);
        typeInCell(w, 0, column, typed);
        QCOMPARE(boxes.boxes.size(), 1);
        QCOMPARE(boxes.boxes[0].icon, QMessageBox::Critical);
        QVERIFY(boxes.boxes[0].text.contains(typed));
        QCOMPARE(w.tbponto->state(), PunchEditModel::Edit);
        QTest::mouseClick(w.navCancel, Qt::LeftButton);
        QCOMPARE(punches("data = '2026-03-02' AND hora = '08:00:00'"), 1);
    }

    void insertedPunchHoldsDateAndTimeOnly()
    {
        addDay(ana, "Ana Lima", D1, {"08:00:00"});
        TFrmAlteracaoPonto w;
        w.show();
        search(w, D1, D1);
        w.CRDBGrid1->setFocus();
        QTest::keyClick(w.CRDBGrid1, Qt::Key_Insert);
        QCOMPARE(w.tbponto->state(), PunchEditModel::Insert);
        QCOMPARE(w.CRDBGrid1->model()->rowCount(), 2);
        const int at = w.tbponto->currentRow();
        typeInCell(w, at, PunchEditModel::ColData, "02/03/2026");
        typeInCell(w, at, PunchEditModel::ColHora, "12:05:00");
        QTest::mouseClick(w.navPost, Qt::LeftButton);
        QCOMPARE(punches("hora = '12:05:00' AND data = '2026-03-02' AND codigofuncionario IS NULL "
                         "AND senha IS NULL AND c IS NULL AND foto IS NULL"),
                 1);
        // The next search finds it only once it belongs to the employee: the sheet is unchanged.
        search(w, D1, D1);
        QCOMPARE(w.CRDBGrid1->model()->rowCount(), 1);
    }

    void untouchedNewRowsAreDropped()
    {
        addDay(ana, "Ana Lima", D1, {"08:00:00", "09:00:00"});
        TFrmAlteracaoPonto w;
        w.show();
        search(w, D1, D1);
        w.CRDBGrid1->setFocus();
        QTest::keyClick(w.CRDBGrid1, Qt::Key_Down); // past the last row: a new one
        QCOMPARE(w.CRDBGrid1->model()->rowCount(), 3);
        QCOMPARE(w.tbponto->state(), PunchEditModel::Insert);
        QTest::keyClick(w.CRDBGrid1, Qt::Key_Up);
        QCOMPARE(w.CRDBGrid1->model()->rowCount(), 2);
        QCOMPARE(w.CRDBGrid1->currentIndex().row(), 1);
        QCOMPARE(punches(), 2);
    }

    void deletionAsksAndDeletesByKey_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("deleted");
        QTest::newRow("yes") << int(QMessageBox::Yes) << true;
        QTest::newRow("no") << int(QMessageBox::No) << false;
        QTest::newRow("default is no") << int(QMessageBox::NoButton) << false;
    }

    void deletionAsksAndDeletesByKey()
    {
        QFETCH(int, answer);
        const int first = db.addPunch(ana, "Ana Lima", D1, "08:00:00");
        const int second = db.addPunch(ana, "Ana Lima", D1, "08:00:00");
        FakeMessages boxes;
        if (answer != QMessageBox::NoButton)
            boxes.answers << QMessageBox::StandardButton(answer);
        TFrmAlteracaoPonto w;
        w.show();
        search(w, D1, D1);
        QCOMPARE(w.tbponto->row(w.tbponto->currentRow()).id, second); // the last row
        w.ExcluirRegistro1->trigger();
        QCOMPARE(boxes.boxes.size(), 1);
        QCOMPARE(boxes.boxes[0].text, QString("Deseja excluir este registro?"));
        QCOMPARE(boxes.boxes[0].title, QString("Exclusão"));
        QCOMPARE(boxes.boxes[0].icon, QMessageBox::Question);
        QCOMPARE(boxes.boxes[0].buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(boxes.boxes[0].defaultButton, QMessageBox::No);
        QCOMPARE(boxes.boxes[0].parent, nullptr);
        QFETCH(bool, deleted);
        QCOMPARE(punches("id = " + QString::number(second)), deleted ? 0 : 1);
        QCOMPARE(punches("id = " + QString::number(first)), 1);
        QCOMPARE(w.CRDBGrid1->model()->rowCount(), deleted ? 1 : 2);
        // The day sheet waits for the next search.
        QCOMPARE(w.CRDBGrid2->model()->rowCount(), 1);
    }

    void ctrlDeleteAsksTheGridsQuestion()
    {
        addDay(ana, "Ana Lima", D1, {"08:00:00", "09:00:00"});
        FakeMessages boxes;
        boxes.answers << QMessageBox::Cancel << QMessageBox::Ok;
        TFrmAlteracaoPonto w;
        w.show();
        search(w, D1, D1);
        w.CRDBGrid1->setFocus();
        QTest::keyClick(w.CRDBGrid1, Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(punches(), 2);
        QTest::keyClick(w.CRDBGrid1, Qt::Key_Delete, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(punches(), 1);
        QCOMPARE(boxes.boxes.size(), 2);
        QCOMPARE(boxes.boxes[0].text, QString("Delete record?"));
        QCOMPARE(boxes.boxes[0].buttons, QMessageBox::Ok | QMessageBox::Cancel);
        QCOMPARE(punches("hora = '08:00:00'"), 1); // the current, last row went
    }

    void deletionBeforeASearchDeletesNothing()
    {
        addDay(ana, "Ana Lima", D1, {"08:00:00"});
        FakeMessages boxes;
        boxes.answers << QMessageBox::Yes;
        TFrmAlteracaoPonto w;
        w.show();
        w.ExcluirRegistro1->trigger();
        QCOMPARE(boxes.boxes.size(), 2);
        QCOMPARE(boxes.boxes[1].icon, QMessageBox::Critical);
        QVERIFY(boxes.boxes[1].text.contains("fechado"));
        QCOMPARE(punches(), 1);
    }

    void typingWithTheListOpenMovesToTheName()
    {
        TFrmAlteracaoPonto w;
        w.show();
        w.RxLookupEdit1->showPopup();
        QTest::keyClicks(w.RxLookupEdit1->view(), "b");
        QCOMPARE(w.RxLookupEdit1->view()->currentIndex().data().toString(), QString("Bia Souza"));
        QTest::keyClick(w.RxLookupEdit1->view(), Qt::Key_Return);
        QCOMPARE(w.myCarro->currentName(), QString("Bia Souza"));
        QCOMPARE(w.RxLookupEdit1->currentText(), QString("Bia Souza"));
        // Typing with the list closed changes the text only.
        QTest::keyClicks(w.RxLookupEdit1->lineEdit(), " e outra");
        QCOMPARE(w.myCarro->currentName(), QString("Bia Souza"));
    }

    void employeeListKeepsTheChoiceOnRereading()
    {
        TFrmAlteracaoPonto w;
        w.show();
        choose(w.RxLookupEdit1, "Bia Souza");
        db.addEmployee("Aline Nova", "N1"); // comes before Bia by name
        QMetaObject::invokeMethod(w.myCarro->refreshTimer(), "timeout");
        QCOMPARE(w.RxLookupEdit1->count(), 3);
        QCOMPARE(w.myCarro->currentName(), QString("Bia Souza"));
        QCOMPARE(w.RxLookupEdit1->currentText(), QString("Bia Souza"));
        QCOMPARE(w.myCarro->refreshTimer()->interval(), 60000);
    }
};

PONTO_TEST_MAIN(TestCorrection)
#include "tst_correction.moc"
