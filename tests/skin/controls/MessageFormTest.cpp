// The skin engine's message box: sizes from the message font, the kind's title and icon,
// default and cancel buttons, the skinned dialog frame and the modal results.
#include "platform/HitCodes.h"
#include "skin/SkinWidgetSupport.h"
#include "skin/TsSkinManager.h"
#include "skin/controls/SkinnedDialogs.h"
#include "skin/controls/TsBitBtn.h"
#include "skin/controls/TsLabel.h"
#include "skin/controls/TsMessageForm.h"
#include "skin/controls/TsSkinProvider.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

using Kind = Dialogs::MessageKind;

constexpr int kScreenWidth = 800;

TsMessageForm::Geometry layoutOf(const QString& text, Kind kind, Dialogs::MessageButtons buttons,
                                 int screenWidth = kScreenWidth)
{
    return TsMessageForm::ComputeGeometry(TsMessageForm::MessageFont(), text, kind, buttons, screenWidth);
}

TEST(MessageFormTest, ACustomMessageHasNoIconAndStartsAtTheMargin)
{
    const auto g = layoutOf(QStringLiteral("Готово."), Kind::Custom, Dialogs::mbOK);
    EXPECT_TRUE(g.icon.isEmpty());
    EXPECT_EQ(g.message.left(), g.horzMargin);
    EXPECT_EQ(g.message.top(), g.vertMargin);
    EXPECT_EQ(TsMessageForm::KindTitle(Kind::Custom), QCoreApplication::applicationName());
}

TEST(MessageFormTest, AOneLineMessageBesideTheIconIsThirtyTwoPixelsHigh)
{
    const auto g = layoutOf(QStringLiteral("Short."), Kind::Warning, Dialogs::mbOK);
    ASSERT_LT(g.message.height(), 32);
    EXPECT_EQ(g.iconTextHeight, 32);
    EXPECT_EQ(g.icon, QRect(g.horzMargin, g.vertMargin, 32, 32));
    // The text starts right of the icon and its spacing.
    EXPECT_EQ(g.message.left(), g.horzMargin + 32 + g.horzSpacing);
    // The buttons stand one vertical spacing below the icon.
    ASSERT_EQ(g.buttons.size(), 1u);
    EXPECT_EQ(g.buttons[0].top(), g.vertMargin + 32 + g.vertSpacing);
}

TEST(MessageFormTest, SizesFollowTheAverageLetterOfTheFont)
{
    for (int pixels : {11, 16, 24}) {
        SCOPED_TRACE(pixels);
        QFont font = TsMessageForm::MessageFont();
        font.setPixelSize(pixels);
        const auto g = TsMessageForm::ComputeGeometry(font, QStringLiteral("x"), Kind::Custom, Dialogs::mbOK, kScreenWidth);
        const QFontMetrics metrics(font);
        const int cx = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) / 52;
        EXPECT_EQ(g.cx, cx);
        EXPECT_EQ(g.cy, metrics.height());
        // 16 cx / 4 and 14 cy / 8 within the rounding.
        EXPECT_NEAR(g.horzMargin, 4.0 * cx, 0.5);
        EXPECT_NEAR(g.buttonHeight, 14.0 * g.cy / 8, 0.5);
        EXPECT_GE(g.buttonWidth, int(50.0 * cx / 4));
        EXPECT_EQ(g.client.height(), g.iconTextHeight + g.buttonHeight + g.vertSpacing + 2 * g.vertMargin);
    }
}

TEST(MessageFormTest, ALongMessageWrapsWithinHalfTheScreen)
{
    const QString text = QStringLiteral("Scrollbar property out of range. ").repeated(12);
    const auto g = layoutOf(text, Kind::Error, Dialogs::mbOK, 600);
    EXPECT_LE(g.message.width(), 300);
    EXPECT_GT(g.message.height(), 3 * g.cy);
    EXPECT_EQ(g.iconTextHeight, g.message.height());
    EXPECT_EQ(g.client.width(), g.iconTextWidth + 2 * g.horzMargin);
}

