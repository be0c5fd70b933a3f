#include "app/EmployeeList.h"

#include "app/Messages.h"
#include "app/UDm.h"

#include <QTimer>

namespace {

// The photo is never shown from this list, so it is not fetched every minute.
const QString SelectSql = QStringLiteral("SELECT CodigoFuncionario, NomeFuncionario, senha, Ativo "
                                         "FROM Funcionario\nWhere Ativo='S'\n"
                                         "Order By NomeFuncionario");

} // namespace

EmployeeList::EmployeeList(TDM& dm, QObject* parent)
    : QAbstractListModel(parent), m_dm(dm), m_timer(new QTimer(this))
{
    m_timer->setInterval(RefreshIntervalMs);
    connect(m_timer, &QTimer::timeout, this, &EmployeeList::autoRefresh);
}

QVector<EmployeeList::Employee> EmployeeList::read()
{
    SqlResult result = m_dm.exec(SelectSql);
    QVector<Employee> rows;
    rows.reserve(result.size());
    while (result.next())
        rows.push_back({result.value(0).toInt(), result.value(1).toString(),
                        result.value(2).toString(), result.value(3).toString()});
    return rows;
}

void EmployeeList::open()
{
    QVector<Employee> rows = read();
    beginResetModel();
    m_rows = std::move(rows);
    m_open = true;
    endResetModel();
    m_current = -2;
    setCurrentRow(m_rows.isEmpty() ? -1 : 0);
    m_timer->start();
}

void EmployeeList::close()
{
    m_timer->stop();
    beginResetModel();
    m_rows.clear();
    m_open = false;
    endResetModel();
    setCurrentRow(-1);
}

void EmployeeList::refresh()
{
    const int code = currentCode();
    QVector<Employee> rows = read();
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
    int row = -1;
    for (int i = 0; i < count() && row < 0; ++i)
        if (m_rows[i].codigo == code)
            row = i;
    m_current = -2;
    setCurrentRow(row >= 0 ? row : (m_rows.isEmpty() ? -1 : 0));
    emit refreshed();
}

void EmployeeList::autoRefresh()
{
    if (!guarded([this] { refresh(); }))
        m_timer->stop(); // reported once; the list keeps what it has
}

void EmployeeList::setCurrentRow(int row)
{
    if (row == m_current)
        return;
    m_current = row;
    emit currentRowChanged(row);
}

int EmployeeList::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant EmployeeList::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= count())
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return m_rows[index.row()].nome;
    if (role == Qt::UserRole)
        return m_rows[index.row()].codigo;
    return {};
}
