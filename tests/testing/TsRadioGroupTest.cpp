#include "skin/controls/TsRadioGroup.h"

#include <QRadioButton>
#include <QSignalSpy>

#include <gtest/gtest.h>

TEST(TsRadioGroup, FiveItemsInFiveColumnsSideBySide)
{
    TsRadioGroup group;
    group.resize(393, 49);
    group.setColumns(5);
    group.setItems({"A", "B", "C", "D", "E"});
    for (int i = 0; i < 5; ++i) {
        ASSERT_NE(group.button(i), nullptr);
        EXPECT_EQ(group.button(i)->text(), QStringList({"A", "B", "C", "D", "E"})[i]);
        EXPECT_TRUE(group.rect().contains(group.button(i)->geometry())) << i;
        if (i > 0) {
            EXPECT_EQ(group.button(i)->y(), group.button(0)->y());
            EXPECT_GE(group.button(i)->x(), group.button(i - 1)->geometry().right()) << i;
        }
    }
    EXPECT_EQ(group.button(5), nullptr);
    EXPECT_EQ(group.itemIndex(), -1);
}

TEST(TsRadioGroup, ChoosingFromCodeClicksAndClearingDoesNot)
{
    TsRadioGroup group;
    group.setColumns(5);
    group.setItems({"A", "B", "C", "D", "E"});
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
        {4, 4, 3},   // E again after clearing
        {7, -1, 3},  // outside the items clears
    };
    for (const Step& step : steps) {
        group.setItemIndex(step.set);
        EXPECT_EQ(group.itemIndex(), step.index) << step.set;
        EXPECT_EQ(clicks.count(), step.clicks) << step.set;
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(group.button(i)->isChecked(), i == step.index) << step.set << " button " << i;
    }
    EXPECT_EQ(indexSeenInClick, 4) << "the click sees the new index";
}
