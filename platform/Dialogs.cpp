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

const Dialogs::MessageButtonInfo& Dialogs::messageButton(int index)
{
    static const MessageButtonInfo buttons[kMessageButtonCount] = {
        {"Yes", "&Yes", 6},     {"No", "&No", 7},          {"OK", "OK", 1},
        {"Cancel", "Cancel", 2}, {"Abort", "&Abort", 3},    {"Retry", "&Retry", 4},
        {"Ignore", "&Ignore", 5}, {"All", "&All", 8},       {"NoToAll", "N&o to All", 9},
        {"YesToAll", "Yes to &All", 10}, {"Help", "&Help", 0},
    };
    return buttons[index < 0 || index >= kMessageButtonCount ? 2 : index];
}

int Dialogs::onlyButtonResult(MessageButtons buttons)
{
    for (int i = 0; i < kMessageButtonCount; ++i) {
        if (buttons == (1u << i))
            return messageButton(i).modalResult;
    }
    return 0;
}
