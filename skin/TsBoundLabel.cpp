#include "skin/TsBoundLabel.h"

#include <QEvent>
#include <QLabel>
#include <QWidget>

#include <algorithm>

TsBoundLabel::TsBoundLabel(QWidget* control, TsCommonData* skinData)
    : m_control(control)
    , m_skinData(skinData)
{
}

TsBoundLabel::~TsBoundLabel()
{
    delete m_label;
}

void TsBoundLabel::SetLayout(TsCaptionLayout layout)
{
    if (layout == m_layout)
        return;
    m_layout = layout;
    Align();
}

void TsBoundLabel::SetMaxWidth(int width)
{
    if (width == m_maxWidth)
        return;
    m_maxWidth = width;
    Align();
}

void TsBoundLabel::SetCaption(const QString& caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    if (m_label)
        m_label->setText(m_caption);
    Align();
}

void TsBoundLabel::SetActive(bool active)
{
    if (active == Active())
        return;
    if (!active) {
        delete m_label;
        return;
    }
    QLabel* label = new QLabel(m_control->parentWidget());
    label->hide();
    label->setBuddy(m_control);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setObjectName(m_control->objectName() + QStringLiteral("Label"));
    if (m_caption.isEmpty())
        m_caption = m_control->objectName();
    label->setText(m_caption);
    m_label = label;
    FollowControl();
}

void TsBoundLabel::FollowControl()
{
    if (!m_label)
        return;
    m_label->setVisible(m_control->isVisibleTo(m_control->parentWidget()));
    m_label->setEnabled(m_control->isEnabled());
    Align();
}

void TsBoundLabel::ControlEvent(const QEvent& event)
{
    switch (event.type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::EnabledChange:
        FollowControl();
        break;
    default:
        break;
    }
}

void TsBoundLabel::Align()
{
    if (!m_label || m_label->isHidden())
        return;
    m_label->setWordWrap(false);
    m_label->adjustSize();
    const QRect c = m_control->geometry();
    const int w = m_label->width(), h = m_label->height();
    QPoint at;
    switch (m_layout) {
    case TsCaptionLayout::sclLeft:
        at = {c.x() - w - 4, c.y() + (c.height() - h) / 2 - 1};
        break;
    case TsCaptionLayout::sclTopLeft:
        at = {c.x(), c.y() - h};
        break;
    case TsCaptionLayout::sclTopCenter:
        at = {c.x() + (c.width() - w) / 2, c.y() - h};
        break;
    case TsCaptionLayout::sclTopRight:
        at = {c.x() + c.width() - w, c.y() - h};
        break;
    }
    m_label->move(at);
    if (m_maxWidth != 0) {
        m_label->setWordWrap(true);
        m_label->resize(m_maxWidth, std::max(h, c.height()));
    }
}
