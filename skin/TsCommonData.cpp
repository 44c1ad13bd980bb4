#include "skin/TsCommonData.h"

#include "skin/SkinLookups.h"
#include "skin/SkinMessage.h"
#include "skin/TsFadeTimer.h"
#include "skin/TsSkinData.h"
#include "skin/paint/TsTextLayer.h"

#include <QEvent>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QRegion>
#include <QWidget>

#include <cmath>

namespace {

struct KindRange
{
    int first;
    int last;
    const char* section;
};

// Default sections by kind; kinds not listed get the class name of the control.
constexpr KindRange kDefaultSections[] = {
    {2, 8, "EDIT"},       {10, 10, "EDIT"},         {41, 41, "EDIT"},        {76, 76, "EDIT"},
    {78, 78, "EDIT"},     {83, 84, "EDIT"},         {96, 97, "EDIT"},        {131, 131, "EDIT"},
    {140, 140, "EDIT"},   {227, 227, "EDIT"},       {11, 18, "COMBOBOX"},    {81, 82, "COMBOBOX"},
    {32, 32, "CHECKBOX"}, {33, 33, "RADIOBUTTON"},  {51, 51, "PANEL"},       {59, 59, "PANEL"},
    {68, 68, "PANEL"},    {73, 73, "PANEL"},        {54, 54, "TOOLBAR"},     {60, 60, "TOOLBAR"},
    {56, 56, "DRAGBAR"},  {57, 57, "TABSHEET"},     {58, 58, "PANEL_LOW"},   {74, 74, "GROUPBOX"},
    {226, 226, "GROUPBOX"}, {75, 75, "SPLITTER"},   {92, 92, "SPEEDBUTTON"}, {95, 95, "SPEEDBUTTON"},
    {93, 94, "BUTTON"},   {98, 98, "TOOLBUTTON"},   {141, 141, "PAGECONTROL"}, {143, 143, "TABCONTROL"},
    {151, 151, "STATUSBAR"}, {161, 161, "GAUGE"},   {165, 165, "TRACKBAR"},
};

QWidget* asWidget(QObject* owner)
{
    return owner && owner->isWidgetType() ? static_cast<QWidget*>(owner) : nullptr;
}

bool takesTabFocus(const QWidget* widget)
{
    return (widget->focusPolicy() & Qt::TabFocus) == Qt::TabFocus;
}

// The control's rectangle does not lie wholly inside its parent's.
bool outsideParent(const QWidget& control, bool edgeInside)
{
    const QWidget* parent = control.parentWidget();
    if (!parent)
        return false;
    const QRect g = control.geometry();
    const int w = parent->width(), h = parent->height();
    auto inside = [&](int x, int y) {
        if (edgeInside)
            return x >= 0 && y >= 0 && x <= w && y <= h;
        return x >= 0 && y >= 0 && x < w && y < h;
    };
    return !(inside(g.x(), g.y()) && inside(g.x() + g.width(), g.y() + g.height()));
}

bool sameScale(double a, double b)
{
    return std::abs(a - b) < 1e-6;
}

} // namespace

// The scale of what the painter really draws on: a widget's painter is redirected to the
// window's backing store, or to the picture a widget is rendered into.
double PainterDeviceScale(const QPainter& dc)
{
    if (const QPaintEngine* engine = dc.paintEngine(); engine && engine->paintDevice())
        return engine->paintDevice()->devicePixelRatioF();
    return dc.device() ? dc.device()->devicePixelRatioF() : 1.0;
}

QString DefaultSectionForKind(int kind, const QString& className)
{
    for (const KindRange& range : kDefaultSections) {
        if (kind >= range.first && kind <= range.last)
            return QString::fromLatin1(range.section);
    }
    return className;
}

bool KindTracksHover(int kind)
{
    return !((kind >= 51 && kind <= 74) || kind == 110 || (kind >= 141 && kind <= 161));
}

TsCommonData::TsCommonData(QObject* owner, int controlKind, bool withCache)
    : OwnerControl(asWidget(owner))
    , OwnerComponent(owner)
    , ControlKind(controlKind)
{
    if (withCache)
        CacheBitmap = std::make_unique<Bitmap24>();
}

TsCommonData::~TsCommonData() = default;

void TsCommonData::SetSkinSection(const QString& name)
{
    const QString stored = name.isEmpty() ? QStringLiteral("UNKNOWN") : name;
    if (stored == m_skinSection)
        return;
    m_skinSection = stored;
    if (Tables().sections.empty())
        SectionIndex = -1;
    else
        UpdateIndexes();
    RequestRepaint();
}

void TsCommonData::AfterLoad()
{
    if (m_skinSection != QLatin1String("UNKNOWN")) {
        UpdateIndexes();
        return;
    }
    const QString className = OwnerComponent ? QString::fromLatin1(OwnerComponent->metaObject()->className()) : QString();
    SetSkinSection(DefaultSectionForKind(ControlKind, className));
}

