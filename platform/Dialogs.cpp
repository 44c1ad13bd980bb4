#include "platform/Dialogs.h"

#include "platform/QtDialogs.h"

namespace {

// Process-wide: the implementation every box goes through.
Dialogs* installed = nullptr;

} // namespace

Dialogs& Dialogs::instance()
{
    static QtDialogs qtDialogs;
    return installed ? *installed : qtDialogs;
}

void Dialogs::install(Dialogs* dialogs)
{
    installed = dialogs;
}
