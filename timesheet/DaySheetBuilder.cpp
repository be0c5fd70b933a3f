#include "timesheet/DaySheetBuilder.h"

#include "app/Formats.h"
#include "app/Messages.h"
#include "app/UDm.h"

namespace {

const QString TotalSql =
    QStringLiteral("SELECT SUM(TIME_TO_SEC(totalhoras)) AS segundos FROM pontocontadortemp "
                   "WHERE codigofuncionario = :Mnome");
const QString ReadBackSql = QStringLiteral(
    "SELECT id, codigofuncionario, nomefuncionario, data, hora, hora01, hora02, hora03, "
    "totalhoras, c FROM pontocontadortemp ORDER BY data, hora, id");
// Rows a statement: far below the server's limit on placeholders.
constexpr int RowsPerInsert = 500;

QString slotText(qint64 ms)
{
    return QTime::fromMSecsSinceStartOfDay(static_cast<int>(ms % (24 * 3600 * 1000)))
        .toString(QStringLiteral("HH:mm:ss"));
}

} // namespace

const QString DaySheetBuilder::LockName = QStringLiteral("ponto.pontocontadortemp");

QString DaySheetBuilder::punchQuery(DaySheetVariant variant)
{
    return variant == DaySheetVariant::Correction
               ? QStringLiteral("SELECT * FROM ponto WHERE ((DATA >=:DataI) AND (DATA <=:Dataf)) "
                                "and (CodigoFuncionario =:Mnome) Order By "
                                "Date(data),Time(hora),id ")
               : QStringLiteral("SELECT * FROM ponto WHERE ((DATA >=:DataI) AND (DATA <=:Dataf)) "
                                "and (CodigoFuncionario =:Mnome) Order By Date(data),Time(hora) ");
}

qint64 DaySheetBuilder::wholeMinutes(qint64 fromMs, qint64 toMs)
{
    return std::abs(toMs - fromMs) / 60000;
}

QVector<DaySheetRow> DaySheetBuilder::compute(const QVector<PunchRow>& punches, double employeeCode,
                                              const QString& employeeName)
{
    QVector<DaySheetRow> rows;
    QDate previous;
    int ordinal = 0;
    qint64 slotMs[4] = {};
    for (const PunchRow& punch : punches) {
        if (punch.data != previous || rows.isEmpty()) {
            previous = punch.data;
            std::fill(std::begin(slotMs), std::end(slotMs), 0);
            ordinal = 0;
        }
        if (ordinal < 4) {
            // A punch without a time fills its slot with midnight, which counts as absent.
            const qint64 ms = Formats::timeTextMsecs(punch.hora).value_or(0);
            slotMs[ordinal] = ms;
            if (ordinal == 0)
                rows.push_back({});
            DaySheetRow& row = rows.back();
            QString* slot[] = {&row.hora, &row.hora01, &row.hora02, &row.hora03};
            *slot[ordinal] = slotText(ms);
            row.data = punch.data;
            row.codigofuncionario = employeeCode;
            row.nomefuncionario = employeeName;
            row.c = ordinal + 1;

            qint64 minutes = 0;
            if (slotMs[1] != 0)
                minutes = wholeMinutes(slotMs[0], slotMs[1]);
            if (slotMs[3] != 0)
                minutes += wholeMinutes(slotMs[2], slotMs[3]);
            row.totalhoras = QStringLiteral("%1:%2:00")
                                 .arg(minutes / 60, 2, 10, QLatin1Char('0'))
                                 .arg(minutes % 60, 2, 10, QLatin1Char('0'));
        }
        // A fifth or later punch of a date takes no slot; the build goes on to the period's end.
        ++ordinal;
    }
    return rows;
}

