#include "admin/MoodleXmlFormat.h"

#include <gtest/gtest.h>

namespace {

QString quiz(const char* body)
{
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<quiz>\n") + QString::fromUtf8(body)
        + QStringLiteral("</quiz>\n");
}

// A multichoice question of the given text (element content as written) and answers.
std::string multichoice(const char* text, const char* answers, const char* single = "true")
{
    return std::string("<question type=\"multichoice\">\n<name><text>Имя</text></name>\n") + text + "\n<single>" + single
        + "</single>\n" + answers + "</question>\n";
}

const char* const kTwoAnswers = "<answer fraction=\"0\"><text>нет</text></answer>\n"
                                "<answer fraction=\"100\"><text>да</text><feedback><text>верно</text></feedback></answer>\n";

} // namespace

TEST(MoodleXmlFormat, ReadsSingleAnswerQuestionsInEveryTextForm)
{
    struct Row {
        const char* name;
        std::string body;
        const char* text;
        const char* options;  // joined by "|"
        const char* key;
        const char* notes;    // joined by "|"
    };
    const Row rows[] = {
        {"HTML in CDATA with a picture",
         multichoice("<questiontext format=\"html\"><text><![CDATA[<p>Что на <b>схеме</b>?</p><p><img src=\"@@PLUGINFILE@@/a.png\"></p>]]>"
                     "</text><file name=\"a.png\" encoding=\"base64\">AAAA</file></questiontext>",
                     kTwoAnswers),
         "Что на схеме?\n[рисунок]", "нет|да", "B", "HTML превращён в текст|рисунок заменён на «[рисунок]»"},
        {"HTML escaped as XML text",
         multichoice("<questiontext format=\"html\"><text>&lt;p&gt;a &amp;lt; b&lt;/p&gt;</text></questiontext>",
                     "<answer fraction=\"100\" format=\"html\"><text>&lt;p&gt;p-&amp;gt;x&lt;/p&gt;</text></answer>"
                     "<answer fraction=\"0\" format=\"html\"><text>y</text></answer>"),
         "a < b", "p->x|y", "A", "HTML превращён в текст"},
        {"plain text keeps its tags",
         multichoice("<questiontext format=\"plain_text\"><text>Тег &lt;br&gt; делает что?</text></questiontext>", kTwoAnswers),
         "Тег <br> делает что?", "нет|да", "B", ""},
        {"auto format keeps line ends",
         multichoice("<questiontext format=\"moodle_auto_format\"><text>раз\nдва</text></questiontext>", kTwoAnswers),
         "раз\nдва", "нет|да", "B", ""},
        {"fractions written with decimals, checkboxes with one right answer",
         multichoice("<questiontext><text>Q</text></questiontext>",
                     "<answer fraction=\"0.0000000\"><text>a</text></answer><answer fraction=\"100.0000000\"><text>b</text></answer>",
                     "false"),
         "Q", "a|b", "B", "вопрос с флажками и одним верным вариантом прочитан как вопрос с одним ответом"},
    };
    for (const Row& row : rows) {
        const ImportResult result = MoodleXmlFormat::parse(quiz(row.body.c_str()));
        ASSERT_EQ(result.questions.size(), 1) << row.name << ": " << result.issues.value(0).reason.toStdString();
        EXPECT_TRUE(result.issues.isEmpty()) << row.name;
        const BankQuestion& q = result.questions.front();
        EXPECT_EQ(q.line, 3) << row.name;
        EXPECT_EQ(q.text, QString::fromUtf8(row.text)) << row.name;
        EXPECT_EQ(q.options.join(u'|'), QString::fromUtf8(row.options)) << row.name;
        EXPECT_EQ(q.key(), QString::fromUtf8(row.key)) << row.name;
        EXPECT_EQ(q.notes.join(u'|'), QString::fromUtf8(row.notes)) << row.name;
    }
}

