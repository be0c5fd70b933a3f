#include "correction/UAlteracaoPonto.h"

#include "app/Artwork.h"
#include "app/EmployeeList.h"
#include "app/EmployeeLookupEdit.h"
#include "app/Messages.h"
#include "app/UDm.h"
#include "app/Widgets.h"
#include "correction/DaySheetModel.h"
#include "correction/PunchEditModel.h"
#include "timesheet/DaySheetBuilder.h"

#include <QApplication>
#include <QDateEdit>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTimer>
#include <QToolButton>

namespace {

QTableView* grid(QWidget* parent, const QString& name, QRect geometry)
{
    auto* view = new QTableView(parent);
    view->setObjectName(name);
    view->setGeometry(geometry);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    view->verticalHeader()->setDefaultSectionSize(20);
    return view;
}

// Typing into a cell puts the punch into edit at once, as a data grid does, so Post and
// Cancel apply to what is being typed.
class EditingDelegate : public QStyledItemDelegate
{
public:
    EditingDelegate(PunchEditModel* model, QObject* parent)
        : QStyledItemDelegate(parent), m_model(model)
    {
    }
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override
    {
        m_model->edit();
        return QStyledItemDelegate::createEditor(parent, option, index);
    }

private:
    PunchEditModel* m_model;
};

} // namespace

