// Panels, group boxes and radio buttons on the program's skin: the caption box and the
// frame geometry, faces against the skin's pieces where no text is, the partly-hidden
// rule and what a hover re-renders.
#include "common/QtWarningGuard.h"
#include "skin/SkinWidgetSupport.h"
#include "skin/SkinLookups.h"
#include "skin/controls/TsGrip.h"
#include "skin/controls/TsGroupBox.h"
#include "skin/controls/TsPanel.h"
#include "skin/controls/TsRadioGroup.h"
#include "skin/controls/TsGroupButton.h"
#include "skin/paint/PaintSection.h"
#include "skin/paint/PaintText.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

using skintest::GoldenSkinScope;

const TsMaskData& pieceOf(const QString& section, const QString& property)
{
    const TsSkinTables& tables = TsCommonData::Tables();
    const int index = FindImageIndex(FindSectionIndex(section), section, property);
    EXPECT_GE(index, 0) << section.toStdString() << " " << property.toStdString();
    return tables.masks[std::size_t(std::max(index, 0))];
}

QFont elevenPixels()
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    return font;
}

// A shown top-level window whose children are painted, with a plain background colour.
struct Stage
{
    Stage()
    {
        window.resize(600, 400);
        QPalette colours = window.palette();
        colours.setColor(QPalette::Window, QColor(10, 120, 200));
        window.setPalette(colours);
    }
    void show()
    {
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        window.grab();
    }
    QWidget window;
};

