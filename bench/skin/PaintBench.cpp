// The painting primitives on a 75 × 25 and a 1920 × 1080 picture, beside memcpy of the
// bytes they write and the closest QPainter operation on a 24-bit QImage.
#include "skin/SkinValues.h"
#include "skin/TsSkinData.h"
#include "skin/paint/Bitmap24.h"
#include "skin/paint/PaintBlend.h"
#include "skin/paint/PaintBorder.h"
#include "skin/paint/PaintCopy.h"
#include "skin/paint/PaintGradient.h"
#include "skin/paint/PaintImagePiece.h"
#include "skin/paint/PaintRows.h"
#include "skin/paint/PaintSection.h"
#include "skin/paint/PaintText.h"
#include "skin/paint/TsParentCache.h"

#include <QApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QRegion>

#include <benchmark/benchmark.h>

#include <cstring>
#include <random>

namespace {

const TsSkinTables& ProcessTables() { return TsSkinData::instance().tables; }

const QString G1 = "5872819;8306902;25;1;0;8306902;13890042;25;1;0;13890042;10278635;24;1;0;10278635;5807808;25;1;0;5807808;5807808;0;1;0";
const QString G2 = "16777215;11462640;20;0;0;11462640;9356501;50;0;0;9356501;12575726;15;0;0;12575726;7188167;14;0;0;7188167;7188167;0;0;0";

Bitmap24 noise(int w, int h, unsigned seed)
{
    Bitmap24 b(w, h);
    std::mt19937 rng(seed);
    for (int y = 0; y < h; ++y) {
        uint8_t* row = b.scanLine(y);
        for (int x = 0; x < w * 3; ++x)
            row[x] = uint8_t(rng());
    }
    return b;
}

int widthOf(const benchmark::State& s) { return int(s.range(0)); }
int heightOf(const benchmark::State& s) { return int(s.range(1)); }

void setBytes(benchmark::State& state, const Bitmap24& b)
{
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(b.width()) * b.height() * 3);
}

void Memcpy(benchmark::State& state)
{
    Bitmap24 dst(widthOf(state), heightOf(state));
    const Bitmap24 src = noise(dst.width(), dst.height(), 1);
    for (auto _ : state) {
        std::memcpy(dst.bits(), src.bits(), dst.byteCount());
        benchmark::ClobberMemory();
    }
    setBytes(state, dst);
}

void PaintGradientTopToBottom(benchmark::State& state)
{
    Bitmap24 dst(widthOf(state), heightOf(state));
    const TsGradArray g = ParseGradientData(G2);
    for (auto _ : state) {
        PaintGradient(dst, RectOfSize(dst.width(), dst.height()), g);
        benchmark::ClobberMemory();
    }
    setBytes(state, dst);
}

void PaintGradientLeftToRight(benchmark::State& state)
{
    Bitmap24 dst(widthOf(state), heightOf(state));
    const TsGradArray g = ParseGradientData(G1);
    for (auto _ : state) {
        PaintGradient(dst, RectOfSize(dst.width(), dst.height()), g);
        benchmark::ClobberMemory();
    }
    setBytes(state, dst);
}

void QPainterGradient(benchmark::State& state)
{
    QImage image(widthOf(state), heightOf(state), QImage::Format_BGR888);
    QLinearGradient gradient(0, 0, 0, image.height());
    gradient.setColorAt(0, QColor(255, 255, 255));
    gradient.setColorAt(0.2, QColor(0xF0, 0xE7, 0xAE));
    gradient.setColorAt(0.7, QColor(0xD5, 0xC4, 0x8E));
    gradient.setColorAt(1, QColor(0xC7, 0xAE, 0x6D));
    for (auto _ : state) {
        QPainter painter(&image);
        painter.fillRect(image.rect(), gradient);
        painter.end();
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * image.width() * image.height() * 3);
}

void BlendColorOverBench(benchmark::State& state)
{
    Bitmap24 dst = noise(widthOf(state), heightOf(state), 2);
    for (auto _ : state) {
        BlendColorOver(dst, RectOfSize(dst.width(), dst.height()), 90, 15790320);
        benchmark::ClobberMemory();
    }
    setBytes(state, dst);
}

