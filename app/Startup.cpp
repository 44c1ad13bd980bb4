#include "app/Startup.h"

#include "platform/MissingQtTexts.h"
#include "ui/Fonts.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <unistd.h>

namespace Startup {

void prepareProcess()
{
    if (geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_CHROMIUM_FLAGS"))
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--no-sandbox");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

void prepareApplication(QApplication& application)
{
    // Not the display name: that one would be appended to every window title.
    QCoreApplication::setApplicationName(QStringLiteral("Учебник"));
    application.setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/app/vestron.ico")));
    Fonts::installSubstitutions();
    installRussianTranslation(application);
}

QTranslator* installRussianTranslation(QApplication& application)
{
    auto* translator = new QTranslator(&application);
    if (!translator->load(QLocale(QLocale::Russian, QLocale::Russia), QStringLiteral("qtbase"),
                          QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return nullptr;
    }
    QCoreApplication::installTranslator(translator);
    // Installed last, so asked first; it goes with Qt's translation.
    QCoreApplication::installTranslator(new MissingQtTexts(translator));
    return translator;
}

} // namespace Startup
