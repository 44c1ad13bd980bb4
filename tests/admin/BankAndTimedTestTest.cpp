// The settings window and the timed test agree: no teacher action in the settings leaves a
// bank that the timed test refuses.
#include "AdminFixture.h"

#include "admin/TForm2.h"
#include "testing/TForm1.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {

QString keyOf(int id)
{
    return QString(QChar(u'A' + (id - 1) % 5));
}

} // namespace

class BankAndTimedTest : public AdminFixture
{
protected:
    void addQuestions(int count)
    {
        for (int id = 1; id <= count; ++id)
            exec(QStringLiteral("INSERT INTO questions (id, question) VALUES (%1, 'Вопрос %1'); "
                                "INSERT INTO keys (id, \"key\") VALUES (%1, '%2')")
                     .arg(id)
                     .arg(keyOf(id)));
    }
    void apply(const QString& minutes, const QString& count)
    {
        showPage(2);
        control<QLineEdit>(form2.get(), "Edit1")->setText(minutes);
        control<QLineEdit>(form2.get(), "Edit2")->setText(count);
        click(control<QPushButton>(form2.get(), "Button1"));
    }
    void deleteQuestion(const QString& id)
    {
        showPage(1);
        QListWidget* list = control<QListWidget>(form2.get(), "ListBox1");
        const QList<QListWidgetItem*> items = list->findItems(id, Qt::MatchExactly);
        ASSERT_FALSE(items.isEmpty()) << id.toStdString();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(items.front()).center());
        click(control<QPushButton>(form2.get(), "Button6"));
    }
    int questionCount() { return scalar(QStringLiteral("SELECT count(*) FROM questions")).toInt(); }

    // Answers every position with its key and hands the test in.
    void takeTheTest()
    {
        form1->show();
        ASSERT_TRUE(form1->isTestRunning()) << dialogs.messages().join(u'|').toStdString();
        static const char* const letters[] = {"Button5", "Button6", "Button7", "Button8", "Button9"};
        for (int position = 1; position <= form1->sheet().count(); ++position) {
            const int id = form1->sheet().questionAt(position);
            EXPECT_NE(id, 5) << "a deleted question was drawn";
            click(control<QPushButton>(form1.get(), letters[(id - 1) % 5]));
            click(control<QPushButton>(form1.get(), "Button3"));
        }
        dialogs.yesNoAnswers = {true};
        click(control<QPushButton>(form1.get(), "Button4"));
        EXPECT_FALSE(form1->isTestRunning());
    }
};

TEST_F(BankAndTimedTest, DeletingAQuestionNeverLocksTheTest)
{
    addQuestions(12);
    apply(QStringLiteral("15"), QStringLiteral("10"));
    ASSERT_TRUE(dialogs.messages().isEmpty());

    // A question in the middle goes: the test takes the next existing ones.
    deleteQuestion(QStringLiteral("5"));
    EXPECT_EQ(questionCount(), 11);
    EXPECT_TRUE(dialogs.messages().isEmpty());
    takeTheTest();
    EXPECT_EQ(column(QStringLiteral("SELECT procent FROM rezult")), QStringList{QStringLiteral("100")});

    // Down to ten questions; the eleventh deletion is refused with the reason and the way out.
    deleteQuestion(QStringLiteral("12"));
    dialogs.clear();
    deleteQuestion(QStringLiteral("3"));
    EXPECT_EQ(questionCount(), 10);
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_TRUE(dialogs.messages().front().contains(QStringLiteral("«Тестирование»")));
    takeTheTest();
    EXPECT_EQ(column(QStringLiteral("SELECT procent FROM rezult")),
              (QStringList{QStringLiteral("100"), QStringLiteral("100")}));

    // Asking for more questions than the bank holds is refused, so the test keeps running.
    dialogs.clear();
    apply(QStringLiteral("15"), QStringLiteral("11"));
    EXPECT_EQ(dialogs.messages(), QStringList{QStringLiteral("В базе не хватает вопросов")});
    EXPECT_EQ(scalar(QStringLiteral("SELECT kolvo FROM params")).toInt(), 10);

    // With a smaller count the teacher may delete again.
    apply(QStringLiteral("15"), QStringLiteral("9"));
    dialogs.clear();
    deleteQuestion(QStringLiteral("3"));
    EXPECT_EQ(questionCount(), 9);
    EXPECT_TRUE(dialogs.messages().isEmpty());
    takeTheTest();
}
