// The built sample database: its tables, both question banks and the files its rows name.
#include <gtest/gtest.h>

#include <sqlite3.h>

#include <QFileInfo>
#include <QMap>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

namespace {

const QString kProgramDir = QStringLiteral(VESTRON_PROGRAM_DIR);

struct DatabaseCloser {
    void operator()(sqlite3* db) const { sqlite3_close(db); }
};
using Database = std::unique_ptr<sqlite3, DatabaseCloser>;

Database openBuiltDatabase()
{
    sqlite3* db = nullptr;
    const QByteArray path = (kProgramDir + QStringLiteral("/dbase.sqlite")).toUtf8();
    if (sqlite3_open_v2(path.constData(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        return nullptr;
    }
    return Database(db);
}

// Every row of a query as texts (NULL becomes a null QString).
std::vector<QStringList> rows(sqlite3* db, const char* sql)
{
    std::vector<QStringList> result;
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) != SQLITE_OK) {
        ADD_FAILURE() << sql << ": " << sqlite3_errmsg(db);
        return result;
    }
    while (sqlite3_step(statement) == SQLITE_ROW) {
        QStringList row;
        for (int c = 0; c < sqlite3_column_count(statement); ++c) {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, c));
            row.append(text ? QString::fromUtf8(text) : QString());
        }
        result.push_back(row);
    }
    sqlite3_finalize(statement);
    return result;
}

bool isAnswerLetter(const QString& text)
{
    return text.size() == 1 && text[0] >= QLatin1Char('A') && text[0] <= QLatin1Char('E');
}

class CourseDatabaseTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_db = openBuiltDatabase();
        ASSERT_TRUE(m_db) << "cannot open the built dbase.sqlite in " << qPrintable(kProgramDir);
    }
    sqlite3* db() const { return m_db.get(); }

private:
    Database m_db;
};

TEST_F(CourseDatabaseTest, HasAllTenTablesAndTheOneParameterRecord)
{
    const QStringList tables{"temi", "prakt", "lab", "test", "testing", "result", "questions", "keys", "params", "rezult"};
    for (const QString& table : tables) {
        const QByteArray sql = "select count(*) from sqlite_master where type='table' and name='" + table.toUtf8() + "'";
        EXPECT_EQ(rows(db(), sql.constData()).at(0).at(0), QStringLiteral("1")) << qPrintable(table);
    }
    const auto params = rows(db(), "select identifikator, vrem, kolvo, pas from params");
    ASSERT_EQ(params.size(), 1u);
    EXPECT_EQ(params[0], (QStringList{"1", "15", "10", "1234"}));
    // The attempt tables start empty.
    for (const char* sql : {"select count(*) from testing", "select count(*) from result", "select count(*) from rezult"})
        EXPECT_EQ(rows(db(), sql).at(0).at(0), QStringLiteral("0")) << sql;
}

TEST_F(CourseDatabaseTest, QuestionBanksAreNumberedWithoutGaps)
{
    struct Bank { const char* name; const char* sql; int minimum; };
    const Bank banks[] = {
        {"test", "select count(*), count(distinct nom), min(nom), max(nom) from test", 100},
        {"questions", "select count(*), count(distinct id), min(id), max(id) from questions", 40},
    };
    for (const Bank& bank : banks) {
        const QStringList r = rows(db(), bank.sql).at(0);
        const int count = r[0].toInt();
        EXPECT_GE(count, bank.minimum) << bank.name;
        EXPECT_EQ(r[1].toInt(), count) << bank.name << ": duplicate numbers";
        EXPECT_EQ(r[2], QStringLiteral("1")) << bank.name;
        EXPECT_EQ(r[3].toInt(), count) << bank.name << ": numbers have gaps";
    }
    // The timed test asks for ids 1 .. kolvo, so the bank must be able to supply them.
    EXPECT_LE(rows(db(), "select kolvo from params").at(0).at(0).toInt(),
              rows(db(), "select count(*) from questions").at(0).at(0).toInt());
}

