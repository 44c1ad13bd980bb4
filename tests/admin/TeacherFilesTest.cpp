#include "AdminFixture.h"

#include "admin/BankTransfer.h"
#include "admin/ImportPreviewDialog.h"
#include "admin/TForm2.h"
#include "admin/TForm4.h"

#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>

class TeacherFiles : public AdminFixture
{
protected:
    QString write(const char* name, const QByteArray& bytes)
    {
        const QString path = files.filePath(QString::fromUtf8(name));
        QFile out(path);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
        return path;
    }
    QByteArray read(const QString& path)
    {
        QFile in(path);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }
    ImportPreviewDialog* importFile(const QString& path)
    {
        dialogs.fileAnswers.push_back(path);
        click(control<QPushButton>(form2.get(), "importButton"));
        return form2->bankTransfer().preview();
    }
    void choose(ImportPreviewDialog* preview, const char* button)
    {
        ASSERT_NE(preview, nullptr);
        click(preview->findChild<QPushButton*>(QString::fromLatin1(button)));
        settle();
    }
    QString bank() { return column(QStringLiteral("SELECT q.id || ' ' || k.\"key\" FROM questions q JOIN keys k USING (id) ORDER BY q.id")).join(u','); }
    QStringList listed()
    {
        QStringList ids;
        auto* list = control<QListWidget>(form2.get(), "ListBox1");
        for (int i = 0; i < list->count(); ++i)
            ids << list->item(i)->text();
        return ids;
    }

    QTemporaryDir files;
    const QByteArray aiken = "Что такое СУБД?\nA. Программа\nB. Таблица\nANSWER: A\n\n"
                             "Шесть вариантов\nA. 1\nB. 2\nC. 3\nD. 4\nE. 5\nF. 6\nANSWER: A\n\n"
                             "Ключ?\nA) да\nB) нет\nC) может быть\nANSWER: C\n";
};