TFrmAlteracaoPonto::TFrmAlteracaoPonto(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmAlteracaoPonto"));
    setWindowTitle(QStringLiteral("Tresk Sistemas 10 5550-0101 / 5550-0102 / 5550-0103"));
    setWindowFlags(Qt::Dialog | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    resize(950, 724);
    setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11));
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);

    tbponto = new PunchEditModel(*DM, this);
    myPontoTmp = new DaySheetModel(this);
    myCarro = new EmployeeList(*DM, this);

    const QFont title = pixelFont(QStringLiteral("Arial"), 29, true);
    Panel1 = new Panel(QStringLiteral("Alteração Ponto do Funcionário"), QColor(0, 105, 210), this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFont(title);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setLineWidth(3);
    auto* titleLayout = new QHBoxLayout(Panel1);
    titleLayout->setContentsMargins(0, 0, 0, 0);
    titleLayout->addStretch();
    Panel5 = new Panel(QStringLiteral("X"), Qt::red, Panel1);
    Panel5->setObjectName(QStringLiteral("Panel5"));
    Panel5->setFont(title);
    Panel5->setFixedWidth(56);
    Panel5->setCursor(Qt::PointingHandCursor);
    titleLayout->addWidget(Panel5);

    CRDBGrid1 = grid(this, QStringLiteral("CRDBGrid1"), QRect(5, 56, 937, 207));
    CRDBGrid1->setModel(tbponto);
    CRDBGrid1->setItemDelegate(new EditingDelegate(tbponto, CRDBGrid1));
    CRDBGrid1->setSelectionBehavior(QAbstractItemView::SelectItems);
    CRDBGrid1->setEditTriggers(QAbstractItemView::DoubleClicked |
                               QAbstractItemView::EditKeyPressed |
                               QAbstractItemView::AnyKeyPressed);
    const int punchWidths[] = {84, 64, 599, 92};
    for (int column = 0; column < 4; ++column)
        CRDBGrid1->setColumnWidth(column, punchWidths[column]);
    CRDBGrid1->installEventFilter(this);
    popmenu1 = new QMenu(CRDBGrid1);
    popmenu1->setObjectName(QStringLiteral("popmenu1"));
    ExcluirRegistro1 = popmenu1->addAction(QStringLiteral("Excluir Registro"));
    ExcluirRegistro1->setObjectName(QStringLiteral("ExcluirRegistro1"));
    CRDBGrid1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(CRDBGrid1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { popmenu1->popup(CRDBGrid1->viewport()->mapToGlobal(at)); });

    JvDBNavigator1 = new QWidget(this);
    JvDBNavigator1->setObjectName(QStringLiteral("JvDBNavigator1"));
    JvDBNavigator1->setGeometry(2, 260, 224, 25);
    JvDBNavigator1->setCursor(Qt::PointingHandCursor);
    auto* navLayout = new QHBoxLayout(JvDBNavigator1);
    navLayout->setContentsMargins(0, 0, 0, 0);
    navLayout->setSpacing(0);
    const auto navButton = [&](const QString& name, const QIcon& icon, const QString& hint) {
        auto* button = new QToolButton(JvDBNavigator1);
        button->setObjectName(name);
        button->setIcon(icon);
        button->setToolTip(hint);
        button->installEventFilter(this); // hints are set but not shown
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        navLayout->addWidget(button);
        return button;
    };
    navEdit =
        navButton(QStringLiteral("Edit"), Artwork::pencil(18), QStringLiteral("Editar Registro"));
    navPost =
        navButton(QStringLiteral("Post"), Artwork::check(18), QStringLiteral("Salvar Editar"));
    navCancel =
        navButton(QStringLiteral("Cancel"), Artwork::cross(18), QStringLiteral("Cancelar Editar"));
    navRefresh =
        navButton(QStringLiteral("Refresh"), style()->standardIcon(QStyle::SP_BrowserReload),
                  QStringLiteral("Atualizar Registro"));

    CRDBGrid2 = grid(this, QStringLiteral("CRDBGrid2"), QRect(0, 286, 937, 379));
    CRDBGrid2->setModel(myPontoTmp);
    CRDBGrid2->setSelectionBehavior(QAbstractItemView::SelectRows);
    CRDBGrid2->setEditTriggers(QAbstractItemView::NoEditTriggers);
    const int sheetWidths[] = {84, 93, 109, 111, 104};
    for (int column = 0; column < 5; ++column)
        CRDBGrid2->setColumnWidth(column, sheetWidths[column]);

    GroupBox1 = new QGroupBox(QStringLiteral("Digite os Dados para a Consulta:"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(0, 724 - 59, 950, 59);
    const QFont bold13 = pixelFont(QStringLiteral("MS Sans Serif"), 13, true);
    LabelOpPagarTipoAberto =
        placedLabel(GroupBox1, QStringLiteral("LabelOpPagarTipoAberto"),
                    QStringLiteral("Nome do Funcionario"), QRect(8, 16, 0, 0), bold13);
    RxLookupEdit1 = new EmployeeLookupEdit(myCarro, GroupBox1);
    RxLookupEdit1->setObjectName(QStringLiteral("RxLookupEdit1"));
    RxLookupEdit1->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 13));
    RxLookupEdit1->setGeometry(8, 32, 393, 24);
    Label2 = placedLabel(GroupBox1, QStringLiteral("Label2"), QStringLiteral("Data Inicial"),
                         QRect(416, 16, 0, 0), bold13);
    DTI = datePicker(GroupBox1, QStringLiteral("DTI"), QRect(408, 32, 89, 21));
    Label3 = placedLabel(GroupBox1, QStringLiteral("Label3"), QStringLiteral("Data Final"),
                         QRect(520, 16, 0, 0), bold13);
    DTF = datePicker(GroupBox1, QStringLiteral("DTF"), QRect(512, 32, 89, 21));
    TSpeedButton = new QToolButton(GroupBox1);
    TSpeedButton->setObjectName(QStringLiteral("TSpeedButton"));
    TSpeedButton->setText(QStringLiteral("&Pesquisa"));
    TSpeedButton->setIcon(Artwork::databaseSearch(24));
    TSpeedButton->setIconSize(QSize(24, 24));
    TSpeedButton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    TSpeedButton->setAutoRaise(true);
    TSpeedButton->setCursor(Qt::PointingHandCursor);
    TSpeedButton->setGeometry(605, 16, 110, 37);
    Label1 = placedLabel(GroupBox1, QStringLiteral("Label1"), QStringLiteral("Total de Horas"),
                         QRect(729, 24, 0, 0), pixelFont(QStringLiteral("Arial"), 16, true));
    Label4 = placedLabel(GroupBox1, QStringLiteral("Label4"), {}, QRect(856, 24, 0, 0),
                         pixelFont(QStringLiteral("Arial"), 19, true));
    Label4->resize(90, 24);

    setTabOrder(DTI, DTF);
    setTabOrder(DTF, RxLookupEdit1);
    setTabOrder(RxLookupEdit1, TSpeedButton);

    connect(Panel5, &Panel::clicked, this, &TFrmAlteracaoPonto::Panel5Click);
    connect(TSpeedButton, &QToolButton::clicked, this, &TFrmAlteracaoPonto::TSpeedButtonClick);
    connect(ExcluirRegistro1, &QAction::triggered, this,
            &TFrmAlteracaoPonto::ExcluirRegistro1Click);
    connect(navEdit, &QToolButton::clicked, this, [this] { tbponto->edit(); });
    connect(navPost, &QToolButton::clicked, this, [this] {
        // A cell still being typed into is taken first.
        QWidget* editor = QApplication::focusWidget();
        if (editor && editor->parentWidget() == CRDBGrid1->viewport()) {
            QMetaObject::invokeMethod(CRDBGrid1, "commitData", Q_ARG(QWidget*, editor));
            QMetaObject::invokeMethod(
                CRDBGrid1, "closeEditor", Q_ARG(QWidget*, editor),
                Q_ARG(QAbstractItemDelegate::EndEditHint, QAbstractItemDelegate::NoHint));
        }
        guarded([this] { tbponto->post(); });
    });
    connect(navCancel, &QToolButton::clicked, this, [this] { tbponto->cancel(); });
    connect(navRefresh, &QToolButton::clicked, this, [this] {
        guarded([this] { tbponto->refresh(); });
        showCurrentPunch();
    });
    connect(tbponto, &PunchEditModel::stateChanged, this, &TFrmAlteracaoPonto::updateNavigator);
    connect(tbponto, &QAbstractItemModel::modelReset, this, &TFrmAlteracaoPonto::updateNavigator);
    connect(CRDBGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (m_syncing || !current.isValid())
                    return;
                // Leaving a row posts its edit, as the data grid does.
                m_syncing = true;
                guarded([&] { tbponto->moveTo(current.row()); });
                m_syncing = false;
                showCurrentPunch();
            });

    FormCreate();
}

