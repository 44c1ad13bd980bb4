// The skinned frame of a form: geometry switch, pixels of the border, title buttons and
// menu items against the skin's pieces, the window region, single-button repaints, the
// mouse on the frame and the menu bar, and the way back to the desktop's frame.
#include "platform/HitCodes.h"
#include "skin/SkinLookups.h"
#include "skin/SkinMessage.h"
#include "skin/SkinWidgetSupport.h"
#include "skin/TsSkinManager.h"
#include "skin/TsSkinableMenus.h"
#include "skin/controls/TsGroupBox.h"
#include "skin/controls/TsSkinProvider.h"
#include "skin/controls/TsSystemMenu.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QTest>
#include <QVBoxLayout>

#include <cstdlib>
#include <memory>

namespace {

using skintest::GoldenSkinScope;

constexpr int W = 891;
constexpr int H = 690;
constexpr uint32_t kMagenta = 0xFF00FF;

const TsMaskData& formPiece(const char* section, const char* property)
{
    const TsSkinTables& tables = TsCommonData::Tables();
    const int index = FindImageIndex(FindSectionIndex(QString::fromLatin1(section)), QString::fromLatin1(section),
                                     QString::fromLatin1(property));
    EXPECT_TRUE(ImageIndexValid(index)) << section << " " << property;
    return tables.masks[std::size_t(std::max(index, 0))];
}

class SkinProviderTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        manager = std::make_unique<TsSkinManager>();
        form = std::make_unique<QWidget>();
        form->setWindowTitle(QStringLiteral("Учебник"));
        form->resize(883, 659);
        auto* layout = new QVBoxLayout(form.get());
        layout->setContentsMargins(0, 0, 0, 0);
        menuBar = new QMenuBar(form.get());
        umkd = new QMenu(QStringLiteral("УМКД"), menuBar);
        umkd->addAction(QStringLiteral("О дисциплине"));
        menuBar->addMenu(umkd);
        for (const char* caption : {"Лекции", "Лабораторные", "Практические", "Тестирование", "Руководство пользователя",
                                    "Контрольный тест", "Настройки", "Выход"}) {
            QAction* action = menuBar->addAction(QString::fromUtf8(caption));
            QObject::connect(action, &QAction::triggered, [this, caption] { triggered << QString::fromUtf8(caption); });
        }
        layout->setMenuBar(menuBar);
        client = new QWidget(form.get());
        layout->addWidget(client);
        provider = new TsSkinProvider(form.get(), client, menuBar, QSize(W, H));
    }

    void TearDown() override
    {
        form.reset();
        manager.reset();
    }

    void show()
    {
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }

    void activate()
    {
        show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    const Bitmap24& cache() { return provider->RenderedCache(); }

    // A fresh full render in the given activation state.
    const Bitmap24& renderedAs(bool active)
    {
        SkinMessage::send(form.get(), SKN_SKINCHANGED);
        provider->FormActive = active;
        return cache();
    }

    void mouse(QEvent::Type type, QPoint p, Qt::MouseButton button = Qt::LeftButton)
    {
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease || type == QEvent::MouseMove ? Qt::NoButton : Qt::MouseButtons(button);
        QMouseEvent event(type, QPointF(p), QPointF(form->mapToGlobal(p)), type == QEvent::MouseMove ? Qt::NoButton : button,
                          held, Qt::NoModifier);
        QApplication::sendEvent(form.get(), &event);
    }
    void click(QPoint p)
    {
        mouse(QEvent::MouseButtonPress, p);
        mouse(QEvent::MouseButtonRelease, p);
    }
    void key(QWidget* target, Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString& text = {})
    {
        QTest::sendKeyEvent(QTest::Press, target, k, text, modifiers);
        QTest::sendKeyEvent(QTest::Release, target, k, text, modifiers);
    }

    QPoint centreOf(int code) const { return provider->ButtonRect(code).center(); }

    GoldenSkinScope skin;
    std::unique_ptr<TsSkinManager> manager;
    std::unique_ptr<QWidget> form;
    QMenuBar* menuBar = nullptr;
    QMenu* umkd = nullptr;
    QWidget* client = nullptr;
    TsSkinProvider* provider = nullptr;
    QStringList triggered;
};