void TsCommonData::UpdateIndexes()
{
    CacheInvalid = true;
    SectionIndex = FindSectionIndex(m_skinSection);
    if (SectionIndex >= 0)
        BorderMaskIndex = FindImageIndex(SectionIndex, m_skinSection, QStringLiteral("BORDERSMASK"));
}

bool TsCommonData::IsSkinned() const
{
    return OwnerComponent && SectionIndexValid(SectionIndex);
}

bool TsCommonData::IsActiveState() const
{
    if (!OwnerControl || !OwnerControl->isEnabled())
        return false;
    return HasFocus || OwnerControl->hasFocus() || (MouseInside && KindTracksHover(ControlKind));
}

bool TsCommonData::PaintingSuspended() const
{
    if (PaintSuspended || !TsSkinData::instance().SkinReady)
        return true;
    QWidget* parent = OwnerControl ? OwnerControl->parentWidget() : nullptr;
    return parent && SkinMessage::send(parent, SKN_ISSUSPENDED) == 1;
}

void TsCommonData::PrepareCacheBitmap()
{
    if (!CacheBitmap)
        CacheBitmap = std::make_unique<Bitmap24>();
    if (!OwnerControl)
        return;
    if (CacheBitmap->width() != OwnerControl->width() || CacheBitmap->height() != OwnerControl->height())
        CacheBitmap->resize(OwnerControl->width(), OwnerControl->height());
}

void TsCommonData::RequestRepaint()
{
    if (!OwnerControl)
        return;
    CacheInvalid = true;
    if (OwnerControl->parentWidget())
        OwnerControl->update();
}

void TsCommonData::RepaintNow()
{
    if (!OwnerControl)
        return;
    if (InsidePaint())
        OwnerControl->update();
    else
        OwnerControl->repaint();
}

TsParentCache TsCommonData::GetParentCache() const
{
    QWidget* parent = OwnerControl ? OwnerControl->parentWidget() : nullptr;
    if (!parent)
        return {};
    return AskCache(parent);
}

TsParentCache TsCommonData::AskCache(QObject* target)
{
    TsParentCache answer;
    if (target)
        SkinMessage::send(target, SKN_GETCACHE, 0, reinterpret_cast<intptr_t>(&answer));
    return answer;
}

void TsCommonData::AnswerCache(const SkinMessage& message, const TsParentCache& answer)
{
    if (auto* record = reinterpret_cast<TsParentCache*>(message.lParam()))
        *record = answer;
}

bool TsCommonData::IsTransparentSection() const
{
    const TsGeneralData* section = Section();
    return section && section->Transparency > 0;
}

bool TsCommonData::HasGradient() const
{
    const TsGeneralData* section = Section();
    return section && section->GradientPercent > 0;
}

void TsCommonData::HandleCommonMessage(QEvent* event)
{
    switch (event->type()) {
    case QEvent::Resize:
        CacheInvalid = true;
        break;
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        if (OwnerControl && takesTabFocus(OwnerControl)) {
            CacheInvalid = true;
            HasFocus = event->type() == QEvent::FocusIn;
        }
        break;
    case QEvent::ApplicationFontChange:
    case QEvent::EnabledChange:
        HasFocus = false;
        MouseInside = false;
        break;
    case QEvent::Enter:
    case QEvent::Leave:
        if (KindTracksHover(ControlKind))
            MouseInside = event->type() == QEvent::Enter;
        break;
    default:
        if (SkinMessage* message = SkinMessage::from(event); message && isSkinMessageNumber(message->number()))
            HandleSkinMessage(*message);
        break;
    }
}

void TsCommonData::HandleSkinMessage(SkinMessage& message)
{
    switch (message.number()) {
    case SKN_SETCACHEINVALID:
        CacheInvalid = message.lParam() != 0;
        break;
    case SKN_SKINCHANGING:
        SuspendPainting();
        UpdateIndexes();
        break;
    case SKN_SKINREMOVED:
        SectionIndex = -1;
        BorderMaskIndex = -1;
        SuspendPainting();
        if (CacheBitmap)
            CacheBitmap->resize(0, 0);
        m_screenImage = QImage();
        if (OwnerControl)
            RepaintNow();
        break;
    case SKN_SKINCHANGED:
        CacheInvalid = true;
        ResumePainting();
        RequestRepaint();
        break;
    case SKN_GETCACHE: {
        const bool ready = CacheBitmap && !CacheBitmap->isNull();
        AnswerCache(message, {ready ? CacheBitmap.get() : nullptr, 0, 0, ready});
        break;
    }
    case SKN_SETSUSPENDED:
        PaintSuspended = message.lParam() != 0;
        break;
    case SKN_FREEZECACHE:
        CacheFrozen = message.wParam() != 0;
        break;
    case SKN_ISSUSPENDED:
        message.setResult(CacheInvalid ? 1 : PaintingSuspended() ? 1 : 0);
        break;
    case SKN_ISPARTLYHIDDEN:
        message.setResult(PartlyHidden ? 1 : 0);
        break;
    case SKN_SETLINK:
        LinkedObject = reinterpret_cast<QObject*>(message.lParam());
        break;
    case SKN_CHECKTRANSPARENT:
        if (IsTransparentSection())
            CacheInvalid = true;
        message.setResult(0);
        break;
    case SKN_GETSECTIONINDEX:
        message.setResult(SectionIndex + 1);
        break;
    default:
        break;
    }
}

