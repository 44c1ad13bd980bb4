#include "common/TestDatabase.h"
#include "data/Connection.h"
#include "data/DataError.h"
#include "data/QuestionBankStore.h"

#include <gtest/gtest.h>

class QuestionBankStoreTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        database.exec(QStringLiteral("INSERT INTO questions VALUES (1, 'Один'), (5, 'Пять'); "
                                     "INSERT INTO keys VALUES (1, 'A'), (5, 'C'); "
                                     "INSERT INTO otvety VALUES ('И', 'Г', 't', 5, 'C', 1)"));
        connection.setDatabasePath(database.file());
    }

    QString bank()
    {
        QStringList lines;
        for (const StoredQuestion& q : QuestionBankStore::readAll(connection))
            lines << QStringLiteral("%1 %2 %3").arg(q.id).arg(q.text, q.key);
        return lines.join(u'\n');
    }

    static QVector<StoredQuestion> incoming(std::initializer_list<const char*> texts)
    {
        QVector<StoredQuestion> questions;
        for (const char* text : texts)
            questions << StoredQuestion{99, QString::fromUtf8(text), QStringLiteral("B")};
        return questions;
    }

    TestDatabase database;
    Connection connection;
};

TEST_F(QuestionBankStoreTest, AppendNumbersAfterTheLargestId)
{
    EXPECT_EQ(QuestionBankStore::append(connection, incoming({"Шесть", "Семь"})), 6);
    EXPECT_EQ(bank(), QStringLiteral("1 Один A\n5 Пять C\n6 Шесть B\n7 Семь B"));
    EXPECT_EQ(database.count(QStringLiteral("otvety")), 1);
}

TEST_F(QuestionBankStoreTest, AppendToAnEmptyBankStartsAtOne)
{
    database.exec(QStringLiteral("DELETE FROM questions; DELETE FROM keys"));
    EXPECT_EQ(QuestionBankStore::append(connection, incoming({"Первый"})), 1);
    EXPECT_EQ(bank(), QStringLiteral("1 Первый B"));
}

TEST_F(QuestionBankStoreTest, ReplaceRenumbersAndForgetsAnswersToOldQuestions)
{
    QuestionBankStore::replace(connection, incoming({"Новый 1", "Новый 2"}));
    EXPECT_EQ(bank(), QStringLiteral("1 Новый 1 B\n2 Новый 2 B"));
    EXPECT_EQ(database.count(QStringLiteral("otvety")), 0);
}

// A failure halfway stores nothing: neither the questions before it nor their keys.
TEST_F(QuestionBankStoreTest, FailureHalfwayStoresNothing)
{
    database.exec(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON questions WHEN NEW.question = 'сбой' "
                                 "BEGIN SELECT RAISE(ABORT, 'сбой записи'); END"));
    const QString before = bank();
    for (int replace = 0; replace < 2; ++replace) {
        const QVector<StoredQuestion> questions = incoming({"Хороший", "сбой", "Ещё"});
        if (replace)
            EXPECT_THROW(QuestionBankStore::replace(connection, questions), DataError);
        else
            EXPECT_THROW(QuestionBankStore::append(connection, questions), DataError);
        EXPECT_EQ(bank(), before) << "replace " << replace;
        EXPECT_EQ(database.count(QStringLiteral("keys")), 2) << "replace " << replace;
        EXPECT_EQ(database.count(QStringLiteral("otvety")), 1) << "replace " << replace;
    }
    // The connection is usable afterwards: no transaction was left open.
    EXPECT_EQ(QuestionBankStore::append(connection, incoming({"Потом"})), 6);
}

TEST_F(QuestionBankStoreTest, QuestionWithoutKeyReadsWithEmptyKey)
{
    database.exec(QStringLiteral("INSERT INTO questions VALUES (9, 'Без ключа')"));
    EXPECT_EQ(bank(), QStringLiteral("1 Один A\n5 Пять C\n9 Без ключа "));
}
