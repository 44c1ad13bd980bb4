#include "AdminFixture.h"

#include "admin/TForm2.h"
#include "admin/TForm4.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

const QString kDefaultText = QStringLiteral("Введите текст тестового вопроса с вариантами ответа");

} // namespace

class TestBank : public AdminFixture
{
protected:
    void addQuestions(int from, int to)
    {
        for (int id = from; id <= to; ++id)
            exec(QStringLiteral("INSERT INTO questions (id, question) VALUES (%1, 'Вопрос %1'); "
                                "INSERT INTO keys (id, \"key\") VALUES (%1, 'A')")
                     .arg(id));
    }
    QListWidget* ids() { return control<QListWidget>(form2.get(), "ListBox1"); }
    QPlainTextEdit* memo() { return control<QPlainTextEdit>(form2.get(), "Memo1"); }
    QComboBox* letterBox() { return control<QComboBox>(form2.get(), "ComboBox1"); }
    QLabel* number() { return control<QLabel>(form2.get(), "Label4"); }
    QPlainTextEdit* dialogMemo() { return control<QPlainTextEdit>(form4.get(), "Memo1"); }
    QComboBox* dialogLetterBox() { return control<QComboBox>(form4.get(), "ComboBox1"); }

    QStringList listedIds()
    {
        QStringList texts;
        for (int i = 0; i < ids()->count(); ++i)
            texts << ids()->item(i)->text();
        return texts;
    }
    void clickId(const QString& id)
    {
        const QList<QListWidgetItem*> items = ids()->findItems(id, Qt::MatchExactly);
        ASSERT_FALSE(items.isEmpty()) << id.toStdString();
        QTest::mouseClick(ids()->viewport(), Qt::LeftButton, {}, ids()->visualItemRect(items.front()).center());
    }
    void openDialog()
    {
        click(control<QPushButton>(form2.get(), "Button5"));
        ASSERT_TRUE(form4->isVisible());
    }
    void addInDialog(const QString& letter)
    {
        dialogLetterBox()->setCurrentIndex(dialogLetterBox()->findText(letter));
        click(control<QPushButton>(form4.get(), "Button1"));
    }
};

TEST_F(TestBank, TheTabListsTheNumbersAndEmptiesTheEditor)
{
    addQuestions(1, 3);
    showPage(1);
    EXPECT_EQ(listedIds(), QStringList({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}));
    EXPECT_EQ(memo()->toPlainText(), QString());
    EXPECT_EQ(number()->text(), QString());
    EXPECT_EQ(letterBox()->currentIndex(), -1);
}

TEST_F(TestBank, ChoosingANumberShowsTheQuestionAndItsLetter)
{
    addQuestions(1, 2);
    exec(QStringLiteral("UPDATE keys SET \"key\" = 'D' WHERE id = 2"));
    showPage(1);
    clickId(QStringLiteral("2"));
    EXPECT_EQ(number()->text(), QStringLiteral("2"));
    EXPECT_EQ(memo()->toPlainText(), QStringLiteral("Вопрос 2"));
    EXPECT_EQ(letterBox()->currentText(), QStringLiteral("D"));

    // Reloading the list empties the editor, the letter box's text too.
    form2->LoadQuestionIds();
    EXPECT_EQ(letterBox()->currentText(), QString());
    EXPECT_EQ(memo()->toPlainText(), QString());
    EXPECT_EQ(number()->text(), QString());
}

TEST_F(TestBank, AKeyThatIsNoCapitalLetterLeavesTheLetterBoxAlone)
{
    struct Row { const char* key; };
    const Row rows[] = {{"'b'"}, {"''"}, {"NULL"}, {"'F'"}};
    addQuestions(1, 1);
    exec(QStringLiteral("UPDATE keys SET \"key\" = 'C' WHERE id = 1"));
    exec(QStringLiteral("INSERT INTO questions (id, question) VALUES (2, 'Второй')"));
    exec(QStringLiteral("INSERT INTO keys (id, \"key\") VALUES (2, 'b')"));
    showPage(1);
    for (const Row& row : rows) {
        exec(QStringLiteral("UPDATE keys SET \"key\" = %1 WHERE id = 2").arg(QString::fromLatin1(row.key)));
        clickId(QStringLiteral("1"));
        ASSERT_EQ(letterBox()->currentText(), QStringLiteral("C"));
        clickId(QStringLiteral("2"));
        EXPECT_EQ(memo()->toPlainText(), QStringLiteral("Второй")) << row.key;
        EXPECT_EQ(letterBox()->currentText(), QStringLiteral("C")) << row.key;
    }
    // Saving stores whatever the letter box holds.
    click(control<QPushButton>(form2.get(), "Button7"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT \"key\" FROM keys WHERE id = 2")).toString(), QStringLiteral("C"));
    EXPECT_TRUE(dialogs.boxes.isEmpty());
}

