#pragma once

#include "platform/Dialogs.h"

#include <QStringList>
#include <QVector>

#include <deque>

// Dialogs for tests: records every box and answers from queues. Installs itself while
// it lives. A question with no queued answer fails loudly instead of blocking.
class ScriptedDialogs : public Dialogs
{
public:
    struct Box {
        QString kind; // "message", "yesno", "input", "file", "open", "save", "print" or "skinned"
        QString text;
        QString caption;
        Icon icon = Icon::None;
        // The skinned message box's kind and buttons.
        MessageKind messageKind = MessageKind::Custom;
        MessageButtons buttons = 0;
        // The error report's details.
        QString details{};
    };

    ScriptedDialogs();
    ~ScriptedDialogs() override;

    void messageBox(const QString& text, const QString& caption, Icon icon) override;
    // Recorded as a message box with the error icon.
    void errorBox(const QString& text, const QString& details) override;
    bool askYesNo(const QString& text, const QString& caption, Icon icon) override;
    std::optional<QString> inputQuery(const QString& caption, const QString& prompt,
                                      const QString& value, Echo echo) override;
    std::optional<QString> chooseFile() override;
    // Both take their answers from fileAnswers; the box's text is the caption.
    std::optional<QString> chooseFileToOpen(const QString& caption, const QString& filters) override;
    std::optional<QString> chooseFileToSave(const QString& caption, const QString& filters,
                                            const QString& suggestedName) override;
    // An answer is the PDF file that the printer writes, or nothing for "cancelled".
    bool choosePrinter(QPrinter& printer) override;
    // Answers from skinnedAnswers; a one-button box answers with its button by itself.
    int skinnedMessage(const QString& text, MessageKind kind, MessageButtons buttons) override;

    std::deque<bool> yesNoAnswers;
    std::deque<std::optional<QString>> inputAnswers;
    std::deque<std::optional<QString>> fileAnswers;
    std::deque<std::optional<QString>> printerAnswers;
    std::deque<int> skinnedAnswers;

    QVector<Box> boxes;
    // The texts of the message boxes shown so far, in order.
    QStringList messages() const;
    void clear() { boxes.clear(); }

private:
    std::optional<QString> nextFile(const QString& kind, const QString& caption);
};
