#pragma once

#include "reports/ReportLayout.h"

#include <QObject>

class ReportPreview;
class TDM;

// The period punch report: the day sheet rows of one build, the company name and the two
// title lines; Preview() prepares the pages and shows them in a preview window that outlives
// this object.
class TRptPonto : public QObject
{
    Q_OBJECT

public:
    // Reads the company settings (Select * From Configuracao). Throws AppError.
    explicit TRptPonto(TDM& dm, QObject* parent = nullptr);
    ~TRptPonto() override;

    QVector<DaySheetRow> ponto; // the rows to print, in date and time order
    QString RLLabel1;           // "Nome do Funcionario => ..."
    QString RLLabel2;           // "Relatorio de Ponto do Funcionario no Periodo: ..."
    QString companyName() const { return m_companyName; }

    // The period total of the open options window, copied when the summary is printed.
    QString RLBand2BeforePrint() const;
    QVector<ReportPage> preparePages(const QDate& printed = QDate::currentDate()) const;
    ReportPreview* Preview() const;

private:
    void FormCreate(TDM& dm);

    QString m_companyName;
};

extern TRptPonto* RptPonto;
