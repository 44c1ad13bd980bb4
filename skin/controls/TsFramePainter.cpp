#include "skin/controls/TsFramePainter.h"

#include "platform/HitCodes.h"
#include "skin/SkinLookups.h"
#include "skin/SkinMessage.h"
#include "skin/controls/FormRegion.h"
#include "skin/controls/TsMenuBand.h"
#include "skin/controls/TsSkinProvider.h"
#include "skin/controls/TsTitleButtons.h"
#include "skin/paint/PaintBorder.h"
#include "skin/paint/PaintCopy.h"
#include "skin/paint/PaintImagePiece.h"
#include "skin/paint/PaintRows.h"
#include "skin/paint/PaintSection.h"
#include "skin/paint/PaintText.h"
#include "skin/paint/TsTextLayer.h"

#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QWidget>

#include <cmath>

namespace {

const QString kFormTitle = QStringLiteral("FORMTITLE");
const QString kMenuLine = QStringLiteral("MENULINE");

bool sameScale(double a, double b)
{
    return std::abs(a - b) < 1e-6;
}

Bitmap24 copyOf(const Bitmap24& source, const QRect& r)
{
    Bitmap24 part(r.width(), r.height());
    if (!part.isNull())
        CopyRect(part, 0, 0, source, ToTsRect(r));
    return part;
}

unsigned captionFlags(Qt::Alignment alignment)
{
    const unsigned horizontal = alignment & Qt::AlignRight ? TextRight : alignment & Qt::AlignHCenter ? TextCenter : TextLeft;
    return horizontal | TextVCenter | TextExpandTabs | TextSingleLine;
}

} // namespace

void TsFramePainter::Render(double scale)
{
    TsCommonData& data = m_p.SkinData;
    const TsGeneralData* section = data.Section();
    if (!section || !m_p.m_form)
        return;
    const Bitmap24& cache = *data.CacheBitmap;
    const int W = m_p.m_form->width(), H = m_p.m_form->height(), th = m_p.m_metrics.titleHeight();
    if (!sameScale(scale, m_scale))
        m_fullRepaint = true;
    m_scale = scale;
    // Another scale takes the whole path: its text is drawn anew over the scaled picture.
    const bool fast = sameScale(scale, 1.0) && !m_fullRepaint && section->FastTitle() && m_titleStrip.width() == W
                      && cache.width() == W && cache.height() == H && m_p.m_metrics.framed();
    if (fast) {
        Bitmap24& target = *data.CacheBitmap;
        const TsParentCache own{&target, 0, 0, true};
        CopyRect(target, 0, 0, m_titleStrip, {0, 0, W, th});
        PaintSectionWithBorders(TsCommonData::Tables(), FindSectionIndex(kFormTitle), kFormTitle, own, target, {},
                                {0, 0, W, th}, m_p.FormActive ? 1 : 0, true);
        renderTitle();
        ++m_p.TitleRenderCount;
        toScreen(QRect(0, 0, W, th));
    } else {
        renderWhole(scale);
    }
    data.CacheInvalid = false;
    data.ResumePainting();
    ++data.RenderCount;
}

void TsFramePainter::renderWhole(double scale)
{
    const TsSkinTables& tables = TsCommonData::Tables();
    TsCommonData& data = m_p.SkinData;
    const FormMetrics& m = m_p.m_metrics;
    Bitmap24& cache = *data.CacheBitmap;
    const int W = m_p.m_form->width(), H = m_p.m_form->height(), th = m.titleHeight();
    const int state = m_p.FormActive ? 1 : 0;
    const TsParentCache own{&cache, 0, 0, true};
    const bool scaled = !sameScale(scale, 1.0);
    if (cache.width() != W || cache.height() != H)
        cache.resize(W, H);
    TsTextLayer layer;
    if (scaled)
        cache.attachTextLayer(&layer);
    m_p.m_regionChanged = true;
    PaintSectionWithBorders(tables, data.SectionIndex, data.SkinSection(), EmptyParentCache(), cache, {}, {0, 0, W, H}, state, true);
    if (data.Section()->FastTitle())
        m_titleStrip = copyOf(cache, QRect(0, 0, W, th));
    if (m.framed())
        PaintSectionWithBorders(tables, FindSectionIndex(kFormTitle), kFormTitle, own, cache, {}, {0, 0, W, th}, state, true);
    if (m.hasMenuBar) {
        const int band = m.menuBandHeight();
        PaintSectionWithBorders(tables, FindSectionIndex(kMenuLine), kMenuLine, own, cache, {}, {0, th, W, th + band}, 0, true);
        // The clean bar, before the items: a transparent item shows it.
        m_menuBarImage = copyOf(cache, QRect(0, th, W, band + 1));
        m_p.m_menuBand->DrawItems();
    }
    if (m.framed())
        renderTitle();
    m_fullRepaint = false;
    if (scaled) {
        cache.attachTextLayer(nullptr);
        layer.finish(cache, scale, m_screen);
    } else {
        toScreen(QRect(0, 0, W, H));
    }
    if (!m_deviceOnly)
        invalidateTransparentChildren();
    m_deviceOnly = false;
}

