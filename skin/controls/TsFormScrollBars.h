#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QSize>

class QWidget;
class TsGrip;
class TsScrollBar;

// The form's own scrolling setting for one direction.
struct TsFormScrollSetting
{
    bool Visible = true;
    // Content size the form asks for at least; 0 for none.
    int Range = 0;
    int Increment = 8;
    bool Smooth = false;
};

// The skinned scroll bars of a form whose client area is smaller than its contents: a
// horizontal bar along the bottom, a vertical one along the right edge, a grip in the
// corner when both show. Scrolling moves every control of the client area by the
// difference. The form skin provider owns it and calls Update on resize and activation.
class TsFormScrollBars : public QObject
{
public:
    TsFormScrollBars(QWidget* form, QWidget* client, QObject* parent);
    ~TsFormScrollBars() override;

    // Whether the form had its own scrolling before the skin took it over.
    bool SavedAutoScroll = true;
    TsFormScrollSetting HorzScrollBar;
    TsFormScrollSetting VertScrollBar;

    // Makes, places or frees the bars for the client's size now. skinReady: a skin is
    // ready and the form's section valid; without it the bars are scrolled home and freed.
    void Update(bool skinReady);

    // The right and bottom edges of the contents as they lie unscrolled, plus 2.
    QSize ContentExtent() const;
    // How far the contents are scrolled now.
    QPoint Scrolled() const { return {m_scrolledX, m_scrolledY}; }
    TsScrollBar* HorzBar() const;
    TsScrollBar* VertBar() const;
    TsGrip* Grip() const;

private:
    bool isOurs(const QWidget* widget) const;
    TsScrollBar* makeBar(bool horizontal);
    void configure(TsScrollBar* bar, const TsFormScrollSetting& setting, int extent, int clientSize);
    void removeBar(QPointer<TsScrollBar>& bar);
    void placeBars(QSize client);
    void hostScrolled(TsScrollBar* bar);
    void moveControls(QPoint delta);

    QPointer<QWidget> m_form;
    QPointer<QWidget> m_client;
    QPointer<TsScrollBar> m_horz;
    QPointer<TsScrollBar> m_vert;
    QPointer<TsGrip> m_grip;
    int m_scrolledX = 0;
    int m_scrolledY = 0;
    bool m_scrolling = false;
};
