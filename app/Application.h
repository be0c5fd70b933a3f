#pragma once

#include <QApplication>

// The application object: Brazilian Portuguese for Qt's own texts and for dates, and a last
// net so that no exception leaves an event handler.
class TApplication : public QApplication
{
public:
    TApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // Locale and Qt's translations; also used by the tests.
    static void setUpLanguage();
};
