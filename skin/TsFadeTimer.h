#pragma once

#include "skin/paint/Bitmap24.h"

#include <QImage>
#include <QPointer>
#include <QTimer>

#include <cstdint>

class QWidget;
class TsCommonData;

// The cross-fade of a control between the picture it showed and the one it has just
// rendered into its cache. Each tick mixes the two into a frame the timer owns and has the
// control repaint at once; while a fade runs the control's paint shows Frame() instead of
// its cache, and once it has stopped the paint shows the control's current face. A fade back that has ended sends SKN_FADEDONE to the control on
// every tick until the control frees the timer, which it does with deleteLater(), so a
// release from inside the tick takes effect after the tick has returned.
class TsFadeTimer : public QTimer
{
    Q_OBJECT
public:
    enum Direction : uint8_t { None = 0, FadingIn = 1, FadingOut = 2 };

    // Stopped, direction none, Level 0. The control owns the timer.
    explicit TsFadeTimer(QWidget* control);

    uint8_t FadeDirection = None;
    TsCommonData* TargetData = nullptr;
    int StepLimit = 0;
    int Level = 0;
    Bitmap24 StartPicture;

    // Captures the control's cache and the section's timing; called before each new fade,
    // while FadeDirection still holds the previous direction.
    void Prepare(TsCommonData& skinData);
    // The timer runs exactly while the direction is not None.
    void SetDirection(uint8_t direction);
    // One step; the timer calls it, tests call it directly.
    void Tick();

    // A fade is under way; only then does a paint show Frame().
    bool Running() const { return FadeDirection != None; }
    // The frame last shown (at first the captured picture), in the form the screen copies.
    const QImage& Frame() const { return m_frame; }
    // Frames drawn so far, for tests.
    int FramesShown = 0;

private:
    bool controlGone() const;
    void show(const Bitmap24& frame);
    void stepIn();
    void stepOut();

    QPointer<QWidget> m_control;
    QImage m_frame;
};
