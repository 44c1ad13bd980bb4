#pragma once

#include "skin/TsCommonData.h"
#include "skin/TsFadeTimer.h"
#include "skin/paint/PaintBlend.h"
#include "skin/paint/TsRect.h"

#include <QFont>
#include <QPointer>
#include <QPushButton>
#include <QRegion>
#include <QString>

class QShortcut;
struct PaintCanvas;

// A push button drawn wholly from its skin section ("BUTTON" in every window of the
// program). The face is rendered into the binding's cache (see the paint contract in
// TsCommonData.h); the corners the border piece marks magenta are cut out of the widget's
// mask. The button keeps its own pressed state and makes its own click: one per left
// press and release inside, one per key release while it is down. Without a usable skin
// it is the plain QPushButton.
class TsButton : public QPushButton
{
    Q_OBJECT
    Q_PROPERTY(QString SkinSection READ skinSection WRITE setSkinSection)
    Q_PROPERTY(bool Down READ Down WRITE SetDown)
    Q_PROPERTY(int DisabledKind READ DisabledKind WRITE setDisabledKind)
    Q_PROPERTY(int FocusMargin READ FocusMargin WRITE setFocusMargin)
    Q_PROPERTY(bool Cancel READ Cancel WRITE setCancel)
public:
    explicit TsButton(QWidget* parent = nullptr);
    ~TsButton() override;

    TsCommonData SkinData;

    const QString& skinSection() const { return SkinData.SkinSection(); }
    void setSkinSection(const QString& section) { SkinData.SetSkinSection(section); }

    // Pressed or held down by the property. (QAbstractButton::setDown is the plain
    // pushed state, which a skinned button never uses.)
    bool Down() const { return m_pressed || m_down; }
    void SetDown(bool down);
    TsDisabledKind DisabledKind() const { return m_disabledKind; }
    void setDisabledKind(int kind);
    int FocusMargin() const { return m_focusMargin; }
    void setFocusMargin(int margin) { m_focusMargin = margin; }
    // Enter clicks a Default button, Escape a Cancel one, wherever the focus is in the window.
    bool Cancel() const { return m_cancel; }
    void setCancel(bool cancel);
    void setDefault(bool isDefault);

    // Visual state: 2 down, 1 active or showing the default look, else 0.
    int CurrentState() const;
    bool Pressed() const { return m_pressed; }
    bool ShowsDefault() const { return m_showsDefault; }
    TsFadeTimer* FadeTimer() const { return SkinData.FadeTimer; }
    const QRegion& FaceRegion() const { return m_faceRegion; }
    bool IsSkinnedNow() const;

    // Renders the whole face into the cache, for the screen's scale or the one given.
    void PrepareCache(double scale = 0);

signals:
    void OnMouseEnter();
    void OnMouseLeave();

protected:
    TsButton(QWidget* parent, int controlKind);

    // Caption rectangle in the cache: the text measured in width − 2, centred, moved by
    // (1, 1) while down.
    virtual TsRect CaptionRect(PaintCanvas& canvas) const;
    virtual void DrawCaptionText(PaintCanvas& canvas, TsRect rect, unsigned flags);
    virtual void DrawCaption(PaintCanvas& canvas);
    // After the caption: the bit button's glyph.
    virtual void DrawGlyph() {}
    // Whether Enter and Escape click a Default or Cancel button.
    virtual bool HandlesDialogKeys() const { return true; }
    // The focus frame is drawn only when this holds as well.
    virtual bool FocusFrameAllowed() const { return true; }
    // The caption, font (or glyph) differ from what the cache shows.
    virtual bool FaceOutdated() const;
    unsigned CaptionFlags() const;
    void StopFade();

    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    bool skinnedEvent(QEvent* event);
    void afterBaseEvent(QEvent* event);
    void pressBy(bool mouse);
    void focusMoved(QWidget* now);
    void updateDialogKeys();
    void dialogKey(Qt::Key key);
    void StartFadeIn();
    void StartFadeOut();
    void markPressChange();
    void renderFace();

    bool m_down = false;
    bool m_pressed = false;
    bool m_clickArmed = false;
    bool m_regionChanged = true;
    bool m_showsDefault = false;
    bool m_cancel = false;
    TsDisabledKind m_disabledKind = dkBlended;
    int m_focusMargin = 1;
    QMetaObject::Connection m_focusConnection;
    QRegion m_faceRegion;
    QPointer<QShortcut> m_enterKey;
    QPointer<QShortcut> m_escapeKey;
    QString m_renderedText;
    QFont m_renderedFont;
};
