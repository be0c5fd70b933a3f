#include "app/PreparedStatement.h"

#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QTime>

#include <errmsg.h>
#include <mysql.h>

#include <cstring>
#include <vector>

namespace {

// Turns :name placeholders into '?' (quoted text left alone) and lists the name at each.
QString positional(const QString& sql, QStringList* positions)
{
    QString out;
    out.reserve(sql.size());
    QChar quote;
    for (qsizetype i = 0; i < sql.size(); ++i) {
        const QChar ch = sql[i];
        if (!quote.isNull()) {
            out += ch;
            if (ch == u'\\' && i + 1 < sql.size())
                out += sql[++i];
            else if (ch == quote)
                quote = QChar();
            continue;
        }
        if (ch == u'\'' || ch == u'"' || ch == u'`') {
            quote = ch;
            out += ch;
        } else if (ch == u':' && i + 1 < sql.size() &&
                   (sql[i + 1].isLetter() || sql[i + 1] == u'_')) {
            qsizetype end = i + 1;
            while (end < sql.size() && (sql[end].isLetterOrNumber() || sql[end] == u'_'))
                ++end;
            positions->append(sql.mid(i + 1, end - i - 1));
            out += u'?';
            i = end - 1;
        } else {
            out += ch;
        }
    }
    return out;
}

MYSQL_TIME toMysqlTime(const QDate& date, const QTime& time, enum_mysql_timestamp_type type)
{
    MYSQL_TIME t;
    std::memset(&t, 0, sizeof t);
    if (date.isValid()) {
        t.year = date.year();
        t.month = date.month();
        t.day = date.day();
    }
    if (time.isValid()) {
        t.hour = time.hour();
        t.minute = time.minute();
        t.second = time.second();
        t.second_part = time.msec() * 1000;
    }
    t.time_type = type;
    return t;
}

// Storage for one parameter's value while the statement executes.
struct ParamBuffer
{
    QByteArray bytes;
    long long integer = 0;
    double real = 0;
    MYSQL_TIME time{};
    my_bool isNull = 0;
    unsigned long length = 0;
};

void bindParam(MYSQL_BIND& bind, ParamBuffer& buffer, const QVariant& value)
{
    std::memset(&bind, 0, sizeof bind);
    bind.is_null = &buffer.isNull;
    const int type = value.metaType().id();
    // An empty variant, and an invalid date or time, are NULL (not 0000-00-00).
    const bool invalidTemporal = (type == QMetaType::QDate && !value.toDate().isValid()) ||
                                 (type == QMetaType::QTime && !value.toTime().isValid()) ||
                                 (type == QMetaType::QDateTime && !value.toDateTime().isValid());
    if (invalidTemporal ||
        (value.isNull() && type != QMetaType::QString && type != QMetaType::QByteArray)) {
        buffer.isNull = 1;
        bind.buffer_type = MYSQL_TYPE_NULL;
        return;
    }
    switch (value.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Bool:
        buffer.integer = value.toLongLong();
        bind.buffer_type = MYSQL_TYPE_LONGLONG;
        bind.buffer = &buffer.integer;
        return;
    case QMetaType::Double:
    case QMetaType::Float:
        buffer.real = value.toDouble();
        bind.buffer_type = MYSQL_TYPE_DOUBLE;
        bind.buffer = &buffer.real;
        return;
    case QMetaType::QDate:
        buffer.time = toMysqlTime(value.toDate(), {}, MYSQL_TIMESTAMP_DATE);
        bind.buffer_type = MYSQL_TYPE_DATE;
        bind.buffer = &buffer.time;
        return;
    case QMetaType::QTime:
        buffer.time = toMysqlTime({}, value.toTime(), MYSQL_TIMESTAMP_TIME);
        bind.buffer_type = MYSQL_TYPE_TIME;
        bind.buffer = &buffer.time;
        return;
    case QMetaType::QDateTime: {
        const QDateTime dt = value.toDateTime();
        buffer.time = toMysqlTime(dt.date(), dt.time(), MYSQL_TIMESTAMP_DATETIME);
        bind.buffer_type = MYSQL_TYPE_DATETIME;
        bind.buffer = &buffer.time;
        return;
    }
    case QMetaType::QByteArray:
        // A null byte array is NULL; an empty one is zero bytes.
        buffer.isNull = value.toByteArray().isNull();
        buffer.bytes = value.toByteArray();
        bind.buffer_type = MYSQL_TYPE_BLOB;
        break;
    default:
        buffer.isNull = value.metaType().id() == QMetaType::QString && value.toString().isNull();
        buffer.bytes = value.toString().toUtf8();
        bind.buffer_type = MYSQL_TYPE_STRING;
        break;
    }
    buffer.length = static_cast<unsigned long>(buffer.bytes.size());
    bind.buffer = buffer.bytes.data();
    bind.buffer_length = buffer.length;
    bind.length = &buffer.length;
}

enum class Kind
{
    Integer,
    Real,
    Text,
    Bytes,
    Date,
    Time,
    DateTime
};

Kind kindOf(const MYSQL_FIELD& field)
{
    switch (field.type) {
    case MYSQL_TYPE_TINY:
    case MYSQL_TYPE_SHORT:
    case MYSQL_TYPE_LONG:
    case MYSQL_TYPE_INT24:
    case MYSQL_TYPE_LONGLONG:
    case MYSQL_TYPE_YEAR:
        return Kind::Integer;
    case MYSQL_TYPE_FLOAT:
    case MYSQL_TYPE_DOUBLE:
        return Kind::Real;
    case MYSQL_TYPE_DATE:
    case MYSQL_TYPE_NEWDATE:
        return Kind::Date;
    case MYSQL_TYPE_TIME:
        return Kind::Time;
    case MYSQL_TYPE_DATETIME:
    case MYSQL_TYPE_TIMESTAMP:
        return Kind::DateTime;
    case MYSQL_TYPE_TINY_BLOB:
    case MYSQL_TYPE_MEDIUM_BLOB:
    case MYSQL_TYPE_LONG_BLOB:
    case MYSQL_TYPE_BLOB:
    case MYSQL_TYPE_STRING:
    case MYSQL_TYPE_VAR_STRING:
    case MYSQL_TYPE_VARCHAR:
    case MYSQL_TYPE_BIT:
    case MYSQL_TYPE_GEOMETRY:
        return field.charsetnr == 63 ? Kind::Bytes : Kind::Text; // 63: binary
    default:
        return Kind::Text;
    }
}

QString timeText(const MYSQL_TIME& t)
{
    // TIME is a duration: hours may pass 23 and the value may be negative.
    QString text = QStringLiteral("%1%2:%3:%4")
                       .arg(t.neg ? QStringLiteral("-") : QString())
                       .arg(t.day * 24 + t.hour, 2, 10, QLatin1Char('0'))
                       .arg(t.minute, 2, 10, QLatin1Char('0'))
                       .arg(t.second, 2, 10, QLatin1Char('0'));
    if (t.second_part)
        text += QStringLiteral(".%1").arg(t.second_part, 6, 10, QLatin1Char('0'));
    return text;
}

struct ColumnBuffer
{
    Kind kind = Kind::Text;
    long long integer = 0;
    double real = 0;
    MYSQL_TIME time{};
    QByteArray bytes;
    unsigned long length = 0;
    my_bool isNull = 0;
    my_bool truncated = 0;
};

} // namespace

