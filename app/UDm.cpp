#include "app/UDm.h"

#include "app/Messages.h"
#include "app/ProfileFile.h"
#include "db/Tables.h"

#include <QCoreApplication>
#include <QDir>
#include <QSqlError>
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
    static const QStringList lostLink = {QStringLiteral("2006"), QStringLiteral("2013"),
                                         QStringLiteral("2055"), QStringLiteral("4031"),
                                         QStringLiteral("1927")};
    if (lostLink.contains(error.nativeErrorCode()))
        closeConnection();
    throw AppError(error.text());
}

QSqlQuery& TDM::exec(const QString& sql, const SqlParams& params)
{
    QSqlDatabase db = MyConnection1();
    auto it = m_statements.find(sql);
    if (it == m_statements.end()) {
        QSqlQuery query(db);
        if (!query.prepare(sql))
            fail(query.lastError());
        it = m_statements.insert(
            sql, std::make_shared<Statement>(Statement{std::move(query), sqlPlaceholders(sql)}));
    }
    Statement& statement = **it;
    QSqlQuery& query = statement.query;
    if (params.size() != statement.placeholders.size())
        throw std::logic_error("statement parameters do not match its placeholders");
    for (const auto& [name, value] : params) {
        if (!statement.placeholders.contains(name))
            throw std::logic_error("statement has no placeholder :" + name.toStdString());
        query.bindValue(QLatin1Char(':') + name, value);
    }
    if (!query.exec())
        fail(query.lastError());
    return query;
}

void TDM::execText(const QString& sql)
{
    QSqlQuery query(MyConnection1());
    if (!query.exec(sql))
        fail(query.lastError());
}

QSqlQuery TDM::openTable(const QString& table, std::span<const ColumnDecl> columns)
{
    QSqlQuery query(MyConnection1());
    if (!query.exec(QStringLiteral("SELECT * FROM %1").arg(table)))
        fail(query.lastError());
    const QString fault = Tables::checkColumns(query.record(), table, columns);
    if (!fault.isEmpty())
        throw AppError(fault);
    return query;
}

void TDM::openSharedTables()
{
    // In this order; a failure leaves that table and the ones after it closed.
    openTable(QStringLiteral("filial"), Tables::filial());
    m_filialOpen = true;
    QSqlQuery configuracao = openTable(QStringLiteral("configuracao"), Tables::configuracao());
    m_configuracaoOpen = true;
    if (configuracao.next())
        m_configuracaoNome = configuracao.value(QStringLiteral("Nome")).toString();
    openTable(QStringLiteral("setup_i"), Tables::setupI());
    m_setupOpen = true;
}
