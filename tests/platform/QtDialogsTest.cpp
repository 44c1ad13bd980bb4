#include "platform/QtDialogs.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QSet>

#include <gtest/gtest.h>

#include <memory>

namespace {

// The texts of the visible buttons of a shown dialog, as the user reads them.
QSet<QString> buttonTexts(QWidget& dialog)
{
    dialog.show();
    QSet<QString> texts;
    for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
        if (button->isVisible() && !button->text().isEmpty())
            texts.insert(button->text());
    }
    dialog.hide();
    return texts;
}

// Every kind of box the program shows speaks Russian, with or without Qt's translations
// (this test program installs none).
TEST(QtDialogs, EveryKindOfBoxHasRussianButtons)
{
    const auto message = QtDialogs::makeMessageBox(QStringLiteral("Неполные данные!"), Dialogs::applicationTitle(),
                                                   Dialogs::Icon::None, false, nullptr);
    EXPECT_EQ(buttonTexts(*message), (QSet<QString>{QStringLiteral("ОК")}));

    const auto error = QtDialogs::makeMessageBox(QStringLiteral("Ошибка."), Dialogs::applicationTitle(),
                                                 Dialogs::Icon::Error, false, nullptr);
    EXPECT_EQ(buttonTexts(*error), (QSet<QString>{QStringLiteral("ОК")}));
    EXPECT_EQ(error->icon(), QMessageBox::Critical);

    const auto question = QtDialogs::makeMessageBox(QStringLiteral("Завершить тестирование?"),
                                                    Dialogs::applicationTitle(), Dialogs::Icon::None, true, nullptr);
    EXPECT_EQ(buttonTexts(*question), (QSet<QString>{QStringLiteral("Да"), QStringLiteral("Нет")}));
    EXPECT_EQ(question->windowTitle(), QStringLiteral("Учебник"));

    const auto input = QtDialogs::makeInputDialog(Dialogs::applicationTitle(), QStringLiteral("Введите пароль:"),
                                                  QString(), Dialogs::Echo::Password, nullptr);
    EXPECT_EQ(buttonTexts(*input), (QSet<QString>{QStringLiteral("ОК"), QStringLiteral("Отмена")}));
    EXPECT_EQ(input->textEchoMode(), QLineEdit::Password);

    const auto file = QtDialogs::makeFileDialog(nullptr);
    const QSet<QString> fileButtons = buttonTexts(*file);
    EXPECT_TRUE(fileButtons.contains(QStringLiteral("Открыть"))) << fileButtons.values().join(u'|').toStdString();
    EXPECT_TRUE(fileButtons.contains(QStringLiteral("Отмена"))) << fileButtons.values().join(u'|').toStdString();
    for (const QString& text : fileButtons) {
        for (const char* english : {"Open", "Cancel", "OK"})
            EXPECT_NE(text, QLatin1String(english));
    }
}

} // namespace
