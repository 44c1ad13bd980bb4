// The radio group: its columns and index kept within bounds, one click per change of the
// chosen item (from the user or from code, never for -1), the arrangement of its buttons,
// and how a button is pressed and released.
#include "skin/SkinWidgetSupport.h"
#include "skin/controls/TsGroupButton.h"
#include "skin/controls/TsRadioGroup.h"

#include <QApplication>
#include <QFontMetrics>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QStringList kLetters{"A", "B", "C", "D", "E"};

TsRadioButton* radio(const TsRadioGroup& group, int index)
{
    return static_cast<TsRadioButton*>(group.button(index));
}

TEST(TsRadioGroup, FiveItemsInFiveColumnsSideBySide)
{
    TsRadioGroup group;
    group.resize(393, 49);
    group.setColumns(5);
    group.setItems(kLetters);
    for (int i = 0; i < 5; ++i) {
        ASSERT_NE(group.button(i), nullptr);
        EXPECT_EQ(group.button(i)->text(), kLetters[i]);
        EXPECT_TRUE(group.rect().contains(group.button(i)->geometry())) << i;
    }
    EXPECT_EQ(group.button(5), nullptr);
    EXPECT_EQ(group.itemIndex(), -1);
}

// The answer group of the fixed-test window: 393 × 49, five columns, a font 13 high
// (the program's 11-pixel sans-serif font is 12 high here; DejaVu Sans is 13).
TEST(TsRadioGroup, ArrangeButtonsOfTheAnswerGroup)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    ASSERT_EQ(QFontMetrics(font).height(), 13) << "the worked example needs a 13-pixel font";
    TsRadioGroup group;
    group.setFont(font);
    group.resize(393, 49);
    group.setColumns(5);
    group.setItems(kLetters);
    const int xs[] = {8, 84, 160, 236, 312};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(group.button(i)->geometry(), QRect(xs[i], 16, 76, 31)) << i;

    // Seven items in three columns fill column by column: rows of 3, 3, 1.
    group.resize(310, 100);
    group.setColumns(3);
    group.setItems({"1", "2", "3", "4", "5", "6", "7"});
    // column width (310 - 10) div 3 = 100; free height 100 - 13 - 5 = 82, rows of 27,
    // top offset 82 mod 3 div 2 + 16 = 16.
    const QRect expected[] = {{8, 16, 100, 27},  {8, 43, 100, 27},  {8, 70, 100, 27}, {108, 16, 100, 27},
                              {108, 43, 100, 27}, {108, 70, 100, 27}, {208, 16, 100, 27}};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(group.button(i)->geometry(), expected[i]) << i;
}

TEST(TsRadioGroup, ColumnsStayWithinOneToSixteen)
{
    TsRadioGroup group;
    const struct { int set, stored; } rows[] = {{20, 16}, {0, 1}, {-3, 1}, {5, 5}, {16, 16}, {1, 1}};
    for (const auto& row : rows) {
        group.setColumns(row.set);
        EXPECT_EQ(group.columns(), row.stored) << row.set;
    }
}

TEST(TsRadioGroup, ChoosingFromCodeClicksOnceAndClearingDoesNot)
{
    TsRadioGroup group;
    group.setColumns(5);
    group.setItems(kLetters);
    QSignalSpy clicks(&group, &TsRadioGroup::clicked);
    int indexSeenInClick = -2;
    QObject::connect(&group, &TsRadioGroup::clicked, [&] { indexSeenInClick = group.itemIndex(); });

    struct Step {
        int set;
        int index;
        int clicks;
    };
    const Step steps[] = {
        {2, 2, 1},   // choose C
        {2, 2, 1},   // already chosen: no click
        {4, 4, 2},   // choose E
        {-1, -1, 2}, // clear
        {-1, -1, 2},
        {7, 4, 3},   // past the items: the last one
        {-5, -1, 3}, // below -1 clears
        {0, 0, 4},
    };
    for (const Step& step : steps) {
        group.setItemIndex(step.set);
        EXPECT_EQ(group.itemIndex(), step.index) << step.set;
        EXPECT_EQ(clicks.count(), step.clicks) << step.set;
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(group.button(i)->isChecked(), i == step.index) << step.set << " button " << i;
    }
    EXPECT_EQ(indexSeenInClick, 0) << "the click sees the new index";
}

TEST(TsRadioGroup, FewerItemsLowerTheIndexWithoutAClick)
{
    TsRadioGroup group;
    group.setItems(kLetters);
    group.setItemIndex(4);
    QSignalSpy clicks(&group, &TsRadioGroup::clicked);
    group.setItems({"A", "B", "C"});
    EXPECT_EQ(group.itemIndex(), 2);
    EXPECT_TRUE(group.button(2)->isChecked());
    group.setItems({});
    EXPECT_EQ(group.itemIndex(), -1);
    EXPECT_EQ(group.button(0), nullptr);
    EXPECT_EQ(group.findChildren<TsGroupButton*>().size(), 0) << "the buttons go with the items";
    EXPECT_EQ(clicks.count(), 0);
}

