#include "db/Tables.h"

#include <QSqlField>
#include <QSqlRecord>

namespace {

using K = ColumnKind;

// MySQL's own type numbers, as QSqlField::typeID() gives them for QMYSQL.
enum MysqlType
{
    Decimal = 0,
    Tiny = 1,
    Short = 2,
    Long = 3,
    FloatType = 4,
    DoubleType = 5,
    Timestamp = 7,
    LongLong = 8,
    Int24 = 9,
    DateType = 10,
    TimeType = 11,
    DateTimeType = 12,
    NewDate = 14,
    VarChar = 15,
    TinyBlob = 249,
    MediumBlob = 250,
    LongBlob = 251,
    BlobType = 252,
    VarString = 253,
    String = 254
};

bool matches(const QSqlField& field, ColumnKind kind)
{
    const int type = field.typeID();
    const bool isString = field.metaType().id() == QMetaType::QString;
    switch (kind) {
    case K::Integer:
        return type == Tiny || type == Short || type == Long || type == Int24 || type == LongLong;
    case K::Float:
        return type == FloatType || type == DoubleType;
    case K::Text:
        return (type == VarChar || type == VarString || type == String) && isString;
    case K::Date:
        return type == DateType || type == NewDate;
    case K::Time:
        return type == TimeType;
    case K::DateTime:
        return type == DateTimeType || type == Timestamp;
    case K::Blob:
        return type >= TinyBlob && type <= BlobType && !isString;
    case K::Memo:
        return type >= TinyBlob && type <= BlobType && isString;
    }
    return false;
}

const char* kindName(ColumnKind kind)
{
    switch (kind) {
    case K::Integer:
        return "inteiro";
    case K::Float:
        return "ponto flutuante";
    case K::Text:
        return "texto";
    case K::Date:
        return "data";
    case K::Time:
        return "hora";
    case K::DateTime:
        return "data e hora";
    case K::Blob:
        return "blob";
    case K::Memo:
        return "memo";
    }
    return "?";
}

constexpr ColumnDecl pontoColumns[] = {
    {"id", K::Integer},
    {"codigofuncionario", K::Float},
    {"nomefuncionario", K::Text},
    {"data", K::Date},
    {"foto", K::Blob},
    {"c", K::Float},
    {"dataprocessamento", K::DateTime},
    {"senha", K::Text},
    {"hora", K::Time},
};

constexpr ColumnDecl funcionarioColumns[] = {
    {"CodigoFuncionario", K::Integer},
    {"NomeFuncionario", K::Text},
    {"Foto", K::Blob},
    {"senha", K::Text},
    {"Ativo", K::Text},
};

constexpr ColumnDecl pontocontadortempColumns[] = {
    {"id", K::Integer},
    {"codigofuncionario", K::Float},
    {"nomefuncionario", K::Text},
    {"data", K::Date},
    {"hora", K::Time},
    {"hora01", K::Time},
    {"hora02", K::Time},
    {"hora03", K::Time},
    {"foto", K::Blob},
    {"c", K::Float},
    {"dataprocessamento", K::DateTime},
    {"senha", K::Text},
    {"totalhoras", K::Time},
};

constexpr ColumnDecl configuracaoColumns[] = {
    {"Nome", K::Text},    {"Endereco", K::Text},    {"Bairro", K::Text},
    {"Cidade", K::Text},  {"Estado", K::Text},      {"Cep", K::Text},
    {"Tel1", K::Text},    {"Tel2", K::Text},        {"Fax", K::Text},
    {"Email", K::Text},   {"Setor", K::Text},       {"Cpf", K::Text},
    {"Cnpj", K::Text},    {"Insc", K::Text},        {"NomeResponsavel", K::Text},
    {"Email02", K::Text}, {"Controle", K::Integer},
};

constexpr ColumnDecl setupIColumns[] = {
    {"Codigo", K::Integer},
    {"USUARIO", K::Text},
    {"setor", K::Text},
    {"SENHA", K::Text},
    {"contrasenha", K::Text},
    {"CODFUN", K::Text},
    {"CLI", K::Text},
    {"FOR_", K::Text},
    {"FUN", K::Text},
    {"DEP", K::Text},
    {"FIL", K::Text},
    {"REC", K::Text},
    {"SUB", K::Text},
    {"GRU", K::Text},
    {"GRI", K::Text},
    {"ORC", K::Text},
    {"ENT", K::Text},
    {"PRO", K::Text},
    {"TRF", K::Text},
    {"CMO", K::Text},
    {"BAI", K::Text},
    {"CMOC", K::Text},
    {"TCO", K::Text},
    {"CAI", K::Text},
    {"CPG", K::Text},
    {"CHQ", K::Text},
    {"TSF", K::Text},
    {"TFS", K::Text},
    {"RFS", K::Text},
    {"UTI", K::Text},
    {"NomeMaquinaLogado", K::Text},
    {"SerieMaquinaLogado", K::Text},
    {"IPMaquinaLogado", K::Text},
    {"DataHoraLogado", K::DateTime},
    {"NumCaixaLogado", K::Text},
    {"apelido", K::Text},
};

constexpr ColumnDecl filialColumns[] = {
    {"Codigofilial", K::Integer},
    {"Nomefilial", K::Text},
    {"Obs", K::Memo},
};

} // namespace

namespace Tables {

std::span<const ColumnDecl> ponto()
{
    return pontoColumns;
}
std::span<const ColumnDecl> funcionario()
{
    return funcionarioColumns;
}
std::span<const ColumnDecl> pontocontadortemp()
{
    return pontocontadortempColumns;
}
std::span<const ColumnDecl> configuracao()
{
    return configuracaoColumns;
}
std::span<const ColumnDecl> setupI()
{
    return setupIColumns;
}
std::span<const ColumnDecl> filial()
{
    return filialColumns;
}

QString checkColumns(const QSqlRecord& record, const QString& table,
                     std::span<const ColumnDecl> declared)
{
    for (const ColumnDecl& column : declared) {
        const QString name = QString::fromLatin1(column.name);
        const int index = record.indexOf(name); // QSqlRecord matches names without case
        if (index < 0)
            return QStringLiteral("%1: campo '%2' não encontrado").arg(table, name);
        if (!matches(record.field(index), column.kind))
            return QStringLiteral("%1: campo '%2' não é do tipo %3")
                .arg(table, name, QString::fromLatin1(kindName(column.kind)));
    }
    return {};
}

} // namespace Tables
