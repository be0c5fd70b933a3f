#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QToolButton;

// The release dialog: the access code must be typed before punch correction opens.
class TFrmLiberacao : public QDialog
{
    Q_OBJECT

public:
    static const QString AccessCode;

    explicit TFrmLiberacao(QWidget* parent = nullptr);

    QLabel* RxLabel1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QToolButton* SpeedButton2 = nullptr;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private slots:
    void SpeedButton1Click();
    void SpeedButton2Click();
};
