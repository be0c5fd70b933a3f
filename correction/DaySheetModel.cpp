#include "correction/DaySheetModel.h"

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
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    if (role != Qt::DisplayRole)
        return {};
    static const char* titles[] = {"Data", "Chegada Manhã", "Saida Almoço", "Retorno Almoço",
                                   "Saida Tarde"};
    return section >= 0 && section < 5 ? QString::fromUtf8(titles[section]) : QVariant();
}
