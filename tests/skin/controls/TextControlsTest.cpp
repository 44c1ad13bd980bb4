// Edits, combo boxes and memos on the program's skin: the button and text geometry, the
// two display modes as the focus moves, password characters, the open list's pressed
// glyph, read-only combo boxes and the memo's colours.
#include "skin/SkinWidgetSupport.h"
#include "skin/SkinLookups.h"
#include "skin/SkinMessage.h"
#include "skin/controls/TsComboBox.h"
#include "skin/controls/TsEdit.h"
#include "skin/controls/TsMemo.h"
#include "skin/controls/TsScrollBar.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLineEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

using skintest::GoldenSkinScope;

QImage shownImage(QWidget* widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QImage faceImage(const TsCommonData& data)
{
    return data.CacheBitmap->imageView().convertToFormat(QImage::Format_RGB32);
}

bool sameIn(const QImage& a, const QImage& b, const QRect& area)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                return false;
    return true;
}

// An active window holding the controls, so that focus moves for real.
class TextControls : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window.resize(720, 200);
        combo = new TsComboBox(&window);
        combo->setEditable(true);
        combo->setGeometry(8, 20, 673, 28);
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPixelSize(16);
        combo->setFont(font);
        combo->addItems({QStringLiteral("Тема 1"), QStringLiteral("Тема 10")});
        combo->setCurrentIndex(-1);
        combo->setEditText(QStringLiteral("Название темы"));
        edit = new TsEdit(&window);
        edit->setGeometry(8, 80, 200, 21);
        other = new TsEdit(&window);
        other->setGeometry(8, 120, 200, 21);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        other->setFocus();
        QApplication::processEvents();
    }

    GoldenSkinScope skin;
    QWidget window;
    TsComboBox* combo = nullptr;
    TsEdit* edit = nullptr;
    TsEdit* other = nullptr;
};

TEST(TsComboBoxGeometry, ButtonAndTextRectangles)
{
    TsComboBox plain;
    plain.resize(673, 28);
    EXPECT_EQ(plain.GlyphSize(), QSize(16, 16)) << "without a skin";
    GoldenSkinScope skin;
    TsComboBox combo;
    combo.resize(673, 28);
    ASSERT_TRUE(combo.SkinData.IsSkinned());
    EXPECT_EQ(combo.GlyphSize(), QSize(19, 17)) << "57 × 34 in three masked frames";
    EXPECT_EQ(combo.ButtonRect(), QRect(652, 5, 19, 17));
    EXPECT_EQ(combo.TextRect(), (TsRect{3, 2, 651, 24}));
    EXPECT_EQ(combo.EditFieldRect(), QRect(3, 3, 647, 22));
    combo.resize(100, 21);
    EXPECT_EQ(combo.ButtonRect(), QRect(79, 2, 19, 17)) << "(21 - 17) div 2";
}

TEST_F(TextControls, TheFocusedComboShowsItsLiveEditorWhateverItsSelection)
{
    struct Step {
        const char* name;
        bool focus;
        int index;
        bool live;
    };
    const Step steps[] = {
        {"unfocused placeholder", false, -1, false},
        {"focused placeholder", true, -1, true},
        {"focused selection", true, 1, true},
        {"unfocused selection", false, 1, false},
    };
    for (const Step& step : steps) {
        if (step.index >= 0)
            combo->setCurrentIndex(step.index);
        if (step.focus)
            combo->setFocus();
        else
            other->setFocus();
        QApplication::processEvents();
        EXPECT_EQ(combo->ShowsLiveEditor(), step.live) << step.name;
        const QImage shown = shownImage(combo);
        const QImage face = faceImage(combo->SkinData);
        EXPECT_TRUE(sameIn(shown, face, QRect(0, 0, 673, 3))) << step.name << ": top frame from the face";
        EXPECT_TRUE(sameIn(shown, face, combo->ButtonRect())) << step.name << ": the button from the face";
        EXPECT_EQ(sameIn(shown, face, combo->EditFieldRect()), !step.live)
            << step.name << (step.live ? ": the editor shows its own text" : ": the face's text shows");
    }
}

