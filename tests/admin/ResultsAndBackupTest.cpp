#include "AdminFixture.h"

#include "admin/TForm2.h"

#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>

class ResultsAndBackup : public AdminFixture
{
protected:
    void addResults()
    {
        exec(QStringLiteral("INSERT INTO rezult VALUES "
                            "('Иванов', 'ИС-21', '85', '09.12.2026 10:00:00', '09.12.2026 10:20:00'), "
                            "('=O''Neil; Jr.', 'ИС-22', '40', '09.12.2026 11:00:00', '09.12.2026 11:15:00')"));
    }
    // The file's text after its byte-order mark, which must be there.
    QString text(const QString& path)
    {
        QFile in(path);
        const QByteArray bytes = in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
        EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF")) << path.toStdString();
        return QString::fromUtf8(bytes.mid(3));
    }
    QString path(const char* name) const { return files.filePath(QString::fromUtf8(name)); }
    qint64 results() { return scalar(QStringLiteral("SELECT count(*) FROM rezult")).toLongLong(); }
    void clickButton(const char* name) { click(control<QPushButton>(form2.get(), name)); }

    QTemporaryDir files;
};

TEST_F(ResultsAndBackup, ResultsGoToASpreadsheetFileWithTheGridsTitles)
{
    addResults();
    exec(QStringLiteral("INSERT INTO result VALUES ('Петров', '2026-03-14', 20, 'B+')"));
    showPage(2);
    dialogs.fileAnswers = {path("контрольный.csv"), path("тестирование.csv")};
    clickButton("exportResultsButton");
    clickButton("exportFixedResultsButton");
    EXPECT_EQ(text(path("контрольный.csv")),
              QStringLiteral("Имя;Группа;Процент;Начало;Окончание\r\n"
                             "Иванов;ИС-21;85;09.12.2026 10:00:00;09.12.2026 10:20:00\r\n"
                             "\"'=O'Neil; Jr.\";ИС-22;40;09.12.2026 11:00:00;09.12.2026 11:15:00\r\n"));
    EXPECT_EQ(text(path("тестирование.csv")), QStringLiteral("Имя;Дата;Вопросов;Оценка\r\nПетров;2026-03-14;20;B+\r\n"));
    EXPECT_EQ(dialogs.messages().front(), QStringLiteral("Выгружено результатов: 2 в файл «контрольный.csv»."));
    // The grid still shows the results: exporting used a query of its own.
    EXPECT_EQ(control<QTableView>(form2.get(), "DBGrid1")->model()->rowCount(), 2);
}

TEST_F(ResultsAndBackup, ClearAsksFirstAndOffersToExport)
{
    struct Row {
        const char* name;
        std::deque<bool> answers;
        std::deque<std::optional<QString>> files;
        qint64 left;      // results left afterwards
        bool written;     // the file was written
    };
    const Row rows[] = {
        {"No keeps everything", {false}, {}, 2, false},
        {"Yes, then no export", {true, false}, {}, 0, false},
        {"Yes, export, file dialog cancelled: nothing deleted", {true, true}, {std::nullopt}, 2, false},
        {"Yes, export, then delete", {true, true}, {QString()}, 0, true},
    };
    showPage(2);
    for (const Row& row : rows) {
        exec(QStringLiteral("DELETE FROM rezult"));
        addResults();
        const QString file = path(row.name) + QStringLiteral(".csv");
        dialogs.clear();
        dialogs.yesNoAnswers = row.answers;
        dialogs.fileAnswers = row.files;
        if (!dialogs.fileAnswers.empty() && dialogs.fileAnswers.front() == QString())
            dialogs.fileAnswers.front() = file;
        clickButton("Button2");
        EXPECT_EQ(results(), row.left) << row.name;
        EXPECT_EQ(QFile::exists(file), row.written) << row.name;
        ASSERT_FALSE(dialogs.boxes.isEmpty()) << row.name;
        EXPECT_EQ(dialogs.boxes.front().text, QStringLiteral("Удалить все результаты контрольного теста?")) << row.name;
        EXPECT_TRUE(dialogs.yesNoAnswers.empty()) << row.name;
    }
    // With nothing to lose there is nothing to offer.
    dialogs.clear();
    dialogs.yesNoAnswers = {true};
    clickButton("Button2");
    EXPECT_EQ(dialogs.boxes.size(), 1);
}

