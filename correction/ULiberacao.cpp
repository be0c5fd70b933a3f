#include "correction/ULiberacao.h"

TFrmLiberacao::TFrmLiberacao(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Tecnologia e Informática - Formulario de Liberação"));
    resize(284, 121);
}
