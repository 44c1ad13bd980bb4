#pragma once

#include <QWidget>

#include <memory>

class BankTransfer;
class Connection;
class QListWidgetItem;
class Query;
class ResultsModel;
class StatisticsModel;

namespace Ui {
class Form2;
}

// The teacher's settings window: lecture topics, the timed test's question bank, its
// parameters with the results, and the settings password. Every statement goes through
// the shared query of TForm1.
class TForm2 : public QWidget
{
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);
    ~TForm2() override;

    void setVisible(bool visible) override;

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

public:
    BankTransfer& bankTransfer() { return *m_bankTransfer; }

private:
    static Query& query();
    static Connection& connection();
    static void dropAllButDigits(QChar* key);
    void setFonts();
    void storeMark(const QString& name, bool marked);
    qint64 selectedQuestionId() const;

    std::unique_ptr<Ui::Form2> ui;
    ResultsModel* m_results = nullptr;
    BankTransfer* m_bankTransfer = nullptr;
    StatisticsModel* m_statistics = nullptr;
};
