#pragma once

#include <QWidget>

class Panel;
class QLabel;
class QGroupBox;
class QToolButton;

// The main window: names the company and the server, and opens the punch terminal.
class TFrmPrincipal : public QWidget
{
    Q_OBJECT

public:
    static const QString VersionText;

    explicit TFrmPrincipal(QWidget* parent = nullptr);

    static QString caption(const QString& company, const QString& server);

    Panel* Panel1 = nullptr;
    Panel* Panel2 = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QToolButton* TSpeedButton = nullptr;
    QLabel* Image1 = nullptr;

private slots:
    void Panel2Click();
    void TSpeedButtonClick();

private:
    void FormCreate();
};

extern TFrmPrincipal* FrmPrincipal;
