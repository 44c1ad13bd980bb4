#pragma once

#include "skin/CommonSkinIndexes.h"
#include "skin/TsCommonData.h"
#include "skin/controls/ScrollBarGeometry.h"
#include "skin/paint/PaintBlend.h"

#include <QPointer>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>
#include <array>
#include <functional>

enum TScrollBarKind { sbHorizontal, sbVertical };

// A scroll bar drawn wholly from the skin: two arrow buttons, the track on both sides of
// the thumb, and the thumb, each normal, hot or pressed. It keeps its own position rules,
// repeat timers and thumb dragging and reports every change to its owner. The range and
// the page live in the QScrollBar underneath, so a scroll area that drives the bar (the
// memo) keeps them in step itself. Without a ready skin it is the plain QScrollBar.
//
// As the bar of a host (a form, a memo) it names the host in HostControl and tells it of
// every change through HostScrolled.
class TsScrollBar : public QScrollBar
{
    Q_OBJECT
    Q_PROPERTY(int Kind READ Kind WRITE SetKind)
    Q_PROPERTY(int Min READ Min WRITE SetMin)
    Q_PROPERTY(int Max READ Max WRITE SetMax)
    Q_PROPERTY(int Position READ Position WRITE SetPosition)
    Q_PROPERTY(int PageSize READ PageSize WRITE SetPageSize)
    Q_PROPERTY(int SmallChange READ SmallChange WRITE SetSmallChange)
    Q_PROPERTY(int LargeChange READ LargeChange WRITE SetLargeChange)
    Q_PROPERTY(bool Smooth MEMBER Smooth)
    Q_PROPERTY(int DisabledKind READ DisabledKind WRITE SetDisabledKind)
public:
    using Part = ScrollBarGeometry::Part;
    // The last action, as the scroll codes number them.
    enum ScrollCodes { scNone = -1, scLineUp, scLineDown, scPageUp, scPageDown, scPosition, scTrack, scTop, scBottom };
    enum class RepeatKind { None, Arrow, Page, Drag };

    explicit TsScrollBar(QWidget* parent = nullptr);
    ~TsScrollBar() override;

    TsCommonData SkinData;
    // When off, no change is reported while the thumb is dragged; one report follows the release.
    bool Smooth = true;
    // Painting waits for the next Update().
    bool PaintPostponed = false;
    // The host whose bar this is, and how it hears of changes (host, bar, previous position).
    QPointer<QWidget> HostControl;
    std::function<void(QWidget* host, TsScrollBar* bar, int previous)> HostScrolled;
    // With the action's code; may change the position a platform scroll action proposes.
    std::function<void(TsScrollBar* bar, int scrollCode, int& scrollPos)> OnScroll;

    int Kind() const { return orientation() == Qt::Vertical ? sbVertical : sbHorizontal; }
    void SetKind(int kind);
    int Min() const { return minimum(); }
    int Max() const { return maximum(); }
    int Position() const { return value(); }
    int PageSize() const { return pageStep(); }
    int SmallChange() const { return singleStep(); }
    int LargeChange() const { return m_largeChange; }
    void SetMin(int min) { SetParams(Position(), min, Max()); }
    void SetMax(int max) { SetParams(Position(), Min(), max); }
    void SetPosition(int position);
    void SetPageSize(int page);
    void SetSmallChange(int step) { setSingleStep(std::max(step, 1)); }
    void SetLargeChange(int step) { m_largeChange = std::max(step, 1); }
    TsDisabledKind DisabledKind() const { return m_disabledKind; }
    void SetDisabledKind(int kind);
    // The one range operation: reports a minimum not below the maximum, applies the
    // values all the same, clamps the position and reports a changed one.
    void SetParams(int position, int min, int max);

    int PartState(Part part) const { return m_partStates[part]; }
    // Sets a part hot or pressed (the others follow the coupling rules) or normal.
    void SetPartState(Part part, int state);
    int ScrollCode() const { return m_scrollCode; }
    int DragOffset() const { return m_dragOffset; }
    int Direction() const;
    // Clears PaintPostponed and repaints when a change is waiting.
    void Update();
    bool IsSkinnedNow() const;
    ScrollBarGeometry Geometry() const;
    // The length of the arrow buttons: the metric, or one state picture of the button when
    // the section asks for it.
    int ArrowLength() const;
    // The rectangle of a part in the bar's coordinates, as the geometry and the pointer
    // see it.
    QRect PartRect(Part part) const;
    // An arrow button as it is drawn: ArrowLength long, which may reach over the track.
    QRect PaintedArrowRect(Part arrow) const;

    // The platform's scroll actions (line, page, top, bottom, thumb).
    void ScrollAction(int scrollCode, int trackPosition = 0);

    // The repeat timer, driven by its QTimer or stepped by hand.
    RepeatKind RepeatRunning() const { return m_repeat; }
    int RepeatInterval() const { return m_timer.interval(); }
    void RepeatTick();

    // Renders the whole face into the cache.
    void PrepareCache();

    // "Scrollbar property out of range" with the maximum and the owner's name.
    QString RangeErrorText(int max) const;

    QSize sizeHint() const override;

signals:
    void OnChange();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void sliderChange(SliderChange change) override;

private:
    // Draws the whole face into the binding's cache (the paint path sizes it).
    void renderFace();
    int along(QPointF point) const;
    void setValueReported(int position, int previous);
    void ReportChange(int previous);
    void startRepeat(RepeatKind kind);
    void stopRepeat();
    void trackPoint(int p, bool inside);
    void restoreHints();
    void leftPress(int p);
    void leftRelease(int p);
    void mouseEntered();
    void mouseLeft();
    void moveBy(int delta);
    bool active() const { return SkinData.IsActiveState(); }
    void resolveIndexes() const;
    void paintTracks(const ScrollBarGeometry& g);
    void paintArrows();
    void paintThumb(const ScrollBarGeometry& g);
    TsParentCache background(Bitmap24& fallback, QPoint& offset) const;

    std::array<int, ScrollBarGeometry::PartCount> m_partStates{};
    bool m_needsRepaint = false;
    int m_scrollCode = scNone;
    int m_dragOffset = 0;
    bool m_dragging = false;
    // Reports held back while the thumb is dragged without Smooth, and the position before.
    bool m_reportsSuppressed = false;
    int m_positionBeforeDrag = 0;
    // The position the owner last heard of, for changes made by the QScrollBar itself.
    int m_knownPosition = 0;
    bool m_ownChange = false;
    int m_largeChange = 1;
    TsDisabledKind m_disabledKind = dkBlended;
    RepeatKind m_repeat = RepeatKind::None;
    QTimer m_timer;
    // The pointer's offset along the axis at the last mouse event.
    int m_cursor = 0;
    // A press switched the application's hints off; its release or the skin's removal
    // puts them back.
    bool m_hintsOff = false;
    // Looked up again after each skin change, at the first use.
    mutable bool m_indexesStale = true;
    mutable CommonSkinIndexes m_indexes;
};
