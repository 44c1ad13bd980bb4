#pragma once

#include <QWidget>

#include <memory>
#include <optional>

class BankTransfer;
class Connection;
class CourseData;
class QListWidgetItem;
class QModelIndex;
class Query;
class TForm4;
class ResultsModel;
class StatisticsModel;

namespace Ui {
class Form2;
}

// The teacher's settings window: lecture topics, the timed test's question bank, its
// parameters with the results, and the settings password. Every statement goes through
// the shared query of the course data handed in.
class TForm2 : public QWidget
{
    Q_OBJECT
public:
    explicit TForm2(CourseData& data, QWidget* parent = nullptr);
    ~TForm2() override;

    void setVisible(bool visible) override;

    // The add-question dialog that «Добавить» shows; the question list is read again
    // whenever the dialog closes.
    void attachAddQuestionDialog(TForm4* dialog);

    Query& query();

    void LoadTopics();
    // Also run by the add-question dialog when it closes.
    void LoadQuestionIds();

signals:
    // Emitted before a hidden window is shown.
    void showing();

public slots:
    void FormShow();

    // "Темы"
    void CheckListBox1ClickCheck(QListWidgetItem* item);
    void Button3Click();
    void Button4Click();

    // "База тестов"
    void TabSheet3Show();
    void ListBox1Click();
    void Button7Click();
    void Button5Click();
    void Button6Click();

    // "Тестирование"
    void TabSheet1Show();
    void Edit1KeyPress(QChar* key);
    void Edit2KeyPress(QChar* key);
    void Button1Click();
    void Button2Click();

    // "Защита"
    void Button8Click();

    // Files and statistics for the teacher.
    void importButtonClick();
    void exportBankButtonClick();
    void exportResultsButtonClick();
    void exportFixedResultsButtonClick();
    void backupButtonClick();
    void restoreButtonClick();
    void TabSheet5Show();
    // Opens the question of the row on the bank tab, to be mended there.
    void statisticsGridDoubleClick(const QModelIndex& index);

public:
    BankTransfer& bankTransfer() { return *m_bankTransfer; }

private:
    Connection& connection();
    static void dropAllButDigits(QChar* key);
    void setFonts();
    void storeMark(const QString& name, bool marked);
    qint64 selectedQuestionId() const;
    static std::optional<QString> deletionRefusal(Query& q);

    std::unique_ptr<Ui::Form2> ui;
    CourseData& m_data;
    TForm4* m_addQuestionDialog = nullptr;
    ResultsModel* m_results = nullptr;
    BankTransfer* m_bankTransfer = nullptr;
    StatisticsModel* m_statistics = nullptr;
};