// A button deleted from outside leaves the group: its item goes, the chosen index follows
// its item, and the group later changes and frees only the buttons it still has (the
// sanitizers catch a freed button used again).
TEST(TsRadioGroup, AButtonDeletedFromOutsideLeavesTheGroup)
{
    const struct { const char* name; int deleted, chosenBefore, chosenAfter; QStringList itemsAfter; } rows[] = {
        {"before the chosen one", 1, 3, 2, {"A", "C", "D", "E"}},
        {"the chosen one", 3, 3, -1, {"A", "B", "C", "E"}},
        {"after the chosen one", 4, 0, 0, {"A", "B", "C", "D"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        TsRadioGroup group; // freed at the end of the row
        group.resize(200, 120);
        group.setItems(kLetters);
        group.setItemIndex(row.chosenBefore);
        delete group.button(row.deleted);
        EXPECT_EQ(group.items(), row.itemsAfter);
        EXPECT_EQ(group.itemIndex(), row.chosenAfter);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(group.button(i)->text(), row.itemsAfter[i]);
        EXPECT_EQ(group.button(4), nullptr);
        group.setItemIndex(0);
        EXPECT_TRUE(group.button(0)->isChecked());
        group.setItems({"X", "Y"});
        group.resize(260, 120);
    }
}

class RadioClicks : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window.resize(420, 80);
        group = new TsRadioGroup(&window);
        group->setGeometry(8, 8, 393, 49);
        group->setColumns(5);
        group->setItems(kLetters);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    QWidget window;
    TsRadioGroup* group = nullptr;
};

TEST_F(RadioClicks, UserClickChoosesOnceAndAClickOnTheChosenButtonDoesNothing)
{
    QSignalSpy clicks(group, &TsRadioGroup::clicked);
    QTest::mouseClick(group->button(3), Qt::LeftButton);
    EXPECT_EQ(group->itemIndex(), 3);
    EXPECT_EQ(clicks.count(), 1);
    QTest::mouseClick(group->button(3), Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 1);
    QTest::mouseClick(group->button(0), Qt::LeftButton, Qt::NoModifier, QPoint(60, 20));
    EXPECT_EQ(group->itemIndex(), 0) << "anywhere on the button, not only on its mark";
    EXPECT_FALSE(group->button(3)->isChecked());
    EXPECT_EQ(clicks.count(), 2);
}

TEST_F(RadioClicks, PressThenReleaseAnywhereChecks)
{
    TsRadioButton* button = radio(*group, 1);
    QTest::mousePress(button, Qt::LeftButton);
    EXPECT_TRUE(button->Pressed());
    EXPECT_TRUE(button->hasFocus()) << "a press takes the focus";
    EXPECT_FALSE(button->isChecked()) << "taking the focus does not check";
    QTest::mouseMove(button, QPoint(300, 40));
    QTest::mouseRelease(button, Qt::LeftButton, Qt::NoModifier, QPoint(300, 40));
    EXPECT_FALSE(button->Pressed());
    EXPECT_TRUE(button->isChecked());
    EXPECT_EQ(group->itemIndex(), 1);
}

TEST_F(RadioClicks, SpaceChecksOnReleaseAndArrowsDoNothing)
{
    group->button(2)->setFocus();
    QTest::keyPress(group->button(2), Qt::Key_Space);
    EXPECT_EQ(group->itemIndex(), -1);
    QTest::keyRelease(group->button(2), Qt::Key_Space);
    EXPECT_EQ(group->itemIndex(), 2);
    QTest::keyClick(group->button(2), Qt::Key_Right);
    EXPECT_EQ(group->itemIndex(), 2);
}

TEST_F(RadioClicks, ReadOnlyIgnoresClicksAndSpaceDisabledStillShowsItsState)
{
    TsRadioButton* button = radio(*group, 0);
    button->setReadOnly(true);
    QTest::mouseClick(button, Qt::LeftButton);
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Space);
    EXPECT_FALSE(button->isChecked());
    EXPECT_EQ(group->itemIndex(), -1);

    group->setItemIndex(4);
    group->button(4)->setEnabled(false);
    QTest::mouseClick(group->button(4), Qt::LeftButton);
    QTest::mouseClick(group->button(3), Qt::LeftButton);
    EXPECT_EQ(group->itemIndex(), 3);
    group->button(3)->setEnabled(false);
    QTest::mouseClick(group->button(4), Qt::LeftButton);
    EXPECT_EQ(group->itemIndex(), 3) << "a disabled button takes no press";
    EXPECT_TRUE(group->button(3)->isChecked()) << "and shows its checked state";
}

TEST_F(RadioClicks, SkinnedButtonsClickAlike)
{
    skintest::GoldenSkinScope skin;
    TsRadioGroup skinned(&window);
    skinned.setGeometry(8, 8, 393, 49);
    skinned.setColumns(5);
    skinned.setItems(kLetters);
    skinned.show();
    ASSERT_TRUE(radio(skinned, 0)->SkinData.IsSkinned());
    QSignalSpy clicks(&skinned, &TsRadioGroup::clicked);
    QTest::mouseClick(skinned.button(2), Qt::LeftButton);
    skinned.setItemIndex(4);
    EXPECT_EQ(skinned.itemIndex(), 4);
    EXPECT_EQ(clicks.count(), 2);
}

} // namespace
