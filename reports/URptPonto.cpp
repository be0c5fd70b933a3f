#include "reports/URptPonto.h"

#include "app/UDm.h"
#include "reports/ReportPreview.h"
#include "reports/UOpPontoFunc.h"

TRptPonto* RptPonto = nullptr;

TRptPonto::TRptPonto(TDM& dm, QObject* parent) : QObject(parent)
{
    FormCreate(dm);
}

TRptPonto::~TRptPonto()
{
    if (RptPonto == this)
        RptPonto = nullptr;
}

void TRptPonto::FormCreate(TDM& dm)
{
    SqlResult configuracao = dm.exec(QStringLiteral("Select * From Configuracao"));
    if (configuracao.next())
        m_companyName = configuracao.value(QStringLiteral("Nome")).toString();
}

QString TRptPonto::RLBand2BeforePrint() const
{
    return OpPontoFunc ? OpPontoFunc->tothorasrel : QString();
}

QVector<ReportPage> TRptPonto::preparePages(const QDate& printed) const
{
    return ReportLayout::prepare(
        {m_companyName, RLLabel1, RLLabel2, printed, ponto, RLBand2BeforePrint()});
}

ReportPreview* TRptPonto::Preview() const
{
    auto* preview = new ReportPreview(preparePages());
    preview->show();
    return preview;
}
