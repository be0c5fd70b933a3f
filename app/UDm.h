#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QPair>
#include <QSqlDatabase>
#include <QString>
#include <QVariant>

#include "app/SqlResult.h"

#include <memory>
#include <span>

struct ColumnDecl;
class PreparedStatement;
class QSqlError;

class ProfileFile;

// Server location as Admin.ini gives it.
struct ConnectionSettings
{
    int port = 0;
    QString server;
    QString database;

    static ConnectionSettings fromProfile(const ProfileFile& profile);
};

// Named values for a statement's placeholders, names without the colon.
using SqlParams = QList<QPair<QString, QVariant>>;

// The data module: the one database connection and the three shared tables opened at start.
class TDM : public QObject
{
    Q_OBJECT

public:
    static const QString UserName;
    static const QString Password;
    static constexpr int ConnectTimeoutSeconds = 120;

    explicit TDM(QObject* parent = nullptr,
                 const QString& connectionName = QStringLiteral("MyConnection1"));
    ~TDM() override;

    // Start-up: reads Admin.ini beside the executable, connects and opens the shared tables.
    // A failure is reported and the start goes on.
    void DataModuleCreate();
    void DataModuleCreate(const ConnectionSettings& settings);

    static QString profilePath();

    QString serverName() const { return m_settings.server; }

    bool tbFilialOpen() const { return m_filialOpen; }
    bool tbConfiguracaoOpen() const { return m_configuracaoOpen; }
    bool tbsetupIOpen() const { return m_setupOpen; }
    // Nome of the first row of configuracao; empty when that table is not open or empty.
    QString tbConfiguracaoNome() const { return m_configuracaoNome; }

    // The open connection, opened first when it is closed. Throws AppError.
    QSqlDatabase MyConnection1();
    bool isConnected() const;

    // Runs a prepared statement (kept for the next call with the same text) and reads its
    // whole result. Every placeholder of the text must get a value and every value a
    // placeholder. Throws AppError with the server's text.
    // Keep::No for texts that are seldom sent again (built for a number of rows).
    enum class Keep
    {
        Yes,
        No
    };
    SqlResult exec(const QString& sql, const SqlParams& params = {}, Keep keep = Keep::Yes);
    // A statement without parameters sent as text (TRUNCATE, locks, transactions).
    void execText(const QString& sql);

    // Throws AppError for a failed statement; a lost link closes the connection first so
    // that the next access opens it again.
    [[noreturn]] void fail(const QSqlError& error);
    [[noreturn]] void fail(unsigned code, const QString& text);

    void closeConnection();

private:
    void applySettings();
    void openSharedTables();
    void openTable(const QString& table, std::span<const ColumnDecl> columns,
                   QString* firstNome = nullptr);

    QString m_connectionName;
    ConnectionSettings m_settings;
    QHash<QString, std::shared_ptr<PreparedStatement>> m_statements;
    bool m_filialOpen = false;
    bool m_configuracaoOpen = false;
    bool m_setupOpen = false;
    QString m_configuracaoNome;
};

// The application's data module, created at start before any window.
extern TDM* DM;

// The placeholders (without the colon) in a statement's text, quoted literals skipped.
QStringList sqlPlaceholders(const QString& sql);
