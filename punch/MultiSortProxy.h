#pragma once

#include <QList>
#include <QPair>
#include <QSortFilterProxyModel>

// In-memory sorting by several columns, as a data grid does on clicks on its titles: a click
// sorts by that column (again to reverse), Shift adds the column, Ctrl takes it out.
class MultiSortProxy : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    using SortKeys = QList<QPair<int, Qt::SortOrder>>;

    explicit MultiSortProxy(QObject* parent = nullptr);

    void titleClicked(int column, Qt::KeyboardModifiers modifiers);
    const SortKeys& sortKeys() const { return m_keys; }

protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
    void apply();

    SortKeys m_keys;
};
