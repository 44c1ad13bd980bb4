// The main window in its skinned frame: the designed outer size, the client rectangle, and
// the menu commands run from the skinned bar with the mouse and the keyboard.
#include "ShellFixture.h"

#include "app/TForm3.h"
#include "skin/TsPopupMenuStyle.h"
#include "skin/TsSkinData.h"
#include "skin/TsSkinManager.h"
#include "skin/controls/TsSkinProvider.h"
#include "skin/controls/TsSystemMenu.h"
#include "skin/controls/TsComboBox.h"
#include "skin/controls/TsFormScrollBars.h"
#include "testing/TForm5.h"
#include "ui/Globals.h"
#include "ui/WindowStyle.h"

#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QTest>

namespace {

class TForm3FrameTest : public ShellFixture
{
protected:
    void SetUp() override
    {
        ShellFixture::SetUp();
        startWithRows(QStringLiteral("INSERT INTO temi (nom, name, file_name, file_pr, \"check\") VALUES "
                                     "(1, 'Тема 1', 't1.htm', 't1.pdf', 0), (2, 'Тема 2', 't2.htm', 't2.pdf', 0);"));
        if (HasFatalFailure())
            return;
        provider = Form3->findChild<TsSkinProvider*>(QStringLiteral("sSkinProvider1"));
        combo = Form3->findChild<TsComboBox*>(QStringLiteral("sComboBox1"));
        ASSERT_TRUE(provider && combo);
        WindowStyle::showWindow(*Form3);
        ASSERT_TRUE(QTest::qWaitForWindowActive(Form3));
    }

    void clickBand(int item)
    {
        const QPoint p = provider->MenuLayout().items.at(std::size_t(item)).center();
        QTest::mouseClick(Form3, Qt::LeftButton, Qt::NoModifier, p);
    }

