#include "reports/UOpPontoFunc.h"

#include "app/EmployeeList.h"
#include "app/EmployeeLookupEdit.h"
#include "app/Formats.h"
#include "app/Messages.h"
#include "app/UDm.h"
#include "app/Widgets.h"
#include "reports/URptPonto.h"
#include "timesheet/DaySheetBuilder.h"

#include <QDateEdit>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

TOpPontoFunc* OpPontoFunc = nullptr;

TOpPontoFunc::TOpPontoFunc(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("OpPontoFunc"));
    setWindowTitle(QStringLiteral("Opção de Relatorio Funcionario no Periodo"));
    setWindowFlags(Qt::Dialog | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                   Qt::WindowCloseButtonHint);
    resize(580, 113);
    setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11));

    MyCarro = new EmployeeList(*DM, this);
    const QFont bold = pixelFont(QStringLiteral("MS Sans Serif"), 13, true);
    OpPagarTipoAberto = placedLabel(this, QStringLiteral("OpPagarTipoAberto"),
                                    QStringLiteral("Nome do Funcionario"), QRect(8, 8, 0, 0), bold);
    Label2 = placedLabel(this, QStringLiteral("Label2"), QStringLiteral("Data Inicial"),
                         QRect(376, 8, 0, 0), bold);
    Label3 = placedLabel(this, QStringLiteral("Label3"), QStringLiteral("Data Final"),
                         QRect(480, 8, 0, 0), bold);
    RxLookupEdit1 = new EmployeeLookupEdit(MyCarro, this);
    RxLookupEdit1->setObjectName(QStringLiteral("RxLookupEdit1"));
    RxLookupEdit1->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 13));
    RxLookupEdit1->setGeometry(8, 24, 353, 22);
    DTI = datePicker(this, QStringLiteral("DTI"), QRect(368, 24, 89, 21));
    DTF = datePicker(this, QStringLiteral("DTF"), QRect(472, 24, 89, 21));
    BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton),
                              QStringLiteral("OK"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(376, 64, 75, 25);
    BitBtn1->setDefault(true);
    BitBtn2 = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton),
                              QStringLiteral("Cancel"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setGeometry(480, 64, 75, 25);
    BitBtn2->setAutoDefault(false);

    setTabOrder(RxLookupEdit1, DTI);
    setTabOrder(DTI, DTF);
    setTabOrder(DTF, BitBtn1);
    setTabOrder(BitBtn1, BitBtn2);

    connect(BitBtn1, &QPushButton::clicked, this, &TOpPontoFunc::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject); // Esc does the same
    FormCreate();
}

TOpPontoFunc::~TOpPontoFunc()
{
    if (OpPontoFunc == this)
        OpPontoFunc = nullptr;
}

void TOpPontoFunc::FormCreate()
{
    DTI->setDate(QDate::currentDate());
    DTF->setDate(QDate::currentDate());
    RxLookupEdit1->setFocus();
}

void TOpPontoFunc::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
}

void TOpPontoFunc::FormShow()
{
    guarded([this] { MyCarro->open(); });
    RxLookupEdit1->setCurrentIndex(-1);
    RxLookupEdit1->setEditText({});
}

void TOpPontoFunc::done(int result)
{
    FormClose();
    QDialog::done(result);
}

void TOpPontoFunc::FormClose()
{
    MyCarro->close();
}

void TOpPontoFunc::BitBtn1Click()
{
    // The window closes after OK whatever the build gives, failures included.
    setResult(QDialog::Accepted);
    guarded([this] {
        // The employee is the list's current one; its name goes into the rows and the title.
        const int code = MyCarro->currentCode();
        const QString name = MyCarro->currentName();
        const DaySheet sheet = DaySheetBuilder(*DM).build(code, name, DTI->date(), DTF->date(),
                                                          DaySheetVariant::Report);
        if (!sheet.hadPunches)
            return;
        tothorasrel = sheet.periodTotal;
        TRptPonto report(*DM);
        RptPonto = &report;
        report.ponto = sheet.rows;
        report.RLLabel1 = QStringLiteral("Nome do Funcionario => ") + name;
        report.RLLabel2 = QStringLiteral("Relatorio de Ponto do Funcionario no Periodo: ") +
                          Formats::shortDate(DTI->date()) + QStringLiteral(" à ") +
                          Formats::shortDate(DTF->date());
        report.Preview();
    });
    RptPonto = nullptr;
    accept();
}
