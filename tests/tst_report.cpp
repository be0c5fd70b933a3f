// The period report: prepared pages, the PDF, and the options window driven through its widgets.
#include "app/EmployeeList.h"
#include "app/EmployeeLookupEdit.h"
#include "app/UDm.h"
#include "reports/ReportLayout.h"
#include "reports/ReportPainter.h"
#include "reports/ReportPreview.h"
#include "reports/UOpPontoFunc.h"
#include "reports/URptPonto.h"
#include "tests/TestSupport.h"

#include <QAbstractItemView>
#include <QDateEdit>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

const QDate D1(2026, 3, 2);

DaySheetRow sheetRow(const QDate& date, const char* total = "08:00:00", int placed = 4)
{
    DaySheetRow row;
    row.data = date;
    row.c = placed;
    const char* times[] = {"08:00:00", "12:00:00", "13:00:00", "17:00:00"};
    QString* slot[] = {&row.hora, &row.hora01, &row.hora02, &row.hora03};
    for (int i = 0; i < placed; ++i)
        *slot[i] = QString::fromLatin1(times[i]);
    row.totalhoras = QString::fromLatin1(total);
    return row;
}

ReportInput input(int dates, const QString& total = "176:00:00")
{
    ReportInput in{"Padaria São José",
                   "Nome do Funcionario => Ana",
                   "Relatorio de Ponto do Funcionario no Periodo: 02/03/2026 à 31/03/2026",
                   QDate(2026, 4, 1),
                   {},
                   total};
    for (int i = 0; i < dates; ++i)
        in.rows << sheetRow(D1.addDays(i));
    return in;
}

