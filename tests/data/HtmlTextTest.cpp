#include "common/FuzzRun.h"
#include "data/HtmlText.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

TEST(HtmlTextTest, ReadsTitleAndBodyText)
{
    const struct {
        const char* name;
        const char* html;
        const char* title;
        const char* body;
    } rows[] = {
        {"title and body", "<html><head><title>Лекция 1</title></head><body><p>Текст</p></body></html>", "Лекция 1", "Текст"},
        {"inline tags join a word", "<p>от<b>чёт</b>а</p>", "", "отчёта"},
        {"blocks part words", "<p>один</p><p>два</p><li>три<br>четыре", "", "один два три четыре"},
        {"references", "a&amp;b &lt;x&gt; &laquo;к&raquo; &#1046; &#x416; &nbsp;z", "", "a&b <x> «к» Ж Ж z"},
        {"unknown reference stays", "&nosuch; & и &", "", "&nosuch; & и &"},
        {"bad numeric reference", "a&#0;b&#xD800;c&#99999999;d", "", "a\xEF\xBF\xBD" "b\xEF\xBF\xBD" "c\xEF\xBF\xBD" "d"},
        {"scripts, styles, comments and navigation are left out",
         "<style>p{}</style><script>var a = '<p>';</script><!-- скрыто --><nav><a>Далее</a></nav>видно", "", "видно"},
        {"a lone angle bracket is text", "1 < 2 и 3 <= 4", "", "1 < 2 и 3 <= 4"},
        {"white space collapses", "  a \n\t b  ", "", "a b"},
        {"unterminated comment", "текст<!-- и до конца", "", "текст"},
        {"unterminated tag", "текст<p class=", "", "текст"},
        {"unterminated script", "до<script>всё остальное", "", "до"},
        {"upper-case tags", "<TITLE>Т</TITLE><P>а</P><SCRIPT>x</SCRIPT>б", "Т", "а б"},
        {"soft hyphen vanishes", "пере&shy;нос", "", "перенос"},
        {"a title never closed ends at the next tag", "<title>Лекция 2<body><p>Текст", "Лекция 2", "Текст"},
        {"a title never closed ends at its line end", "<title>Лекция 3\nвесь текст лекции", "Лекция 3",
         "весь текст лекции"},
        {"a title ends at a tag inside it", "<title>Ключи <b>и</b> индексы</title>", "Ключи", "и индексы"},
        {"a reference in a title stays in it", "<title>A &amp; B</title>", "A & B", ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const HtmlText text = HtmlText::fromHtml(QString::fromUtf8(row.html));
        EXPECT_EQ(text.title, QString::fromUtf8(row.title));
        EXPECT_EQ(text.body, QString::fromUtf8(row.body));
    }
}

TEST(HtmlTextTest, ALongTitleIsCutAndTheRestStaysSearchable)
{
    const QString words = QStringLiteral("слово ").repeated(100000); // 600 000 characters
    const HtmlText text = HtmlText::fromHtml(QStringLiteral("<title>") + words);
    EXPECT_EQ(text.title, words.left(197).trimmed()) << "cut at the last space within 200";
    EXPECT_EQ(text.body.count(QStringLiteral("слово")), 100000 - 33);
    const HtmlText oneWord = HtmlText::fromHtml(QStringLiteral("<title>") + QString(300, u'я'));
    EXPECT_EQ(oneWord.title, QString(200, u'я'));
    EXPECT_EQ(oneWord.body, QString(100, u'я'));
}

TEST(HtmlTextTest, DecodesTheDocumentsCharset)
{
    const QString word = QStringLiteral("Отчёт");
    const QByteArray cp1251("\xCE\xF2\xF7\xB8\xF2");
    const struct {
        const char* name;
        QByteArray bytes;
    } rows[] = {
        {"utf-8", word.toUtf8()},
        {"utf-8 with a byte-order mark", "\xEF\xBB\xBF" + word.toUtf8()},
        {"declared windows-1251", "<meta charset=\"windows-1251\">" + cp1251},
        {"declared in http-equiv", "<meta http-equiv=Content-Type content='text/html; charset=cp1251'>" + cp1251},
        {"undeclared, not utf-8", cp1251},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(HtmlText::fromBytes(row.bytes).body, word);
    }
}

// Whatever the bytes, reading ends and yields text (the reader is also fed by the fuzzer).
TEST(HtmlTextTest, AnyBytesAreRead)
{
    QByteArray bytes;
    uint32_t state = 12345;
    for (int round = 0; round < 300; ++round) {
        bytes.clear();
        for (int i = 0; i < 200; ++i) {
            state = state * 1103515245u + 12345u;
            static const char pieces[] = "<>&;#x/!-pscrt \xD0\xB5\xB8";
            bytes += pieces[(state >> 16) % (sizeof(pieces) - 1)];
        }
        const HtmlText text = HtmlText::fromBytes(bytes);
        EXPECT_LE(text.body.size(), bytes.size());
    }
}

// The course's own documents, damaged: reading ends, and what it gives is clean text.
TEST(HtmlTextTest, DamagedCourseDocumentsAreRead)
{
    const QDir dir(QStringLiteral(VESTRON_SOURCE_DIR "/course/text"));
    QList<QByteArray> seeds;
    for (const QString& name : dir.entryList({QStringLiteral("*.htm")}, QDir::Files, QDir::Name))
        seeds << FuzzRun::readFile(dir.filePath(name));
    ASSERT_GE(seeds.size(), 10);
    const QList<QByteArray> tokens = {
        QByteArray("<script>"), QByteArray("</script>"), QByteArray("<style"), QByteArray("<!--"), QByteArray("-->"),
        QByteArray("<nav>"), QByteArray("<title>"), QByteArray("&#x"), QByteArray("&#99999999999;"), QByteArray("&"),
        QByteArray("<meta charset=\"windows-1251\">"), QByteArray("<meta charset=\"x-unknown\">"),
        QByteArray("\xEF\xBB\xBF"), QByteArray("\xFF\xFE"), QByteArray("\xD0"), QByteArray("<"), QByteArray(">"),
    };
    FuzzRun fuzz(1500, 2612);
    for (int round = 0; round < fuzz.rounds(); ++round) {
        const QByteArray bytes = fuzz.mutate(seeds[round % seeds.size()], tokens);
        const HtmlText text = HtmlText::fromBytes(bytes);
        // One space between words, none at the ends; no tag survives whole.
        ASSERT_EQ(text.body, text.body.simplified()) << "round " << round << " (seed " << fuzz.seed() << ")";
        ASSERT_EQ(text.title, text.title.simplified()) << "round " << round;
        ASSERT_FALSE(text.body.contains(QStringLiteral("<script"))) << "round " << round;
    }
}

} // namespace