TEST(TsGroupBoxGeometry, CaptionBoxRows)
{
    struct Row {
        const char* name;
        int width, textWidth, letterHeight;
        TsGroupBox::CaptionLayout layout;
        TsRect expected;
    };
    const Row rows[] = {
        {"top left", 689, 30, 13, TsGroupBox::clTopLeft, {6, 0, 44, 15}},
        {"top centre", 200, 30, 13, TsGroupBox::clTopCenter, {80, 0, 118, 15}},
        {"top right", 200, 30, 13, TsGroupBox::clTopRight, {156, 0, 194, 15}},
        {"top right, caption wider than the box", 100, 150, 13, TsGroupBox::clTopRight, {0, 0, 100, 15}},
        {"top left, caption wider than the box", 100, 150, 13, TsGroupBox::clTopLeft, {6, 0, 100, 15}},
        {"tiny font keeps a 4-pixel letter", 100, 10, 2, TsGroupBox::clTopLeft, {6, 0, 24, 6}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(TsGroupBox::CaptionBox(row.width, row.textWidth, row.letterHeight, row.layout), row.expected) << row.name;
}

TEST(TsGroupBoxGeometry, FrameTopIsHalfTheCaptionBoxAndTheTopEdgeWithoutCaption)
{
    TsGroupBox box;
    box.setFont(elevenPixels());
    box.resize(689, 65);
    box.setTitle(QStringLiteral("Тема"));
    const int letter = MeasureText(box.font(), QStringLiteral("W")).height();
    EXPECT_EQ(box.CaptionBox().Left, 6);
    EXPECT_EQ(box.CaptionBox().width(), MeasureText(box.font(), QStringLiteral("Тема")).width() + 8);
    EXPECT_EQ(box.FrameTop(), (std::max(4, letter) + 2) / 2);
    box.setTitle(QString());
    EXPECT_EQ(box.FrameTop(), 0);
}

// The «Тема» box over a plain parent: the left frame edge is the border piece's, the frame
// line is interrupted behind the caption and runs on after it.
TEST(TsGroupBoxFace, FrameFromTheBorderPieceInterruptedBehindTheCaption)
{
    GoldenSkinScope skin;
    Stage stage;
    auto* box = new TsGroupBox(&stage.window);
    box->setFont(elevenPixels());
    box->setSkinSection(QStringLiteral("GROUPBOX"));
    box->setTitle(QStringLiteral("Тема"));
    box->setGeometry(8, 8, 300, 65);
    stage.show();
    ASSERT_TRUE(box->SkinData.IsSkinned());
    const Bitmap24& face = *box->SkinData.CacheBitmap;
    ASSERT_EQ(face.width(), 300);
    const TsMaskData& piece = pieceOf(QStringLiteral("GROUPBOX"), QStringLiteral("BORDERSMASK"));
    const Bitmap24& master = TsCommonData::Tables().masterBitmap;
    const int cell = piece.R.width() / 3;
    const int top = box->FrameTop();
    const uint32_t parentColour = 0xC8780A; // (10, 120, 200) as 00BBGGRR

    // The first left-edge row below the corner: the piece's row where it is not magenta.
    int compared = 0;
    for (int x = 0; x < cell; ++x) {
        const uint32_t source = master.pixel(piece.R.Left + x, piece.R.Top + cell);
        const uint32_t mask = master.pixel(piece.R.Left + x, piece.R.Top + piece.R.height() / 2 + cell);
        if (source == kTransparentColor || mask != 0)
            continue;
        EXPECT_EQ(face.pixel(x, top + cell), source) << "left edge x " << x;
        ++compared;
    }
    EXPECT_GT(compared, 0) << "the piece's left edge has painted pixels";

    // Behind the caption the frame row shows the parent; after it the top edge runs on.
    const TsRect caption = box->CaptionBox();
    int edgeRow = -1;
    for (int y = 0; y < cell && edgeRow < 0; ++y) {
        const uint32_t source = master.pixel(piece.R.Left + cell, piece.R.Top + y);
        if (source != kTransparentColor && source != parentColour)
            edgeRow = y;
    }
    ASSERT_GE(edgeRow, 0);
    for (int x = caption.Left + 1; x < caption.Right - 1; ++x) {
        if (face.pixel(x, top + edgeRow) != parentColour) {
            // Only caption letters may stand there, never the frame line.
            EXPECT_NE(face.pixel(x, top + edgeRow), master.pixel(piece.R.Left + cell, piece.R.Top + edgeRow)) << x;
        }
    }
    EXPECT_EQ(face.pixel(caption.Right + 2 * cell, top + edgeRow), master.pixel(piece.R.Left + cell, piece.R.Top + edgeRow));
    // Above the frame line, beside the caption, the parent shows (the section is transparent).
    EXPECT_EQ(face.pixel(caption.Right + 2 * cell, 0), parentColour);
}

TEST(TsGroupBoxFace, WithoutCaptionTheFrameStartsAtTheTop)
{
    GoldenSkinScope skin;
    Stage stage;
    auto* box = new TsGroupBox(&stage.window);
    box->setSkinSection(QStringLiteral("GROUPBOX"));
    box->setGeometry(8, 8, 200, 60);
    stage.show();
    const TsMaskData& piece = pieceOf(QStringLiteral("GROUPBOX"), QStringLiteral("BORDERSMASK"));
    const Bitmap24& master = TsCommonData::Tables().masterBitmap;
    const int cell = piece.R.width() / 3;
    int compared = 0;
    for (int y = 0; y < cell; ++y) {
        const uint32_t source = master.pixel(piece.R.Left + cell, piece.R.Top + y);
        const uint32_t mask = master.pixel(piece.R.Left + cell, piece.R.Top + piece.R.height() / 2 + y);
        if (source == kTransparentColor || mask != 0)
            continue;
        EXPECT_EQ(box->SkinData.CacheBitmap->pixel(100, y), source) << y;
        ++compared;
    }
    EXPECT_GT(compared, 0);
}

TEST(TsPanelFace, CornerCellIsThePanelPieceAndTouchingTheRightEdgeRendersAtEveryPaint)
{
    GoldenSkinScope skin;
    Stage stage;
    auto* inside = new TsPanel(&stage.window);
    inside->setGeometry(10, 10, 200, 150);
    auto* touching = new TsPanel(&stage.window);
    touching->setGeometry(400, 10, 200, 150); // right edge at the window's 600
    stage.show();
    ASSERT_TRUE(inside->SkinData.IsSkinned());
    EXPECT_EQ(inside->skinSection(), QStringLiteral("PANEL"));

    const TsMaskData& piece = pieceOf(QStringLiteral("PANEL"), QStringLiteral("BORDERSMASK"));
    const Bitmap24& master = TsCommonData::Tables().masterBitmap;
    const int frames = std::max<int>(piece.ImageCount, 1);
    const int cellW = piece.R.width() / frames / 3;
    const int cellH = piece.R.height() / (piece.MaskType + 1) / 3;
    int compared = 0;
    for (int y = 0; y < cellH; ++y) {
        for (int x = 0; x < cellW; ++x) {
            const uint32_t source = master.pixel(piece.R.Left + x, piece.R.Top + y);
            const bool masked = piece.MaskType > 0 && master.pixel(piece.R.Left + x, piece.R.Top + piece.R.height() / 2 + y) != 0;
            if (source == kTransparentColor || masked)
                continue;
            EXPECT_EQ(inside->SkinData.CacheBitmap->pixel(x, y), source) << x << "," << y;
            ++compared;
        }
    }
    EXPECT_GT(compared, 0);

    // The middle is the section's gradient; the border piece does not cover it.
    Bitmap24 fill(200, 150);
    PaintSectionFill(TsCommonData::Tables(), fill, RectOfSize(200, 150), inside->SkinData.SectionIndex, QStringLiteral("PANEL"), 0,
                     SectionPatternsByName(TsCommonData::Tables(), inside->SkinData.SectionIndex, QStringLiteral("PANEL")));
    for (int x = 2 * cellW; x < 200 - 2 * cellW; x += 7)
        EXPECT_EQ(inside->SkinData.CacheBitmap->pixel(x, 75), fill.pixel(x, 75)) << x;

    const int insideRenders = inside->SkinData.RenderCount, touchingRenders = touching->SkinData.RenderCount;
    inside->repaint();
    touching->repaint();
    EXPECT_EQ(inside->SkinData.RenderCount, insideRenders) << "a panel inside its parent keeps its face";
    EXPECT_EQ(touching->SkinData.RenderCount, touchingRenders + 1) << "a panel at the parent's edge renders again";
    EXPECT_TRUE(touching->SkinData.PartlyHidden);
}

TEST(TsGripFace, ATwentyPixelCheckboxPanelWithABlankCaption)
{
    GoldenSkinScope skin;
    TsGrip grip;
    EXPECT_EQ(grip.size(), QSize(20, 20));
    EXPECT_EQ(grip.skinSection(), QStringLiteral("CHECKBOX"));
    EXPECT_EQ(grip.caption(), QStringLiteral(" "));
    EXPECT_TRUE(grip.SkinData.IsSkinned());
}

TEST(TsRadioButtonFace, GlyphIsTheSkinsRadioPictureAndChecksShowIt)
{
    GoldenSkinScope skin;
    Stage stage;
    auto* group = new TsRadioGroup(&stage.window);
    group->setFont(elevenPixels());
    group->setGeometry(8, 8, 393, 49);
    group->setColumns(5);
    group->setItems({"A", "B", "C", "D", "E"});
    stage.show();
    auto* button = static_cast<TsRadioButton*>(group->button(1));
    group->setItemIndex(1);

    const TsMaskData& checked = pieceOf(QStringLiteral("GLOBALINFO"), QStringLiteral("RADIOCHECKED"));
    const Bitmap24& master = TsCommonData::Tables().masterBitmap;
    const QImage shown = button->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const TsRect glyph = button->GlyphRect();
    EXPECT_EQ(glyph.width(), 15);
    EXPECT_EQ(glyph.height(), 13);
    int compared = 0;
    for (int y = 0; y < glyph.height(); ++y) {
        for (int x = 0; x < glyph.width(); ++x) {
            const uint32_t source = master.pixel(checked.R.Left + x, checked.R.Top + y);
            if (source == kTransparentColor)
                continue;
            const QRgb pixel = shown.pixel(glyph.Left + x, glyph.Top + y);
            EXPECT_EQ(uint32_t(qRed(pixel) | qGreen(pixel) << 8 | qBlue(pixel) << 16), source) << x << "," << y;
            ++compared;
        }
    }
    EXPECT_GT(compared, 20);
    EXPECT_EQ(button->SkinData.CacheBitmap->width(), 0) << "no picture is kept between paints";
}

// Hovering a radio button renders its own face only; the containers copy their caches.
TEST(SkinnedRenders, HoverRendersOnlyTheHoveredButton)
{
    QtWarningGuard warnings;
    GoldenSkinScope skin;
    Stage stage;
    auto* panel = new TsPanel(&stage.window);
    panel->setGeometry(8, 5, 505, 393);
    auto* box = new TsGroupBox(panel);
    box->setTitle(QStringLiteral("Результат"));
    box->setGeometry(152, 112, 169, 105);
    auto* group = new TsRadioGroup(panel);
    group->setGeometry(8, 336, 393, 49);
    group->setColumns(5);
    group->setItems({"A", "B", "C", "D", "E"});
    stage.show();
    QApplication::processEvents();

    auto renders = [&] {
        std::vector<int> counts{panel->SkinData.RenderCount, box->SkinData.RenderCount, group->SkinData.RenderCount};
        for (int i = 0; i < 5; ++i)
            counts.push_back(static_cast<TsRadioButton*>(group->button(i))->SkinData.RenderCount);
        return counts;
    };
    const std::vector<int> before = renders();
    skintest::sendEnter(group->button(2));
    QApplication::processEvents();
    std::vector<int> after = renders();
    EXPECT_GT(after[5], before[5]) << "the hovered button shows its hot face";
    after[5] = before[5];
    EXPECT_EQ(after, before) << "no other face is rendered again";
}

} // namespace
