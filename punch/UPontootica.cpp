#include "punch/UPontootica.h"

#include "app/Artwork.h"
#include "app/Formats.h"
#include "app/Messages.h"
#include "app/UDm.h"
#include "app/Widgets.h"
#include "correction/ULiberacao.h"
#include "punch/MultiSortProxy.h"
#include "punch/PunchList.h"
#include "punch/PunchRecorder.h"
#include "reports/UOpPontoFunc.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString Attention = QStringLiteral("Atenção");

QToolButton* speedButton(QWidget* parent, const QString& name, const QString& caption,
                         const QPixmap& picture, QRect geometry)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(caption);
    button->setIcon(picture);
    button->setIconSize(picture.size());
    button->setToolButtonStyle(caption.isEmpty() ? Qt::ToolButtonIconOnly
                                                 : Qt::ToolButtonTextUnderIcon);
    button->setAutoRaise(true); // flat: the edge shows only under the mouse pointer
    button->setCursor(Qt::PointingHandCursor);
    button->setGeometry(geometry);
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

Panel* band(QWidget* parent, const QString& name, const QString& caption, const QColor& colour,
            int height, int fontPixels)
{
    auto* panel = new Panel(caption, colour, parent);
    panel->setObjectName(name);
    panel->setFont(pixelFont(QStringLiteral("Arial"), fontPixels, name == u"Panel1"));
    panel->setFixedHeight(height);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(3);
    return panel;
}

} // namespace

