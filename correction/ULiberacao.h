#pragma once

#include <QDialog>

// The release dialog: asks the access code before punch correction opens.
class TFrmLiberacao : public QDialog
{
    Q_OBJECT

public:
    explicit TFrmLiberacao(QWidget* parent = nullptr);
};
