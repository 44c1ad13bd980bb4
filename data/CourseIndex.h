#pragma once

#include "data/SearchSnippet.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

#include <memory>

struct HtmlText;
struct sqlite3;

// The full-text index of the course's HTML documents (everything under the program
// folder's text/), kept in an SQLite file of its own. Words are indexed folded (case and
// "ё" do not count) by their Snowball stems and looked up as SearchWords::matches() says;
// the documents' own texts are kept beside the index for the snippets, and the words they
// use for spelling suggestions.
class CourseIndex
{
public:
    struct Hit {
        QString path;  // relative to the program folder, e.g. "text/lec01.htm"
        QString title; // the document's title, or its file name when it has none
        SearchSnippet snippet;
    };
    struct Refresh {
        bool rebuilt = false;
        int documents = 0;   // documents in the index
        QStringList skipped; // relative paths that are missing or cannot be read
    };

    // Opens the index file, creating it when needed. A file that is damaged or was made
    // by another version is made afresh; when no file can be written the index lives in
    // memory for this run. Never throws.
    explicit CourseIndex(const QString& indexFile);
    ~CourseIndex();
    CourseIndex(const CourseIndex&) = delete;
    CourseIndex& operator=(const CourseIndex&) = delete;

    // Brings the index up to date with the documents under `programFolder` (with a
    // trailing separator) + "text/": rebuilt when a document was added, removed or
    // changed since it was built. `listed` names the documents the course refers to;
    // those that are missing are reported with the unreadable ones.
    // Throws DataError when the index cannot be written.
    Refresh refresh(const QString& programFolder, const QStringList& listed = {});

    // The documents that hold every word typed (each as a stem prefix), best first.
    // Throws DataError on an engine failure.
    QVector<Hit> search(const QString& typed, int limit = 50) const;

    // Throws the index away and makes it afresh, empty (refresh() fills it again): what
    // a search that failed on a damaged index does.
    void remake();

    // The word of the index within one edit (a letter left out, added, changed, or two
    // swapped) of each typed word the index does not know, the most used one; the typed
    // text with those words replaced, or empty when there is nothing to offer.
    QString suggestion(const QString& typed) const;

    // The index file in use; empty when the index lives in memory.
    const QString& fileName() const { return m_file; }

    // Beside the course database when the program folder can be written, otherwise in
    // the user's cache folder.
    static QString defaultFile(const QString& programFolder);

private:
    struct Scan;
    struct Closer {
        void operator()(sqlite3* db) const;
    };

    void open(const QString& file);
    void remake(const QString& indexFile);
    bool prepareSchema();
    int storedVersion() const;
    bool isSound() const;
    QString nearestWord(const QString& word) const;
    void storeLexicon(const QHash<QString, qint64>& lexicon);
    Scan scan(const QString& programFolder) const;
    bool upToDate(const Scan& found) const;
    void rebuild(const QString& programFolder, const Scan& found);
    void addDocument(qint64 id, const QString& path, const HtmlText& text, QHash<QString, qint64>& lexicon);
    int documentCount() const;
    void exec(const char* sql) const;

    std::unique_ptr<sqlite3, Closer> m_db;
    QString m_file;
};
