#pragma once

#include "platform/WindowCommands.h"
#include "skin/TsCommonData.h"
#include "skin/controls/FormMetrics.h"
#include "skin/controls/MenuBarLayout.h"

#include <QImage>
#include <QObject>
#include <QPointer>
#include <QRegion>

#include <memory>

class QAction;
class QMenu;
class QMenuBar;
class QKeyEvent;
class QMouseEvent;
class SkinMessage;
class TsFormScrollBars;
class TsFramePainter;
class TsMenuBand;
class TsSystemMenu;
class TsTitleButtons;

// The skinned frame of a form: while a skin is ready the form is frameless and the
// provider paints its border, title (icon, caption, buttons) and menu bar, and the client
// background, from one picture the size of the whole window. It answers the mouse on the
// frame like a desktop frame does, moves and sizes the window, and gives the form back to
// the desktop's frame when the skin is removed.
//
// The provider wires three parts, which share its state: the frame painter (the picture),
// the title buttons and the menu band.
//
// The form's controls live in a client widget placed exactly on the client rectangle;
// its children read the frame's picture as their parent picture at the client offset.
// The menu band shows the actions of the form's QMenuBar, which stays their container.
class TsSkinProvider : public QObject
{
    Q_OBJECT
public:
    // form: the window; clientArea: the widget that holds its controls, the only item of
    // the form's layout; menuBar: the form's menu (may be null); outerSize: the window's
    // designed size with its frame.
    TsSkinProvider(QWidget* form, QWidget* clientArea, QMenuBar* menuBar, QSize outerSize);
    ~TsSkinProvider() override;

    TsCommonData SkinData;
    TsBorderIcons BorderIcons;
    TsBorderStyle BorderStyle = TsBorderStyle::bsSizeable;
    // The skinned system menu carries the skin-selection submenu.
    bool MakeSkinMenu = true;
    bool ShowAppIcon = true;
    Qt::Alignment CaptionAlignment = Qt::AlignLeft;
    bool FormActive = true;
    QString CaptionText;
    int HotButton = 0;
    // Title renders that took the title-strip path.
    int TitleRenderCount = 0;

    QWidget* form() const { return m_form; }
    // The frame is ours (skin ready, section found); otherwise the desktop's.
    bool FrameIsSkinned() const { return m_frameSkinned; }
    const FormMetrics& Metrics() const { return m_metrics; }
    const MenuBarLayout& MenuLayout() const;
    WindowCommands& Commands() { return m_commands; }
    // The code under a point of the form.
    int HitTest(QPoint p) const;
    // 0 normal, 1 hot, 2 pressed.
    int ButtonState(int hitCode) const;
    // The bar's selected item (keyboard or open drop-down), or -1; and the hot one.
    int SelectedMenuItem() const;
    int HotMenuItem() const;
    // The region the window keeps (its mask while skinned).
    QRegion WindowRegion() const;
    // Marks the picture for a new render at the next paint: the title alone (activation,
    // caption) or the whole window.
    enum class Render { Title, Whole };
    void Invalidate(Render what);
    // The window's picture, rendered when needed.
    const Bitmap24& RenderedCache();
    QRect ButtonRect(int hitCode) const;
    // Renders the whole window now at `scale` device pixels per logical pixel.
    void RenderWhole(double scale);
    // The picture the screen is given: device pixels, with the scale as its ratio.
    const QImage& ScreenPicture() const;
    // The system menu, kept in step with the window; shown only with skinned drop-downs.
    TsSystemMenu* SystemMenuObject() const { return m_systemMenu; }
    // The form's own skinned scroll bars and grip, made while the contents do not fit.
    TsFormScrollBars* FormScrollBars() const { return m_formBars; }
    // Pops the skinned system menu up at a screen point; false while drop-downs are not
    // skinned (the press is then left alone).
    bool ShowSystemMenu(QPoint globalPos);

    // After BorderStyle, BorderIcons or the section changed: new metrics, frame and menu.
    void RefreshFormStyle();

    // The caption as it fits: shortened with "..." or empty.
    static QString FittedCaption(const QFont& font, const QString& caption, int maxWidth);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;

private:
    friend class TsFramePainter;
    friend class TsMenuBand;
    friend class TsTitleButtons;

    void handleSkinMessage(SkinMessage& message);
    bool filterFormEvent(QEvent* event);
    bool filterClientEvent(QEvent* event);
    bool skinUsable() const;
    void updateIndexes();
    void skinFrame();
    void unskinFrame();
    void relayout();
    void updateFormBars();

    void mousePressed(QMouseEvent* event);
    void mouseMoved(QMouseEvent* event);
    void mouseReleased(QMouseEvent* event);
    void mouseDoubleClicked(QMouseEvent* event);
    void updateCursor(int code);
    QSize minimumFrameSize() const;
    void activationChanged();

    QPointer<QWidget> m_form;
    QPointer<QWidget> m_client;
    QPointer<QMenuBar> m_menuBar;
    QSize m_outerSize;
    WindowCommands m_commands;
    FormMetrics m_metrics;
    std::unique_ptr<TsFramePainter> m_painter;
    std::unique_ptr<TsTitleButtons> m_titleButtons;
    TsMenuBand* m_menuBand = nullptr;
    bool m_frameSkinned = false;
    Qt::WindowFlags m_savedFlags;
    // The designed outer size less the size the form had with the desktop's frame.
    QSize m_sizeDelta;
    bool m_regionChanged = true;
    TsSystemMenu* m_systemMenu = nullptr;
    TsFormScrollBars* m_formBars = nullptr;
};
