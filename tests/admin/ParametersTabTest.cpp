#include "AdminFixture.h"

#include "admin/TForm2.h"
#include "testing/TForm1.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

class ParametersTab : public AdminFixture
{
protected:
    void addQuestions(int count)
    {
        exec(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                            "INSERT INTO questions (id, question) SELECT i, 'Вопрос ' || i FROM n")
                 .arg(count));
    }
    void addResults()
    {
        exec(QStringLiteral("INSERT INTO rezult VALUES "
                            "('Иванов', 'ИС-21', '85', '09.12.2026 10:00:00', '09.12.2026 10:20:00'), "
                            "('O''Neil', 'ИС-22', '40', '09.12.2026 11:00:00', '09.12.2026 11:15:00')"));
    }
    QLineEdit* minutes() { return control<QLineEdit>(form2.get(), "Edit1"); }
    QLineEdit* count() { return control<QLineEdit>(form2.get(), "Edit2"); }
    QTableView* grid() { return control<QTableView>(form2.get(), "DBGrid1"); }
    void apply(const QString& minutesText, const QString& countText)
    {
        minutes()->setText(minutesText);
        count()->setText(countText);
        click(control<QPushButton>(form2.get(), "Button1"));
    }
    QString stored() { return scalar(QStringLiteral("SELECT vrem || '/' || kolvo FROM params")).toString(); }
    QStringList titles()
    {
        QStringList texts;
        for (int i = 0; i < grid()->model()->columnCount(); ++i)
            texts << grid()->model()->headerData(i, Qt::Horizontal).toString();
        return texts;
    }
};

TEST_F(ParametersTab, CountIsCheckedAgainstTheBank)
{
    struct Row { const char* minutes; const char* count; const char* message; const char* stored; };
    const Row rows[] = {
        {"20", "30", nullptr, "20/30"},
        {"25", "31", "В базе не хватает вопросов", "20/30"},
        {"10", "0", "Неполные данные!", "20/30"},
        {"0", "5", "Неполные данные!", "20/30"},
        {"007", "5", nullptr, "7/5"},
        {"2147483647", "30", nullptr, "2147483647/30"},
    };
    addQuestions(30);
    showPage(2);
    for (const Row& row : rows) {
        dialogs.clear();
        apply(QString::fromLatin1(row.minutes), QString::fromLatin1(row.count));
        const QStringList expected = row.message ? QStringList{QString::fromUtf8(row.message)} : QStringList();
        EXPECT_EQ(dialogs.messages(), expected) << row.count;
        EXPECT_EQ(stored(), QString::fromLatin1(row.stored)) << row.count;
    }
}

// Regression: pasted text and numbers past 32 bits used to end in a raw conversion error.
TEST_F(ParametersTab, IncompleteOrUnreadableNumbersAreRefused)
{
    struct Row { const char* minutes; const char* count; };
    const Row rows[] = {
        {"", "5"},
        {"5", ""},
        {"2147483648", "1"},
        {"1", "99999999999"},
        {"12a", "1"},
        {"1", "-1"},
        {" 5", "1"},
        {"5", "1.0"},
        {"0", "1"},
        {"000", "1"},
        {"5", "00"},
    };
    addQuestions(3);
    showPage(2);
    for (const Row& row : rows) {
        dialogs.clear();
        apply(QString::fromLatin1(row.minutes), QString::fromLatin1(row.count));
        EXPECT_EQ(dialogs.messages(), QStringList{QStringLiteral("Неполные данные!")}) << row.minutes << " " << row.count;
        EXPECT_EQ(dialogs.boxes.size(), 1);
    }
    EXPECT_EQ(stored(), QStringLiteral("15/1"));
}

TEST_F(ParametersTab, TheBoxesTakeOnlyDigitsAndBackspace)
{
    showPage(2);
    for (QLineEdit* box : {minutes(), count()}) {
        QTest::keyClicks(box, QStringLiteral("1a2-3 ,"));
        QKeyEvent cyrillic(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("б"));
        QApplication::sendEvent(box, &cyrillic);
        QTest::keyClicks(box, QStringLiteral("4"));
        EXPECT_EQ(box->text(), QStringLiteral("1234"));
        QTest::keyClick(box, Qt::Key_Backspace);
        EXPECT_EQ(box->text(), QStringLiteral("123"));
        // The editing shortcuts are control characters and do nothing here.
        QApplication::clipboard()->setText(QStringLiteral("99"));
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
        EXPECT_EQ(box->text(), QStringLiteral("123"));
        // Moving and deleting type nothing and still work.
        QTest::keyClick(box, Qt::Key_Home);
        QTest::keyClick(box, Qt::Key_Delete);
        EXPECT_EQ(box->text(), QStringLiteral("23"));
    }
    // The password boxes filter nothing.
    QLineEdit* password = control<QLineEdit>(form2.get(), "Edit3");
    QTest::keyClicks(password, QStringLiteral("a1-"));
    EXPECT_EQ(password->text(), QStringLiteral("a1-"));
}