void QPainterColorOver(benchmark::State& state)
{
    QImage image = noise(widthOf(state), heightOf(state), 2).toImage();
    for (auto _ : state) {
        QPainter painter(&image);
        painter.fillRect(image.rect(), QColor(0xF0, 0xF0, 0xF0, 26));
        painter.end();
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * image.width() * image.height() * 3);
}

void BlendBitmapOverBench(benchmark::State& state)
{
    Bitmap24 dst = noise(widthOf(state), heightOf(state), 3);
    const Bitmap24 src = noise(dst.width(), dst.height(), 4);
    for (auto _ : state) {
        BlendBitmapOver(dst, src, 0x7F7F7F, 0, 0, RectOfSize(src.width(), src.height()));
        benchmark::ClobberMemory();
    }
    setBytes(state, dst);
}

void BlendBitmapsBench(benchmark::State& state)
{
    Bitmap24 dst = noise(widthOf(state), heightOf(state), 5);
    const Bitmap24 src = noise(dst.width(), dst.height(), 6);
    for (auto _ : state) {
        BlendBitmaps(dst, src, 100);
        benchmark::ClobberMemory();
    }
    setBytes(state, dst);
}

void QPainterDrawImageOpacity(benchmark::State& state)
{
    QImage dst = noise(widthOf(state), heightOf(state), 5).toImage();
    const QImage src = noise(dst.width(), dst.height(), 6).toImage();
    for (auto _ : state) {
        QPainter painter(&dst);
        painter.setOpacity(0.5);
        painter.drawImage(0, 0, src);
        painter.end();
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * dst.width() * dst.height() * 3);
}

// The four row kernels above on the SSE2 path only.
template <void (*Bench)(benchmark::State&)>
void Baseline(benchmark::State& state)
{
    PaintRowsUseBaselineOnly(true);
    Bench(state);
    PaintRowsUseBaselineOnly(false);
}

void BlendTransparentImageBench(benchmark::State& state)
{
    Bitmap24 dst = noise(widthOf(state), heightOf(state), 7);
    const Bitmap24 src = noise(dst.width(), dst.height(), 8);
    for (auto _ : state) {
        BlendTransparentImage(dst, 0, 0, 0xFF00FF, 0.4, RectOfSize(src.width(), src.height()), src);
        benchmark::ClobberMemory();
    }
    setBytes(state, dst);
}

void CopyRectBench(benchmark::State& state)
{
    Bitmap24 dst(widthOf(state), heightOf(state));
    const Bitmap24 src = noise(dst.width(), dst.height(), 9);
    for (auto _ : state) {
        CopyRect(dst, 0, 0, src, RectOfSize(src.width(), src.height()));
        benchmark::ClobberMemory();
    }
    setBytes(state, dst);
}

void CopyPieceTransparentBench(benchmark::State& state)
{
    Bitmap24 dst(widthOf(state), heightOf(state));
    const Bitmap24 src = noise(dst.width(), dst.height(), 10);
    const Bitmap24 parent = noise(dst.width(), dst.height(), 11);
    const TsParentCache cache{&parent, 0, 0, true};
    for (auto _ : state) {
        CopyPieceTransparent(dst, src, 0, cache, 0xFF00FF, RectOfSize(src.width(), src.height()), 0);
        benchmark::ClobberMemory();
    }
    setBytes(state, dst);
}

void CopyTransparentImageBench(benchmark::State& state)
{
    Bitmap24 dst(widthOf(state), heightOf(state));
    const Bitmap24 src = noise(dst.width(), dst.height(), 12);
    for (auto _ : state) {
        CopyTransparentImage(dst, src, 0, 0xFF00FF, 0);
        benchmark::ClobberMemory();
    }
    setBytes(state, dst);
}

void MaskedCellCopyBench(benchmark::State& state)
{
    Bitmap24 dst(widthOf(state), heightOf(state));
    const Bitmap24 src = noise(dst.width(), dst.height() * 2, 13);
    for (auto _ : state) {
        MaskedCellCopy(RectOfSize(dst.width(), dst.height()), RectOfSize(dst.width(), dst.height()), dst,
                       EmptyParentCache(), &src);
        benchmark::ClobberMemory();
    }
    setBytes(state, dst);
}

