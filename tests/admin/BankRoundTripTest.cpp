#include "ImportChecks.h"
#include "admin/AikenFormat.h"
#include "admin/GiftFormat.h"
#include "admin/MoodleXmlFormat.h"
#include "admin/QuestionFile.h"
#include "common/TestDatabase.h"
#include "data/Connection.h"
#include "data/QuestionBankStore.h"

#include <gtest/gtest.h>

namespace {

QVector<StoredQuestion> sampleBank(TestDatabase& database)
{
    Connection connection;
    connection.setDatabasePath(database.file());
    return QuestionBankStore::readAll(connection);
}

QVector<StoredQuestion> asStored(const QVector<BankQuestion>& questions)
{
    QVector<StoredQuestion> stored;
    for (const BankQuestion& question : questions)
        stored << StoredQuestion{0, question.storedText(), question.key()};
    return stored;
}

void expectSameBank(const QVector<StoredQuestion>& actual, const QVector<StoredQuestion>& expected, const char* format)
{
    ASSERT_EQ(actual.size(), expected.size()) << format;
    for (int i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(actual.at(i).id, expected.at(i).id) << format;
        EXPECT_EQ(actual.at(i).text, expected.at(i).text) << format << " question " << expected.at(i).id;
        EXPECT_EQ(actual.at(i).key, expected.at(i).key) << format << " question " << expected.at(i).id;
    }
}

} // namespace

// Export the sample bank, read the file back as the import does, put it in place of the
// bank of an empty course: the bank is the same, number for number.
TEST(BankRoundTrip, SampleBankSurvivesExportAndImport)
{
    TestDatabase sample(TestDatabase::Content::WithSeed);
    const QVector<StoredQuestion> bank = sampleBank(sample);
    ASSERT_GE(bank.size(), 40);

    struct Format {
        const char* name;
        const char* fileName;
        ExportResult (*write)(const QVector<StoredQuestion>&);
    };
    const Format formats[] = {{"Aiken", "bank.txt", AikenFormat::write},
                              {"GIFT", "bank.gift", GiftFormat::write},
                              {"Moodle XML", "bank.xml", MoodleXmlFormat::write}};
    for (const Format& format : formats) {
        const ExportResult exported = format.write(bank);
        EXPECT_EQ(exported.written, bank.size()) << format.name;
        EXPECT_TRUE(exported.skipped.isEmpty()) << format.name;

        const QuestionFile::Parsed parsed =
            QuestionFile::parse(QString::fromLatin1(format.fileName), exported.text.toUtf8());
        EXPECT_EQ(QuestionFile::formatName(parsed.format), QString::fromLatin1(format.name));
        EXPECT_TRUE(parsed.result.issues.isEmpty()) << format.name;

        TestDatabase empty;
        Connection connection;
        connection.setDatabasePath(empty.file());
        QuestionBankStore::replace(connection, asStored(parsed.result.questions));
        expectSameBank(QuestionBankStore::readAll(connection), bank, format.name);
    }
}

TEST(BankRoundTrip, StoredTextIsTakenApartOnlyWhenItEndsInOptions)
{
    struct Row {
        const char* name;
        const char* text;
        const char* key;
        bool ok;
    };
    const Row rows[] = {
        {"the usual form", "Q\nA) x\nB) y", "B", true},
        {"dots instead of brackets", "Q\nA. x\nB. y", "A", true},
        {"a trailing blank line", "Q\nA) x\nB) y\n\n", "A", true},
        {"no options", "Q", "A", false},
        {"one option", "Q\nA) x", "A", false},
        {"options out of order", "Q\nB) x\nA) y", "A", false},
        {"no question text", "A) x\nB) y", "A", false},
        {"a key beyond the options", "Q\nA) x\nB) y", "C", false},
        {"a lower-case key", "Q\nA) x\nB) y", "a", false},
        {"an empty key", "Q\nA) x\nB) y", "", false},
    };
    for (const Row& row : rows)
        EXPECT_EQ(BankQuestion::fromStored(QString::fromUtf8(row.text), QString::fromUtf8(row.key)).has_value(), row.ok)
            << row.name;
}

// Questions whose text looks like another format's markup come back as they were, through
// the format detection a teacher's file goes through; a GIFT file is saved as ".txt" too.
TEST(BankRoundTrip, QuestionsThatLookLikeMarkupComeBackUnchanged)
{
    const QVector<StoredQuestion> bank = {
        {1, QStringLiteral("Что делает p->x?\nA) обращается к полю\nB) p-->x"), QStringLiteral("A")},
        {2, QStringLiteral("Комментарий <!-- x --> и <b>тег</b> в HTML\nA) <br>\nB) &amp;"), QStringLiteral("B")},
        {3, QStringLiteral("[html] в начале\nA) [plain]\nB) x"), QStringLiteral("A")},
        {4, QStringLiteral("Текст {со скобками} и = ~ # знаками\nA) {x}\nB) y=z"), QStringLiteral("B")},
        {5, QStringLiteral("Answer: это строка текста\nA) x\nB) y"), QStringLiteral("A")},
    };
    // Aiken cannot carry a text line that reads as its ANSWER line.
    const struct {
        const char *name, *fileName;
        ExportResult (*write)(const QVector<StoredQuestion>&);
        int written;
    } formats[] = {{"Aiken", "bank.txt", AikenFormat::write, 4},
                   {"GIFT", "bank.txt", GiftFormat::write, 5},
                   {"Moodle XML", "bank.xml", MoodleXmlFormat::write, 5}};
    for (const auto& format : formats) {
        SCOPED_TRACE(format.name);
        const ExportResult exported = format.write(bank);
        ASSERT_EQ(exported.written, format.written);
        const QuestionFile::Parsed parsed = QuestionFile::parse(QString::fromLatin1(format.fileName), exported.text.toUtf8());
        EXPECT_EQ(QuestionFile::formatName(parsed.format), QString::fromLatin1(format.name));
        expectReadBack(parsed.result, bank.mid(0, format.written));
    }
}
