#include "correction/PunchEditModel.h"

#include "app/ColumnTitles.h"
#include "app/Formats.h"
#include "app/Messages.h"
#include "app/UDm.h"
#include "timesheet/DaySheetBuilder.h"

#include <QLocale>

PunchEditModel::PunchEditModel(TDM& dm, QObject* parent) : QAbstractTableModel(parent), m_dm(dm) {}

void PunchEditModel::setRows(QVector<PunchRow> rows, int employeeCode, const QDate& first,
                             const QDate& last)
{
    beginResetModel();
    m_rows = std::move(rows);
    m_open = true;
    m_code = employeeCode;
    m_first = first;
    m_last = last;
    m_current = count() - 1;
    endResetModel();
    setState(Browse);
}

void PunchEditModel::close()
{
    beginResetModel();
    m_rows.clear();
    m_open = false;
    m_current = -1;
    endResetModel();
    setState(Browse);
}

void PunchEditModel::refresh()
{
    if (!m_open)
        return;
    if (m_state != Browse)
        post();
    SqlResult result = m_dm.exec(DaySheetBuilder::punchQuery(DaySheetVariant::Correction),
                                 {{QStringLiteral("DataI"), m_first},
                                  {QStringLiteral("Dataf"), m_last},
                                  {QStringLiteral("Mnome"), double(m_code)}});
    const int id = m_current >= 0 ? m_rows[m_current].id : 0;
    beginResetModel();
    m_rows = PunchList::fromResult(result);
    m_current = count() - 1;
    for (int i = 0; i < count(); ++i)
        if (m_rows[i].id == id)
            m_current = i;
    endResetModel();
}

int PunchEditModel::leaveEdit(int row)
{
    if (m_state == Insert && !m_dataChanged && !m_horaChanged) {
        const int dropped = m_current;
        setState(Browse);
        dropRow(dropped);
        if (row > dropped)
            --row;
    } else if (m_state != Browse) {
        post();
    }
    return row;
}

int PunchEditModel::moveTo(int row)
{
    if (row == m_current)
        return row;
    row = leaveEdit(row);
    m_current = row;
    return row;
}

void PunchEditModel::edit()
{
    if (m_state != Browse || m_current < 0)
        return;
    m_original = m_rows[m_current];
    m_dataChanged = m_horaChanged = false;
    setState(Edit);
}

void PunchEditModel::post()
{
    if (m_state == Browse)
        return;
    PunchRow& punch = m_rows[m_current];
    if (!m_dataChanged && !m_horaChanged) {
        if (m_state == Insert) {
            setState(Browse);
            dropRow(m_current);
        } else {
            setState(Browse);
        }
        return;
    }
    // Only the changed columns are written; a new row holds nothing but its date and time.
    QStringList columns;
    SqlParams params;
    if (m_dataChanged) {
        columns << QStringLiteral("data");
        params << qMakePair(QStringLiteral("data"), QVariant(punch.data));
    }
    if (m_horaChanged) {
        columns << QStringLiteral("hora");
        params << qMakePair(QStringLiteral("hora"), QVariant(punch.hora));
    }
    if (m_state == Insert) {
        QStringList values;
        for (const QString& column : columns)
            values << QLatin1Char(':') + column;
        const SqlResult result = m_dm.exec(
            QStringLiteral("INSERT INTO ponto (%1) VALUES (%2)")
                .arg(columns.join(QStringLiteral(", ")), values.join(QStringLiteral(", "))),
            params);
        punch.id = static_cast<int>(result.lastInsertId);
    } else {
        QStringList sets;
        for (const QString& column : columns)
            sets << QStringLiteral("%1 = :%1").arg(column);
        params << qMakePair(QStringLiteral("id"), QVariant(punch.id));
        m_dm.exec(QStringLiteral("UPDATE ponto SET %1 WHERE id = :id")
                      .arg(sets.join(QStringLiteral(", "))),
                  params);
    }
    setState(Browse);
}

void PunchEditModel::cancel()
{
    if (m_state == Edit) {
        m_rows[m_current] = m_original;
        emit dataChanged(index(m_current, 0), index(m_current, ColumnCount - 1));
        setState(Browse);
    } else if (m_state == Insert) {
        const int row = m_current;
        setState(Browse);
        dropRow(row);
    }
}

