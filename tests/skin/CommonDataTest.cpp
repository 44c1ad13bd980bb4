// The skin binding: sections, indexes, hot state, suspension, the parent cache and the
// message table, the broadcast reaching nested controls once, and the paint contract.
#include "common/QtWarningGuard.h"
#include "skin/PaintTestSupport.h"
#include "skin/SkinBroadcast.h"
#include "skin/SkinControlRoutines.h"
#include "skin/SkinMessage.h"
#include "skin/TsCommonData.h"
#include "skin/TsSkinData.h"

#include <QApplication>
#include <QEnterEvent>
#include <QPainter>
#include <QTest>
#include <QWidget>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <map>

namespace {

using painttest::TablesScope;

TsSkinTables threeSections()
{
    TsSkinTables t;
    for (const char* name : {"BUTTON", "EDIT", "PANEL", "GROUPBOX"}) {
        TsGeneralData s;
        s.SectionName = QString::fromLatin1(name);
        s.Color = 0x102030;
        t.sections.push_back(s);
    }
    t.sections[3].Transparency = 100;
    TsMaskData mask;
    mask.SectionName = QStringLiteral("BUTTON");
    mask.PropertyName = QStringLiteral("BORDERSMASK");
    t.masks.push_back(mask);
    return t;
}

// A skinned test control: renders its section colour, counts the skin messages it hears.
class Probe : public QWidget
{
public:
    Probe(QWidget* parent, int kind, bool withCache = true)
        : QWidget(parent)
        , SkinData(this, kind, withCache)
    {
    }

    TsCommonData SkinData;
    std::map<uint32_t, int> heard;
    bool repaintInsidePaint = false;

protected:
    bool event(QEvent* event) override
    {
        SkinData.HandleCommonMessage(event);
        if (SkinMessage* m = SkinMessage::from(event))
            ++heard[m->number()];
        return QWidget::event(event);
    }

