// Skinned drop-down items on the program's stored skin: one 150 × 24 item drawn over the
// drop-down background (what every item of an open menu costs at each paint), and the
// background of a whole 150 × 200 drop-down (rendered once per drop-down).
#include "BuiltInSkin.h"
#include "skin/TsPopupItemPainter.h"
#include "skin/TsSkinData.h"
#include "skin/TsSkinableMenus.h"
#include "skin/paint/Bitmap24.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

void BM_PopupItem(benchmark::State& state)
{
    loadBuiltInSkin();
    const TsSkinableMenus menus(nullptr);
    const TsPopupItemPainter painter(menus);
    const Bitmap24 background = TsPopupItemPainter::RenderBackground(QSize(150, 200));
    const TsPopupItem item{QStringLiteral("О дисциплине"), QStringLiteral("Ctrl+O"), true, QIcon()};
    const unsigned drawState = state.range(0) ? unsigned(odSelected) : 0u;
    Bitmap24 picture(150, 24);
    for (auto _ : state) {
        painter.Draw(picture, QPoint(0, 48), item, drawState, background);
        benchmark::DoNotOptimize(picture.bits());
    }
}
BENCHMARK(BM_PopupItem)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_DropDownBackground(benchmark::State& state)
{
    loadBuiltInSkin();
    for (auto _ : state) {
        Bitmap24 background = TsPopupItemPainter::RenderBackground(QSize(150, 200));
        benchmark::DoNotOptimize(background.bits());
    }
}
BENCHMARK(BM_DropDownBackground)->Unit(benchmark::kMicrosecond);

} // namespace
