#include "TimedTestFixture.h"

#include "testing/TimedTestRegistration.h"

#include <QLineEdit>

class TimedTestRegistrationWindow : public TimedTestFixture
{
protected:
    void SetUp() override
    {
        TimedTestFixture::SetUp();
        addQuestions(2);
        setParams(QStringLiteral("10"), QStringLiteral("2"));
        makeForm();
        registration.openEmpty();
    }

    void type(const char* name, const QString& value)
    {
        registration.findChild<QLineEdit*>(QLatin1String(name))->setText(value);
    }
    void clickStart() { registration.findChild<QPushButton*>(QStringLiteral("startButton"))->click(); }

    TimedTestRegistration registration;
};

TEST_F(TimedTestRegistrationWindow, BothNameAndGroupAreRequired)
{
    struct Row {
        const char* fio;
        const char* gruppa;
    };
    const Row rows[] = {{"", ""},          {"Петров", ""},          {"", "ИВТ-21"},
                        {"   ", "ИВТ-21"}, {"Петров", "  "},        {"\u200B\u2060", "ИВТ-21"},
                        {"Петров", "\t\xC2\xAD"}};
    for (const Row& row : rows) {
        dialogs.clear();
        type("fioEdit", QString::fromUtf8(row.fio));
        type("gruppaEdit", QString::fromUtf8(row.gruppa));
        clickStart();
        ASSERT_EQ(dialogs.boxes.size(), 1) << row.fio << "/" << row.gruppa;
        EXPECT_EQ(dialogs.boxes[0].text, QStringLiteral("Вы не зарегистрировались!"));
        EXPECT_EQ(dialogs.boxes[0].caption, QStringLiteral("Information"));
        EXPECT_EQ(dialogs.boxes[0].icon, Dialogs::Icon::Information);
        EXPECT_TRUE(registration.isVisible());
        EXPECT_FALSE(form->isVisible());
        EXPECT_TRUE(TimedTestFio.isEmpty());
    }
}

// A NUL from a paste once made the result impossible to store and held the test open.
TEST_F(TimedTestRegistrationWindow, APastedNulIsDroppedAndTheResultIsStored)
{
    type("fioEdit", QStringLiteral("Пет") + QChar(0) + QStringLiteral("ров"));
    type("gruppaEdit", QStringLiteral("ПИ-11") + QChar(0));
    clickStart();
    EXPECT_TRUE(dialogs.boxes.isEmpty());
    EXPECT_EQ(TimedTestFio, QStringLiteral("Петров"));
    ASSERT_TRUE(form->isTestRunning());
    form->close();
    EXPECT_FALSE(form->isTestRunning());
    EXPECT_EQ(text(QStringLiteral("SELECT fio || '|' || gruppa FROM rezult")), QStringLiteral("Петров|ПИ-11"));
}

TEST_F(TimedTestRegistrationWindow, StartStoresNameAndGroupAndOpensTheTest)
{
    type("fioEdit", QStringLiteral("  Сидорова А. В. "));
    type("gruppaEdit", QStringLiteral("ПИ-11"));
    clickStart();
    EXPECT_TRUE(dialogs.boxes.isEmpty());
    EXPECT_EQ(TimedTestFio, QStringLiteral("Сидорова А. В."));
    EXPECT_EQ(TimedTestGruppa, QStringLiteral("ПИ-11"));
    EXPECT_FALSE(registration.isVisible());
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(form->isTestRunning());
    EXPECT_FALSE(mainWindow.isVisible());

    form->close();
    EXPECT_EQ(text(QStringLiteral("SELECT fio || '|' || gruppa FROM rezult")),
              QStringLiteral("Сидорова А. В.|ПИ-11"));

    // Opened again, the boxes are empty.
    registration.openEmpty();
    EXPECT_TRUE(registration.findChild<QLineEdit*>(QStringLiteral("fioEdit"))->text().isEmpty());
    EXPECT_TRUE(registration.findChild<QLineEdit*>(QStringLiteral("gruppaEdit"))->text().isEmpty());
}

TEST_F(TimedTestRegistrationWindow, ATestThatCannotStartLeavesTheMainWindow)
{
    exec(QStringLiteral("DELETE FROM questions WHERE id=2"));
    type("fioEdit", QStringLiteral("Петров"));
    type("gruppaEdit", QStringLiteral("ИВТ-21"));
    clickStart();
    EXPECT_EQ(dialogs.messages(), QStringList{QStringLiteral("В базе не хватает вопросов")});
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(mainWindow.isVisible());
}