void closePreviews()
{
    for (ReportPreview* preview : openPreviews())
        preview->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class TestReport : public QObject
{
    Q_OBJECT

    TestDatabase db{"report"};
    int ana = 0, bia = 0;

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
    }
    void cleanup() { closePreviews(); }

    void dateWithOnePunch()
    {
        ReportInput in = input(0);
        in.rows << sheetRow(D1, "00:00:00", 1);
        const ReportPage page = ReportLayout::prepare(in).front();
        QCOMPARE(page.find("RLDBText2")->text, QString("02/03/2026"));
        QCOMPARE(page.find("rldbtxthora")->text, QString("08:00:00"));
        QCOMPARE(page.find("rldbtxthora1")->text, QString());
        QCOMPARE(page.find("rldbtxthora2")->text, QString());
        QCOMPARE(page.find("rldbtxthora02")->text, QString());
        QCOMPARE(page.find("rldbtxthora03")->text, QString("00:00:00"));
        QVERIFY(!page.texts().contains("Assinatura") &&
                page.texts().contains("Assinatura Funcionário"));
    }

    void threeDatesThreeBlocks()
    {
        const QVector<ReportPage> pages = ReportLayout::prepare(input(3));
        QCOMPARE(pages.size(), 1);
        const ReportPage& page = pages.front();
        QCOMPARE(page.count("RLGroup1"), 3);    // each block starts with its line
        QCOMPARE(page.count("RLBand3"), 3 * 7); // and its column headers
        QCOMPARE(page.count("RLDBText2"), 3);
        QCOMPARE(page.find("RLSystemInfo3")->text, QString("Quantidade de Resgistros => 3"));
        QCOMPARE(page.find("RLSystemInfo2")->text, QString("Pagina: 1"));
        QCOMPARE(page.find("RLSystemInfo1")->text, QString("Data: 01/04/2026"));
        QCOMPARE(page.find("RLDBText4")->text, QString("Padaria São José"));
        QCOMPARE(page.find("RLDBText4")->fontPixels, 15);
    }

    void bandsStayInsideTheMargins()
    {
        for (const ReportPage& page : ReportLayout::prepare(input(60)))
            for (const ReportItem& item : page.items) {
                QVERIFY(item.rect.top() >= ReportLayout::Margin);
                QVERIFY(item.rect.bottom() <=
                        ReportLayout::PageSize.height() - ReportLayout::Margin);
                QVERIFY(item.rect.left() >= ReportLayout::Margin);
            }
    }

    void threePages()
    {
        const QVector<ReportPage> pages = ReportLayout::prepare(input(40));
        QCOMPARE(pages.size(), 3);
        QCOMPARE(pages[0].find("RLSystemInfo2")->text, QString("Pagina: 3"));
        for (int p = 1; p < 3; ++p) {
            QVERIFY(!pages[p].find("RLBand1") && !pages[p].find("RLLabel1"));
            QCOMPARE(pages[p].items.front().name, QString("RLGroup1")); // a block begins the page
        }
        int details = 0, headers = 0;
        for (const ReportPage& page : pages) {
            details += page.count("RLDBText2");
            headers += page.count("RLGroup1");
        }
        QCOMPARE(details, 40);
        // A block whose header fitted at a page's foot goes on with its header again.
        QVERIFY(headers > 40);
        QCOMPARE(pages[2].find("RLSystemInfo3")->text, QString("Quantidade de Resgistros => 40"));
    }

    void summaryMovesToANewPageWhenItDoesNotFit()
    {
        // Page 1 holds 16 blocks and leaves 19 pixels: less than the summary's 21.
        const QVector<ReportPage> pages = ReportLayout::prepare(input(16));
        QCOMPARE(pages.size(), 2);
        QCOMPARE(pages[1].items.size(), 3);
        QVERIFY(pages[1].find("RLSystemInfo3"));
        QCOMPARE(pages[0].find("RLSystemInfo2")->text, QString("Pagina: 2"));
    }

    void periodTotalUnderTheDayTotalColumn_data()
    {
        QTest::addColumn<QString>("total");
        QTest::newRow("past 24 hours") << "176:00:00";
        QTest::newRow("past the server's ceiling") << "2000:00:00";
        QTest::newRow("empty prints blank") << "";
    }

    void periodTotalUnderTheDayTotalColumn()
    {
        QFETCH(QString, total);
        const ReportPage page = ReportLayout::prepare(input(2, total)).front();
        const ReportItem* label = page.find("RLLabel3");
        QCOMPARE(label->text, total);
        const ReportItem* column = page.find("rldbtxthora03");
        QVERIFY(qAbs(label->rect.left() - column->rect.left()) <= 1);
    }

    void companyIsTheFirstRowOfConfiguracao()
    {
        db.sql("INSERT INTO configuracao (Nome) VALUES ('Primeira Ltda'), ('Segunda')");
        TRptPonto report(*DM);
        QCOMPARE(report.companyName(), QString("Primeira Ltda"));
    }

    void pdfHoldsTheTexts()
    {
        QTemporaryDir dir;
        const QString pdf = dir.filePath("relatorio.pdf");
        QVERIFY(ReportPainter::writePdf(pdf, ReportLayout::prepare(input(40))));
        QProcess text;
        text.start("pdftotext", {"-layout", pdf, "-"});
        QVERIFY(text.waitForFinished(30000));
        const QString out = QString::fromUtf8(text.readAllStandardOutput());
        QCOMPARE(out.count(u'\f'), 3); // three pages
        for (const char* expected :
             {"Padaria São José", "Nome do Funcionario => Ana", "Pagina: 3", "H.Retorno Almoço",
              "Assinatura Funcionário", "Quantidade de Resgistros => 40", "176:00:00", "17:00:00"})
            QVERIFY2(out.contains(QString::fromUtf8(expected)), expected);
        QProcess info;
        info.start("pdfinfo", {pdf});
        QVERIFY(info.waitForFinished(30000));
        QVERIFY(info.readAllStandardOutput().contains("842 x 595")); // A4 landscape, points
    }

    // The options window, through its widgets.

    void optionsOpenWithTodayAndNothingChosen()
    {
        TOpPontoFunc options;
        options.show();
        QApplication::setActiveWindow(&options);
        QVERIFY(QTest::qWaitForWindowActive(&options));
        QCOMPARE(options.DTI->date(), QDate::currentDate());
        QCOMPARE(options.DTF->date(), QDate::currentDate());
        QCOMPARE(options.RxLookupEdit1->currentText(), QString());
        QCOMPARE(options.RxLookupEdit1->maxVisibleItems(), 8);
        QCOMPARE(options.RxLookupEdit1->count(), 2); // active employees only
        QCOMPARE(options.RxLookupEdit1->itemText(0), QString("Ana Lima"));
        QVERIFY(options.RxLookupEdit1->hasFocus() || options.RxLookupEdit1->lineEdit()->hasFocus());
        QVERIFY(options.BitBtn1->isDefault());
        QTest::keyClick(&options, Qt::Key_Escape);
        QCOMPARE(options.result(), int(QDialog::Rejected));
        QVERIFY(!options.isVisible());
        QVERIFY(openPreviews().isEmpty());
    }

    void okWithoutPunchesShowsNothing()
    {
        FakeMessages boxes;
        TOpPontoFunc options;
        options.show();
        QTest::mouseClick(options.BitBtn1, Qt::LeftButton);
        QVERIFY(!options.isVisible());
        QCOMPARE(options.result(), int(QDialog::Accepted));
        QVERIFY(openPreviews().isEmpty());
        QVERIFY(boxes.boxes.isEmpty());
    }

    void okBuildsTheChosenEmployeesReport()
    {
        for (int i = 0; i < 3; ++i)
            for (const char* hora : {"08:00:00", "12:00:00", "13:00:00", "17:00:00"})
                db.addPunch(bia, "Bia Souza", D1.addDays(i), hora);
        db.addPunch(bia, "Bia Souza", D1.addDays(1), "18:00:00"); // a fifth punch on a date
        db.addPunch(ana, "Ana Lima", D1, "08:00:00");
        db.sql("INSERT INTO configuracao (Nome) VALUES ('Padaria São José')");
        const int punchesBefore = db.scalar("SELECT COUNT(*) FROM ponto").toInt();

        ReportPreview* preview = nullptr;
        {
            TOpPontoFunc options;
            OpPontoFunc = &options;
            options.show();
            QTest::keyClicks(options.RxLookupEdit1->lineEdit(), "bi");
            options.RxLookupEdit1->showPopup();
            QTest::keyClick(options.RxLookupEdit1->view(), Qt::Key_Down);
            QTest::keyClick(options.RxLookupEdit1->view(), Qt::Key_Return);
            QCOMPARE(options.MyCarro->currentName(), QString("Bia Souza"));
            options.DTI->setDate(D1);
            options.DTF->setDate(D1.addDays(10));
            QTest::mouseClick(options.BitBtn1, Qt::LeftButton);
            QVERIFY(!options.isVisible());
            QCOMPARE(options.tothorasrel, QString("24:00:00"));
            QCOMPARE(openPreviews().size(), 1);
            preview = openPreviews().front();
        }
        OpPontoFunc = nullptr;
        // The preview outlives the options window and the report form.
        QVERIFY(preview->isVisible());
        QVERIFY(!preview->isModal());
        const ReportPage& page = preview->pages().front();
        QCOMPARE(page.find("RLLabel1")->text, QString("Nome do Funcionario => Bia Souza"));
        QCOMPARE(page.find("RLLabel2")->text,
                 QString("Relatorio de Ponto do Funcionario no Periodo: 02/03/2026 à 12/03/2026"));
        QCOMPARE(page.find("RLDBText4")->text, QString("Padaria São José"));
        QCOMPARE(page.count("RLDBText2"), 3); // no date lost after the fifth punch
        QCOMPARE(page.find("RLSystemInfo3")->text, QString("Quantidade de Resgistros => 3"));
        QCOMPARE(page.find("RLLabel3")->text, QString("24:00:00"));
        QCOMPARE(db.scalar("SELECT MIN(nomefuncionario) FROM pontocontadortemp").toString(),
                 QString("Bia Souza"));

        const int sheetRows = db.scalar("SELECT COUNT(*) FROM pontocontadortemp").toInt();
        preview->close();
        QCOMPARE(db.scalar("SELECT COUNT(*) FROM ponto").toInt(), punchesBefore);
        QCOMPARE(db.scalar("SELECT COUNT(*) FROM pontocontadortemp").toInt(), sheetRows);
    }

    void severalPreviewsStayOpen()
    {
        db.addPunch(ana, "Ana Lima", QDate::currentDate(), "08:00:00");
        for (int i = 0; i < 2; ++i) {
            TOpPontoFunc options;
            options.show();
            QTest::mouseClick(options.BitBtn1, Qt::LeftButton);
        }
        QCOMPARE(openPreviews().size(), 2);
        for (ReportPreview* preview : openPreviews())
            QCOMPARE(preview->pages().front().count("RLDBText2"), 1);
    }

    void typedTextNamesNobody()
    {
        db.addPunch(ana, "Ana Lima", QDate::currentDate(), "08:00:00");
        TOpPontoFunc options;
        options.show();
        // Typed, not chosen: the first active employee by name stays current, and the rows and
        // the title carry that employee's name, not the typed text.
        QTest::keyClicks(options.RxLookupEdit1->lineEdit(), "Outra Pessoa");
        QTest::mouseClick(options.BitBtn1, Qt::LeftButton);
        QCOMPARE(openPreviews().size(), 1);
        QCOMPARE(openPreviews().front()->pages().front().find("RLLabel1")->text,
                 QString("Nome do Funcionario => Ana Lima"));
        QCOMPARE(db.scalar("SELECT nomefuncionario FROM pontocontadortemp").toString(),
                 QString("Ana Lima"));
    }

    void databaseFailureIsReportedAndTheWindowCloses()
    {
        FakeMessages boxes;
        db.addPunch(ana, "Ana Lima", QDate::currentDate(), "08:00:00");
        TOpPontoFunc options;
        options.show();
        db.sql("RENAME TABLE ponto TO ponto_x");
        QTest::mouseClick(options.BitBtn1, Qt::LeftButton);
        db.sql("RENAME TABLE ponto_x TO ponto");
        QCOMPARE(boxes.boxes.size(), 1);
        QCOMPARE(boxes.boxes[0].icon, QMessageBox::Critical);
        QVERIFY(!options.isVisible());
        QVERIFY(openPreviews().isEmpty());
    }
};

PONTO_TEST_MAIN(TestReport)
#include "tst_report.moc"
