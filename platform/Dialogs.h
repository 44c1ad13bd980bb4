#pragma once

#include <QString>

#include <optional>

class QPrinter;

// Every modal box and platform dialog of the program goes through this interface, so tests
// can answer them. The program installs the Qt implementation at start-up; tests install
// ScriptedDialogs.
class Dialogs
{
public:
    enum class Icon { None, Information, Warning, Error, Question };
    enum class Echo { Normal, Password };

    virtual ~Dialogs() = default;

    // A modal box with one OK button. showMessage is the plain box: caption "Учебник", no icon.
    virtual void messageBox(const QString& text, const QString& caption, Icon icon) = 0;
    void showMessage(const QString& text) { messageBox(text, applicationTitle(), Icon::None); }
    // The error report: error icon, caption "Учебник"; the text is shown as given, and the
    // details (the database engine's own words), when there are any, behind a button.
    void showError(const QString& text, const QString& details = QString()) { errorBox(text, details); }
    virtual void errorBox(const QString& text, const QString& details) = 0;

    // A box with Yes and No buttons; true for Yes.
    virtual bool askYesNo(const QString& text, const QString& caption, Icon icon) = 0;

    // The input box: returns the typed text, or nothing when it was cancelled.
    virtual std::optional<QString> inputQuery(const QString& caption, const QString& prompt,
                                              const QString& value, Echo echo) = 0;

    // The open-file dialog: the chosen file's full path, or nothing when cancelled.
    virtual std::optional<QString> chooseFile() = 0;

    // Open and save dialogs with a caption and file filters ("Текст (*.txt);;GIFT (*.gift)").
    // The save dialog starts at the suggested name, asks before overwriting, and adds the
    // chosen filter's extension to a name typed without one.
    virtual std::optional<QString> chooseFileToOpen(const QString& caption, const QString& filters) = 0;
    virtual std::optional<QString> chooseFileToSave(const QString& caption, const QString& filters,
                                                    const QString& suggestedName) = 0;
    // The print dialog: sets up the printer; false when it was cancelled.
    virtual bool choosePrinter(QPrinter& printer) = 0;

    static QString applicationTitle() { return QStringLiteral("Учебник"); }

    // The skin engine's own message box: a kind (title and icon), a set of buttons, and the
    // modal result of the button chosen (0 when the box was closed without one).
    enum class MessageKind { Warning, Error, Information, Confirmation, Custom };
    enum MessageButton : unsigned {
        mbYes = 1u << 0, mbNo = 1u << 1, mbOK = 1u << 2, mbCancel = 1u << 3, mbAbort = 1u << 4, mbRetry = 1u << 5,
        mbIgnore = 1u << 6, mbAll = 1u << 7, mbNoToAll = 1u << 8, mbYesToAll = 1u << 9, mbHelp = 1u << 10,
    };
    using MessageButtons = unsigned;
    static constexpr int kMessageButtonCount = 11;
    struct MessageButtonInfo
    {
        const char* name;
        const char* caption;
        int modalResult;
    };
    // The button of index i (bit 1 << i): its name, caption and modal result.
    static const MessageButtonInfo& messageButton(int index);
    // The modal result of the only button of a one-button set; 0 for any other set.
    static int onlyButtonResult(MessageButtons buttons);

    virtual int skinnedMessage(const QString& text, MessageKind kind, MessageButtons buttons) = 0;
    // The engine's two shorthands: OK only.
    void skinnedWarning(const QString& text) { skinnedMessage(text, MessageKind::Warning, mbOK); }
    void skinnedError(const QString& text) { skinnedMessage(text, MessageKind::Error, mbOK); }

    // The installed implementation (the Qt one until another is installed).
    static Dialogs& instance();
    // Installs an implementation owned by the caller; nullptr goes back to the Qt one.
    static void install(Dialogs* dialogs);
};
