#pragma once

#include <QPointer>
#include <QString>

class QEvent;
class QLabel;
class QWidget;
class TsCommonData;

enum class TsCaptionLayout { sclLeft, sclTopLeft, sclTopCenter, sclTopRight };

// The optional caption label of an edit-like control: a label beside or above the
// control, in the control's parent, focusing the control, following its visibility and
// enabled state. Inactive (no label) until Active is set.
class TsBoundLabel
{
public:
    TsBoundLabel(QWidget* control, TsCommonData* skinData);
    ~TsBoundLabel();
    TsBoundLabel(const TsBoundLabel&) = delete;
    TsBoundLabel& operator=(const TsBoundLabel&) = delete;

    TsCaptionLayout Layout() const { return m_layout; }
    void SetLayout(TsCaptionLayout layout);
    int MaxWidth() const { return m_maxWidth; }
    void SetMaxWidth(int width);
    const QString& Caption() const { return m_caption; }
    void SetCaption(const QString& caption);
    bool Active() const { return !m_label.isNull(); }
    void SetActive(bool active);

    // Places the label by Layout next to the control; nothing unless it exists and shows.
    void Align();
    // Visible and enabled like the control; then Align. For the control's show, hide,
    // enable and move events.
    void FollowControl();
    // FollowControl for the control's events that move, show, hide or enable it; a control
    // hands every event here after handling it.
    void ControlEvent(const QEvent& event);

    QLabel* label() const { return m_label; }

private:
    QWidget* m_control;
    TsCommonData* m_skinData;
    TsCaptionLayout m_layout = TsCaptionLayout::sclLeft;
    int m_maxWidth = 0;
    QString m_caption;
    QPointer<QLabel> m_label;
};
