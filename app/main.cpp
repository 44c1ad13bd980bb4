#include "app/Startup.h"
#include "app/WindowSet.h"
#include "platform/QtDialogs.h"
#include "platform/ReportingApplication.h"

int main(int argc, char** argv)
{
    Startup::prepareProcess();
    ReportingApplication application(argc, argv);
    QtDialogs dialogs;
    Dialogs::install(&dialogs);
    Startup::prepareApplication(application);
    WindowSet windows;
    return windows.run();
}