TEST_F(ParametersTab, TheGridShowsTheResultsWithTheirTitles)
{
    addResults();
    showPage(2);
    EXPECT_EQ(titles(), QStringList({QStringLiteral("Имя"), QStringLiteral("Группа"), QStringLiteral("Процент"),
                                     QStringLiteral("Начало"), QStringLiteral("Окончание")}));
    QAbstractItemModel* model = grid()->model();
    ASSERT_EQ(model->rowCount(), 2);
    EXPECT_EQ(model->index(1, 0).data().toString(), QStringLiteral("O'Neil"));
    EXPECT_EQ(model->index(0, 2).data().toString(), QStringLiteral("85"));
    EXPECT_EQ(model->index(0, 4).data().toString(), QStringLiteral("09.12.2026 10:20:00"));
    // The date columns show their time too: no cell's text is cut.
    for (int column = 0; column < model->columnCount(); ++column) {
        for (int row = 0; row < model->rowCount(); ++row) {
            const QString text = model->index(row, column).data().toString();
            EXPECT_GE(grid()->columnWidth(column), grid()->fontMetrics().horizontalAdvance(text) + 6)
                << text.toStdString();
        }
    }

    // Shown again on this tab: the topics are read first, the results last, so they stay.
    form2->hide();
    form2->show();
    EXPECT_EQ(titles().value(0), QStringLiteral("Имя"));
    EXPECT_EQ(grid()->model()->rowCount(), 2);
}

TEST_F(ParametersTab, AnUnreadableResultsTableIsReportedAndTheWindowStillShows)
{
    exec(QStringLiteral("DROP TABLE rezult"));
    showPage(2);
    ASSERT_EQ(dialogs.boxes.size(), 1);
    EXPECT_EQ(dialogs.boxes[0].icon, Dialogs::Icon::Error);
    form2->hide();
    form2->show();
    EXPECT_TRUE(form2->isVisible());
    EXPECT_TRUE(control<QWidget>(form2.get(), "TabSheet1")->isVisible());
    EXPECT_EQ(dialogs.boxes.size(), 2);
}

TEST_F(ParametersTab, TheGridFollowsEveryLaterStatement)
{
    addResults();
    addQuestions(2);
    showPage(2);
    ASSERT_EQ(grid()->model()->rowCount(), 2);

    // Any statement that replaces the shared query's text changes what the grid shows.
    form1->data().ADOQuery1.setSql(QStringLiteral("select id from questions"));
    EXPECT_EQ(grid()->model()->rowCount(), 0);
    form1->data().ADOQuery1.open();
    EXPECT_EQ(titles(), QStringList{QStringLiteral("id")});
    EXPECT_EQ(grid()->model()->rowCount(), 2);

    // Storing the parameters fills it with the results again.
    apply(QStringLiteral("10"), QStringLiteral("2"));
    EXPECT_EQ(grid()->model()->rowCount(), 2);
    EXPECT_EQ(titles().value(0), QStringLiteral("Имя"));

    // Another tab's statements take it away again.
    control<QTabWidget>(form2.get(), "PageControl1")->setCurrentIndex(1);
    EXPECT_EQ(titles(), QStringList{QStringLiteral("id")});
}

// Once the teacher has said Yes (and No to saving them first), the results go as before.
TEST_F(ParametersTab, ClearEmptiesTheResultsOnceConfirmed)
{
    addResults();
    showPage(2);
    dialogs.yesNoAnswers = {true, false, true}; // the second time on an empty table: one question
    for (int time = 0; time < 2; ++time) {
        click(control<QPushButton>(form2.get(), "Button2"));
        EXPECT_EQ(scalar(QStringLiteral("SELECT count(*) FROM rezult")).toInt(), 0);
        EXPECT_EQ(grid()->model()->rowCount(), 0);
        EXPECT_EQ(grid()->model()->columnCount(), 0);
    }
    EXPECT_TRUE(dialogs.messages().isEmpty());
    EXPECT_TRUE(dialogs.yesNoAnswers.empty());
}

TEST_F(ParametersTab, TheGridCannotChangeTheResults)
{
    addResults();
    showPage(2);
    QAbstractItemModel* model = grid()->model();
    const QModelIndex cell = model->index(0, 0);
    EXPECT_FALSE(model->flags(cell) & Qt::ItemIsEditable);
    EXPECT_FALSE(model->setData(cell, QStringLiteral("Петров")));

    const QPoint centre = grid()->visualRect(cell).center();
    QTest::mouseDClick(grid()->viewport(), Qt::LeftButton, {}, centre);
    QTest::keyClick(grid()->viewport(), Qt::Key_F2);
    QTest::keyClicks(grid()->viewport(), QStringLiteral("Petrov"));
    QTest::keyClick(grid()->viewport(), Qt::Key_Return);
    EXPECT_EQ(grid()->indexWidget(cell), nullptr);
    EXPECT_EQ(model->index(0, 0).data().toString(), QStringLiteral("Иванов"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT fio FROM rezult WHERE gruppa = 'ИС-21'")).toString(), QStringLiteral("Иванов"));
}
