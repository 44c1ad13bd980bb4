#include "platform/ErrorReport.h"
#include "common/ScriptedDialogs.h"
#include "data/DataError.h"

#include <QApplication>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
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

// A guarded handler shows what it throws itself, so nothing reaches Qt's frames; what it
// does before the throw stays done, and an exception of no known type is reported too.
TEST(ErrorReport, AGuardedHandlerReportsItsOwnError)
{
    ScriptedDialogs dialogs;
    int steps = 0;
    EXPECT_NO_THROW(ErrorReport::guard([&] {
        ++steps;
        throw std::runtime_error("database is locked");
    }));
    EXPECT_NO_THROW(ErrorReport::guard([] { throw 42; }));
    ErrorReport::guard([&] { ++steps; });

    EXPECT_EQ(steps, 2);
    ASSERT_EQ(dialogs.boxes.size(), 2);
    EXPECT_EQ(dialogs.boxes[0].text, QStringLiteral("database is locked."));
    EXPECT_EQ(dialogs.boxes[1].text, QStringLiteral("Неизвестная ошибка."));
    EXPECT_EQ(dialogs.boxes[1].caption, QStringLiteral("Учебник"));
}

// An explained database failure shows its Russian sentence; the engine's own words go to
// the report's details, never into the sentence.
TEST(ErrorReport, TheEngineWordsAreDetailsOfTheReport)
{
    ScriptedDialogs dialogs;
    const struct {
        const char* name;
        std::function<void()> fail;
        QString text;
        QString details;
    } rows[] = {
        {"explained", [] { throw DataError(QStringLiteral("Файл базы данных открыт только для чтения"),
                                           QStringLiteral("attempt to write a readonly database")); },
         QStringLiteral("Файл базы данных открыт только для чтения."), QStringLiteral("attempt to write a readonly database")},
        {"the engine's words alone", [] { throw DataError(QStringLiteral("no such table: x")); },
         QStringLiteral("no such table: x."), QString()},
        {"another exception", [] { throw std::runtime_error("disk quota"); }, QStringLiteral("disk quota."), QString()},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        dialogs.clear();
        ErrorReport::guard(row.fail);
        ASSERT_EQ(dialogs.boxes.size(), 1);
        EXPECT_EQ(dialogs.boxes[0].text, row.text);
        EXPECT_EQ(dialogs.boxes[0].details, row.details);
        EXPECT_EQ(dialogs.boxes[0].icon, Dialogs::Icon::Error);
    }
}
