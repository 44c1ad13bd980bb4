#include "app/Startup.h"

#include "app/Fonts.h"

#include <QApplication>
#include <QIcon>

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
}

} // namespace Startup