TEST_F(TextControls, TypingIntoTheFocusedComboShowsTheTypedText)
{
    combo->setFocus();
    QApplication::processEvents();
    combo->lineEdit()->clear();
    for (QChar letter : QStringLiteral("ВВЕД"))
        QTest::sendKeyEvent(QTest::Click, combo->lineEdit(), Qt::Key(letter.unicode()), QString(letter), Qt::NoModifier);
    EXPECT_EQ(combo->currentText(), QStringLiteral("ВВЕД"));
    EXPECT_TRUE(combo->ShowsLiveEditor());
    EXPECT_EQ(combo->lineEdit()->geometry(), combo->EditFieldRect()) << "the editor stands inside the frame";
    const QImage shown = shownImage(combo);
    EXPECT_FALSE(sameIn(shown, faceImage(combo->SkinData), combo->EditFieldRect()));
}

TEST_F(TextControls, OpenListPressesTheGlyphAndAnswersIsDroppedDown)
{
    combo->setFocus();
    QApplication::processEvents();
    const QRect button = combo->ButtonRect();
    const QImage closed = shownImage(combo);
    EXPECT_EQ(SkinMessage::send(combo, SKN_ISDROPPEDDOWN), 0);
    combo->showPopup();
    EXPECT_TRUE(combo->Dropped());
    EXPECT_EQ(SkinMessage::send(combo, SKN_ISDROPPEDDOWN), 1);
    const QImage open = shownImage(combo);
    EXPECT_FALSE(sameIn(closed, open, button)) << "pressed glyph while open";
    combo->hidePopup();
    EXPECT_FALSE(combo->Dropped());
    EXPECT_EQ(SkinMessage::send(combo, SKN_ISDROPPEDDOWN), 0);
    EXPECT_TRUE(sameIn(closed, shownImage(combo), button)) << "back to the hot glyph";
}

TEST_F(TextControls, ClickOnTheSkinnedButtonOpensTheList)
{
    QTest::mouseClick(combo, Qt::LeftButton, Qt::NoModifier, combo->ButtonRect().center());
    EXPECT_TRUE(combo->view()->isVisible());
    EXPECT_TRUE(combo->Dropped());
    combo->hidePopup();
}

TEST_F(TextControls, ReadOnlyComboTakesTheFocusButNeitherTypesNorChanges)
{
    combo->setCurrentIndex(0);
    combo->setReadOnly(true);
    combo->setFocus();
    QApplication::processEvents();
    EXPECT_TRUE(combo->hasFocus());
    QTest::keyClicks(combo->lineEdit(), QStringLiteral("xyz"));
    QTest::keyClick(combo, Qt::Key_Down);
    QTest::keyClick(combo, Qt::Key_Down, Qt::AltModifier);
    QTest::keyClick(combo, Qt::Key_F4);
    QTest::mouseClick(combo, Qt::LeftButton, Qt::NoModifier, combo->ButtonRect().center());
    EXPECT_EQ(combo->currentIndex(), 0);
    EXPECT_EQ(combo->currentText(), QStringLiteral("Тема 1"));
    EXPECT_FALSE(combo->view()->isVisible());
    EXPECT_FALSE(combo->Dropped());
    combo->setReadOnly(false);
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(combo->currentIndex(), 1) << "writable again";
}

TEST_F(TextControls, EditShowsTheFaceUntilFocusedThenItsLiveText)
{
    edit->setText(QStringLiteral("Иванов"));
    QApplication::processEvents();
    EXPECT_FALSE(edit->ShowsLiveEditor());
    const QRect inside = edit->rect().adjusted(2, 2, -3, -3);
    EXPECT_TRUE(sameIn(shownImage(edit), faceImage(edit->SkinData), edit->rect().adjusted(0, 0, -1, -1)))
        << "the whole face with the skin's text";
    edit->setFocus();
    QApplication::processEvents();
    EXPECT_TRUE(edit->ShowsLiveEditor());
    const QImage focused = shownImage(edit);
    const QImage face = faceImage(edit->SkinData);
    EXPECT_TRUE(sameIn(focused, face, QRect(0, 0, 200, 2))) << "the 2-pixel frame";
    EXPECT_TRUE(sameIn(focused, face, QRect(0, 19, 200, 2)));
    EXPECT_FALSE(sameIn(focused, face, inside)) << "the live text and caret";
}