TEST_F(SkinProviderTest, TheSkinnedFormIsFramelessAtItsOuterSizeWithTheClientOnTheClientRectangle)
{
    show();
    EXPECT_TRUE(provider->FrameIsSkinned());
    EXPECT_TRUE(form->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(form->size(), QSize(W, H));
    EXPECT_EQ(client->geometry(), QRect(4, 42, 883, 644));
    EXPECT_TRUE(menuBar->isHidden());
    EXPECT_EQ(menuBar->actions().size(), 9);

    const TsParentCache answer = TsCommonData::AskCache(client);
    EXPECT_TRUE(answer.Ready);
    EXPECT_EQ(answer.OffsetX, 4);
    EXPECT_EQ(answer.OffsetY, 42);
    EXPECT_EQ(answer.Bitmap, provider->SkinData.CacheBitmap.get());
    EXPECT_EQ(SkinMessage::send(form.get(), SKN_GETPROVIDER), reinterpret_cast<intptr_t>(provider));
    EXPECT_EQ(SkinMessage::send(form.get(), SKN_ISSKINNEDWINDOW), 1);
    // The client's children wait for the frame's picture, then paint over it.
    provider->SkinData.CacheInvalid = true;
    EXPECT_EQ(SkinMessage::send(client, SKN_ISSUSPENDED), 1);
    cache();
    EXPECT_EQ(SkinMessage::send(client, SKN_ISSUSPENDED), 0);
}

TEST_F(SkinProviderTest, TheBorderComesFromTheFormPiece)
{
    const Bitmap24& picture = renderedAs(true);
    ASSERT_EQ(picture.width(), W);
    ASSERT_EQ(picture.height(), H);
    const TsMaskData& piece = formPiece("FORM", "BORDERSMASK");
    const Bitmap24& master = TsCommonData::Tables().masterBitmap;
    // The outer columns along the left edge hold the left edge cell's colours, row by row.
    for (int x = 0; x < 2; ++x) {
        for (int y = 100; y < 600; y += 37) {
            bool found = false;
            for (int k = 0; k < piece.R.height() && !found; ++k)
                found = master.pixel(piece.R.Left + x, piece.R.Top + k) == picture.pixel(x, y);
            EXPECT_TRUE(found) << x << "," << y;
        }
    }
    // The client background is the form's gradient, not a border colour or black.
    EXPECT_NE(picture.pixel(W / 2, H / 2), 0u);
}

TEST_F(SkinProviderTest, TitleButtonsAreTheSkinsFramesWhenActiveAndHalfBlendedWhenInactive)
{
    const TsMaskData& close = formPiece("FORM", "BICONCLOSE");
    const Bitmap24 frame0 = skintest::masterFrame(TsCommonData::Tables(), close, 0);
    ASSERT_EQ(frame0.width(), 18);
    const QRect rect = provider->ButtonRect(HTCLOSE);
    ASSERT_EQ(rect, QRect(W - 23, 2, 18, 18));

    const Bitmap24 active = renderedAs(true);
    int compared = 0;
    for (int y = 0; y < 18; ++y)
        for (int x = 0; x < 18; ++x)
            if (frame0.pixel(x, y) != kMagenta) {
                EXPECT_EQ(active.pixel(rect.left() + x, rect.top() + y), frame0.pixel(x, y)) << x << "," << y;
                ++compared;
            }
    EXPECT_GT(compared, 200);

    // The title behind the button: the same render without the system buttons.
    provider->BorderIcons.biSystemMenu = false;
    const Bitmap24 bare = renderedAs(false);
    provider->BorderIcons.biSystemMenu = true;
    const Bitmap24 inactive = renderedAs(false);
    for (int y = 0; y < 18; ++y) {
        for (int x = 0; x < 18; ++x) {
            if (frame0.pixel(x, y) == kMagenta)
                continue;
            const uint32_t under = bare.pixel(rect.left() + x, rect.top() + y);
            const uint32_t over = frame0.pixel(x, y);
            const uint32_t mixed = inactive.pixel(rect.left() + x, rect.top() + y);
            for (int shift : {0, 8, 16}) {
                const int expected2 = int((under >> shift) & 0xFF) + int((over >> shift) & 0xFF);
                EXPECT_LE(std::abs(2 * int((mixed >> shift) & 0xFF) - expected2), 1) << x << "," << y;
            }
        }
    }
    // Inactive and active titles differ: the active title has its own gradient.
    EXPECT_NE(active.pixel(400, 12), inactive.pixel(400, 12));
}

TEST_F(SkinProviderTest, HoverRepaintsOneButtonFromTheStripWithoutARender)
{
    activate();
    renderedAs(true);
    const int renders = provider->SkinData.RenderCount;
    const Bitmap24 before = cache();
    const QRect rect = provider->ButtonRect(HTMAXBUTTON);
    mouse(QEvent::MouseMove, rect.center());
    EXPECT_EQ(provider->HotButton, HTMAXBUTTON);
    EXPECT_EQ(provider->ButtonState(HTMAXBUTTON), 1);
    EXPECT_EQ(provider->SkinData.RenderCount, renders);
    const Bitmap24 frame1 = skintest::masterFrame(TsCommonData::Tables(), formPiece("FORM", "BICONMAX"), 1);
    const Bitmap24& after = cache();
    for (int y = 0; y < H; y += 1)
        for (int x = 0; x < W; x += (y < 25 ? 1 : 7)) {
            if (rect.contains(x, y)) {
                const uint32_t want = frame1.pixel(x - rect.left(), y - rect.top());
                if (want != kMagenta)
                    ASSERT_EQ(after.pixel(x, y), want) << x << "," << y;
            } else {
                ASSERT_EQ(after.pixel(x, y), before.pixel(x, y)) << x << "," << y;
            }
        }
    // Leaving gives the normal face back exactly.
    mouse(QEvent::MouseMove, QPoint(400, 300));
    EXPECT_EQ(provider->HotButton, 0);
    EXPECT_TRUE(cache() == before);
    EXPECT_EQ(provider->SkinData.RenderCount, renders);
}

TEST_F(SkinProviderTest, ActivationAndCaptionTakeTheTitlePath)
{
    renderedAs(true);
    const int titles = provider->TitleRenderCount;
    const Bitmap24 before = cache();
    form->setWindowTitle(QStringLiteral("Другой заголовок"));
    EXPECT_EQ(provider->CaptionText, QStringLiteral("Другой заголовок"));
    const Bitmap24& after = cache();
    EXPECT_EQ(provider->TitleRenderCount, titles + 1);
    bool titleChanged = false;
    for (int x = 20; x < 300 && !titleChanged; ++x)
        titleChanged = after.pixel(x, 12) != before.pixel(x, 12);
    EXPECT_TRUE(titleChanged);
    for (int y = 23; y < H; y += 11)
        for (int x = 0; x < W; x += 13)
            ASSERT_EQ(after.pixel(x, y), before.pixel(x, y)) << x << "," << y;
}

TEST_F(SkinProviderTest, TheWindowRegionLeavesOutTheMagentaOfTheCorners)
{
    show();
    const QRegion region = provider->WindowRegion();
    const TsSkinTables& tables = TsCommonData::Tables();
    QRegion expected = skintest::regionWithoutMagentaCorners(skintest::masterFrame(tables, formPiece("FORM", "BORDERSMASK"), 0), QSize(W, H));
    const TsMaskData& title = formPiece("FORMTITLE", "BORDERSMASK");
    const Bitmap24 titleFrame = skintest::masterFrame(tables, title, 0);
    ASSERT_EQ(titleFrame.width(), 24);
    ASSERT_EQ(titleFrame.height(), 24);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            if (titleFrame.pixel(x, y) == kMagenta)
                expected -= QRegion(x, y, 1, 1);
            if (titleFrame.pixel(16 + x, y) == kMagenta)
                expected -= QRegion(W - 8 + x, y, 1, 1);
        }
    EXPECT_EQ(region, expected);
    EXPECT_NE(region, QRegion(0, 0, W, H)) << "the corners are cut";
    EXPECT_EQ(form->mask(), region);
    // A new size gives a new region.
    form->resize(700, 500);
    EXPECT_EQ(form->mask().boundingRect(), QRect(0, 0, 700, 500));
}