void TFrmAlteracaoPonto::FormCreate()
{
    guarded([this] { myCarro->open(); });
    RxLookupEdit1->setCurrentIndex(-1);
    RxLookupEdit1->setEditText({});
    DTI->setDate(QDate::currentDate());
    DTF->setDate(QDate::currentDate());
    Label4->hide();
    Label1->hide();
    updateNavigator();
    DTI->setFocus();
}

void TFrmAlteracaoPonto::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    Panel1->setGeometry(0, 0, width(), 50);
    GroupBox1->setGeometry(0, height() - 59, width(), 59);
}

void TFrmAlteracaoPonto::TSpeedButtonClick()
{
    guarded([this] {
        // An unposted edit goes with the old rows, as closing a dataset discards it.
        tbponto->cancel();
        const int code = myCarro->currentCode();
        const QString name = myCarro->currentName(); // the chosen employee's own name
        const DaySheet sheet = DaySheetBuilder(*DM).build(code, name, DTI->date(), DTF->date(),
                                                          DaySheetVariant::Correction);
        // The view picks a current cell of its own on a reset; the query's last row wins.
        m_syncing = true;
        tbponto->setRows(sheet.punches, code, DTI->date(), DTF->date());
        m_syncing = false;
        CRDBGrid1->setCurrentIndex({});
        myPontoTmp->setRows(sheet.rows);
        if (sheet.hadPunches) {
            tothorasrel = sheet.periodTotal;
            Label4->setText(tothorasrel);
            Label4->adjustSize();
            Label4->show();
            Label1->show();
        }
        showCurrentPunch();
    });
}

void TFrmAlteracaoPonto::showCurrentPunch()
{
    const int row = tbponto->currentRow();
    const QModelIndex shown = CRDBGrid1->currentIndex();
    if (row < 0 || row >= tbponto->count() || (shown.isValid() && shown.row() == row))
        return;
    m_syncing = true;
    CRDBGrid1->setCurrentIndex(tbponto->index(row, shown.isValid() ? shown.column() : 0));
    m_syncing = false;
    // After a reset the grid lays out its rows later; scroll once it has.
    QTimer::singleShot(0, CRDBGrid1, [this] { CRDBGrid1->scrollTo(CRDBGrid1->currentIndex()); });
}

void TFrmAlteracaoPonto::ExcluirRegistro1Click()
{
    const auto answer = messages().show({nullptr, QMessageBox::Question, QStringLiteral("Exclusão"),
                                         QStringLiteral("Deseja excluir este registro?"),
                                         QMessageBox::Yes | QMessageBox::No, QMessageBox::No});
    if (answer != QMessageBox::Yes)
        return;
    guarded([this] { tbponto->deleteCurrent(); });
    showCurrentPunch();
}

bool TFrmAlteracaoPonto::CRDBGrid1KeyDown(QKeyEvent* event)
{
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    if (event->key() == Qt::Key_Delete && (mods & Qt::ControlModifier) &&
        !(mods & Qt::AltModifier)) {
        const auto answer =
            messages().show({this, QMessageBox::Question, QStringLiteral("Confirmação"),
                             QStringLiteral("Delete record?"),
                             QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel});
        if (answer == QMessageBox::Ok) {
            guarded([this] { tbponto->deleteCurrent(); });
            showCurrentPunch();
        }
        return true;
    }
    if (!tbponto->isOpen())
        return false;
    if (event->key() == Qt::Key_Insert && mods == Qt::NoModifier) {
        guarded([this] { tbponto->insertAt(std::max(0, tbponto->currentRow())); });
        showCurrentPunch();
        return true;
    }
    if (event->key() == Qt::Key_Down && mods == Qt::NoModifier &&
        tbponto->currentRow() == tbponto->count() - 1 &&
        tbponto->state() != PunchEditModel::Insert) {
        // Down past the last row appends a new one.
        guarded([this] { tbponto->insertAt(tbponto->count()); });
        showCurrentPunch();
        return true;
    }
    return false;
}

bool TFrmAlteracaoPonto::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ToolTip && watched->parent() == JvDBNavigator1)
        return true; // hint display is off
    if (watched == CRDBGrid1 && event->type() == QEvent::KeyPress &&
        CRDBGrid1KeyDown(static_cast<QKeyEvent*>(event)))
        return true;
    return QDialog::eventFilter(watched, event);
}

void TFrmAlteracaoPonto::updateNavigator()
{
    const bool open = tbponto->isOpen();
    const bool editing = tbponto->state() != PunchEditModel::Browse;
    navEdit->setEnabled(open && !editing && tbponto->count() > 0);
    navPost->setEnabled(editing);
    navCancel->setEnabled(editing);
    navRefresh->setEnabled(open);
}

void TFrmAlteracaoPonto::Panel5Click()
{
    reject();
}

void TFrmAlteracaoPonto::done(int result)
{
    FormClose();
    QDialog::done(result);
}

void TFrmAlteracaoPonto::FormClose()
{
    myCarro->close();
}