TEST_F(CourseDatabaseTest, FixedTestQuestionsHaveFiveOptionsAndOneLetter)
{
    QMap<QString, int> spread;
    const auto bank = rows(db(), "select nom, test, ot1, ot2, ot3, ot4, ot5, otv from test order by nom");
    for (const QStringList& q : bank) {
        for (int c = 1; c <= 6; ++c)
            EXPECT_FALSE(q[c].trimmed().isEmpty()) << "question " << qPrintable(q[0]) << ", column " << c;
        const QStringList options = q.mid(2, 5);
        EXPECT_EQ(QSet<QString>(options.begin(), options.end()).size(), 5) << "repeated option in " << qPrintable(q[0]);
        EXPECT_TRUE(isAnswerLetter(q[7])) << "question " << qPrintable(q[0]) << " has otv '" << qPrintable(q[7]) << "'";
        ++spread[q[7]];
    }
    for (const char* letter : {"A", "B", "C", "D", "E"})
        EXPECT_EQ(spread.value(QLatin1String(letter)), int(bank.size()) / 5) << "answers are not spread evenly: " << letter;
}

TEST_F(CourseDatabaseTest, TimedTestQuestionsListTheirOptionsAndHaveOneKey)
{
    const auto bank = rows(db(),
        "select q.id, q.question, (select count(*) from keys k where k.id = q.id), "
        "(select k.\"key\" from keys k where k.id = q.id) from questions q order by q.id");
    for (const QStringList& q : bank) {
        const QStringList lines = q[1].split(QLatin1Char('\n'));
        ASSERT_EQ(lines.size(), 6) << "question " << qPrintable(q[0]) << " is not a text and five options";
        EXPECT_FALSE(lines[0].trimmed().isEmpty()) << "question " << qPrintable(q[0]);
        for (int k = 0; k < 5; ++k)
            EXPECT_TRUE(lines[k + 1].startsWith(QString(QChar('A' + k)) + QStringLiteral(") ")))
                << "question " << qPrintable(q[0]) << ", line " << qPrintable(lines[k + 1]);
        EXPECT_EQ(q[2], QStringLiteral("1")) << "question " << qPrintable(q[0]) << " needs exactly one key";
        EXPECT_TRUE(isAnswerLetter(q[3])) << "question " << qPrintable(q[0]) << " has key '" << qPrintable(q[3]) << "'";
    }
    EXPECT_EQ(rows(db(), "select count(*) from keys where id not in (select id from questions)").at(0).at(0),
              QStringLiteral("0")) << "a key without its question";
}

TEST_F(CourseDatabaseTest, EveryFileNamedByATopicWasBuilt)
{
    struct Source { const char* sql; const char* folder; };
    const Source sources[] = {
        {"select name, file_name from temi", "text/"},
        {"select name, file_pr from temi", "text/present/"},
        {"select name, file_name from prakt", "text/present_prakt/"},
        {"select name, file_name from lab", "text/"},
    };
    for (const Source& source : sources) {
        const auto topics = rows(db(), source.sql);
        EXPECT_FALSE(topics.empty()) << source.sql;
        for (const QStringList& topic : topics) {
            ASSERT_FALSE(topic[0].isEmpty()) << source.sql << ": a topic without a name";
            ASSERT_FALSE(topic[1].isEmpty()) << qPrintable(topic[0]) << ": no file name";
            const QString path = kProgramDir + QLatin1Char('/') + QLatin1String(source.folder) + topic[1];
            EXPECT_TRUE(QFileInfo(path).isFile()) << qPrintable(topic[0]) << ": " << qPrintable(path);
        }
    }
}

TEST_F(CourseDatabaseTest, LecturesAreTheFourteenNumberedTopics)
{
    const auto topics = rows(db(), "select nom, file_name, file_pr, \"check\" from temi order by nom");
    ASSERT_EQ(topics.size(), 14u);
    QSet<QString> marks;
    for (size_t i = 0; i < topics.size(); ++i) {
        const QString number = QStringLiteral("%1").arg(i + 1, 2, 10, QLatin1Char('0'));
        EXPECT_EQ(topics[i][0].toInt(), int(i) + 1);
        EXPECT_EQ(topics[i][1], QStringLiteral("lec") + number + QStringLiteral(".htm"));
        EXPECT_EQ(topics[i][2], QStringLiteral("lec") + number + QStringLiteral(".pdf"));
        marks.insert(topics[i][3]);
    }
    EXPECT_EQ(marks, (QSet<QString>{"0", "1"})) << "the availability marks should show both states";
}

} // namespace
