#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

// The whole result of one statement, read at once: rows of values by column, plus what a
// change reports. Values come as QMYSQL gives them: integers, doubles, QString texts,
// QByteArray blobs, QDate, QDateTime, and TIME as its text ("08:00:40", "25:30:00").
class SqlResult
{
public:
    SqlResult() = default;
    SqlResult(QStringList columns, QVector<QVector<QVariant>> rows)
        : m_columns(std::move(columns)), m_rows(std::move(rows))
    {
    }

    // Moves to the next row; the first call moves to the first.
    bool next() { return ++m_at < m_rows.size(); }
    int size() const { return static_cast<int>(m_rows.size()); }
    // Column index by name, without regard to case; -1 when there is none.
    int indexOf(const QString& name) const;
    QVariant value(int column) const { return m_rows.at(m_at).at(column); }
    QVariant value(const QString& name) const;

    qint64 lastInsertId = 0;

private:
    QStringList m_columns;
    QVector<QVector<QVariant>> m_rows;
    qsizetype m_at = -1;
};
