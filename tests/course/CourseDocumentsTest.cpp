// The documents the build put under text/: UTF-8 HTML whose local links all resolve.
#include "course/HtmlLinkCheck.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

namespace {

const QString kTextDir = QStringLiteral(VESTRON_PROGRAM_DIR "/text");

QStringList htmlDocuments(const QString& root)
{
    QStringList documents;
    QDirIterator it(root, {QStringLiteral("*.htm"), QStringLiteral("*.html")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        documents.append(it.next());
    documents.sort();
    return documents;
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray page(const QByteArray& body, const QByteArray& head = "<meta charset=\"utf-8\">")
{
    return "<!DOCTYPE html>\n<html lang=\"ru\"><head>" + head + "<title>t</title></head><body>" + body + "</body></html>\n";
}

TEST(CourseDocuments, EveryDocumentIsUtf8WithResolvingLinks)
{
    const QStringList documents = htmlDocuments(kTextDir);
    ASSERT_FALSE(documents.isEmpty()) << "no documents under " << qPrintable(kTextDir);
    const HtmlLinkCheck check(kTextDir);
    for (const QString& document : documents)
        for (const QString& problem : check.problems(document))
            ADD_FAILURE() << qPrintable(problem);
}

TEST(CourseDocuments, TheMenuDocumentsArePresent)
{
    const QStringList expected{
        "umkd/about.htm", "umkd/silabus.htm", "umkd/plan_pr.htm", "umkd/plan_lab.htm", "umkd/srsp.htm",
        "umkd/rubezh.htm", "umkd/ekz_vopr.htm", "umkd/litra.htm", "help.htm", "style.css"};
    for (const QString& name : expected)
        EXPECT_TRUE(QFileInfo(kTextDir + QLatin1Char('/') + name).isFile()) << qPrintable(name);
}

// The checker itself must notice each kind of fault, or the test above proves nothing.
TEST(HtmlLinkCheck, ReportsEachKindOfFault)
{
    struct Case {
        const char* name;
        QByteArray document;
        QString expectedProblem;   // empty: the document is sound
    };
    const Case cases[] = {
        {"sound document", page("<h1 id=\"top\">x</h1><a href=\"#top\">up</a><a href=\"sub/b.htm#part\">b</a>"
                                "<img src=\"img/pic.png\" alt=\"\"><a href=\"https://example.org/\">web</a>"), {}},
        {"missing file", page("<a href=\"nothere.htm\">x</a>"), "missing file nothere.htm"},
        {"missing picture", page("<img src=\"img/none.png\" alt=\"\">"), "missing file img/none.png"},
        {"missing own anchor", page("<a href=\"#nowhere\">x</a>"), "missing anchor #nowhere"},
        {"missing anchor in the target", page("<a href=\"sub/b.htm#other\">x</a>"), "missing anchor sub/b.htm#other"},
        {"no charset meta", page("<p>x</p>", ""), "no <meta charset=\"utf-8\">"},
        {"other charset", page("<p>x</p>", "<meta charset=\"windows-1251\">"), "no <meta charset=\"utf-8\">"},
        {"not UTF-8", page("<p>\xcf\xf0\xe8</p>"), "not readable as UTF-8"},
        {"link out of the text folder", page("<a href=\"../outside.htm\">x</a>"), "link leaves the text folder"},
        {"folder instead of a file", page("<a href=\"sub/\">x</a>"), "missing file sub/"},
    };
    for (const Case& c : cases) {
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        const QString root = dir.path() + QStringLiteral("/text");
        writeFile(dir.path() + QStringLiteral("/outside.htm"), page("x"));
        writeFile(root + QStringLiteral("/sub/b.htm"), page("<h2 id=\"part\">p</h2>"));
        writeFile(root + QStringLiteral("/img/pic.png"), "png");
        writeFile(root + QStringLiteral("/a.htm"), c.document);

        const QStringList problems = HtmlLinkCheck(root).problems(root + QStringLiteral("/a.htm"));
        if (c.expectedProblem.isEmpty()) {
            EXPECT_TRUE(problems.isEmpty()) << c.name << ": " << qPrintable(problems.join(QLatin1String("; ")));
        } else {
            ASSERT_EQ(problems.size(), 1) << c.name << ": " << qPrintable(problems.join(QLatin1String("; ")));
            EXPECT_TRUE(problems[0].contains(c.expectedProblem)) << c.name << ": " << qPrintable(problems[0]);
        }
    }
}

} // namespace
