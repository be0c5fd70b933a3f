#pragma once

#include "app/Messages.h"
#include "app/UDm.h"
#include "punch/PunchRecorder.h"

#include <QApplication>
#include <QByteArray>
#include <QDate>
#include <QList>
#include <QSqlDatabase>
#include <QTest>
#include <QTime>
#include <QTimer>

// A fresh database on the test server (PONTO_TEST_PORT), named after the test program,
// with the project's schema loaded. Fails the test run loudly when the server is missing.
class TestDatabase
{
public:
    explicit TestDatabase(const QString& name);
    ~TestDatabase();

    ConnectionSettings settings() const;
    QString name() const { return m_name; }
    static int port();

    // Statements on a connection of its own, as another workstation would send them.
    void sql(const QString& statement, const SqlParams& params = {});
    QVariant scalar(const QString& statement, const SqlParams& params = {});
    void emptyTables();

    int addEmployee(const QString& name, const QString& senha, const QString& ativo = "S",
                    const QByteArray& foto = {});
    int addPunch(int codigo, const QString& nome, const QDate& data, const QString& hora,
                 const QString& senha = {});

    QSqlDatabase admin() const;

private:
    QString m_name;
    QString m_connection;
};

// Answers message boxes in tests and records what was asked.
class FakeMessages : public MessageSink
{
public:
    FakeMessages() { setMessageSink(this); }
    ~FakeMessages() override { setMessageSink(nullptr); }

    QMessageBox::StandardButton show(const Box& box) override
    {
        boxes.append(box);
        if (!answers.isEmpty())
            return answers.takeFirst();
        return box.defaultButton != QMessageBox::NoButton ? box.defaultButton : QMessageBox::Ok;
    }

    QList<Box> boxes;
    QList<QMessageBox::StandardButton> answers;
};

class FixedClock : public Clock
{
public:
    explicit FixedClock(QDateTime at) : at(std::move(at)) {}
    QDateTime now() const override { return at; }
    QDateTime at;
};

// Runs the check on the next modal window of that class once it is open, then closes it
// (unless the check did). Call it before the action that opens the window.
template <class Dialog, class Check> void whenModalOpens(QObject* context, Check check)
{
    auto* poll = new QTimer(context);
    QObject::connect(poll, &QTimer::timeout, context, [poll, check] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        poll->stop();
        poll->deleteLater();
        check(dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
    poll->start(10);
}

class ReportPreview;
// The report previews that are open now.
QList<ReportPreview*> openPreviews();

// A picture in the given format ("PNG", "JPEG", "BMP").
QByteArray samplePhoto(const char* format, QSize size = QSize(120, 130));

void setUpTestApplication();

// One QApplication per test program; offscreen unless the caller chose another platform.
#define PONTO_TEST_MAIN(TestClass)                                                                 \
    int main(int argc, char** argv)                                                                \
    {                                                                                              \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                                        \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                               \
        QApplication app(argc, argv);                                                              \
        setUpTestApplication();                                                                    \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
