#pragma once

#include "platform/QtDialogs.h"

// The program's dialogs: the platform's boxes for its own windows, and the skin engine's
// messages in the skinned message form.
class SkinnedDialogs : public QtDialogs
{
public:
    int skinnedMessage(const QString& text, MessageKind kind, MessageButtons buttons) override;
};