void TsFramePainter::renderTitle()
{
    const TsSkinTables& tables = TsCommonData::Tables();
    TsCommonData& data = m_p.SkinData;
    const FormMetrics& m = m_p.m_metrics;
    QWidget* form = m_p.m_form;
    Bitmap24& cache = *data.CacheBitmap;
    const int W = form->width(), th = m.titleHeight();

    if (m.iconShown && m.IW > 0) {
        QIcon icon = form->windowIcon();
        if (icon.isNull())
            icon = QApplication::windowIcon();
        QImage view = cache.imageView();
        QPainter painter(&view);
        painter.drawPixmap(m.iconRect(), icon.pixmap(m.IW, m.IH));
    }
    const int visible = m.visibleSystemButtons();
    const int titleBar = FindImageIndex(data.SectionIndex, data.SkinSection(), QStringLiteral("TITLEBAR"));
    if (visible > 0 && ImageIndexValid(titleBar)) {
        const TsMaskData& piece = tables.masks[std::size_t(titleBar)];
        const int cell = ImageFrameSize(piece).width() / 3;
        PaintBorderMask(tables, cache, {W - (2 * cell + visible * m.BW), 0, W, th}, true, 0, piece, EmptyParentCache());
    }
    const int stripWidth = (visible + 1) * (m.BW + 1) + m.FW;
    m_buttonStrip = copyOf(cache, QRect(W - stripWidth - 1, 0, stripWidth, m.clientTop()));
    if (m_p.BorderIcons.biSystemMenu)
        m_p.m_titleButtons->PaintAll();
    QFont font = form->font();
    font.setBold(true);
    const QString text = TsSkinProvider::FittedCaption(font, m_p.CaptionText, m.captionMaxWidth(W));
    TsRect rect = ToTsRect(m.captionRect(W));
    if (!text.isEmpty() && !rect.isEmpty()) {
        PaintCanvas canvas{cache, font, 0};
        DrawSkinText(tables, canvas, text, form->isEnabled(), m_p.FormActive, FindSectionIndex(kFormTitle),
                     captionFlags(m_p.CaptionAlignment), rect);
    }
}

void TsFramePainter::PaintButton(int code, int slot, int imageIndex, int state)
{
    TsCommonData& data = m_p.SkinData;
    const QRect rect = m_p.m_metrics.buttonRect(slot, m_p.m_form->width());
    int image = imageIndex;
    if (code == HTMAXBUTTON && m_p.m_commands.isMaximized())
        image = FindImageIndex(data.SectionIndex, data.SkinSection(), QStringLiteral("BICONNORM"));
    if (!ImageIndexValid(image))
        return;
    bool enabledLook = m_p.FormActive;
    if (code == HTMAXBUTTON)
        enabledLook = enabledLook && m_p.BorderIcons.biMaximize;
    if (code == HTMINBUTTON)
        enabledLook = enabledLook && m_p.BorderIcons.biMinimize;
    // Draw mode 0 mixes the piece half over the title, mode 1 copies it.
    const int drawMode = state == 0 && !enabledLook ? 0 : 1;
    DrawImagePiece(TsCommonData::Tables(), *data.CacheBitmap, rect.left(), rect.top(), state, image, drawMode);
}

