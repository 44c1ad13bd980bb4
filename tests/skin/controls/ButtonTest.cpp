// Skinned push buttons on the program's skin: faces, mask, disabled look, clicks, keys,
// hover fading and the default look.
#include "common/QtWarningGuard.h"
#include "skin/SkinMessage.h"
#include "skin/SkinWidgetSupport.h"
#include "skin/TsFadeTimer.h"
#include "skin/controls/TsBitBtn.h"
#include "skin/controls/TsButton.h"
#include "skin/paint/SkinTableLookups.h"

#include <QLineEdit>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using skintest::GoldenSkinScope;

// A parent with a cache of one colour, as a skinned panel would have.
class CachedParent : public QWidget
{
public:
    CachedParent()
        : SkinData(this, ckPanel, true)
    {
        resize(200, 100);
        SkinData.PrepareCacheBitmap();
        SkinData.CacheBitmap->fill(0x40C080);
    }
    TsCommonData SkinData;

protected:
    bool event(QEvent* event) override
    {
        if (SkinMessage::from(event))
            SkinData.HandleCommonMessage(event);
        return QWidget::event(event);
    }
};

struct Fixture
{
    GoldenSkinScope skin;
    QWidget form;
    TsButton* button = nullptr;

    explicit Fixture(const QString& caption = QStringLiteral("OK"), QSize size = {75, 25})
    {
        form.resize(200, 100);
        button = new TsButton(&form);
        button->setText(caption);
        button->setGeometry(QRect(QPoint(10, 10), size));
        form.show();
        (void)QTest::qWaitForWindowExposed(&form);
    }

    const TsMaskData& borderPiece() const
    {
        return skintest::goldenTables().masks[std::size_t(button->SkinData.BorderMaskIndex)];
    }
};

TEST(Button, IsSkinnedFromTheButtonSectionOfTheStoredSkin)
{
    Fixture f;
    EXPECT_EQ(f.button->SkinData.SkinSection(), "BUTTON");
    EXPECT_TRUE(f.button->IsSkinnedNow());
    EXPECT_GE(f.button->SkinData.BorderMaskIndex, 0);
    EXPECT_GE(f.button->SkinData.RenderCount, 1);
    EXPECT_FALSE(f.button->testAttribute(Qt::WA_OpaquePaintEvent));
}

// Corner pixels the border mask lets through whole equal the master bitmap's frame of the
// state; the magenta ones are cut out of the mask.
TEST(Button, CornersAreTheMasterFrameOfTheStateAndMagentaIsCutOut)
{
    Fixture f{QString()};
    f.button->setFocusPolicy(Qt::NoFocus);
    f.button->clearFocus();
    const TsMaskData& piece = f.borderPiece();
    const TsSkinTables& tables = skintest::goldenTables();
    const int frameWidth = piece.R.width() / piece.ImageCount, frameHeight = piece.R.height() / 2;
    for (int state : {0, 1, 2}) {
        f.button->SetDown(state == 2);
        f.button->SkinData.MouseInside = state == 1;
        f.button->SkinData.CacheInvalid = true;
        f.button->repaint();
        ASSERT_EQ(f.button->CurrentState(), state);
        const Bitmap24 frame = skintest::masterFrame(tables, piece, state);
        const Bitmap24& cache = *f.button->SkinData.CacheBitmap;
        int compared = 0;
        for (int y = 0; y < frameHeight / 3; ++y) {
            for (int x = 0; x < frameWidth / 3; ++x) {
                const uint32_t mask = tables.masterBitmap.pixel(piece.R.Left + state * frameWidth + x,
                                                                piece.R.Top + frameHeight + y);
                if (frame.pixel(x, y) == 0xFF00FF || mask != 0)
                    continue;
                EXPECT_EQ(cache.pixel(x, y), frame.pixel(x, y)) << state << " " << x << "," << y;
                ++compared;
            }
        }
        EXPECT_GT(compared, 4) << state;
    }
    const Bitmap24 frame = skintest::masterFrame(tables, piece, 0);
    EXPECT_EQ(f.button->mask(), skintest::regionWithoutMagentaCorners(frame, f.button->size()));
    EXPECT_FALSE(f.button->mask().contains(QPoint(0, 0)));
    EXPECT_EQ(f.form.childAt(10, 10), nullptr);
    EXPECT_EQ(f.form.childAt(20, 20), f.button);
}

