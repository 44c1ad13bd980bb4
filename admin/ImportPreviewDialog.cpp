#include "admin/ImportPreviewDialog.h"

#include "platform/ErrorReport.h"
#include "ui/Fonts.h"
#include "ui_ImportPreview.h"

#include <QHeaderView>

ImportPreviewDialog::ImportPreviewDialog(const QString& description, const ImportResult& result, QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::ImportPreview>())
    , m_result(result)
{
    ui->setupUi(this);
    setFont(Fonts::sansSerif(11));
    setFixedSize(size());
    int changed = 0;
    for (const BankQuestion& question : m_result.questions)
        changed += question.notes.isEmpty() ? 0 : 1;
    ui->summaryLabel->setText(QStringLiteral("%1\nНайдено вопросов: %2, не прочитано: %3, изменено при чтении: %4.")
                                  .arg(description)
                                  .arg(m_result.questions.size())
                                  .arg(m_result.issues.size())
                                  .arg(changed));
    fillQuestions();
    fillProblems();
    const bool any = !m_result.questions.isEmpty();
    ui->addButton->setEnabled(any);
    ui->replaceButton->setEnabled(any);
}

ImportPreviewDialog::~ImportPreviewDialog() = default;

void ImportPreviewDialog::fillQuestions()
{
    QTableWidget* table = ui->questionTable;
    table->setColumnCount(5);
    table->setHorizontalHeaderLabels({QStringLiteral("Строка"), QStringLiteral("Вопрос"), QStringLiteral("Вариантов"),
                                      QStringLiteral("Ответ"), QStringLiteral("Изменено при чтении")});
    table->setRowCount(int(m_result.questions.size()));
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(18);
    for (int row = 0; row < m_result.questions.size(); ++row) {
        const BankQuestion& question = m_result.questions.at(row);
        const QString firstLine = question.text.section(u'\n', 0, 0);
        auto* text = new QTableWidgetItem(firstLine);
        text->setToolTip(question.storedText());
        auto* notes = new QTableWidgetItem(question.notes.join(QStringLiteral("; ")));
        notes->setToolTip(question.notes.join(u'\n'));
        table->setItem(row, 0, new QTableWidgetItem(QString::number(question.line)));
        table->setItem(row, 1, text);
        table->setItem(row, 2, new QTableWidgetItem(QString::number(question.options.size())));
        table->setItem(row, 3, new QTableWidgetItem(question.key() + QStringLiteral(". ") + question.options.value(question.right)));
        table->setItem(row, 4, notes);
    }
    table->setColumnWidth(0, 44);
    table->setColumnWidth(1, 270);
    table->setColumnWidth(2, 64);
    table->setColumnWidth(3, 170);
    table->horizontalHeader()->setStretchLastSection(true);
}

void ImportPreviewDialog::fillProblems()
{
    ui->problemsLabel->setText(m_result.issues.isEmpty() ? QStringLiteral("Все строки файла прочитаны.")
                                                         : QStringLiteral("Не прочитано (эти вопросы не будут добавлены):"));
    for (const ImportIssue& issue : m_result.issues)
        ui->problemList->addItem(QStringLiteral("Строка %1: %2").arg(issue.line).arg(issue.reason));
}

void ImportPreviewDialog::addButtonClick()
{
    ErrorReport::guard([&] {
        done(Append);
    });
}

void ImportPreviewDialog::replaceButtonClick()
{
    ErrorReport::guard([&] {
        done(Replace);
    });
}
