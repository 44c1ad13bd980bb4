#include "FixedTestFixture.h"

#include "common/ScriptedDialogs.h"
#include "skin/controls/TsButton.h"
#include "skin/controls/TsEdit.h"
#include "skin/controls/TsGroupBox.h"
#include "skin/controls/TsRadioGroup.h"
#include "testing/TForm5.h"
#include "testing/TForm9.h"
#include "ui/Globals.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTest>

namespace {

using RegistrationTest = FixedTestFixture;

QVector<qint64> drawnQuestions(const QVector<QVector<QVariant>>& sheet)
{
    QVector<qint64> questions;
    for (const auto& slot : sheet)
        questions.append(slot.value(1).toLongLong());
    return questions;
}

} // namespace

TEST_F(RegistrationTest, EmptyNameShowsOnlyTheInformationBox)
{
    fillBank(10);
    exec("INSERT INTO testing VALUES ('1', 5, 'B'), ('2', 6, NULL)");
    openWindows();
    m_form5->openEmpty();

    start(QString());

    ASSERT_EQ(m_dialogs->boxes.size(), 1);
    EXPECT_EQ(m_dialogs->boxes[0].text, QStringLiteral("Вы не зарегистрировались!"));
    EXPECT_EQ(m_dialogs->boxes[0].caption, QStringLiteral("Information"));
    EXPECT_EQ(m_dialogs->boxes[0].icon, Dialogs::Icon::Information);
    EXPECT_EQ(sheet(), (QVector<QVector<QVariant>>{{"1", 5, "B"}, {"2", 6, QVariant()}}));
    EXPECT_TRUE(m_form5->isVisible());
    EXPECT_FALSE(m_form9->isVisible());
    EXPECT_EQ(RandSeed, 0u) << "nothing was drawn";
}

TEST_F(RegistrationTest, ANameWithNothingVisibleIsRefusedLikeAnEmptyOne)
{
    fillBank(10);
    const QString names[] = {QStringLiteral("   "), QString(QChar(0)), QStringLiteral("\u200B \uFEFF")};
    for (const QString& name : names) {
        openWindows();
        m_dialogs->clear();
        start(name);
        ASSERT_EQ(m_dialogs->boxes.size(), 1);
        EXPECT_EQ(m_dialogs->boxes[0].text, QStringLiteral("Вы не зарегистрировались!"));
        EXPECT_TRUE(m_form5->isVisible());
        EXPECT_FALSE(m_form9->isVisible());
    }
}

TEST_F(RegistrationTest, APastedControlCharacterIsDroppedFromTheName)
{
    fillBank(10);
    openWindows();
    start(QStringLiteral("Пет") + QChar(0) + QStringLiteral("ров\u200B"));
    EXPECT_TRUE(m_dialogs->boxes.isEmpty());
    EXPECT_TRUE(m_form9->isVisible());
    EXPECT_EQ(m_form5->studentName(), QStringLiteral("Петров"));
}

TEST_F(RegistrationTest, OpeningTheRegistrationEmptiesTheName)
{
    openWindows();
    nameEdit()->setText(QStringLiteral("Петров"));
    m_form5->openEmpty();
    EXPECT_TRUE(m_form5->isVisible());
    EXPECT_TRUE(nameEdit()->text().isEmpty());
}

