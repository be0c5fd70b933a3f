#pragma once

#include <QDialog>
#include <QString>

class DaySheetModel;
class EmployeeList;
class EmployeeLookupEdit;
class Panel;
class PunchEditModel;
class QAction;
class QDateEdit;
class QGroupBox;
class QLabel;
class QMenu;
class QTableView;
class QToolButton;

// Punch correction: the punches of one employee in one period, editable one by one, and the
// day sheet of that period with its total.
class TFrmAlteracaoPonto : public QDialog
{
    Q_OBJECT

public:
    explicit TFrmAlteracaoPonto(QWidget* parent = nullptr);

    QString tothorasrel;

    PunchEditModel* tbponto = nullptr;
    DaySheetModel* myPontoTmp = nullptr;
    EmployeeList* myCarro = nullptr;

    Panel* Panel1 = nullptr;
    Panel* Panel5 = nullptr;
    QTableView* CRDBGrid1 = nullptr;
    QWidget* JvDBNavigator1 = nullptr;
    QToolButton* navEdit = nullptr;
    QToolButton* navPost = nullptr;
    QToolButton* navCancel = nullptr;
    QToolButton* navRefresh = nullptr;
    QTableView* CRDBGrid2 = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QLabel* LabelOpPagarTipoAberto = nullptr;
    EmployeeLookupEdit* RxLookupEdit1 = nullptr;
    QLabel* Label2 = nullptr;
    QDateEdit* DTI = nullptr;
    QLabel* Label3 = nullptr;
    QDateEdit* DTF = nullptr;
    QToolButton* TSpeedButton = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label4 = nullptr;
    QMenu* popmenu1 = nullptr;
    QAction* ExcluirRegistro1 = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void done(int result) override;
    void resizeEvent(QResizeEvent* event) override;

private slots:
    void TSpeedButtonClick();
    void ExcluirRegistro1Click();
    void Panel5Click();

private:
    void FormCreate();
    void FormClose();
    bool CRDBGrid1KeyDown(QKeyEvent* event);
    void showCurrentPunch();
    void updateNavigator();

    bool m_syncing = false;
};
