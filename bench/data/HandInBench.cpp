// How long a student waits when handing in against a course on a local server, on a
// student's login: the fixed test's result row and the timed test's. Each repetition is
// one hand-in (its connection made before the timed loop); the p95 row is the 95th
// percentile over them (target: 50 ms or less).
#include "common/PgTestServer.h"
#include "data/CourseData.h"
#include "data/ServerSetup.h"
#include "data/Statements.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDate>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <sqlite3.h>

#include <algorithm>
#include <memory>

namespace {

bool runScript(sqlite3* db, const QString& path)
{
    QFile in(path);
    return in.open(QIODevice::ReadOnly)
        && sqlite3_exec(db, in.readAll().constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
}

// The sample course on a fresh database of the private server; empty on failure.
QString courseOnServer()
{
    PgTestServer& server = PgTestServer::shared();
    if (!server.available())
        return QString();
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("dbase.sqlite"));
    sqlite3* db = nullptr;
    const bool built = sqlite3_open(QFile::encodeName(file).constData(), &db) == SQLITE_OK
        && runScript(db, QStringLiteral(VESTRON_SOURCE_DIR "/course/schema.sql"))
        && runScript(db, QStringLiteral(VESTRON_SOURCE_DIR "/course/seed.sql"));
    sqlite3_close(db);
    const QString database = server.createDatabase();
    QString text;
    QTextStream out(&text);
    if (!built || database.isEmpty()
        || ServerSetup::run(server.connection(database), file, out, out) != ServerSetup::Done)
        return QString();
    return server.connection(database, server.createLogin(database, QStringLiteral("vestron_student")));
}

double percentile95(const std::vector<double>& values)
{
    std::vector<double> sorted = values;
    std::sort(sorted.begin(), sorted.end());
    return sorted.empty() ? 0 : sorted.at(std::min(sorted.size() - 1, size_t(double(sorted.size()) * 0.95)));
}

// One student's course data on the server, or null with the benchmark skipped.
std::unique_ptr<CourseData> studentData(benchmark::State& state)
{
    static const QString student = courseOnServer();
    if (student.isEmpty()) {
        state.SkipWithError(PgTestServer::shared().skipReason().isEmpty()
                                ? "the course could not be set up on the private server"
                                : qPrintable(PgTestServer::shared().skipReason()));
        return nullptr;
    }
    auto data = std::make_unique<CourseData>();
    data->useServer(student);
    data->openTables(QString());
    data->openStatementConnection(QString());
    return data;
}

// The fixed test's hand-in: its result row, written and read back by the table object.
void handInFixedTest(benchmark::State& state)
{
    const std::unique_ptr<CourseData> data = studentData(state);
    if (!data)
        return;
    int round = 0;
    for (auto _ : state) {
        TableObject& result = data->tblResult;
        result.insert();
        result.setFieldValue(QStringLiteral("fio"), QStringLiteral("Студент %1").arg(++round));
        result.setFieldValue(QStringLiteral("data"), QDate::currentDate());
        result.setFieldValue(QStringLiteral("kol"), 20);
        result.setFieldValue(QStringLiteral("ocenka"), QStringLiteral("B"));
        result.post();
    }
}

// The timed test's hand-in: its result row through the shared query.
void handInTimedTest(benchmark::State& state)
{
    const std::unique_ptr<CourseData> data = studentData(state);
    if (!data)
        return;
    int round = 0;
    for (auto _ : state) {
        data->ADOQuery1.setSql(Statements::insertTimedResult(QStringLiteral("Студент %1").arg(++round), QStringLiteral("ИС-1"),
                                                            QStringLiteral("80"), QStringLiteral("s"), QStringLiteral("f")));
        data->ADOQuery1.execSql();
    }
}

void asHandIns(benchmark::internal::Benchmark* benchmark)
{
    benchmark->Iterations(1)
        ->Repetitions(200)
        ->ComputeStatistics("p95", percentile95)
        ->ReportAggregatesOnly(true)
        ->Unit(benchmark::kMillisecond);
}
BENCHMARK(handInFixedTest)->Apply(asHandIns);
BENCHMARK(handInTimedTest)->Apply(asHandIns);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