TEST_F(RegistrationTest, AStartLeavesExactlyTwentyFreshSlotsWhateverTheSheetHeld)
{
    struct Row {
        const char* name;
        QString before;
    };
    QString many = "INSERT INTO testing VALUES ('1', 3, 'A')";
    for (int k = 2; k <= 27; ++k)
        many += QStringLiteral(", ('%1', %2, 'C')").arg(k).arg(k % 7 + 1);
    QString answered = "INSERT INTO testing VALUES ('20', 1, 'E')";
    for (int k = 19; k >= 1; --k)
        answered += QStringLiteral(", ('%1', 2, 'D')").arg(k);
    const Row rows[] = {
        {"empty sheet", QString()},
        {"twenty answered slots in reverse order", answered},
        {"more than twenty slots", many},
        {"odd slot names and numbers", "INSERT INTO testing VALUES ('x', NULL, 'a'), (NULL, 999, NULL)"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        exec("DELETE FROM testing");
        exec("DELETE FROM test");
        fillBank(7);
        if (!row.before.isEmpty())
            exec(row.before);
        openWindows();

        start();

        const auto stored = sheet();
        ASSERT_EQ(stored.size(), 20);
        for (int k = 1; k <= 20; ++k) {
            EXPECT_EQ(stored[k - 1].value(0), QVariant(QString::number(k)));
            const qint64 question = stored[k - 1].value(1).toLongLong();
            EXPECT_GE(question, 1);
            EXPECT_LE(question, 7);
            EXPECT_TRUE(stored[k - 1].value(2).isNull()) << "slot " << k;
        }
    }
}

TEST_F(RegistrationTest, TheDrawRightAfterProgramStart)
{
    struct Row {
        int bankSize;
        QVector<qint64> expected; // empty: only the range is known
    };
    const Row rows[] = {
        {100, {1, 4, 87, 21, 28, 68, 32, 17, 38, 43, 9, 48, 8, 85, 6, 30, 92, 37, 78, 33}},
        {0, QVector<qint64>(20, 1)},
        {1, QVector<qint64>(20, 1)},
        {7, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.bankSize);
        exec("DELETE FROM test");
        fillBank(row.bankSize);
        RandSeed = 0;
        openWindows();

        start();

        const QVector<qint64> drawn = drawnQuestions(sheet());
        ASSERT_EQ(drawn.size(), 20);
        if (!row.expected.isEmpty()) {
            EXPECT_EQ(drawn, row.expected);
        }
        for (qint64 question : drawn) {
            EXPECT_GE(question, 1);
            EXPECT_LE(question, qMax(row.bankSize, 1));
        }
    }
}

TEST_F(RegistrationTest, ABankOfFiftyDrawsNineteenForSlotsNineAndEighteen)
{
    fillBank(50);
    openWindows();
    start();
    EXPECT_EQ(questionOfSlot(9), 19);
    EXPECT_EQ(questionOfSlot(18), 19);
}

TEST_F(RegistrationTest, LaterStartsContinueTheSequenceAndAProgramStartRepeatsIt)
{
    fillBank(100);
    openWindows();
    start();
    const QVector<qint64> first = drawnQuestions(sheet());
    start();
    const QVector<qint64> second = drawnQuestions(sheet());
    EXPECT_NE(first, second);

    RandSeed = 0; // as after the next program start
    openWindows();
    start();
    EXPECT_EQ(drawnQuestions(sheet()), first);
}

TEST_F(RegistrationTest, AStartResetsTheTestWindow)
{
    fillBank(20, QStringLiteral("B"));
    openWindows();
    start();
    clickQuestion(4);
    chooseLetter(1);
    clickQuestion(7);
    handIn();
    chooseLetter(2);
    ASSERT_TRUE(resultBox()->isVisible());
    ASSERT_EQ(letters()->itemIndex(), 2);
    ASSERT_FALSE(questionButton(4)->isEnabled());

    start(QStringLiteral("Сидоров"));

    for (int k = 1; k <= 20; ++k)
        EXPECT_TRUE(questionButton(k)->isEnabled()) << "button " << k;
    EXPECT_TRUE(memo()->toPlainText().isEmpty());
    EXPECT_TRUE(memo()->isVisible());
    EXPECT_FALSE(resultBox()->isVisible());
    EXPECT_EQ(letters()->itemIndex(), -1);
    EXPECT_TRUE(m_dialogs->boxes.isEmpty()) << m_dialogs->messages().join(" | ").toStdString();
}

// Both windows may already be open behind another one: the student must see them.
TEST_F(RegistrationTest, WindowsAlreadyOpenComeToTheFront)
{
    fillBank(10);
    openWindows();
    QWidget other;
    m_form5->openEmpty();
    start();
    ASSERT_TRUE(m_form9->isVisible());

    m_form5->openEmpty();
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    m_form5->openEmpty();
    EXPECT_TRUE(QTest::qWaitForWindowActive(m_form5.get())) << "registration";

    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    nameEdit()->setText(QStringLiteral("Петров"));
    QTest::mouseClick(m_form5->findChild<TsButton*>(QStringLiteral("sButton2")), Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitForWindowActive(m_form9.get())) << "test window";
}

// The registration window is ready for the name: typing goes into it and Enter starts the
// test as the button does; an empty name by Enter is refused the same way.
TEST_F(RegistrationTest, TheNameHasTheFocusAndEnterStarts)
{
    fillBank(20);
    openWindows();
    const struct {
        const char* name;
        QString typed;
        bool starts;
    } rows[] = {
        {"an empty name", QString(), false},
        {"a name", QStringLiteral("Petrov"), true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        m_dialogs->clear();
        m_form5->openEmpty();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_form5.get()));
        EXPECT_EQ(QApplication::focusWidget(), nameEdit());
        QTest::keyClicks(QApplication::focusWidget(), row.typed);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        EXPECT_EQ(m_form5->studentName(), row.typed);
        EXPECT_EQ(m_form9->isVisible(), row.starts);
        EXPECT_EQ(m_dialogs->boxes.size(), row.starts ? 0 : 1);
    }
}
