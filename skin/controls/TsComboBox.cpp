#include "skin/controls/TsComboBox.h"

#include "skin/SkinLookups.h"
#include "skin/SkinMessage.h"
#include "skin/controls/ControlFace.h"
#include "skin/controls/TsComboBoxStyle.h"
#include "skin/paint/PaintImagePiece.h"
#include "skin/paint/PaintSection.h"
#include "skin/paint/PaintText.h"
#include "skin/paint/TsSkinTables.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>

namespace {

constexpr int kFrameWidth = 3;
constexpr int kButtonOffset = 2;

// The keys that open the list or move the selection.
bool changesSelection(const QKeyEvent& event)
{
    switch (event.key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_F4:
    case Qt::Key_Space:
        return true;
    default:
        return false;
    }
}

} // namespace

TsComboBox::TsComboBox(QWidget* parent)
    : QComboBox(parent)
    , SkinData(this, ckEdit, true)
    , BoundLabel(this, &SkinData)
    , m_style(new TsComboBoxStyle)
{
    // The application owns the style, so that it outlives this box's own destruction.
    m_style->setParent(QApplication::instance());
    setStyle(m_style);
    setMaxVisibleItems(16);
    SkinData.SetSkinSection(QStringLiteral("COMBOBOX"));
    connect(this, &QComboBox::currentTextChanged, this, [this] { SkinData.RequestRepaint(); });
    watchEditor();
}

TsComboBox::~TsComboBox()
{
    m_style->deleteLater();
}

void TsComboBox::setSkinSection(const QString& section)
{
    SkinData.SetSkinSection(section.isEmpty() ? QStringLiteral("COMBOBOX") : section);
    lookChanged();
}

void TsComboBox::setReadOnly(bool readOnly)
{
    if (readOnly == m_readOnly)
        return;
    m_readOnly = readOnly;
    if (lineEdit())
        lineEdit()->setReadOnly(readOnly);
    SkinData.RequestRepaint();
}

void TsComboBox::setDisabledKind(TsDisabledKind kind)
{
    if (kind == m_disabledKind)
        return;
    m_disabledKind = kind;
    SkinData.RequestRepaint();
}

void TsComboBox::setAlignment(unsigned alignment)
{
    if (alignment == m_alignment)
        return;
    m_alignment = alignment;
    SkinData.RequestRepaint();
}

QSize TsComboBox::GlyphSize() const
{
    const TsSkinTables& tables = TsCommonData::Tables();
    const int image = SkinData.IsSkinned() ? FindImageIndex(SkinData.SectionIndex, SkinData.SkinSection(), QStringLiteral("GLYPHMASK")) : -1;
    if (image < 0 || image >= int(tables.masks.size()))
        return {16, 16};
    const TsMaskData& piece = tables.masks[std::size_t(image)];
    if (piece.hasOwnPicture())
        return {piece.Bitmap.width() / 3, piece.Bitmap.height() / 2};
    return {piece.R.width() / std::max<int>(piece.ImageCount, 1), piece.R.height() / (std::max<int>(piece.MaskType, 0) + 1)};
}

QRect TsComboBox::ButtonRect() const
{
    const QSize glyph = GlyphSize();
    const int top = (height() - glyph.height()) / 2;
    return {width() - glyph.width() - kButtonOffset, top, glyph.width(), glyph.height()};
}

TsRect TsComboBox::TextRect() const
{
    return {3, 2, width() - GlyphSize().width() - 3, height() - 4};
}

QRect TsComboBox::EditFieldRect() const
{
    const int right = ButtonRect().left() - kButtonOffset;
    return QRect(QPoint(kFrameWidth, kFrameWidth), QPoint(right - 1, height() - kFrameWidth - 1));
}

bool TsComboBox::ShowsLiveEditor() const
{
    return isEditable() && isEnabled() && (hasFocus() || SkinData.HasFocus);
}

void TsComboBox::showPopup()
{
    if (m_readOnly)
        return;
    m_dropped = true;
    SkinData.CacheInvalid = true;
    QComboBox::showPopup();
    update();
}

void TsComboBox::hidePopup()
{
    QComboBox::hidePopup();
    m_dropped = false;
    SkinData.CacheInvalid = true;
    update();
}

void TsComboBox::watchEditor()
{
    QLineEdit* editor = lineEdit();
    if (editor == m_watchedEditor)
        return;
    m_watchedEditor = editor;
    if (!editor)
        return;
    editor->installEventFilter(this);
    editor->setReadOnly(m_readOnly);
    editor->setAttribute(Qt::WA_OpaquePaintEvent, false);
}

// The editor's place follows the style, which asks whether the box is skinned.
void TsComboBox::placeEditor()
{
    if (!lineEdit())
        return;
    QResizeEvent resize(size(), size());
    QComboBox::resizeEvent(&resize);
}