TEST_F(TeacherFiles, PreviewListsQuestionsAndUnreadLinesBeforeAnythingIsStored)
{
    exec(QStringLiteral("INSERT INTO questions VALUES (4, 'Старый'); INSERT INTO keys VALUES (4, 'B')"));
    showPage(1);
    ImportPreviewDialog* preview = importFile(write("вопросы.txt", aiken));
    ASSERT_NE(preview, nullptr);
    auto* table = preview->findChild<QTableWidget*>(QStringLiteral("questionTable"));
    ASSERT_EQ(table->rowCount(), 2);
    EXPECT_EQ(table->item(0, 1)->text(), QStringLiteral("Что такое СУБД?"));
    EXPECT_EQ(table->item(1, 0)->text(), QStringLiteral("15"));
    EXPECT_EQ(table->item(1, 3)->text(), QStringLiteral("C. может быть"));
    auto* problems = preview->findChild<QListWidget*>(QStringLiteral("problemList"));
    ASSERT_EQ(problems->count(), 1);
    EXPECT_TRUE(problems->item(0)->text().startsWith(QStringLiteral("Строка 6: Вопрос со строки 6 не принят: больше пяти")));
    EXPECT_EQ(bank(), QStringLiteral("4 B")) << "nothing is stored before the choice";

    choose(preview, "addButton");
    EXPECT_EQ(bank(), QStringLiteral("4 B,5 A,6 C"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT question FROM questions WHERE id = 6")).toString(),
              QStringLiteral("Ключ?\nA) да\nB) нет\nC) может быть"));
    EXPECT_EQ(dialogs.messages().back(), QStringLiteral("Добавлено вопросов: 2 (номера 5–6)."));
    EXPECT_EQ(listed(), (QStringList{"4", "5", "6"}));
}

TEST_F(TeacherFiles, CancelOrNoFileStoresNothing)
{
    showPage(1);
    dialogs.fileAnswers.push_back(std::nullopt);
    click(control<QPushButton>(form2.get(), "importButton"));
    EXPECT_EQ(form2->bankTransfer().preview(), nullptr);

    choose(importFile(write("a.txt", aiken)), "cancelButton");
    EXPECT_EQ(bank(), QString());

    // Replacing, then saying No to the question, stores nothing either.
    dialogs.yesNoAnswers = {false};
    choose(importFile(write("b.txt", aiken)), "replaceButton");
    EXPECT_EQ(bank(), QString());
    EXPECT_TRUE(dialogs.messages().isEmpty());
}

// A failure while storing leaves the bank as it was and says so.
TEST_F(TeacherFiles, FailureWhileStoringStoresNothing)
{
    exec(QStringLiteral("INSERT INTO questions VALUES (1, 'Старый'); INSERT INTO keys VALUES (1, 'A'); "
                        "CREATE TRIGGER refuse BEFORE INSERT ON questions WHEN NEW.question LIKE 'Ключ?%' "
                        "BEGIN SELECT RAISE(ABORT, 'диск заполнен'); END"));
    showPage(1);
    dialogs.yesNoAnswers = {true};
    for (const char* button : {"addButton", "replaceButton"}) {
        dialogs.clear();
        choose(importFile(write("d.txt", aiken)), button);
        EXPECT_EQ(bank(), QStringLiteral("1 A")) << button;
        ASSERT_FALSE(dialogs.boxes.isEmpty()) << button;
        EXPECT_EQ(dialogs.boxes.back().icon, Dialogs::Icon::Error) << button;
        const auto& box = dialogs.boxes.back();
        EXPECT_TRUE(box.text.startsWith(QStringLiteral("Вопросы не сохранены, банк не изменён.\n"))) << box.text.toStdString();
        EXPECT_TRUE((box.text + box.details).contains(QStringLiteral("диск заполнен"))) << box.text.toStdString();
    }
}

TEST_F(TeacherFiles, ReplaceAsksThenRenumbersTheBank)
{
    exec(QStringLiteral("INSERT INTO questions VALUES (7, 'a'), (8, 'b'), (9, 'c'); INSERT INTO keys VALUES (7, 'A'), (8, 'A'), (9, 'A'); "
                        "UPDATE params SET kolvo = 3"));
    showPage(1);
    dialogs.yesNoAnswers = {true};
    choose(importFile(write("c.txt", aiken)), "replaceButton");
    ASSERT_EQ(dialogs.boxes.front().kind, QStringLiteral("open"));
    const QString question = dialogs.boxes.at(1).text;
    EXPECT_TRUE(question.contains(QStringLiteral("вопросов сейчас: 3"))) << question.toStdString();
    EXPECT_TRUE(question.contains(QStringLiteral("задано вопросов: 3 — больше"))) << question.toStdString();
    EXPECT_EQ(bank(), QStringLiteral("1 A,2 C"));
    EXPECT_EQ(listed(), (QStringList{"1", "2"}));
}

TEST_F(TeacherFiles, Windows1251FileIsReadWithItsLetters)
{
    // "Вопрос?\nA. да\nB. нет\nANSWER: B" in code page 1251, CRLF line ends.
    const QString path = write("cp1251.txt", "\xC2\xEE\xEF\xF0\xEE\xF1?\r\nA. \xE4\xE0\r\nB. \xED\xE5\xF2\r\nANSWER: B\r\n");
    showPage(1);
    choose(importFile(path), "addButton");
    EXPECT_EQ(scalar(QStringLiteral("SELECT question FROM questions")).toString(),
              QStringLiteral("Вопрос?\nA) да\nB) нет"));
}

// Regression guard: the add-question dialog keeps the number it will give next, so an
// import while it is open would hand the same number out twice.
TEST_F(TeacherFiles, ImportWaitsForTheAddQuestionDialogToClose)
{
    showPage(1);
    click(control<QPushButton>(form2.get(), "Button5"));
    ASSERT_TRUE(form4->isVisible());
    click(control<QPushButton>(form2.get(), "importButton"));
    EXPECT_EQ(dialogs.messages(), QStringList{QStringLiteral("Закройте окно добавления вопроса, затем повторите импорт.")});
    EXPECT_EQ(form2->bankTransfer().preview(), nullptr);
}

TEST_F(TeacherFiles, FileWithoutQuestionsOrNotTextIsToldNotPreviewed)
{
    struct Row {
        const char* name;
        QByteArray bytes;
        const char* message;
    };
    const Row rows[] = {
        {"empty.txt", "\n\n  \n", "В файле «empty.txt» нет ни одного вопроса."},
        {"picture.txt", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), "Файл «picture.txt» не похож на текстовый файл с вопросами."},
    };
    showPage(1);
    for (const Row& row : rows) {
        dialogs.clear();
        EXPECT_EQ(importFile(write(row.name, row.bytes)), nullptr) << row.name;
        EXPECT_EQ(dialogs.messages(), QStringList{QString::fromUtf8(row.message)}) << row.name;
    }
    dialogs.clear();
    dialogs.fileAnswers.push_back(files.filePath(QStringLiteral("нет такого.txt")));
    click(control<QPushButton>(form2.get(), "importButton"));
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_TRUE(dialogs.messages().front().startsWith(QStringLiteral("Не удалось открыть файл «нет такого.txt»")));
}

