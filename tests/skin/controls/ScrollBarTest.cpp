// The skinned scroll bar: its geometry as a pure function, the part-state coupling, the
// position rules and the range message, the repeat timers stepped tick by tick, thumb
// dragging with and without Smooth, the keys, and that each part paints only its own place.
#include "common/ScriptedDialogs.h"
#include "platform/HintSwitch.h"
#include "skin/SkinMessage.h"
#include "skin/SkinWidgetSupport.h"
#include "skin/TsSkinData.h"
#include "skin/controls/ScrollBarGeometry.h"
#include "skin/controls/TsScrollBar.h"

#include <QApplication>
#include <QMouseEvent>
#include <QSet>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using skintest::GoldenSkinScope;
using Part = ScrollBarGeometry::Part;

// ---- geometry --------------------------------------------------------------------------

TEST(ScrollBarGeometry, ThumbLengthAndCentre)
{
    struct Row {
        const char* name;
        ScrollBarGeometry::Input in;
        int thumbLength;
        int thumbCentre;
    };
    const Row rows[] = {
        {"page 0 gives the 14-pixel thumb", {545, 24, 0, 100, 0, 0, true}, 14, 24 + 7},
        {"page 10 of 0..100 at the start", {545, 24, 0, 100, 10, 0, true}, 45, 24 + 22},
        {"page 10 of 0..100 at the end", {545, 24, 0, 100, 10, 100, true}, 45, 24 + 22 + 452},
        {"page 10 of 0..100 in the middle", {545, 24, 0, 100, 10, 50, true}, 45, 24 + 22 + 226},
        {"a page as large as the range fills the track", {545, 24, 0, 0, 50, 0, true}, 497, 0},
        {"max = min puts the centre at 0", {545, 24, 40, 40, 0, 40, true}, 14, 0},
        {"disabled puts the centre in the middle", {545, 24, 0, 100, 10, 80, false}, 45, 272},
        {"14.5 rounds to the even 14", {77, 24, 0, 1, 1, 0, true}, 14, 24 + 7},
        {"15.5 rounds to the even 16", {79, 24, 0, 1, 1, 0, true}, 16, 24 + 8},
        {"a range starting above 0", {545, 24, 50, 150, 10, 100, true}, 45, 24 + 22 + 226},
    };
    for (const Row& row : rows) {
        const ScrollBarGeometry g = ScrollBarGeometry::compute(row.in);
        EXPECT_EQ(g.thumbLength, row.thumbLength) << row.name;
        EXPECT_EQ(g.thumbCentre, row.thumbCentre) << row.name;
        EXPECT_EQ(g.thumbStart, row.thumbCentre - row.thumbLength / 2) << row.name;
    }
}

TEST(ScrollBarGeometry, ArrowsAreAtMostHalfTheBar)
{
    const struct { int length, arrow, arrow1End, arrow2Start; } rows[] = {
        {545, 24, 24, 521}, {30, 24, 15, 15}, {31, 24, 15, 15}, {48, 24, 24, 24}, {10, 16, 5, 5},
    };
    for (const auto& row : rows) {
        const ScrollBarGeometry g = ScrollBarGeometry::compute({row.length, row.arrow, 0, 100, 0, 0, true});
        EXPECT_EQ(g.arrow1End, row.arrow1End) << row.length;
        EXPECT_EQ(g.arrow2Start, row.arrow2Start) << row.length;
        EXPECT_FALSE(g.length < 2 * row.arrow && g.thumbFits()) << "no thumb between arrows that touch";
    }
}

TEST(ScrollBarGeometry, EveryPositionComesBackFromItsThumbCentre)
{
    for (const int page : {0, 10, 60}) {
        for (int position = 0; position <= 100; ++position) {
            const ScrollBarGeometry g = ScrollBarGeometry::compute({545, 24, 0, 100, page, position, true});
            ASSERT_EQ(g.positionAt(g.thumbCentre), position) << "page " << page;
            ASSERT_TRUE(g.thumbFits()) << position;
            EXPECT_EQ(g.partAt(g.thumbCentre), Part::Thumb);
        }
    }
}

