#pragma once

#include "platform/Dialogs.h"

// The real boxes: QMessageBox, QInputDialog, QFileDialog and QPrintDialog, modal and centred.
class QtDialogs : public Dialogs
{
public:
    void messageBox(const QString& text, const QString& caption, Icon icon) override;
    bool askYesNo(const QString& text, const QString& caption, Icon icon) override;
    std::optional<QString> inputQuery(const QString& caption, const QString& prompt,
                                      const QString& value, Echo echo) override;
    std::optional<QString> chooseFile() override;
    std::optional<QString> chooseSaveFile(const QString& caption, const QString& suggested,
                                          const QString& filter) override;
    bool choosePrinter(QPrinter& printer) override;
};