TEST(MoodleXmlFormat, CategoriesArePassedOverAndOtherKindsRefusedByName)
{
    const QString text = quiz(
        "<!-- question: 0 -->\n<question type=\"category\"><category><text>$course$/top/БД</text></category></question>\n"
        "<question type=\"shortanswer\"><name><text>Кратко</text></name><answer fraction=\"100\"><text>x</text></answer></question>\n"
        "<question type=\"truefalse\"><answer fraction=\"100\"><text>true</text></answer></question>\n"
        "<question type=\"matching\"></question>\n"
        "<question type=\"essay\"></question>\n"
        "<question type=\"description\"></question>\n"
        "<question type=\"numerical\"></question>\n"
        "<question type=\"ordering\"></question>\n"
        "<question type=\"нечто\"></question>\n"
        "<question type=\"multichoice\"><questiontext><text>Q</text></questiontext>\n"
        "<answer fraction=\"100\"><text>a</text></answer><answer fraction=\"0\"><text>b</text></answer></question>\n");
    const ImportResult result = MoodleXmlFormat::parse(text);
    ASSERT_EQ(result.questions.size(), 1);
    EXPECT_EQ(result.questions.front().line, 13);
    const struct {
        int line;
        const char* reason;
    } expected[] = {
        {5, "«Кратко»: вопрос с кратким ответом не поддерживается"}, {6, "«верно/неверно»"}, {7, "на соответствие"}, {8, "эссе"},
        {9, "описание"}, {10, "числовой"}, {11, "упорядочивание"}, {12, "неизвестного типа «нечто»"},
    };
    ASSERT_EQ(result.issues.size(), qsizetype(std::size(expected)));
    for (qsizetype i = 0; i < result.issues.size(); ++i) {
        EXPECT_EQ(result.issues.at(i).line, expected[i].line) << i;
        EXPECT_TRUE(result.issues.at(i).reason.contains(QString::fromUtf8(expected[i].reason)))
            << result.issues.at(i).reason.toStdString();
        EXPECT_FALSE(result.issues.at(i).reason.contains(QStringLiteral("больше одного"))) << i;
    }
}

TEST(MoodleXmlFormat, RefusesMultipleChoiceTheBankCannotHold)
{
    struct Row {
        const char* name;
        std::string body;
        const char* reason;
    };
    const char* const text = "<questiontext format=\"html\"><text>Q</text></questiontext>";
    const Row rows[] = {
        {"several right answers", multichoice(text, "<answer fraction=\"50\"><text>a</text></answer><answer fraction=\"50\"><text>b</text></answer>", "false"),
         "несколькими правильными"},
        {"weighted wrong answer", multichoice(text, "<answer fraction=\"100\"><text>a</text></answer><answer fraction=\"-50\"><text>b</text></answer>"),
         "весами"},
        {"no right answer", multichoice(text, "<answer fraction=\"0\"><text>a</text></answer><answer fraction=\"0\"><text>b</text></answer>"),
         "нет правильного"},
        {"two right answers", multichoice(text, "<answer fraction=\"100\"><text>a</text></answer><answer fraction=\"100\"><text>b</text></answer>"),
         "больше одного правильного"},
        {"one answer", multichoice(text, "<answer fraction=\"100\"><text>a</text></answer>"), "меньше двух"},
        {"six answers", multichoice(text, "<answer fraction=\"100\"><text>a</text></answer><answer fraction=\"0\"><text>b</text></answer>"
                                          "<answer fraction=\"0\"><text>c</text></answer><answer fraction=\"0\"><text>d</text></answer>"
                                          "<answer fraction=\"0\"><text>e</text></answer><answer fraction=\"0\"><text>f</text></answer>"),
         "больше пяти"},
        {"an answer that is only markup", multichoice(text, "<answer fraction=\"100\"><text>&lt;p&gt;&lt;/p&gt;</text></answer><answer fraction=\"0\"><text>b</text></answer>"),
         "пустой вариант"},
        {"no question text", multichoice("<questiontext format=\"html\"><text><![CDATA[<p> </p>]]></text></questiontext>", kTwoAnswers),
         "пустой текст"},
        {"a fraction that is no number", multichoice(text, "<answer fraction=\"много\"><text>a</text></answer><answer fraction=\"0\"><text>b</text></answer>"),
         "fraction"},
    };
    for (const Row& row : rows) {
        const ImportResult result = MoodleXmlFormat::parse(quiz(row.body.c_str()));
        EXPECT_TRUE(result.questions.isEmpty()) << row.name;
        ASSERT_EQ(result.issues.size(), 1) << row.name;
        EXPECT_EQ(result.issues.front().line, 3) << row.name;
        EXPECT_TRUE(result.issues.front().reason.contains(QString::fromUtf8(row.reason)))
            << row.name << ": " << result.issues.front().reason.toStdString();
    }
}

