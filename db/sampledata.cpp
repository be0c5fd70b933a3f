// Fills a database with the demo's sample data: a company, eight employees with portraits
// (one inactive, one without photo) and the punches of the month that ends today.
//   ponto-sample-data HOST PORT DATABASE
#include "app/Artwork.h"
#include "app/UDm.h"

#include <QApplication>
#include <QBuffer>
#include <QDateTime>
#include <QRandomGenerator>
#include <QSqlError>
#include <QSqlQuery>

#include <cstdio>

namespace {

struct Person
{
    const char* name;
    const char* senha;
    const char* ativo;
    const char* photoFormat; // nullptr: no photo
    QColor shirt;
};

const Person People[] = {
    {"Ana Beatriz Conceição", "1001", "S", "PNG", QColor(200, 60, 60)},
    {"Bruno Araújo", "1002", "S", "JPEG", QColor(40, 90, 170)},
    {"Carla Simões", "1003", "S", "BMP", QColor(60, 150, 80)},
    {"Daniel Gonçalves", "1004", "S", nullptr, {}},
    {"Érica Lima", "1005", "S", "PNG", QColor(150, 80, 160)},
    {"Fábio Magalhães", "1006", "S", "JPEG", QColor(220, 140, 30)},
    {"Gustavo Peçanha", "1007", "N", "PNG", QColor(90, 90, 90)},
    {"Helena Brandão", "1008", "S", "PNG", QColor(30, 140, 150)},
};

void run(QSqlQuery& q, const QString& sql)
{
    if (!q.exec(sql)) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(sql), qPrintable(q.lastError().text()));
        std::exit(1);
    }
}

void runPrepared(QSqlQuery& q)
{
    if (!q.exec()) {
        std::fprintf(stderr, "%s\n", qPrintable(q.lastError().text()));
        std::exit(1);
    }
}

QByteArray photo(const Person& person)
{
    if (!person.photoFormat)
        return {};
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    Artwork::portrait(QString::fromUtf8(person.name), person.shirt, QSize(120, 130))
        .save(&buffer, person.photoFormat);
    return bytes;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen"); // draws portraits, shows nothing
    QApplication app(argc, argv);
    if (argc != 4) {
        std::fputs("usage: ponto-sample-data HOST PORT DATABASE\n", stderr);
        return 2;
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QMYSQL"));
    db.setHostName(QString::fromLocal8Bit(argv[1]));
    db.setPort(QByteArray(argv[2]).toInt());
    db.setDatabaseName(QString::fromLocal8Bit(argv[3]));
    db.setUserName(TDM::UserName);
    db.setPassword(TDM::Password);
    if (!db.open()) {
        std::fprintf(stderr, "%s\n", qPrintable(db.lastError().text()));
        return 1;
    }

    QSqlQuery q(db);
    for (const char* table : {"ponto", "funcionario", "configuracao", "setup_i", "filial"})
        run(q, QStringLiteral("DELETE FROM %1").arg(QLatin1String(table)));
    run(q, QStringLiteral("TRUNCATE TABLE pontocontadortemp"));
    run(q, QStringLiteral(
               "INSERT INTO configuracao (Nome, Endereco, Bairro, Cidade, Estado, Cep, Tel1, "
               "Email, Cnpj, NomeResponsavel, Controle) VALUES ('Padaria e Confeitaria São José', "
               "'Rua das Acácias, 120', 'Jardim Paulistano', 'São Paulo', 'SP', '01452000', "
               "'11 5550-0101', 'contato@padariasaojose.com.br', '12345678000199', "
               "'Joana Guimarães', 1)"));
    run(q, QStringLiteral("INSERT INTO filial (Codigofilial, Nomefilial, Obs) VALUES "
                          "(1, 'Matriz', 'Loja principal')"));
    run(q, QStringLiteral("INSERT INTO setup_i (USUARIO, setor, SENHA) VALUES "
                          "('SUPERVISOR', 'RH', 'X')"));

    QList<int> codes;
    q.prepare(QStringLiteral("INSERT INTO funcionario (NomeFuncionario, Foto, senha, Ativo) "
                             "VALUES (:nome, :foto, :senha, :ativo)"));
    for (const Person& person : People) {
        const QByteArray bytes = photo(person);
        q.bindValue(QStringLiteral(":nome"), QString::fromUtf8(person.name));
        q.bindValue(QStringLiteral(":foto"),
                    bytes.isNull() ? QVariant(QMetaType(QMetaType::QByteArray)) : QVariant(bytes));
        q.bindValue(QStringLiteral(":senha"), QString::fromLatin1(person.senha));
        q.bindValue(QStringLiteral(":ativo"), QString::fromLatin1(person.ativo));
        runPrepared(q);
        codes << q.lastInsertId().toInt();
    }

    // Weekdays of the last 31 days up to today; today only up to the present time.
    QRandomGenerator random(20200318);
    const QDateTime now = QDateTime::currentDateTime();
    const QDate first = now.date().addDays(-30);
    db.transaction();
    q.prepare(QStringLiteral("INSERT INTO ponto (codigofuncionario, nomefuncionario, foto, data, "
                             "hora, c, senha) VALUES (:codigo, :nome, :foto, :data, :hora, 1, "
                             ":senha)"));
    int punches = 0;
    for (int i = 0; i < int(std::size(People)); ++i) {
        const Person& person = People[i];
        const QByteArray bytes = photo(person);
        for (QDate day = first; day <= now.date(); day = day.addDays(1)) {
            if (day.dayOfWeek() > 5 && !(i == 0 && day.dayOfWeek() == 6))
                continue; // the first employee also works Saturday mornings
            QList<QTime> times = {QTime(8, 0), QTime(12, 0), QTime(13, 0), QTime(17, 0)};
            if (day.dayOfWeek() == 6)
                times = {QTime(8, 0), QTime(12, 0)};
            for (QTime& time : times)
                time = time.addSecs(random.bounded(-600, 900));
            const int roll = random.bounded(100);
            if (roll < 4)
                times.removeLast(); // forgot to punch out
            else if (roll < 6)
                times.insert(2, times[1].addSecs(300)); // punched twice at lunch: five punches
            for (const QTime& time : times) {
                if (QDateTime(day, time) > now)
                    break;
                q.bindValue(QStringLiteral(":codigo"), double(codes[i]));
                q.bindValue(QStringLiteral(":nome"), QString::fromUtf8(person.name));
                q.bindValue(QStringLiteral(":foto"),
                            bytes.isNull() ? QVariant(QMetaType(QMetaType::QByteArray))
                                           : QVariant(bytes));
                q.bindValue(QStringLiteral(":data"), day);
                q.bindValue(QStringLiteral(":hora"), time.toString(QStringLiteral("HH:mm:ss")));
                q.bindValue(QStringLiteral(":senha"), QString::fromLatin1(person.senha));
                runPrepared(q);
                ++punches;
            }
        }
    }
    db.commit();
    std::printf("Dados de exemplo: %d funcionários, %d batidas de %s a %s.\n",
                int(std::size(People)), punches, qPrintable(first.toString(Qt::ISODate)),
                qPrintable(now.date().toString(Qt::ISODate)));
    return 0;
}
