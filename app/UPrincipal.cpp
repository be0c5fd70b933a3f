#include "app/UPrincipal.h"

#include "app/Artwork.h"
#include "app/Messages.h"
#include "app/UDm.h"
#include "app/Widgets.h"
#include "punch/UPontootica.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

TFrmPrincipal* FrmPrincipal = nullptr;

const QString TFrmPrincipal::VersionText = QStringLiteral(" - VERSÃO 18-03-2020 / 17:30");

TFrmPrincipal::TFrmPrincipal(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("FrmPrincipal"));
    // A frame that resizes but offers no system menu, minimise, maximise or close button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    resize(1072, 768);
    setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    const QFont titleFont = pixelFont(QStringLiteral("Arial"), 27, true);
    Panel1 =
        new Panel(QStringLiteral("Controle de Ponto dos Funcionáios"), QColor(0, 105, 210), this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFont(titleFont);
    Panel1->setFixedHeight(41);
    auto* titleLayout = new QHBoxLayout(Panel1);
    titleLayout->setContentsMargins(0, 0, 0, 0);
    titleLayout->addStretch();
    Panel2 = new Panel(QStringLiteral("X"), Qt::red, Panel1);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setFont(titleFont);
    Panel2->setFixedWidth(47);
    Panel2->setCursor(Qt::PointingHandCursor);
    titleLayout->addWidget(Panel2);
    layout->addWidget(Panel1);

    GroupBox1 = new QGroupBox(this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setFixedHeight(103);
    TSpeedButton = new QToolButton(GroupBox1);
    TSpeedButton->setObjectName(QStringLiteral("TSpeedButton"));
    TSpeedButton->setText(QStringLiteral("&Ponto"));
    TSpeedButton->setIcon(Artwork::clock(72));
    TSpeedButton->setIconSize(QSize(72, 72));
    TSpeedButton->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    TSpeedButton->setAutoRaise(true);
    TSpeedButton->setCursor(Qt::PointingHandCursor);
    TSpeedButton->setGeometry(2, 0, 100, 100);
    layout->addWidget(GroupBox1);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAlignment(Qt::AlignCenter); // stays centred when the window is resized
    Image1->setPixmap(Artwork::welcome(QSize(500, 348)));
    Image1->setMinimumSize(1, 1);
    layout->addWidget(Image1, 1);

    connect(Panel2, &Panel::clicked, this, &TFrmPrincipal::Panel2Click);
    connect(TSpeedButton, &QToolButton::clicked, this, &TFrmPrincipal::TSpeedButtonClick);
    FormCreate();
}

QString TFrmPrincipal::caption(const QString& company, const QString& server)
{
    return QStringLiteral("EMPRESA : ") + company + VersionText + QStringLiteral(" - ") + server;
}

void TFrmPrincipal::FormCreate()
{
    setWindowTitle(DM ? caption(DM->tbConfiguracaoNome(), DM->serverName()) : caption({}, {}));
}

void TFrmPrincipal::Panel2Click()
{
    close();
}

void TFrmPrincipal::TSpeedButtonClick()
{
    // A fresh terminal each time, so nothing of the last one survives.
    TFrmPontootica terminal;
    terminal.exec();
}
