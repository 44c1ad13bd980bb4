#include "platform/ErrorReport.h"
#include "common/ScriptedDialogs.h"

#include <QApplication>
#include <QTimer>

#include <gtest/gtest.h>

#include <stdexcept>

TEST(ErrorReport, FullStopIsAppendedOnlyAfterCharactersAboveIt)
{
    struct Row { const char* message; const char* shown; };
    const Row rows[] = {
        {"Нет такой таблицы", "Нет такой таблицы."},
        {"Ошибка.", "Ошибка."},
        {"Ошибка!", "Ошибка!"},            // '!' is below '.'
        {"Ошибка,", "Ошибка,"},            // ',' is below '.'
        {"Файл /tmp/x", "Файл /tmp/x."},   // '/' is above '.'
        {"Код 42", "Код 42."},
        {"", ""},
    };
    for (const Row& row : rows)
        EXPECT_EQ(ErrorReport::text(QString::fromUtf8(row.message)), QString::fromUtf8(row.shown)) << row.message;
}

TEST(ErrorReport, AnExceptionInAHandlerIsReportedAndTheLoopGoesOn)
{
    ScriptedDialogs dialogs;
    bool laterRan = false;
    QTimer::singleShot(0, [] { throw std::runtime_error("no such table: temi"); });
    QTimer::singleShot(0, [&] { laterRan = true; });
    QTimer::singleShot(10, qApp, &QCoreApplication::quit);
    QCoreApplication::exec();

    ASSERT_EQ(dialogs.boxes.size(), 1);
    EXPECT_EQ(dialogs.boxes[0].text, QStringLiteral("no such table: temi."));
    EXPECT_EQ(dialogs.boxes[0].caption, QStringLiteral("Учебник"));
    EXPECT_EQ(dialogs.boxes[0].icon, Dialogs::Icon::Error);
    EXPECT_TRUE(laterRan);
}