TEST(ScrollBarGeometry, PartsUnderThePointer)
{
    const ScrollBarGeometry g = ScrollBarGeometry::compute({545, 24, 0, 100, 10, 50, true}); // thumb 250..294
    const struct { int p; Part part; } rows[] = {
        {0, Part::Arrow1},  {23, Part::Arrow1}, {24, Part::Track1}, {249, Part::Track1}, {250, Part::Thumb},
        {294, Part::Thumb}, {295, Part::Track2}, {520, Part::Track2}, {521, Part::Arrow2}, {544, Part::Arrow2},
    };
    for (const auto& row : rows)
        EXPECT_EQ(g.partAt(row.p), row.part) << row.p;
    const ScrollBarGeometry empty = ScrollBarGeometry::compute({545, 24, 0, 0, 0, 0, true});
    EXPECT_EQ(empty.partAt(100), Part::Track2) << "an empty range has no thumb to grab";
    EXPECT_EQ(empty.positionAt(300), 0);
}

// ---- the control -----------------------------------------------------------------------

void sendMouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButtons buttons)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(at), QPointF(widget->mapToGlobal(at)), button, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

void press(QWidget* w, QPoint at) { sendMouse(w, QEvent::MouseButtonPress, at, Qt::LeftButton); }
void dragTo(QWidget* w, QPoint at) { sendMouse(w, QEvent::MouseMove, at, Qt::LeftButton); }
void release(QWidget* w, QPoint at) { sendMouse(w, QEvent::MouseButtonRelease, at, Qt::NoButton); }

// A vertical 16 × 545 bar, 0..100, page 10, steps 1 and 10, on a shown window.
class ScrollBarTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window.resize(100, 600);
        bar = new TsScrollBar(&window);
        bar->setObjectName(QStringLiteral("sScrollBar1"));
        bar->SetKind(sbVertical);
        bar->setGeometry(10, 10, 16, 545);
        bar->SetPageSize(10);
        bar->SetLargeChange(10);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        changes = std::make_unique<QSignalSpy>(bar, &TsScrollBar::OnChange);
    }

    QPoint at(int along) const { return QPoint(8, along); }
    QPoint centreOf(Part part) const { return bar->PartRect(part).center(); }

    GoldenSkinScope skin;
    ScriptedDialogs dialogs;
    QWidget window;
    TsScrollBar* bar = nullptr;
    std::unique_ptr<QSignalSpy> changes;
};

TEST_F(ScrollBarTest, ArrowButtonsAreOneStatePictureLongUnderTheSkin)
{
    ASSERT_TRUE(bar->IsSkinnedNow());
    EXPECT_EQ(bar->ArrowLength(), 24);
    EXPECT_EQ(bar->PaintedArrowRect(Part::Arrow2), QRect(0, 521, 16, 24));
    EXPECT_EQ(bar->PartRect(Part::Arrow2), QRect(0, 529, 16, 16)) << "the pointer and the thumb go by the metric";
    TsScrollBar plain;
    EXPECT_EQ(plain.size(), QSize(121, 16)) << "the default size";
    EXPECT_EQ(plain.ArrowLength(), 16) << "without a parent the bar is not skinned";
}

TEST_F(ScrollBarTest, PartStatesFollowTheCouplingRules)
{
    using S = std::array<int, 5>; // arrow 1, arrow 2, track 1, track 2, thumb
    struct Step { Part part; int state; };
    const struct { const char* name; std::vector<Step> steps; S after; } rows[] = {
        {"arrow hot: other arrow and thumb normal, tracks hot", {{Part::Thumb, 1}, {Part::Arrow1, 1}}, {1, 0, 1, 1, 0}},
        {"thumb pressed after an arrow", {{Part::Arrow2, 2}, {Part::Thumb, 2}}, {0, 0, 1, 1, 2}},
        {"track pressed: arrows and thumb normal, other track hot", {{Part::Arrow1, 1}, {Part::Track2, 2}}, {0, 0, 1, 2, 0}},
        {"normal changes only that part", {{Part::Arrow1, 1}, {Part::Arrow1, 0}}, {0, 0, 1, 1, 0}},
    };
    for (const auto& row : rows) {
        for (int p = 0; p < 5; ++p)
            bar->SetPartState(Part(p), 0);
        for (const Step& step : row.steps)
            bar->SetPartState(step.part, step.state);
        for (int p = 0; p < 5; ++p)
            EXPECT_EQ(bar->PartState(Part(p)), row.after[std::size_t(p)]) << row.name << ", part " << p;
    }
}