TFrmPontootica::TFrmPontootica(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmPontootica"));
    setWindowTitle(QStringLiteral("TRESK Sistemas - 10 5550-0101 / 5550-0102 / 5550-0103"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    resize(894, 641);
    setFont(pixelFont(QStringLiteral("Arial"), 12, true));

    MyPonto = new PunchList(*DM, this);
    myFuncionario = new EmployeeLookup(*DM);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    Panel1 = band(this, QStringLiteral("Panel1"), QStringLiteral("Ponto do Funcionário"),
                  QColor(0, 105, 210), 50, 29);
    auto* titleLayout = new QHBoxLayout(Panel1);
    titleLayout->setContentsMargins(0, 0, 0, 0);
    titleLayout->addStretch();
    Panel5 = new Panel(QStringLiteral("X"), Qt::red, Panel1);
    Panel5->setObjectName(QStringLiteral("Panel5"));
    Panel5->setFont(Panel1->font());
    Panel5->setFixedWidth(56);
    Panel5->setCursor(Qt::PointingHandCursor);
    titleLayout->addWidget(Panel5);
    layout->addWidget(Panel1);

    GroupBox1 = new QGroupBox(this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setFixedHeight(92);
    GroupBox1->setAutoFillBackground(true);
    QPalette white = GroupBox1->palette();
    white.setColor(QPalette::Window, Qt::white);
    GroupBox1->setPalette(white);
    const QFont big = pixelFont(QStringLiteral("MS Sans Serif"), 24, true);
    Label4 = placedLabel(GroupBox1, QStringLiteral("Label4"),
                         QStringLiteral("Senha do Funcionario"), QRect(11, 31, 0, 0), big);
    edtLocalizar = new QLineEdit(GroupBox1);
    edtLocalizar->setObjectName(QStringLiteral("edtLocalizar"));
    edtLocalizar->setGeometry(274, 29, 215, 29);
    edtLocalizar->setMaxLength(5);
    makePasswordEdit(edtLocalizar);
    edtLocalizar->setFont(pixelFont(QStringLiteral("Symbol"), 19, true));
    SpeedButton2 = speedButton(GroupBox1, QStringLiteral("SpeedButton2"), {}, Artwork::punch(72),
                               QRect(505, 8, 80, 80));
    SpeedButton2->setToolTip(QStringLiteral("Localizar Funcionario"));
    const QFont regular = pixelFont(QStringLiteral("Arial"), 12);
    TSpeedButton =
        speedButton(GroupBox1, QStringLiteral("TSpeedButton"), QStringLiteral("Alteração"),
                    Artwork::pencil(35), QRect(588, 8, 80, 80));
    TSpeedButton->setFont(regular);
    TSpeedButton11 =
        speedButton(GroupBox1, QStringLiteral("TSpeedButton11"), QStringLiteral("Relatórios"),
                    Artwork::document(QSize(28, 32)), QRect(672, 8, 80, 80));
    TSpeedButton11->setFont(regular);
    layout->addWidget(GroupBox1);

    Panel3 = new QWidget(this);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    Panel3->setAutoFillBackground(true);
    Panel3->setPalette(white);
    Label1 = placedLabel(Panel3, QStringLiteral("Label1"), QStringLiteral("Nome do Funcionario"),
                         QRect(19, 12, 0, 0), big);
    Label2 = placedLabel(Panel3, QStringLiteral("Label2"), QStringLiteral("Data"),
                         QRect(19, 108, 0, 0), big);
    Label3 = placedLabel(Panel3, QStringLiteral("Label3"), QStringLiteral("Hora"),
                         QRect(19, 191, 0, 0), big);
    const QFont value = pixelFont(QStringLiteral("MS Sans Serif"), 32);
    DBText1 = placedLabel(Panel3, QStringLiteral("DBText1"), {}, QRect(17, 51, 616, 41), value);
    DBText2 = placedLabel(Panel3, QStringLiteral("DBText2"), {}, QRect(17, 144, 160, 41), value);
    DBText3 = placedLabel(Panel3, QStringLiteral("DBText3"), {}, QRect(17, 224, 160, 41), value);
    DBImage1 = new QLabel(Panel3);
    DBImage1->setObjectName(QStringLiteral("DBImage1"));
    DBImage1->setGeometry(640, 8, 160, 137);
    DBImage1->setFrameStyle(QFrame::Box | QFrame::Plain);
    DBImage1->setAlignment(Qt::AlignCenter); // own size, centred, never stretched
    layout->addWidget(Panel3, 1);

    GroupBox2 = new QGroupBox(this);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    GroupBox2->setFixedHeight(193);
    auto* gridLayout = new QVBoxLayout(GroupBox2);
    gridLayout->setContentsMargins(2, 2, 2, 2);
    gridLayout->setSpacing(0);
    m_sorted = new MultiSortProxy(this);
    m_sorted->setSourceModel(MyPonto);
    CRDBGrid1 = new QTableView(GroupBox2);
    CRDBGrid1->setObjectName(QStringLiteral("CRDBGrid1"));
    CRDBGrid1->setModel(m_sorted);
    CRDBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    CRDBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    CRDBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    CRDBGrid1->setTabKeyNavigation(true); // Tab walks the cells and rows
    CRDBGrid1->verticalHeader()->setDefaultSectionSize(22);
    CRDBGrid1->horizontalHeader()->setFont(pixelFont(QStringLiteral("Arial"), 12, true));
    CRDBGrid1->horizontalHeader()->setSectionsClickable(true);
    CRDBGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    CRDBGrid1->setColumnWidth(PunchList::ColData, 74);
    CRDBGrid1->setColumnWidth(PunchList::ColHora, 109);
    CRDBGrid1->setColumnWidth(PunchList::ColNome, 447);
    CRDBGrid1->installEventFilter(this);
    gridLayout->addWidget(CRDBGrid1, 1);
    CRDBGrid1Status = new QLabel(GroupBox2);
    CRDBGrid1Status->setObjectName(QStringLiteral("CRDBGrid1Status"));
    CRDBGrid1Status->setFont(regular);
    gridLayout->addWidget(CRDBGrid1Status);
    layout->addWidget(GroupBox2);

    Panel4 = band(this, QStringLiteral("Panel4"),
                  QStringLiteral("Tresk Sistemas 10 5550 0101 - 5550 0102 - 5550 0103"),
                  QColor(0, 94, 187), 35, 19);
    layout->addWidget(Panel4);

    setTabOrder(edtLocalizar, SpeedButton2);
    setTabOrder(SpeedButton2, TSpeedButton);
    setTabOrder(TSpeedButton, TSpeedButton11);
    setTabOrder(TSpeedButton11, CRDBGrid1);

    refreshTimer = new QTimer(this);
    refreshTimer->setInterval(RefreshIntervalMs);

    connect(Panel5, &Panel::clicked, this, &TFrmPontootica::Panel5Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &TFrmPontootica::SpeedButton2Click);
    connect(TSpeedButton, &QToolButton::clicked, this, &TFrmPontootica::TSpeedButtonClick);
    connect(TSpeedButton11, &QToolButton::clicked, this, &TFrmPontootica::TSpeedButton11Click);
    connect(refreshTimer, &QTimer::timeout, this, &TFrmPontootica::autoRefresh);
    connect(CRDBGrid1->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int column) {
        m_sorted->titleClicked(column, QApplication::keyboardModifiers());
        const auto& keys = m_sorted->sortKeys();
        CRDBGrid1->horizontalHeader()->setSortIndicatorShown(!keys.isEmpty());
        if (!keys.isEmpty())
            CRDBGrid1->horizontalHeader()->setSortIndicator(keys.front().first,
                                                            keys.front().second);
        showCurrentInGrid();
    });
    connect(MyPonto, &PunchList::currentRowChanged, this, [this] {
        showCurrentPunch();
        showCurrentInGrid();
    });
    connect(MyPonto, &QAbstractItemModel::modelReset, this, &TFrmPontootica::updateStatusLine);
    connect(CRDBGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid())
                    MyPonto->setCurrentRow(m_sorted->mapToSource(current).row());
                updateStatusLine();
            });

    FormCreate();
}

