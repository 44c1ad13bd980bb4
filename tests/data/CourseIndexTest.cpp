#include "data/CourseIndex.h"
#include "data/HtmlText.h"
#include "data/SearchWords.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <QDir>
#include <QDateTime>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A program folder with a copy of the sample course's text/ and the index beside it.
class CourseIndexTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        const QString source = QStringLiteral(VESTRON_SOURCE_DIR "/course/text");
        QDirIterator it(source, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString from = it.next();
            const QString to = folder() + QStringLiteral("text/") + QDir(source).relativeFilePath(from);
            QDir().mkpath(QFileInfo(to).path());
            ASSERT_TRUE(QFile::copy(from, to)) << to.toStdString();
        }
    }

    QString folder() const { return m_dir.path() + u'/'; }
    QString indexFile() const { return folder() + QStringLiteral("search-index.sqlite"); }

    void write(const QString& relative, const QString& html)
    {
        QDir().mkpath(QFileInfo(folder() + relative).path());
        QFile file(folder() + relative);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(html.toUtf8());
    }

    static QStringList paths(const QVector<CourseIndex::Hit>& hits)
    {
        QStringList result;
        for (const auto& hit : hits)
            result << hit.path;
        return result;
    }

    // The documents whose words include one of `forms`, read independently of the index.
    QSet<QString> documentsWithWord(const QStringList& forms) const
    {
        QSet<QString> result;
        QDirIterator it(folder() + QStringLiteral("text"), {QStringLiteral("*.htm")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly))
                continue;
            const HtmlText text = HtmlText::fromBytes(file.readAll());
            const QStringList words = SearchWords::words(QString(text.title + u' ' + text.body));
            for (const QString& form : forms) {
                if (words.contains(form))
                    result << QStringLiteral("text/") + QDir(folder() + QStringLiteral("text")).relativeFilePath(path);
            }
        }
        return result;
    }

    QTemporaryDir m_dir;
};

