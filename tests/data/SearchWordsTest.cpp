#include "data/SearchSnippet.h"
#include "data/SearchWords.h"

#include <gtest/gtest.h>

namespace {

TEST(SearchWordsTest, FoldingKeepsPositions)
{
    EXPECT_EQ(SearchWords::fold(u"ЁЛКА Ёж и Отчёт"), QStringLiteral("елка еж и отчет"));
    const QString text = QStringLiteral("Ещё ЁЁЁ SQL");
    EXPECT_EQ(SearchWords::fold(text).size(), text.size());
    EXPECT_EQ(SearchWords::words(u"ER-модели, SQL: «выборка» 2024г."),
              QStringList({"er", "модели", "sql", "выборка", "2024г"}));
}

TEST(SearchWordsTest, WordFormsShareTheirStem)
{
    const struct {
        QStringList forms;
        const char* stem;
    } rows[] = {
        {{"отношение", "отношения", "отношений", "отношениями", "отношени"}, "отношен"},
        {{"отчёт", "отчёта", "отчета", "отчёты", "отчётов"}, "отчет"},
        {{"нормализация", "нормализации", "нормализацию", "нормализацией"}, "нормализац"},
        {{"данные", "данных", "данными", "данным"}, "дан"},
        {{"зависимость", "зависимости", "зависимостей"}, "зависим"},
        {{"транзакция", "транзакции", "транзакций", "транзакциями"}, "транзакц"},
        {{"модель", "модели", "моделей", "моделям"}, "модел"},
        {{"называется", "называются"}, "называ"},
    };
    for (const auto& row : rows) {
        for (const QString& form : row.forms) {
            SCOPED_TRACE(form.toStdString());
            EXPECT_EQ(SearchWords::stem(SearchWords::fold(form)), QString::fromUtf8(row.stem));
        }
    }
}

TEST(SearchWordsTest, ShortAndLatinWordsStayWhole)
{
    for (const char* word : {"бд", "дом", "select", "b-tree", "3нф", "ключ", "а"}) {
        SCOPED_TRACE(word);
        EXPECT_EQ(SearchWords::stem(QString::fromUtf8(word)), QString::fromUtf8(word));
    }
    // Endings are taken only from after the first vowel.
    EXPECT_EQ(SearchWords::stem(QStringLiteral("воды")), QStringLiteral("вод"));
    EXPECT_EQ(SearchWords::stem(QStringLiteral("ими")), QStringLiteral("им"));
    EXPECT_EQ(SearchWords::stem(QStringLiteral("мне")), QStringLiteral("мне"));
}

TEST(SearchWordsTest, TypedTextBecomesQuotedPrefixes)
{
    EXPECT_EQ(SearchWords::stemsOf(u"  Отчёта, ОТЧЕТ и данных "), QStringList({"отчет", "и", "дан"}));
    // A stem of four letters or more is a prefix; a shorter one stands for its own forms.
    EXPECT_EQ(SearchWords::matchExpression({"отчет", "дан"}), QStringLiteral("\"отчет\"* \"дан\""));
    // Search syntax typed by the student is only words.
    EXPECT_EQ(SearchWords::stemsOf(u"\"NEAR(a* OR b)\" -c ^d"), QStringList({"near", "a", "or", "b", "c", "d"}));
    EXPECT_TRUE(SearchWords::stemsOf(u" .,;\"*() ").isEmpty());
    EXPECT_TRUE(SearchWords::matchExpression({}).isEmpty());
}

TEST(SearchWordsTest, DecomposedLettersAndStressMarksReadAsTheComposedWord)
{
    const struct {
        QString typed;
        QStringList words;
    } rows[] = {
        {QStringLiteral("объе\u0308м"), {"объем"}},            // е + combining diaeresis
        {QStringLiteral("Ё\u0301лка"), {"елка"}},               // a stress mark over ё
        {QStringLiteral("\u0308отчёт"), {"отчет"}},            // a stray mark starts no word
        {QStringLiteral("за\u0301пись и\u0301ндекса"), {"запись", "индекса"}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(SearchWords::words(row.typed), row.words) << row.typed.toStdString();
    EXPECT_EQ(SearchWords::stemsOf(u"объе\u0308м"), SearchWords::stemsOf(u"объём"));
}

TEST(SearchWordsTest, ShortStemsMatchOnlyTheirOwnForms)
{
    const struct {
        const char* typed; // a word as typed
        const char* word;  // a word of the text
        bool found;
    } rows[] = {
        {"поле", "поля", true},       {"поле", "полный", false},     {"поле", "получить", false},
        {"объём", "объём", true},     {"объём", "объект", false},    {"ключ", "ключевой", true},
        {"ключ", "включает", false},  {"отношени", "отношение", true}, {"tables", "table", true},
        {"indexing", "indexes", true}, {"sql", "sqlite", false},
    };
    for (const auto& row : rows) {
        const QString typed = SearchWords::stemsOf(QString::fromUtf8(row.typed)).value(0);
        const QString word = SearchWords::stem(SearchWords::word(QString::fromUtf8(row.word)));
        EXPECT_EQ(SearchWords::matches(word, typed), row.found) << row.typed << " / " << row.word;
    }
}

QStringList markedWords(const SearchSnippet& snippet)
{
    QStringList result;
    for (const auto& mark : snippet.marks)
        result << snippet.text.mid(mark.start, mark.length);
    return result;
}

TEST(SearchSnippetTest, MarksTheFoundWordsAroundTheFirst)
{
    QString body;
    for (int i = 0; i < 40; ++i)
        body += QStringLiteral("слово%1 ").arg(i);
    body += QStringLiteral("Отчёта нет, есть отчет и ОТЧЕТЫ, но не подотчет.");
    for (int i = 0; i < 40; ++i)
        body += QStringLiteral(" хвост%1").arg(i);

    const SearchSnippet snippet = SearchSnippet::around(body, {QStringLiteral("отчет")}, 120);
    EXPECT_EQ(markedWords(snippet), QStringList({"Отчёта", "отчет", "ОТЧЕТЫ"}));
    EXPECT_TRUE(snippet.text.startsWith(QChar(0x2026)));
    EXPECT_TRUE(snippet.text.endsWith(QChar(0x2026)));
    EXPECT_LE(snippet.text.size(), 122);
    // The cuts fall between words.
    EXPECT_TRUE(snippet.text.mid(1).startsWith(QStringLiteral("слово")));
}

TEST(SearchSnippetTest, WithoutAMatchTheBeginningIsShown)
{
    const QString body = QStringLiteral("Начало текста и его продолжение.");
    const SearchSnippet whole = SearchSnippet::around(body, {QStringLiteral("нет")}, 200);
    EXPECT_EQ(whole.text, body);
    EXPECT_TRUE(whole.marks.isEmpty());
    const SearchSnippet cut = SearchSnippet::around(body, {}, 15);
    EXPECT_EQ(cut.text, QStringLiteral("Начало текста и") + QChar(0x2026));
    EXPECT_TRUE(SearchSnippet::around(QString(), {QStringLiteral("а")}).text.isEmpty());
}

} // namespace