DaySheet DaySheetBuilder::build(int employeeCode, const QString& employeeName, const QDate& first,
                                const QDate& last, DaySheetVariant variant)
{
    SqlResult lock = m_dm.exec(
        QStringLiteral("SELECT GET_LOCK(:name, :timeout)"),
        {{QStringLiteral("name"), LockName}, {QStringLiteral("timeout"), LockTimeoutSeconds}});
    if (!lock.next() || lock.value(0).toInt() != 1)
        throw AppError(QStringLiteral("O quadro de horas está sendo montado em outra estação. "
                                      "Tente novamente em alguns instantes."));
    try {
        DaySheet sheet;
        m_dm.execText(QStringLiteral("TRUNCATE TABLE pontocontadortemp"));
        const double code = employeeCode;
        SqlResult query = m_dm.exec(punchQuery(variant), {{QStringLiteral("DataI"), first},
                                                          {QStringLiteral("Dataf"), last},
                                                          {QStringLiteral("Mnome"), code}});
        sheet.punches = PunchList::fromResult(query);
        sheet.hadPunches = !sheet.punches.isEmpty();
        if (sheet.hadPunches) {
            writeRows(compute(sheet.punches, code, employeeName));
            sheet.periodTotal = periodTotal(code);
            sheet.rows = readBack();
        }
        m_dm.exec(QStringLiteral("SELECT RELEASE_LOCK(:name)"),
                  {{QStringLiteral("name"), LockName}});
        return sheet;
    } catch (...) {
        // A lost link has already dropped the lock with the connection.
        if (m_dm.isConnected()) {
            try {
                m_dm.execText(QStringLiteral("ROLLBACK"));
                m_dm.exec(QStringLiteral("SELECT RELEASE_LOCK(:name)"),
                          {{QStringLiteral("name"), LockName}});
            } catch (...) {
            }
        }
        throw;
    }
}

void DaySheetBuilder::writeRows(const QVector<DaySheetRow>& rows)
{
    // All rows or none: a build cut short shows no half-written day sheet.
    m_dm.execText(QStringLiteral("START TRANSACTION"));
    for (qsizetype start = 0; start < rows.size(); start += RowsPerInsert) {
        const qsizetype end = std::min<qsizetype>(rows.size(), start + RowsPerInsert);
        QString sql = QStringLiteral("INSERT INTO pontocontadortemp (codigofuncionario, "
                                     "nomefuncionario, data, hora, hora01, hora02, hora03, "
                                     "totalhoras, c) VALUES ");
        SqlParams params;
        params.reserve((end - start) * 9);
        for (qsizetype i = start; i < end; ++i) {
            const DaySheetRow& row = rows[i];
            const QString n = QString::number(i - start);
            sql += QStringLiteral("%1(:k%2,:n%2,:d%2,:a%2,:b%2,:e%2,:f%2,:t%2,:c%2)")
                       .arg(i == start ? QString() : QStringLiteral(","), n);
            params << qMakePair(QStringLiteral("k") + n, QVariant(row.codigofuncionario))
                   << qMakePair(QStringLiteral("n") + n, QVariant(row.nomefuncionario))
                   << qMakePair(QStringLiteral("d") + n, QVariant(row.data))
                   << qMakePair(QStringLiteral("a") + n, QVariant(row.hora))
                   << qMakePair(QStringLiteral("b") + n, QVariant(row.hora01))
                   << qMakePair(QStringLiteral("e") + n, QVariant(row.hora02))
                   << qMakePair(QStringLiteral("f") + n, QVariant(row.hora03))
                   << qMakePair(QStringLiteral("t") + n, QVariant(row.totalhoras))
                   << qMakePair(QStringLiteral("c") + n, QVariant(row.c));
        }
        m_dm.exec(sql, params, end - start == RowsPerInsert ? TDM::Keep::Yes : TDM::Keep::No);
    }
    m_dm.execText(QStringLiteral("COMMIT"));
}

QString DaySheetBuilder::periodTotal(double employeeCode)
{
    // Summed as seconds and written here: no ceiling at the server's 838:59:59.
    SqlResult total = m_dm.exec(TotalSql, {{QStringLiteral("Mnome"), employeeCode}});
    if (!total.next() || total.value(0).isNull())
        return {};
    return Formats::durationText(total.value(0).toLongLong());
}

QVector<DaySheetRow> DaySheetBuilder::readBack()
{
    SqlResult result = m_dm.exec(ReadBackSql);
    QVector<DaySheetRow> rows;
    rows.reserve(result.size());
    while (result.next()) {
        DaySheetRow row;
        row.id = result.value(0).toInt();
        row.codigofuncionario = result.value(1).toDouble();
        row.nomefuncionario = result.value(2).toString();
        row.data = result.value(3).toDate();
        row.hora = result.value(4).toString();
        row.hora01 = result.value(5).toString();
        row.hora02 = result.value(6).toString();
        row.hora03 = result.value(7).toString();
        row.totalhoras = result.value(8).toString();
        row.c = result.value(9).toDouble();
        rows.push_back(std::move(row));
    }
    return rows;
}