void PunchEditModel::insertAt(int row)
{
    if (!m_open)
        return;
    row = std::clamp(leaveEdit(row), 0, count());
    beginInsertRows({}, row, row);
    m_rows.insert(row, PunchRow{});
    endInsertRows();
    m_current = row;
    m_original = {};
    m_dataChanged = m_horaChanged = false;
    setState(Insert);
}

void PunchEditModel::deleteCurrent()
{
    if (!m_open)
        throw AppError(QStringLiteral(
            "Não é possível realizar esta operação em um conjunto de dados fechado"));
    if (m_current < 0 || count() == 0)
        throw AppError(
            QStringLiteral("Não é possível realizar esta operação em um conjunto de dados vazio"));
    if (m_state == Insert) {
        cancel();
        return;
    }
    m_dm.exec(QStringLiteral("DELETE FROM ponto WHERE id = :id"),
              {{QStringLiteral("id"), m_rows[m_current].id}});
    setState(Browse);
    dropRow(m_current);
}

void PunchEditModel::dropRow(int row)
{
    beginRemoveRows({}, row, row);
    m_rows.removeAt(row);
    endRemoveRows();
    m_current = std::min(row, count() - 1);
}

void PunchEditModel::setState(State state)
{
    if (state == m_state)
        return;
    m_state = state;
    emit stateChanged(state);
}

std::optional<QDate> PunchEditModel::parseDate(const QString& text)
{
    const QString trimmed = text.trimmed();
    for (const QString& format : {QLocale().dateFormat(QLocale::ShortFormat),
                                  QStringLiteral("d/M/yyyy"), QStringLiteral("d/M/yy")}) {
        QDate date = QLocale().toDate(trimmed, format);
        if (date.isValid()) {
            if (format.endsWith(QLatin1String("/yy")))
                date =
                    date.addYears(100 * ((QDate::currentDate().year() - date.year() + 50) / 100));
            return date;
        }
    }
    return std::nullopt;
}

std::optional<QString> PunchEditModel::parseTime(const QString& text)
{
    for (const char* format : {"H:mm:ss", "H:mm"}) {
        const QTime time = QTime::fromString(text.trimmed(), QLatin1String(format));
        if (time.isValid())
            return time.toString(QStringLiteral("HH:mm:ss"));
    }
    return std::nullopt;
}

int PunchEditModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : count();
}

int PunchEditModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant PunchEditModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= count() ||
        (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    const PunchRow& punch = m_rows[index.row()];
    const bool isNew = punch.id == 0;
    switch (index.column()) {
    case ColData:
        return Formats::shortDate(punch.data);
    case ColCodigo:
        // A punch inserted here has no employee: its code is NULL in ponto.
        return isNew || punch.codigofuncionario == 0
                   ? QString()
                   : QString::number(punch.codigofuncionario, 'f', 0);
    case ColNome:
        return punch.nomefuncionario;
    case ColHora:
        return Formats::longTime(Formats::timeOfDay(punch.hora));
    }
    return {};
}

bool PunchEditModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    const QString text = value.toString();
    if (text == data(index, Qt::EditRole).toString())
        return false;
    if (m_state == Browse)
        edit();
    PunchRow& punch = m_rows[index.row()];
    if (index.column() == ColData) {
        const auto date = parseDate(text);
        if (!date) {
            // Refused as the data layer would; the row stays in edit with its old value.
            reportError(QStringLiteral("'%1' não é uma data válida").arg(text));
            return false;
        }
        punch.data = *date;
        m_dataChanged = true;
    } else {
        const auto time = parseTime(text);
        if (!time) {
            reportError(QStringLiteral("'%1' não é uma hora válida").arg(text));
            return false;
        }
        punch.hora = *time;
        m_horaChanged = true;
    }
    emit dataChanged(index, index);
    return true;
}

Qt::ItemFlags PunchEditModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && (index.column() == ColData || index.column() == ColHora))
        flags |= Qt::ItemIsEditable;
    return flags;
}

QVariant PunchEditModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const QStringList titles = {QStringLiteral("Data"), QStringLiteral("Codigo"),
                                       QStringLiteral("Nome do Funcionario"),
                                       QStringLiteral("Hora")};
    return columnTitle(titles, section, role);
}
