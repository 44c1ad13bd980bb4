#include "common/ScriptedDialogs.h"

#include <QPrinter>

#include <stdexcept>

ScriptedDialogs::ScriptedDialogs()
{
    Dialogs::install(this);
}

ScriptedDialogs::~ScriptedDialogs()
{
    Dialogs::install(nullptr);
}

void ScriptedDialogs::messageBox(const QString& text, const QString& caption, Icon icon)
{
    boxes.push_back({QStringLiteral("message"), text, caption, icon});
}

void ScriptedDialogs::errorBox(const QString& text, const QString& details)
{
    Box box{QStringLiteral("message"), text, applicationTitle(), Icon::Error};
    box.details = details;
    boxes.push_back(box);
}

bool ScriptedDialogs::askYesNo(const QString& text, const QString& caption, Icon icon)
{
    boxes.push_back({QStringLiteral("yesno"), text, caption, icon});
    if (yesNoAnswers.empty())
        throw std::logic_error("ScriptedDialogs: no answer queued for a yes/no box");
    const bool answer = yesNoAnswers.front();
    yesNoAnswers.pop_front();
    return answer;
}

std::optional<QString> ScriptedDialogs::inputQuery(const QString& caption, const QString& prompt,
                                                   const QString& /*value*/, Echo /*echo*/)
{
    boxes.push_back({QStringLiteral("input"), prompt, caption, Icon::None});
    if (inputAnswers.empty())
        throw std::logic_error("ScriptedDialogs: no answer queued for an input box");
    auto answer = inputAnswers.front();
    inputAnswers.pop_front();
    return answer;
}

std::optional<QString> ScriptedDialogs::chooseFile()
{
    return nextFile(QStringLiteral("file"), QString());
}

std::optional<QString> ScriptedDialogs::chooseFileToOpen(const QString& caption, const QString& /*filters*/)
{
    return nextFile(QStringLiteral("open"), caption);
}

std::optional<QString> ScriptedDialogs::chooseFileToSave(const QString& caption, const QString& /*filters*/,
                                                         const QString& /*suggestedName*/)
{
    return nextFile(QStringLiteral("save"), caption);
}

std::optional<QString> ScriptedDialogs::nextFile(const QString& kind, const QString& caption)
{
    boxes.push_back({kind, caption, caption, Icon::None});
    if (fileAnswers.empty())
        throw std::logic_error("ScriptedDialogs: no answer queued for a file dialog");
    auto answer = fileAnswers.front();
    fileAnswers.pop_front();
    return answer;
}

bool ScriptedDialogs::choosePrinter(QPrinter& printer)
{
    boxes.push_back({QStringLiteral("print"), QString(), QString(), Icon::None});
    if (printerAnswers.empty())
        throw std::logic_error("ScriptedDialogs: no answer queued for a print dialog");
    const auto answer = printerAnswers.front();
    printerAnswers.pop_front();
    if (!answer)
        return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(*answer);
    return true;
}

int ScriptedDialogs::skinnedMessage(const QString& text, MessageKind kind, MessageButtons buttons)
{
    Box box{QStringLiteral("skinned"), text, QString(), Icon::None};
    box.messageKind = kind;
    box.buttons = buttons;
    boxes.push_back(box);
    if (!skinnedAnswers.empty()) {
        const int answer = skinnedAnswers.front();
        skinnedAnswers.pop_front();
        return answer;
    }
    if (const int only = onlyButtonResult(buttons))
        return only;
    throw std::logic_error("ScriptedDialogs: no answer queued for a skinned message box");
}

QStringList ScriptedDialogs::messages() const
{
    QStringList texts;
    for (const Box& box : boxes) {
        if (box.kind == QLatin1String("message"))
            texts << box.text;
    }
    return texts;
}
