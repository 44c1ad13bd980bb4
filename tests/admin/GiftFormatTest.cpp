#include "ImportChecks.h"
#include "admin/GiftFormat.h"

#include <gtest/gtest.h>

TEST(GiftFormat, ReadsEveryRuleOfTheSubset)
{
    struct Row {
        const char* name;
        const char* text;
        int line;
        const char* question;
        const char* options; // joined by "|"
        const char* key;
    };
    const Row rows[] = {
        {"options on one line", "Столица? {=Москва ~Минск ~Киев}", 1, "Столица?", "Москва|Минск|Киев", "A"},
        {"a title, options on their own lines", "::Т1::Что такое SQL?{\n~Язык разметки\n=Язык запросов\n}", 1,
         "Что такое SQL?", "Язык разметки|Язык запросов", "B"},
        {"comments before and inside", "// раздел 1\n$CATEGORY: базы\nВопрос {\n// пояснение\n~a\n=b\n}", 3,
         "Вопрос", "a|b", "B"},
        {"feedback after options is dropped", "Q {=да#верно ~нет#неверно}", 1, "Q", "да|нет", "A"},
        {"every escape", "Знаки \\= \\~ \\{ \\} \\: \\# \\\\ {=a\\=b ~c\\~d ~e\\#f ~g\\{h\\}}", 1,
         "Знаки = ~ { } : # \\", "a=b|c~d|e#f|g{h}", "A"},
        {"a line break escape", "Первая\\nвторая {=x ~y}", 1, "Первая\nвторая", "x|y", "A"},
        {"a question of several lines", "Строка один\nстрока два {\n=x\n~y\n}", 1, "Строка один\nстрока два", "x|y",
         "A"},
        {"text after the braces fills a blank", "Москва {=столица ~город} России.", 1,
         "Москва _____ России.", "столица|город", "A"},
        {"CRLF, a byte-order mark and Cyrillic", "\xEF\xBB\xBF\r\n::Вопрос::Ёлка — это? {\r\n=Дерево\r\n~Куст\r\n}\r\n",
         2, "Ёлка — это?", "Дерево|Куст", "A"},
        {"five options", "Q {~1 ~2 ~3 ~4 =5}", 1, "Q", "1|2|3|4|5", "E"},
        {"an option spread over two lines", "Q {=long\noption ~b}", 1, "Q", "long option|b", "A"},
    };
    for (const Row& row : rows) {
        const ImportResult result = GiftFormat::parse(QString::fromUtf8(row.text));
        ASSERT_EQ(result.questions.size(), 1) << row.name << ": " << result.issues.value(0).reason.toStdString();
        EXPECT_TRUE(result.issues.isEmpty()) << row.name;
        const BankQuestion& q = result.questions.front();
        EXPECT_EQ(q.line, row.line) << row.name;
        EXPECT_EQ(q.text, QString::fromUtf8(row.question)) << row.name;
        EXPECT_EQ(q.options.join(u'|'), QString::fromUtf8(row.options)) << row.name;
        EXPECT_EQ(q.key(), QString::fromUtf8(row.key)) << row.name;
    }
}

TEST(GiftFormat, BlankLinesSeparateQuestionsAndRefusalsKeepTheRest)
{
    const ImportResult result = GiftFormat::parse(QStringLiteral(
        "Один {=a ~b}\n\n\nДва {~a ~b}\n\n// итог\nТри {~a =b ~c}\n"));
    ASSERT_EQ(result.questions.size(), 2);
    EXPECT_EQ(result.questions.at(0).text, QStringLiteral("Один"));
    EXPECT_EQ(result.questions.at(1).text, QStringLiteral("Три"));
    EXPECT_EQ(result.questions.at(1).line, 7);
    ASSERT_EQ(result.issues.size(), 1);
    EXPECT_EQ(result.issues.front().line, 4);
}

TEST(GiftFormat, RefusesWithLineNumberAndReason)
{
    struct Row {
        const char* name;
        const char* text;
        int line;
        const char* reason;
    };
    const Row rows[] = {
        {"six options", "\nQ {=1 ~2 ~3 ~4 ~5 ~6}", 2, "больше пяти"},
        {"no right answer", "Q {~1 ~2}", 1, "нет правильного"},
        {"two right answers", "Q {=1 =2 ~3}", 1, "больше одного правильного"},
        // One "=" alone is a short-answer question, named as such.
        {"one option only", "Q {=1}", 1, "кратким ответом"},
        {"no braces", "Просто текст", 1, "нет вариантов"},
        {"braces never closed", "Q\n{=1\n~2", 2, "не закрыта"},
        {"a brace inside the options", "Q {=1 {~2}", 1, "лишняя «{»"},
        {"two answer blocks", "Q {=1 ~2} и {=3 ~4}", 1, "больше одного блока"},
        {"empty braces", "Эссе {}", 1, "эссе"},
        {"true or false", "Земля круглая {T}", 1, "верно/неверно"},
        {"numeric", "Сколько? {#5}", 1, "числовой"},
        {"matching", "Пары {=a -> 1 =b -> 2}", 1, "соответствие"},
        {"weights", "Q {~%50%a ~%50%b}", 1, "веса"},
        {"empty option", "Q {=a ~ ~b}", 1, "пустой вариант"},
        {"text before the first option", "Q {вот =a ~b}", 1, "текст перед первым"},
        {"title not closed", "::Название Q {=a ~b}", 1, "не закрыто"},
        {"no question text", "::T:: {=a ~b}", 1, "пустой текст"},
        {"an option on a later line", "Q {\n=a\n~b\n~\n}", 4, "пустой вариант"},
    };
    for (const Row& row : rows) {
        const ImportResult result = GiftFormat::parse(QString::fromUtf8(row.text));
        EXPECT_TRUE(result.questions.isEmpty()) << row.name;
        ASSERT_EQ(result.issues.size(), 1) << row.name;
        EXPECT_EQ(result.issues.front().line, row.line) << row.name;
        EXPECT_TRUE(result.issues.front().reason.contains(QString::fromUtf8(row.reason)))
            << row.name << ": " << result.issues.front().reason.toStdString();
    }
}