TEST_F(TeacherFiles, ExportWritesTheChosenFormatAndNamesWhatItSkipped)
{
    exec(QStringLiteral("INSERT INTO questions VALUES (1, 'Что?' || char(10) || 'A) x' || char(10) || 'B) y'), "
                        "(2, 'Свободный текст'); INSERT INTO keys VALUES (1, 'B'), (2, 'A')"));
    showPage(1);
    const QString path = files.filePath(QStringLiteral("банк.gift"));
    dialogs.fileAnswers.push_back(path);
    click(control<QPushButton>(form2.get(), "exportBankButton"));
    EXPECT_EQ(QString::fromUtf8(read(path)), QStringLiteral("// Вопрос 1\nЧто? {\n\t~x\n\t=y\n}\n\n"));
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_TRUE(dialogs.messages().front().startsWith(QStringLiteral("Выгружено вопросов: 1 в файл «банк.gift».")));
    EXPECT_TRUE(dialogs.messages().front().contains(QStringLiteral("№2 — текст не кончается вариантами")));

    dialogs.clear();
    exec(QStringLiteral("DELETE FROM questions"));
    click(control<QPushButton>(form2.get(), "exportBankButton"));
    EXPECT_EQ(dialogs.messages(), QStringList{QStringLiteral("В банке нет вопросов.")});
}

// A bank goes out as XML and a marked-up export comes in, the preview telling what reading changed.
TEST_F(TeacherFiles, MoodleXmlGoesOutAndComesInWithItsChangesShown)
{
    exec(QStringLiteral("INSERT INTO questions VALUES (1, 'Что?' || char(10) || 'A) p->x' || char(10) || 'B) y'); "
                        "INSERT INTO keys VALUES (1, 'A')"));
    showPage(1);
    const QString path = files.filePath(QStringLiteral("банк.xml"));
    dialogs.fileAnswers.push_back(path);
    click(control<QPushButton>(form2.get(), "exportBankButton"));
    const QString xml = QString::fromUtf8(read(path));
    EXPECT_TRUE(xml.contains(QStringLiteral("<answer fraction=\"100\" format=\"html\">"))) << xml.toStdString();

    const QByteArray marked = "<?xml version=\"1.0\"?>\n<quiz>\n<question type=\"multichoice\"><questiontext format=\"html\">"
                              "<text><![CDATA[<p>Схема <img src=\"a.png\"></p>]]></text></questiontext>"
                              "<answer fraction=\"100\"><text>a</text></answer><answer fraction=\"0\"><text>b</text></answer></question>\n"
                              "<question type=\"essay\"></question>\n</quiz>\n";
    ImportPreviewDialog* preview = importFile(write("экспорт.txt", marked));
    ASSERT_NE(preview, nullptr);
    auto* table = preview->findChild<QTableWidget*>(QStringLiteral("questionTable"));
    ASSERT_EQ(table->rowCount(), 1);
    EXPECT_EQ(table->item(0, 1)->text(), QStringLiteral("Схема [рисунок]"));
    EXPECT_EQ(table->item(0, 4)->text(), QStringLiteral("HTML превращён в текст; рисунок заменён на «[рисунок]»"));
    EXPECT_TRUE(preview->findChild<QLabel*>(QStringLiteral("summaryLabel"))->text().contains(QStringLiteral("формат Moodle XML")));
    auto* problems = preview->findChild<QListWidget*>(QStringLiteral("problemList"));
    ASSERT_EQ(problems->count(), 1);
    EXPECT_TRUE(problems->item(0)->text().contains(QStringLiteral("эссе"))) << problems->item(0)->text().toStdString();
    choose(preview, "addButton");
    EXPECT_EQ(bank(), QStringLiteral("1 A,2 A"));
}