TEST(MessageFormTest, ButtonsAreCentredInIndexOrderAndWideEnoughForTheirCaptions)
{
    const Dialogs::MessageButtons all = Dialogs::mbYes | Dialogs::mbNo | Dialogs::mbCancel | Dialogs::mbNoToAll;
    const auto g = layoutOf(QStringLiteral("?"), Kind::Confirmation, all);
    ASSERT_EQ(g.buttons.size(), 4u);
    const int left = g.buttons.front().left();
    const int right = g.client.width() - (g.buttons.back().left() + g.buttons.back().width());
    EXPECT_LE(std::abs(left - right), 1);
    for (std::size_t i = 1; i < g.buttons.size(); ++i)
        EXPECT_EQ(g.buttons[i].left(), g.buttons[i - 1].left() + g.buttonWidth + g.buttonSpacing);
    const QFontMetrics metrics(TsMessageForm::MessageFont());
    EXPECT_GE(g.buttonWidth, metrics.horizontalAdvance(QStringLiteral("No to All")) + 8);
    // The group is wider than the text, so it sets the client width.
    EXPECT_EQ(g.client.width(), g.buttonGroupWidth + 2 * g.horzMargin);
}

TEST(MessageFormTest, DefaultAndCancelButtonsByTheRequestedSet)
{
    const struct {
        const char* name;
        Dialogs::MessageButtons buttons;
        int defaultIndex, cancelIndex;
    } rows[] = {
        {"Yes and No: Yes default, No cancel", Dialogs::mbYes | Dialogs::mbNo, 0, 1},
        {"OK alone is both", Dialogs::mbOK, 2, 2},
        {"OK and Cancel", Dialogs::mbOK | Dialogs::mbCancel, 2, 3},
        {"Yes, No, Cancel: Cancel wins over No", Dialogs::mbYes | Dialogs::mbNo | Dialogs::mbCancel, 0, 3},
        {"Abort, Retry, Ignore: Retry default, no cancel", Dialogs::mbAbort | Dialogs::mbRetry | Dialogs::mbIgnore, 5, -1},
        {"OK wins over Yes", Dialogs::mbYes | Dialogs::mbOK, 2, 2},
        {"no buttons", 0, -1, -1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(TsMessageForm::DefaultButtonIndex(row.buttons), row.defaultIndex);
        EXPECT_EQ(TsMessageForm::CancelButtonIndex(row.buttons), row.cancelIndex);
    }
}

class MessageFormWidgetTest : public ::testing::Test
{
protected:
    skintest::GoldenSkinScope skin;
    std::unique_ptr<TsSkinManager> manager = std::make_unique<TsSkinManager>();
};

TEST_F(MessageFormWidgetTest, TheFormIsASkinnedDialogWithItsNamedParts)
{
    TsMessageForm form(QStringLiteral("Delete it?"), Kind::Confirmation, Dialogs::mbYes | Dialogs::mbNo);
    const auto& g = form.Layout();
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Confirm"));
    TsSkinProvider* provider = form.Provider();
    ASSERT_TRUE(provider->FrameIsSkinned());
    EXPECT_EQ(provider->SkinData.SkinSection(), QStringLiteral("DIALOG"));
    // Dialog border: close button only, no icon, no menu band.
    EXPECT_FALSE(provider->ButtonRect(HTCLOSE).isEmpty());
    EXPECT_TRUE(provider->ButtonRect(HTMAXBUTTON).isEmpty());
    EXPECT_TRUE(provider->ButtonRect(HTMINBUTTON).isEmpty());
    EXPECT_FALSE(provider->Metrics().iconShown);
    EXPECT_EQ(form.size(), g.client + QSize(6, 26));
    EXPECT_EQ(form.ClientArea()->geometry(), QRect(QPoint(3, 23), g.client));

    ASSERT_NE(form.Image(), nullptr);
    EXPECT_EQ(form.Image()->objectName(), QStringLiteral("Image"));
    EXPECT_EQ(form.Image()->geometry(), g.icon);
    EXPECT_EQ(form.Message()->text(), QStringLiteral("Delete it?"));
    EXPECT_TRUE(form.Message()->wordWrap());
    EXPECT_EQ(form.Message()->geometry(), g.message);

    ASSERT_EQ(form.ButtonList().size(), 2u);
    EXPECT_EQ(form.ButtonList()[0]->objectName(), QStringLiteral("Yes"));
    EXPECT_EQ(form.ButtonList()[0]->text(), QStringLiteral("&Yes"));
    EXPECT_EQ(form.ButtonList()[1]->text(), QStringLiteral("&No"));
    EXPECT_EQ(form.DefaultButton(), form.Button(QStringLiteral("Yes")));
    EXPECT_EQ(form.CancelButton(), form.Button(QStringLiteral("No")));
    EXPECT_TRUE(form.DefaultButton()->isDefault());

    // Centred on the screen.
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_LE(std::abs(form.geometry().center().x() - screen.center().x()), 1);
    EXPECT_LE(std::abs(form.geometry().center().y() - screen.center().y()), 1);
}

TEST_F(MessageFormWidgetTest, ACustomMessageCarriesTheApplicationsTitleAndNoImage)
{
    const QString saved = QCoreApplication::applicationName();
    QCoreApplication::setApplicationName(QStringLiteral("Учебник"));
    TsMessageForm form(QStringLiteral("Готово."), Kind::Custom, Dialogs::mbOK);
    QCoreApplication::setApplicationName(saved);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Учебник"));
    EXPECT_EQ(form.Image(), nullptr);
    EXPECT_EQ(form.findChild<QLabel*>(QStringLiteral("Image")), nullptr);
    EXPECT_EQ(form.Message()->x(), form.Layout().horzMargin);
}

TEST_F(MessageFormWidgetTest, ButtonsAndKeysEndTheBoxWithTheirModalResults)
{
    const Dialogs::MessageButtons set = Dialogs::mbYes | Dialogs::mbNo | Dialogs::mbCancel;
    const struct {
        const char* name;
        std::function<void(TsMessageForm&)> act;
        int result;
    } rows[] = {
        {"click No", [](TsMessageForm& f) { QTest::mouseClick(f.Button(QStringLiteral("No")), Qt::LeftButton); }, 7},
        {"click Yes", [](TsMessageForm& f) { QTest::mouseClick(f.Button(QStringLiteral("Yes")), Qt::LeftButton); }, 6},
        {"Escape clicks Cancel", [](TsMessageForm& f) { QTest::keyClick(&f, Qt::Key_Escape); }, 2},
        {"Enter clicks the default Yes", [](TsMessageForm& f) {
             f.DefaultButton()->setFocus();
             QTest::keyClick(&f, Qt::Key_Return);
         }, 6},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        TsMessageForm form(QStringLiteral("Save?"), Kind::Confirmation, set);
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
        row.act(form);
        EXPECT_EQ(form.result(), row.result);
        EXPECT_FALSE(form.isVisible());
    }
}

TEST_F(MessageFormWidgetTest, WithoutASkinTheBoxKeepsThePlainFrame)
{
    manager.reset();
    TsMessageForm form(QStringLiteral("Plain."), Kind::Information, Dialogs::mbOK);
    EXPECT_FALSE(form.Provider()->FrameIsSkinned());
    form.layout()->activate();
    EXPECT_EQ(form.size(), form.Layout().client);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Information"));
}

// The program's dialogs run the real form modally; a timer answers it.
TEST_F(MessageFormWidgetTest, SkinnedDialogsShowTheFormModallyAndReturnTheChoice)
{
    SkinnedDialogs dialogs;
    QString shownTitle;
    QTimer::singleShot(0, [&] {
        auto* form = qobject_cast<TsMessageForm*>(QApplication::activeModalWidget());
        if (!form)
            return;
        shownTitle = form->windowTitle();
        QTest::mouseClick(form->Button(QStringLiteral("Retry")), Qt::LeftButton);
    });
    // A safety net: the box never stays open.
    QTimer::singleShot(5000, [] {
        if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            modal->reject();
    });
    const int result = dialogs.skinnedMessage(QStringLiteral("Disk error."), Kind::Error,
                                              Dialogs::mbAbort | Dialogs::mbRetry | Dialogs::mbIgnore);
    EXPECT_EQ(shownTitle, QStringLiteral("Error"));
    EXPECT_EQ(result, 4);
}

} // namespace