TEST_F(SkinProviderTest, TitleButtonsCloseMaximiseAndRestore)
{
    activate();
    const QRect normal = form->geometry();
    click(centreOf(HTMAXBUTTON));
    EXPECT_TRUE(provider->Commands().isMaximized());
    EXPECT_EQ(form->geometry(), form->screen()->availableGeometry());
    // The system menu follows: Restore on, Maximize and Move off.
    ASSERT_NE(provider->SystemMenuObject(), nullptr);
    EXPECT_TRUE(provider->SystemMenuObject()->action(TsSystemMenu::ItemRestore)->isEnabled());
    EXPECT_FALSE(provider->SystemMenuObject()->action(TsSystemMenu::ItemMaximize)->isEnabled());
    EXPECT_FALSE(provider->SystemMenuObject()->action(TsSystemMenu::ItemMove)->isEnabled());
    // Maximised: no sizing from the edges, no move from the caption.
    EXPECT_EQ(provider->HitTest(QPoint(1, 300)), HTTRANSPARENT);
    const QPoint at = form->pos();
    mouse(QEvent::MouseButtonPress, QPoint(300, 10));
    mouse(QEvent::MouseMove, QPoint(350, 40));
    mouse(QEvent::MouseButtonRelease, QPoint(350, 40));
    EXPECT_EQ(form->pos(), at);
    click(centreOf(HTMAXBUTTON));
    EXPECT_FALSE(provider->Commands().isMaximized());
    EXPECT_EQ(form->geometry(), normal);

    // A release outside the pressed button does nothing.
    mouse(QEvent::MouseButtonPress, centreOf(HTCLOSE));
    EXPECT_EQ(provider->ButtonState(HTCLOSE), 2);
    mouse(QEvent::MouseButtonRelease, QPoint(300, 300));
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(provider->ButtonState(HTCLOSE), 0);
    click(centreOf(HTCLOSE));
    EXPECT_FALSE(form->isVisible());
}

