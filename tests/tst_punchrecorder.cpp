// The punch rule against the real server: outcomes, the stored row and the punch list.
#include "app/UDm.h"
#include "punch/PunchList.h"
#include "punch/PunchRecorder.h"
#include "tests/TestSupport.h"

#include <QSqlQuery>

namespace {

const QDate Today(2026, 12, 11);
const QDateTime Noon(Today, QTime(12, 30, 15));

// Gives its readings one after another, then repeats the last.
class SteppingClock : public Clock
{
public:
    explicit SteppingClock(QList<QDateTime> readings) : m_readings(std::move(readings)) {}
    QDateTime now() const override
    {
        return m_readings.size() > 1 ? m_readings.takeFirst() : m_readings.front();
    }

private:
    mutable QList<QDateTime> m_readings;
};

} // namespace

class TestPunchRecorder : public QObject
{
    Q_OBJECT

    TestDatabase db{"punch"};
    TDM* dm = nullptr;

    int punchCount() { return db.scalar("SELECT COUNT(*) FROM ponto").toInt(); }

    TPunchOutcome punch(const QString& typed, const Clock& clock, PunchList* list = nullptr)
    {
        PunchList own(*dm);
        EmployeeLookup lookup(*dm);
        return RecordPunch(list ? *list : own, lookup, typed, clock);
    }

private slots:
    void initTestCase()
    {
        dm = new TDM(nullptr, "punch");
        FakeMessages boxes;
        dm->DataModuleCreate(db.settings());
        QVERIFY(boxes.boxes.isEmpty());
    }
    void cleanupTestCase() { delete dm; }
    void init() { db.emptyTables(); }

    void storesThePunchRow_data()
    {
        QTest::addColumn<QByteArray>("photo");
        QTest::newRow("png photo") << samplePhoto("PNG");
        QTest::newRow("jpeg photo") << samplePhoto("JPEG");
        QTest::newRow("no photo") << QByteArray();
        QTest::newRow("empty photo") << QByteArray("");
    }

    void storesThePunchRow()
    {
        QFETCH(QByteArray, photo);
        const int code = db.addEmployee("José da Silva", "AB12", "S", photo);
        PunchList list(*dm);
        QCOMPARE(punch("AB12", FixedClock(Noon), &list), prRecorded);

        QSqlQuery q(db.admin());
        QVERIFY(q.exec("SELECT codigofuncionario, nomefuncionario, foto, data, hora, c, senha, "
                       "dataprocessamento, foto IS NULL, id FROM ponto"));
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toDouble(), double(code));
        QCOMPARE(q.value(1).toString(), QString("José da Silva"));
        QCOMPARE(q.value(2).toByteArray(), photo);
        QCOMPARE(q.value(8).toBool(), photo.isNull());
        QCOMPARE(q.value(3).toDate(), Today);
        QCOMPARE(q.value(4).toString(), QString("12:30:15"));
        QCOMPARE(q.value(5).toDouble(), 1.0);
        QCOMPARE(q.value(6).toString(), QString("AB12"));
        QVERIFY(q.value(7).toDateTime().isValid());
        const int id = q.value(9).toInt();
        QVERIFY(!q.next());