void FillRectBench(benchmark::State& state)
{
    Bitmap24 dst(widthOf(state), heightOf(state));
    for (auto _ : state) {
        FillRect(dst, RectOfSize(dst.width(), dst.height()), 0x336699);
        benchmark::ClobberMemory();
    }
    setBytes(state, dst);
}

void TileRectBench(benchmark::State& state)
{
    Bitmap24 dst(widthOf(state), heightOf(state));
    const Bitmap24 tile = noise(46, 45, 14);
    for (auto _ : state) {
        TileRect(dst, RectOfSize(dst.width(), dst.height()), tile, RectOfSize(46, 45));
        benchmark::ClobberMemory();
    }
    setBytes(state, dst);
}

void MakeGrayscaleBench(benchmark::State& state)
{
    Bitmap24 dst = noise(widthOf(state), heightOf(state), 15);
    for (auto _ : state) {
        MakeGrayscale(dst);
        benchmark::ClobberMemory();
    }
    setBytes(state, dst);
}

void BlendColorRectBench(benchmark::State& state)
{
    Bitmap24 dst = noise(widthOf(state), heightOf(state), 16);
    for (auto _ : state) {
        BlendColorRect(dst, RectOfSize(dst.width(), dst.height()), 50, 0, 0, 0x808080);
        benchmark::ClobberMemory();
    }
    setBytes(state, dst);
}

void ApplyDisabledEffectBench(benchmark::State& state)
{
    Bitmap24 dst = noise(widthOf(state), heightOf(state), 17);
    const Bitmap24 parent = noise(dst.width(), dst.height(), 18);
    const TsParentCache cache{&parent, 0, 0, true};
    for (auto _ : state) {
        ApplyDisabledEffect(dst, dkBlended | dkGrayed, 0x808080, 0, 0, cache);
        benchmark::ClobberMemory();
    }
    setBytes(state, dst);
}

// A master bitmap with the BUTTON border and section, as the program's skin has them.
void installButtonSkin()
{
    TsSkinTables& t = TsSkinData::instance().tables;
    t.masterBitmap = noise(190, 410, 19);
    TsGeneralData button;
    button.SectionName = "BUTTON";
    button.Color = 13487565;
    button.GradientPercent = 100;
    button.Gradient = ParseGradientData(G2);
    t.sections.push_back(button);
    TsMaskData border;
    border.SectionName = "BUTTON";
    border.PropertyName = "BORDERSMASK";
    border.R = {24, 198, 78, 234};
    border.ImageCount = 3;
    border.MaskType = 1;
    t.masks.push_back(border);
    TsSkinData::instance().SkinReady = true;
}

void PaintWholeSectionButton(benchmark::State& state)
{
    Bitmap24 dst(widthOf(state), heightOf(state));
    for (auto _ : state) {
        PaintWholeSection(ProcessTables(), 0, "BUTTON", dst, {}, 1, true, EmptyParentCache());
        benchmark::ClobberMemory();
    }
    setBytes(state, dst);
}

void PaintBorderMaskWithRegionButton(benchmark::State& state)
{
    Bitmap24 dst(widthOf(state), heightOf(state));
    const TsMaskData& border = TsSkinData::instance().tables.masks[0];
    for (auto _ : state) {
        QRegion region(0, 0, dst.width(), dst.height());
        PaintBorderMaskWithRegion(ProcessTables(), dst, region, true, 1, border);
        benchmark::DoNotOptimize(region);
    }
    setBytes(state, dst);
}

// A section half transparent over its parent: fill, parent copy and mix.
void TransparentSectionBackground(benchmark::State& state)
{
    TsGeneralData half = TsSkinData::instance().tables.sections[0];
    half.Transparency = 50;
    TsSkinData::instance().tables.sections.push_back(half);
    const int index = int(TsSkinData::instance().tables.sections.size()) - 1;
    Bitmap24 dst(widthOf(state), heightOf(state));
    const Bitmap24 parent = noise(dst.width(), dst.height(), 20);
    const TsParentCache cache{&parent, 0, 0, true};
    for (auto _ : state) {
        PaintSectionBackground(ProcessTables(), index, "BUTTON", cache, dst, {}, RectOfSize(dst.width(), dst.height()), 0);
        benchmark::ClobberMemory();
    }
    TsSkinData::instance().tables.sections.pop_back();
    setBytes(state, dst);
}

