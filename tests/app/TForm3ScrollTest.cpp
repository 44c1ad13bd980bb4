// The main window made smaller than its contents: the skinned bars and the grip that the
// provider makes, their ranges and places, and the controls moved by a scroll.
#include "ShellFixture.h"

#include "app/TForm3.h"
#include "skin/TsSkinManager.h"
#include "skin/controls/TsFormScrollBars.h"
#include "skin/controls/TsGrip.h"
#include "skin/controls/TsScrollBar.h"
#include "skin/controls/TsSkinProvider.h"
#include "ui/Globals.h"
#include "ui/WindowStyle.h"

#include <QMouseEvent>
#include <QTest>

namespace {

class TForm3ScrollTest : public ShellFixture
{
protected:
    void SetUp() override
    {
        ShellFixture::SetUp();
        startWithRows(QString());
        if (HasFatalFailure())
            return;
        provider = Form3->findChild<TsSkinProvider*>(QStringLiteral("sSkinProvider1"));
        client = Form3->findChild<QWidget*>(QStringLiteral("ClientArea"));
        ASSERT_TRUE(provider && client);
        bars = provider->FormScrollBars();
        WindowStyle::showWindow(*Form3);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Form3));
        for (const char* name : {"WebBrowser1", "sGroupBox1", "sBitBtn1", "sPanel1"}) {
            QWidget* control = Form3->findChild<QWidget*>(QString::fromLatin1(name));
            ASSERT_NE(control, nullptr) << name;
            home.push_back({control, control->pos()});
        }
    }

    // Every control lies at its home place moved by `offset`.
    void expectControlsAt(QPoint offset, const char* when)
    {
        for (const auto& [control, place] : home)
            EXPECT_EQ(control->pos(), place + offset) << control->objectName().toStdString() << " " << when;
    }

    TsSkinProvider* provider = nullptr;
    TsFormScrollBars* bars = nullptr;
    QWidget* client = nullptr;
    std::vector<std::pair<QWidget*, QPoint>> home;
};

TEST_F(TForm3ScrollTest, TheDesignedSizeNeedsNoBars)
{
    ASSERT_TRUE(provider->FrameIsSkinned());
    EXPECT_EQ(bars->ContentExtent(), QSize(875, 627)) << "widest right 873, lowest bottom 625, plus 2";
    EXPECT_EQ(bars->HorzBar(), nullptr);
    EXPECT_EQ(bars->VertBar(), nullptr);
    EXPECT_EQ(bars->Grip(), nullptr);
}

