#include "data/CourseIndex.h"

#include "data/DataError.h"
#include "data/HtmlText.h"
#include "data/SearchWords.h"
#include "data/SqlStatement.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStandardPaths>

#include <sqlite3.h>

namespace {

// Raised whenever the tables below change; an index of another version is rebuilt.
constexpr int kSchemaVersion = 1;
// The title weighs more than the body when the results are ranked.
constexpr double kTitleWeight = 8.0;

const char* const kSchema = R"sql(
CREATE TABLE files (path TEXT PRIMARY KEY, modified INTEGER NOT NULL, size INTEGER NOT NULL,
                    readable INTEGER NOT NULL);
CREATE TABLE texts (id INTEGER PRIMARY KEY, path TEXT NOT NULL, title TEXT NOT NULL, body TEXT NOT NULL);
CREATE VIRTUAL TABLE words USING fts5(title, body, content='');
)sql";

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
    if (!m_db || !prepareSchema()) {
        // A damaged file is removed and made afresh; failing that, memory.
        m_db.reset();
        if (!indexFile.isEmpty())
            QFile::remove(indexFile);
        open(indexFile);
        if (!m_db || !prepareSchema()) {
            m_db.reset();
            open(QString());
            prepareSchema();
        }
    }
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
        SqlStatement version(m_db.get(), QStringLiteral("PRAGMA user_version"));
        version.step();
        if (version.value(0).toInt() == kSchemaVersion)
            return true;
        exec("BEGIN IMMEDIATE");
        exec("DROP TABLE IF EXISTS words; DROP TABLE IF EXISTS texts; DROP TABLE IF EXISTS files;");
        exec(kSchema);
        exec(QByteArray("PRAGMA user_version = " + QByteArray::number(kSchemaVersion)).constData());
        exec("COMMIT");
        return true;
    } catch (const DataError&) {
        sqlite3_exec(m_db.get(), "ROLLBACK", nullptr, nullptr, nullptr);
        return false;
    }
}

void CourseIndex::exec(const char* sql) const
{
    char* message = nullptr;
    if (sqlite3_exec(m_db.get(), sql, nullptr, nullptr, &message) != SQLITE_OK) {
        const QString text = QString::fromUtf8(message ? message : sqlite3_errmsg(m_db.get()));
        sqlite3_free(message);
        throw DataError(text);
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
    exec("BEGIN IMMEDIATE");
    try {
        exec("DELETE FROM files; DELETE FROM texts; INSERT INTO words(words) VALUES('delete-all');");
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
                addDocument(++id, path, HtmlText::fromBytes(file.readAll()));
        }
        exec("COMMIT");
    } catch (const DataError&) {
        sqlite3_exec(m_db.get(), "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
}

void CourseIndex::addDocument(qint64 id, const QString& path, const HtmlText& text)
{
    const QString title = text.title.isEmpty() ? QFileInfo(path).fileName() : text.title;
    SqlStatement addText(m_db.get(), QStringLiteral("INSERT INTO texts VALUES (?, ?, ?, ?)"));
    addText.bind(1, id);
    addText.bind(2, path);
    addText.bind(3, title);
    addText.bind(4, text.body);
    addText.run();
    SqlStatement addWords(m_db.get(), QStringLiteral("INSERT INTO words (rowid, title, body) VALUES (?, ?, ?)"));
    addWords.bind(1, id);
    addWords.bind(2, SearchWords::fold(title));
    addWords.bind(3, SearchWords::fold(text.body));
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
