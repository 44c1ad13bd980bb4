#include "data/CourseIndex.h"

#include "data/DataError.h"
#include "data/EngineFault.h"
#include "data/HtmlText.h"
#include "data/SearchWords.h"
#include "data/SqlStatement.h"
#include "data/SqliteEngine.h"
#include "data/Transaction.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStandardPaths>

#include <sqlite3.h>

namespace {

// Raised whenever the tables or what they hold change; an index of another version is
// rebuilt.
constexpr int kSchemaVersion = 2;
// The text kept for snippets is cut here, so a huge document costs a search no more than
// a long lecture does; all of it is still indexed.
constexpr qsizetype kSnippetSource = 200000;
// The title weighs more than the body when the results are ranked.
constexpr double kTitleWeight = 8.0;

const char* const kSchema = R"sql(
CREATE TABLE files (path TEXT PRIMARY KEY, modified INTEGER NOT NULL, size INTEGER NOT NULL,
                    readable INTEGER NOT NULL);
CREATE TABLE texts (id INTEGER PRIMARY KEY, path TEXT NOT NULL, title TEXT NOT NULL, body TEXT NOT NULL);
CREATE VIRTUAL TABLE words USING fts5(title, body, content='');
CREATE TABLE lexicon (word TEXT PRIMARY KEY, uses INTEGER NOT NULL) WITHOUT ROWID;
)sql";

// Each table answers and the engine finds the file sound; any failure means a rebuild.
const char* const kChecks[] = {
    "PRAGMA quick_check",
    "SELECT count(*) FROM files",
    "SELECT count(*) FROM texts",
    "SELECT count(*) FROM lexicon",
    "SELECT rowid FROM words WHERE words MATCH 'a' LIMIT 1",
    "INSERT INTO words(words, rank) VALUES('integrity-check', 0)",
};

struct FileStamp {
    qint64 modified = 0;
    qint64 size = 0;
    bool operator==(const FileStamp&) const = default;
};

} // namespace

// What is under text/ now: the regular files with their stamps, and the entries that are
// no regular file (a dangling link, a pipe), which are never opened.
struct CourseIndex::Scan {
    QHash<QString, FileStamp> files;
    QStringList notFiles;
};

void CourseIndex::Closer::operator()(sqlite3* db) const
{
    sqlite3_close(db);
}

CourseIndex::CourseIndex(const QString& indexFile)
{
    open(indexFile);
    if (!m_db || !prepareSchema())
        remake(indexFile);
}

// A damaged file is removed and made afresh; failing that, memory.
void CourseIndex::remake(const QString& indexFile)
{
    m_db.reset();
    if (!indexFile.isEmpty()) {
        QFile::remove(indexFile);
        QFile::remove(indexFile + QStringLiteral("-journal"));
        QFile::remove(indexFile + QStringLiteral("-wal"));
        QFile::remove(indexFile + QStringLiteral("-shm"));
    }
    open(indexFile);
    if (!m_db || !prepareSchema()) {
        m_db.reset();
        open(QString());
        prepareSchema();
    }
}

void CourseIndex::remake()
{
    remake(m_file);
}

CourseIndex::~CourseIndex() = default;

