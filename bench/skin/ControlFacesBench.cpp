// The faces of the program's skinned containers and text controls on its stored skin:
// a paint that renders the face (cache invalid) beside a paint that only copies it.
// The fixed-test panel 865 × 545, the «Тема» group box 689 × 65 with the topic combo box
// 673 × 28, and one answer button 76 × 31 (it renders at every paint).
#include "BuiltInSkin.h"
#include "skin/TsSkinData.h"
#include "skin/controls/TsComboBox.h"
#include "skin/controls/TsGroupBox.h"
#include "skin/controls/TsPanel.h"
#include "skin/controls/TsRadioGroup.h"
#include "skin/controls/TsRadioButton.h"

#include <QApplication>
#include <QWidget>

#include <benchmark/benchmark.h>

namespace {

// The program's skin, ready, and a window holding one control of each kind.
struct Scene
{
    Scene()
    {
        loadBuiltInSkin();

        window.resize(900, 700);
        panel = new TsPanel(&window);
        panel->setGeometry(8, 80, 865, 545);
        box = new TsGroupBox(&window);
        box->setTitle(QStringLiteral("Тема"));
        box->setGeometry(8, 8, 689, 65);
        combo = new TsComboBox(box);
        combo->setEditable(true);
        combo->setGeometry(8, 20, 673, 28);
        combo->setEditText(QStringLiteral("Название темы"));
        // Beside the panel, not on it, so that the panel's paint is its own face only.
        group = new TsRadioGroup(&window);
        group->setGeometry(8, 640, 393, 49);
        group->setColumns(5);
        group->setItems({"A", "B", "C", "D", "E"});
        window.show();
        QApplication::processEvents();
    }

    QWidget window;
    TsPanel* panel = nullptr;
    TsGroupBox* box = nullptr;
    TsComboBox* combo = nullptr;
    TsRadioGroup* group = nullptr;
};

Scene& scene()
{
    static Scene s;
    return s;
}

template <typename Control>
void paintLoop(benchmark::State& state, Control* control, bool render)
{
    for (auto _ : state) {
        if (render)
            control->SkinData.CacheInvalid = true;
        control->repaint();
    }
}

void PanelRender(benchmark::State& s) { paintLoop(s, scene().panel, true); }
void PanelCopy(benchmark::State& s) { paintLoop(s, scene().panel, false); }
void GroupBoxRender(benchmark::State& s) { paintLoop(s, scene().box, true); }
void GroupBoxCopy(benchmark::State& s) { paintLoop(s, scene().box, false); }
void ComboRender(benchmark::State& s) { paintLoop(s, scene().combo, true); }
void ComboCopy(benchmark::State& s) { paintLoop(s, scene().combo, false); }
void RadioButtonPaint(benchmark::State& s)
{
    paintLoop(s, static_cast<TsRadioButton*>(scene().group->button(2)), false);
}

BENCHMARK(PanelRender)->Unit(benchmark::kMillisecond);
BENCHMARK(PanelCopy)->Unit(benchmark::kMillisecond);
BENCHMARK(GroupBoxRender)->Unit(benchmark::kMillisecond);
BENCHMARK(GroupBoxCopy)->Unit(benchmark::kMillisecond);
BENCHMARK(ComboRender)->Unit(benchmark::kMillisecond);
BENCHMARK(ComboCopy)->Unit(benchmark::kMillisecond);
BENCHMARK(RadioButtonPaint)->Unit(benchmark::kMillisecond);

} // namespace
