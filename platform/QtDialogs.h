#pragma once

#include "platform/Dialogs.h"

#include <memory>

class QFileDialog;
class QInputDialog;
class QMessageBox;
class QWidget;

// The real boxes: QMessageBox, QInputDialog, QFileDialog and QPrintDialog, modal and centred. Their
// buttons and labels are Russian whether or not Qt's own translations are installed.
class QtDialogs : public Dialogs
{
public:
    void messageBox(const QString& text, const QString& caption, Icon icon) override;
    void errorBox(const QString& text, const QString& details) override;
    bool askYesNo(const QString& text, const QString& caption, Icon icon) override;
    std::optional<QString> inputQuery(const QString& caption, const QString& prompt,
                                      const QString& value, Echo echo) override;
    std::optional<QString> chooseFile() override;
    bool choosePrinter(QPrinter& printer) override;
    // A plain QMessageBox with the kind's title and icon; the skinned dialog replaces it in
    // the program.
    int skinnedMessage(const QString& text, MessageKind kind, MessageButtons buttons) override;
    std::optional<QString> chooseFileToOpen(const QString& caption, const QString& filters) override;
    std::optional<QString> chooseFileToSave(const QString& caption, const QString& filters,
                                            const QString& suggestedName) override;

    // The boxes as they are shown, for the methods above and for tests that look at them
    // without running them.
    static std::unique_ptr<QMessageBox> makeMessageBox(const QString& text, const QString& caption,
                                                       Icon icon, bool yesNo, QWidget* parent);
    static std::unique_ptr<QInputDialog> makeInputDialog(const QString& caption, const QString& prompt,
                                                         const QString& value, Echo echo, QWidget* parent);
    static std::unique_ptr<QFileDialog> makeFileDialog(QWidget* parent);
};
