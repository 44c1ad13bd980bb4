#include "TimedTestFixture.h"

namespace {

using TimedTestLayout = TimedTestFixture;

struct Placed {
    const char* name;
    QRect geometry;
    const char* text;
    int pixelSize;
    bool bold;
};

} // namespace

TEST_F(TimedTestLayout, TheTestControls)
{
    makeForm();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Тестирование"));
    EXPECT_EQ(form->size(), QSize(662, 332));
    EXPECT_EQ(form->font().pixelSize(), 11);
    const Placed controls[] = {
        {"Label2", QRect(8, 7, 77, 19), "Вопрос №", 16, false},
        {"Label3", QRect(127, 286, 145, 19), "Варианты ответа:", 16, false},
        {"Button2", QRect(8, 284, 35, 25), "<<", 16, true},
        {"Button3", QRect(48, 284, 35, 25), ">>", 16, true},
        {"Button5", QRect(280, 284, 35, 25), "A", 19, true},
        {"Button6", QRect(320, 284, 35, 25), "B", 19, true},
        {"Button7", QRect(360, 284, 35, 25), "C", 19, true},
        {"Button8", QRect(400, 284, 35, 25), "D", 19, true},
        {"Button9", QRect(440, 284, 35, 25), "E", 19, true},
        {"Button4", QRect(528, 6, 121, 25), "Завершить", 16, false},
    };
    for (const Placed& placed : controls) {
        SCOPED_TRACE(placed.name);
        const QWidget* widget = form->findChild<QWidget*>(QLatin1String(placed.name));
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->geometry(), placed.geometry);
        const auto* label = qobject_cast<const QLabel*>(widget);
        const auto* push = qobject_cast<const QPushButton*>(widget);
        EXPECT_EQ(label ? label->text() : push->text(), QString::fromUtf8(placed.text));
        EXPECT_EQ(widget->font().pixelSize(), placed.pixelSize);
        EXPECT_EQ(widget->font().bold(), placed.bold);
    }
    auto* memo = child<QPlainTextEdit>("Memo1");
    EXPECT_EQ(memo->geometry(), QRect(8, 37, 641, 233));
    EXPECT_TRUE(memo->isReadOnly());
    EXPECT_EQ(memo->frameShape(), QFrame::NoFrame);
    EXPECT_EQ(memo->font().pixelSize(), 19);
    EXPECT_EQ(child<QLabel>("Label1")->font().pixelSize(), 19);
    EXPECT_EQ(child<QLabel>("Label1")->pos(), QPoint(87, 5));
    EXPECT_EQ(marker()->size(), QSize(43, 33));
    EXPECT_TRUE(marker()->isHidden());
    EXPECT_TRUE(button("Button1")->isHidden());
    EXPECT_EQ(form->Timer1.interval(), 1000);
    EXPECT_FALSE(form->Timer1.isActive());
}