    void paintEvent(QPaintEvent*) override
    {
        TsCommonData::PaintScope scope(SkinData);
        if (!SkinData.IsSkinned() || SkinData.PaintingSuspended())
            return;
        QPainter dc(this);
        SkinData.PaintFace(dc, TsRenderRule::WhenInvalid, [this] { SkinData.CacheBitmap->fill(SkinData.Section()->Color); });
        if (repaintInsidePaint) {
            repaintInsidePaint = false;
            SkinData.CacheInvalid = true;
            SkinData.RepaintNow();
        }
    }
};

TEST(CommonData, SectionNamesAndDefaultsByKind)
{
    TablesScope scope(threeSections());
    QWidget form;
    Probe button(&form, ckButton);
    button.SkinData.SetSkinSection(QString());
    EXPECT_EQ(button.SkinData.SkinSection(), "UNKNOWN");
    EXPECT_EQ(button.SkinData.SectionIndex, -1);
    EXPECT_FALSE(button.SkinData.IsSkinned());

    struct Row
    {
        int kind;
        const char* section;
        int index;
    } rows[] = {{ckMemo, "EDIT", 1}, {ckButton, "BUTTON", 0}, {ckBitBtn, "BUTTON", 0}, {ckPanel, "PANEL", 2},
                {ckGroupBox, "GROUPBOX", 3}, {ckScrollBar, "QWidget", -1}, {ckSkinProvider, "QWidget", -1}};
    for (const Row& row : rows) {
        Probe probe(&form, row.kind);
        probe.SkinData.AfterLoad();
        EXPECT_EQ(probe.SkinData.SkinSection(), QLatin1String(row.section)) << row.kind;
        EXPECT_EQ(probe.SkinData.SectionIndex, row.index) << row.kind;
    }
    // (The probe has no meta object of its own, so its class name is QWidget's.)
    // A section set by the layout stays; its border mask is found.
    Probe named(&form, ckMemo);
    named.SkinData.SetSkinSection(QStringLiteral("BUTTON"));
    named.SkinData.AfterLoad();
    EXPECT_EQ(named.SkinData.SectionIndex, 0);
    EXPECT_EQ(named.SkinData.BorderMaskIndex, 0);
    EXPECT_EQ(SkinMessage::send(&named, SKN_GETSECTIONINDEX), 1);
}

TEST(CommonData, KindsWithoutHoverNeverBecomeHotFromTheMouse)
{
    struct Row
    {
        int kind;
        bool hot;
    } rows[] = {{ckButton, true}, {ckPanel, false}, {ckGroupBox, false}, {110, false}, {141, false},
                {161, false},     {162, true},       {ckEdit, true},      {50, true}};
    QWidget form;
    for (const Row& row : rows) {
        Probe probe(&form, row.kind);
        QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QCoreApplication::sendEvent(&probe, &enter);
        EXPECT_EQ(probe.SkinData.MouseInside, row.hot) << row.kind;
        EXPECT_EQ(probe.SkinData.IsActiveState(), row.hot) << row.kind;
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(&probe, &leave);
        EXPECT_FALSE(probe.SkinData.IsActiveState()) << row.kind;
    }
    // A disabled control is never hot; disabling clears the flags.
    Probe button(&form, ckButton);
    button.SkinData.MouseInside = true;
    button.SkinData.HasFocus = true;
    button.setEnabled(false);
    EXPECT_FALSE(button.SkinData.MouseInside);
    EXPECT_FALSE(button.SkinData.HasFocus);
    EXPECT_FALSE(button.SkinData.IsActiveState());
}

TEST(CommonData, FocusCountsOnlyForTabStops)
{
    QWidget form;
    Probe tabStop(&form, ckButton), clickOnly(&form, ckButton);
    tabStop.setFocusPolicy(Qt::StrongFocus);
    clickOnly.setFocusPolicy(Qt::ClickFocus);
    for (Probe* probe : {&tabStop, &clickOnly}) {
        probe->SkinData.CacheInvalid = false;
        QFocusEvent in(QEvent::FocusIn);
        QCoreApplication::sendEvent(probe, &in);
    }
    EXPECT_TRUE(tabStop.SkinData.HasFocus);
    EXPECT_TRUE(tabStop.SkinData.CacheInvalid);
    EXPECT_FALSE(clickOnly.SkinData.HasFocus);
    EXPECT_FALSE(clickOnly.SkinData.CacheInvalid);
    QFocusEvent out(QEvent::FocusOut);
    QCoreApplication::sendEvent(&tabStop, &out);
    EXPECT_FALSE(tabStop.SkinData.HasFocus);
}

TEST(CommonData, AChildWaitsWhileItsParentsPictureIsInvalid)
{
    TablesScope scope(threeSections());
    QWidget form;
    Probe parent(&form, ckPanel);
    Probe child(&parent, ckButton);
    parent.SkinData.AfterLoad();
    child.SkinData.AfterLoad();
    parent.SkinData.CacheInvalid = true;
    EXPECT_TRUE(child.SkinData.PaintingSuspended());
    parent.SkinData.CacheInvalid = false;
    EXPECT_FALSE(child.SkinData.PaintingSuspended());
    // A grandparent's invalid picture holds the grandchild too.
    Probe grandChild(&child, ckButton);
    child.SkinData.CacheInvalid = true;
    EXPECT_TRUE(grandChild.SkinData.PaintingSuspended());
    // Not ready: nobody paints.
    child.SkinData.CacheInvalid = false;
    TsSkinData::instance().SkinReady = false;
    EXPECT_TRUE(grandChild.SkinData.PaintingSuspended());
    TsSkinData::instance().SkinReady = true;
    child.SkinData.PaintSuspended = true;
    EXPECT_TRUE(child.SkinData.PaintingSuspended());
    EXPECT_TRUE(grandChild.SkinData.PaintingSuspended());
}

TEST(CommonData, ParentCacheIsTheParentsPictureAtOffsetZero)
{
    TablesScope scope(threeSections());
    QWidget form;
    Probe parent(&form, ckPanel);
    Probe noCache(&form, ckRadioButton, false);
    Probe child(&parent, ckButton), orphanChild(&noCache, ckButton), plainChild(&form, ckButton);
    parent.resize(30, 20);
    parent.SkinData.PrepareCacheBitmap();

    const TsParentCache cache = child.SkinData.GetParentCache();
    EXPECT_TRUE(cache.Ready);
    EXPECT_EQ(cache.Bitmap, parent.SkinData.CacheBitmap.get());
    EXPECT_EQ(cache.OffsetX, 0);
    EXPECT_EQ(cache.OffsetY, 0);
    // A parent without a picture, an unskinned parent, and no parent at all: not ready,
    // even right after a ready answer.
    EXPECT_FALSE(orphanChild.SkinData.GetParentCache().Ready);
    EXPECT_TRUE(child.SkinData.GetParentCache().Ready);
    EXPECT_FALSE(plainChild.SkinData.GetParentCache().Ready);
    Probe top(nullptr, ckButton);
    EXPECT_FALSE(top.SkinData.GetParentCache().Ready);
}

TEST(CommonData, MessageTable)
{
    TablesScope scope(threeSections());
    QWidget form;
    Probe box(&form, ckGroupBox), button(&form, ckButton), linked(&form, ckPanel);
    box.SkinData.AfterLoad();
    button.SkinData.AfterLoad();

    struct Row
    {
        uint32_t number;
        uintptr_t wParam;
        intptr_t lParam;
        bool TsCommonData::*flag;
        bool expected;
    } rows[] = {
        {SKN_SETCACHEINVALID, 0, -1, &TsCommonData::CacheInvalid, true},
        {SKN_SETCACHEINVALID, 0, 0, &TsCommonData::CacheInvalid, false},
        {SKN_SETSUSPENDED, 0, 1, &TsCommonData::PaintSuspended, true},
        {SKN_SETSUSPENDED, 0, 0, &TsCommonData::PaintSuspended, false},
        {SKN_FREEZECACHE, 1, 0, &TsCommonData::CacheFrozen, true},
        {SKN_FREEZECACHE, 0, 0, &TsCommonData::CacheFrozen, false},
    };
    for (const Row& row : rows) {
        SkinMessage::send(&button, row.number, row.wParam, row.lParam);
        EXPECT_EQ(button.SkinData.*row.flag, row.expected) << std::hex << row.number;
    }
    button.SkinData.PartlyHidden = true;
    EXPECT_EQ(SkinMessage::send(&button, SKN_ISPARTLYHIDDEN), 1);
    button.SkinData.CacheInvalid = true;
    EXPECT_EQ(SkinMessage::send(&button, SKN_ISSUSPENDED), 1);
    button.SkinData.CacheInvalid = false;
    EXPECT_EQ(SkinMessage::send(&button, SKN_ISSUSPENDED), 0);
    SkinMessage::send(&button, SKN_SETLINK, 0, reinterpret_cast<intptr_t>(&linked));
    EXPECT_EQ(button.SkinData.LinkedObject, &linked);
    // Only a transparent section takes the hint of its parent's new picture.
    box.SkinData.CacheInvalid = false;
    SkinMessage::send(&box, SKN_CHECKTRANSPARENT);
    SkinMessage::send(&button, SKN_CHECKTRANSPARENT);
    EXPECT_TRUE(box.SkinData.CacheInvalid);
    EXPECT_FALSE(button.SkinData.CacheInvalid);
    EXPECT_EQ(SkinMessage::send(&box, SKN_GETSECTIONINDEX), 4);
}

TEST(CommonData, SkinChangeSuspendsReindexesResumesAndRemovalEmptiesTheCache)
{
    TablesScope scope(threeSections());
    QWidget form;
    Probe button(&form, ckButton);
    button.resize(20, 10);
    button.SkinData.AfterLoad();
    button.SkinData.SectionIndex = 2;
    button.SkinData.PrepareCacheBitmap();

    SkinMessage::send(&button, SKN_SKINCHANGING);
    EXPECT_TRUE(button.SkinData.PaintSuspended);
    EXPECT_EQ(button.SkinData.SectionIndex, 0);
    EXPECT_TRUE(button.SkinData.CacheInvalid);
    button.SkinData.CacheInvalid = false;
    SkinMessage::send(&button, SKN_SKINCHANGED);
    EXPECT_FALSE(button.SkinData.PaintSuspended);
    EXPECT_TRUE(button.SkinData.CacheInvalid);

    SkinMessage::send(&button, SKN_SKINREMOVED);
    EXPECT_EQ(button.SkinData.SectionIndex, -1);
    EXPECT_EQ(button.SkinData.BorderMaskIndex, -1);
    EXPECT_TRUE(button.SkinData.PaintSuspended);
    EXPECT_TRUE(button.SkinData.CacheBitmap->isNull());
    EXPECT_FALSE(button.SkinData.GetParentCache().Ready);
}

// A container whose own child is a control too, like a radio group's buttons or a memo's
// scroll bars: a broadcast reaches each exactly once.
TEST(CommonData, NestedControlsHearABroadcastExactlyOnce)
{
    TablesScope scope(threeSections());
    QWidget form;
    Probe group(&form, ckGroupBox);
    Probe inner(&group, ckButton);
    Probe innermost(&inner, ckScrollBar);
    QWidget plain(&form);
    Probe underPlain(&plain, ckEdit);
    for (uint32_t number : {SKN_SKINCHANGING, SKN_SKINCHANGED, SKN_SKINREMOVED}) {
        SkinBroadcast::toForm(&form, number, 0, 0);
        for (Probe* probe : {&group, &inner, &innermost, &underPlain})
            EXPECT_EQ(probe->heard[number], 1) << std::hex << number << " " << probe->SkinData.ControlKind;
    }
}

TEST(CommonData, TreeRoutinesReachEveryLevel)
{
    QWidget form;
    Probe group(&form, ckGroupBox);
    Probe inner(&group, ckButton);
    Probe innermost(&inner, ckScrollBar);
    for (Probe* p : {&group, &inner, &innermost}) {
        p->SkinData.CacheFrozen = true;
        p->SkinData.CacheInvalid = false;
    }
    ThawCacheTree(&group);
    RedrawTree(&form, true);
    for (Probe* p : {&group, &inner, &innermost}) {
        EXPECT_FALSE(p->SkinData.CacheFrozen);
        EXPECT_TRUE(p->SkinData.CacheInvalid);
    }
    RepaintChildren(&group);
    EXPECT_EQ(inner.heard[SKN_REPAINT], 1);
    EXPECT_EQ(innermost.heard[SKN_REPAINT], 0);
    EXPECT_EQ(OwningForm(&innermost), &form);
    EXPECT_TRUE(CanPaint(&innermost));
    EXPECT_FALSE(CanPaint(&form));
}

TEST(CommonData, APaintFromAValidCacheRendersNothing)
{
    TablesScope scope(threeSections());
    QtWarningGuard warnings;
    QWidget form;
    form.resize(100, 60);
    Probe button(&form, ckButton);
    button.setGeometry(10, 10, 40, 20);
    button.SkinData.AfterLoad();
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const int rendered = button.SkinData.RenderCount;
    EXPECT_GE(rendered, 1);
    button.repaint();
    button.repaint();
    EXPECT_EQ(button.SkinData.RenderCount, rendered);
    EXPECT_EQ(button.grab().toImage().pixel(5, 5), QColor(0x30, 0x20, 0x10).rgb());
    // "At once" from inside the paint handler asks for a later paint instead of recursing.
    button.repaintInsidePaint = true;
    button.repaint();
    EXPECT_TRUE(QTest::qWaitFor([&] { return button.SkinData.RenderCount == rendered + 1; }, 1000));
    EXPECT_TRUE(warnings.warnings().isEmpty());
}

// The guard itself fails a test on Qt's recursive-repaint warning.
class RecursivePainter : public QWidget
{
protected:
    void paintEvent(QPaintEvent*) override
    {
        if (m_inside)
            return;
        m_inside = true;
        repaint();
        m_inside = false;
    }

private:
    bool m_inside = false;
};

void paintRecursively()
{
    QtWarningGuard warnings;
    RecursivePainter widget;
    widget.resize(10, 10);
    widget.show();
    (void)QTest::qWaitForWindowExposed(&widget);
    widget.repaint();
}

TEST(CommonData, WarningGuardFailsOnARecursiveRepaint)
{
    ::testing::TestPartResultArray failures;
    {
        ::testing::ScopedFakeTestPartResultReporter reporter(
            ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &failures);
        paintRecursively();
    }
    ASSERT_GE(failures.size(), 1);
    for (int i = 0; i < failures.size(); ++i)
        EXPECT_NE(std::string(failures.GetTestPartResult(i).message()).find("Recursive repaint"), std::string::npos);
}

} // namespace
