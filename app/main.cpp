#include "app/Startup.h"
#include "app/WindowSet.h"
#include "platform/ReportingApplication.h"
#include "skin/controls/SkinnedDialogs.h"

int main(int argc, char** argv)
{
    Startup::prepareProcess();
    ReportingApplication application(argc, argv);
    SkinnedDialogs dialogs;
    Dialogs::install(&dialogs);
    Startup::prepareApplication(application);
    WindowSet windows;
    return windows.run();
}
