#include "platform/HitCodes.h"
#include "platform/WindowCommands.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QWidget>

namespace {

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
    QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
    window.setGeometry(100, 100, 300, 200);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
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
