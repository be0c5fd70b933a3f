#include "tests/TestSupport.h"

#include "app/Application.h"
#include "app/Artwork.h"
#include "reports/ReportPreview.h"

#include <QBuffer>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>

#include <cstdio>
#include <cstdlib>

void setUpTestApplication()
{
    QApplication::setApplicationName(QStringLiteral("Ponto"));
    TApplication::setUpLanguage();
}

int TestDatabase::port()
{
    bool ok = false;
    const int port = qEnvironmentVariableIntValue("PONTO_TEST_PORT", &ok);
    if (!ok) {
        std::fputs("PONTO_TEST_PORT is not set: run the tests through scripts/test.sh, which "
                   "starts the test server.\n",
                   stderr);
        std::exit(1);
    }
    return port;
}

TestDatabase::TestDatabase(const QString& name)
    : m_name(QStringLiteral("t_") + name), m_connection(QStringLiteral("admin_") + name)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QMYSQL"), m_connection);
    db.setHostName(QStringLiteral("127.0.0.1"));
    db.setPort(port());
    db.setUserName(TDM::UserName);
    db.setPassword(TDM::Password);
    if (!db.open()) {
        std::fprintf(stderr, "test server not reachable: %s\n", qPrintable(db.lastError().text()));
        std::exit(1);
    }
    QSqlQuery q(db);
    q.exec(QStringLiteral("DROP DATABASE IF EXISTS %1").arg(m_name));
    if (!q.exec(QStringLiteral("CREATE DATABASE %1").arg(m_name)) ||
        !q.exec(QStringLiteral("USE %1").arg(m_name))) {
        std::fprintf(stderr, "cannot create %s: %s\n", qPrintable(m_name),
                     qPrintable(q.lastError().text()));
        std::exit(1);
    }
    QFile schema(QStringLiteral(PONTO_SOURCE_DIR "/db/schema.sql"));
    if (!schema.open(QIODevice::ReadOnly)) {
        std::fputs("db/schema.sql not found\n", stderr);
        std::exit(1);
    }
    QString text;
    for (const QString& line : QString::fromUtf8(schema.readAll()).split(u'\n'))
        if (!line.trimmed().startsWith(QStringLiteral("--")))
            text += line + u'\n';
    for (const QString& statement : text.split(u';', Qt::SkipEmptyParts))
        if (!statement.trimmed().isEmpty() && !q.exec(statement)) {
            std::fprintf(stderr, "schema: %s\n", qPrintable(q.lastError().text()));
            std::exit(1);
        }
}

TestDatabase::~TestDatabase()
{
    {
        QSqlDatabase db = admin();
        QSqlQuery(db).exec(QStringLiteral("DROP DATABASE IF EXISTS %1").arg(m_name));
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connection);
}

ConnectionSettings TestDatabase::settings() const
{
    return {port(), QStringLiteral("127.0.0.1"), m_name};
}

QSqlDatabase TestDatabase::admin() const
{
    return QSqlDatabase::database(m_connection);
}

static QSqlQuery run(QSqlDatabase db, const QString& statement, const SqlParams& params)
{
    QSqlQuery q(db);
    if (params.isEmpty()) {
        if (!q.exec(statement))
            qFatal("%s: %s", qPrintable(statement), qPrintable(q.lastError().text()));
        return q;
    }
    if (!q.prepare(statement))
        qFatal("%s: %s", qPrintable(statement), qPrintable(q.lastError().text()));
    for (const auto& [name, value] : params)
        q.bindValue(QLatin1Char(':') + name, value);
    if (!q.exec())
        qFatal("%s: %s", qPrintable(statement), qPrintable(q.lastError().text()));
    return q;
}

void TestDatabase::sql(const QString& statement, const SqlParams& params)
{
    run(admin(), statement, params);
}

QVariant TestDatabase::scalar(const QString& statement, const SqlParams& params)
{
    QSqlQuery q = run(admin(), statement, params);
    return q.next() ? q.value(0) : QVariant();
}

void TestDatabase::emptyTables()
{
    for (const char* table :
         {"ponto", "funcionario", "pontocontadortemp", "configuracao", "setup_i", "filial"})
        sql(QStringLiteral("DELETE FROM %1").arg(QLatin1String(table)));
}

int TestDatabase::addEmployee(const QString& name, const QString& senha, const QString& ativo,
                              const QByteArray& foto)
{
    QSqlQuery q = run(
        admin(),
        QStringLiteral("INSERT INTO funcionario (NomeFuncionario, Foto, senha, Ativo) "
                       "VALUES (:nome, :foto, :senha, :ativo)"),
        {{"nome", name},
         {"foto", foto.isNull() ? QVariant(QMetaType(QMetaType::QByteArray)) : QVariant(foto)},
         {"senha", senha},
         {"ativo", ativo.isNull() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(ativo)}});
    return q.lastInsertId().toInt();
}

int TestDatabase::addPunch(int codigo, const QString& nome, const QDate& data, const QString& hora,
                           const QString& senha)
{
    QSqlQuery q = run(admin(),
                      QStringLiteral("INSERT INTO ponto (codigofuncionario, nomefuncionario, data, "
                                     "hora, c, senha) VALUES (:codigo, :nome, :data, :hora, 1, "
                                     ":senha)"),
                      {{"codigo", double(codigo)},
                       {"nome", nome},
                       {"data", data},
                       {"hora", hora.isNull() ? QVariant(QMetaType(QMetaType::QString)) : hora},
                       {"senha", senha}});
    return q.lastInsertId().toInt();
}

QByteArray samplePhoto(const char* format, QSize size)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    Artwork::portrait(QStringLiteral("Teste Foto"), Qt::darkGreen, size).save(&buffer, format);
    return bytes;
}

QList<ReportPreview*> openPreviews()
{
    QList<ReportPreview*> list;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* preview = qobject_cast<ReportPreview*>(widget); preview && preview->isVisible())
            list << preview;
    return list;
}