// State frames of the button piece through its mask, side by side over the picture.
void DrawImagePieceBench(benchmark::State& state)
{
    Bitmap24 dst(widthOf(state), heightOf(state));
    for (auto _ : state) {
        for (int y = 0; y < dst.height(); y += 18)
            for (int x = 0; x < dst.width(); x += 18)
                DrawImagePiece(ProcessTables(), dst, x, y, 2, 0, 1);
        benchmark::ClobberMemory();
    }
    setBytes(state, dst);
}

void DrawSkinTextBench(benchmark::State& state)
{
    Bitmap24 dst(widthOf(state), heightOf(state));
    QFont font("DejaVu Sans");
    font.setPixelSize(11);
    PaintCanvas canvas{dst, font, 0};
    for (auto _ : state) {
        TsRect rect = RectOfSize(dst.width(), dst.height());
        DrawSkinText(ProcessTables(), canvas, "Начать тестирование", true, true, 0, TextCenter, rect);
        benchmark::ClobberMemory();
    }
}

void FitTextWithEllipsisBench(benchmark::State& state)
{
    Bitmap24 dst(1, 1);
    PaintCanvas canvas{dst, QFont("DejaVu Sans"), 0};
    const QString text = "Планы практических и лабораторных занятий по курсу";
    for (auto _ : state)
        benchmark::DoNotOptimize(FitTextWithEllipsis(canvas, text, widthOf(state) / 4));
}

void DrawFocusFrameBench(benchmark::State& state)
{
    Bitmap24 dst(widthOf(state), heightOf(state));
    PaintCanvas canvas{dst, QFont(), 0};
    for (auto _ : state) {
        DrawFocusFrame(canvas, {1, 1, dst.width() - 1, dst.height() - 1});
        benchmark::ClobberMemory();
    }
}

void sizes(benchmark::internal::Benchmark* b)
{
    // Wall time: QPainter spreads large fills over worker threads, which CPU time would miss.
    b->Args({75, 25})->Args({1920, 1080})->Unit(benchmark::kMicrosecond)->UseRealTime();
}

} // namespace

BENCHMARK(Memcpy)->Apply(sizes);
BENCHMARK(PaintGradientTopToBottom)->Apply(sizes);
BENCHMARK(PaintGradientLeftToRight)->Apply(sizes);
BENCHMARK(QPainterGradient)->Apply(sizes);
BENCHMARK(BlendColorOverBench)->Apply(sizes);
BENCHMARK(Baseline<BlendColorOverBench>)->Apply(sizes);
BENCHMARK(QPainterColorOver)->Apply(sizes);
BENCHMARK(BlendBitmapOverBench)->Apply(sizes);
BENCHMARK(Baseline<BlendBitmapOverBench>)->Apply(sizes);
BENCHMARK(BlendBitmapsBench)->Apply(sizes);
BENCHMARK(Baseline<BlendBitmapsBench>)->Apply(sizes);
BENCHMARK(QPainterDrawImageOpacity)->Apply(sizes);
BENCHMARK(BlendTransparentImageBench)->Apply(sizes);
BENCHMARK(CopyRectBench)->Apply(sizes);
BENCHMARK(CopyPieceTransparentBench)->Apply(sizes);
BENCHMARK(CopyTransparentImageBench)->Apply(sizes);
BENCHMARK(MaskedCellCopyBench)->Apply(sizes);
BENCHMARK(FillRectBench)->Apply(sizes);
BENCHMARK(TileRectBench)->Apply(sizes);
BENCHMARK(MakeGrayscaleBench)->Apply(sizes);
BENCHMARK(BlendColorRectBench)->Apply(sizes);
BENCHMARK(ApplyDisabledEffectBench)->Apply(sizes);
BENCHMARK(PaintWholeSectionButton)->Apply(sizes);
BENCHMARK(PaintBorderMaskWithRegionButton)->Apply(sizes);
BENCHMARK(TransparentSectionBackground)->Apply(sizes);
BENCHMARK(DrawImagePieceBench)->Apply(sizes);
BENCHMARK(DrawSkinTextBench)->Apply(sizes);
BENCHMARK(FitTextWithEllipsisBench)->Apply(sizes);
BENCHMARK(DrawFocusFrameBench)->Apply(sizes);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    installButtonSkin();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
