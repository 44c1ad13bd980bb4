#include "platform/MissingQtTexts.h"

#include <cstring>

namespace {

struct Text
{
    const char* context;
    const char* source;
    const char* russian;
};

// The file dialog's "Type" column names what is not a file by these words.
constexpr Text kTexts[] = {
    {"QAbstractFileIconProvider", "Folder", "Папка"},
    {"QAbstractFileIconProvider", "Drive", "Диск"},
    {"QAbstractFileIconProvider", "Shortcut", "Ярлык"},
    {"QAbstractFileIconProvider", "Unknown", "Неизвестно"},
};

} // namespace

QString MissingQtTexts::translate(const char* context, const char* sourceText, const char*, int) const
{
    if (!context || !sourceText)
        return QString();
    for (const Text& text : kTexts) {
        if (std::strcmp(context, text.context) == 0 && std::strcmp(sourceText, text.source) == 0)
            return QString::fromUtf8(text.russian);
    }
    return QString();
}
