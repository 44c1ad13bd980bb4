#include "ImportChecks.h"
#include "admin/MoodleXmlFormat.h"

#include <algorithm>

namespace {

QString quiz(const std::string& body)
{
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<quiz>\n") + QString::fromStdString(body)
        + QStringLiteral("</quiz>\n");
}

// Answers written "fraction text", one a "|", as plain answer elements.
std::string answers(const std::string& list)
{
    std::string xml;
    for (size_t at = 0; at <= list.size();) {
        const size_t end = std::min(list.find('|', at), list.size()), space = list.find(' ', at);
        xml += "<answer fraction=\"" + list.substr(at, space - at) + "\"><text>" + list.substr(space + 1, end - space - 1)
            + "</text></answer>";
        at = end + 1;
    }
    return xml;
}

// A multichoice question, its question text element as written, starting on line 3.
std::string multichoice(const std::string& text, const std::string& answerXml, const char* single = "true")
{
    return "<question type=\"multichoice\">\n<name><text>Имя</text></name>\n" + text + "\n<single>" + single + "</single>\n"
        + answerXml + "</question>\n";
}

std::string questionText(const char* text, const char* format = "html")
{
    return std::string("<questiontext format=\"") + format + "\"><text>" + text + "</text></questiontext>";
}

const std::string kTwoAnswers = "<answer fraction=\"0\"><text>нет</text></answer>\n"
                                "<answer fraction=\"100\"><text>да</text><feedback><text>верно</text></feedback></answer>\n";

} // namespace