TEST(Button, DisabledFaceIsFortyPercentFaceOverTheParentsPicture)
{
    GoldenSkinScope skin;
    CachedParent parent;
    TsButton* button = new TsButton(&parent);
    button->setGeometry(10, 10, 75, 25);
    button->setFocusPolicy(Qt::NoFocus);
    parent.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));
    button->PrepareCache();
    const Bitmap24 face = *button->SkinData.CacheBitmap;
    button->setEnabled(false);
    button->PrepareCache();
    const Bitmap24& disabled = *button->SkinData.CacheBitmap;
    // A text-free pixel on the left edge and one in the face above the caption.
    for (QPoint p : {QPoint(3, 12), QPoint(37, 3)}) {
        const uint32_t f = face.pixel(p.x(), p.y()), d = disabled.pixel(p.x(), p.y());
        const uint32_t back = 0x40C080;
        for (int shift : {0, 8, 16}) {
            const int fc = (f >> shift) & 0xFF, bc = (back >> shift) & 0xFF, dc = (d >> shift) & 0xFF;
            EXPECT_NEAR(dc, fc * 0.4 + bc * 0.6, 1.0) << p.x() << "," << p.y() << " shift " << shift;
        }
    }
}

TEST(Button, OneClickPerLeftPressAndReleaseInside)
{
    Fixture f;
    QtWarningGuard warnings;
    QSignalSpy clicks(f.button, &QAbstractButton::clicked);
    QTest::mouseClick(f.button, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 1);

    // Released outside: the button comes up without a click.
    QTest::mousePress(f.button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(f.button->Pressed());
    EXPECT_EQ(f.button->CurrentState(), 2);
    QTest::mouseRelease(f.button, Qt::LeftButton, {}, QPoint(100, 5));
    EXPECT_FALSE(f.button->Pressed());
    EXPECT_EQ(clicks.count(), 1);

    // The right button arms the next release but neither presses nor clicks.
    QTest::mousePress(f.button, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_FALSE(f.button->Pressed());
    QTest::mouseRelease(f.button, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_FALSE(f.button->isDown()); // the plain pushed state never happens
}

TEST(Button, SpacePressesAndTheKeyReleaseClicks)
{
    Fixture f;
    f.form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f.form));
    f.button->setFocus();
    QSignalSpy clicks(f.button, &QAbstractButton::clicked);
    QTest::keyPress(f.button, Qt::Key_Space);
    EXPECT_TRUE(f.button->Down());
    EXPECT_EQ(clicks.count(), 0);
    QTest::keyRelease(f.button, Qt::Key_Space);
    EXPECT_FALSE(f.button->Down());
    EXPECT_EQ(clicks.count(), 1);

    // Held down by the property, every key release clicks.
    f.button->SetDown(true);
    QTest::keyClick(f.button, Qt::Key_A);
    QTest::keyClick(f.button, Qt::Key_Tab);
    EXPECT_EQ(clicks.count(), 3);
    f.button->SetDown(false);
    QTest::keyClick(f.button, Qt::Key_A);
    EXPECT_EQ(clicks.count(), 3);
}

TEST(Button, EnterClicksTheDefaultButtonAndEscapeTheCancelOne)
{
    Fixture f;
    QLineEdit* edit = new QLineEdit(&f.form);
    edit->setGeometry(10, 50, 80, 20);
    edit->show();
    TsButton* cancel = new TsButton(&f.form);
    cancel->setGeometry(100, 10, 75, 25);
    cancel->show();
    f.button->setDefault(true);
    cancel->setCancel(true);
    f.form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f.form));
    edit->setFocus();
    QSignalSpy ok(f.button, &QAbstractButton::clicked), escape(cancel, &QAbstractButton::clicked);
    QTest::keyClick(edit, Qt::Key_Return);
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_EQ(ok.count(), 1);
    EXPECT_EQ(escape.count(), 1);
    QTest::keyClick(edit, Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(ok.count(), 1);
}

TEST(Button, DefaultLookFollowsTheFocus)
{
    Fixture f;
    TsButton* other = new TsButton(&f.form);
    other->setGeometry(100, 10, 75, 25);
    other->show();
    QLineEdit* edit = new QLineEdit(&f.form);
    edit->setGeometry(10, 50, 80, 20);
    edit->show();
    f.button->setDefault(true);
    other->setDefault(true);
    f.form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f.form));
    other->setFocus();
    EXPECT_FALSE(f.button->ShowsDefault());
    EXPECT_TRUE(other->ShowsDefault());
    edit->setFocus();
    EXPECT_TRUE(f.button->ShowsDefault());
    EXPECT_TRUE(other->ShowsDefault());
    EXPECT_EQ(f.button->CurrentState(), 1);
}