TEST_F(CourseIndexTest, EveryLectureIsFoundByAWordOfItsTitle)
{
    CourseIndex index(indexFile());
    const CourseIndex::Refresh refresh = index.refresh(folder());
    EXPECT_TRUE(refresh.rebuilt);
    EXPECT_EQ(refresh.documents, 31);
    EXPECT_TRUE(refresh.skipped.isEmpty()) << refresh.skipped.join(u' ').toStdString();

    for (int n = 1; n <= 14; ++n) {
        const QString path = QStringLiteral("text/lec%1.htm").arg(n, 2, 10, QLatin1Char('0'));
        QFile file(folder() + path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QString title = HtmlText::fromBytes(file.readAll()).title;
        // Each word of the title after "Лекция N." that is a real word.
        const QStringList words = title.split(QRegularExpression(QStringLiteral("[^\\w]+"), QRegularExpression::UseUnicodePropertiesOption), Qt::SkipEmptyParts).mid(2);
        ASSERT_FALSE(words.isEmpty()) << title.toStdString();
        for (const QString& word : words) {
            if (word.size() < 3)
                continue;
            SCOPED_TRACE((path + u' ' + word).toStdString());
            const QVector<CourseIndex::Hit> hits = index.search(word);
            EXPECT_TRUE(paths(hits).contains(path));
        }
        // The lecture's own title, whole, finds the lecture first.
        const QVector<CourseIndex::Hit> hits = index.search(title);
        ASSERT_FALSE(hits.isEmpty()) << title.toStdString();
        EXPECT_EQ(hits.front().path, path);
        EXPECT_EQ(hits.front().title, title);
    }
}

TEST_F(CourseIndexTest, YoAndYeFindTheSameDocuments)
{
    CourseIndex index(indexFile());
    index.refresh(folder());
    const struct {
        const char* one;
        const char* other;
    } rows[] = {
        {"отчёта", "отчета"},
        {"ОТЧЁТ", "отчет"},
        {"объём", "объем"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.one);
        const QStringList withYo = paths(index.search(QString::fromUtf8(row.one)));
        EXPECT_FALSE(withYo.isEmpty());
        EXPECT_EQ(withYo, paths(index.search(QString::fromUtf8(row.other))));
    }
    // Independently: every document with a form of «отчёт» is among them.
    const QStringList found = paths(index.search(QStringLiteral("отчета")));
    const QSet<QString> expected = documentsWithWord({"отчет", "отчета", "отчеты", "отчетов", "отчету", "отчетом", "отчете"});
    EXPECT_FALSE(expected.isEmpty());
    for (const QString& path : expected)
        EXPECT_TRUE(found.contains(path)) << path.toStdString();
}

TEST_F(CourseIndexTest, AStemFindsItsWordForms)
{
    CourseIndex index(indexFile());
    index.refresh(folder());
    const QVector<CourseIndex::Hit> hits = index.search(QStringLiteral("отношени"));
    const QStringList found = paths(hits);
    const QSet<QString> singular = documentsWithWord({"отношение"});
    const QSet<QString> plural = documentsWithWord({"отношения"});
    ASSERT_FALSE(singular.isEmpty());
    ASSERT_FALSE(plural.isEmpty());
    for (const QString& path : singular + plural)
        EXPECT_TRUE(found.contains(path)) << path.toStdString();
    // Each snippet marks a form of the word.
    for (const auto& hit : hits) {
        if (hit.snippet.marks.isEmpty())
            continue;
        const auto mark = hit.snippet.marks.front();
        EXPECT_TRUE(SearchWords::fold(hit.snippet.text.mid(mark.start, mark.length)).startsWith(QStringLiteral("отношен")))
            << hit.path.toStdString();
    }
}

TEST_F(CourseIndexTest, TheTitleWeighsMoreThanTheBody)
{
    CourseIndex index(indexFile());
    index.refresh(folder());
    const struct {
        const char* query;
        const char* first;
    } rows[] = {
        {"нормализация", "text/lec10.htm"},
        {"руководство пользователя", "text/help.htm"},
        {"силлабус", "text/umkd/silabus.htm"},
        {"агрегатные функции", "text/lab05.htm"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.query);
        const QVector<CourseIndex::Hit> hits = index.search(QString::fromUtf8(row.query));
        ASSERT_FALSE(hits.isEmpty());
        EXPECT_EQ(hits.front().path, QString::fromUtf8(row.first));
    }
    EXPECT_TRUE(index.search(QStringLiteral("зюзюблик")).isEmpty());
    EXPECT_TRUE(index.search(QStringLiteral("   ")).isEmpty());
    EXPECT_EQ(index.search(QStringLiteral("данных"), 3).size(), 3);
}

TEST_F(CourseIndexTest, SearchSyntaxTypedByTheStudentIsHarmless)
{
    CourseIndex index(indexFile());
    index.refresh(folder());
    for (const char* typed : {"\"", "*", "AND", "NOT база", "(", "NEAR(", "база OR", "a:b", "^", "-", "'; DROP TABLE texts; --"}) {
        SCOPED_TRACE(typed);
        EXPECT_NO_THROW(index.search(QString::fromUtf8(typed)));
    }
    EXPECT_FALSE(index.search(QStringLiteral("база")).isEmpty());
}

TEST_F(CourseIndexTest, ADocumentAddedOrChangedIsFoundAfterTheNextStart)
{
    {
        CourseIndex index(indexFile());
        EXPECT_TRUE(index.refresh(folder()).rebuilt);
        EXPECT_TRUE(index.search(QStringLiteral("квазиоптимизация")).isEmpty());
    }
    {
        CourseIndex index(indexFile());
        EXPECT_FALSE(index.refresh(folder()).rebuilt);
        EXPECT_EQ(index.fileName(), indexFile());
    }
    write(QStringLiteral("text/lec15.htm"),
          QStringLiteral("<title>Лекция 15. Дополнение</title><p>Квазиоптимизация запросов.</p>"));
    {
        CourseIndex index(indexFile());
        const CourseIndex::Refresh refresh = index.refresh(folder());
        EXPECT_TRUE(refresh.rebuilt);
        EXPECT_EQ(refresh.documents, 32);
        EXPECT_EQ(paths(index.search(QStringLiteral("квазиоптимизации"))), QStringList({"text/lec15.htm"}));
    }
    // The same size, a newer time: the document is read again.
    write(QStringLiteral("text/lec15.htm"),
          QStringLiteral("<title>Лекция 15. Дополнение</title><p>Гипероптимизация запросов.</p>"));
    QFile(folder() + QStringLiteral("text/lec15.htm")).setFileTime(QDateTime::currentDateTime().addSecs(5), QFileDevice::FileModificationTime);
    {
        CourseIndex index(indexFile());
        EXPECT_TRUE(index.refresh(folder()).rebuilt);
        EXPECT_TRUE(index.search(QStringLiteral("квазиоптимизация")).isEmpty());
        EXPECT_EQ(paths(index.search(QStringLiteral("гипероптимизация"))), QStringList({"text/lec15.htm"}));
    }
    ASSERT_TRUE(QFile::remove(folder() + QStringLiteral("text/lec15.htm")));
    {
        CourseIndex index(indexFile());
        EXPECT_TRUE(index.refresh(folder()).rebuilt);
        EXPECT_TRUE(index.search(QStringLiteral("гипероптимизация")).isEmpty());
    }
}

TEST_F(CourseIndexTest, MissingAndUnreadableDocumentsAreSkippedAndNamed)
{
    ASSERT_TRUE(QFile::remove(folder() + QStringLiteral("text/lec03.htm")));
    ASSERT_EQ(symlink("nowhere.htm", QFile::encodeName(folder() + QStringLiteral("text/lec16.htm")).constData()), 0);
    ASSERT_EQ(mkfifo(QFile::encodeName(folder() + QStringLiteral("text/pipe.htm")).constData(), 0644), 0);
    write(QStringLiteral("text/locked.htm"), QStringLiteral("<p>запертый</p>"));
    QFile::setPermissions(folder() + QStringLiteral("text/locked.htm"), QFileDevice::Permissions());
    const bool lockedIsUnreadable = !QFile(folder() + QStringLiteral("text/locked.htm")).open(QIODevice::ReadOnly);

    for (int start = 0; start < 2; ++start) {
        SCOPED_TRACE(start);
        CourseIndex index(indexFile());
        const CourseIndex::Refresh refresh = index.refresh(folder(), {"text/lec03.htm", "text/lec01.htm"});
        QStringList expected = {"text/lec03.htm", "text/lec16.htm", "text/pipe.htm"};
        if (lockedIsUnreadable) // root reads any file
            expected << QStringLiteral("text/locked.htm");
        expected.sort();
        EXPECT_EQ(refresh.skipped, expected);
        EXPECT_EQ(refresh.rebuilt, start == 0);
        EXPECT_FALSE(index.search(QStringLiteral("введение")).isEmpty());
    }
}

TEST_F(CourseIndexTest, ADamagedIndexIsMadeAfresh)
{
    {
        QFile file(indexFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(4096, '\x5A'));
    }
    CourseIndex index(indexFile());
    EXPECT_EQ(index.fileName(), indexFile());
    EXPECT_TRUE(index.refresh(folder()).rebuilt);
    EXPECT_FALSE(index.search(QStringLiteral("транзакция")).isEmpty());
}

// Damages the index file behind the program's back.
void damage(const QString& file, const char* sql)
{
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(file).constData(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db, "PRAGMA writable_schema = 1", nullptr, nullptr, nullptr), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    sqlite3_close(db);
}

// The right version number but a table missing or damaged: once made search say
// «Поиск недоступен» for good. Each damage is found on opening and the index made afresh.
TEST_F(CourseIndexTest, AnIndexOfTheRightVersionWithADamagedTableIsMadeAfresh)
{
    const struct {
        const char* name;
        const char* damage;
    } rows[] = {
        {"texts dropped", "DROP TABLE texts"},
        {"files dropped", "DROP TABLE files"},
        {"the word table's data dropped", "DROP TABLE words_data"},
        {"the word table's data emptied", "DELETE FROM words_data"},
        {"the word list dropped", "DROP TABLE lexicon"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        QFile::remove(indexFile());
        {
            CourseIndex index(indexFile());
            index.refresh(folder());
        }
        damage(indexFile(), row.damage);
        CourseIndex index(indexFile());
        EXPECT_TRUE(index.refresh(folder()).rebuilt);
        EXPECT_FALSE(index.search(QStringLiteral("транзакция")).isEmpty());
    }
}

// A search that failed on an index damaged while open works after remake() and refresh().
TEST_F(CourseIndexTest, AnIndexRemadeWhileOpenAnswersAgain)
{
    CourseIndex index(indexFile());
    index.refresh(folder());
    damage(indexFile(), "DROP TABLE texts");
    EXPECT_ANY_THROW(index.search(QStringLiteral("транзакция")));
    index.remake();
    EXPECT_EQ(index.fileName(), indexFile());
    EXPECT_TRUE(index.refresh(folder()).rebuilt);
    EXPECT_FALSE(index.search(QStringLiteral("транзакция")).isEmpty());
}

// A short stem finds the forms of its word only, a long one every word it begins; the
// snippet marks and the highlighted words are those forms, never a word containing them.
TEST_F(CourseIndexTest, WhatAStemFindsIsWhatTheStudentMeant)
{
    write(QStringLiteral("text/extra.htm"),
          QStringLiteral("<title>Поля</title><p>Поле и поля таблицы. Полный список, получить. Объём диска, объект базы. "
                         "Ключ включает ключевой и ключа.</p>"));
    CourseIndex index(indexFile());
    index.refresh(folder());
    const struct {
        const char* typed;
        QStringList words; // marked in text/extra.htm
    } rows[] = {
        {"поле", {"поле", "поля"}},
        {"объём", {"объем"}},
        {"объе\u0308м", {"объем"}}, // ё decomposed
        {"ключ", {"ключ", "ключевой", "ключа"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.typed);
        const QVector<CourseIndex::Hit> hits = index.search(QString::fromUtf8(row.typed));
        const auto extra = std::find_if(hits.begin(), hits.end(),
                                        [](const auto& hit) { return hit.path == u"text/extra.htm"; });
        ASSERT_NE(extra, hits.end());
        EXPECT_EQ(extra->snippet.words, row.words);
    }
    EXPECT_TRUE(paths(index.search(QStringLiteral("полный"))).contains(QStringLiteral("text/extra.htm")));
}

TEST_F(CourseIndexTest, ATypoIsAnsweredWithTheIndexsOwnWordWithinOneEdit)
{
    CourseIndex index(indexFile());
    index.refresh(folder());
    const struct {
        const char* typed;
        const char* offered;
    } rows[] = {
        {"тразакция", "транзакция"}, {"трансакция", "транзакция"}, // a letter left out, changed
        {"нормализацция", "нормализация"}, {"трназакция", "транзакция"}, // one added, two swapped
        {"транзакция", ""}, {"зюзюблик", ""}, {"бд", ""}, // known; nothing near; too short to guess
    };
    for (const auto& row : rows)
        EXPECT_EQ(index.suggestion(QString::fromUtf8(row.typed)), QString::fromUtf8(row.offered)) << row.typed;
}

TEST_F(CourseIndexTest, WithNowhereToWriteTheIndexLivesInMemory)
{
    CourseIndex index(folder() + QStringLiteral("no/such/folder/index.sqlite"));
    EXPECT_TRUE(index.fileName().isEmpty());
    EXPECT_TRUE(index.refresh(folder()).rebuilt);
    EXPECT_FALSE(index.search(QStringLiteral("транзакция")).isEmpty());
}

TEST_F(CourseIndexTest, AnIndexOfAnotherVersionIsRebuilt)
{
    {
        CourseIndex index(indexFile());
        index.refresh(folder());
    }
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(indexFile()).constData(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db, "PRAGMA user_version = 99", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
    CourseIndex index(indexFile());
    EXPECT_TRUE(index.refresh(folder()).rebuilt);
    EXPECT_FALSE(index.search(QStringLiteral("транзакция")).isEmpty());
}

TEST_F(CourseIndexTest, TheDefaultFileLiesBesideTheDatabaseWhenTheFolderIsWritable)
{
    EXPECT_EQ(CourseIndex::defaultFile(folder()), folder() + QStringLiteral("search-index.sqlite"));
    const QString elsewhere = CourseIndex::defaultFile(QStringLiteral("/no/such/folder/"));
    EXPECT_FALSE(elsewhere.startsWith(QStringLiteral("/no/")));
    EXPECT_TRUE(elsewhere.endsWith(QStringLiteral(".sqlite")));
}

} // namespace
