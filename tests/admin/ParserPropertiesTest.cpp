#include "admin/AikenFormat.h"
#include "admin/GiftFormat.h"
#include "admin/MoodleXmlFormat.h"
#include "admin/QuestionFile.h"
#include "common/FuzzRun.h"

#include <QDir>

#include <gtest/gtest.h>

#include <random>

namespace {

const char* const kAiken = "Вопрос один?\nA. да\nB. нет\nANSWER: A\n\nВопрос два\nA) x\nB) y\nC) z\nANSWER: C\n";
const char* const kGift = "// c\n::T::Вопрос {=да ~нет#потому}\n\nДругой \\{\\} {\n~a\n=b\n~c\n}\n"
                          "\n[html]<p>Три&nbsp;<img src=x></p>{=[plain]<b> ~p->x#<!-- -->}\n";
const char* const kXml = "<?xml version=\"1.0\"?>\n<quiz><question type=\"category\"/>\n"
                         "<question type=\"multichoice\"><questiontext format=\"html\"><text><![CDATA[<p>В&amp;<br>Г</p>]]></text>"
                         "</questiontext><single>true</single>\n<answer fraction=\"100\"><text>&lt;i&gt;a</text></answer>\n"
                         "<answer fraction=\"0\" format=\"plain_text\"><text>b</text></answer></question>\n"
                         "<question type=\"shortanswer\"><answer fraction=\"100\"><text>c</text></answer></question></quiz>\n";

// Whatever the text, what comes out can go into the bank as it is.
void expectSound(const ImportResult& result, const QString& text)
{
    const int lines = int(text.count(u'\n') + text.count(u'\r')) + 1;
    for (const BankQuestion& q : result.questions) {
        ASSERT_GE(q.options.size(), 2) << text.toStdString();
        ASSERT_LE(q.options.size(), BankQuestion::kMaxOptions) << text.toStdString();
        ASSERT_TRUE(q.right >= 0 && q.right < q.options.size()) << text.toStdString();
        ASSERT_FALSE(q.text.trimmed().isEmpty()) << text.toStdString();
        for (const QString& option : q.options)
            ASSERT_FALSE(option.isEmpty() || option.contains(u'\n')) << text.toStdString();
        ASSERT_TRUE(q.line >= 1 && q.line <= lines) << text.toStdString();
        // The stored form reads back as the same question.
        const auto back = BankQuestion::fromStored(q.storedText(), q.key());
        ASSERT_TRUE(back.has_value()) << q.storedText().toStdString();
        ASSERT_EQ(back->options, q.options);
    }
    for (const ImportIssue& issue : result.issues)
        ASSERT_TRUE(issue.line >= 1 && issue.line <= lines && !issue.reason.isEmpty()) << text.toStdString();
}

// Random edits that favour the characters both formats care about.
QString mutate(QString text, std::mt19937& random)
{
    static const QString alphabet = QStringLiteral("{}=~#:\\/ \n\r\tABCDEF.)ANSWER%-> ёЯ<>&;[]\"АВ");
    const int edits = 1 + int(random() % 6);
    for (int e = 0; e < edits; ++e) {
        const qsizetype at = text.isEmpty() ? 0 : qsizetype(random() % quint32(text.size() + 1));
        const QChar c = alphabet.at(qsizetype(random() % quint32(alphabet.size())));
        switch (random() % 3) {
        case 0: text.insert(at, c); break;
        case 1: if (at < text.size()) text.remove(at, 1); break;
        default: if (at < text.size()) text[at] = c; break;
        }
    }
    return text;
}

} // namespace

TEST(ParserProperties, MutatedFilesNeverGiveABrokenQuestion)
{
    std::mt19937 random(20);
    for (int round = 0; round < 3000; ++round) {
        const QString aiken = mutate(QString::fromUtf8(kAiken), random);
        expectSound(AikenFormat::parse(aiken), aiken);
        const QString gift = mutate(QString::fromUtf8(kGift), random);
        expectSound(GiftFormat::parse(gift), gift);
        const QString xml = mutate(QString::fromUtf8(kXml), random);
        expectSound(MoodleXmlFormat::parse(xml), xml);
        if (HasFatalFailure())
            return;
    }
}

TEST(ParserProperties, RandomBytesAreDecodedAndReadWithoutHarm)
{
    std::mt19937 random(7);
    for (int round = 0; round < 500; ++round) {
        QByteArray bytes(int(random() % 300), Qt::Uninitialized);
        for (char& byte : bytes)
            byte = char(random() % 256);
        const QuestionFile::Parsed parsed = QuestionFile::parse(round % 2 ? QStringLiteral("x.gift") : QStringLiteral("x.txt"), bytes);
        EXPECT_LE(parsed.result.questions.size(), 1) << round;
    }
}

// Byte-level mutations of whole files from tests/corpus/import, through the decoder, the
// format detection and the parser a teacher's file goes through.
TEST(ParserProperties, DamagedQuestionFilesAreReadWithoutHarm)
{
    const QDir dir(QStringLiteral(VESTRON_SOURCE_DIR "/tests/corpus/import"));
    const QStringList names = dir.entryList(QDir::Files, QDir::Name);
    ASSERT_GE(names.size(), 6);
    QList<QByteArray> seeds;
    for (const QString& name : names) {
        seeds << FuzzRun::readFile(dir.filePath(name));
        const QuestionFile::Parsed parsed = QuestionFile::parse(name, seeds.last());
        ASSERT_EQ(parsed.result.questions.size(), 3) << name.toStdString();
        ASSERT_TRUE(parsed.result.issues.isEmpty()) << name.toStdString();
    }
    const QList<QByteArray> tokens = {
        QByteArray("\nANSWER: "), QByteArray("\nE. "), QByteArray("{"), QByteArray("}"), QByteArray("="),
        QByteArray("~"), QByteArray("::"), QByteArray("\\"), QByteArray("\xEF\xBB\xBF"), QByteArray("\xFF\xFE"),
        QByteArray("\r\n"), QByteArray("\n\n"), QByteArray("//"), QByteArray("#"),
        QByteArray("<"), QByteArray(">"), QByteArray("</text>"), QByteArray("<![CDATA["), QByteArray("]]>"),
        QByteArray("&amp;"), QByteArray("fraction=\"100\""), QByteArray("<question type=\"multichoice\">"),
        QByteArray("[html]"), QByteArray("<br>"), QByteArray("->"),
    };
    FuzzRun fuzz(4000, 2012);
    int questions = 0, issues = 0;
    for (int round = 0; round < fuzz.rounds(); ++round) {
        const int seed = round % int(seeds.size());
        const QByteArray bytes = fuzz.mutate(seeds[seed], tokens);
        const QuestionFile::Parsed parsed = QuestionFile::parse(names[seed], bytes);
        const QString text = TextFileDecoder::decode(bytes).text;
        expectSound(parsed.result, text);
        if (HasFatalFailure()) {
            ADD_FAILURE() << "round " << round << " (seed " << fuzz.seed() << ")";
            return;
        }
        questions += int(parsed.result.questions.size());
        issues += int(parsed.result.issues.size());
    }
    std::printf("Question files: %d inputs (seed %u), %d questions read, %d skipped with a reason\n",
                fuzz.rounds(), fuzz.seed(), questions, issues);
    EXPECT_GT(questions, fuzz.rounds()) << "mutations too harsh to reach the parsers";
    EXPECT_GT(issues, 0);
}