const TsGeneralData* TsCommonData::Section() const
{
    const TsSkinTables& tables = Tables();
    if (SectionIndex < 0 || SectionIndex >= int(tables.sections.size()))
        return nullptr;
    return &tables.sections[std::size_t(SectionIndex)];
}

const TsSkinTables& TsCommonData::Tables()
{
    return TsSkinData::instance().tables;
}

double TsCommonData::ScreenScale() const
{
    return OwnerControl ? OwnerControl->devicePixelRatioF() : 1.0;
}

bool TsCommonData::needsRender(TsRenderRule rule, double scale)
{
    QWidget* control = OwnerControl;
    const bool sizeChanged = !CacheBitmap || !control || CacheBitmap->width() != control->width() ||
                             CacheBitmap->height() != control->height();
    const bool scaleChanged = !sameScale(m_screenImage.devicePixelRatio(), scale) || m_screenImage.isNull();
    switch (rule) {
    case TsRenderRule::EveryPaint:
        return true;
    case TsRenderRule::KeepPicture:
        return sizeChanged || scaleChanged;
    case TsRenderRule::WhenInvalid:
        break;
    case TsRenderRule::PartlyHiddenEdgeInside:
    case TsRenderRule::PartlyHiddenEdgeOutside: {
        // A control that is (or whose parent is) partly hidden renders at every paint.
        QWidget* parent = control ? control->parentWidget() : nullptr;
        const bool parentHidden = parent && SkinMessage::send(parent, SKN_ISPARTLYHIDDEN) == 1;
        CacheInvalid = CacheInvalid || PartlyHidden || parentHidden;
        PartlyHidden = control && outsideParent(*control, rule == TsRenderRule::PartlyHiddenEdgeInside);
        CacheInvalid = CacheInvalid || PartlyHidden;
        break;
    }
    }
    return CacheInvalid || sizeChanged || scaleChanged;
}

bool TsCommonData::RenderIfNeeded(TsRenderRule rule, const FaceRenderer& render, double scale)
{
    if (!needsRender(rule, scale) || CacheFrozen)
        return false;
    RenderFace(render, scale);
    return true;
}

// At another scale than 1 the text is held back while the face renders, the picture is
// scaled, and the text is drawn over it at the device's resolution; the logical cache,
// which children read as their parent's picture, gets its text back at logical size.
void TsCommonData::RenderFace(const FaceRenderer& render, double scale)
{
    if (scale <= 0)
        scale = ScreenScale();
    PrepareCacheBitmap();
    Bitmap24& cache = *CacheBitmap;
    if (sameScale(scale, 1.0) || cache.isNull()) {
        render();
        cache.copyToRgb32(m_screenImage);
    } else {
        TsTextLayer layer;
        cache.attachTextLayer(&layer);
        render();
        cache.attachTextLayer(nullptr);
        layer.finish(cache, scale, m_screenImage);
    }
    m_screenImage.setDevicePixelRatio(scale);
    CacheInvalid = false;
    ++RenderCount;
}

bool TsCommonData::fadeFrameShown(QPainter& dc) const
{
    if (!FadeTimer || !FadeTimer->Running() || FadeTimer->Frame().isNull())
        return false;
    dc.drawImage(QPoint(0, 0), FadeTimer->Frame());
    return true;
}

void TsCommonData::PaintFace(QPainter& dc, TsRenderRule rule, const FaceRenderer& render, const QRect& hole)
{
    if (fadeFrameShown(dc))
        return;
    RenderIfNeeded(rule, render, PainterDeviceScale(dc));
    CopyCacheToDC(dc, hole);
    if (rule == TsRenderRule::EveryPaint && CacheBitmap)
        CacheBitmap->resize(0, 0);
}

void TsCommonData::CopyCacheToDC(QPainter& dc, const QRect& hole) const
{
    if (m_screenImage.isNull() || !OwnerControl)
        return;
    const QRect target(0, 0, OwnerControl->width(), OwnerControl->height());
    const bool clipped = !hole.isEmpty();
    if (clipped) {
        dc.save();
        dc.setClipRegion(QRegion(target) - QRegion(hole));
    }
    const double scale = m_screenImage.devicePixelRatio();
    if (sameScale(scale, 1.0))
        dc.drawImage(QPoint(0, 0), m_screenImage, target);
    else
        dc.drawImage(QRectF(target), m_screenImage, QRectF(0, 0, target.width() * scale, target.height() * scale));
    if (clipped)
        dc.restore();
}
