#pragma once

#include <QString>

#include <optional>

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
    // The error report: error icon, caption "Учебник"; the text is shown as given.
    void showError(const QString& text) { messageBox(text, applicationTitle(), Icon::Error); }

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

    static QString applicationTitle() { return QStringLiteral("Учебник"); }

    // The installed implementation (the Qt one until another is installed).
    static Dialogs& instance();
    // Installs an implementation owned by the caller; nullptr goes back to the Qt one.
    static void install(Dialogs* dialogs);
};