TEST_F(TForm3ScrollTest, SizesGiveTheirBars)
{
    // The menu band takes two lines at 800 wide, where the client is W - 8 by H - 64, and
    // one line from 880 wide, where it is W - 8 by H - 46.
    // Content edges: right 873, bottom 625; each bar adds its 16 pixels to the other extent.
    const struct {
        QSize outer;
        QSize client;
        bool horizontal, vertical;
        QRect horzRect, vertRect;
        int horzMax, vertMax;
    } rows[] = {
        {{800, 600}, {792, 536}, true, true, {0, 520, 776, 16}, {776, 0, 16, 520}, 891 - 792 + 4, 643 - 536 + 4},
        {{800, 710}, {792, 646}, true, false, {0, 630, 792, 16}, {}, 875 - 792 + 4, 0},
        {{900, 600}, {892, 554}, false, true, {}, {876, 0, 16, 554}, 0, 627 - 554 + 4},
        {{880, 690}, {872, 644}, true, false, {0, 628, 872, 16}, {}, 875 - 872 + 4, 0},
        {{880, 672}, {872, 626}, true, true, {0, 610, 856, 16}, {856, 0, 16, 610}, 891 - 872 + 4, 643 - 626 + 4},
        {{882, 690}, {874, 644}, true, false, {0, 628, 874, 16}, {}, 875 - 874 + 4, 0},
        {{883, 690}, {875, 644}, false, false, {}, {}, 0, 0},
        {{891, 690}, {883, 644}, false, false, {}, {}, 0, 0},
    };
    for (const auto& row : rows) {
        Form3->resize(row.outer);
        const QString size = QStringLiteral("%1 × %2").arg(row.outer.width()).arg(row.outer.height());
        SCOPED_TRACE(size.toStdString());
        ASSERT_EQ(client->size(), row.client);
        TsScrollBar* horz = bars->HorzBar();
        TsScrollBar* vert = bars->VertBar();
        ASSERT_EQ(horz != nullptr, row.horizontal);
        ASSERT_EQ(vert != nullptr, row.vertical);
        if (horz) {
            EXPECT_EQ(horz->geometry(), row.horzRect);
            EXPECT_EQ(horz->Kind(), sbHorizontal);
            EXPECT_EQ(horz->Max(), row.horzMax);
            EXPECT_EQ(horz->PageSize(), client->width() - 4);
            EXPECT_EQ(horz->LargeChange(), 80);
            EXPECT_EQ(horz->HostControl, Form3);
            EXPECT_TRUE(horz->isVisible());
        }
        if (vert) {
            EXPECT_EQ(vert->geometry(), row.vertRect);
            EXPECT_EQ(vert->Kind(), sbVertical);
            EXPECT_EQ(vert->Max(), row.vertMax);
            EXPECT_EQ(vert->PageSize(), client->height() - 4);
        }
        if (horz && vert) {
            ASSERT_NE(bars->Grip(), nullptr);
            EXPECT_EQ(bars->Grip()->geometry(), QRect(vert->x(), horz->y(), 16, 16));
            EXPECT_TRUE(bars->Grip()->isVisible());
        } else {
            EXPECT_EQ(bars->Grip(), nullptr);
        }
    }
}

TEST_F(TForm3ScrollTest, ScrollingMovesEveryControlAndShrinkingBackPutsThemHome)
{
    Form3->resize(800, 600);
    TsScrollBar* horz = bars->HorzBar();
    TsScrollBar* vert = bars->VertBar();
    ASSERT_TRUE(horz && vert);
    horz->SetPosition(50);
    expectControlsAt({-50, 0}, "after a horizontal scroll");
    vert->SetPosition(30);
    expectControlsAt({-50, -30}, "after both");
    EXPECT_EQ(bars->Scrolled(), QPoint(50, 30));
    EXPECT_EQ(horz->geometry(), QRect(0, 520, 776, 16)) << "the bars themselves stay";
    EXPECT_EQ(vert->geometry(), QRect(776, 0, 16, 520));
    EXPECT_EQ(bars->Grip()->geometry(), QRect(776, 520, 16, 16));

    // A click on the right arrow moves by the form's increment.
    const QPoint arrow = horz->PartRect(ScrollBarGeometry::Arrow2).center();
    QTest::mousePress(horz, Qt::LeftButton, Qt::NoModifier, arrow);
    QTest::mouseRelease(horz, Qt::LeftButton, Qt::NoModifier, arrow);
    EXPECT_EQ(horz->Position(), 58);
    expectControlsAt({-58, -30}, "after the arrow");

    // Measured unscrolled, a scrolled window keeps its extents and ranges.
    Form3->resize(801, 600);
    EXPECT_EQ(bars->ContentExtent(), QSize(875, 627));
    EXPECT_EQ(bars->HorzBar()->Max(), 891 - 793 + 4);

    Form3->resize(891, 690);
    EXPECT_EQ(bars->HorzBar(), nullptr);
    EXPECT_EQ(bars->VertBar(), nullptr);
    expectControlsAt({0, 0}, "after the bars went");
}

