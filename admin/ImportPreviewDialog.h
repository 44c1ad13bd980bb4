#pragma once

#include "admin/BankFileTypes.h"

#include <QDialog>

#include <memory>

namespace Ui {
class ImportPreview;
}

// What an imported file holds, before anything is stored: every question found with its
// key, and every line that could not be read with its number and why. The teacher adds the
// questions to the bank, puts them in place of the bank, or cancels. The dialog ends with
// one of the Choice values as its result.
class ImportPreviewDialog : public QDialog
{
    Q_OBJECT
public:
    enum Choice { Cancel = QDialog::Rejected, Append = 10, Replace = 11 };

    // The description names the file, its format and its encoding.
    ImportPreviewDialog(const QString& description, const ImportResult& result, QWidget* parent = nullptr);
    ~ImportPreviewDialog() override;

    const ImportResult& result() const { return m_result; }

public slots:
    void addButtonClick();
    void replaceButtonClick();

private:
    void fillQuestions();
    void fillProblems();

    std::unique_ptr<Ui::ImportPreview> ui;
    ImportResult m_result;
};