PreparedStatement::PreparedStatement(st_mysql* connection, const QString& sql)
{
    const QByteArray text = positional(sql, &m_positions).toUtf8();
    for (const QString& name : std::as_const(m_positions))
        if (!m_nameSet.contains(name)) {
            m_nameSet.insert(name);
            m_names << name;
        }
    m_stmt = mysql_stmt_init(connection);
    if (!m_stmt) {
        m_error = {CR_OUT_OF_MEMORY, QStringLiteral("out of memory")};
        return;
    }
    if (mysql_stmt_prepare(m_stmt, text.constData(), text.size()) != 0) {
        setError();
        return;
    }
    my_bool updateMaxLength = 1;
    mysql_stmt_attr_set(m_stmt, STMT_ATTR_UPDATE_MAX_LENGTH, &updateMaxLength);
}

PreparedStatement::~PreparedStatement()
{
    if (m_stmt)
        mysql_stmt_close(m_stmt);
}

void PreparedStatement::setError()
{
    m_error.code = mysql_stmt_errno(m_stmt);
    m_error.text = QString::fromUtf8(mysql_stmt_error(m_stmt));
    if (m_error.code == 0)
        m_error.code = CR_UNKNOWN_ERROR;
}

bool PreparedStatement::execute(const QList<QPair<QString, QVariant>>& values, SqlResult* result)
{
    m_error = {};
    const size_t count = m_positions.size();
    std::vector<MYSQL_BIND> binds(count);
    std::vector<ParamBuffer> buffers(count);
    QHash<QString, const QVariant*> byName;
    byName.reserve(values.size());
    for (const auto& [name, value] : values)
        byName.insert(name, &value);
    static const QVariant none;
    for (size_t i = 0; i < count; ++i)
        bindParam(binds[i], buffers[i], *byName.value(m_positions[i], &none));
    if ((count && mysql_stmt_bind_param(m_stmt, binds.data()) != 0) ||
        mysql_stmt_execute(m_stmt) != 0) {
        setError();
        return false;
    }

    MYSQL_RES* meta = mysql_stmt_result_metadata(m_stmt);
    if (!meta) {
        *result = SqlResult();
        result->lastInsertId = static_cast<qint64>(mysql_stmt_insert_id(m_stmt));
        return true;
    }
    if (mysql_stmt_store_result(m_stmt) != 0) {
        setError();
        mysql_free_result(meta);
        return false;
    }
    const unsigned columns = mysql_num_fields(meta);
    const MYSQL_FIELD* fields = mysql_fetch_fields(meta);
    QStringList names;
    std::vector<MYSQL_BIND> out(columns);
    std::vector<ColumnBuffer> cells(columns);
    for (unsigned c = 0; c < columns; ++c) {
        names << QString::fromUtf8(fields[c].name);
        ColumnBuffer& cell = cells[c];
        MYSQL_BIND& bind = out[c];
        std::memset(&bind, 0, sizeof bind);
        cell.kind = kindOf(fields[c]);
        bind.is_null = &cell.isNull;
        bind.length = &cell.length;
        bind.error = &cell.truncated;
        switch (cell.kind) {
        case Kind::Integer:
            bind.buffer_type = MYSQL_TYPE_LONGLONG;
            bind.buffer = &cell.integer;
            bind.is_unsigned = (fields[c].flags & UNSIGNED_FLAG) != 0;
            break;
        case Kind::Real:
            bind.buffer_type = MYSQL_TYPE_DOUBLE;
            bind.buffer = &cell.real;
            break;
        case Kind::Date:
        case Kind::Time:
        case Kind::DateTime:
            bind.buffer_type = fields[c].type;
            bind.buffer = &cell.time;
            bind.buffer_length = sizeof cell.time;
            break;
        case Kind::Text:
        case Kind::Bytes:
            cell.bytes.resize(qMax<qsizetype>(1, fields[c].max_length));
            bind.buffer_type = MYSQL_TYPE_BLOB;
            bind.buffer = cell.bytes.data();
            bind.buffer_length = static_cast<unsigned long>(cell.bytes.size());
            break;
        }
    }
    mysql_free_result(meta);
    if (mysql_stmt_bind_result(m_stmt, out.data()) != 0) {
        setError();
        mysql_stmt_free_result(m_stmt);
        return false;
    }

    QVector<QVector<QVariant>> rows;
    rows.reserve(static_cast<qsizetype>(mysql_stmt_num_rows(m_stmt)));
    int status;
    while ((status = mysql_stmt_fetch(m_stmt)) == 0 || status == MYSQL_DATA_TRUNCATED) {
        QVector<QVariant> row(columns);
        for (unsigned c = 0; c < columns; ++c) {
            const ColumnBuffer& cell = cells[c];
            if (cell.isNull) {
                const QMetaType::Type type =
                    cell.kind == Kind::Bytes ? QMetaType::QByteArray : QMetaType::QString;
                row[c] = QVariant(QMetaType(cell.kind == Kind::Integer    ? QMetaType::LongLong
                                            : cell.kind == Kind::Real     ? QMetaType::Double
                                            : cell.kind == Kind::Date     ? QMetaType::QDate
                                            : cell.kind == Kind::DateTime ? QMetaType::QDateTime
                                                                          : type));
                continue;
            }
            switch (cell.kind) {
            case Kind::Integer:
                row[c] = cell.integer;
                break;
            case Kind::Real:
                row[c] = cell.real;
                break;
            case Kind::Date:
                row[c] = QDate(cell.time.year, cell.time.month, cell.time.day);
                break;
            case Kind::Time:
                row[c] = timeText(cell.time);
                break;
            case Kind::DateTime:
                row[c] = QDateTime(QDate(cell.time.year, cell.time.month, cell.time.day),
                                   QTime(cell.time.hour, cell.time.minute, cell.time.second,
                                         cell.time.second_part / 1000));
                break;
            case Kind::Text:
                row[c] = QString::fromUtf8(cell.bytes.constData(), cell.length);
                break;
            case Kind::Bytes:
                row[c] = QByteArray(cell.bytes.constData(), cell.length);
                break;
            }
        }
        rows.push_back(std::move(row));
    }
    if (status == 1)
        setError();
    mysql_stmt_free_result(m_stmt);
    if (status == 1)
        return false;
    *result = SqlResult(std::move(names), std::move(rows));
    return true;
}
