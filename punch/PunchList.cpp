#include "punch/PunchList.h"

#include "app/ColumnTitles.h"
#include "app/Formats.h"
#include "app/UDm.h"

#include <QVariant>

namespace {

const QString SelectSql =
    QStringLiteral("SELECT * FROM Ponto WHERE (Data=:MData) and senha = :Senha");
const QString InsertSql = QStringLiteral(
    "INSERT INTO ponto (codigofuncionario, nomefuncionario, foto, data, hora, c, senha) "
    "VALUES (:codigo, :nome, :foto, :data, :hora, :c, :senha)");

QVariant nullableBytes(const QByteArray& bytes)
{
    // A missing photo is stored as NULL, an empty one as zero bytes.
    return bytes.isNull() ? QVariant(QMetaType(QMetaType::QByteArray)) : QVariant(bytes);
}

} // namespace

PunchList::PunchList(TDM& dm, QObject* parent) : QAbstractTableModel(parent), m_dm(dm) {}

void PunchList::open(const QDate& date, const QString& key)
{
    m_date = date;
    m_key = key;
    QVector<PunchRow> rows;
    try {
        rows = read();
    } catch (...) {
        close(); // a failed opening leaves the list closed
        throw;
    }
    m_open = true;
    replaceRows(std::move(rows), 0, 0);
}

void PunchList::close()
{
    if (!m_open && m_rows.isEmpty())
        return;
    beginResetModel();
    m_rows.clear();
    m_open = false;
    endResetModel();
    setCurrentRow(-1);
}

void PunchList::refresh()
{
    if (!m_open)
        return;
    const PunchRow* cur = current();
    replaceRows(read(), cur ? cur->id : 0, m_current);
}

void PunchList::append(const PunchRow& punch)
{
    const SqlResult insert =
        m_dm.exec(InsertSql, {
                                 {QStringLiteral("codigo"), punch.codigofuncionario},
                                 {QStringLiteral("nome"), punch.nomefuncionario},
                                 {QStringLiteral("foto"), nullableBytes(punch.foto)},
                                 {QStringLiteral("data"), punch.data},
                                 {QStringLiteral("hora"), punch.hora},
                                 {QStringLiteral("c"), punch.c},
                                 {QStringLiteral("senha"), punch.senha},
                             });
    const int id = static_cast<int>(insert.lastInsertId);
    replaceRows(read(), id, count());
}

QVector<PunchRow> PunchList::read() const
{
    SqlResult query =
        m_dm.exec(SelectSql, {{QStringLiteral("MData"), m_date}, {QStringLiteral("Senha"), m_key}});
    return fromResult(query);
}

QVector<PunchRow> PunchList::fromResult(SqlResult& query)
{
    const int id = query.indexOf(QStringLiteral("id"));
    const int codigo = query.indexOf(QStringLiteral("codigofuncionario"));
    const int nome = query.indexOf(QStringLiteral("nomefuncionario"));
    const int data = query.indexOf(QStringLiteral("data"));
    const int hora = query.indexOf(QStringLiteral("hora"));
    const int foto = query.indexOf(QStringLiteral("foto"));
    const int c = query.indexOf(QStringLiteral("c"));
    const int senha = query.indexOf(QStringLiteral("senha"));
    const int processed = query.indexOf(QStringLiteral("dataprocessamento"));
    QVector<PunchRow> rows;
    rows.reserve(query.size());
    while (query.next()) {
        PunchRow row;
        row.id = query.value(id).toInt();
        row.codigofuncionario = query.value(codigo).toDouble();
        row.nomefuncionario = query.value(nome).toString();
        row.data = query.value(data).toDate();
        row.hora = query.value(hora).toString();
        row.foto = query.value(foto).toByteArray();
        row.c = query.value(c).toDouble();
        row.senha = query.value(senha).toString();
        row.dataprocessamento = query.value(processed).toDateTime();
        rows.push_back(std::move(row));
    }
    return rows;
}

void PunchList::replaceRows(QVector<PunchRow> rows, int currentId, int fallbackRow)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
    int current = rowOfId(currentId);
    if (current < 0)
        current = m_rows.isEmpty() ? -1 : std::clamp(fallbackRow, 0, count() - 1);
    m_current = -2; // a reset always tells the viewers where the current row is
    setCurrentRow(current);
}

const PunchRow* PunchList::current() const
{
    return m_current >= 0 && m_current < count() ? &m_rows[m_current] : nullptr;
}

void PunchList::setCurrentRow(int row)
{
    if (row == m_current)
        return;
    m_current = row;
    emit currentRowChanged(row);
}

int PunchList::rowOfId(int id) const
{
    for (int i = 0; i < count(); ++i)
        if (m_rows[i].id == id)
            return i;
    return -1;
}

int PunchList::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : count();
}

int PunchList::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant PunchList::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= count())
        return {};
    const PunchRow& punch = m_rows[index.row()];
    if (role == Qt::DisplayRole) {
        switch (index.column()) {
        case ColData:
            return Formats::shortDate(punch.data);
        case ColHora:
            return Formats::longTime(Formats::timeOfDay(punch.hora));
        case ColNome:
            return punch.nomefuncionario;
        }
    } else if (role == SortRole) {
        switch (index.column()) {
        case ColData:
            return punch.data;
        case ColHora:
            return Formats::timeTextMsecs(punch.hora).value_or(-1);
        case ColNome:
            return punch.nomefuncionario;
        }
    }
    return {};
}

QVariant PunchList::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const QStringList titles = {QStringLiteral("Data"), QStringLiteral("Hora"),
                                       QStringLiteral("Nome do Funcionario")};
    return columnTitle(titles, section, role);
}
