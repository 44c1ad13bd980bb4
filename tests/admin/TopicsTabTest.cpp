#include "AdminFixture.h"

#include "admin/TForm2.h"

#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {

struct Topic {
    QString name;
    bool marked;
};

std::vector<Topic> listed(QListWidget* list)
{
    std::vector<Topic> topics;
    for (int i = 0; i < list->count(); ++i)
        topics.push_back({list->item(i)->text(), list->item(i)->checkState() == Qt::Checked});
    return topics;
}

} // namespace

class TopicsTab : public AdminFixture
{
protected:
    QListWidget* list() { return control<QListWidget>(form2.get(), "CheckListBox1"); }
    QPushButton* addButton() { return control<QPushButton>(form2.get(), "Button3"); }
    QPushButton* deleteButton() { return control<QPushButton>(form2.get(), "Button4"); }
    int topicCount() { return scalar(QStringLiteral("SELECT count(*) FROM temi")).toInt(); }
    void select(const QString& name)
    {
        const QList<QListWidgetItem*> items = list()->findItems(name, Qt::MatchExactly);
        ASSERT_FALSE(items.isEmpty()) << name.toStdString();
        list()->setCurrentItem(items.front());
    }
};

TEST_F(TopicsTab, ListsTopicsByNumberAndMarksOnlyCheckOne)
{
    struct Row { int nom; const char* name; const char* check; bool marked; };
    const Row rows[] = {
        {4, "Четвёртая", "1", true},
        {1, "Первая", "0", false},
        {3, "Третья", "2", false},          // only 1 marks
        {2, "Вторая", "NULL", false},
        {5, "Пятая", "'1'", true},          // the engine stores it as the number 1
    };
    for (const Row& row : rows)
        exec(QStringLiteral("INSERT INTO temi (nom, name, file_name, \"check\") VALUES (%1, '%2', 'x.htm', %3)")
                 .arg(row.nom)
                 .arg(QString::fromUtf8(row.name), QString::fromLatin1(row.check)));
    form2->show();

    const std::vector<Topic> topics = listed(list());
    ASSERT_EQ(topics.size(), 5u);
    const char* byNumber[] = {"Первая", "Вторая", "Третья", "Четвёртая", "Пятая"};
    const bool marks[] = {false, false, false, true, true};
    for (size_t i = 0; i < topics.size(); ++i) {
        EXPECT_EQ(topics[i].name, QString::fromUtf8(byNumber[i]));
        EXPECT_EQ(topics[i].marked, marks[i]) << i;
    }
    EXPECT_TRUE(dialogs.boxes.isEmpty());
}

TEST_F(TopicsTab, ShowingTheWindowAgainReloadsTheTopics)
{
    form2->show();
    EXPECT_EQ(list()->count(), 0);
    exec(QStringLiteral("INSERT INTO temi (nom, name) VALUES (1, 'Новая')"));
    form2->hide();
    form2->show();
    ASSERT_EQ(list()->count(), 1);
    EXPECT_EQ(list()->item(0)->text(), QStringLiteral("Новая"));
}

TEST_F(TopicsTab, ToggledMarkIsStoredForEveryRecordOfThatName)
{
    exec(QStringLiteral("INSERT INTO temi (nom, name, \"check\") VALUES "
                        "(1, 'Дубль', 0), (2, 'O''Neil', 2), (3, 'Дубль', NULL), (4, 'Другая', 0)"));
    form2->show();

    // By the keyboard: space on the current item.
    select(QStringLiteral("O'Neil"));
    QTest::keyClick(list(), Qt::Key_Space);
    settle();
    EXPECT_EQ(scalar(QStringLiteral("SELECT \"check\" FROM temi WHERE name = 'O''Neil'")).toString(), QStringLiteral("1"));

    // Through the item itself; the list is rebuilt afterwards.
    list()->item(0)->setCheckState(Qt::Checked);
    settle();
    EXPECT_EQ(column(QStringLiteral("SELECT \"check\" FROM temi WHERE name = 'Дубль'")),
              QStringList({QStringLiteral("1"), QStringLiteral("1")}));
    std::vector<Topic> topics = listed(list());
    ASSERT_EQ(topics.size(), 4u);
    EXPECT_TRUE(topics[0].marked);
    EXPECT_TRUE(topics[2].marked); // the other record of the same name
    EXPECT_FALSE(topics[3].marked);

    list()->item(2)->setCheckState(Qt::Unchecked);
    settle();
    EXPECT_EQ(column(QStringLiteral("SELECT \"check\" FROM temi WHERE name = 'Дубль'")),
              QStringList({QStringLiteral("0"), QStringLiteral("0")}));
    EXPECT_EQ(scalar(QStringLiteral("SELECT \"check\" FROM temi WHERE name = 'Другая'")).toString(), QStringLiteral("0"));
    EXPECT_TRUE(dialogs.boxes.isEmpty());
}

