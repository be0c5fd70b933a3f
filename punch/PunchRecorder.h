#pragma once

#include <QDateTime>
#include <QString>

class PunchList;
class TDM;

enum TPunchOutcome
{
    prBlank,
    prDayLimit,
    prNotFound,
    prRecorded
};

// The workstation's clock; tests set their own.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const { return QDateTime::currentDateTime(); }
};

const Clock& systemClock();

// The employee lookup by password (myFuncionario).
class EmployeeLookup
{
public:
    struct Employee
    {
        int codigo = 0;
        QString nome;
        QByteArray foto;
    };

    explicit EmployeeLookup(TDM& dm) : m_dm(dm) {}
    // The employees whose senha equals the key, in the server's text comparison.
    void open(const QString& key);
    void close() { m_rows.clear(); }
    const QList<Employee>& rows() const { return m_rows; }

private:
    TDM& m_dm;
    QList<Employee> m_rows;
};

// The typed text trimmed of every leading and trailing character up to U+0020.
QString punchKey(const QString& typed);

// Turns the typed password into a stored punch: refuses an empty text and a fifth punch of
// the password today, finds the one employee with that password and stores the punch.
// Leaves the punch list on today's punches of the key for every outcome but prBlank, the
// new punch current after prRecorded. Database failures throw AppError.
TPunchOutcome RecordPunch(PunchList& myPonto, EmployeeLookup& myFuncionario, const QString& typed,
                          const Clock& clock = systemClock());