TEST_F(ScrollBarTest, PositionIsClampedAndReportedOnce)
{
    int hostPrevious = -1;
    bar->HostScrolled = [&](QWidget*, TsScrollBar*, int previous) { hostPrevious = previous; };
    bar->SetPosition(150);
    EXPECT_EQ(bar->Position(), 100);
    EXPECT_EQ(changes->count(), 1);
    EXPECT_EQ(hostPrevious, 0);
    bar->SetPosition(120);
    EXPECT_EQ(changes->count(), 1) << "at Max a value beyond it is ignored";
    bar->SetPosition(-5);
    EXPECT_EQ(bar->Position(), 0);
    bar->SetPosition(-5);
    EXPECT_EQ(changes->count(), 2);
    EXPECT_TRUE(dialogs.boxes.isEmpty());
}

TEST_F(ScrollBarTest, MinSetToMaxShowsTheRangeMessageAndIsAppliedAnyway)
{
    bar->SetMin(100);
    ASSERT_EQ(dialogs.boxes.size(), 1);
    EXPECT_EQ(dialogs.boxes.first().kind, QStringLiteral("skinned"));
    EXPECT_EQ(dialogs.boxes.first().messageKind, Dialogs::MessageKind::Error);
    EXPECT_EQ(dialogs.boxes.first().text, QStringLiteral("Scrollbar property out of range\n\rMax = 100(sScrollBar1)"));
    EXPECT_EQ(bar->Min(), 100);
    EXPECT_EQ(bar->Position(), 100);
    EXPECT_EQ(bar->Geometry().thumbCentre, 0);

    QWidget host;
    host.setObjectName(QStringLiteral("sMemo1"));
    bar->HostControl = &host;
    bar->SetMax(40);
    ASSERT_EQ(dialogs.boxes.size(), 2);
    EXPECT_EQ(dialogs.boxes.last().text, QStringLiteral("Scrollbar property out of range\n\rMax = 40(Owner=sMemo1)"));
}

TEST_F(ScrollBarTest, ArrowPressAtTheEndStartsAnIdleRepeat)
{
    bar->SetPosition(100);
    changes->clear();
    press(bar, centreOf(Part::Arrow2));
    EXPECT_EQ(bar->PartState(Part::Arrow2), 2);
    EXPECT_EQ(bar->RepeatRunning(), TsScrollBar::RepeatKind::Arrow);
    EXPECT_EQ(bar->RepeatInterval(), 500);
    bar->RepeatTick();
    EXPECT_EQ(bar->RepeatInterval(), 100) << "lowered at the first tick";
    bar->RepeatTick();
    EXPECT_EQ(bar->RepeatRunning(), TsScrollBar::RepeatKind::Arrow);
    EXPECT_EQ(bar->Position(), 100);
    EXPECT_EQ(changes->count(), 0);
    release(bar, centreOf(Part::Arrow2));
    EXPECT_EQ(bar->RepeatRunning(), TsScrollBar::RepeatKind::None);
    EXPECT_EQ(bar->PartState(Part::Arrow2), 1) << "released over the arrow: hot";
}

TEST_F(ScrollBarTest, HeldArrowRepeatsItsStep)
{
    press(bar, centreOf(Part::Arrow2));
    EXPECT_EQ(bar->Position(), 1);
    bar->RepeatTick();
    bar->RepeatTick();
    EXPECT_EQ(bar->Position(), 3);
    EXPECT_EQ(bar->ScrollCode(), TsScrollBar::scLineDown);
    release(bar, QPoint(8, 300));
    EXPECT_EQ(bar->PartState(Part::Arrow2), 0) << "released elsewhere: normal";
    bar->RepeatTick();
    EXPECT_EQ(bar->Position(), 3);
}

