#include "punch/MultiSortProxy.h"

MultiSortProxy::MultiSortProxy(QObject* parent) : QSortFilterProxyModel(parent)
{
    setSortRole(Qt::UserRole);
    setDynamicSortFilter(true);
}

void MultiSortProxy::titleClicked(int column, Qt::KeyboardModifiers modifiers)
{
    auto found = std::find_if(m_keys.begin(), m_keys.end(),
                              [column](const auto& key) { return key.first == column; });
    const auto reversed = [](Qt::SortOrder order) {
        return order == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
    };
    if (modifiers & Qt::ControlModifier) {
        if (found != m_keys.end())
            m_keys.erase(found);
    } else if (modifiers & Qt::ShiftModifier) {
        if (found != m_keys.end())
            found->second = reversed(found->second);
        else
            m_keys.append({column, Qt::AscendingOrder});
    } else if (m_keys.size() == 1 && found != m_keys.end()) {
        found->second = reversed(found->second);
    } else {
        m_keys = {{column, Qt::AscendingOrder}};
    }
    apply();
}

void MultiSortProxy::apply()
{
    if (m_keys.isEmpty()) {
        sort(-1); // back to the order the rows came in
        return;
    }
    invalidate();
    sort(0, Qt::AscendingOrder);
}

bool MultiSortProxy::lessThan(const QModelIndex& left, const QModelIndex& right) const
{
    for (const auto& [column, order] : m_keys) {
        const QVariant a = left.sibling(left.row(), column).data(sortRole());
        const QVariant b = right.sibling(right.row(), column).data(sortRole());
        const auto cmp = QVariant::compare(a, b);
        if (cmp == QPartialOrdering::Less)
            return order == Qt::AscendingOrder;
        if (cmp == QPartialOrdering::Greater)
            return order == Qt::DescendingOrder;
    }
    return left.row() < right.row(); // stable: equal rows keep their order
}
