#pragma once

#include "skin/paint/Bitmap24.h"
#include "skin/paint/TsParentCache.h"

#include <QImage>
#include <QPoint>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>

class QEvent;
class TsFadeTimer;
class QObject;
class QPainter;
class QWidget;
class SkinMessage;
struct TsGeneralData;
struct TsSkinTables;

// The device pixels per logical pixel of what a painter draws on.
double PainterDeviceScale(const QPainter& dc);

// The kinds of this program's skinned controls.
enum TsControlKind : int {
    ckEdit = 3, // and the combo box
    ckMemo = 7,
    ckRadioButton = 33,
    ckPanel = 51,
    ckGroupBox = 74, // and the radio group
    ckButton = 93,
    ckBitBtn = 94,
    ckScrollBar = 142,
    ckSkinProvider = 224,
};

// The section a control of `kind` takes when its layout names none; an unmatched kind
// gets `className`, which no section has.
QString DefaultSectionForKind(int kind, const QString& className);
// Kinds 51-74, 110 and 141-161 never become hot from the mouse.
bool KindTracksHover(int kind);

// When a paint renders the face anew, besides an invalid cache (or one of another size or
// scale); the cache is never rendered while frozen.
enum class TsRenderRule {
    WhenInvalid,
    // Or the control, or its parent, is partly hidden; a control reaching exactly to its
    // parent's right or bottom edge still counts as inside (or, with EdgeOutside, not).
    PartlyHiddenEdgeInside,
    PartlyHiddenEdgeOutside,
    // Every paint renders and no picture is kept between paints.
    EveryPaint,
    // The picture shown stays (a postponed paint) unless the size or scale changed.
    KeepPicture,
};

// TsCommonData: the skin binding every skinned control owns as SkinData. It ties the
// control to its section of the current skin, owns the control's cache picture and hears
// every event of the control first (HandleCommonMessage from the control's event()).
//
// The paint contract lives here, in PaintFace; a control gives only its face renderer
// (which draws into CacheBitmap, already of the control's size) and its render rule:
//  - While the control's fade runs, a paint shows the fade's frame.
//  - Otherwise the face is rendered when the rule asks (RenderFace), at the scale of the
//    painter's device: the picture is rendered at logical size, then scaled to device
//    pixels with its text drawn at device resolution. Any other paint request is one
//    copy of the screen picture (CopyCacheToDC), whatever the update region.
//  - "Repaint at once" is RepaintNow(): repaint() outside the control's paint handler;
//    inside it (a PaintScope is open) only the flags are set and update() is called, since
//    Qt refuses a recursive repaint.
//  - While PaintingSuspended() holds the control paints nothing; it never sets
//    Qt::WA_OpaquePaintEvent, so the parent's pixels stay under a skipped paint.
//  - Setters only set flags and call RequestRepaint(); they never render.
//  - A control built inside another one (a group's radio buttons, a memo's scroll bars)
//    hears each broadcast from the broadcast itself, which walks every object of a form;
//    containers never pass skin messages on to their children, so each control hears a
//    broadcast exactly once.
//  - Children are painted by Qt over the parent's cache, so CopyCacheToDC need not leave
//    them out, and labels are transparent QLabels that show the parent's face.
class TsCommonData
{
public:
    // owner is the control (a QWidget) or a component (the form's provider).
    TsCommonData(QObject* owner, int controlKind, bool withCache);
    ~TsCommonData();
    TsCommonData(const TsCommonData&) = delete;
    TsCommonData& operator=(const TsCommonData&) = delete;

