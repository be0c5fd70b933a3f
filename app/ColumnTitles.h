#pragma once

#include <QStringList>
#include <QVariant>

// A grid's column titles for a model's headerData: centred, as the grids show them.
inline QVariant columnTitle(const QStringList& titles, int section, int role)
{
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    if (role != Qt::DisplayRole || section < 0 || section >= titles.size())
        return {};
    return titles[section];
}
