#pragma once

#include <QString>

#include <span>

class QSqlRecord;

// The kinds a dataset declares for its columns; opening fails when the table holds a
// column under another kind.
enum class ColumnKind
{
    Integer,
    Float,
    Text,
    Date,
    Time,
    DateTime,
    Blob,
    Memo
};

struct ColumnDecl
{
    const char* name;
    ColumnKind kind;
};

namespace Tables {

std::span<const ColumnDecl> ponto();
std::span<const ColumnDecl> funcionario();
std::span<const ColumnDecl> pontocontadortemp();
std::span<const ColumnDecl> configuracao();
std::span<const ColumnDecl> setupI();
std::span<const ColumnDecl> filial();

// Empty when every declared column is in the record with its kind; otherwise the text of
// the first fault, naming the table and the column.
QString checkColumns(const QSqlRecord& record, const QString& table,
                     std::span<const ColumnDecl> declared);

} // namespace Tables