TFrmPontootica::~TFrmPontootica()
{
    delete myFuncionario;
}

int TFrmPontootica::exec()
{
    setWindowState(windowState() | Qt::WindowMaximized);
    return QDialog::exec();
}

void TFrmPontootica::FormCreate()
{
    for (QWidget* control : detailControls())
        control->hide();
    edtLocalizar->setFocus();
    refreshTimer->start();
    updateStatusLine();
}

QList<QWidget*> TFrmPontootica::detailControls() const
{
    return {Label1, Label2, Label3, DBText1, DBText2, DBText3, DBImage1};
}

void TFrmPontootica::SpeedButton2Click()
{
    guarded([this] {
        const TPunchOutcome outcome = RecordPunch(*MyPonto, *myFuncionario, edtLocalizar->text());
        switch (outcome) {
        case prBlank:
            showExclamation(this, Attention, QStringLiteral("Senha do Funcionario em Branco !!!"));
            edtLocalizar->setFocus();
            break;
        case prDayLimit:
            showExclamation(
                this, Attention,
                QStringLiteral("Este Funcionario já tem 04 Registros Apontados, Nesta Data !!!"));
            edtLocalizar->setFocus();
            edtLocalizar->clear();
            break;
        case prNotFound:
            showExclamation(this, Attention,
                            QStringLiteral("Senha do Funcionario não encontrada !!!"));
            edtLocalizar->setFocus();
            edtLocalizar->clear();
            break;
        case prRecorded:
            for (QWidget* control : detailControls())
                control->show();
            edtLocalizar->clear();
            break;
        }
    });
}

void TFrmPontootica::TSpeedButtonClick()
{
    TFrmLiberacao dialog;
    dialog.exec();
}

void TFrmPontootica::TSpeedButton11Click()
{
    TOpPontoFunc options;
    OpPontoFunc = &options;
    options.exec();
}

void TFrmPontootica::Panel5Click()
{
    reject();
}

void TFrmPontootica::autoRefresh()
{
    if (!MyPonto->isOpen())
        return;
    const bool ok = guarded([this] { MyPonto->refresh(); });
    if (!ok)
        refreshTimer->stop(); // reported once; this window re-reads no more
}

void TFrmPontootica::showCurrentPunch()
{
    const PunchRow* punch = MyPonto->current();
    DBText1->setText(punch ? punch->nomefuncionario : QString());
    DBText2->setText(punch ? Formats::shortDate(punch->data) : QString());
    DBText3->setText(punch ? Formats::longTime(Formats::timeOfDay(punch->hora)) : QString());
    QPixmap photo;
    if (punch && !punch->foto.isEmpty())
        photo.loadFromData(punch->foto); // bytes that are no picture give an empty picture
    DBImage1->setPixmap(photo);
}

void TFrmPontootica::showCurrentInGrid()
{
    const int row = MyPonto->currentRow();
    const QModelIndex index =
        row < 0 ? QModelIndex() : m_sorted->mapFromSource(MyPonto->index(row, 0));
    if (index.isValid() && CRDBGrid1->currentIndex().row() != index.row())
        CRDBGrid1->setCurrentIndex(index);
    updateStatusLine();
}

void TFrmPontootica::updateStatusLine()
{
    if (!MyPonto->isOpen()) {
        CRDBGrid1Status->clear();
        return;
    }
    const QModelIndex current = CRDBGrid1->currentIndex();
    CRDBGrid1Status->setText(QStringLiteral("%1/%2")
                                 .arg(current.isValid() ? current.row() + 1 : 0)
                                 .arg(MyPonto->count()));
}

bool TFrmPontootica::CRDBGrid1KeyDown(QKeyEvent* event)
{
    // Ctrl+Delete alone is the grid's delete-row key: no punch is deleted at the terminal.
    return event->key() == Qt::Key_Delete && event->modifiers() == Qt::ControlModifier;
}

bool TFrmPontootica::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == CRDBGrid1 && event->type() == QEvent::KeyPress &&
        CRDBGrid1KeyDown(static_cast<QKeyEvent*>(event)))
        return true;
    return QDialog::eventFilter(watched, event);
}

void TFrmPontootica::keyPressEvent(QKeyEvent* event)
{
    // The terminal has no default or cancel button: Enter and Escape do nothing.
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return ||
        event->key() == Qt::Key_Enter)
        return;
    QDialog::keyPressEvent(event);
}

void TFrmPontootica::done(int result)
{
    FormClose();
    QDialog::done(result);
}

void TFrmPontootica::FormClose()
{
    refreshTimer->stop();
    MyPonto->close();
    myFuncionario->close();
}
