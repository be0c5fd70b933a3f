#include "app/Application.h"

#include "app/Messages.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Ponto"));
    setUpLanguage();
}

void TApplication::setUpLanguage()
{
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    auto* translator = new QTranslator(qApp);
    if (translator->load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    bool handled = false;
    // Handlers report their own failures through guarded(); this only catches what slipped by.
    guarded([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}
