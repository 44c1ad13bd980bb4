#include "skin/controls/SkinnedDialogs.h"

#include "skin/controls/TsMessageForm.h"

int SkinnedDialogs::skinnedMessage(const QString& text, MessageKind kind, MessageButtons buttons)
{
    TsMessageForm form(text, kind, buttons);
    return form.ShowModal();
}
