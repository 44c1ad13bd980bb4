// The cross-fade, driven tick by tick: the frames it shows, where it stops, reversal, and
// a release of the timer from inside its own tick.
#include "skin/PaintTestSupport.h"
#include "skin/SkinMessage.h"
#include "skin/TsCommonData.h"
#include "skin/TsFadeTimer.h"
#include "skin/paint/PaintBlend.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>

namespace {

using painttest::TablesScope;

TsSkinTables fadingSection(int iterations)
{
    TsSkinTables t;
    TsGeneralData button;
    button.SectionName = QStringLiteral("BUTTON");
    button.FadingEnabled = true;
    button.FadingIterations = iterations;
    button.FadingIntervalIn = 5;
    t.sections.push_back(button);
    return t;
}

// A control that frees its timer when told the fade back is over, as the buttons do.
class Faded : public QWidget
{
public:
    Faded()
        : SkinData(this, ckButton, true)
    {
        resize(21, 7);
        SkinData.AfterLoad();
    }
    TsCommonData SkinData;
    QPointer<TsFadeTimer> timer;
    int fadeDone = 0;

protected:
    bool event(QEvent* event) override
    {
        if (SkinMessage* m = SkinMessage::from(event); m && m->number() == SKN_FADEDONE) {
            ++fadeDone;
            timer->SetDirection(TsFadeTimer::None);
            timer->deleteLater();
            return true;
        }
        return QWidget::event(event);
    }
};

QImage screenForm(const Bitmap24& picture)
{
    QImage image;
    picture.copyToRgb32(image);
    return image;
}

// start + (end − start) × v / 255 as the timer mixes it: end + (start − end) × (255 − v) / 256.
QImage expectedMix(const Bitmap24& start, const Bitmap24& end, int v)
{
    Bitmap24 mix = start;
    BlendBitmaps(mix, end, 255 - v);
    return screenForm(mix);
}

int largestDifference(const QImage& a, const QImage& b)
{
    int largest = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            for (int shift : {0, 8, 16})
                largest = std::max(largest, std::abs(int((a.pixel(x, y) >> shift) & 0xFF) -
                                                     int((b.pixel(x, y) >> shift) & 0xFF)));
    return largest;
}

struct Pictures
{
    Bitmap24 normal, hot;
};

Pictures randomPictures()
{
    std::mt19937 rng(7);
    return {painttest::randomPicture(rng, 21, 7), painttest::randomPicture(rng, 21, 7)};
}

TEST(FadeTimer, FadeInShowsFiveMixesAndStopsAtTheSixthTickWithLevelFive)
{
    TablesScope scope(fadingSection(5));
    const Pictures p = randomPictures();
    Faded control;
    *control.SkinData.CacheBitmap = p.normal;
    TsFadeTimer* timer = new TsFadeTimer(&control);
    timer->Level = 1;
    timer->Prepare(control.SkinData);
    EXPECT_EQ(timer->interval(), 5);
    EXPECT_EQ(timer->StepLimit, 5);
    EXPECT_EQ(timer->Frame(), screenForm(p.normal));
    *control.SkinData.CacheBitmap = p.hot;
    timer->SetDirection(TsFadeTimer::FadingIn);
    EXPECT_TRUE(timer->isActive());
    for (int v : {51, 102, 153, 204, 255}) {
        timer->Tick();
        EXPECT_EQ(timer->Frame(), expectedMix(p.normal, p.hot, v)) << v;
    }
    EXPECT_EQ(timer->Frame(), screenForm(p.hot));
    timer->Tick();
    EXPECT_EQ(timer->FramesShown, 5);
    EXPECT_EQ(timer->Level, 5);
    EXPECT_EQ(timer->FadeDirection, TsFadeTimer::None);
    EXPECT_FALSE(timer->isActive());
}

TEST(FadeTimer, FadeBackEndsInTheNormalPictureAndReportsDoneUntilReleased)
{
    TablesScope scope(fadingSection(5));
    const Pictures p = randomPictures();
    Faded control;
    control.timer = new TsFadeTimer(&control);
    control.timer->Level = 5; // where a finished fade-in stops
    *control.SkinData.CacheBitmap = p.hot;
    control.timer->Prepare(control.SkinData);
    EXPECT_EQ(control.timer->StepLimit, 5);
    *control.SkinData.CacheBitmap = p.normal;
    control.timer->SetDirection(TsFadeTimer::FadingOut);
    for (int v : {255, 204, 153, 102, 51, 0}) {
        control.timer->Tick();
        EXPECT_EQ(control.timer->Frame(), expectedMix(p.normal, p.hot, v)) << v;
    }
    // The last mix keeps 255/256 of the normal picture: within one step of it.
    EXPECT_LE(largestDifference(control.timer->Frame(), screenForm(p.normal)), 1);
    EXPECT_EQ(control.timer->Level, -1);
    EXPECT_EQ(control.fadeDone, 0);
    // The control frees the timer from inside the tick; the tick still finishes safely.
    TsFadeTimer* timer = control.timer;
    timer->Tick();
    EXPECT_EQ(control.fadeDone, 1);
    EXPECT_EQ(timer->FramesShown, 6);
    EXPECT_FALSE(timer->isActive());
    ASSERT_FALSE(control.timer.isNull());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(control.timer.isNull());
}

TEST(FadeTimer, LeavingAfterTwoStepsFadesBackInThreeFromTheWholeHotPicture)
{
    TablesScope scope(fadingSection(5));
    const Pictures p = randomPictures();
    Faded control;
    TsFadeTimer* timer = new TsFadeTimer(&control);
    timer->Level = 1;
    *control.SkinData.CacheBitmap = p.normal;
    timer->Prepare(control.SkinData);
    *control.SkinData.CacheBitmap = p.hot;
    timer->SetDirection(TsFadeTimer::FadingIn);
    timer->Tick();
    timer->Tick();
    ASSERT_EQ(timer->Level, 3);

    timer->Prepare(control.SkinData); // captures the hot cache, still fading in
    EXPECT_EQ(timer->StepLimit, 3);
    *control.SkinData.CacheBitmap = p.normal;
    timer->SetDirection(TsFadeTimer::FadingOut);
    timer->Tick();
    EXPECT_EQ(timer->Frame(), screenForm(p.hot));
    for (int v : {170, 85, 0}) {
        timer->Tick();
        EXPECT_EQ(timer->Frame(), expectedMix(p.normal, p.hot, v)) << v;
    }
    EXPECT_EQ(timer->Level, -1);
}

TEST(FadeTimer, NoIterationsOrAGoneControlDrawNothing)
{
    TablesScope scope(fadingSection(0));
    const Pictures p = randomPictures();
    Faded control;
    *control.SkinData.CacheBitmap = p.normal;
    TsFadeTimer* timer = new TsFadeTimer(&control);
    timer->Level = 1;
    timer->Prepare(control.SkinData);
    EXPECT_EQ(timer->StepLimit, 0);
    timer->SetDirection(TsFadeTimer::FadingIn);
    timer->Tick();
    timer->Tick();
    EXPECT_EQ(timer->FramesShown, 0);
    EXPECT_FALSE(timer->isActive());

    // A timer whose control is gone stops without drawing.
    QWidget* owner = new QWidget;
    TsCommonData data(owner, ckButton, true);
    TsFadeTimer orphan(nullptr);
    orphan.Prepare(data);
    orphan.SetDirection(TsFadeTimer::FadingIn);
    orphan.Tick();
    delete owner;
    EXPECT_EQ(orphan.FramesShown, 0);
    EXPECT_EQ(orphan.FadeDirection, TsFadeTimer::None);
}

} // namespace