        // The list holds today's punches of the key, the new one current.
        QVERIFY(list.isOpen());
        QCOMPARE(list.count(), 1);
        QVERIFY(list.current());
        QCOMPARE(list.current()->id, id);
        QCOMPARE(list.current()->foto, photo);
    }

    void newPunchIsLastAndCurrent()
    {
        const int code = db.addEmployee("Ana", "A1");
        db.addPunch(code, "Ana", Today, "08:00:00", "A1");
        db.addPunch(code, "Ana", Today, "12:00:00", "A1");
        PunchList list(*dm);
        QCOMPARE(punch("A1", FixedClock(Noon), &list), prRecorded);
        QCOMPARE(list.count(), 3);
        QCOMPARE(list.currentRow(), 2);
        QCOMPARE(list.current()->hora, QString("12:30:15"));
    }

    void blankTouchesNothing()
    {
        db.addEmployee("Ana", "A1");
        PunchList list(*dm);
        QCOMPARE(punch("A1", FixedClock(Noon), &list), prRecorded);
        QCOMPARE(punch("", FixedClock(Noon), &list), prBlank);
        QCOMPARE(list.count(), 1); // the list stays as it was
        QCOMPARE(list.key(), QString("A1"));
        QCOMPARE(punchCount(), 1);
    }

    void outcomes_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("listed");
        // Employees: "AB" active, "IN" inactive, "DUP" twice, "lw" stored in lower case,
        // "%" a literal percent sign. Punches today: "FULL" four (no employee holds it).
        QTest::newRow("blanks only look up the empty key") << "   " << int(prNotFound) << 0 << 0;
        QTest::newRow("unknown password") << "ZZ" << int(prNotFound) << 0 << 0;
        QTest::newRow("inactive employee can punch") << "IN" << int(prRecorded) << 1 << 1;
        QTest::newRow("shared password is not found") << "DUP" << int(prNotFound) << 0 << 0;
        QTest::newRow("limit comes before the lookup") << "FULL" << int(prDayLimit) << 0 << 4;
        QTest::newRow("lower-case stored password matches") << "LW" << int(prRecorded) << 1 << 1;
        QTest::newRow("percent is no wildcard") << "%" << int(prRecorded) << 1 << 1;
        QTest::newRow("underscore is no wildcard") << "A_" << int(prNotFound) << 0 << 0;
        QTest::newRow("quote cannot change the statement") << "'OR'" << int(prNotFound) << 0 << 0;
        QTest::newRow("backslash quote") << "\\' OR" << int(prNotFound) << 0 << 0;
        // The server's VARCHAR comparison ignores trailing blanks, so the stored "AB " is listed.
        QTest::newRow("trailing blank trimmed") << "AB " << int(prRecorded) << 1 << 1;
    }

    void outcomes()
    {
        QFETCH(QString, typed);
        db.addEmployee("Active", "AB");
        db.addEmployee("Inactive", "IN", "N");
        db.addEmployee("Dup 1", "DUP");
        db.addEmployee("Dup 2", "DUP");
        db.addEmployee("Lower", "lw");
        db.addEmployee("Percent", "%");
        for (const char* hora : {"07:00:00", "11:00:00", "12:00:00", "16:00:00"})
            db.addPunch(99, "Gone", Today, hora, "FULL");
        const int before = punchCount();

        PunchList list(*dm);
        QTEST(int(punch(typed, FixedClock(Noon), &list)), "outcome");
        QTEST(punchCount() - before, "stored");
        QVERIFY(list.isOpen());
        QTEST(list.count(), "listed");
    }

    void fifthPunchIsRefusedAndTheListShowsFour()
    {
        const int code = db.addEmployee("Ana", "A1");
        PunchList list(*dm);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(punch("A1", FixedClock(Noon.addSecs(i * 3600)), &list), prRecorded);
        QCOMPARE(punch("A1", FixedClock(Noon.addSecs(5 * 3600)), &list), prDayLimit);
        QCOMPARE(list.count(), 4);
        QCOMPARE(punchCount(), 4);
        // After midnight the count starts again.
        QCOMPARE(punch("A1", FixedClock(Noon.addDays(1)), &list), prRecorded);
        QCOMPARE(list.count(), 1);
        QCOMPARE(list.current()->codigofuncionario, double(code));
    }

    void leadingBlankIsKeptInSenhaAndEscapesTheLimit()
    {
        db.addEmployee("Ana", "A1");
        for (int i = 0; i < 3; ++i)
            QCOMPARE(punch("A1", FixedClock(Noon)), prRecorded);
        QCOMPARE(punch(" A1", FixedClock(Noon)), prRecorded);
        QCOMPARE(db.scalar("SELECT COUNT(*) FROM ponto WHERE senha = ' A1'").toInt(), 1);
        // Only three rows equal the key "A1", so a fifth punch of the day is taken.
        QCOMPARE(punch("A1", FixedClock(Noon)), prRecorded);
        QCOMPARE(punchCount(), 5);
    }

    void hostilePasswordIsStoredAsTyped()
    {
        const QString hostile = QStringLiteral("\\'\"%_");
        db.addEmployee("Hostil", hostile);
        db.addEmployee("Other", "X");
        QCOMPARE(punch(hostile, FixedClock(Noon)), prRecorded);
        QCOMPARE(db.scalar("SELECT senha FROM ponto").toString(), hostile);
        QCOMPARE(db.scalar("SELECT nomefuncionario FROM ponto").toString(), QString("Hostil"));
    }

    void dateIsReadJustBeforeTheTime()
    {
        db.addEmployee("Ana", "A1");
        const QDateTime beforeMidnight(Today.addDays(-1), QTime(23, 59, 59, 999));
        // Readings: the limit test, the date of the row, then the time of the row.
        SteppingClock clock({beforeMidnight, beforeMidnight, QDateTime(Today, QTime(0, 0, 0))});
        QCOMPARE(punch("A1", clock), prRecorded);
        QCOMPARE(db.scalar("SELECT data FROM ponto").toDate(), Today.addDays(-1));
        QCOMPARE(db.scalar("SELECT hora FROM ponto").toString(), QString("00:00:00"));
    }

    void refreshFollowsOtherWorkstations()
    {
        const int code = db.addEmployee("Ana", "A1");
        PunchList list(*dm);
        QCOMPARE(punch("A1", FixedClock(Noon), &list), prRecorded);
        const int mine = list.current()->id;
        const int other = db.addPunch(code, "Ana", Today, "07:00:00", "A1");
        list.refresh();
        QCOMPARE(list.count(), 2);
        QCOMPARE(list.current()->id, mine); // found again by its key
        db.sql("DELETE FROM ponto WHERE id = :id", {{"id", mine}});
        list.refresh();
        QCOMPARE(list.count(), 1);
        QCOMPARE(list.current()->id, other);
    }
};

PONTO_TEST_MAIN(TestPunchRecorder)
#include "tst_punchrecorder.moc"