QString CourseIndex::defaultFile(const QString& programFolder)
{
    const QFileInfo folder(programFolder);
    if (folder.isDir() && folder.isWritable())
        return programFolder + QStringLiteral("search-index.sqlite");
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    QDir().mkpath(cache);
    const QByteArray key = QCryptographicHash::hash(programFolder.toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
    return cache + QStringLiteral("/search-index-") + QString::fromLatin1(key) + QStringLiteral(".sqlite");
}

void CourseIndex::open(const QString& file)
{
    m_file = file;
    sqlite3* db = nullptr;
    const QByteArray name = file.isEmpty() ? QByteArray(":memory:") : QFile::encodeName(file);
    const int rc = sqlite3_open_v2(name.constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    m_db.reset(db);
    if (rc != SQLITE_OK) {
        m_db.reset();
        return;
    }
    if (file.isEmpty())
        m_file.clear();
    sqlite3_busy_timeout(db, 2000);
}

// True when the tables are ours and of this version, made afresh if they were not.
bool CourseIndex::prepareSchema()
{
    try {
        if (storedVersion() == kSchemaVersion)
            return isSound();
        SqliteEngine engine(m_db.get());
        Transaction transaction(engine);
        exec("DROP TABLE IF EXISTS words; DROP TABLE IF EXISTS texts; DROP TABLE IF EXISTS files;"
             "DROP TABLE IF EXISTS lexicon;");
        exec(kSchema);
        exec(QByteArray("PRAGMA user_version = " + QByteArray::number(kSchemaVersion)).constData());
        transaction.commit();
        return true;
    } catch (const DataError&) {
        return false;
    }
}

int CourseIndex::storedVersion() const
{
    SqlStatement version(m_db.get(), QStringLiteral("PRAGMA user_version"));
    version.step();
    return version.value(0).toInt();
}

bool CourseIndex::isSound() const
{
    for (const char* check : kChecks) {
        SqlStatement statement(m_db.get(), QString::fromLatin1(check));
        const bool row = statement.step();
        if (QByteArray(check).startsWith("PRAGMA") && (!row || statement.value(0).toString() != u"ok"))
            return false;
    }
    return true;
}

void CourseIndex::exec(const char* sql) const
{
    char* message = nullptr;
    if (sqlite3_exec(m_db.get(), sql, nullptr, nullptr, &message) != SQLITE_OK) {
        const QString text = QString::fromUtf8(message ? message : sqlite3_errmsg(m_db.get()));
        sqlite3_free(message);
        throw EngineFault::fault(sqlite3_extended_errcode(m_db.get()), text);
    }
}

CourseIndex::Scan CourseIndex::scan(const QString& programFolder) const
{
    Scan found;
    const QString root = programFolder + QStringLiteral("text");
    QDirIterator it(root, {QStringLiteral("*.htm"), QStringLiteral("*.html")},
                    QDir::Files | QDir::System | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info = it.fileInfo();
        const QString relative = QStringLiteral("text/") + QDir(root).relativeFilePath(path);
        if (info.isFile())
            found.files.insert(relative, {info.lastModified().toMSecsSinceEpoch(), info.size()});
        else
            found.notFiles << relative;
    }
    return found;
}

bool CourseIndex::upToDate(const Scan& found) const
{
    SqlStatement stored(m_db.get(), QStringLiteral("SELECT path, modified, size FROM files"));
    int count = 0;
    while (stored.step()) {
        ++count;
        const auto it = found.files.constFind(stored.value(0).toString());
        if (it == found.files.cend() || !(*it == FileStamp{stored.value(1).toLongLong(), stored.value(2).toLongLong()}))
            return false;
    }
    return count == found.files.size();
}

void CourseIndex::rebuild(const QString& programFolder, const Scan& found)
{
    SqliteEngine engine(m_db.get());
    Transaction transaction(engine);
    {
        exec("DELETE FROM files; DELETE FROM texts; DELETE FROM lexicon;"
             "INSERT INTO words(words) VALUES('delete-all');");
        QHash<QString, qint64> lexicon;
        QStringList paths = found.files.keys();
        paths.sort();
        qint64 id = 0;
        for (const QString& path : paths) {
            QFile file(programFolder + path);
            const bool readable = file.open(QIODevice::ReadOnly);
            const FileStamp stamp = found.files.value(path);
            SqlStatement addFile(m_db.get(), QStringLiteral("INSERT INTO files VALUES (?, ?, ?, ?)"));
            addFile.bind(1, path);
            addFile.bind(2, stamp.modified);
            addFile.bind(3, stamp.size);
            addFile.bind(4, readable ? 1 : 0);
            addFile.run();
            if (readable)
                addDocument(++id, path, HtmlText::fromBytes(file.readAll()), lexicon);
        }
        storeLexicon(lexicon);
    }
    transaction.commit();
}

void CourseIndex::storeLexicon(const QHash<QString, qint64>& lexicon)
{
    for (auto it = lexicon.cbegin(); it != lexicon.cend(); ++it) {
        SqlStatement add(m_db.get(), QStringLiteral("INSERT INTO lexicon VALUES (?, ?)"));
        add.bind(1, it.key());
        add.bind(2, it.value());
        add.run();
    }
}

void CourseIndex::addDocument(qint64 id, const QString& path, const HtmlText& text, QHash<QString, qint64>& lexicon)
{
    for (const QString& word : SearchWords::words(text.title + u' ' + text.body))
        ++lexicon[word];
    const QString title = text.title.isEmpty() ? QFileInfo(path).fileName() : text.title;
    SqlStatement addText(m_db.get(), QStringLiteral("INSERT INTO texts VALUES (?, ?, ?, ?)"));
    addText.bind(1, id);
    addText.bind(2, path);
    addText.bind(3, title);
    addText.bind(4, text.body.left(kSnippetSource));
    addText.run();
    SqlStatement addWords(m_db.get(), QStringLiteral("INSERT INTO words (rowid, title, body) VALUES (?, ?, ?)"));
    addWords.bind(1, id);
    addWords.bind(2, SearchWords::indexText(title));
    addWords.bind(3, SearchWords::indexText(text.body));
    addWords.run();
}

int CourseIndex::documentCount() const
{
    SqlStatement count(m_db.get(), QStringLiteral("SELECT count(*) FROM texts"));
    count.step();
    return count.value(0).toInt();
}

CourseIndex::Refresh CourseIndex::refresh(const QString& programFolder, const QStringList& listed)
{
    if (!m_db)
        throw DataError(QStringLiteral("Не удалось открыть поисковый индекс"));
    const Scan found = scan(programFolder);
    Refresh result;
    if (!upToDate(found)) {
        rebuild(programFolder, found);
        result.rebuilt = true;
    }
    result.documents = documentCount();

    SqlStatement unreadable(m_db.get(), QStringLiteral("SELECT path FROM files WHERE readable = 0"));
    while (unreadable.step())
        result.skipped << unreadable.value(0).toString();
    result.skipped << found.notFiles;
    for (const QString& path : listed) {
        if (!found.files.contains(path) && !result.skipped.contains(path))
            result.skipped << path;
    }
    result.skipped.sort();
    return result;
}

QVector<CourseIndex::Hit> CourseIndex::search(const QString& typed, int limit) const
{
    QVector<Hit> hits;
    const QStringList stems = SearchWords::stemsOf(typed);
    if (!m_db || stems.isEmpty())
        return hits;
    // Documents whose title holds every word come first, then the full-text rank.
    SqlStatement query(m_db.get(), QStringLiteral(
        "SELECT t.path, t.title, t.body FROM "
        "(SELECT rowid AS id, bm25(words, %1, 1.0) AS rank FROM words WHERE words MATCH ?1) AS m "
        "JOIN texts AS t ON t.id = m.id "
        "ORDER BY m.id IN (SELECT rowid FROM words WHERE words MATCH ?2) DESC, m.rank, t.path LIMIT ?3")
        .arg(kTitleWeight));
    const QString expression = SearchWords::matchExpression(stems);
    query.bind(1, expression);
    query.bind(2, QStringLiteral("title : (%1)").arg(expression));
    query.bind(3, limit);
    while (query.step()) {
        const QString body = query.value(2).toString();
        hits.push_back({query.value(0).toString(), query.value(1).toString(), SearchSnippet::around(body, stems)});
    }
    return hits;
}

namespace {

constexpr qsizetype kShortestGuess = 4;

// One edit apart: a letter left out, added, changed, or two neighbours swapped.
bool oneEditApart(QStringView a, QStringView b)
{
    if (a.size() > b.size())
        std::swap(a, b);
    if (b.size() - a.size() > 1)
        return false;
    qsizetype i = 0;
    while (i < a.size() && a[i] == b[i])
        ++i;
    if (i == a.size())
        return a.size() != b.size();
    if (a.size() == b.size()) {
        const bool changed = a.sliced(i + 1) == b.sliced(i + 1);
        const bool swapped = i + 1 < a.size() && a[i] == b[i + 1] && a[i + 1] == b[i] && a.sliced(i + 2) == b.sliced(i + 2);
        return changed || swapped;
    }
    return a.sliced(i) == b.sliced(i + 1);
}

} // namespace

QString CourseIndex::suggestion(const QString& typed) const
{
    if (!m_db)
        return QString();
    const QStringList words = SearchWords::words(typed);
    QStringList offered;
    bool changed = false;
    for (const QString& word : words) {
        // A short word is one edit from too many others to guess which was meant.
        const QString better = word.size() >= kShortestGuess ? nearestWord(word) : QString();
        changed = changed || !better.isEmpty();
        offered << (better.isEmpty() ? word : better);
    }
    return changed ? offered.join(u' ') : QString();
}

// Empty when the index knows the word itself or nothing near it.
QString CourseIndex::nearestWord(const QString& word) const
{
    SqlStatement candidates(m_db.get(), QStringLiteral(
        "SELECT word FROM lexicon WHERE length(word) BETWEEN ?1 - 1 AND ?1 + 1 ORDER BY uses DESC, word"));
    candidates.bind(1, word.size());
    QString best;
    while (candidates.step()) {
        const QString candidate = candidates.value(0).toString();
        if (candidate == word)
            return QString();
        if (best.isEmpty() && oneEditApart(candidate, word))
            best = candidate;
    }
    return best;
}