TEST_F(TestBank, EditingStoresTheTextWholeAndTheLetterAsTyped)
{
    addQuestions(1, 2);
    showPage(1);
    clickId(QStringLiteral("2"));
    const QString text = QStringLiteral("Что значит 'ключ'?\nA) первое\nB) ''второе''");
    memo()->setPlainText(text);
    letterBox()->setEditText(QStringLiteral("E"));
    click(control<QPushButton>(form2.get(), "Button7"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT question FROM questions WHERE id = 2")).toString(), text);
    EXPECT_EQ(scalar(QStringLiteral("SELECT \"key\" FROM keys WHERE id = 2")).toString(), QStringLiteral("E"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT question FROM questions WHERE id = 1")).toString(), QStringLiteral("Вопрос 1"));
    EXPECT_TRUE(dialogs.boxes.isEmpty());
}

TEST_F(TestBank, EditingWithoutTextOrNumberIsRefused)
{
    addQuestions(1, 1);
    showPage(1);
    clickId(QStringLiteral("1"));
    memo()->clear();
    click(control<QPushButton>(form2.get(), "Button7"));
    ids()->clearSelection();
    memo()->setPlainText(QStringLiteral("Новый текст"));
    click(control<QPushButton>(form2.get(), "Button7"));
    EXPECT_EQ(dialogs.messages(), QStringList({QStringLiteral("Неполные данные!"), QStringLiteral("Неполные данные!")}));
    EXPECT_EQ(scalar(QStringLiteral("SELECT question FROM questions WHERE id = 1")).toString(), QStringLiteral("Вопрос 1"));
}

TEST_F(TestBank, DeleteRemovesTheQuestionAndItsKey)
{
    addQuestions(1, 3);
    showPage(1);
    clickId(QStringLiteral("2"));
    click(control<QPushButton>(form2.get(), "Button6"));
    EXPECT_EQ(column(QStringLiteral("SELECT id FROM questions ORDER BY id")), QStringList({QStringLiteral("1"), QStringLiteral("3")}));
    EXPECT_EQ(column(QStringLiteral("SELECT id FROM keys ORDER BY id")), QStringList({QStringLiteral("1"), QStringLiteral("3")}));
    EXPECT_EQ(listedIds(), QStringList({QStringLiteral("1"), QStringLiteral("3")}));

    // Nothing selected: nothing happens, nothing is shown.
    click(control<QPushButton>(form2.get(), "Button6"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT count(*) FROM questions")).toInt(), 2);
    EXPECT_TRUE(dialogs.boxes.isEmpty());
}

TEST_F(TestBank, NewQuestionsAreNumberedAfterTheLargestNumber)
{
    struct Row { const char* name; int deleted; int expected; };
    const Row rows[] = {
        {"a gap below the largest stays", 3, 6},
        {"the largest number is taken again", 5, 5},
    };
    for (const Row& row : rows) {
        exec(QStringLiteral("DELETE FROM questions; DELETE FROM keys"));
        addQuestions(1, 5);
        form4->hide();
        showPage(1);
        form2->LoadQuestionIds();
        clickId(QString::number(row.deleted));
        click(control<QPushButton>(form2.get(), "Button6"));
        openDialog();
        EXPECT_EQ(form4->windowTitle(), QStringLiteral("Добавление вопроса №%1").arg(row.expected)) << row.name;
        EXPECT_EQ(dialogMemo()->toPlainText(), kDefaultText);
        EXPECT_EQ(dialogLetterBox()->currentIndex(), -1);

        // The untouched default text is a question too.
        addInDialog(QStringLiteral("B"));
        EXPECT_EQ(scalar(QStringLiteral("SELECT question FROM questions WHERE id = %1").arg(row.expected)).toString(),
                  kDefaultText)
            << row.name;
        EXPECT_EQ(scalar(QStringLiteral("SELECT \"key\" FROM keys WHERE id = %1").arg(row.expected)).toString(),
                  QStringLiteral("B"));
        // The dialog stays open, numbered for the next one.
        EXPECT_TRUE(form4->isVisible());
        EXPECT_EQ(form4->windowTitle(), QStringLiteral("Добавление вопроса №%1").arg(row.expected + 1));
    }
    EXPECT_TRUE(dialogs.boxes.isEmpty());
}

TEST_F(TestBank, TheFirstQuestionOfAnEmptyBankIsNumberOne)
{
    showPage(1);
    openDialog();
    EXPECT_EQ(form4->windowTitle(), QStringLiteral("Добавление вопроса №1"));
    const QString text = QStringLiteral("Строка 'одна'\nСтрока две");
    dialogMemo()->setPlainText(text);
    addInDialog(QStringLiteral("E"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT question FROM questions WHERE id = 1")).toString(), text);
    EXPECT_EQ(scalar(QStringLiteral("SELECT \"key\" FROM keys WHERE id = 1")).toString(), QStringLiteral("E"));
}

TEST_F(TestBank, TheDialogRefusesAMissingTextOrLetter)
{
    struct Row { const char* name; const char* text; const char* letter; };
    const Row rows[] = {
        {"no text", "", "A"},
        {"no letter", "Вопрос", ""},
        {"a letter that is not in the box", "Вопрос", "x"},
        {"lower case", "Вопрос", "a"},
    };
    showPage(1);
    openDialog();
    for (const Row& row : rows) {
        dialogs.clear();
        dialogMemo()->setPlainText(QString::fromUtf8(row.text));
        dialogLetterBox()->setEditText(QString::fromLatin1(row.letter));
        click(control<QPushButton>(form4.get(), "Button1"));
        EXPECT_EQ(dialogs.messages(), QStringList{QStringLiteral("Неполные данные!")}) << row.name;
    }
    EXPECT_EQ(scalar(QStringLiteral("SELECT count(*) FROM questions")).toInt(), 0);
    EXPECT_EQ(scalar(QStringLiteral("SELECT count(*) FROM keys")).toInt(), 0);
    EXPECT_EQ(form4->windowTitle(), QStringLiteral("Добавление вопроса №1"));
}

TEST_F(TestBank, ClosingTheDialogBringsTheListUpToDate)
{
    addQuestions(1, 1);
    showPage(1);
    openDialog();
    addInDialog(QStringLiteral("A"));
    addInDialog(QStringLiteral("C"));
    EXPECT_EQ(listedIds(), QStringList{QStringLiteral("1")});
    form4->close();
    EXPECT_FALSE(form4->isVisible());
    EXPECT_EQ(listedIds(), QStringList({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}));

    // Shown again, the dialog is prepared afresh.
    dialogMemo()->setPlainText(QStringLiteral("черновик"));
    dialogLetterBox()->setEditText(QStringLiteral("x"));
    openDialog();
    EXPECT_EQ(form4->windowTitle(), QStringLiteral("Добавление вопроса №4"));
    EXPECT_EQ(dialogMemo()->toPlainText(), kDefaultText);
    EXPECT_EQ(dialogLetterBox()->currentText(), QString());
}

TEST_F(TestBank, AQuestionWithoutItsKeyIsReported)
{
    addQuestions(1, 1);
    exec(QStringLiteral("INSERT INTO questions (id, question) VALUES (2, 'Без ключа')"));
    showPage(1);
    clickId(QStringLiteral("1"));
    clickId(QStringLiteral("2"));
    EXPECT_EQ(number()->text(), QStringLiteral("2"));
    EXPECT_EQ(memo()->toPlainText(), QStringLiteral("Вопрос 1"));
    ASSERT_EQ(dialogs.boxes.size(), 1);
    EXPECT_EQ(dialogs.boxes[0].icon, Dialogs::Icon::Error);
}