TEST(Button, HoverFadesInAndOutAndAPressStopsTheFade)
{
    Fixture f;
    skintest::sendEnter(f.button);
    TsFadeTimer* timer = f.button->FadeTimer();
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->FadeDirection, TsFadeTimer::FadingIn);
    EXPECT_EQ(f.button->CurrentState(), 1);
    for (int i = 0; i < 6; ++i)
        timer->Tick();
    EXPECT_EQ(timer->Level, 5);
    EXPECT_EQ(timer->FramesShown, 5);
    // The last frame is the hot face, and a paint now shows it.
    EXPECT_EQ(f.button->grab().toImage().pixel(3, 12), timer->Frame().pixel(3, 12));

    skintest::sendLeave(f.button);
    ASSERT_EQ(f.button->FadeTimer(), timer);
    EXPECT_EQ(timer->FadeDirection, TsFadeTimer::FadingOut);
    EXPECT_EQ(timer->StepLimit, 5);
    for (int i = 0; i < 7; ++i)
        timer->Tick();
    // SKN_FADEDONE made the button let the timer go.
    EXPECT_EQ(f.button->FadeTimer(), nullptr);

    skintest::sendEnter(f.button);
    ASSERT_NE(f.button->FadeTimer(), nullptr);
    QTest::mousePress(f.button, Qt::LeftButton);
    EXPECT_EQ(f.button->FadeTimer(), nullptr);
    QTest::mouseRelease(f.button, Qt::LeftButton);
}

// A face inside its rounded corners, where the parent does not show through.
QImage inner(const QImage& face)
{
    return face.convertToFormat(QImage::Format_RGB32).copy(3, 3, face.width() - 6, face.height() - 6);
}

// Steps: E enter, L leave, t one fade tick, T ticks until the fade stops, D disable.
void play(TsButton* b, const char* steps)
{
    for (; *steps; ++steps) {
        switch (*steps) {
        case 'E': skintest::sendEnter(b); break;
        case 'L': skintest::sendLeave(b); break;
        case 't': b->FadeTimer()->Tick(); break;
        case 'T':
            for (int i = 0; i < 20 && b->FadeTimer() && b->FadeTimer()->Running(); ++i)
                b->FadeTimer()->Tick();
            break;
        case 'D': b->setEnabled(false); break;
        }
    }
}