TEST(GiftFormat, WritesEscapedTextAndSkipsWhatItCannotCarry)
{
    const QVector<StoredQuestion> bank = {
        {7, QStringLiteral("a = b: {x}?\nA) 1~2\nB) #3"), QStringLiteral("B")},
        {8, QStringLiteral("// похоже на комментарий\nA) x\nB) y"), QStringLiteral("A")},
        {9, QStringLiteral("Q\nA) %50% x\nB) y"), QStringLiteral("A")},
    };
    const ExportResult result = GiftFormat::write(bank);
    EXPECT_EQ(result.written, 1);
    EXPECT_EQ(result.text, QStringLiteral("// Вопрос 7\na \\= b\\: \\{x\\}? {\n\t~1\\~2\n\t=\\#3\n}\n\n"));
    ASSERT_EQ(result.skipped.size(), 2);
    EXPECT_EQ(result.skipped.at(0).id, 8);
    EXPECT_EQ(result.skipped.at(1).id, 9);

    const ImportResult back = GiftFormat::parse(result.text);
    ASSERT_EQ(back.questions.size(), 1);
    EXPECT_EQ(back.questions.front().storedText(), bank.front().text);
}

// Texts exported by web test systems, and the kinds of question they hold besides ours.
TEST(GiftFormat, ReadsMarkedTextsAndArrowsInMultipleChoice)
{
    const char* const html = "убрана метка [html]|HTML превращён в текст";
    const struct {
        const char *name, *text, *question, *options, *key, *notes;
    } rows[] = {
        {"an HTML question, its options in the same format",
         "::Q1::[html]<p>Что такое <b>ключ</b>?</p>{\n\t=<p>Поле</p>#<p>да</p>\n\t~Индекс &amp; ещё\n}", "Что такое ключ?",
         "Поле|Индекс & ещё", "A", html},
        {"an option with its own marker", "Q {=[plain]<b> ~b}", "Q", "<b>|b", "A", "убрана метка [plain]"},
        {"escaped characters inside HTML", "[html]a \\= b<br>c {=x ~y}", "a = b\nc", "x|y", "A", html},
        {"a pointer in an option is code, not matching", "Код? {=p->x ~p.x}", "Код?", "p->x|p.x", "A", ""},
        {"an HTML comment in feedback", "[html]Q {=a#<!-- x --> ~b#ok}", "Q", "a|b", "A", "убрана метка [html]"},
        {"weights of 100 and 0 only say which is right", "Q {~%0%a ~%100%b}", "Q", "a|b", "B", ""},
        {"a missing word before a full stop", "Текст {=а ~б}.", "Текст _____.", "а|б", "A", ""},
        {"a missing word at the start", "{=Москва ~Минск} — столица России.", "_____ — столица России.", "Москва|Минск", "A", ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        expectOneQuestion(GiftFormat::parse(QString::fromUtf8(row.text)), row.question, row.options, row.key, row.notes);
    }
}

TEST(GiftFormat, EachKindOfQuestionIsRefusedByItsOwnName)
{
    const struct {
        const char *name, *text, *reason;
    } rows[] = {
        {"short answer with several accepted", "Столица? {=Москва =москва}", "кратким ответом"},
        {"short answer with weights", "Столица? {=%100%Москва =%50%Мск}", "кратким ответом"},
        {"true with feedback", "Земля круглая {TRUE#верно#неверно}", "верно/неверно"},
        {"matching with arrows in every answer", "Пары {=a -> 1 =b -> 2 =c -> 3}", "соответствие"},
        {"description", "Просто текст", "описание"},
        {"essay", "Эссе {}", "эссе"},
        {"numeric range", "Сколько? {#5:1}", "числовой"},
        {"weighted answers", "Q {~%50%a ~%50%b ~%-100%c}", "весами"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        expectRefused(GiftFormat::parse(QString::fromUtf8(row.text)), row.reason);
    }
}

TEST(GiftFormat, WritesEmptyLinesAndMarkerLikeTextsSoTheyReadBack)
{
    const QVector<StoredQuestion> bank = {
        {1, QStringLiteral("Абзац\n\nвторой\n\n\nтретий\nA) x\nB) y"), QStringLiteral("B")},
        {2, QStringLiteral("[html] <b>не разметка</b>\nA) [moodle]a\nB) p->x"), QStringLiteral("A")},
    };
    const ExportResult result = GiftFormat::write(bank);
    EXPECT_TRUE(result.skipped.isEmpty());
    expectReadBack(GiftFormat::parse(result.text), bank);
}
