#include "punch/PunchRecorder.h"

#include "app/UDm.h"
#include "punch/PunchList.h"

const Clock& systemClock()
{
    static const Clock clock;
    return clock;
}

void EmployeeLookup::open(const QString& key)
{
    close();
    SqlResult query = m_dm.exec(QStringLiteral("SELECT CodigoFuncionario, NomeFuncionario, Foto "
                                               "FROM Funcionario WHERE senha = :Senha"),
                                {{QStringLiteral("Senha"), key}});
    while (query.next())
        m_rows.push_back(
            {query.value(0).toInt(), query.value(1).toString(), query.value(2).toByteArray()});
}

QString punchKey(const QString& typed)
{
    qsizetype begin = 0, end = typed.size();
    while (begin < end && typed[begin].unicode() <= 0x20)
        ++begin;
    while (end > begin && typed[end - 1].unicode() <= 0x20)
        --end;
    return typed.mid(begin, end - begin);
}

TPunchOutcome RecordPunch(PunchList& myPonto, EmployeeLookup& myFuncionario, const QString& typed,
                          const Clock& clock)
{
    // The test is on the text itself: blanks alone pass it and look up the empty key.
    if (typed.isEmpty())
        return prBlank;
    const QString key = punchKey(typed);

    myPonto.open(clock.now().date(), key);
    if (myPonto.count() >= 4)
        return prDayLimit;

    myFuncionario.open(key);
    if (myFuncionario.rows().size() != 1)
        return prNotFound; // nobody, or two employees sharing the password
    const EmployeeLookup::Employee& employee = myFuncionario.rows().front();

    PunchRow punch;
    punch.codigofuncionario = employee.codigo;
    punch.nomefuncionario = employee.nome;
    punch.foto = employee.foto;
    punch.data = clock.now().date();
    // Read after the date; the date part of this reading is dropped.
    punch.hora = clock.now().time().toString(QStringLiteral("HH:mm:ss"));
    punch.c = 1;
    punch.senha = typed;
    myPonto.append(punch);
    return prRecorded;
}