void TsComboBox::lookChanged()
{
    placeEditor();
    SkinData.RequestRepaint();
    if (lineEdit())
        lineEdit()->update();
}

bool TsComboBox::eventFilter(QObject* watched, QEvent* event)
{
    // The full face carries the skin's text; the editor then stays unseen under it.
    if (watched == lineEdit() && event->type() == QEvent::Paint && SkinData.IsSkinned() && !ShowsLiveEditor())
        return true;
    return QComboBox::eventFilter(watched, event);
}

bool TsComboBox::event(QEvent* event)
{
    SkinData.HandleCommonMessage(event);
    if (SkinMessage* message = SkinMessage::from(event)) {
        if (message->number() == SKN_ISDROPPEDDOWN) {
            message->setResult(m_dropped ? 1 : 0);
            return true;
        }
        const bool handled = QComboBox::event(event);
        if (message->number() == SKN_SKINCHANGED || message->number() == SKN_SKINREMOVED)
            lookChanged();
        if (message->number() == SKN_REPAINT)
            update();
        return handled;
    }
    if (event->type() == QEvent::ChildAdded)
        QMetaObject::invokeMethod(this, [this] { watchEditor(); }, Qt::QueuedConnection);
    const bool handled = QComboBox::event(event);
    switch (event->type()) {
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        if (event->type() == QEvent::FocusOut) {
            SkinData.HasFocus = false;
            if (m_dropped && !view()->isVisible())
                m_dropped = false;
        }
        SkinData.MouseInside = false;
        SkinData.CacheInvalid = true;
        update();
        if (lineEdit())
            lineEdit()->update();
        break;
    case QEvent::Enter:
    case QEvent::Leave:
    case QEvent::EnabledChange:
    case QEvent::FontChange:
        SkinData.RequestRepaint();
        break;
    default:
        break;
    }
    BoundLabel.ControlEvent(*event);
    return handled;
}

void TsComboBox::keyPressEvent(QKeyEvent* event)
{
    if (m_readOnly && changesSelection(*event)) {
        event->accept();
        return;
    }
    QComboBox::keyPressEvent(event);
}

void TsComboBox::wheelEvent(QWheelEvent* event)
{
    if (m_readOnly) {
        event->accept();
        return;
    }
    QComboBox::wheelEvent(event);
}

void TsComboBox::mousePressEvent(QMouseEvent* event)
{
    if (m_readOnly) {
        setFocus(Qt::MouseFocusReason);
        event->accept();
        return;
    }
    QComboBox::mousePressEvent(event);
}

void TsComboBox::paintEvent(QPaintEvent* event)
{
    TsCommonData::PaintScope scope(SkinData);
    if (!SkinData.IsSkinned()) {
        QComboBox::paintEvent(event);
        return;
    }
    if (SkinData.PaintingSuspended())
        return;
    QPainter dc(this);
    SkinData.PaintFace(dc, TsRenderRule::PartlyHiddenEdgeInside, [this] { renderFace(); },
                       ShowsLiveEditor() ? EditFieldRect() : QRect());
}

void TsComboBox::PrepareCache()
{
    SkinData.RenderFace([this] { renderFace(); });
}

void TsComboBox::renderFace()
{
    const TsSkinTables& tables = TsCommonData::Tables();
    Bitmap24& cache = *SkinData.CacheBitmap;
    const bool hot = SkinData.IsActiveState();
    Bitmap24 fallback;
    const TsParentCache parent = ParentBackground(SkinData, fallback);
    PaintSectionWithBorders(tables, SkinData.SectionIndex, SkinData.SkinSection(), parent, cache, pos(),
                            RectOfSize(width(), height()), hot ? 1 : 0, true);
    PaintText(cache, hot);
    const int glyph = FindImageIndex(SkinData.SectionIndex, SkinData.SkinSection(), QStringLiteral("GLYPHMASK"));
    const QRect button = ButtonRect();
    DrawImagePiece(tables, cache, button.left(), button.top(), m_dropped ? 2 : hot ? 1 : 0, glyph, 1);
    if (!isEnabled())
        ApplyDisabledEffect(cache, m_disabledKind, ParentColour(*this), x(), y(), parent);
}

void TsComboBox::PaintText(Bitmap24& cache, bool hot)
{
    TsRect rect = TextRect();
    unsigned format = m_alignment | TextVCenter | TextExpandTabs | TextSingleLine | TextWordBreak | TextNoPrefix;
    if (layoutDirection() == Qt::RightToLeft)
        format |= TextRtlReading;
    PaintCanvas canvas{cache, font(), 0};
    DrawSkinText(TsCommonData::Tables(), canvas, currentText(), isEnabled(), hot, SkinData.SectionIndex, format, rect);
}
