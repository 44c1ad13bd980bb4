// Skinned scroll bars on the program's skin. A 16 × 545 bar (the web view's height) painted
// with a render in each look (target: 0.3 ms), beside a paint that only copies its picture
// and the platform's own QScrollBar of the same size, so the ratios come from one run.
// One host-scroll step of the main window at 800 × 600: every control of the client area
// moved by the form's LargeChange and repainted (target: 16 ms, one frame at 60 Hz).
#include "app/TForm3.h"
#include "platform/ReportingApplication.h"
#include "BuiltInSkin.h"
#include "skin/TsSkinData.h"
#include "skin/controls/TsFormScrollBars.h"
#include "skin/controls/TsScrollBar.h"
#include "skin/controls/TsSkinProvider.h"

#include <QApplication>
#include <QScrollBar>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using Part = ScrollBarGeometry::Part;

struct BarScene
{
    BarScene()
    {
        loadBuiltInSkin();
        window.resize(100, 600);
        bar = new TsScrollBar(&window);
        bar->SetKind(sbVertical);
        bar->setGeometry(10, 10, 16, 545);
        bar->SetPageSize(10);
        bar->SetPosition(40);
        plain = new QScrollBar(Qt::Vertical, &window);
        plain->setGeometry(40, 10, 16, 545);
        plain->setRange(0, 100);
        plain->setPageStep(10);
        plain->setValue(40);
        window.show();
        QApplication::processEvents();
    }

    QWidget window;
    TsScrollBar* bar = nullptr;
    QScrollBar* plain = nullptr;
};

BarScene& barScene()
{
    static BarScene scene;
    return scene;
}

// Looks: 0 normal, 1 thumb hot, 2 arrow pressed, 3 track pressed, 4 disabled.
void BarRender(benchmark::State& state)
{
    TsScrollBar* bar = barScene().bar;
    for (int p = 0; p < ScrollBarGeometry::PartCount; ++p)
        bar->SetPartState(Part(p), 0);
    bar->setEnabled(state.range(0) != 4);
    if (state.range(0) == 1)
        bar->SetPartState(Part::Thumb, 1);
    else if (state.range(0) == 2)
        bar->SetPartState(Part::Arrow2, 2);
    else if (state.range(0) == 3)
        bar->SetPartState(Part::Track2, 2);
    for (auto _ : state) {
        bar->SkinData.CacheInvalid = true;
        bar->repaint();
    }
    bar->setEnabled(true);
}
BENCHMARK(BarRender)->DenseRange(0, 4)->Unit(benchmark::kMicrosecond);

void BarCopy(benchmark::State& state)
{
    TsScrollBar* bar = barScene().bar;
    bar->repaint();
    for (auto _ : state)
        bar->repaint();
}
BENCHMARK(BarCopy)->Unit(benchmark::kMicrosecond);

void PlatformBar(benchmark::State& state)
{
    QScrollBar* bar = barScene().plain;
    for (auto _ : state)
        bar->repaint();
}
BENCHMARK(PlatformBar)->Unit(benchmark::kMicrosecond);

// The main window made smaller than its contents; its vertical bar steps by a page.
struct FormScene
{
    FormScene()
    {
        form = std::make_unique<TForm3>();
        form->show();
        QApplication::processEvents();
        form->resize(800, 600);
        QApplication::processEvents();
        auto* provider = form->findChild<TsSkinProvider*>(QStringLiteral("sSkinProvider1"));
        bar = provider ? provider->FormScrollBars()->VertBar() : nullptr;
    }

    std::unique_ptr<TForm3> form;
    TsScrollBar* bar = nullptr;
};

void HostScrollStep(benchmark::State& state)
{
    FormScene scene;
    if (!scene.bar) {
        state.SkipWithError("the main window made no vertical bar at 800 × 600");
        return;
    }
    int step = 0;
    for (auto _ : state) {
        // Down a page, then back. The form's own repaint paints the moved controls at once
        // (Qt would otherwise paint them at its next frame), so the step is measured whole.
        scene.bar->SetPosition(++step % 2 ? scene.bar->LargeChange() : 0);
        scene.form->repaint();
    }
}
BENCHMARK(HostScrollStep)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("QTWEBENGINE_CHROMIUM_FLAGS"))
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--no-sandbox --disable-gpu");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    ReportingApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
