#pragma once

#include <QDialog>

class EmployeeLookup;
class MultiSortProxy;
class Panel;
class PunchList;
class QGroupBox;
class QLabel;
class QLineEdit;
class QTableView;
class QTimer;
class QToolButton;

// The punch terminal: an employee types the password and punches; the window shows the punch
// and the day's punches of that password, re-read every 15 seconds.
class TFrmPontootica : public QDialog
{
    Q_OBJECT

public:
    static constexpr int RefreshIntervalMs = 15000;

    explicit TFrmPontootica(QWidget* parent = nullptr);
    ~TFrmPontootica() override;

    int exec() override; // opens maximised

    PunchList* MyPonto = nullptr;
    EmployeeLookup* myFuncionario = nullptr;
    QTimer* refreshTimer = nullptr;

    Panel* Panel1 = nullptr;
    Panel* Panel5 = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* edtLocalizar = nullptr;
    QToolButton* SpeedButton2 = nullptr;
    QToolButton* TSpeedButton = nullptr;
    QToolButton* TSpeedButton11 = nullptr;
    QWidget* Panel3 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* DBText1 = nullptr;
    QLabel* DBText2 = nullptr;
    QLabel* DBText3 = nullptr;
    QLabel* DBImage1 = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    QTableView* CRDBGrid1 = nullptr;
    QLabel* CRDBGrid1Status = nullptr;
    Panel* Panel4 = nullptr;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void done(int result) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void SpeedButton2Click();
    void TSpeedButtonClick();
    void TSpeedButton11Click();
    void Panel5Click();
    void autoRefresh();

private:
    void FormCreate();
    void FormClose();
    bool CRDBGrid1KeyDown(QKeyEvent* event);
    QList<QWidget*> detailControls() const;
    void showCurrentPunch();
    void showCurrentInGrid();
    void updateStatusLine();

    MultiSortProxy* m_sorted = nullptr;
};
