#include "app/UDm.h"

#include "app/Messages.h"
#include "app/PreparedStatement.h"
#include "app/ProfileFile.h"
#include "db/Tables.h"

#include <QCoreApplication>
#include <QDir>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

TDM* DM = nullptr;

const QString TDM::UserName = QStringLiteral("root");
// Held with the program, never in Admin.ini; scripts/dbserver.sh gives root@127.0.0.1 this.
const QString TDM::Password = QStringLiteral("TreskPonto2020");

ConnectionSettings ConnectionSettings::fromProfile(const ProfileFile& profile)
{
    const QString section = QStringLiteral("LOCAL");
    ConnectionSettings settings;
    settings.port = profile.readInteger(section, QStringLiteral("PORTA"), 0);
    settings.server = profile.readString(section, QStringLiteral("SERVIDOR"));
    settings.database = profile.readString(section, QStringLiteral("BANCO"));
    return settings;
}

QStringList sqlPlaceholders(const QString& sql)
{
    QStringList names;
    QChar quote;
    for (qsizetype i = 0; i < sql.size(); ++i) {
        const QChar ch = sql[i];
        if (!quote.isNull()) {
            if (ch == u'\\')
                ++i;
            else if (ch == quote)
                quote = QChar();
            continue;
        }
        if (ch == u'\'' || ch == u'"' || ch == u'`') {
            quote = ch;
        } else if (ch == u':' && i + 1 < sql.size() &&
                   (sql[i + 1].isLetter() || sql[i + 1] == u'_')) {
            qsizetype end = i + 1;
            while (end < sql.size() && (sql[end].isLetterOrNumber() || sql[end] == u'_'))
                ++end;
            const QString name = sql.mid(i + 1, end - i - 1);
            if (!names.contains(name))
                names << name;
            i = end - 1;
        }
    }
    return names;
}

TDM::TDM(QObject* parent, const QString& connectionName)
    : QObject(parent), m_connectionName(connectionName)
{
    QSqlDatabase::addDatabase(QStringLiteral("QMYSQL"), m_connectionName);
    applySettings();
}

TDM::~TDM()
{
    m_statements.clear();
    {
        QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connectionName);
    if (DM == this)
        DM = nullptr;
}

QString TDM::profilePath()
{
    // Beside the executable only; the working directory plays no part.
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("Admin.ini"));
}

void TDM::DataModuleCreate()
{
    DataModuleCreate(ConnectionSettings::fromProfile(ProfileFile::load(profilePath())));
}

void TDM::DataModuleCreate(const ConnectionSettings& settings)
{
    closeConnection();
    m_filialOpen = m_configuracaoOpen = m_setupOpen = false;
    m_configuracaoNome.clear();
    m_settings = settings;
    applySettings();
    guarded([this] {
        MyConnection1();
        openSharedTables();
    });
}

void TDM::applySettings()
{
    QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
    db.setPort(m_settings.port == 0 ? 3306 : m_settings.port);
    // An empty server means this machine, over TCP like any other server.
    db.setHostName(m_settings.server.isEmpty() ? QStringLiteral("127.0.0.1") : m_settings.server);
    db.setDatabaseName(m_settings.database);
    db.setUserName(UserName);
    db.setPassword(Password);
    db.setConnectOptions(QStringLiteral("MYSQL_OPT_CONNECT_TIMEOUT=%1").arg(ConnectTimeoutSeconds));
}

bool TDM::isConnected() const
{
    return QSqlDatabase::database(m_connectionName, false).isOpen();
}

QSqlDatabase TDM::MyConnection1()
{
    QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
    if (!db.isOpen()) {
        m_statements.clear();
        if (!db.open())
            throw AppError(db.lastError().text());
    }
    return db;
}

void TDM::closeConnection()
{
    m_statements.clear();
    QSqlDatabase::database(m_connectionName, false).close();
}

void TDM::fail(const QSqlError& error)
{
    fail(error.nativeErrorCode().toUInt(), error.text());
}

void TDM::fail(unsigned code, const QString& text)
{
    // Server gone, link lost or connection killed: close, so the next access opens again.
    static constexpr unsigned lostLink[] = {2006, 2013, 2055, 4031, 1927};
    if (std::find(std::begin(lostLink), std::end(lostLink), code) != std::end(lostLink))
        closeConnection();
    throw AppError(text);
}

SqlResult TDM::exec(const QString& sql, const SqlParams& params, Keep keep)
{
    QSqlDatabase db = MyConnection1();
    auto it = m_statements.find(sql);
    if (it == m_statements.end()) {
        const QVariant handle = db.driver()->handle();
        if (qstrcmp(handle.typeName(), "MYSQL*") != 0 &&
            qstrcmp(handle.typeName(), "st_mysql*") != 0)
            throw AppError(QStringLiteral("conexão sem cliente MySQL"));
        auto statement = std::make_shared<PreparedStatement>(
            *static_cast<st_mysql* const*>(handle.constData()), sql);
        if (!statement->isValid())
            fail(statement->error().code, statement->error().text);
        it = m_statements.insert(sql, std::move(statement));
    }
    PreparedStatement& statement = **it;
    if (params.size() != statement.names().size())
        throw std::logic_error("statement parameters do not match its placeholders");
    for (const auto& param : params)
        if (!statement.hasName(param.first))
            throw std::logic_error("statement has no placeholder :" + param.first.toStdString());
    SqlResult result;
    const bool ok = statement.execute(params, &result);
    const PreparedStatement::Error error = statement.error();
    if (keep == Keep::No)
        m_statements.erase(it);
    if (!ok)
        fail(error.code, error.text);
    return result;
}

void TDM::execText(const QString& sql)
{
    QSqlQuery query(MyConnection1());
    if (!query.exec(sql))
        fail(query.lastError());
}

void TDM::openTable(const QString& table, std::span<const ColumnDecl> columns, QString* firstNome)
{
    QSqlQuery query(MyConnection1());
    if (!query.exec(QStringLiteral("SELECT * FROM %1").arg(table)))
        fail(query.lastError());
    const QString fault = Tables::checkColumns(query.record(), table, columns);
    if (!fault.isEmpty())
        throw AppError(fault);
    if (firstNome && query.next())
        *firstNome = query.value(QStringLiteral("Nome")).toString();
}

void TDM::openSharedTables()
{
    // In this order; a failure leaves that table and the ones after it closed.
    openTable(QStringLiteral("filial"), Tables::filial());
    m_filialOpen = true;
    openTable(QStringLiteral("configuracao"), Tables::configuracao(), &m_configuracaoNome);
    m_configuracaoOpen = true;
    openTable(QStringLiteral("setup_i"), Tables::setupI());
    m_setupOpen = true;
}