bool TsFramePainter::RestoreButtonBackground(QRect rect)
{
    if (m_buttonStrip.isNull())
        return false;
    const int stripLeft = m_p.m_form->width() - m_buttonStrip.width() - 1;
    CopyRect(*m_p.SkinData.CacheBitmap, rect.left(), rect.top(), m_buttonStrip, ToTsRect(rect.translated(-stripLeft, 0)));
    return true;
}

bool TsFramePainter::RestoreMenuBackground(QRect rect)
{
    if (m_menuBarImage.isNull())
        return false;
    CopyRect(*m_p.SkinData.CacheBitmap, rect.left(), rect.top(), m_menuBarImage,
             ToTsRect(rect.translated(0, -m_p.m_metrics.titleHeight())));
    return true;
}

QRegion TsFramePainter::WindowRegion() const
{
    const QSize size = m_p.m_form ? m_p.m_form->size() : QSize();
    QRegion region(0, 0, size.width(), size.height());
    const TsSkinTables& tables = TsCommonData::Tables();
    if (!m_p.m_metrics.framed())
        return region;
    if (ImageIndexValid(m_p.SkinData.BorderMaskIndex))
        CutMagentaCorners(region, tables, tables.masks[std::size_t(m_p.SkinData.BorderMaskIndex)], size, Corners::All);
    const int titleSection = FindSectionIndex(kFormTitle);
    const int titleBorder = titleSection >= 0 ? FindImageIndex(titleSection, kFormTitle, QStringLiteral("BORDERSMASK")) : -1;
    if (ImageIndexValid(titleBorder))
        CutMagentaCorners(region, tables, tables.masks[std::size_t(titleBorder)], size, Corners::Top);
    return region;
}

// The picture behind the transparent controls has changed: they render again at their
// next paint, which the form's own repaint brings.
void TsFramePainter::invalidateTransparentChildren()
{
    if (!m_p.m_client)
        return;
    for (QWidget* child : m_p.m_client->findChildren<QWidget*>())
        SkinMessage::send(child, SKN_CHECKTRANSPARENT);
}

// Copies a rectangle of the cache into the screen picture, row by row.
void TsFramePainter::toScreen(QRect rect)
{
    const Bitmap24& cache = *m_p.SkinData.CacheBitmap;
    if (m_screen.size() != QSize(cache.width(), cache.height()) || !sameScale(m_screen.devicePixelRatio(), 1.0)) {
        // The rows live in a buffer that keeps its capacity, so sizing by dragging does
        // not allocate (and clear) a new screen picture at every step.
        m_screenBits.resize(std::size_t(cache.width()) * std::size_t(cache.height()));
        m_screen = QImage(reinterpret_cast<uchar*>(m_screenBits.data()), cache.width(), cache.height(),
                          qsizetype(cache.width()) * 4, QImage::Format_RGB32);
        rect = QRect(0, 0, cache.width(), cache.height());
    }
    rect &= QRect(0, 0, cache.width(), cache.height());
    if (rect.isEmpty())
        return;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        auto* target = reinterpret_cast<uint32_t*>(m_screen.scanLine(y)) + rect.left();
        ConvertRowToRgb32(target, cache.scanLine(y) + rect.left() * 3, std::size_t(rect.width()));
    }
}

void TsFramePainter::Paint(QPaintEvent* event)
{
    QPainter painter(m_p.m_form);
    const double scale = PainterDeviceScale(painter);
    TsCommonData& data = m_p.SkinData;
    if ((data.CacheInvalid || !sameScale(scale, m_scale)) && !data.CacheFrozen)
        Render(scale);
    if (m_screen.isNull())
        return;
    const QRect rect = event->rect();
    const double s = m_screen.devicePixelRatio();
    if (sameScale(s, 1.0))
        painter.drawImage(rect.topLeft(), m_screen, rect);
    else
        painter.drawImage(QRectF(rect), m_screen, QRectF(rect.x() * s, rect.y() * s, rect.width() * s, rect.height() * s));
}

// At another scale than 1 the logical picture has changed in place, and the screen's
// picture is made anew from the whole window.
void TsFramePainter::RepaintRect(QRect rect)
{
    if (!sameScale(m_scale, 1.0)) {
        m_deviceOnly = true;
        m_p.Invalidate(TsSkinProvider::Render::Whole);
        return;
    }
    toScreen(rect);
    m_p.m_form->repaint(rect);
}
