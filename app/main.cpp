#include "app/Startup.h"
#include "app/WindowSet.h"
#include "data/CourseData.h"
#include "data/ServerSetup.h"
#include "platform/ProgramFolder.h"
#include "platform/ReportingApplication.h"
#include "skin/controls/SkinnedDialogs.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstring>

namespace {

// `vestron --setup-server CONNECTION`: no window, the course of the program folder goes
// to the server.
int setUpServer(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (argc != 3) {
        err << "Использование: vestron --setup-server СТРОКА_ПОДКЛЮЧЕНИЯ\n";
        return ServerSetup::Failed;
    }
    return ServerSetup::run(QString::fromLocal8Bit(argv[2]), CourseData::databaseFile(ProgramFolder::path()), out, err);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc >= 2 && std::strcmp(argv[1], "--setup-server") == 0)
        return setUpServer(argc, argv);
    Startup::prepareProcess();
    ReportingApplication application(argc, argv);
    SkinnedDialogs dialogs;
    Dialogs::install(&dialogs);
    Startup::prepareApplication(application);
    WindowSet windows;
    return windows.run();
}
