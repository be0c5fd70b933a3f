#include "reports/UOpPontoFunc.h"

TOpPontoFunc* OpPontoFunc = nullptr;

TOpPontoFunc::TOpPontoFunc(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Opção de Relatorio Funcionario no Periodo"));
    resize(580, 113);
}

TOpPontoFunc::~TOpPontoFunc()
{
    if (OpPontoFunc == this)
        OpPontoFunc = nullptr;
}
