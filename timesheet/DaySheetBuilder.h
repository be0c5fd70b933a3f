#pragma once

#include "punch/PunchList.h"

#include <QDate>
#include <QString>
#include <QVector>

class TDM;

// One row of the day sheet (pontocontadortemp): the first four punches of a date in four
// slots and the hours worked that date.
struct DaySheetRow
{
    int id = 0;
    double codigofuncionario = 0;
    QString nomefuncionario;
    QDate data;
    QString hora, hora01, hora02, hora03; // TIME texts; null where the slot has no punch
    QString totalhoras;
    double c = 0;
};

// The correction window lists the punches with their key as the last order; the report
// does not need it.
enum class DaySheetVariant
{
    Correction,
    Report
};

struct DaySheet
{
    bool hadPunches = false;
    QString periodTotal;       // hours:minutes:seconds, empty when the employee has no row
    QVector<PunchRow> punches; // the punch query's rows, in its order
    QVector<DaySheetRow> rows; // pontocontadortemp as this build left it, by date and time
};

// Turns one employee's punches of a period into the day sheet in pontocontadortemp and the
// period total. A named server lock keeps builds of other workstations out from the emptying
// of the table until its rows are read back, so a day sheet never holds another build's rows.
class DaySheetBuilder
{
public:
    static const QString LockName;
    static constexpr int LockTimeoutSeconds = 5;

    explicit DaySheetBuilder(TDM& dm) : m_dm(dm) {}

    // Throws AppError on a database failure, or when another build holds the table longer
    // than the lock timeout (then nothing was emptied).
    DaySheet build(int employeeCode, const QString& employeeName, const QDate& first,
                   const QDate& last, DaySheetVariant variant);

    static QString punchQuery(DaySheetVariant variant);

    // The day sheet rows of punches in date and time order: four slots a date, a fifth or
    // later punch of a date in none, and each day total.
    static QVector<DaySheetRow> compute(const QVector<PunchRow>& punches, double employeeCode,
                                        const QString& employeeName);
    // Minutes worked between two times of day given in milliseconds: the absolute
    // difference, truncated to whole minutes.
    static qint64 wholeMinutes(qint64 fromMs, qint64 toMs);

private:
    void writeRows(const QVector<DaySheetRow>& rows);
    QString periodTotal(double employeeCode);
    QVector<DaySheetRow> readBack();

    TDM& m_dm;
};
