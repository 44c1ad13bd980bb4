#include "ImportChecks.h"
#include "admin/AikenFormat.h"

#include <gtest/gtest.h>

namespace {

struct Expected {
    int line;
    const char* text;       // the question text
    const char* options;    // options joined by "|"
    const char* key;
};

void expectQuestions(const ImportResult& result, std::initializer_list<Expected> expected, const char* name)
{
    ASSERT_EQ(result.questions.size(), qsizetype(expected.size())) << name;
    int i = 0;
    for (const Expected& e : expected) {
        const BankQuestion& q = result.questions.at(i++);
        EXPECT_EQ(q.line, e.line) << name;
        EXPECT_EQ(q.text, QString::fromUtf8(e.text)) << name;
        EXPECT_EQ(q.options.join(u'|'), QString::fromUtf8(e.options)) << name;
        EXPECT_EQ(q.key(), QString::fromUtf8(e.key)) << name;
    }
}

} // namespace

TEST(AikenFormat, ReadsEveryRuleOfTheFormat)
{
    struct Row {
        const char* name;
        const char* text;
        std::initializer_list<Expected> questions;
    };
    const Row rows[] = {
        {"two questions apart by a blank line",
         "Что такое СУБД?\nA. Программа\nB. Таблица\nANSWER: A\n\nСколько будет 2+2?\nA) 3\nB) 4\nC) 5\nANSWER: B\n",
         {{1, "Что такое СУБД?", "Программа|Таблица", "A"}, {6, "Сколько будет 2+2?", "3|4|5", "B"}}},
        {"questions that follow the ANSWER line without a blank one",
         "Один?\nA. да\nB. нет\nANSWER: B\nДва?\nA. да\nB. нет\nANSWER: A",
         {{1, "Один?", "да|нет", "B"}, {5, "Два?", "да|нет", "A"}}},
        {"CRLF line ends, a byte-order mark and blank lines at both ends",
         "\xEF\xBB\xBF\r\n\r\nВопрос?\r\nA. первый\r\nB. второй\r\nANSWER: B\r\n\r\n\r\n",
         {{3, "Вопрос?", "первый|второй", "B"}}},
        {"a lone CR ends a line too", "Q?\rA. a\rB. b\rANSWER: A", {{1, "Q?", "a|b", "A"}}},
        {"five options, blanks around everything",
         "   Вопрос   \n  A.  a  \nB. b\nC. c\nD. d\n E. e \n  ANSWER:   E  ",
         {{1, "Вопрос", "a|b|c|d|e", "E"}}},
        {"a question text of several lines, one like a numbered heading",
         "I. Введение\nЧто верно?\nA. x\nB. y\nANSWER: A", {{1, "I. Введение\nЧто верно?", "x|y", "A"}}},
    };
    for (const Row& row : rows) {
        const ImportResult result = AikenFormat::parse(QString::fromUtf8(row.text));
        expectQuestions(result, row.questions, row.name);
        EXPECT_TRUE(result.issues.isEmpty()) << row.name << ": " << result.issues.value(0).reason.toStdString();
    }
}

// A lower-case letter after ANSWER is no option of ours: the key is always a Latin capital.
TEST(AikenFormat, AnswerWordMayBeLowerCaseButTheLetterMustBeACapital)
{
    EXPECT_EQ(AikenFormat::parse(QStringLiteral("Q?\nA. x\nB. y\nanswer: B")).questions.size(), 1);
    const ImportResult lower = AikenFormat::parse(QStringLiteral("Q?\nA. x\nB. y\nANSWER: b"));
    EXPECT_TRUE(lower.questions.isEmpty());
    ASSERT_EQ(lower.issues.size(), 1);
    EXPECT_EQ(lower.issues.front().line, 4);
}