TEST(MoodleXmlFormat, ReadsSingleAnswerQuestionsInEveryTextForm)
{
    const struct {
        const char* name;
        std::string body;
        const char *text, *options, *key, *notes;
    } rows[] = {
        {"HTML in CDATA with a picture",
         multichoice("<questiontext format=\"html\"><text><![CDATA[<p>Что на <b>схеме</b>?</p><p><img src=\"@@PLUGINFILE@@/a.png\"></p>]]>"
                     "</text><file name=\"a.png\" encoding=\"base64\">AAAA</file></questiontext>", kTwoAnswers),
         "Что на схеме?\n[рисунок]", "нет|да", "B", "HTML превращён в текст|рисунок заменён на «[рисунок]»"},
        {"HTML escaped as XML text",
         multichoice(questionText("&lt;p&gt;a &amp;lt; b&lt;/p&gt;"),
                     "<answer fraction=\"100\" format=\"html\"><text>&lt;p&gt;p-&amp;gt;x&lt;/p&gt;</text></answer>"
                     "<answer fraction=\"0\" format=\"html\"><text>y</text></answer>"),
         "a < b", "p->x|y", "A", "HTML превращён в текст"},
        {"plain text keeps its tags", multichoice(questionText("Тег &lt;br&gt; делает что?", "plain_text"), kTwoAnswers),
         "Тег <br> делает что?", "нет|да", "B", ""},
        {"auto format keeps line ends", multichoice(questionText("раз\nдва", "moodle_auto_format"), kTwoAnswers), "раз\nдва",
         "нет|да", "B", ""},
        {"decimal fractions, checkboxes with one right answer",
         multichoice("<questiontext><text>Q</text></questiontext>", answers("0.0000000 a|100.0000000 b"), "false"), "Q", "a|b",
         "B", "вопрос с флажками и одним верным вариантом прочитан как вопрос с одним ответом"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const ImportResult result = MoodleXmlFormat::parse(quiz(row.body));
        expectOneQuestion(result, row.text, row.options, row.key, row.notes);
        if (!result.questions.isEmpty())
            EXPECT_EQ(result.questions.front().line, 3);
    }
}

TEST(MoodleXmlFormat, CategoriesArePassedOverAndOtherKindsRefusedByName)
{
    const QString text = quiz(
        "<!-- question: 0 -->\n<question type=\"category\"><category><text>$course$/top/БД</text></category></question>\n"
        "<question type=\"shortanswer\"><name><text>Кратко</text></name>" + answers("100 x") + "</question>\n"
        "<question type=\"truefalse\">" + answers("100 true") + "</question>\n"
        "<question type=\"matching\"></question>\n<question type=\"essay\"></question>\n"
        "<question type=\"description\"></question>\n<question type=\"numerical\"></question>\n"
        "<question type=\"ordering\"></question>\n<question type=\"нечто\"></question>\n"
        "<question type=\"multichoice\"><questiontext><text>Q</text></questiontext>\n" + answers("100 a|0 b") + "</question>\n");
    const ImportResult result = MoodleXmlFormat::parse(text);
    ASSERT_EQ(result.questions.size(), 1);
    EXPECT_EQ(result.questions.front().line, 13);
    const char* const reasons[] = {"«Кратко»: вопрос с кратким ответом не поддерживается", "«верно/неверно»", "на соответствие",
                                   "эссе", "описание", "числовой", "упорядочивание", "неизвестного типа «нечто»"};
    ASSERT_EQ(result.issues.size(), qsizetype(std::size(reasons)));
    for (qsizetype i = 0; i < result.issues.size(); ++i) {
        SCOPED_TRACE(reasons[i]);
        EXPECT_EQ(result.issues.at(i).line, 5 + i);
        expectRefused(ImportResult{{}, {result.issues.at(i)}}, reasons[i]);
    }
}

TEST(MoodleXmlFormat, RefusesMultipleChoiceTheBankCannotHold)
{
    const std::string q = questionText("Q");
    const struct {
        const char* name;
        std::string body;
        const char* reason;
    } rows[] = {
        {"several right answers", multichoice(q, answers("50 a|50 b"), "false"), "несколькими правильными"},
        {"weighted wrong answer", multichoice(q, answers("100 a|-50 b")), "весами"},
        {"no right answer", multichoice(q, answers("0 a|0 b")), "нет правильного"},
        {"two right answers", multichoice(q, answers("100 a|100 b")), "больше одного правильного"},
        {"one answer", multichoice(q, answers("100 a")), "меньше двух"},
        {"six answers", multichoice(q, answers("100 a|0 b|0 c|0 d|0 e|0 f")), "больше пяти"},
        {"an answer that is only markup", multichoice(q, answers("100 &lt;p&gt;&lt;/p&gt;|0 b")), "пустой вариант"},
        {"no question text", multichoice(questionText("<![CDATA[<p> </p>]]>"), kTwoAnswers), "пустой текст"},
        {"a fraction that is no number", multichoice(q, answers("много a|0 b")), "fraction"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const ImportResult result = MoodleXmlFormat::parse(quiz(row.body));
        expectRefused(result, row.reason);
        EXPECT_EQ(result.issues.value(0).line, 3);
    }
}

TEST(MoodleXmlFormat, DamagedDocumentsKeepTheQuestionsBeforeTheDamage)
{
    const std::string good = multichoice(questionText("Q"), kTwoAnswers);
    const QString full = quiz(good + good);
    const struct {
        const char* name;
        QString text;
        int questions;
        const char* reason;
    } rows[] = {
        {"cut off in the second question", full.left(full.lastIndexOf(QStringLiteral("<answer"))), 1, "оборван"},
        {"a tag that does not match", quiz(good + "<question type=\"multichoice\"><name></question>"), 1, "повреждён"},
        {"not a quiz", QStringLiteral("<?xml version=\"1.0\"?><html><body/></html>"), 0, "<quiz>"},
        {"not even XML", QStringLiteral("<?xml version=\"1.0\"?> просто текст"), 0, "XML"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const ImportResult result = MoodleXmlFormat::parse(row.text);
        EXPECT_EQ(result.questions.size(), row.questions);
        ASSERT_FALSE(result.issues.isEmpty());
        EXPECT_TRUE(result.issues.back().reason.contains(QString::fromUtf8(row.reason))) << result.issues.back().reason.toStdString();
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
    expectReadBack(MoodleXmlFormat::parse(result.text), {bank.at(0), bank.at(2)});
}