TEST_F(ScrollBarTest, TrackHoldStopsOnceTheThumbHasPassedTheCursor)
{
    // Position 56 has its thumb centre at y = 300.
    ASSERT_EQ(bar->Geometry().positionAt(300), 56);
    press(bar, at(300));
    EXPECT_EQ(bar->PartState(Part::Track2), 2);
    EXPECT_EQ(bar->Position(), 10);
    std::vector<int> seen;
    for (int tick = 0; tick < 10 && bar->RepeatRunning() != TsScrollBar::RepeatKind::None; ++tick) {
        bar->RepeatTick();
        seen.push_back(bar->Position());
    }
    EXPECT_EQ(seen, (std::vector<int>{20, 30, 40, 50, 60, 60}));
    EXPECT_EQ(bar->RepeatRunning(), TsScrollBar::RepeatKind::None);

    release(bar, at(300));
    press(bar, at(100)); // back toward the start, on track 1
    EXPECT_EQ(bar->PartState(Part::Track1), 2);
    while (bar->RepeatRunning() != TsScrollBar::RepeatKind::None)
        bar->RepeatTick();
    EXPECT_EQ(bar->Position(), 10) << "the thumb centre passed y = 100 (position 13)";
    release(bar, at(100));
}

TEST_F(ScrollBarTest, SmoothOffReportsTheDragOnceOnRelease)
{
    std::vector<int> previous;
    for (const bool smooth : {false, true}) {
        bar->SetPosition(0);
        bar->Smooth = smooth;
        changes->clear();
        previous.clear();
        bar->HostScrolled = [&](QWidget*, TsScrollBar*, int before) { previous.push_back(before); };
        const QPoint grab = centreOf(Part::Thumb);
        press(bar, grab);
        EXPECT_EQ(bar->PartState(Part::Thumb), 2);
        EXPECT_EQ(bar->DragOffset(), bar->Geometry().positionAt(grab.y()) - 0);
        for (int dy = 20; dy <= 100; dy += 20)
            dragTo(bar, grab + QPoint(0, dy));
        const int dragged = bar->Position();
        EXPECT_GT(dragged, 15);
        EXPECT_EQ(changes->count(), smooth ? 5 : 0) << "smooth " << smooth;
        release(bar, grab + QPoint(0, 100));
        EXPECT_EQ(bar->Position(), dragged);
        EXPECT_EQ(changes->count(), smooth ? 5 : 1) << "smooth " << smooth;
        EXPECT_EQ(previous.front(), 0) << "the host hears the whole move from the start";
        EXPECT_EQ(bar->ScrollCode(), TsScrollBar::scPosition);
        EXPECT_EQ(bar->PartState(Part::Thumb), 1) << "released on the thumb";
    }
}

TEST_F(ScrollBarTest, KeysMoveByTheirSteps)
{
    bar->setFocus();
    const struct { Qt::Key key; int position; } rows[] = {
        {Qt::Key_PageDown, 10}, {Qt::Key_Down, 11}, {Qt::Key_Right, 12}, {Qt::Key_Up, 11},
        {Qt::Key_End, 100},     {Qt::Key_PageDown, 100}, {Qt::Key_Left, 99}, {Qt::Key_Home, 0}, {Qt::Key_PageUp, 0},
    };
    for (const auto& row : rows) {
        QTest::keyClick(bar, row.key);
        EXPECT_EQ(bar->Position(), row.position) << row.key;
    }
}

TEST_F(ScrollBarTest, PlatformScrollActionsAndTheirMirrorOnARightToLeftBar)
{
    using B = TsScrollBar;
    const struct { int code; int track; int from; int ltr; int rtl; } rows[] = {
        {B::scLineDown, 0, 50, 51, 49}, {B::scLineUp, 0, 50, 49, 51}, {B::scPageDown, 0, 50, 60, 40},
        {B::scPageUp, 0, 5, 0, 15},     {B::scTop, 0, 50, 0, 0},      {B::scBottom, 0, 50, 100, 100},
        {B::scTrack, 30, 50, 30, 70},   {B::scPosition, 120, 50, 100, 0},
    };
    bar->SetKind(sbHorizontal);
    bar->setGeometry(10, 10, 545, 16);
    for (const bool rtl : {false, true}) {
        bar->setLayoutDirection(rtl ? Qt::RightToLeft : Qt::LeftToRight);
        EXPECT_EQ(bar->Direction(), rtl ? -1 : 1);
        for (const auto& row : rows) {
            bar->SetPosition(row.from);
            bar->ScrollAction(row.code, row.track);
            EXPECT_EQ(bar->Position(), rtl ? row.rtl : row.ltr) << "code " << row.code << (rtl ? " right to left" : "");
            EXPECT_EQ(bar->ScrollCode(), row.code);
        }
    }
    // OnScroll may change the proposed position.
    bar->setLayoutDirection(Qt::LeftToRight);
    bar->OnScroll = [](TsScrollBar*, int code, int& position) {
        if (code == TsScrollBar::scLineDown)
            position = 42;
    };
    bar->SetPosition(0);
    bar->ScrollAction(TsScrollBar::scLineDown);
    EXPECT_EQ(bar->Position(), 42);
}

