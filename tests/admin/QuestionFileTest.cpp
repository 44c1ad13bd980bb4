#include "admin/QuestionFile.h"

#include <gtest/gtest.h>

// The format comes from what the file holds; its name only breaks a tie.
TEST(QuestionFile, TellsTheFormatByContent)
{
    struct Row {
        const char* name;
        const char* fileName;
        const char* text;
        QuestionFile::Format format;
        int questions;
    };
    const Row rows[] = {
        {"GIFT saved as .txt with a line starting Answer:", "export.txt",
         "// question: 1  name: Q1\n::Q1::Answer: what is a key? {=a field ~a table}\n\n"
         "::Q2::Что верно?\nAnswer: выберите {~a =b}\n",
         QuestionFile::Format::Gift, 2},
        {"Aiken with braces in the code it quotes", "bank.gift",
         "Что напечатает printf(\"{}\")?\nA. {}\nB. ничего\nANSWER: A\n", QuestionFile::Format::Aiken, 1},
        {"an Aiken export of code with arrows", "bank.txt", "Что такое p->x?\nA. p->x\nB. (*p).y\nANSWER: A\n",
         QuestionFile::Format::Aiken, 1},
        {"XML whatever the name", "bank.txt",
         "\xEF\xBB\xBF  <?xml version=\"1.0\"?>\n<quiz><question type=\"multichoice\"><questiontext><text>Q</text></questiontext>"
         "<answer fraction=\"100\"><text>a</text></answer><answer fraction=\"0\"><text>b</text></answer></question></quiz>",
         QuestionFile::Format::MoodleXml, 1},
        {"XML in Windows-1251 that says so", "bank.xml",
         "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<quiz><question type=\"multichoice\"><questiontext>"
         "<text>\xC2\xEE\xEF\xF0\xEE\xF1</text></questiontext><answer fraction=\"100\"><text>\xE4\xE0</text></answer>"
         "<answer fraction=\"0\"><text>\xED\xE5\xF2</text></answer></question></quiz>",
         QuestionFile::Format::MoodleXml, 1},
        {"nothing readable: GIFT signs win", "a.txt", "::T:: Столица? {=Москва =Мск}\n", QuestionFile::Format::Gift, 0},
        {"nothing readable: Aiken signs win", "a.gift", "Q\nANSWER: A\n", QuestionFile::Format::Aiken, 0},
        {"nothing readable and no signs: the name decides", "a.gift", "просто текст\n", QuestionFile::Format::Gift, 0},
    };
    for (const Row& row : rows) {
        const QuestionFile::Parsed parsed = QuestionFile::parse(QString::fromLatin1(row.fileName), QByteArray(row.text));
        EXPECT_EQ(QuestionFile::formatName(parsed.format), QuestionFile::formatName(row.format)) << row.name;
        EXPECT_EQ(parsed.result.questions.size(), row.questions) << row.name;
    }
}
