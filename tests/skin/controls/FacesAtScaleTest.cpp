// Faces of the skinned controls and the frame as a paint shows them: at 100 % exactly the
// pictures kept in faces/; at other scales text at the screen's resolution, the exact size,
// and one render per change of scale. VESTRON_WRITE_FACES=1 writes the pictures anew.
#include "skin/SkinWidgetSupport.h"
#include "skin/TsSkinManager.h"
#include "skin/controls/TsBitBtn.h"
#include "skin/controls/TsButton.h"
#include "skin/controls/TsComboBox.h"
#include "skin/controls/TsEdit.h"
#include "skin/controls/TsGroupBox.h"
#include "skin/controls/TsMemo.h"
#include "skin/controls/TsPanel.h"
#include "skin/controls/TsRadioButton.h"
#include "skin/controls/TsScrollBar.h"
#include "skin/controls/FormMetrics.h"
#include "skin/controls/TsSkinProvider.h"
#include "skin/paint/PaintScale.h"

#include <gtest/gtest.h>

#include <QMenuBar>
#include <QPainter>
#include <QTest>
#include <QVBoxLayout>

#include <functional>
#include <memory>

namespace {

using skintest::GoldenSkinScope;

// The glyph of «Презентация»: a picture of our own, 24 × 24, with a transparent corner.
QIcon presentationGlyph()
{
    QImage image(24, 24, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.fillRect(2, 4, 20, 14, QColor(40, 90, 160));
    painter.fillRect(5, 7, 14, 8, QColor(250, 250, 240));
    painter.fillRect(11, 18, 2, 5, QColor(60, 60, 60));
    return QIcon(QPixmap::fromImage(image));
}

struct FaceRow
{
    const char* name;
    std::function<QWidget*(QWidget* parent)> make;
};

const std::vector<FaceRow>& faceRows()
{
    static const std::vector<FaceRow> rows = {
        {"button", [](QWidget* p) { auto* b = new TsButton(p); b->setText(QStringLiteral("Сдать")); b->setGeometry(8, 8, 75, 25); return b; }},
        {"button-disabled", [](QWidget* p) { auto* b = new TsButton(p); b->setText(QStringLiteral("Начать тестирование")); b->setGeometry(8, 40, 329, 25); b->setEnabled(false); return b; }},
        {"bitbtn", [](QWidget* p) { auto* b = new TsBitBtn(p); b->setText(QStringLiteral("Презентация")); b->setIcon(presentationGlyph()); b->setIconSize(QSize(24, 24)); b->setGeometry(8, 70, 169, 65); return b; }},
        {"edit", [](QWidget* p) { auto* e = new TsEdit(p); e->setText(QStringLiteral("Иванов И. И.")); e->setGeometry(200, 8, 150, 21); return e; }},
        {"combo", [](QWidget* p) { auto* c = new TsComboBox(p); c->addItem(QStringLiteral("Лекция 1. Введение")); c->setGeometry(200, 40, 180, 21); return c; }},
        {"memo", [](QWidget* p) { auto* m = new TsMemo(p); m->setPlainText(QStringLiteral("Вопрос")); m->setGeometry(200, 70, 120, 60); return m; }},
        {"panel", [](QWidget* p) { auto* c = new TsPanel(p); c->setCaption(QStringLiteral("Панель")); c->setGeometry(8, 140, 120, 40); return c; }},
        {"groupbox", [](QWidget* p) { auto* g = new TsGroupBox(p); g->setTitle(QStringLiteral("Тема")); g->setGeometry(140, 140, 150, 50); return g; }},
        {"radio", [](QWidget* p) { auto* r = new TsRadioButton(p); r->setText(QStringLiteral("Вариант A")); r->setChecked(true); r->setGeometry(300, 140, 90, 20); return r; }},
        {"scrollbar-vertical", [](QWidget* p) { auto* s = new TsScrollBar(p); s->setOrientation(Qt::Vertical); s->setRange(0, 100); s->setValue(30); s->setGeometry(400, 8, 16, 150); return s; }},
        {"scrollbar-horizontal", [](QWidget* p) { auto* s = new TsScrollBar(p); s->setOrientation(Qt::Horizontal); s->setRange(0, 100); s->setValue(70); s->setGeometry(8, 200, 300, 16); return s; }},
    };
    return rows;
}

// A skinned window: the frame, its menu band, and every control of the table on the client.
// Members go in reverse order: the form before the manager before the skin.
struct SkinnedWindow
{
    GoldenSkinScope skin;
    TsSkinManager manager;
    std::unique_ptr<QWidget> form = std::make_unique<QWidget>();
    QWidget* client = nullptr;
    TsSkinProvider* provider = nullptr;
    std::vector<QWidget*> controls;

    SkinnedWindow()
    {
        form->setWindowTitle(QStringLiteral("Учебник"));
        form->resize(440, 300);
        auto* layout = new QVBoxLayout(form.get());
        layout->setContentsMargins(0, 0, 0, 0);
        auto* menuBar = new QMenuBar(form.get());
        for (const char* caption : {"УМКД", "Лекции", "Выход"})
            menuBar->addAction(QString::fromUtf8(caption));
        layout->setMenuBar(menuBar);
        client = new QWidget(form.get());
        layout->addWidget(client);
        provider = new TsSkinProvider(form.get(), client, menuBar, QSize(448, 330));
        for (const FaceRow& row : faceRows())
            controls.push_back(row.make(client));
        form->show();
        (void)QTest::qWaitForWindowExposed(form.get());
    }
};

void compareOrWrite(const char* name, const QImage& shown)
{
    const QString path = QStringLiteral(VESTRON_SOURCE_DIR "/tests/skin/controls/faces/%1.png").arg(QString::fromLatin1(name));
    const QImage picture = shown.convertToFormat(QImage::Format_RGB32);
    if (qEnvironmentVariableIntValue("VESTRON_WRITE_FACES") == 1) {
        ASSERT_TRUE(picture.save(path)) << name;
        return;
    }
    const QImage kept = QImage(path).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(kept.isNull()) << "no kept picture for " << name;
    ASSERT_EQ(picture.size(), kept.size()) << name;
    for (int y = 0; y < kept.height(); ++y)
        for (int x = 0; x < kept.width(); ++x)
            ASSERT_EQ(picture.pixel(x, y), kept.pixel(x, y)) << name << " at " << x << "," << y;
}

// The controls share no base class, only a member named SkinData.
template <class... Control>
const TsCommonData* dataOf(QWidget* w)
{
    const TsCommonData* data = nullptr;
    ((data = data ? data : dynamic_cast<Control*>(w) ? &static_cast<Control*>(w)->SkinData : nullptr), ...);
    return data;
}

TEST(FacesAtScale, AtOneEveryFaceAndTheFrameAreTheKeptPictures)
{
    SkinnedWindow window;
    ASSERT_TRUE(window.provider->FrameIsSkinned());
    const std::vector<FaceRow>& rows = faceRows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(rows[i].name);
        compareOrWrite(rows[i].name, window.controls[i]->grab().toImage());
    }
    compareOrWrite("frame", window.form->grab().toImage());
}

// A paint of the widget onto a picture of `scale` device pixels per logical pixel.
QImage paintedAt(QWidget* widget, double scale)
{
    QImage image(DeviceSizeOf(widget->size(), scale), QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::black);
    widget->render(&image);
    return image;
}

// Aligned 2 × 2 blocks of device pixels inside a logical rectangle that are not one
// colour: a pixel-doubled picture has none.
int mixedBlocks(const QImage& image, QRect logical)
{
    int mixed = 0;
    for (int y = logical.top(); y <= logical.bottom(); ++y)
        for (int x = logical.left(); x <= logical.right(); ++x) {
            const QRgb c = image.pixel(2 * x, 2 * y);
            if (image.pixel(2 * x + 1, 2 * y) != c || image.pixel(2 * x, 2 * y + 1) != c || image.pixel(2 * x + 1, 2 * y + 1) != c)
                ++mixed;
        }
    return mixed;
}

TEST(FacesAtScale, AtTwoTheTextIsDrawnAtTheScreensResolutionAndThePictureHasTheExactSize)
{
    SkinnedWindow window;
    window.provider->RenderWhole(2.0);
    const QImage& frame = window.provider->ScreenPicture();
    ASSERT_EQ(frame.size(), window.form->size() * 2);
    const FormMetrics& m = window.provider->Metrics();
    const struct {
        const char* name;
        QImage picture;
        QRect text;
        QPoint plain; // a pixel of the skin's pieces, no text
    } rows[] = {
        {"button caption", paintedAt(window.controls[0], 2.0), QRect(20, 6, 35, 13), {1, 12}},
        {"bit button caption", paintedAt(window.controls[2], 2.0), QRect(40, 20, 110, 25), {2, 30}},
        {"title", frame, m.captionRect(window.form->width()).adjusted(0, 0, -40, 0), {1, 100}},
        {"menu item", frame, window.provider->MenuLayout().items.front(), {1, 200}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_GT(mixedBlocks(row.picture, row.text), 5) << "the letters are not doubled pixels";
        const QRgb plain = row.picture.pixel(2 * row.plain.x(), 2 * row.plain.y());
        EXPECT_EQ(row.picture.pixel(2 * row.plain.x() + 1, 2 * row.plain.y() + 1), plain) << "a piece's pixel is a 2 × 2 block";
    }
}

TEST(FacesAtScale, AChangeOfScaleRendersOnceAndFractionalScalesCoverTheControl)
{
    SkinnedWindow window;
    const struct { double scale; int renders; /* since the start */ } steps[] = {{1.0, 0}, {2.0, 1}, {2.0, 1}, {1.5, 2}, {1.5, 2}, {1.25, 3}, {1.0, 4}};
    for (std::size_t i = 0; i < window.controls.size(); ++i) {
        QWidget* control = window.controls[i];
        const TsCommonData* data = dataOf<TsButton, TsEdit, TsComboBox, TsMemo, TsPanel, TsGroupBox, TsRadioButton, TsScrollBar>(control);
        ASSERT_NE(data, nullptr) << faceRows()[i].name;
        (void)paintedAt(control, 1.0);
        const int start = data->RenderCount;
        for (const auto& step : steps) {
            SCOPED_TRACE(::testing::Message() << faceRows()[i].name << " at " << step.scale);
            (void)paintedAt(control, step.scale);
            if (!qobject_cast<TsRadioButton*>(control)) // the radio renders at every paint
                EXPECT_EQ(data->RenderCount - start, step.renders);
            EXPECT_EQ(data->ScreenPicture().size(), DeviceSizeOf(control->size(), step.scale));
            EXPECT_DOUBLE_EQ(data->ScreenPicture().devicePixelRatio(), step.scale);
        }
    }
}

} // namespace