TEST_F(ScrollBarTest, HoverAndLeaveSetTheLooks)
{
    skintest::sendEnter(bar);
    EXPECT_EQ(bar->PartState(Part::Track1), 1);
    EXPECT_EQ(bar->PartState(Part::Track2), 1);
    sendMouse(bar, QEvent::MouseMove, centreOf(Part::Thumb), Qt::NoButton);
    EXPECT_EQ(bar->PartState(Part::Thumb), 1);
    sendMouse(bar, QEvent::MouseMove, centreOf(Part::Arrow1), Qt::NoButton);
    EXPECT_EQ(bar->PartState(Part::Arrow1), 1);
    EXPECT_EQ(bar->PartState(Part::Thumb), 0);
    skintest::sendLeave(bar);
    for (int p = 0; p < 5; ++p)
        EXPECT_EQ(bar->PartState(Part(p)), 0) << p;
}

QImage face(TsScrollBar* bar)
{
    bar->repaint();
    return bar->SkinData.CacheBitmap->imageView().convertToFormat(QImage::Format_RGB32);
}

// Pixels that differ between two pictures all lie inside `area`.
bool differencesInside(const QImage& a, const QImage& b, const QRect& area, int* count)
{
    *count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) == b.pixel(x, y))
                continue;
            ++*count;
            if (!area.contains(x, y))
                return false;
        }
    }
    return true;
}

TEST_F(ScrollBarTest, EachStatePaintsOnlyItsOwnPart)
{
    bar->SetPosition(50);
    const QImage normal = face(bar);
    ASSERT_EQ(normal.size(), QSize(16, 545));
    const struct { Part part; int state; } rows[] = {
        {Part::Arrow1, 2}, {Part::Arrow2, 1}, {Part::Arrow2, 2},
    };
    for (const auto& row : rows) {
        bar->SetPartState(row.part, row.state);
        bar->SetPartState(Part::Track1, 0);
        bar->SetPartState(Part::Track2, 0);
        int count = 0;
        EXPECT_TRUE(differencesInside(normal, face(bar), bar->PaintedArrowRect(row.part), &count)) << row.part << " " << row.state;
        EXPECT_GT(count, 0) << "the state shows: part " << row.part << " state " << row.state;
        bar->SetPartState(row.part, 0);
    }
    // The thumb moved by a position repaints between the arrows only.
    bar->SetPosition(60);
    int count = 0;
    EXPECT_TRUE(differencesInside(normal, face(bar), QRect(0, 24, 16, 497), &count));
    EXPECT_GT(count, 0);
    // Disabled: the face changes everywhere the parent does not show.
    bar->setEnabled(false);
    EXPECT_NE(face(bar), normal);
}

