// What a student's and a teacher's login may do on the server.
#include "data/CourseBackendFixture.h"

#include "data/AnswerLog.h"
#include "data/DataError.h"
#include "data/ServerRoles.h"
#include "data/Statements.h"

namespace {

class ServerLogins : public CourseBackendFixture
{
protected:
    void SetUp() override
    {
        CourseBackendFixture::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        const auto login = [&](Connection& c, const char* role, const char* attempt) {
            c.setServer(PgTestServer::shared().connection(database, PgTestServer::shared().createLogin(database, role)));
            if (attempt)
                c.setAttempt(QString::fromUtf8(attempt));
        };
        login(student, "vestron_student", "attempt-a");
        login(other, "vestron_student", "attempt-b");
        login(teacher, "vestron_teacher", nullptr);
    }

    QString failure(Connection& login, const SqlText& sql)
    {
        try {
            login.execute(sql);
        } catch (const DataError& error) {
            return error.message();
        }
        return QString();
    }

    Connection student;
    Connection other;
    Connection teacher;
};

TEST_P(ServerLogins, StudentIsRefusedEverythingButReadingAndAddingOwnRows)
{
    const struct {
        const char* sql;
        const char* refusal;
    } rows[] = {
        {"SELECT pas FROM params", "permission denied"},
        {"SELECT * FROM params", "permission denied"},
        {"UPDATE params SET vrem = 1", "permission denied"},
        {"UPDATE params SET pas = 1", "permission denied"},
        {"INSERT INTO questions (id, question) VALUES (99, 'x')", "permission denied"},
        {"UPDATE questions SET question = 'x'", "permission denied"},
        {"DELETE FROM keys", "permission denied"},
        {"UPDATE keys SET \"key\" = 'A'", "permission denied"},
        {"INSERT INTO temi (name) VALUES ('x')", "permission denied"},
        {"DELETE FROM temi", "permission denied"},
        {"UPDATE test SET otv = 'A'", "permission denied"},
        {"DELETE FROM rezult", "permission denied"},
        {"UPDATE rezult SET procent = '100'", "permission denied"},
        {"DELETE FROM result", "permission denied"},
        {"UPDATE result SET ocenka = '5'", "permission denied"},
        {"DELETE FROM otvety", "permission denied"},
        {"TRUNCATE testing", "permission denied"},
        {"DROP TABLE temi", "must be owner"},
        {"CREATE TABLE extra (x integer)", "permission denied"},
        {"INSERT INTO rezult (fio, owner) VALUES ('x', 'postgres')", "row-level security"},
        {"INSERT INTO testing (nom, attempt) VALUES ('1', 'attempt-b')", "row-level security"},
    };
    for (const auto& row : rows) {
        const QString message = failure(student, QString::fromUtf8(row.sql));
        EXPECT_TRUE(message.contains(QLatin1String(row.refusal))) << row.sql << ": " << message.toStdString();
    }
    EXPECT_FALSE(::ServerRoles::mayTeach(student));
}

TEST_P(ServerLogins, StudentReadsTheCourseAndKeepsOwnSheetAnswersAndResults)
{
    EXPECT_GT(student.execute(QStringLiteral("SELECT count(*) FROM temi")).rows.value(0).value(0).toLongLong(), 0);
    EXPECT_EQ(student.execute(Statements::selectParameters()).rows.value(0).value(1).toLongLong(), 15);
    EXPECT_GT(student.execute(Statements::selectBank()).rows.size(), 0);
    EXPECT_GT(student.execute(QStringLiteral("SELECT count(*) FROM test")).rows.value(0).value(0).toLongLong(), 0);

    student.execute(Statements::insertTimedResult("Иванов", "ИС-1", "70", "s", "f"));
    student.execute({Statements::insertTableRecord("result", {"fio", "kol"}), {QStringLiteral("Иванов"), 20}});
    AnswerLog::record(student, {"Иванов", "ИС-1", "s"}, 1, "A");
    AnswerLog::record(student, {"Иванов", "ИС-1", "s"}, 1, "B");
    student.execute({Statements::insertTableRecord("testing", {"nom", "nom1"}), {QStringLiteral("1"), 5}});
    EXPECT_EQ(student.execute(QStringLiteral("UPDATE testing SET otv = 'C'")).changed, 1);

    EXPECT_EQ(scalar(QStringLiteral("SELECT count(*) FROM rezult WHERE fio = 'Иванов'")).toLongLong(), 1);
    EXPECT_EQ(scalar(QStringLiteral("SELECT otv FROM otvety WHERE fio = 'Иванов'")).toString(), QStringLiteral("B"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT otv FROM testing")).toString(), QStringLiteral("C"));
}

// The same name, group and start time in two attempts: neither sees nor touches the other's rows.
TEST_P(ServerLogins, AttemptsNeverShareASheetOrAnAnswer)
{
    for (Connection* login : {&student, &other}) {
        login->execute({Statements::insertTableRecord("testing", {"nom", "nom1", "otv"}),
                        {QStringLiteral("1"), 5, login == &student ? QStringLiteral("A") : QStringLiteral("B")}});
        AnswerLog::record(*login, {"Иванов", "ИС-1", "s"}, 1, login == &student ? "A" : "B");
    }
    for (const char* sql : {"UPDATE testing SET otv = 'E' WHERE otv = 'B'", "DELETE FROM testing WHERE otv = 'B'",
                            "UPDATE otvety SET otv = 'E' WHERE otv = 'B'"})
        EXPECT_EQ(student.execute(QString::fromUtf8(sql)).changed, 0) << sql;
    EXPECT_EQ(student.execute(QStringLiteral("SELECT otv FROM testing")).rows.size(), 1);
    EXPECT_EQ(scalar(QStringLiteral("SELECT string_agg(otv, '' ORDER BY otv) FROM testing")).toString(), QStringLiteral("AB"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT string_agg(otv, '' ORDER BY otv) FROM otvety WHERE fio = 'Иванов'")).toString(),
              QStringLiteral("AB"));
}

TEST_P(ServerLogins, TeacherDoesWhatTheSettingsWindowDoes)
{
    EXPECT_TRUE(::ServerRoles::mayTeach(teacher));
    EXPECT_TRUE(::ServerRoles::mayTeach(connection)) << "the course's owner too";
    student.execute(Statements::insertTimedResult("Иванов", "ИС-1", "70", "s", "f"));
    teacher.execute(Statements::updateParameters(20, 5));
    EXPECT_EQ(teacher.execute(Statements::selectPassword()).rows.value(0).value(0).toLongLong(), 1234);
    teacher.execute(Statements::updateKey(1, QStringLiteral("E")));
    teacher.execute(Statements::markTopic(QStringLiteral("Введение в базы данных"), false));
    EXPECT_EQ(teacher.execute(Statements::selectResultsForGrid()).rows.size(), 1) << "the teacher sees every result";
    teacher.execute(Statements::deleteAllResults());
    EXPECT_EQ(scalar(Statements::countTimedResults()).toLongLong(), 0);
}

INSTANTIATE_TEST_SUITE_P(Backends, ServerLogins, ::testing::Values(Backend::Server), backendName);

TEST(ServerRolesOnFile, EveryoneMayOpenTheSettingsOfTheFile)
{
    TestDatabase file;
    Connection connection;
    connection.setDatabasePath(file.file());
    EXPECT_TRUE(::ServerRoles::mayTeach(connection));
}

} // namespace
