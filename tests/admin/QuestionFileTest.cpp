#include "admin/QuestionFile.h"

#include <gtest/gtest.h>

// The format comes from what the file holds; its name only breaks a tie.
TEST(QuestionFile, TellsTheFormatByContent)
{
    using F = QuestionFile::Format;
    const struct {
        const char *name, *fileName, *text;
        F format;
        int questions;
    } rows[] = {
        {"GIFT saved as .txt with a line starting Answer:", "export.txt",
         "// question: 1  name: Q1\n::Q1::Answer: what is a key? {=a field ~a table}\n\n"
         "::Q2::Что верно?\nAnswer: выберите {~a =b}\n", F::Gift, 2},
        {"Aiken with braces in the code it quotes", "bank.gift",
         "Что напечатает printf(\"{}\")?\nA. {}\nB. ничего\nANSWER: A\n", F::Aiken, 1},
        {"an Aiken export of code with arrows", "bank.txt", "Что такое p->x?\nA. p->x\nB. (*p).y\nANSWER: A\n", F::Aiken, 1},
        {"XML whatever the name", "bank.txt",
         "\xEF\xBB\xBF  <?xml version=\"1.0\"?>\n<quiz><question type=\"multichoice\"><questiontext><text>Q</text></questiontext>"
         "<answer fraction=\"100\"><text>a</text></answer><answer fraction=\"0\"><text>b</text></answer></question></quiz>",
         F::MoodleXml, 1},
        {"XML in Windows-1251 that says so", "bank.xml",
         "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<quiz><question type=\"multichoice\"><questiontext>"
         "<text>\xC2\xEE\xEF\xF0\xEE\xF1</text></questiontext><answer fraction=\"100\"><text>\xE4\xE0</text></answer>"
         "<answer fraction=\"0\"><text>\xED\xE5\xF2</text></answer></question></quiz>", F::MoodleXml, 1},
        {"nothing readable: GIFT signs win", "a.txt", "::T:: Столица? {=Москва =Мск}\n", F::Gift, 0},
        {"nothing readable: Aiken signs win", "a.gift", "Q\nANSWER: A\n", F::Aiken, 0},
        {"nothing readable and no signs: the name decides", "a.gift", "просто текст\n", F::Gift, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const QuestionFile::Parsed parsed = QuestionFile::parse(QString::fromLatin1(row.fileName), QByteArray(row.text));
        EXPECT_EQ(QuestionFile::formatName(parsed.format), QuestionFile::formatName(row.format));
        EXPECT_EQ(parsed.result.questions.size(), row.questions);
    }
}
