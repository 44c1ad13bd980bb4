// The skinned frame of an 891 × 690 window with the program's skin: a whole render, the
// title path, one title-button hover, a paint from a valid picture beside a plain
// QPainter::drawImage of an RGB32 picture of the window's size, and one resize step
// (render and paint) at 1280 × 1024. At 200 % the whole frame (1782 × 1380 device pixels)
// is to render within 6 ms.
#include "platform/HitCodes.h"
#include "BuiltInSkin.h"
#include "skin/TsSkinData.h"
#include "skin/TsSkinManager.h"
#include "skin/controls/TsSkinProvider.h"

#include <QApplication>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// A form like the main window: a nine-item menu, a client widget, the program's skin.
struct Window
{
    Window()
    {
        loadBuiltInSkin();
        manager = std::make_unique<TsSkinManager>();
        form = std::make_unique<QWidget>();
        form->setWindowTitle(QStringLiteral("Электронный учебник \"Вестрон\""));
        auto* layout = new QVBoxLayout(form.get());
        auto* bar = new QMenuBar(form.get());
        for (const char* caption : {"УМКД", "Лекции", "Лабораторные", "Практические", "Тестирование",
                                    "Руководство пользователя", "Контрольный тест", "Настройки", "Выход"})
            bar->addAction(QString::fromUtf8(caption));
        layout->setMenuBar(bar);
        auto* client = new QWidget(form.get());
        layout->addWidget(client);
        provider = new TsSkinProvider(form.get(), client, bar, QSize(891, 690));
        form->show();
        QApplication::processEvents();
        provider->RenderedCache();
    }

    void move(QPoint p)
    {
        QMouseEvent event(QEvent::MouseMove, QPointF(p), QPointF(form->mapToGlobal(p)), Qt::NoButton, Qt::NoButton,
                          Qt::NoModifier);
        QApplication::sendEvent(form.get(), &event);
    }

    std::unique_ptr<TsSkinManager> manager;
    std::unique_ptr<QWidget> form;
    TsSkinProvider* provider = nullptr;
};

std::unique_ptr<Window> theWindow;

Window& window()
{
    if (!theWindow)
        theWindow = std::make_unique<Window>();
    return *theWindow;
}

void WholeRender(benchmark::State& state)
{
    Window& w = window();
    w.form->resize(int(state.range(0)), int(state.range(1)));
    for (auto _ : state) {
        w.provider->Invalidate(TsSkinProvider::Render::Whole);
        benchmark::DoNotOptimize(w.provider->RenderedCache().bits());
    }
}
BENCHMARK(WholeRender)->Args({891, 690})->Args({1280, 1024})->Unit(benchmark::kMicrosecond);

void WholeRenderAtScale(benchmark::State& state)
{
    Window& w = window();
    w.form->resize(891, 690);
    const double scale = double(state.range(0)) / 100.0;
    for (auto _ : state) {
        w.provider->RenderWhole(scale);
        benchmark::DoNotOptimize(w.provider->ScreenPicture().constBits());
    }
    w.provider->RenderWhole(1.0);
}
BENCHMARK(WholeRenderAtScale)->Arg(200)->Arg(150)->Unit(benchmark::kMicrosecond);

void TitlePath(benchmark::State& state)
{
    Window& w = window();
    w.form->resize(891, 690);
    w.provider->RenderedCache();
    for (auto _ : state) {
        w.provider->Invalidate(TsSkinProvider::Render::Title);
        benchmark::DoNotOptimize(w.provider->RenderedCache().bits());
    }
}
BENCHMARK(TitlePath)->Unit(benchmark::kMicrosecond);

// One hover: the mouse onto the maximise button (one button repainted), per iteration.
void TitleButtonHover(benchmark::State& state)
{
    Window& w = window();
    w.form->resize(891, 690);
    w.provider->RenderedCache();
    const QPoint button = w.provider->ButtonRect(HTMAXBUTTON).center();
    const QPoint away(400, 10);
    for (auto _ : state) {
        state.PauseTiming();
        w.move(away);
        state.ResumeTiming();
        w.move(button);
    }
}
BENCHMARK(TitleButtonHover)->Unit(benchmark::kMicrosecond);

void PaintFromCache(benchmark::State& state)
{
    Window& w = window();
    w.form->resize(891, 690);
    w.provider->RenderedCache();
    for (auto _ : state)
        w.form->repaint();
}
BENCHMARK(PaintFromCache)->Unit(benchmark::kMicrosecond);

void DrawImageRgb32(benchmark::State& state)
{
    QImage source(891, 690, QImage::Format_RGB32);
    source.fill(0x336699);
    QImage target(891, 690, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&target);
        painter.drawImage(0, 0, source);
    }
}
BENCHMARK(DrawImageRgb32)->Unit(benchmark::kMicrosecond);

// One step of sizing by dragging: a new size, the render and the paint.
void ResizeStep1280x1024(benchmark::State& state)
{
    Window& w = window();
    int step = 0;
    for (auto _ : state) {
        w.form->resize(1280 - (step & 1), 1024 - (step & 1));
        ++step;
        w.form->repaint();
    }
}
BENCHMARK(ResizeStep1280x1024)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    theWindow.reset();
    return 0;
}
