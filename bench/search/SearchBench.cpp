// Speed of the course search: building the index of the sample course, answering a
// query, and the search window showing its first results after a keystroke.
#include "app/CourseSearchWindow.h"
#include "data/CourseIndex.h"
#include "platform/ProgramFolder.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>

namespace {

// A program folder holding a copy of the sample course's text/.
class CourseCopy
{
public:
    CourseCopy()
    {
        const QString source = QStringLiteral(VESTRON_SOURCE_DIR "/course/text");
        QDirIterator it(source, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString from = it.next();
            const QString to = folder() + QStringLiteral("text/") + QDir(source).relativeFilePath(from);
            QDir().mkpath(QFileInfo(to).path());
            QFile::copy(from, to);
        }
    }
    QString folder() const { return m_dir.path() + u'/'; }
    QString indexFile() const { return folder() + QStringLiteral("search-index.sqlite"); }

private:
    QTemporaryDir m_dir;
};

void buildIndex(benchmark::State& state)
{
    CourseCopy course;
    int documents = 0;
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(course.indexFile());
        state.ResumeTiming();
        CourseIndex index(course.indexFile());
        documents = index.refresh(course.folder()).documents;
    }
    state.counters["documents"] = documents;
}
BENCHMARK(buildIndex)->Unit(benchmark::kMillisecond);

// Opening the index at start when nothing changed: only the files' stamps are compared.
void refreshUnchanged(benchmark::State& state)
{
    CourseCopy course;
    CourseIndex(course.indexFile()).refresh(course.folder());
    for (auto _ : state) {
        CourseIndex index(course.indexFile());
        benchmark::DoNotOptimize(index.refresh(course.folder()).rebuilt);
    }
}
BENCHMARK(refreshUnchanged)->Unit(benchmark::kMillisecond);

void query(benchmark::State& state, const char* typed)
{
    CourseCopy course;
    CourseIndex index(course.indexFile());
    index.refresh(course.folder());
    const QString text = QString::fromUtf8(typed);
    qsizetype hits = 0;
    for (auto _ : state)
        hits = index.search(text).size();
    state.counters["hits"] = double(hits);
}
BENCHMARK_CAPTURE(query, stem, "отношени")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(query, common_word, "данных")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(query, one_letter, "б")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(query, three_words, "транзакции и блокировки")->Unit(benchmark::kMillisecond);

BENCHMARK_CAPTURE(query, short_stem, "поле")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(query, no_result_with_suggestion, "тразакция")->Unit(benchmark::kMillisecond);

// A document of `megabytes` whose <title> is never closed, beside the sample course.
void addHugeDocument(const CourseCopy& course, int megabytes)
{
    if (megabytes <= 0)
        return;
    QFile file(course.folder() + QStringLiteral("text/huge.htm"));
    file.open(QIODevice::WriteOnly);
    file.write("<html><head><title>");
    const QByteArray line = QStringLiteral("данные отношения ключи таблицы запросы индексы транзакции ").toUtf8();
    const qint64 target = qint64(megabytes) << 20;
    for (qint64 written = 0; written < target; written += line.size())
        file.write(line);
}

// A keystroke in the search window to its results listed (laid out, not yet painted).
// The argument is the size in MB of an extra document whose title is never closed: a
// huge one should cost a keystroke no more than the sample course alone does.
void keystrokeToResults(benchmark::State& state)
{
    CourseCopy course;
    addHugeDocument(course, int(state.range(0)));
    ProgramFolder::setPathForTesting(course.folder());
    CourseSearchWindow window(nullptr, [] { return QStringList(); });
    window.openSearch();
    auto* field = window.findChild<QLineEdit*>(QStringLiteral("SearchField"));
    auto* results = window.findChild<QListWidget*>(QStringLiteral("SearchResults"));
    const QStringList typed = {QStringLiteral("д"), QStringLiteral("да"), QStringLiteral("дан"), QStringLiteral("данн")};
    int i = 0;
    for (auto _ : state) {
        field->setText(typed[i++ % typed.size()]);
        // The search runs off the window's thread; its answer is shown when it comes.
        while (window.isSearching())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        benchmark::DoNotOptimize(results->count());
    }
    ProgramFolder::setPathForTesting(QString());
}
BENCHMARK(keystrokeToResults)->Arg(0)->Arg(50)->Unit(benchmark::kMillisecond);

} // namespace