TEST_F(TopicsTab, AddStoresTheFileNameWithoutItsFolder)
{
    struct Row { const char* path; const char* name; const char* storedFile; };
    const Row rows[] = {
        {"/home/teacher/курс/lec 5.htm", "Лекция пятая", "lec 5.htm"},
        {"C:\\Курс\\text\\lec 6.htm", "Лекция O'Neil", "lec 6.htm"},
        {"lec7.htm", "Без папки", "lec7.htm"},
    };
    form2->show();
    for (const Row& row : rows) {
        dialogs.fileAnswers.push_back(QString::fromUtf8(row.path));
        dialogs.inputAnswers.push_back(QString::fromUtf8(row.name));
        click(addButton());
        EXPECT_EQ(scalar(QStringLiteral("SELECT file_name FROM temi WHERE name = '%1'")
                             .arg(QString::fromUtf8(row.name).replace(u'\'', QStringLiteral("''"))))
                      .toString(),
                  QString::fromUtf8(row.storedFile))
            << row.path;
    }
    ASSERT_EQ(list()->count(), 3);
    EXPECT_EQ(list()->item(1)->text(), QStringLiteral("Лекция O'Neil"));
    EXPECT_FALSE(list()->item(1)->checkState() == Qt::Checked);

    // The name box: its caption, an empty prompt, and no message along the way.
    ASSERT_EQ(dialogs.boxes.size(), 6);
    EXPECT_EQ(dialogs.boxes[1].kind, QStringLiteral("input"));
    EXPECT_EQ(dialogs.boxes[1].caption, QStringLiteral("Введите название темы"));
    EXPECT_EQ(dialogs.boxes[1].text, QString());
    EXPECT_TRUE(dialogs.messages().isEmpty());
}

TEST_F(TopicsTab, NothingIsAddedWithoutAFileOrAName)
{
    exec(QStringLiteral("INSERT INTO temi (nom, name) VALUES (1, 'Старая')"));
    form2->show();

    dialogs.fileAnswers.push_back(std::nullopt);
    click(addButton());
    EXPECT_EQ(dialogs.messages(), QStringList{QStringLiteral("Введите название темы")});
    EXPECT_EQ(dialogs.boxes.size(), 2); // no name was asked for

    dialogs.clear();
    dialogs.fileAnswers.push_back(QStringLiteral("/tmp/a.htm"));
    dialogs.inputAnswers.push_back(QString());
    click(addButton());
    dialogs.fileAnswers.push_back(QStringLiteral("/tmp/b.htm"));
    dialogs.inputAnswers.push_back(std::nullopt);
    click(addButton());
    // A name of nothing visible (a pasted NUL, zero-width and blank characters) is none.
    dialogs.fileAnswers.push_back(QStringLiteral("/tmp/c.htm"));
    dialogs.inputAnswers.push_back(QString(QChar(0)) + QStringLiteral(" \u200B\t"));
    click(addButton());
    EXPECT_TRUE(dialogs.messages().isEmpty());

    EXPECT_EQ(topicCount(), 1);
    ASSERT_EQ(list()->count(), 1);
}

TEST_F(TopicsTab, APastedControlCharacterIsDroppedFromTheTopicName)
{
    form2->show();
    dialogs.fileAnswers.push_back(QStringLiteral("/tmp/lec9.htm"));
    dialogs.inputAnswers.push_back(QStringLiteral(" Лек") + QChar(0) + QStringLiteral("ция\u200B 9 "));
    click(addButton());
    EXPECT_EQ(scalar(QStringLiteral("SELECT name FROM temi WHERE file_name = 'lec9.htm'")).toString(),
              QStringLiteral("Лекция 9"));
}

TEST_F(TopicsTab, DeleteRemovesEveryRecordOfTheSelectedName)
{
    exec(QStringLiteral("INSERT INTO temi (nom, name) VALUES (1, 'Дубль'), (2, 'O''Neil'), (3, 'Дубль')"));
    form2->show();

    select(QStringLiteral("Дубль"));
    click(deleteButton());
    EXPECT_EQ(column(QStringLiteral("SELECT name FROM temi")), QStringList{QStringLiteral("O'Neil")});

    select(QStringLiteral("O'Neil"));
    click(deleteButton());
    EXPECT_EQ(topicCount(), 0);
    EXPECT_EQ(list()->count(), 0);
    EXPECT_TRUE(dialogs.boxes.isEmpty());
}

// Regression: with nothing selected the handler used to fail with the list's index error.
TEST_F(TopicsTab, DeleteWithNothingSelectedDoesNothing)
{
    exec(QStringLiteral("INSERT INTO temi (nom, name) VALUES (1, 'Одна')"));
    form2->show();
    list()->clearSelection();
    list()->setCurrentItem(nullptr);
    click(deleteButton());
    EXPECT_EQ(topicCount(), 1);
    EXPECT_TRUE(dialogs.boxes.isEmpty());
}

TEST_F(TopicsTab, ANamelessTopicIsReportedAndTheWindowStillShows)
{
    exec(QStringLiteral("INSERT INTO temi (nom, name) VALUES (1, 'Первая'), (2, NULL), (3, 'Третья')"));
    form2->show();
    EXPECT_TRUE(form2->isVisible());
    ASSERT_EQ(dialogs.boxes.size(), 1);
    EXPECT_EQ(dialogs.boxes[0].icon, Dialogs::Icon::Error);
    ASSERT_EQ(list()->count(), 1);
    EXPECT_EQ(list()->item(0)->text(), QStringLiteral("Первая"));
}
