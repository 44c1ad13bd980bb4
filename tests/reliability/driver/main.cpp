// The program with a driver instead of a person: the same start-up and windows as
// vestron, over the program folder given, worked by ProgramDriver.
//   vestron_driver <folder> <tag> <seed> <rounds>   rounds 0: until killed
//   vestron_driver <folder> --main                  waits for the main window, then closes it
//   vestron_driver <folder> --student <tag> <seed>  one student's data work, no windows
#include "ProgramDriver.h"
#include "StudentDriver.h"

#include "ui/Globals.h"
#include "app/Startup.h"
#include "app/TForm3.h"
#include "app/TForm6.h"
#include "app/WindowSet.h"
#include "platform/ProgramFolder.h"
#include "platform/ReportingApplication.h"

#include <QTimer>

int main(int argc, char** argv)
{
    Startup::prepareProcess();
    ReportingApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() < 3)
        return 2;
    Startup::prepareApplication(application);
    ProgramFolder::setPathForTesting(arguments.at(1));
    if (arguments.at(2) == QLatin1String("--student"))
        return StudentDriver(arguments.at(1), arguments.value(3), arguments.value(4).toUInt()).run();

    ProgramDriver driver(arguments.at(2), arguments.value(3).toUInt(), arguments.value(4).toInt());
    // The kill test tells the phases apart by these lines.
    ProgramDriver::report({QStringLiteral("STARTING")});
    WindowSet windows;
    if (!windows.create())
        return 1;
    ProgramDriver::report({QStringLiteral("READY")});
    Form6->show();
    if (arguments.at(2) == QLatin1String("--main")) {
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [] {
            if (Form3 && Form3->isVisible()) {
                ProgramDriver::report({QStringLiteral("MAIN")});
                Form3->close();
            }
        });
        watch.start(50);
        return QApplication::exec();
    }
    driver.start();
    return QApplication::exec();
}
