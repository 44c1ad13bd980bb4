#include "admin/QuestionMarkup.h"

#include <gtest/gtest.h>

using QuestionMarkup::Format;

TEST(QuestionMarkup, MarkedTextsBecomeWhatTheTestWindowsShow)
{
    const char* const H = "HTML превращён в текст";
    const struct {
        const char* name;
        const char* text;
        Format fallback;
        const char* expected;
        QString changes;  // joined by "|"
    } rows[] = {
        {"plain text is left alone", "a <b> & c", Format::Plain, "a <b> & c", ""},
        {"a plain marker keeps tags as written", "[plain]x <p>", Format::Html, "x <p>", "убрана метка [plain]"},
        {"paragraphs and breaks are lines", "[html]<p>Первый</p><p>Второй<br>третий</p>", Format::Plain,
         "Первый\nВторой\nтретий", QStringLiteral("убрана метка [html]|") + H},
        {"two breaks leave an empty line", "<p>a<br><br>b</p>", Format::Html, "a\n\nb", H},
        {"a break at the end of a paragraph adds nothing", "<p>a<br></p><p>b</p>", Format::Html, "a\nb", H},
        {"white space runs on in HTML", "  <p>один\n   два\tтри</p>  ", Format::Html, "один два три", H},
        {"references decoded", "&lt;x&gt; &amp; &laquo;y&raquo; &#1071; &#x42; &quot;", Format::Html, "<x> & «y» Я B \"", H},
        {"a hard space stays at a line's start", "&nbsp;&nbsp;x", Format::Html, "  x", H},
        {"unknown or unfinished references are text", "a &bogus; b &amp c &", Format::Html, "a &bogus; b &amp c &", ""},
        {"comments, scripts and styles vanish", "a<!-- p->x -->b<script>if (a<b) x();</script><style>p{}</style>c",
         Format::Html, "abc", H},
        {"an unclosed comment hides the rest", "a<!-- b", Format::Html, "a", H},
        {"a picture is named", "<p>Схема: <img src=\"a.png\" alt=\"a > b\"> ниже</p>", Format::Html,
         "Схема: [рисунок] ниже", H + QStringLiteral("|рисунок заменён на «[рисунок]»")},
        {"a lone angle bracket is text", "a < b and c<d", Format::Html, "a < b and c<d", ""},
        {"table cells apart, rows on lines", "<table><tr><td>1</td><td>2</td></tr><tr><td>3</td></tr></table>",
         Format::Html, "1 2\n3", H},
        {"pre keeps its lines", "<pre>x  y\nz</pre>", Format::Html, "x  y\nz", H},
        {"auto format keeps line ends and reads tags", "[moodle]a\n<b>b</b>", Format::Plain, "a\nb",
         QStringLiteral("убрана метка [moodle]|") + H},
        {"markdown is kept", "[markdown]**a**", Format::Html, "**a**", "убрана метка [markdown]"},
        {"a marker after blanks, any case", "  [HTML]<i>x</i>", Format::Plain, "x",
         QStringLiteral("убрана метка [html]|") + H},
        {"a marker inside the text stays", "см. [html]", Format::Plain, "см. [html]", ""},
    };
    for (const auto& row : rows) {
        const QuestionMarkup::Converted converted = QuestionMarkup::fromMarked(QString::fromUtf8(row.text), row.fallback);
        EXPECT_EQ(converted.text, QString::fromUtf8(row.expected)) << row.name;
        EXPECT_EQ(converted.changes.join(u'|'), row.changes) << row.name;
    }
}

// What the export writes as HTML reads back as the same text, spaces and all.
TEST(QuestionMarkup, HtmlOfATextReadsBackAsThatText)
{
    // A control character cannot travel in XML; it is left out.
    EXPECT_EQ(QuestionMarkup::toHtml(QStringLiteral("a\x01" "b\x1f")), QStringLiteral("ab"));
    const char* const texts[] = {
        "Что вернёт SELECT * FROM t WHERE a < 5 AND b > 2?",
        "Строка\n\nпосле пустой",
        "  отступ и  два пробела  в конце ",
        "Кавычки \"x\" и 'y', амперсанд & &amp; и &lt;",
        "p->x; <!-- не комментарий -->",
        "табуляция\tвнутри",
        "<p>теги как текст</p><br>",
    };
    for (const char* text : texts) {
        const QString original = QString::fromUtf8(text);
        const QString html = QuestionMarkup::toHtml(original);
        EXPECT_FALSE(html.contains(u'\n')) << text;
        const QuestionMarkup::Converted back = QuestionMarkup::toPlain(QStringLiteral("<p>") + html + QStringLiteral("</p>"), Format::Html);
        EXPECT_EQ(back.text, original) << text << " as " << html.toStdString();
    }
}