TEST_F(TForm3ScrollTest, RemovingTheSkinScrollsHomeAndFreesTheBars)
{
    Form3->resize(800, 600);
    ASSERT_NE(bars->VertBar(), nullptr);
    bars->VertBar()->SetPosition(40);
    expectControlsAt({0, -40}, "scrolled");
    TsSkinManager* manager = Form3->findChild<TsSkinManager*>();
    ASSERT_NE(manager, nullptr);
    manager->SetActive(false);
    ASSERT_FALSE(provider->FrameIsSkinned());
    EXPECT_EQ(bars->HorzBar(), nullptr);
    EXPECT_EQ(bars->VertBar(), nullptr);
    EXPECT_EQ(bars->Grip(), nullptr);
    expectControlsAt({0, 0}, "without a skin");

    // The skin back on a window still smaller than its contents brings the bars back.
    manager->SetActive(true);
    ASSERT_TRUE(provider->FrameIsSkinned());
    Form3->resize(800, 600);
    EXPECT_NE(bars->HorzBar(), nullptr);
    EXPECT_NE(bars->VertBar(), nullptr);
}

// Larger than designed, the document and the topic panel take the extra room, the topic
// group takes the extra width and «Презентация» keeps to the right edge; no bar shows
// that the designed controls would not need. A window scrolled while small and then made
// large grows from home, and made small again it is not scrolled.
TEST_F(TForm3ScrollTest, ALargerWindowGivesItsRoomToTheDocument)
{
    const auto rect = [&](const char* name) { return Form3->findChild<QWidget*>(QString::fromLatin1(name))->geometry(); };
    const struct {
        QSize outer;
        bool vertical;
        // From the client's right and bottom edges (less a bar) to the document's.
        int rightGap, bottomGap;
        bool scrollAfter = false;
    } rows[] = {
        {{891, 690}, false, 10, 19},
        {{1200, 900}, false, 10, 19},
        {{1600, 1200}, false, 10, 19},
        {{1200, 600}, true, 10, 554 - 625},
        {{800, 600}, true, 792 - 873 - 16, 536 - 625 - 16, true},
        {{1000, 800}, false, 10, 19},
        {{800, 600}, true, 792 - 873 - 16, 536 - 625 - 16},
        {{891, 690}, false, 10, 19},
    };
    for (const auto& row : rows) {
        Form3->resize(row.outer);
        SCOPED_TRACE(QStringLiteral("%1 × %2").arg(row.outer.width()).arg(row.outer.height()).toStdString());
        const bool grown = row.outer.width() > 891;
        EXPECT_EQ(bars->VertBar() != nullptr, row.vertical);
        if (grown)
            EXPECT_EQ(bars->HorzBar(), nullptr);
        const QRect document = rect("WebBrowser1");
        const int vertBar = row.vertical ? 16 : 0;
        const int horzBar = bars->HorzBar() ? 16 : 0;
        EXPECT_EQ(client->width() - vertBar - (document.right() + 1), row.rightGap);
        EXPECT_EQ(client->height() - horzBar - (document.bottom() + 1), row.bottomGap);
        EXPECT_EQ(rect("sPanel1"), document);
        EXPECT_EQ(rect("sBitBtn1").right(), document.right()) << "the button keeps to the right edge";
        EXPECT_EQ(rect("sGroupBox1").right() + 8, rect("sBitBtn1").left());
        EXPECT_EQ(rect("sComboBox1").width(), rect("sGroupBox1").width() - 16);
        // Not scrolled: only the button's left edge moves, with the growth.
        for (const auto& [control, place] : home)
            EXPECT_EQ(control->pos(), QPoint(grown && control->objectName() == "sBitBtn1" ? control->x() : place.x(), place.y()))
                << control->objectName().toStdString();
        if (row.scrollAfter) {
            ASSERT_TRUE(bars->HorzBar() && bars->VertBar());
            bars->HorzBar()->SetPosition(40);
            bars->VertBar()->SetPosition(30);
            expectControlsAt({-40, -30}, "scrolled");
        }
    }
}

} // namespace