    bool PaintSuspended = false;
    int BorderMaskIndex = -1;
    int SectionIndex = -1;
    QObject* LinkedObject = nullptr;
    bool CacheFrozen = false;
    bool CacheInvalid = true;
    bool PartlyHidden = false;
    bool PaintGuard = false;
    QWidget* const OwnerControl;
    QObject* const OwnerComponent;
    // The control-sized cache picture; none for controls built without one.
    std::unique_ptr<Bitmap24> CacheBitmap;
    const int ControlKind;
    bool HasFocus = false;
    bool MouseInside = false;
    // Renders finished, for tests that count re-renders.
    int RenderCount = 0;
    // The control's fade, while it has one; its frames are painted while it runs.
    QPointer<TsFadeTimer> FadeTimer;

    using FaceRenderer = std::function<void()>;
    // The one paint of a skinned face: the fade's frame while the fade runs, otherwise the
    // face rendered when `rule` asks and then copied, everywhere but `hole`.
    void PaintFace(QPainter& dc, TsRenderRule rule, const FaceRenderer& render, const QRect& hole = {});
    // Renders when `rule` asks at `scale`; true when it rendered.
    bool RenderIfNeeded(TsRenderRule rule, const FaceRenderer& render, double scale);
    // Renders now at the scale of the control's screen (or `scale` when given).
    void RenderFace(const FaceRenderer& render, double scale = 0);
    // The picture the screen is given: device pixels, with the scale as its ratio.
    const QImage& ScreenPicture() const { return m_screenImage; }
    // The device pixels per logical pixel of the control's screen.
    double ScreenScale() const;

    // Never empty: an empty name is stored as "UNKNOWN".
    const QString& SkinSection() const { return m_skinSection; }
    void SetSkinSection(const QString& name);
    // After the layout has set the section (or not): the kind's default when none is set.
    void AfterLoad();
    void UpdateIndexes();

    bool IsSkinned() const;
    // Enabled and focused, or the mouse inside for kinds that track hover.
    bool IsActiveState() const;
    // Suspended, the skin not ready, or the parent still has to paint its own picture.
    bool PaintingSuspended() const;
    void PrepareCacheBitmap();
    // Cache invalid, and a paint request when the control can paint.
    void RequestRepaint();
    // Repaints at once, or, inside the control's own paint handler, asks for a paint.
    void RepaintNow();
    // The parent's answer to SKN_GETCACHE: the parent's cache with offset (0, 0), or not
    // ready.
    TsParentCache GetParentCache() const;
    // SKN_GETCACHE to `target`: the answer is written into the record whose address the
    // message carries (lParam), so no state is shared between askers.
    static TsParentCache AskCache(QObject* target);
    // Answers SKN_GETCACHE with `answer`.
    static void AnswerCache(const SkinMessage& message, const TsParentCache& answer);
    bool IsTransparentSection() const;
    bool HasGradient() const;
    void SuspendPainting() { PaintSuspended = true; }
    void ResumePainting() { PaintSuspended = false; }

    // Call first from the control's event(); the control's own handling follows.
    void HandleCommonMessage(QEvent* event);
    void HandleSkinMessage(SkinMessage& message);

    // The section record, or null while not skinned.
    const TsGeneralData* Section() const;
    // The tables of the current skin, which the painters are given.
    static const TsSkinTables& Tables();

    // Draws the screen picture at (0, 0), the control's size, leaving out `hole`; the
    // conversion was made once per render, so a paint is one blit.
    void CopyCacheToDC(QPainter& dc, const QRect& hole = {}) const;

    // Open while the control runs its paint handler.
    class PaintScope
    {
    public:
        explicit PaintScope(TsCommonData& data) : m_data(data) { ++m_data.m_paintDepth; }
        ~PaintScope() { --m_data.m_paintDepth; }
        PaintScope(const PaintScope&) = delete;
        PaintScope& operator=(const PaintScope&) = delete;

    private:
        TsCommonData& m_data;
    };
    bool InsidePaint() const { return m_paintDepth > 0; }

private:
    bool needsRender(TsRenderRule rule, double scale);
    bool fadeFrameShown(QPainter& dc) const;

    QString m_skinSection = QStringLiteral("UNKNOWN");
    QImage m_screenImage;
    int m_paintDepth = 0;
};