TEST(AikenFormat, RefusesWithLineNumberAndReason)
{
    struct Row {
        const char* name;
        const char* text;
        int line;            // where the problem is reported
        const char* reason;  // a part of the reason
        int questionsLeft;   // good questions that still come through
    };
    const Row rows[] = {
        {"six options", "Q?\nA. 1\nB. 2\nC. 3\nD. 4\nE. 5\nF. 6\nANSWER: A\n\nOK?\nA. y\nB. n\nANSWER: A", 1,
         "больше пяти", 1},
        {"no right answer", "Q?\nA. 1\nB. 2\nANSWER:\n", 1, "не указан правильный ответ", 0},
        {"two right answers apart", "Q?\nA. 1\nB. 2\nANSWER: A, B\n", 1, "больше одного правильного", 0},
        {"two right answers together", "Q?\nA. 1\nB. 2\nANSWER: AB\n", 1, "больше одного правильного", 0},
        {"a letter with no option", "Q?\nA. 1\nB. 2\nANSWER: D\n", 4, "такого варианта нет", 0},
        // А, В, С, Е pass for their Latin twins; a letter with no twin does not.
        {"a Cyrillic answer letter", "Q?\nA. 1\nB. 2\nANSWER: Б\n", 4, "латинская", 0},
        {"options out of order", "Q?\nA. 1\nC. 2\nANSWER: A\n", 3, "не по порядку", 0},
        {"an empty option", "Q?\nA. 1\nB.\nANSWER: A\n", 3, "пустой вариант", 0},
        {"one option only", "Q?\nA. 1\nANSWER: A\n", 1, "меньше двух", 0},
        {"no ANSWER line", "Q?\nA. 1\nB. 2\n\nNext?\nA. y\nB. n\nANSWER: B", 1, "нет строки", 1},
        {"no options and no ANSWER", "Просто текст\nбез вариантов\n", 1, "ни вариантов", 0},
        {"no text before the options", "A. 1\nB. 2\nANSWER: A\n\nQ?\nA. x\nB. y\nANSWER: B", 1,
         "нет текста вопроса", 1},
        {"a stray line after the options", "Q?\nA. 1\nB. 2\nкомментарий\nANSWER: A\n", 4, "не похожа", 0},
    };
    for (const Row& row : rows) {
        const ImportResult result = AikenFormat::parse(QString::fromUtf8(row.text));
        ASSERT_EQ(result.issues.size(), 1) << row.name;
        EXPECT_EQ(result.issues.front().line, row.line) << row.name;
        EXPECT_TRUE(result.issues.front().reason.contains(QString::fromUtf8(row.reason)))
            << row.name << ": " << result.issues.front().reason.toStdString();
        EXPECT_EQ(result.questions.size(), row.questionsLeft) << row.name;
    }
}

TEST(AikenFormat, WritesWhatItReadsAndSkipsWhatItCannotCarry)
{
    const QVector<StoredQuestion> bank = {
        {1, QStringLiteral("Что такое ключ?\nA) Поле\nB) Индекс"), QStringLiteral("B")},
        {2, QStringLiteral("Свободный текст без вариантов"), QStringLiteral("A")},
        {3, QStringLiteral("Абзац\n\nвторой абзац\nA) x\nB) y"), QStringLiteral("A")},
        {4, QStringLiteral("Q\nA) x\nB) y"), QStringLiteral("C")},
        {5, QStringLiteral("ANSWER: вот так\nA) x\nB) y"), QStringLiteral("A")},
    };
    const ExportResult result = AikenFormat::write(bank);
    EXPECT_EQ(result.written, 1);
    EXPECT_EQ(result.text, QStringLiteral("Что такое ключ?\nA. Поле\nB. Индекс\nANSWER: B\n\n"));
    QVector<qint64> skipped;
    for (const SkippedQuestion& s : result.skipped)
        skipped << s.id;
    EXPECT_EQ(skipped, (QVector<qint64>{2, 3, 4, 5}));
    EXPECT_TRUE(result.skipped.at(2).reason.contains(QStringLiteral("ключ «C»")));
}

// Files other systems write: no space after the letter, a blank line before ANSWER,
// option letters typed on a Russian keyboard.
TEST(AikenFormat, ReadsFilesAsOtherSystemsWriteThem)
{
    const char* const ab = "русская буква «А» прочитана как латинская «A»|русская буква «В» прочитана как латинская «B»";
    const struct {
        const char *name, *text, *options, *key;
        QString notes;
    } rows[] = {
        {"no space after the letter", "Q?\nA)да\nB.нет\nANSWER: B", "да|нет", "B", ""},
        {"blank lines before ANSWER", "Q?\nA. да\nB. нет\n\n\nANSWER: A", "да|нет", "A", ""},
        {"Cyrillic look-alike letters", "Q?\nА. да\nВ) нет\nС. может\nANSWER: С", "да|нет|может", "C",
         QString::fromUtf8(ab) + QStringLiteral("|русская буква «С» прочитана как латинская «C»")},
        {"a question opening with Russian initials", "А. С. Пушкин написал\nА. стихи\nВ. прозу\nANSWER: А", "стихи|прозу", "A",
         QString::fromUtf8(ab)},
        {"an HTML question text", "[html]<p>Что &laquo;это&raquo;?</p>\nA. <b>x</b>\nB. y\nANSWER: A", "x|y", "A",
         QStringLiteral("убрана метка [html]|HTML превращён в текст")},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        expectOneQuestion(AikenFormat::parse(QString::fromUtf8(row.text)), nullptr, row.options, row.key, row.notes.toUtf8().constData());
    }
    // A blank line still ends a question that has no ANSWER line.
    const ImportResult apart = AikenFormat::parse(QStringLiteral("Q?\nA. 1\nB. 2\n\nNext?\nA. y\nB. n\nANSWER: B"));
    EXPECT_EQ(apart.questions.size(), 1);
    EXPECT_EQ(apart.issues.size(), 1);
}
