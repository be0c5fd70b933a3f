#include "correction/ULiberacao.h"

#include "app/Artwork.h"
#include "app/Messages.h"
#include "app/Widgets.h"
#include "correction/UAlteracaoPonto.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QToolButton>

namespace {

// A label drawn with a one-pixel shadow above and to its left, in the highlight colour.
class ShadowLabel : public QLabel
{
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setFont(font());
        painter.setPen(palette().color(QPalette::Light));
        painter.drawText(rect().translated(-1, -1), int(alignment()), text());
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(rect(), int(alignment()), text());
    }
};

QToolButton* button(QWidget* parent, const QString& name, const QString& caption,
                    const QPixmap& picture, QRect geometry)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(caption);
    button->setIcon(picture);
    button->setIconSize(QSize(32, 32));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    button->setGeometry(geometry);
    return button;
}

} // namespace

const QString TFrmLiberacao::AccessCode = QStringLiteral("ADMPAINEL7319");

TFrmLiberacao::TFrmLiberacao(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmLiberacao"));
    setWindowTitle(QStringLiteral("Tecnologia e Informática - Formulario de Liberação"));
    setWindowFlags(Qt::Dialog | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                   Qt::WindowCloseButtonHint);
    resize(284, 121);
    setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11));

    RxLabel1 = new ShadowLabel(QStringLiteral("Digite a Senha de Liberação"), this);
    RxLabel1->setObjectName(QStringLiteral("RxLabel1"));
    RxLabel1->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 19));
    RxLabel1->setGeometry(22, 8, 239, 24);

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(10, 40, 266, 24);
    Edit1->setFont(pixelFont(QStringLiteral("Arial"), 13));
    makePasswordEdit(Edit1); // no length limit
    Edit1->setText(QStringLiteral(" "));

    SpeedButton1 = button(this, QStringLiteral("SpeedButton1"), QStringLiteral("&Ok"),
                          Artwork::check(32), QRect(46, 72, 97, 41));
    SpeedButton2 = button(this, QStringLiteral("SpeedButton2"), QStringLiteral("&Cancelar"),
                          Artwork::cross(32), QRect(150, 72, 97, 41));
    setTabOrder(Edit1, SpeedButton1);
    setTabOrder(SpeedButton1, SpeedButton2);

    connect(SpeedButton1, &QToolButton::clicked, this, &TFrmLiberacao::SpeedButton1Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &TFrmLiberacao::SpeedButton2Click);
}

void TFrmLiberacao::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // The first key typed replaces the initial blank.
    Edit1->setFocus(Qt::ActiveWindowFocusReason);
    Edit1->selectAll();
}

void TFrmLiberacao::keyPressEvent(QKeyEvent* event)
{
    // No default and no cancel button: Enter and Escape do nothing here.
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return ||
        event->key() == Qt::Key_Enter)
        return;
    QDialog::keyPressEvent(event);
}

void TFrmLiberacao::SpeedButton1Click()
{
    // Exact: same length, same characters, nothing trimmed.
    if (Edit1->text() != AccessCode) {
        showExclamation(this, QStringLiteral("Liberação"), QStringLiteral("Senha Incorreta !!!"));
        Edit1->clear();
        return;
    }
    // The dialog stays on screen beneath the correction window and closes after it.
    setResult(QDialog::Rejected);
    {
        TFrmAlteracaoPonto correction(this);
        correction.exec();
    }
    reject();
}

void TFrmLiberacao::SpeedButton2Click()
{
    reject();
}
