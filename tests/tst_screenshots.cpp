// Writes PNG pictures of the windows into build/screenshots, for a person to look at.
#include "app/UDm.h"
#include "app/UPrincipal.h"
#include "correction/UAlteracaoPonto.h"
#include "correction/ULiberacao.h"
#include "punch/PunchList.h"
#include "punch/UPontootica.h"
#include "reports/ReportPainter.h"
#include "reports/ReportPreview.h"
#include "reports/UOpPontoFunc.h"
#include "reports/URptPonto.h"
#include "tests/TestSupport.h"
#include "timesheet/DaySheetBuilder.h"

#include <QDateEdit>
#include <QDir>
#include <QLineEdit>
#include <QTableView>
#include <QToolButton>

class TestScreenshots : public QObject
{
    Q_OBJECT

    TestDatabase db{"screenshots"};
    int code = 0;
    QDir out{QStringLiteral(PONTO_BINARY_DIR "/screenshots")};

    void save(QWidget* widget, const QString& name)
    {
        QTest::qWait(20); // let pending layouts and scrolls happen
        const QPixmap picture = widget->grab();
        QVERIFY(!picture.isNull());
        QVERIFY(picture.save(out.filePath(name + ".png")));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(out.mkpath("."));
        db.sql("INSERT INTO configuracao (Nome) VALUES ('Padaria e Confeitaria São José')");
        code = db.addEmployee("Ana Beatriz Conceição", "1001", "S", samplePhoto("PNG"));
        db.addPunch(code, "Ana Beatriz Conceição", QDate::currentDate(), "07:58:12", "1001");
        // A sample month: weekdays of four punches, a short Friday, a forgotten punch.
        for (QDate day(2026, 11, 1); day.month() == 11; day = day.addDays(1)) {
            if (day.dayOfWeek() > 5)
                continue;
            QStringList times = {"07:55:10", "12:02:40", "13:01:05", "17:06:30"};
            if (day.dayOfWeek() == 5)
                times = {"08:00:00", "12:00:00"};
            if (day.day() == 11)
                times.removeLast();
            for (const QString& time : times)
                db.addPunch(code, "Ana Beatriz Conceição", day, time, "1001");
        }
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

    void correctionAfterASearch()
    {
        TFrmLiberacao release;
        release.show();
        QVERIFY(QTest::qWaitForWindowExposed(&release));
        save(&release, "release-dialog");

        TFrmAlteracaoPonto correction;
        correction.show();
        QVERIFY(QTest::qWaitForWindowExposed(&correction));
        correction.DTI->setDate(QDate(2026, 11, 1));
        correction.DTF->setDate(QDate(2026, 11, 30));
        QTest::mouseClick(correction.TSpeedButton, Qt::LeftButton);
        QVERIFY(correction.CRDBGrid2->model()->rowCount() > 15);
        save(&correction, "correction-window");
    }

    void reportOfASampleMonth()
    {
        TOpPontoFunc options; // the report reads the period total from the open options window
        OpPontoFunc = &options;
        const DaySheet sheet =
            DaySheetBuilder(*DM).build(code, "Ana Beatriz Conceição", QDate(2026, 11, 1),
                                       QDate(2026, 11, 30), DaySheetVariant::Report);
        options.tothorasrel = sheet.periodTotal;
        TRptPonto report(*DM);
        report.ponto = sheet.rows;
        report.RLLabel1 = "Nome do Funcionario => Ana Beatriz Conceição";
        report.RLLabel2 = "Relatorio de Ponto do Funcionario no Periodo: 01/11/2026 à 30/11/2026";
        const QVector<ReportPage> pages = report.preparePages();
        QCOMPARE(pages.size(), 2);
        QVERIFY(ReportPainter::writePdf(out.filePath("report.pdf"), pages));
        OpPontoFunc = nullptr;

        options.show();
        QVERIFY(QTest::qWaitForWindowExposed(&options));
        save(&options, "report-options");
        ReportPreview preview(pages);
        preview.show();
        QVERIFY(QTest::qWaitForWindowExposed(&preview));
        save(&preview, "report-preview");
    }
};

PONTO_TEST_MAIN(TestScreenshots)
#include "tst_screenshots.moc"