TEST(Button, APaintShowsTheCurrentFaceWhenNoFadeRuns)
{
    enum Look { Normal, Hot, Disabled };
    QImage normal; // the face before any hover
    {
        Fixture f;
        f.button->clearFocus();
        f.button->repaint();
        normal = inner(f.button->SkinData.CacheBitmap->toImage());
    }
    const struct {
        const char* name;
        int iterations;
        const char* steps;
        Look look;
        bool timerAtEnd;
    } rows[] = {
        {"disabled from the keyboard after a fade in", 5, "ETD", Disabled, false},
        {"leaving and coming straight back ends hot", 5, "ETLttET", Hot, true},
        {"no iterations: hot at once, no timer", 0, "E", Hot, false},
        {"no iterations: back at once, no timer", 0, "EL", Normal, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Fixture f;
        TsSkinData::instance().tables.sections[std::size_t(f.button->SkinData.SectionIndex)].FadingIterations = row.iterations;
        f.button->clearFocus(); // without the focus only the mouse makes the button hot
        play(f.button, row.steps);
        EXPECT_EQ(f.button->FadeTimer() != nullptr, row.timerAtEnd);
        const QImage shown = inner(f.button->grab().toImage());
        EXPECT_TRUE(shown == inner(f.button->SkinData.CacheBitmap->toImage())) << "the paint shows the cache";
        EXPECT_EQ(f.button->CurrentState(), row.look == Hot ? 1 : 0);
        EXPECT_EQ(f.button->isEnabled(), row.look != Disabled);
        if (row.look == Disabled)
            EXPECT_TRUE(shown != normal) << "the disabled look";
    }
}

TEST(Button, PaintsFromTheCacheAndReRendersOnlyWhenItsLookChanges)
{
    Fixture f;
    QtWarningGuard warnings;
    const int rendered = f.button->SkinData.RenderCount;
    f.button->repaint();
    f.button->repaint();
    EXPECT_EQ(f.button->SkinData.RenderCount, rendered);
    f.button->setText(QStringLiteral("Сдать"));
    f.button->repaint();
    EXPECT_EQ(f.button->SkinData.RenderCount, rendered + 1);
    QTest::mouseClick(f.button, Qt::LeftButton);
    EXPECT_GE(f.button->SkinData.RenderCount, rendered + 3);
}

TEST(Button, WithoutASkinItIsThePlainButton)
{
    QWidget form;
    TsButton* button = new TsButton(&form);
    button->setGeometry(10, 10, 75, 25);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    EXPECT_FALSE(button->IsSkinnedNow());
    QSignalSpy clicks(button, &QAbstractButton::clicked);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(button->SkinData.RenderCount, 0);
    // The skin arrives: the binding re-indexes and the button paints skinned.
    GoldenSkinScope skin;
    SkinMessage::send(button, SKN_SKINCHANGING);
    SkinMessage::send(button, SKN_SKINCHANGED);
    EXPECT_TRUE(button->IsSkinnedNow());
    button->repaint();
    EXPECT_EQ(button->SkinData.RenderCount, 1);
    SkinMessage::send(button, SKN_SKINREMOVED);
    EXPECT_FALSE(button->IsSkinnedNow());
    EXPECT_TRUE(button->mask().isEmpty());
}

// The presentation button: a 24 × 24 glyph left of the caption.
struct BitFixture
{
    GoldenSkinScope skin;
    QWidget form;
    TsBitBtn* button = nullptr;

    BitFixture()
    {
        form.resize(300, 120);
        button = new TsBitBtn(&form);
        button->setGeometry(10, 10, 169, 65);
        button->setText(QStringLiteral("Презентация"));
        QImage glyph(24, 24, QImage::Format_ARGB32);
        glyph.fill(Qt::transparent);
        QPainter painter(&glyph);
        painter.fillRect(4, 4, 16, 16, QColor(0, 0, 200));
        painter.end();
        button->setIcon(QIcon(QPixmap::fromImage(glyph)));
        button->setIconSize({24, 24});
        button->setFocusPolicy(Qt::NoFocus);
        form.show();
        (void)QTest::qWaitForWindowExposed(&form);
    }

    uint32_t glyphCentre()
    {
        button->SkinData.CacheInvalid = true;
        button->repaint();
        const QPoint c = button->GlyphRect().center();
        return button->SkinData.CacheBitmap->pixel(c.x(), c.y());
    }
};

TEST(BitBtn, GlyphSitsLeftOfTheCaptionCentredVertically)
{
    BitFixture f;
    const QRect glyph = f.button->GlyphRect();
    EXPECT_EQ(glyph.size(), QSize(24, 24));
    EXPECT_EQ(glyph.top(), (65 - 24) / 2);
    EXPECT_GT(glyph.left(), 0);
    EXPECT_LT(glyph.right(), 169 / 2);
    EXPECT_EQ(f.glyphCentre(), 0xC80000u);
    f.button->SetDown(true);
    EXPECT_EQ(f.button->GlyphRect().topLeft(), glyph.topLeft() + QPoint(1, 1));
}

TEST(BitBtn, BlendHidesTheGlyphUntilHoverAndOddGlyphCountsDrawNothing)
{
    BitFixture f;
    const uint32_t shown = f.glyphCentre();
    f.button->setBlend(100);
    const uint32_t hidden = f.glyphCentre();
    EXPECT_NE(hidden, shown);
    f.button->SkinData.MouseInside = true;
    EXPECT_EQ(f.glyphCentre(), shown);
    f.button->SkinData.MouseInside = false;
    f.button->setBlend(0);
    for (int count : {3, 4}) {
        f.button->setNumGlyphs(count);
        EXPECT_EQ(f.glyphCentre(), hidden) << count;
    }
    f.button->setBlend(250);
    EXPECT_EQ(f.button->Blend(), 100);
}

TEST(BitBtn, GlyphWithAlphaBecomesHardEdgedOverMagenta)
{
    QImage image(4, 1, QImage::Format_ARGB32);
    const int alphas[] = {0, 127, 128, 255};
    for (int x = 0; x < 4; ++x)
        image.setPixel(x, 0, qRgba(10, 20, 30, alphas[x]));
    const Bitmap24 glyph = Bitmap24::fromImageOverMagenta(image);
    const uint32_t expected[] = {0xFF00FF, 0xFF00FF, 0x1E140A, 0x1E140A};
    for (int x = 0; x < 4; ++x)
        EXPECT_EQ(glyph.pixel(x, 0), expected[x]) << alphas[x];
}

} // namespace
