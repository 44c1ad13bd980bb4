// Push-button faces on the program's skin, one fade frame, and a paint from a valid cache
// against a plain blit of a picture of the same size.
//
// Targets: a 169 × 65 face ≤ 0.25 ms; a fade frame ≤ 0.1 ms (2 % of the 5 ms interval);
// a paint from a valid cache ≤ 2 × the Format_RGB32 blit. At 200 %: the face within 4 ×
// its time at 100 %, and a paint from a valid cache within 2 × an RGB32 blit of the same
// device size (338 × 130).

#include "BuiltInSkin.h"
#include "skin/TsSkinData.h"
#include "skin/controls/TsBitBtn.h"
#include "skin/controls/TsButton.h"
#include "skin/paint/PaintBlend.h"

#include <QApplication>
#include <QIcon>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

struct Buttons
{
    QWidget form;
    TsBitBtn* presentation = nullptr;
    TsButton* question = nullptr;

    Buttons()
    {
        loadBuiltInSkin();
        form.resize(400, 200);
        presentation = new TsBitBtn(&form);
        presentation->setGeometry(10, 10, 169, 65);
        presentation->setText(QStringLiteral("Презентация"));
        QImage glyph(24, 24, QImage::Format_ARGB32);
        glyph.fill(qRgb(30, 90, 160));
        presentation->setIcon(QIcon(QPixmap::fromImage(glyph)));
        presentation->setIconSize({24, 24});
        question = new TsButton(&form);
        question->setGeometry(200, 10, 25, 25);
        question->setText(QStringLiteral("17"));
        presentation->PrepareCache();
        question->PrepareCache();
    }
};

Buttons& buttons()
{
    static Buttons b;
    return b;
}

// The face rendered from an invalid cache.
void renderFace(benchmark::State& state, TsButton* button)
{
    for (auto _ : state) {
        button->SkinData.CacheInvalid = true;
        button->PrepareCache();
        benchmark::DoNotOptimize(button->SkinData.CacheBitmap->bits());
    }
}

void FacePresentationButton(benchmark::State& state) { renderFace(state, buttons().presentation); }

// The same face for a screen at 200 % (or 150 %): text drawn at the device's resolution.
void FacePresentationButtonAtScale(benchmark::State& state)
{
    TsBitBtn* button = buttons().presentation;
    const double scale = double(state.range(0)) / 100.0;
    for (auto _ : state) {
        button->SkinData.CacheInvalid = true;
        button->PrepareCache(scale);
        benchmark::DoNotOptimize(button->SkinData.ScreenPicture().constBits());
    }
    button->PrepareCache(1.0);
}
void FaceQuestionButton(benchmark::State& state) { renderFace(state, buttons().question); }

// What one tick does for a 169 × 65 button: copy the start picture, mix the cache into
// it, convert the mix for the screen and copy it to the window.
void FadeFrame169x65(benchmark::State& state)
{
    TsBitBtn* button = buttons().presentation;
    const Bitmap24 start = *button->SkinData.CacheBitmap;
    button->SkinData.MouseInside = true;
    button->PrepareCache();
    const Bitmap24& hot = *button->SkinData.CacheBitmap;
    QImage frameImage;
    QImage window(169, 65, QImage::Format_ARGB32_Premultiplied);
    QPainter dc(&window);
    int level = 0;
    for (auto _ : state) {
        Bitmap24 frame = start;
        BlendBitmaps(frame, hot, 255 - (level++ % 5 + 1) * 51);
        frame.copyToRgb32(frameImage);
        dc.drawImage(QPoint(0, 0), frameImage);
        benchmark::DoNotOptimize(window.constBits());
    }
    button->SkinData.MouseInside = false;
}

void PaintFromValidCache169x65At2x(benchmark::State& state)
{
    TsBitBtn* button = buttons().presentation;
    button->PrepareCache(2.0);
    QImage window(338, 130, QImage::Format_ARGB32_Premultiplied);
    window.setDevicePixelRatio(2.0);
    QPainter dc(&window);
    for (auto _ : state) {
        button->SkinData.CopyCacheToDC(dc);
        benchmark::DoNotOptimize(window.constBits());
    }
    dc.end();
    button->PrepareCache(1.0);
}

void PaintFromValidCache169x65(benchmark::State& state)
{
    TsBitBtn* button = buttons().presentation;
    button->PrepareCache();
    QImage window(169, 65, QImage::Format_ARGB32_Premultiplied);
    QPainter dc(&window);
    for (auto _ : state) {
        button->SkinData.CopyCacheToDC(dc);
        benchmark::DoNotOptimize(window.constBits());
    }
}

// A plain blit of a 169 × 65 picture in `format` onto the window.
void blit(benchmark::State& state, QImage::Format format, QSize size = {169, 65})
{
    QImage picture(size, format);
    picture.fill(qRgb(200, 180, 90));
    QImage window(size, QImage::Format_ARGB32_Premultiplied);
    QPainter dc(&window);
    for (auto _ : state) {
        dc.drawImage(QPoint(0, 0), picture);
        benchmark::DoNotOptimize(window.constBits());
    }
}

void BlitRgb32_169x65(benchmark::State& state) { blit(state, QImage::Format_RGB32); }
void BlitBgr888_169x65(benchmark::State& state) { blit(state, QImage::Format_BGR888); }
void BlitRgb32_338x130(benchmark::State& state) { blit(state, QImage::Format_RGB32, {338, 130}); }

} // namespace

BENCHMARK(FacePresentationButton)->Unit(benchmark::kMicrosecond);
BENCHMARK(FacePresentationButtonAtScale)->Arg(200)->Arg(150)->Unit(benchmark::kMicrosecond);
BENCHMARK(FaceQuestionButton)->Unit(benchmark::kMicrosecond);
BENCHMARK(FadeFrame169x65)->Unit(benchmark::kMicrosecond);
BENCHMARK(PaintFromValidCache169x65)->Unit(benchmark::kMicrosecond);
BENCHMARK(BlitRgb32_169x65)->Unit(benchmark::kMicrosecond);
BENCHMARK(BlitBgr888_169x65)->Unit(benchmark::kMicrosecond);
BENCHMARK(PaintFromValidCache169x65At2x)->Unit(benchmark::kMicrosecond);
BENCHMARK(BlitRgb32_338x130)->Unit(benchmark::kMicrosecond);