TEST_F(SkinProviderTest, AClickedTitleButtonIsNotLeftHotAndMinimiseTakesThisWindowOnly)
{
    QWidget other;
    other.resize(200, 100);
    other.show();
    activate();
    for (const auto& [name, code] : {std::pair{"maximise", HTMAXBUTTON}, {"restore", HTMAXBUTTON}, {"minimise", HTMINBUTTON}}) {
        SCOPED_TRACE(name);
        click(centreOf(code));
        EXPECT_EQ(provider->HotButton, 0);
        EXPECT_EQ(provider->ButtonState(code), 0);
        EXPECT_FALSE(other.isMinimized());
    }
    EXPECT_TRUE(form->isMinimized());
}

TEST_F(SkinProviderTest, TransparentChildrenRenderAgainWhenTheFrameDoes)
{
    auto* group = new TsGroupBox(client);
    group->setTitle(QStringLiteral("Тема"));
    group->setGeometry(10, 10, 200, 60);
    show();
    ASSERT_TRUE(group->SkinData.IsTransparentSection());
    group->repaint();
    ASSERT_FALSE(group->SkinData.CacheInvalid);
    int expected = group->SkinData.RenderCount;
    const auto rendersAgainAfter = [&](const char* change) {
        SCOPED_TRACE(change);
        cache();
        EXPECT_TRUE(group->SkinData.CacheInvalid);
        group->repaint();
        EXPECT_EQ(group->SkinData.RenderCount, ++expected);
    };
    form->resize(700, 500);
    rendersAgainAfter("resize");
    click(centreOf(HTMAXBUTTON));
    rendersAgainAfter("maximise");
    click(centreOf(HTMAXBUTTON));
    rendersAgainAfter("restore");
}

