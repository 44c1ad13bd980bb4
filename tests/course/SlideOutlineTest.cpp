// The slide outline format, and the decks the build made from the course outlines.
#include "SlideOutline.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

TEST(SlideOutline, ReadsTitleSlidesBulletsAndCode)
{
    const SlideOutline outline = SlideOutline::parse(
        "# Курс\r\n\n## Первый\n- пункт один\n-  пункт два \n    SELECT *\n      FROM t;\n\n## Второй\n- ещё\n",
        QStringLiteral("a.txt"));
    EXPECT_EQ(outline.title(), QStringLiteral("Курс"));
    ASSERT_EQ(outline.slides().size(), 2);
    const Slide& first = outline.slides()[0];
    EXPECT_EQ(first.title, QStringLiteral("Первый"));
    ASSERT_EQ(first.items.size(), 4);
    EXPECT_EQ(first.items[1].text, QStringLiteral("пункт два"));
    EXPECT_EQ(first.items[2].kind, SlideItem::Kind::Code);
    EXPECT_EQ(first.items[3].text, QStringLiteral("  FROM t;")) << "code keeps its indentation beyond four spaces";
    EXPECT_EQ(outline.slides()[1].items.size(), 1);
}

TEST(SlideOutline, ReportsFileAndLineOfEveryError)
{
    struct Case { const char* name; const char* text; const char* where; };
    const Case cases[] = {
        {"empty outline", "\n\n", "deck.txt:1:"},
        {"no deck title", "## Слайд\n- x\n", "deck.txt:1:"},
        {"title without text", "#  \n## s\n", "deck.txt:1:"},
        {"bullet before a slide", "# Курс\n\n- x\n", "deck.txt:3:"},
        {"stray text", "# Курс\n## s\nпросто текст\n", "deck.txt:3:"},
        {"three-space code", "# Курс\n## s\n   SELECT 1;\n", "deck.txt:3:"},
        {"second deck title", "# Курс\n## s\n# Ещё\n", "deck.txt:3:"},
        {"empty bullet", "# Курс\n## s\n- \n", "deck.txt:3:"},
        {"no slides", "# Курс\n", "deck.txt:"},
    };
    for (const Case& c : cases) {
        try {
            SlideOutline::parse(QString::fromUtf8(c.text), QStringLiteral("deck.txt"));
            ADD_FAILURE() << c.name << ": accepted";
        } catch (const OutlineError& error) {
            EXPECT_TRUE(QString::fromUtf8(error.what()).startsWith(QLatin1String(c.where))) << c.name << ": " << error.what();
        }
    }
}

int pdfPageCount(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QString bytes = QString::fromLatin1(file.readAll());
    if (!bytes.startsWith(QLatin1String("%PDF-")))
        return -1;
    return int(bytes.count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

// Every outline of the course became a deck with a title page and at least one page per slide.
TEST(SlideDecks, EveryOutlineBecameADeck)
{
    const QDir outlines(QStringLiteral(VESTRON_SOURCE_DIR "/course/slides"));
    const QStringList files = outlines.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name);
    ASSERT_FALSE(files.isEmpty());
    for (const QString& file : files) {
        const SlideOutline outline = SlideOutline::readFile(outlines.filePath(file));
        const QString base = QFileInfo(file).completeBaseName();
        const QString folder = base.startsWith(QLatin1String("lec")) ? QStringLiteral("present") : QStringLiteral("present_prakt");
        const QString deck = QStringLiteral(VESTRON_PROGRAM_DIR "/text/") + folder + QLatin1Char('/') + base + QStringLiteral(".pdf");
        EXPECT_GE(pdfPageCount(deck), outline.slides().size() + 1) << qPrintable(deck);
        if (base.startsWith(QLatin1String("pr"))) {
            EXPECT_GE(outline.slides().size(), 6) << qPrintable(file);
            EXPECT_LE(outline.slides().size(), 12) << qPrintable(file);
        }
    }
}

} // namespace
