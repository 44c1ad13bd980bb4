#pragma once

#include "skin/paint/Bitmap24.h"
#include "skin/paint/TsParentCache.h"

#include <QImage>
#include <QPoint>
#include <QPointer>
#include <QString>

#include <memory>

class QEvent;
class QObject;
class QPainter;
class QWidget;
class SkinMessage;
struct TsGeneralData;
struct TsSkinTables;

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

// TsCommonData: the skin binding every skinned control owns as SkinData. It ties the
// control to its section of the current skin, owns the control's cache picture and hears
// every event of the control first (HandleCommonMessage from the control's event()).
//
// The paint contract, followed by every skinned control:
//  - The face is rendered into CacheBitmap only when CacheInvalid is set (and the cache is
//    not frozen); the render ends with CacheRendered(). Any other paint request is one
//    copy of the cache (CopyCacheToDC), whatever the update region.
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
    // Renders finished (CacheRendered calls), for tests that count re-renders.
    int RenderCount = 0;

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
    // The parent's answer to SKN_GETCACHE, copied: the parent's cache with offset (0, 0),
    // or not ready.
    TsParentCache GetParentCache() const;
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

    // Ends a render: the cache is valid and its screen copy is refreshed.
    void CacheRendered();
    // Draws the cache from sourceOffset at (0, 0), the control's size; a row conversion
    // made once per render, so a paint is one blit.
    void CopyCacheToDC(QPainter& dc, QPoint sourceOffset = {}) const;

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
    QString m_skinSection = QStringLiteral("UNKNOWN");
    QImage m_screenImage;
    int m_paintDepth = 0;
};
