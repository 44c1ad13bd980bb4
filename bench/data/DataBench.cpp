// Speed of the data layer on its hot paths: the main window's topic search, start-up's
// table reading and the timed test's query cycles.
#include "data/CourseData.h"
#include "data/Query.h"
#include "data/Statements.h"
#include "data/TableObject.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>

#include <sqlite3.h>

namespace {

bool runScript(sqlite3* db, const QString& path)
{
    QFile in(path);
    return in.open(QIODevice::ReadOnly)
        && sqlite3_exec(db, in.readAll().constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
}

// Builds <folder>/dbase.sqlite from the schema, the seed, and extra SQL.
bool buildDatabase(const QTemporaryDir& folder, bool withSeed, const QByteArray& extra = {})
{
    sqlite3* db = nullptr;
    const QByteArray file = QFile::encodeName(folder.filePath(QStringLiteral("dbase.sqlite")));
    bool ok = sqlite3_open(file.constData(), &db) == SQLITE_OK
        && runScript(db, QStringLiteral(VESTRON_SOURCE_DIR "/course/schema.sql"))
        && (!withSeed || runScript(db, QStringLiteral(VESTRON_SOURCE_DIR "/course/seed.sql")))
        && sqlite3_exec(db, extra.constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return ok;
}

QString programFolder(const QTemporaryDir& folder)
{
    return folder.path() + u'/';
}

void locateByPrefix(benchmark::State& state)
{
    QTemporaryDir folder;
    // 10,000 topics named "Тема <n> ..." in random-looking order.
    const QByteArray rows =
        "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < 9999) "
        "INSERT INTO temi (nom, name, file_name) "
        "SELECT i, 'Тема ' || ((i * 7919) % 10000) || ' о базах данных', 'lec' || i || '.htm' FROM n;";
    if (!buildDatabase(folder, false, rows)) {
        state.SkipWithError("cannot build the database");
        return;
    }
    CourseData data;
    data.openTables(programFolder(folder));
    const QStringList prefixes = {QStringLiteral("тема 5"), QStringLiteral("ТЕМА 9999"),
                                  QStringLiteral("Тема 1234 О"), QStringLiteral("нет такой")};
    int i = 0;
    for (auto _ : state) {
        const bool found = data.tblTemi.locate(QStringLiteral("name"), prefixes.at(i++ % prefixes.size()),
                                               LocateOption::CaseInsensitive | LocateOption::PartialKey);
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(locateByPrefix)->Unit(benchmark::kMicrosecond);

void openSixTables(benchmark::State& state)
{
    QTemporaryDir folder;
    if (!buildDatabase(folder, true)) {
        state.SkipWithError("cannot build the database");
        return;
    }
    for (auto _ : state) {
        CourseData data;
        data.openTables(programFolder(folder));
        benchmark::DoNotOptimize(data.tblLab.recordCount());
    }
}
BENCHMARK(openSixTables)->Unit(benchmark::kMicrosecond);

void sharedQueryCycles(benchmark::State& state)
{
    QTemporaryDir folder;
    if (!buildDatabase(folder, true)) {
        state.SkipWithError("cannot build the database");
        return;
    }
    CourseData data;
    data.openStatementConnection(programFolder(folder));
    for (auto _ : state) {
        for (int cycle = 0; cycle < 1000; ++cycle) {
            data.ADOQuery1.setSql(Statements::selectQuestionByParameter());
            data.ADOQuery1.setParameter(QStringLiteral("par"), 1);
            data.ADOQuery1.open();
            while (!data.ADOQuery1.eof()) {
                benchmark::DoNotOptimize(data.ADOQuery1.fieldValue(QStringLiteral("question")));
                data.ADOQuery1.next();
            }
        }
    }
}
BENCHMARK(sharedQueryCycles)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