    TsSkinProvider* provider = nullptr;
    TsComboBox* combo = nullptr;
};

TEST_F(TForm3FrameTest, TheSkinnedMainWindowHasItsDesignedOuterSizeAndClientRectangle)
{
    EXPECT_TRUE(provider->FrameIsSkinned());
    EXPECT_EQ(Form3->size(), QSize(891, 690));
    auto* client = Form3->findChild<QWidget*>(QStringLiteral("ClientArea"));
    ASSERT_NE(client, nullptr);
    EXPECT_EQ(client->geometry(), provider->Metrics().clientRect(Form3->size()));
    EXPECT_EQ(client->geometry().left(), 4);
    // The nine commands of the old menu and «Поиск по курсу…».
    EXPECT_EQ(provider->MenuLayout().items.size(), 10u);
    // At its designed size the band is one line and the window needs no scroll bars.
    EXPECT_EQ(provider->Metrics().menuLines, 1);
    ASSERT_NE(provider->FormScrollBars(), nullptr);
    EXPECT_EQ(provider->FormScrollBars()->HorzBar(), nullptr);
    EXPECT_EQ(provider->FormScrollBars()->VertBar(), nullptr);
}

TEST_F(TForm3FrameTest, TheBandRunsTheSameCommandsAsTheMenu)
{
    clickBand(1);
    EXPECT_EQ(BrowseMode, 1);
    EXPECT_EQ(combo->count(), 2);
    clickBand(4);
    EXPECT_TRUE(Form5->isVisible());

    auto* umkd = Form3->findChild<QMenu*>(QStringLiteral("N19"));
    ASSERT_NE(umkd, nullptr);
    QTest::mousePress(Form3, Qt::LeftButton, Qt::NoModifier, provider->MenuLayout().items.at(0).center());
    EXPECT_TRUE(umkd->isVisible());
    umkd->hide();
}

// Off in the program; switched on, the «УМКД» drop-down and the system menu are skinned.
TEST_F(TForm3FrameTest, WithSkinnedPopupsTheDropDownAndTheSystemMenuAreSkinned)
{
    auto* umkd = Form3->findChild<QMenu*>(QStringLiteral("N19"));
    ASSERT_NE(umkd, nullptr);
    // The main window's manager is the one in charge.
    TsSkinManager* manager = TsSkinData::instance().ActiveManager;
    ASSERT_NE(manager, nullptr);
    EXPECT_FALSE(manager->SkinnedPopups());
    EXPECT_EQ(dynamic_cast<TsPopupMenuStyle*>(umkd->style()), nullptr);
    const QPoint caption(300, 10);
    QTest::mouseClick(Form3, Qt::RightButton, Qt::NoModifier, caption);
    EXPECT_FALSE(provider->SystemMenuObject()->isVisible());

    manager->SetSkinnedPopups(true);
    EXPECT_NE(dynamic_cast<TsPopupMenuStyle*>(umkd->style()), nullptr);
    QTest::mouseClick(Form3, Qt::RightButton, Qt::NoModifier, caption);
    TsSystemMenu* menu = provider->SystemMenuObject();
    ASSERT_TRUE(menu->isVisible());
    ASSERT_NE(menu->SkinMenu(), nullptr);
    EXPECT_EQ(menu->SkinMenu()->actions().first()->text(), QStringLiteral("Golden (internal)"));
    EXPECT_NE(dynamic_cast<TsPopupMenuStyle*>(menu->style()), nullptr);
    menu->hide();
    manager->SetSkinnedPopups(false);
    EXPECT_EQ(dynamic_cast<TsPopupMenuStyle*>(umkd->style()), nullptr);
}

TEST_F(TForm3FrameTest, TheKeyboardReachesTheBandFromTheSelector)
{
    combo->setFocus();
    QWidget* target = QApplication::focusWidget();
    ASSERT_NE(target, nullptr);
    QTest::keyClick(target, Qt::Key_F10);
    EXPECT_EQ(provider->SelectedMenuItem(), 0);
    QTest::keyClick(target, Qt::Key_Right);
    QTest::keyClick(target, Qt::Key_Return);
    EXPECT_EQ(BrowseMode, 1);
    EXPECT_EQ(combo->count(), 2);
    EXPECT_EQ(provider->SelectedMenuItem(), -1);
}

TEST_F(TForm3FrameTest, LeftAndRightInTheOpenDropDownMoveAlongTheBand)
{
    combo->setFocus();
    QWidget* target = QApplication::focusWidget();
    ASSERT_NE(target, nullptr);
    QTest::keyClick(target, Qt::Key_F10);
    QTest::keyClick(target, Qt::Key_Down);
    auto* menu = Form3->findChild<QMenu*>(QStringLiteral("N19"));
    ASSERT_NE(menu, nullptr);
    ASSERT_TRUE(menu->isVisible());

    // «Лекции» has no drop-down: it stays selected, and Enter runs it.
    QTest::keyClick(menu, Qt::Key_Right);
    EXPECT_FALSE(menu->isVisible());
    EXPECT_EQ(provider->SelectedMenuItem(), 1);
    // Back to «УМКД», whose drop-down opens again; Left from it wraps to «Выход».
    QTest::keyClick(target, Qt::Key_Left);
    QTest::keyClick(target, Qt::Key_Down);
    ASSERT_TRUE(menu->isVisible());
    QTest::keyClick(menu, Qt::Key_Left);
    EXPECT_FALSE(menu->isVisible());
    EXPECT_EQ(provider->SelectedMenuItem(), 9);
    // With no drop-down open, Right only selects, and from the last item wraps to «УМКД».
    QTest::keyClick(target, Qt::Key_Right);
    EXPECT_EQ(provider->SelectedMenuItem(), 0);
    EXPECT_FALSE(menu->isVisible());
}

TEST_F(TForm3FrameTest, TheCloseButtonClosesTheMainWindow)
{
    QTest::mouseClick(Form3, Qt::LeftButton, Qt::NoModifier, provider->ButtonRect(20).center());
    EXPECT_FALSE(Form3->isVisible());
}

} // namespace
