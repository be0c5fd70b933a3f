#pragma once

#include <QDialog>
#include <QString>

// The period report options window: one employee and a period, then the report.
class TOpPontoFunc : public QDialog
{
    Q_OBJECT

public:
    explicit TOpPontoFunc(QWidget* parent = nullptr);
    ~TOpPontoFunc() override;

    QString tothorasrel; // the period total text of the last build
};

// The open options window, while it is open.
extern TOpPontoFunc* OpPontoFunc;
