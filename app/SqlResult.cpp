#include "app/SqlResult.h"

int SqlResult::indexOf(const QString& name) const
{
    for (int i = 0; i < m_columns.size(); ++i)
        if (m_columns[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QVariant SqlResult::value(const QString& name) const
{
    const int column = indexOf(name);
    return column < 0 ? QVariant() : value(column);
}