TEST_F(TextControls, EditCornerIsTheEditPiece)
{
    edit->setGeometry(8, 80, 120, 40);
    QApplication::processEvents();
    edit->grab();
    const int index = FindImageIndex(edit->SkinData.SectionIndex, QStringLiteral("EDIT"), QStringLiteral("BORDERSMASK"));
    ASSERT_GE(index, 0);
    const TsMaskData& piece = TsCommonData::Tables().masks[std::size_t(index)];
    const Bitmap24& master = TsCommonData::Tables().masterBitmap;
    const int cell = piece.R.width() / 3;
    int compared = 0;
    for (int y = 0; y < cell; ++y) {
        for (int x = 0; x < cell; ++x) {
            const uint32_t source = master.pixel(piece.R.Left + x, piece.R.Top + y);
            if (source == kTransparentColor)
                continue;
            EXPECT_EQ(edit->SkinData.CacheBitmap->pixel(x, y), source) << x << "," << y;
            ++compared;
        }
    }
    EXPECT_GT(compared, 0);
}

TEST_F(TextControls, RemovingTheSkinGivesBackThePlatformLookAndALoadTakesItAgain)
{
    ASSERT_FALSE(edit->hasFrame());
    const QRect skinnedEditor = combo->lineEdit()->geometry();
    SkinMessage::send(edit, SKN_SKINREMOVED);
    SkinMessage::send(combo, SKN_SKINREMOVED);
    EXPECT_FALSE(edit->SkinData.IsSkinned());
    EXPECT_TRUE(edit->hasFrame());
    EXPECT_NE(combo->lineEdit()->geometry(), skinnedEditor) << "the plain combo places its editor itself";
    for (QWidget* control : {static_cast<QWidget*>(edit), static_cast<QWidget*>(combo)}) {
        SkinMessage::send(control, SKN_SKINCHANGING);
        SkinMessage::send(control, SKN_SKINCHANGED);
    }
    EXPECT_TRUE(edit->SkinData.IsSkinned());
    EXPECT_FALSE(edit->hasFrame());
    EXPECT_EQ(combo->lineEdit()->geometry(), skinnedEditor);
}

TEST_F(TextControls, PasswordShowsOneCharacterPerLetter)
{
    edit->setText(QStringLiteral("секрет"));
    edit->setEchoMode(QLineEdit::Password);
    const QString shown = edit->SkinText();
    ASSERT_EQ(shown.size(), 6);
    EXPECT_EQ(shown, QString(6, shown.at(0)));
    EXPECT_NE(shown.at(0), QChar(u'с'));
    edit->setEchoMode(QLineEdit::Normal);
    EXPECT_EQ(edit->SkinText(), QStringLiteral("секрет"));
}

TEST_F(TextControls, MemoTakesTheSectionsColoursAndKeepsNoPictureForChildren)
{
    auto* memo = new TsMemo(&window);
    memo->setGeometry(220, 80, 300, 100);
    memo->show();
    QApplication::processEvents();
    const TsGeneralData* section = memo->SkinData.Section();
    ASSERT_NE(section, nullptr);
    EXPECT_EQ(memo->TextBackground(), ToQColor(section->Color));
    memo->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(memo->TextBackground(), ToQColor(section->HotColor));
    EXPECT_EQ(memo->viewport()->geometry(), QRect(2, 2, 296, 96)) << "inside the 2-pixel frame";
    TsParentCache answer{nullptr, 7, 7, false};
    SkinMessage::send(memo, SKN_GETCACHE, 0, reinterpret_cast<intptr_t>(&answer));
    EXPECT_EQ(answer.OffsetX, 7) << "the memo offers no picture to children";
    EXPECT_EQ(answer.Bitmap, nullptr);
}

