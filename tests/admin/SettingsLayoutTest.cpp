#include "AdminFixture.h"
#include "../testing/PlacedControls.h"

#include "admin/TForm2.h"
#include "admin/TForm4.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

namespace {

using SettingsLayout = AdminFixture;

void expectLetterBox(const QComboBox* box)
{
    ASSERT_NE(box, nullptr);
    // The letter may be typed as well as picked.
    EXPECT_TRUE(box->isEditable());
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    EXPECT_EQ(items, QStringList({"A", "B", "C", "D", "E"}));
}

} // namespace

TEST_F(SettingsLayout, TheSettingsWindow)
{
    EXPECT_EQ(form2->windowTitle(), QStringLiteral("Настройки"));
    EXPECT_EQ(form2->size(), QSize(562, 431));
    EXPECT_EQ(form2->font().pixelSize(), 11);
    auto* pages = control<QTabWidget>(form2.get(), "PageControl1");
    ASSERT_NE(pages, nullptr);
    const char* const titles[] = {"Темы", "База тестов", "Тестирование", "Защита", "Статистика"};
    const char* const names[] = {"TabSheet2", "TabSheet3", "TabSheet1", "TabSheet4", "TabSheet5"};
    ASSERT_EQ(pages->count(), 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(pages->tabText(i), QString::fromUtf8(titles[i]));
        EXPECT_EQ(pages->widget(i)->objectName(), QString::fromLatin1(names[i]));
    }
    EXPECT_EQ(pages->currentIndex(), 0);
    const Placed controls[] = {
        {"PageControl1", QRect(0, 0, 561, 425), nullptr, nullptr},
        {"GroupBox2", QRect(8, 4, 529, 385), "Доступные темы:", nullptr},
        {"Button3", QRect(358, 352, 75, 25), "Добавить", nullptr},
        {"Button4", QRect(440, 352, 75, 25), "Удалить", nullptr},
        {"GroupBox4", QRect(8, 8, 417, 385), "Содержание тестового вопроса:", nullptr},
        {"Button7", QRect(328, 352, 83, 25), "Редактировать", nullptr},
        {"GroupBox5", QRect(432, 8, 105, 385), "Список вопросов:", nullptr},
        {"GroupBox1", QRect(8, 8, 537, 57), "Настройка", nullptr},
        {"Edit1", QRect(180, 21, 37, 21), nullptr, nullptr},
        {"Edit2", QRect(340, 21, 37, 21), nullptr, nullptr},
        {"Button1", QRect(435, 19, 89, 25), "Применить ", nullptr},
        {"GroupBox3", QRect(8, 68, 537, 321), "Результаты тестирования:", nullptr},
        {"Button2", QRect(454, 288, 75, 25), "Очистить", nullptr},
        {"GroupBox6", QRect(144, 120, 281, 161), "Смена пароля:", nullptr},
        {"Button8", QRect(192, 128, 75, 25), "Принять", nullptr},
    };
    for (const Placed& placed : controls)
        expectPlaced(*form2, placed);
    expectLetterBox(control<QComboBox>(form2.get(), "ComboBox1"));
    for (const char* name : {"Edit3", "Edit4", "Edit5"})
        EXPECT_EQ(control<QLineEdit>(form2.get(), name)->echoMode(), QLineEdit::Password) << name;
}

TEST_F(SettingsLayout, TheAddQuestionDialog)
{
    EXPECT_EQ(form4->windowTitle(), QStringLiteral("Form4"));
    EXPECT_EQ(form4->size(), QSize(343, 359));
    EXPECT_EQ(form4->font().pixelSize(), 11);
    const Placed controls[] = {
        {"GroupBox1", QRect(8, 8, 329, 345), "Содержание тестового вопроса:", nullptr},
        {"Memo1", QRect(8, 24, 313, 273), "Введите текст вопроса с вариантами ответов", nullptr},
        {"Label1", QRect(8, 309, 150, 13), "Правильный вариант ответа:", nullptr},
        {"ComboBox1", QRect(162, 307, 55, 21), nullptr, nullptr},
        {"Button1", QRect(240, 304, 75, 25), "Добавить", nullptr},
    };
    for (const Placed& placed : controls)
        expectPlaced(*form4, placed);
    expectLetterBox(control<QComboBox>(form4.get(), "ComboBox1"));
}