TEST(MoodleXmlFormat, DamagedDocumentsKeepTheQuestionsBeforeTheDamage)
{
    const std::string good = multichoice("<questiontext><text>Q</text></questiontext>", kTwoAnswers);
    const QString full = quiz((good + good).c_str());
    struct Row {
        const char* name;
        QString text;
        int questions;
        const char* reason;
    };
    const Row rows[] = {
        {"cut off in the second question", full.left(full.lastIndexOf(QStringLiteral("<answer"))), 1, "оборван"},
        {"a tag that does not match", quiz((good + "<question type=\"multichoice\"><name></question>").c_str()), 1, "повреждён"},
        {"not a quiz", QStringLiteral("<?xml version=\"1.0\"?><html><body/></html>"), 0, "<quiz>"},
        {"not even XML", QStringLiteral("<?xml version=\"1.0\"?> просто текст"), 0, "XML"},
    };
    for (const Row& row : rows) {
        const ImportResult result = MoodleXmlFormat::parse(row.text);
        EXPECT_EQ(result.questions.size(), row.questions) << row.name;
        ASSERT_FALSE(result.issues.isEmpty()) << row.name;
        EXPECT_TRUE(result.issues.back().reason.contains(QString::fromUtf8(row.reason)))
            << row.name << ": " << result.issues.back().reason.toStdString();
    }
}

TEST(MoodleXmlFormat, WritesTheBankAsSingleAnswerQuestionsThatReadBack)
{
    const QVector<StoredQuestion> bank = {
        {3, QStringLiteral("Что вернёт a < b && c > d?\n\nВторая строка с  двумя пробелами\nA) p->x\nB) <!-- --> & \"x\""), QStringLiteral("A")},
        {4, QStringLiteral("Без вариантов"), QStringLiteral("A")},
        {5, QStringLiteral("[html] как текст\nA) [plain]a\nB) ]]> конец CDATA"), QStringLiteral("B")},
    };
    const ExportResult result = MoodleXmlFormat::write(bank);
    EXPECT_EQ(result.written, 2);
    ASSERT_EQ(result.skipped.size(), 1);
    EXPECT_EQ(result.skipped.front().id, 4);
    EXPECT_TRUE(result.text.contains(QStringLiteral("<single>true</single>")));
    EXPECT_TRUE(result.text.contains(QStringLiteral("format=\"html\"")));

    const ImportResult back = MoodleXmlFormat::parse(result.text);
    EXPECT_TRUE(back.issues.isEmpty()) << back.issues.value(0).reason.toStdString();
    ASSERT_EQ(back.questions.size(), 2);
    EXPECT_EQ(back.questions.at(0).storedText(), bank.at(0).text);
    EXPECT_EQ(back.questions.at(0).key(), QStringLiteral("A"));
    EXPECT_EQ(back.questions.at(1).storedText(), bank.at(2).text);
    EXPECT_EQ(back.questions.at(1).key(), QStringLiteral("B"));
}