TEST_F(ResultsAndBackup, BackupAndRestoreThroughTheWindow)
{
    exec(QStringLiteral("INSERT INTO temi (nom, name, file_name) VALUES (1, 'Тема до копии', 'a.htm')"));
    addResults();
    showPage(3);
    dialogs.fileAnswers = {path("копия.sqlite")};
    clickButton("backupButton");
    EXPECT_EQ(dialogs.messages(), QStringList{QStringLiteral("Резервная копия сохранена в файл «копия.sqlite».")});

    exec(QStringLiteral("DELETE FROM rezult; UPDATE temi SET name = 'Тема после копии'"));

    // No keeps the database as it is.
    dialogs.clear();
    dialogs.fileAnswers = {path("копия.sqlite")};
    dialogs.yesNoAnswers = {false};
    clickButton("restoreButton");
    EXPECT_EQ(results(), 0);

    dialogs.fileAnswers = {path("копия.sqlite")};
    dialogs.yesNoAnswers = {true};
    clickButton("restoreButton");
    EXPECT_EQ(results(), 2);
    EXPECT_EQ(control<QListWidget>(form2.get(), "CheckListBox1")->item(0)->text(), QStringLiteral("Тема до копии"));
}

TEST_F(ResultsAndBackup, RestoreRefusesAFileThatIsNoCourseDatabaseWithoutAsking)
{
    QFile junk(path("notes.sqlite"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("просто заметки\n");
    junk.close();
    addResults();
    showPage(3);
    dialogs.fileAnswers = {path("notes.sqlite")};
    clickButton("restoreButton");
    ASSERT_EQ(dialogs.boxes.size(), 2);
    EXPECT_TRUE(dialogs.messages().front().startsWith(QStringLiteral("Файл «notes.sqlite» не подходит: это не файл базы данных")))
        << dialogs.messages().front().toStdString();
    EXPECT_TRUE(dialogs.messages().front().endsWith(QStringLiteral("База не изменена.")));
    EXPECT_EQ(results(), 2);
}

TEST_F(ResultsAndBackup, StatisticsTabShowsEveryAnsweredQuestion)
{
    exec(QStringLiteral("INSERT INTO questions VALUES (1, 'Первый вопрос'), (2, 'Второй'); "
                        "INSERT INTO otvety VALUES ('А', 'Г', 't1', 1, 'A', 1), ('А', 'Г', 't1', 2, 'B', 0), "
                        "('Б', 'Г', 't2', 1, 'A', 1), ('Б', 'Г', 't2', 2, 'C', 1)"));
    showPage(4);
    auto* grid = control<QTableView>(form2.get(), "statisticsGrid");
    QAbstractItemModel* model = grid->model();
    ASSERT_EQ(model->rowCount(), 2);
    QStringList first;
    for (int column = 0; column < model->columnCount(); ++column)
        first << model->index(0, column).data().toString();
    EXPECT_EQ(first.join(u'|'), QStringLiteral("1|2|100 %|0,00|2|0|0|0|0|все ответили верно"));
    // Two attempts make groups of one: Б (both right) above А (one right).
    EXPECT_EQ(model->index(1, 2).data().toString(), QStringLiteral("50 %"));
    EXPECT_EQ(model->index(1, 3).data().toString(), QStringLiteral("1,00"));
    EXPECT_EQ(model->index(0, 0).data(Qt::ToolTipRole).toString(), QStringLiteral("Первый вопрос"));
    EXPECT_TRUE(model->index(0, 0).data(Qt::BackgroundRole).isValid());
    EXPECT_EQ(control<QLabel>(form2.get(), "statisticsSummary")->text(),
              QStringLiteral("Попыток: 2, ответов: 4, вопросов: 2, из них стоит проверить: 1."));
}

// Double-clicking a row takes the teacher to the question on the bank tab.
TEST_F(ResultsAndBackup, StatisticsRowOpensItsQuestion)
{
    exec(QStringLiteral("INSERT INTO questions VALUES (1, 'Первый'), (2, 'Второй'); INSERT INTO keys VALUES (1, 'A'), (2, 'B'); "
                        "INSERT INTO otvety VALUES ('А', 'Г', 't1', 1, 'A', 1), ('А', 'Г', 't1', 2, 'B', 1), "
                        "('А', 'Г', 't1', 7, 'C', 0)"));
    showPage(4);
    auto* grid = control<QTableView>(form2.get(), "statisticsGrid");
    // Question 7 is no longer in the bank: its answers are not counted.
    ASSERT_EQ(grid->model()->rowCount(), 2);
    emit grid->doubleClicked(grid->model()->index(1, 0));
    settle();
    EXPECT_EQ(control<QTabWidget>(form2.get(), "PageControl1")->currentIndex(), 1);
    EXPECT_EQ(control<QPlainTextEdit>(form2.get(), "Memo1")->toPlainText(), QStringLiteral("Второй"));

    // A question deleted while the grid was on screen is said to be gone.
    showPage(4);
    exec(QStringLiteral("DELETE FROM questions WHERE id = 2"));
    emit grid->doubleClicked(grid->model()->index(1, 0));
    EXPECT_EQ(dialogs.messages(), QStringList{QStringLiteral("Вопроса №2 в банке больше нет.")});
}

// Clearing the results clears the answers they came from, and a deleted question's answers
// weigh neither on its row nor on the attempts' scores.
TEST_F(ResultsAndBackup, StatisticsFollowTheResults)
{
    exec(QStringLiteral("INSERT INTO questions VALUES (1, 'Первый'), (2, 'Второй'); "
                        "INSERT INTO otvety VALUES ('А', 'Г', 't1', 1, 'A', 0), ('А', 'Г', 't1', 9, 'B', 1), "
                        "('А', 'Г', 't1', 8, 'B', 1), ('Б', 'Г', 't2', 1, 'A', 1), ('Б', 'Г', 't2', 2, 'C', 0)"));
    showPage(4);
    EXPECT_EQ(control<QLabel>(form2.get(), "statisticsSummary")->text(),
              QStringLiteral("Попыток: 2, ответов: 3, вопросов: 2, из них стоит проверить: 1."));
    // Counting the deleted questions, А (two right) would rank above Б and turn q1's index negative.
    QAbstractItemModel* model = control<QTableView>(form2.get(), "statisticsGrid")->model();
    EXPECT_EQ(model->index(0, 3).data().toString(), QStringLiteral("1,00"));

    // Only answers, no results: clearing still offers to save first, then both go.
    showPage(2);
    dialogs.clear();
    dialogs.yesNoAnswers = {true, false};
    clickButton("Button2");
    EXPECT_EQ(dialogs.boxes.size(), 2);
    EXPECT_EQ(scalar(QStringLiteral("SELECT count(*) FROM otvety")).toLongLong(), 0);
    showPage(4);
    EXPECT_EQ(model->rowCount(), 0);
}

// A restore that cannot write (another program holds the database) says so in Russian and
// keeps the engine's words as the report's details.
TEST_F(ResultsAndBackup, AFailedRestoreExplainsInRussianWithTheEngineWordsAsDetails)
{
    addResults();
    showPage(3);
    dialogs.fileAnswers = {path("копия.sqlite")};
    clickButton("backupButton");
    dialogs.clear();
    exec(QStringLiteral("BEGIN IMMEDIATE"));
    dialogs.fileAnswers = {path("копия.sqlite")};
    dialogs.yesNoAnswers = {true};
    clickButton("restoreButton");
    exec(QStringLiteral("ROLLBACK"));
    ASSERT_EQ(dialogs.boxes.size(), 3) << "the file, the question, the report";
    const ScriptedDialogs::Box& report = dialogs.boxes.back();
    EXPECT_EQ(report.icon, Dialogs::Icon::Error);
    EXPECT_TRUE(report.text.startsWith(QStringLiteral("База не восстановлена и осталась прежней.\nБаза данных занята")))
        << report.text.toStdString();
    EXPECT_FALSE(report.text.contains(QRegularExpression(QStringLiteral("[A-Za-z]")))) << report.text.toStdString();
    EXPECT_EQ(report.details, QStringLiteral("database is locked"));
    EXPECT_EQ(results(), 2);
}