TEST_F(TextControls, MemoWithLongTextShowsSkinnedBarsThatScrollIt)
{
    auto* memo = new TsMemo(&window);
    memo->setGeometry(220, 20, 200, 100);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    QStringList lines;
    for (int i = 1; i <= 40; ++i)
        lines << QStringLiteral("Строка %1 с довольно длинным текстом, который не помещается в ширину").arg(i);
    memo->setPlainText(lines.join(u'\n'));
    memo->SetScrollBars(ssBoth);
    memo->show();
    QApplication::processEvents();

    TsScrollBar* vertical = memo->VertBar();
    TsScrollBar* horizontal = memo->HorzBar();
    ASSERT_TRUE(vertical->isVisible() && horizontal->isVisible());
    EXPECT_TRUE(vertical->IsSkinnedNow());
    EXPECT_EQ(vertical->HostControl, memo);
    // Inside the 2-pixel frame: the vertical bar at W - 16 - 2, the horizontal one at H - 16 - 2.
    EXPECT_EQ(QRect(vertical->mapTo(memo, QPoint(0, 0)), vertical->size()), QRect(182, 2, 16, 80));
    EXPECT_EQ(QRect(horizontal->mapTo(memo, QPoint(0, 0)), horizontal->size()), QRect(2, 82, 180, 16));
    EXPECT_TRUE(vertical->isEnabled());

    ASSERT_EQ(memo->cursorForPosition(QPoint(1, 1)).blockNumber(), 0);
    const QPoint down = vertical->PartRect(ScrollBarGeometry::Arrow2).center();
    QTest::mousePress(vertical, Qt::LeftButton, Qt::NoModifier, down);
    QTest::mouseRelease(vertical, Qt::LeftButton, Qt::NoModifier, down);
    EXPECT_EQ(vertical->Position(), 1);
    EXPECT_EQ(memo->cursorForPosition(QPoint(1, 1)).blockNumber(), 1) << "the text follows the bar";
    const QPoint track = vertical->PartRect(ScrollBarGeometry::Track2).center();
    QTest::mousePress(vertical, Qt::LeftButton, Qt::NoModifier, track);
    QTest::mouseRelease(vertical, Qt::LeftButton, Qt::NoModifier, track);
    EXPECT_EQ(vertical->Position(), 2) << "a track click moves by the bar's LargeChange, 1 as made";

    const int before = horizontal->Position();
    const QPoint right = horizontal->PartRect(ScrollBarGeometry::Arrow2).center();
    QTest::mousePress(horizontal, Qt::LeftButton, Qt::NoModifier, right);
    QTest::mouseRelease(horizontal, Qt::LeftButton, Qt::NoModifier, right);
    EXPECT_GT(horizontal->Position(), before);

    // Typing moves the caret to the end; the bar follows the text.
    memo->setFocus();
    QTest::keyClick(memo, Qt::Key_End, Qt::ControlModifier);
    QApplication::processEvents();
    EXPECT_EQ(vertical->Position(), vertical->Max());
}

TEST_F(TextControls, MemoBarsOnlyWhereAskedAndWhereThereIsRoom)
{
    const struct { const char* name; QSize size; int style; bool vertical, horizontal; } rows[] = {
        {"the program's memos ask for none", {200, 100}, ssNone, false, false},
        {"vertical only", {200, 100}, ssVertical, true, false},
        {"15 pixels wide", {15, 100}, ssBoth, false, false},
        {"15 pixels high", {100, 15}, ssBoth, false, false},
        {"16 × 16", {16, 16}, ssHorizontal, false, true},
    };
    for (const auto& row : rows) {
        auto* memo = new TsMemo(&window);
        memo->setGeometry(QRect(QPoint(220, 20), row.size));
        memo->SetScrollBars(row.style);
        memo->show();
        QApplication::processEvents();
        EXPECT_EQ(memo->VertBar()->isVisible(), row.vertical) << row.name;
        EXPECT_EQ(memo->HorzBar()->isVisible(), row.horizontal) << row.name;
        if (row.size.height() > 50)
            EXPECT_FALSE(memo->VertBar()->isEnabled()) << row.name << ": an empty memo has nothing to scroll";
        delete memo;
    }
}

} // namespace
