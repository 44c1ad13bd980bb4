#include "skin/TsCommonData.h"

#include "skin/SkinLookups.h"
#include "skin/SkinMessage.h"
#include "skin/TsSkinData.h"

#include <QEvent>
#include <QPainter>
#include <QWidget>

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

} // namespace

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
    TsParentCache& shared = TsSkinData::instance().SharedParentCache;
    shared = {};
    SkinMessage::send(parent, SKN_GETCACHE);
    return shared;
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
        TsParentCache& shared = TsSkinData::instance().SharedParentCache;
        const bool ready = CacheBitmap && !CacheBitmap->isNull();
        shared = {ready ? CacheBitmap.get() : nullptr, 0, 0, ready};
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

void TsCommonData::CacheRendered()
{
    CacheInvalid = false;
    ++RenderCount;
    if (CacheBitmap)
        CacheBitmap->copyToRgb32(m_screenImage);
}

void TsCommonData::CopyCacheToDC(QPainter& dc, QPoint sourceOffset) const
{
    if (m_screenImage.isNull() || !OwnerControl)
        return;
    dc.drawImage(QPoint(0, 0), m_screenImage,
                 QRect(sourceOffset, QSize(OwnerControl->width(), OwnerControl->height())));
}