// A held arrow repeats only while the pointer stays on it: moved onto the track or off the
// bar sideways, the arrow lets go and the position stays.
TEST_F(ScrollBarTest, AHeldArrowStopsOnceThePointerLeavesIt)
{
    const struct { const char* name; QPoint moveTo; bool repeats; } rows[] = {
        {"within the arrow", centreOf(Part::Arrow2) + QPoint(0, 3), true},
        {"onto the track", at(300), false},
        {"off the bar sideways", centreOf(Part::Arrow2) + QPoint(30, 0), false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        bar->SetPosition(0);
        press(bar, centreOf(Part::Arrow2));
        ASSERT_EQ(bar->Position(), 1);
        dragTo(bar, row.moveTo);
        bar->RepeatTick();
        bar->RepeatTick();
        EXPECT_EQ(bar->Position(), row.repeats ? 3 : 1);
        EXPECT_EQ(bar->PartState(Part::Arrow2) == 2, row.repeats);
        release(bar, row.moveTo);
    }
}

// The main window's bottom bar: the thumb where the arithmetic with the 16-pixel metric
// puts it, whatever length the skin paints its arrows.
TEST_F(ScrollBarTest, TheThumbIsPlacedByTheMetricNotByThePaintedArrow)
{
    window.resize(800, 600);
    bar->SetKind(sbHorizontal);
    bar->setGeometry(0, 520, 776, 16);
    ASSERT_EQ(bar->ArrowLength(), 24);
    bar->SetPageSize(788);
    bar->SetParams(0, 0, 103);
    // T = round(max((776 - 32) / (103 + 788) * 788, 14)) = 658; TC = 16 + 329 + round(86 / 103 * p).
    for (const auto& [position, thumbStart] : {std::pair{0, 16}, {50, 58}, {103, 102}}) {
        bar->SetPosition(position);
        EXPECT_EQ(bar->PartRect(Part::Thumb), QRect(thumbStart, 0, 658, 16)) << position;
    }
}

// The arrow buttons' rounded corners show the track under them, not the section's white.
TEST_F(ScrollBarTest, ArrowCornersShowTheTrack)
{
    window.resize(300, 600);
    auto* horizontal = new TsScrollBar(&window);
    horizontal->SetKind(sbHorizontal);
    horizontal->setGeometry(30, 10, 200, 16);
    horizontal->show();
    for (TsScrollBar* b : {bar, horizontal}) {
        const QImage picture = face(b);
        for (const Part arrow : {Part::Arrow1, Part::Arrow2}) {
            const QRect r = b->PaintedArrowRect(arrow);
            for (const QPoint corner : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()})
                EXPECT_NE(picture.pixel(corner), qRgb(255, 255, 255)) << b->Kind() << " " << arrow << " at " << corner.x() << "," << corner.y();
        }
    }
}

// A press switches tool tips off; removing the skin before the release gives them back.
TEST_F(ScrollBarTest, RemovingTheSkinBetweenPressAndReleaseGivesTheTipsBack)
{
    ASSERT_TRUE(HintSwitch::showHint());
    press(bar, centreOf(Part::Arrow2));
    EXPECT_FALSE(HintSwitch::showHint());
    TsSkinData::instance().SkinReady = false;
    SkinMessage::send(bar, SKN_SKINREMOVED);
    release(bar, centreOf(Part::Arrow2));
    EXPECT_TRUE(HintSwitch::showHint());
    TsSkinData::instance().SkinReady = true;
}

// Every arrow glyph of the program's skin is a triangle: at least three pixels deep along
// its direction and five across (its mask is 0 under the ink), not a sliver.
TEST(ScrollBarArrows, GlyphsAreTriangles)
{
    GoldenSkinScope skin;
    const TsSkinTables& tables = TsCommonData::Tables();
    const CommonSkinIndexes indexes = resolveCommonSkinIndexes(tables);
    const struct { const char* name; int glyph; bool sideways; } rows[] = {
        {"left", indexes.scrollBtnLeft.glyphMask, true}, {"right", indexes.scrollBtnRight.glyphMask, true},
        {"top", indexes.scrollBtnTop.glyphMask, false}, {"bottom", indexes.scrollBtnBottom.glyphMask, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_GE(row.glyph, 0);
        const TsRect r = tables.masks[std::size_t(row.glyph)].R;
        const int w = WidthOf(r) / 3, h = HeightOf(r) / 2;
        QSet<int> columns, lines;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if (tables.masterBitmap.pixel(r.Left + x, r.Top + h + y) == 0) {
                    columns.insert(x);
                    lines.insert(y);
                }
        EXPECT_GE((row.sideways ? columns : lines).size(), 3) << "deep";
        EXPECT_GE((row.sideways ? lines : columns).size(), 5) << "across";
    }
}

} // namespace
