#include "correction/DaySheetModel.h"

#include "app/ColumnTitles.h"
#include "app/Formats.h"

void DaySheetModel::setRows(QVector<DaySheetRow> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

int DaySheetModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int DaySheetModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 5;
}

QVariant DaySheetModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= m_rows.size())
        return {};
    const DaySheetRow& row = m_rows[index.row()];
    const QString* slotTexts[] = {&row.hora, &row.hora01, &row.hora02, &row.hora03};
    if (index.column() == 0)
        return Formats::shortDate(row.data);
    return Formats::longTime(Formats::timeOfDay(*slotTexts[index.column() - 1]));
}

QVariant DaySheetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const QStringList titles = {
        QStringLiteral("Data"), QStringLiteral("Chegada Manhã"), QStringLiteral("Saida Almoço"),
        QStringLiteral("Retorno Almoço"), QStringLiteral("Saida Tarde")};
    return columnTitle(titles, section, role);
}