TEST_F(SkinProviderTest, TheCaptionMovesTheWindowOnlyPastTheDragDistance)
{
    activate();
    const int distance = QApplication::startDragDistance();
    const QPoint press(300, 10);
    const struct { const char* name; QPoint by; bool moves; } rows[] = {
        {"no move", {0, 0}, false},
        {"one short of the distance", {distance - 1, 0}, false},
        {"the distance", {distance, 0}, true},
        {"down and across", {distance / 2 + 1, distance / 2 + 1}, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const QPoint at = form->pos();
        mouse(QEvent::MouseButtonPress, press);
        mouse(QEvent::MouseMove, press + row.by);
        EXPECT_EQ(provider->Commands().dragging(), row.moves);
        mouse(QEvent::MouseButtonRelease, press + row.by);
        EXPECT_EQ(form->pos(), row.moves ? at + row.by : at);
        EXPECT_FALSE(provider->Commands().dragging());
    }
    // A press and a release in place, then the double click: the window maximises.
    mouse(QEvent::MouseButtonPress, press);
    mouse(QEvent::MouseButtonRelease, press);
    mouse(QEvent::MouseButtonDblClick, press);
    EXPECT_TRUE(provider->Commands().isMaximized());
}

TEST_F(SkinProviderTest, DoubleClicksOnTheCaptionToggleAndOnTheIconClose)
{
    activate();
    mouse(QEvent::MouseButtonDblClick, QPoint(300, 10));
    EXPECT_TRUE(provider->Commands().isMaximized());
    mouse(QEvent::MouseButtonDblClick, QPoint(300, 10));
    EXPECT_FALSE(provider->Commands().isMaximized());
    mouse(QEvent::MouseButtonDblClick, QPoint(10, 10));
    EXPECT_FALSE(form->isVisible());
}

TEST_F(SkinProviderTest, DraggingTheCaptionMovesAndTheCornerSizes)
{
    activate();
    const QRect start = form->geometry();
    mouse(QEvent::MouseButtonPress, QPoint(300, 10));
    mouse(QEvent::MouseMove, QPoint(330, 30));
    mouse(QEvent::MouseButtonRelease, QPoint(330, 30));
    EXPECT_EQ(form->geometry(), start.translated(30, 20));

    const QPoint corner(W - 2, H - 2);
    EXPECT_EQ(provider->HitTest(corner), HTBOTTOMRIGHT);
    mouse(QEvent::MouseButtonPress, corner);
    mouse(QEvent::MouseMove, corner + QPoint(-91, -90));
    mouse(QEvent::MouseButtonRelease, corner + QPoint(-91, -90));
    EXPECT_EQ(form->size(), QSize(800, 600));
    EXPECT_EQ(client->geometry(), provider->Metrics().clientRect(QSize(800, 600)));
    EXPECT_EQ(client->geometry().width(), 792);
}

TEST_F(SkinProviderTest, TheMenuBandWrapsAndTheClientMovesDown)
{
    show();
    form->resize(600, 500);
    EXPECT_EQ(provider->MenuLayout().lines, 2);
    EXPECT_EQ(client->geometry().top(), 60);
    form->resize(W, H);
    EXPECT_EQ(provider->MenuLayout().lines, 1);
    EXPECT_EQ(client->geometry().top(), 42);
}

TEST_F(SkinProviderTest, MenuItemsAreTransparentOnTheBarAndSolidWhenHot)
{
    activate();
    const Bitmap24 before = cache();
    const QRect item = provider->MenuLayout().items.at(1);
    ASSERT_EQ(item.width(), TsSkinableMenus::MeasureBarItem(TsSkinableMenus::MenuFont(), QStringLiteral("Лекции"), {}) + 12);
    mouse(QEvent::MouseMove, item.topLeft() + QPoint(1, 1));
    EXPECT_EQ(provider->HotMenuItem(), 1);
    EXPECT_EQ(cache().pixel(item.left() + 1, item.top() + 1), 685722u);
    EXPECT_EQ(cache().pixel(item.right() - 1, item.bottom() - 1), 685722u);
    // Before: the form's gradient, which runs left to right, shows through bar and item.
    EXPECT_EQ(before.pixel(item.left() + 1, item.top() + 1), before.pixel(item.left() + 1, 300));
    mouse(QEvent::MouseMove, QPoint(400, 300));
    EXPECT_EQ(provider->HotMenuItem(), -1);
    EXPECT_TRUE(cache() == before);
}

TEST_F(SkinProviderTest, ClicksOnTheBandRunTheCommandsAndOpenTheDropDown)
{
    activate();
    const std::vector<QRect>& items = provider->MenuLayout().items;
    click(items.at(1).center());
    EXPECT_EQ(triggered, QStringList({QStringLiteral("Лекции")}));
    // A release on another item runs nothing.
    mouse(QEvent::MouseButtonPress, items.at(2).center());
    EXPECT_EQ(provider->SelectedMenuItem(), 2);
    mouse(QEvent::MouseButtonRelease, items.at(5).center());
    EXPECT_EQ(triggered.size(), 1);
    EXPECT_EQ(provider->SelectedMenuItem(), -1);

    mouse(QEvent::MouseButtonPress, items.at(0).center());
    EXPECT_TRUE(umkd->isVisible());
    EXPECT_EQ(provider->SelectedMenuItem(), 0);
    EXPECT_EQ(umkd->pos(), form->mapToGlobal(items.at(0).bottomLeft() + QPoint(0, 1)));
    umkd->hide();
    EXPECT_EQ(provider->SelectedMenuItem(), -1);
}

TEST_F(SkinProviderTest, TheKeysOfAMenuBar)
{
    activate();
    QWidget* target = client;
    key(target, Qt::Key_F10);
    EXPECT_EQ(provider->SelectedMenuItem(), 0);
    key(target, Qt::Key_Left);
    EXPECT_EQ(provider->SelectedMenuItem(), 8);
    key(target, Qt::Key_Right);
    key(target, Qt::Key_Right);
    EXPECT_EQ(provider->SelectedMenuItem(), 1);
    key(target, Qt::Key_Return);
    EXPECT_EQ(triggered, QStringList({QStringLiteral("Лекции")}));
    EXPECT_EQ(provider->SelectedMenuItem(), -1);

    // A lone Alt selects the first item; Escape leaves.
    key(target, Qt::Key_Alt, Qt::AltModifier);
    EXPECT_EQ(provider->SelectedMenuItem(), 0);
    key(target, Qt::Key_Escape);
    EXPECT_EQ(provider->SelectedMenuItem(), -1);
    // Alt with a letter is no lone Alt: it runs the item starting with it.
    QTest::sendKeyEvent(QTest::Press, target, Qt::Key_Alt, QString(), Qt::AltModifier);
    key(target, Qt::Key(0x0412), Qt::AltModifier, QStringLiteral("в"));
    QTest::sendKeyEvent(QTest::Release, target, Qt::Key_Alt, QString(), Qt::NoModifier);
    EXPECT_EQ(triggered.last(), QStringLiteral("Выход"));
    EXPECT_EQ(provider->SelectedMenuItem(), -1);

    // Down opens the drop-down with its first command ready.
    key(target, Qt::Key_F10);
    key(target, Qt::Key_Down);
    EXPECT_TRUE(umkd->isVisible());
    EXPECT_EQ(umkd->activeAction(), umkd->actions().first());
    umkd->hide();
}

TEST_F(SkinProviderTest, TheCaptionEndsInDotsOrDisappears)
{
    QFont font = TsSkinableMenus::MenuFont();
    font.setBold(true);
    const QString caption = QStringLiteral("Электронный учебник");
    const QFontMetrics metrics(font);
    const int full = metrics.horizontalAdvance(caption);
    const int oneLetter = metrics.horizontalAdvance(QStringLiteral("Э..."));
    const struct {
        const char* name;
        int width;
        bool dotted;
        bool empty;
    } rows[] = {
        {"fits", full, false, false},
        {"one pixel short", full - 1, true, false},
        {"one letter and dots", oneLetter, true, false},
        {"not even one letter and dots", oneLetter - 1, false, true},
        {"no room", 0, false, true},
        {"negative room", -40, false, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const QString shown = TsSkinProvider::FittedCaption(font, caption, row.width);
        EXPECT_EQ(shown.isEmpty(), row.empty);
        EXPECT_EQ(shown.endsWith(QStringLiteral("...")), row.dotted);
        if (!shown.isEmpty()) {
            EXPECT_LE(metrics.horizontalAdvance(shown), row.width);
            EXPECT_TRUE(caption.startsWith(shown.chopped(row.dotted ? 3 : 0)));
        }
    }
}

TEST_F(SkinProviderTest, RemovingTheSkinGivesTheDesktopsFrameBack)
{
    show();
    manager->RemoveSkin();
    EXPECT_FALSE(provider->FrameIsSkinned());
    EXPECT_FALSE(form->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(menuBar->isHidden());
    EXPECT_EQ(form->size(), QSize(883, 659));
    EXPECT_TRUE(form->mask().isEmpty());
    EXPECT_EQ(client->geometry().left(), 0);
    EXPECT_EQ(client->geometry().top(), menuBar->geometry().bottom() + 1);
    EXPECT_FALSE(TsCommonData::AskCache(client).Ready);
}

// An Alt that went with a shortcut key (back, forward) leaves the band alone: only an Alt
// pressed and released by itself selects the first item.
TEST_F(SkinProviderTest, AltWithAShortcutKeyIsNoLoneAlt)
{
    activate();
    int shortcuts = 0;
    for (Qt::Key arrow : {Qt::Key_Left, Qt::Key_Right}) {
        auto* action = new QAction(form.get());
        action->setShortcut(QKeySequence(Qt::ALT | arrow));
        action->setShortcutContext(Qt::WindowShortcut);
        form->addAction(action);
        QObject::connect(action, &QAction::triggered, [&shortcuts] { ++shortcuts; });
    }
    for (const Qt::Key withAlt : {Qt::Key_Left, Qt::Key_Right, Qt::Key_unknown}) {
        const bool lone = withAlt == Qt::Key_unknown;
        SCOPED_TRACE(lone ? "a lone Alt" : withAlt == Qt::Key_Left ? "Alt+Left" : "Alt+Right");
        const int before = shortcuts;
        QTest::sendKeyEvent(QTest::Press, client, Qt::Key_Alt, QString(), Qt::AltModifier);
        if (!lone)
            key(client, withAlt, Qt::AltModifier);
        QTest::sendKeyEvent(QTest::Release, client, Qt::Key_Alt, QString(), Qt::NoModifier);
        EXPECT_EQ(shortcuts, before + (lone ? 0 : 1));
        EXPECT_EQ(provider->SelectedMenuItem(), lone ? 0 : -1);
        key(client, Qt::Key_Down);
        EXPECT_EQ(umkd->isVisible(), lone) << "Down opens «УМКД» only from the band";
        umkd->hide();
        key(client, Qt::Key_Escape);
    }
}

} // namespace
