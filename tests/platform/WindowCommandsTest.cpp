#include "platform/HitCodes.h"
#include "platform/OutlineWindow.h"
#include "platform/WindowCommands.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QWidget>

#include <memory>

namespace {

// A frameless window at (100, 100), 300 × 200, on the screen.
std::unique_ptr<QWidget> shownWindow()
{
    auto window = std::make_unique<QWidget>(nullptr, Qt::Window | Qt::FramelessWindowHint);
    window->setGeometry(100, 100, 300, 200);
    window->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    return window;
}

TEST(WindowCommandsTest, SizingMovesOnlyTheEdgesOfTheCodeAndKeepsTheMinimum)
{
    const QRect start(100, 50, 400, 300);
    const QSize minimum(120, 80);
    const struct {
        const char* name;
        int code;
        QPoint delta;
        QRect expected;
    } rows[] = {
        {"right grows", HTRIGHT, {30, 99}, QRect(100, 50, 430, 300)},
        {"left shrinks", HTLEFT, {30, 99}, QRect(130, 50, 370, 300)},
        {"top grows", HTTOP, {7, -20}, QRect(100, 30, 400, 320)},
        {"bottom shrinks", HTBOTTOM, {7, -20}, QRect(100, 50, 400, 280)},
        {"bottom-right corner", HTBOTTOMRIGHT, {-50, 60}, QRect(100, 50, 350, 360)},
        {"top-left corner", HTTOPLEFT, {-10, -10}, QRect(90, 40, 410, 310)},
        {"top-right corner", HTTOPRIGHT, {5, 5}, QRect(100, 55, 405, 295)},
        {"bottom-left corner", HTBOTTOMLEFT, {5, 5}, QRect(105, 50, 395, 305)},
        {"left stops at the minimum, right edge stays", HTLEFT, {1000, 0}, QRect(380, 50, 120, 300)},
        {"right stops at the minimum", HTRIGHT, {-1000, 0}, QRect(100, 50, 120, 300)},
        {"top stops at the minimum, bottom stays", HTTOP, {0, 1000}, QRect(100, 270, 400, 80)},
        {"bottom stops at the minimum", HTBOTTOMRIGHT, {0, -1000}, QRect(100, 50, 400, 80)},
        {"caption does not size", HTCAPTION, {10, 10}, start},
        {"client does not size", HTCLIENT, {10, 10}, start},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(WindowCommands::resizedRect(start, row.code, row.delta, minimum), row.expected);
    }
}

TEST(WindowCommandsTest, MovingKeepsTheSize)
{
    EXPECT_EQ(WindowCommands::movedRect(QRect(10, 20, 300, 200), QPoint(-15, 40)), QRect(-5, 60, 300, 200));
}

// Offscreen no window manager answers, so our own loop follows the mouse.
TEST(WindowCommandsTest, WithoutAWindowManagerOurOwnLoopMovesAndSizes)
{
    const std::unique_ptr<QWidget> shown = shownWindow();
    QWidget& window = *shown;
    WindowCommands commands(window);

    commands.startMove(QPoint(150, 110));
    ASSERT_TRUE(commands.dragging());
    commands.dragTo(QPoint(170, 140));
    commands.endDrag();
    EXPECT_FALSE(commands.dragging());
    EXPECT_EQ(window.geometry(), QRect(120, 130, 300, 200));

    commands.startResize(HTBOTTOMRIGHT, QPoint(419, 329), QSize(50, 50));
    commands.dragTo(QPoint(439, 309));
    commands.endDrag();
    EXPECT_EQ(window.geometry(), QRect(120, 130, 320, 180));

    commands.startResize(HTCAPTION, QPoint(0, 0), QSize(50, 50));
    EXPECT_FALSE(commands.dragging());
}

TEST(WindowCommandsTest, WithScreenSnapOurLoopPutsTheWindowOnTheEdge)
{
    const std::unique_ptr<QWidget> shown = shownWindow();
    QWidget& window = *shown;
    const QRect screen = window.screen()->geometry();
    WindowCommands commands(window);
    commands.ScreenSnap = true;

    commands.startMove(QPoint(150, 110));
    ASSERT_TRUE(commands.dragging());
    commands.dragTo(QPoint(150 - 100 + screen.left() + 7, 110));
    EXPECT_EQ(window.x(), screen.left());
    commands.dragTo(QPoint(150 - 100 + screen.left() + 10, 110));
    EXPECT_EQ(window.x(), screen.left() + 10);
    commands.endDrag();
    EXPECT_EQ(window.geometry(), QRect(screen.left() + 10, 100, 300, 200));
}

TEST(WindowCommandsTest, TheOutlineDragMovesOrSizesOnceAtTheRelease)
{
    const std::unique_ptr<QWidget> shown = shownWindow();
    QWidget& window = *shown;
    WindowCommands commands(window);
    commands.ResizeMode = WindowCommands::rmBorder;
    int moves = 0, resizes = 0;
    struct Counter : QObject
    {
        int& moves;
        int& resizes;
        Counter(int& m, int& r) : moves(m), resizes(r) {}
        bool eventFilter(QObject*, QEvent* event) override
        {
            moves += event->type() == QEvent::Move;
            resizes += event->type() == QEvent::Resize;
            return false;
        }
    } counter(moves, resizes);
    window.installEventFilter(&counter);

    commands.startMove(QPoint(150, 110));
    ASSERT_TRUE(commands.dragging());
    ASSERT_NE(commands.outline(), nullptr);
    EXPECT_TRUE(commands.outline()->isVisible());
    for (int step = 1; step <= 5; ++step)
        commands.dragTo(QPoint(150 + 10 * step, 110 + step));
    EXPECT_EQ(window.pos(), QPoint(100, 100));
    EXPECT_EQ(commands.outline()->outlined(), QRect(150, 105, 300, 200));
    commands.endDrag();
    EXPECT_FALSE(commands.outline()->isVisible());
    EXPECT_EQ(window.geometry(), QRect(150, 105, 300, 200));
    EXPECT_EQ(moves, 1);

    // Sizing by the left edge never goes below the minimum.
    commands.startResize(HTLEFT, QPoint(150, 200), QSize(120, 80));
    commands.dragTo(QPoint(900, 200));
    EXPECT_EQ(window.geometry(), QRect(150, 105, 300, 200));
    commands.endDrag();
    EXPECT_EQ(window.geometry(), QRect(330, 105, 120, 200));
    EXPECT_EQ(resizes, 1);
}

TEST(WindowCommandsTest, AMoveFromTheMenuFollowsTheMouseWithoutAButtonUntilItEnds)
{
    const std::unique_ptr<QWidget> shown = shownWindow();
    QWidget& window = *shown;
    WindowCommands commands(window);
    commands.startMoveByMenu(QPoint(200, 200));
    ASSERT_TRUE(commands.dragging());
    EXPECT_TRUE(commands.followsWithoutButton());
    EXPECT_EQ(QWidget::mouseGrabber(), &window);
    commands.dragTo(QPoint(230, 220));
    commands.endDrag();
    EXPECT_EQ(window.pos(), QPoint(130, 120));
    EXPECT_FALSE(commands.followsWithoutButton());
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
}

TEST(WindowCommandsTest, MaximiseTakesTheAvailableGeometryAndRestoreGivesTheNormalOneBack)
{
    QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
    window.setGeometry(60, 70, 300, 200);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    WindowCommands commands(window);
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();

    commands.toggleMaximized();
    EXPECT_TRUE(commands.isMaximized());
    EXPECT_EQ(window.geometry(), available);
    EXPECT_EQ(commands.normalGeometry(), QRect(60, 70, 300, 200));
    commands.maximize(); // twice is once
    commands.toggleMaximized();
    EXPECT_FALSE(commands.isMaximized());
    EXPECT_EQ(window.geometry(), QRect(60, 70, 300, 200));
    EXPECT_FALSE(window.windowState() & Qt::WindowMaximized);
}

TEST(WindowCommandsTest, AStateSetFromOutsideBecomesOurs)
{
    QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
    window.setGeometry(60, 70, 300, 200);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    WindowCommands commands(window);
    window.setWindowState(Qt::WindowMaximized);
    commands.windowStateChanged();
    EXPECT_TRUE(commands.isMaximized());
    window.setWindowState(Qt::WindowNoState);
    commands.windowStateChanged();
    EXPECT_FALSE(commands.isMaximized());
}

} // namespace
