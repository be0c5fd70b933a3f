#pragma once

#include <QDialog>
#include <QString>

class EmployeeList;
class EmployeeLookupEdit;
class QDateEdit;
class QLabel;
class QPushButton;

// The period report options window: one employee and a period, then the report's preview.
class TOpPontoFunc : public QDialog
{
    Q_OBJECT

public:
    explicit TOpPontoFunc(QWidget* parent = nullptr);
    ~TOpPontoFunc() override;

    QString tothorasrel; // the period total text of the last build

    EmployeeList* MyCarro = nullptr;
    QLabel* OpPagarTipoAberto = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    EmployeeLookupEdit* RxLookupEdit1 = nullptr;
    QDateEdit* DTI = nullptr;
    QDateEdit* DTF = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private slots:
    void BitBtn1Click();

private:
    void FormCreate();
    void FormShow();
    void FormClose();

    bool m_shown = false;
};

// The open options window, while it is open.
extern TOpPontoFunc* OpPontoFunc;
