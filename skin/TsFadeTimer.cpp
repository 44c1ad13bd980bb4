#include "skin/TsFadeTimer.h"

#include "skin/SkinMessage.h"
#include "skin/TsCommonData.h"
#include "skin/paint/PaintBlend.h"
#include "skin/paint/TsSkinTables.h"

#include <QCoreApplication>
#include <QWidget>

TsFadeTimer::TsFadeTimer(QWidget* control)
    : QTimer(control)
    , m_control(control)
{
    setTimerType(Qt::PreciseTimer);
    connect(this, &QTimer::timeout, this, &TsFadeTimer::Tick);
}

void TsFadeTimer::Prepare(TsCommonData& skinData)
{
    TargetData = &skinData;
    StartPicture = skinData.CacheBitmap ? *skinData.CacheBitmap : Bitmap24();
    StartPicture.copyToRgb32(m_frame);
    const TsGeneralData* section = skinData.Section();
    const int iterations = section ? section->FadingIterations : 0;
    setInterval(section ? section->FadingIntervalIn : 5);
    StepLimit = iterations;
    if (FadeDirection == FadingIn)
        StepLimit = Level;
    else if (FadeDirection == FadingOut)
        StepLimit = iterations - Level;
}

void TsFadeTimer::SetDirection(uint8_t direction)
{
    FadeDirection = direction;
    if (direction == None)
        stop();
    else if (!isActive())
        start();
}

bool TsFadeTimer::controlGone() const
{
    return !m_control || !TargetData || !TargetData->CacheBitmap;
}

void TsFadeTimer::Tick()
{
    if (controlGone() || QCoreApplication::closingDown()) {
        FadeDirection = None;
    } else if (Level > StepLimit) {
        --Level;
        FadeDirection = None;
    } else if (Level < 0) {
        SkinMessage::send(m_control, SKN_FADEDONE);
    }
    switch (FadeDirection) {
    case None:
        stop();
        // The fade is over: the next paint shows the control's current face.
        if (m_control)
            m_control->update();
        break;
    case FadingIn:
        stepIn();
        break;
    case FadingOut:
        stepOut();
        break;
    }
}

// v = Level × 255 div StepLimit; frame = cache + (start − cache) × (255 − v) / 256.
void TsFadeTimer::stepIn()
{
    if (controlGone() || StepLimit == 0)
        return;
    const int v = Level * 255 / StepLimit;
    Bitmap24 frame = StartPicture;
    BlendBitmaps(frame, *TargetData->CacheBitmap, 255 - v);
    show(frame);
    ++Level;
}

// frame = start + (cache − start) × (255 − v) / 256.
void TsFadeTimer::stepOut()
{
    if (controlGone() || StepLimit == 0 || Level < 0)
        return;
    const int v = Level * 255 / StepLimit;
    Bitmap24 frame = *TargetData->CacheBitmap;
    BlendBitmaps(frame, StartPicture, 255 - v);
    show(frame);
    --Level;
}

void TsFadeTimer::show(const Bitmap24& frame)
{
    frame.copyToRgb32(m_frame);
    ++FramesShown;
    if (m_control && m_control->isVisible())
        m_control->repaint();
}
