#pragma once

#include "app/SqlResult.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVariant>

struct st_mysql;
struct st_mysql_stmt;

// A server-side prepared statement on the connection that QMYSQL opened, driven through the
// client library directly: QMYSQL resets a statement on the server before every execution,
// one more round trip for each; this sends only the execution.
class PreparedStatement
{
public:
    struct Error
    {
        unsigned code = 0;
        QString text;
    };

    // Prepares the text with its :name placeholders; on failure error() tells why.
    PreparedStatement(st_mysql* connection, const QString& sql);
    ~PreparedStatement();
    PreparedStatement(const PreparedStatement&) = delete;
    PreparedStatement& operator=(const PreparedStatement&) = delete;

    bool isValid() const { return m_stmt != nullptr && m_error.code == 0; }
    const Error& error() const { return m_error; }
    // Placeholder names in the order of their first appearance.
    const QStringList& names() const { return m_names; }
    bool hasName(const QString& name) const { return m_nameSet.contains(name); }

    // Values by placeholder name (without colon). False on failure, with error() set.
    bool execute(const QList<QPair<QString, QVariant>>& values, SqlResult* result);

private:
    void setError();

    st_mysql_stmt* m_stmt = nullptr;
    QStringList m_names; // distinct names
    QSet<QString> m_nameSet;
    QStringList m_positions; // the name at each '?'
    Error m_error;
};
