// The form's own skinned bars on a small form: which bars the settings and the contents
// ask for, their steps, the right-to-left places, and the hidden controls left out.
#include "skin/SkinWidgetSupport.h"
#include "skin/controls/TsFormScrollBars.h"
#include "skin/controls/TsGrip.h"
#include "skin/controls/TsScrollBar.h"

#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

class FormScrollBarsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        form.resize(300, 200);
        client = new QWidget(&form);
        client->setGeometry(0, 0, 300, 200);
        content = new QWidget(client);
        content->setGeometry(0, 0, 400, 150);
        auto* hidden = new QWidget(client);
        hidden->setGeometry(1000, 1000, 10, 10);
        hidden->hide();
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
        bars = std::make_unique<TsFormScrollBars>(&form, client, nullptr);
    }

    skintest::GoldenSkinScope skin;
    QWidget form;
    QWidget* client = nullptr;
    QWidget* content = nullptr;
    std::unique_ptr<TsFormScrollBars> bars;
};

TEST_F(FormScrollBarsTest, SettingsAndContentsChooseTheBars)
{
    const struct {
        const char* name;
        bool skinReady = true, autoScroll = true, horzVisible = true;
        int vertRange = 0;
        bool horizontal, vertical;
    } rows[] = {
        {"wider than the client: the horizontal bar, whose 16 pixels still fit below", true, true, true, 0, true, false},
        {"the horizontal setting hidden", true, true, false, 0, false, false},
        {"a vertical range beyond the client adds the vertical bar", true, true, true, 500, true, true},
        {"no scrolling of its own before the skin", true, false, true, 500, false, false},
        {"no skin", false, true, true, 500, false, false},
    };
    for (const auto& row : rows) {
        bars->SavedAutoScroll = true;
        bars->Update(false);
        bars->SavedAutoScroll = row.autoScroll;
        bars->HorzScrollBar.Visible = row.horzVisible;
        bars->VertScrollBar.Range = row.vertRange;
        bars->Update(row.skinReady);
        EXPECT_EQ(bars->ContentExtent(), QSize(402, 152)) << "the hidden control is left out";
        EXPECT_EQ(bars->HorzBar() != nullptr, row.horizontal) << row.name;
        EXPECT_EQ(bars->VertBar() != nullptr, row.vertical) << row.name;
        EXPECT_EQ(bars->Grip() != nullptr, row.horizontal && row.vertical) << row.name;
    }
}

TEST_F(FormScrollBarsTest, StepsComeFromTheSettingAndTheRangeFromTheExtent)
{
    bars->HorzScrollBar.Increment = 5;
    bars->HorzScrollBar.Smooth = true;
    bars->Update(true);
    TsScrollBar* horz = bars->HorzBar();
    ASSERT_NE(horz, nullptr);
    EXPECT_EQ(horz->SmallChange(), 5);
    EXPECT_EQ(horz->LargeChange(), 80);
    EXPECT_TRUE(horz->Smooth);
    EXPECT_EQ(horz->Max(), 402 - 300 + 4);
    EXPECT_EQ(horz->PageSize(), 296);
    EXPECT_EQ(horz->focusPolicy(), Qt::NoFocus) << "no tab stop";
    horz->SetPosition(70);
    EXPECT_EQ(content->pos(), QPoint(-70, 0));
    EXPECT_EQ(horz->pos(), QPoint(0, 184)) << "the bar stays at the bottom";
    // Made narrower, the bar keeps the position; made wide enough, everything goes home.
    client->resize(250, 200);
    bars->Update(true);
    EXPECT_EQ(bars->HorzBar()->Max(), 402 - 250 + 4);
    EXPECT_EQ(content->pos(), QPoint(-70, 0));
    client->resize(450, 200);
    bars->Update(true);
    EXPECT_EQ(bars->HorzBar(), nullptr);
    EXPECT_EQ(content->pos(), QPoint(0, 0));
}

TEST_F(FormScrollBarsTest, RightToLeftPutsTheVerticalBarOnTheLeft)
{
    form.setLayoutDirection(Qt::RightToLeft);
    bars->VertScrollBar.Range = 500;
    bars->Update(true);
    ASSERT_TRUE(bars->HorzBar() && bars->VertBar() && bars->Grip());
    EXPECT_EQ(bars->VertBar()->geometry(), QRect(1, 1, 16, 200 - 16 - 2));
    EXPECT_EQ(bars->HorzBar()->geometry(), QRect(16, 184, 300 - 16, 16));
    EXPECT_EQ(bars->Grip()->geometry(), QRect(1, 184, 16, 16));
}

} // namespace
