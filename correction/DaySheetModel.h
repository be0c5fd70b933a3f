#pragma once

#include "timesheet/DaySheetBuilder.h"

#include <QAbstractTableModel>

// The day sheet for the correction window's grid: date and the four punch slots.
class DaySheetModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    void setRows(QVector<DaySheetRow> rows);
    const QVector<DaySheetRow>& rows() const { return m_rows; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QVector<DaySheetRow> m_rows;
};
