// Dragging a skinned form by its title: snapping to the monitor's edges, the outline drag
// of rmBorder, and Move from the system menu.
#include "platform/HitCodes.h"
#include "platform/OutlineWindow.h"
#include "skin/SkinWidgetSupport.h"
#include "skin/TsSkinManager.h"
#include "skin/controls/TsSkinProvider.h"
#include "skin/controls/TsSystemMenu.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QTest>
#include <QVBoxLayout>

#include <memory>

namespace {

class FormDragTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        form = std::make_unique<QWidget>();
        auto* layout = new QVBoxLayout(form.get());
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(new QWidget(form.get()));
        form->resize(400, 300);
        provider = new TsSkinProvider(form.get(), form->findChild<QWidget*>(), nullptr, QSize(408, 326));
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        screen = form->screen()->geometry();
        form->move(screen.left() + 100, screen.top() + 100);
        ASSERT_TRUE(provider->FrameIsSkinned());
    }

    // Sends a mouse event at a global point; the form's local point follows its position.
    void mouse(QEvent::Type type, QPoint global, Qt::MouseButton button = Qt::LeftButton)
    {
        const QPoint local = global - form->pos();
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
        QMouseEvent event(type, QPointF(local), QPointF(global), type == QEvent::MouseMove ? Qt::NoButton : button, held,
                          Qt::NoModifier);
        QApplication::sendEvent(form.get(), &event);
    }
    // Presses on the title, moves the form's left edge to `left` and releases.
    void dragTitleTo(int left, int moves = 3)
    {
        const QPoint start = form->pos() + QPoint(150, 10);
        ASSERT_EQ(provider->HitTest(QPoint(150, 10)), HTCAPTION);
        const int dx = left - form->x();
        mouse(QEvent::MouseButtonPress, start);
        for (int i = 1; i <= moves; ++i)
            mouse(QEvent::MouseMove, start + QPoint(dx * i / moves, 0));
        mouse(QEvent::MouseButtonRelease, start + QPoint(dx, 0));
    }

    skintest::GoldenSkinScope skin;
    std::unique_ptr<TsSkinManager> manager = std::make_unique<TsSkinManager>();
    std::unique_ptr<QWidget> form;
    TsSkinProvider* provider = nullptr;
    QRect screen;
};

TEST_F(FormDragTest, WithScreenSnapAWindowDropped7PixelsFromTheLeftEdgeLiesOnIt)
{
    provider->Commands().ScreenSnap = true;
    ASSERT_EQ(provider->Commands().SnapBuffer, 10);
    const struct {
        const char* name;
        int offset, expected;
    } rows[] = {
        {"7 pixels: snaps", 7, 0},
        {"10 pixels: stays", 10, 10},
        {"9 pixels: snaps", 9, 0},
        {"50 pixels: stays", 50, 50},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        form->move(screen.left() + 100, screen.top() + 100);
        dragTitleTo(screen.left() + row.offset);
        EXPECT_EQ(form->x(), screen.left() + row.expected);
        EXPECT_EQ(form->y(), screen.top() + 100);
    }
    // Without ScreenSnap 7 pixels stay 7 pixels.
    provider->Commands().ScreenSnap = false;
    dragTitleTo(screen.left() + 7);
    EXPECT_EQ(form->x(), screen.left() + 7);
}

TEST_F(FormDragTest, WithRmBorderOnlyTheOutlineFollowsUntilTheRelease)
{
    provider->Commands().ResizeMode = WindowCommands::rmBorder;
    const QPoint before = form->pos();
    const QPoint start = form->pos() + QPoint(150, 10);
    mouse(QEvent::MouseButtonPress, start);
    mouse(QEvent::MouseMove, start + QPoint(40, 30));
    EXPECT_EQ(form->pos(), before);
    ASSERT_NE(provider->Commands().outline(), nullptr);
    EXPECT_TRUE(provider->Commands().outline()->isVisible());
    EXPECT_EQ(provider->Commands().outline()->outlined(), QRect(before + QPoint(40, 30), form->size()));
    mouse(QEvent::MouseButtonRelease, start + QPoint(40, 30));
    EXPECT_EQ(form->pos(), before + QPoint(40, 30));
    EXPECT_FALSE(provider->Commands().outline()->isVisible());
}

TEST_F(FormDragTest, MoveFromTheSystemMenuFollowsTheMouseUntilTheNextClick)
{
    const QPoint before = form->pos();
    QCursor::setPos(form->pos() + QPoint(60, 60));
    const QPoint from = QCursor::pos();
    provider->SystemMenuObject()->action(TsSystemMenu::ItemMove)->trigger();
    ASSERT_TRUE(provider->Commands().dragging());
    mouse(QEvent::MouseMove, from + QPoint(25, 15), Qt::NoButton);
    EXPECT_EQ(form->pos(), before + QPoint(25, 15));
    mouse(QEvent::MouseButtonPress, from + QPoint(25, 15));
    EXPECT_FALSE(provider->Commands().dragging());
    mouse(QEvent::MouseButtonRelease, from + QPoint(25, 15));
    EXPECT_EQ(form->pos(), before + QPoint(25, 15));
}

} // namespace
