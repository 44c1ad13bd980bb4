#include "skin/SkinChecker.h"

#include "common/ScriptedDialogs.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST(SkinChecker, FindsEachProblemWithItsLine)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(QImage(40, 30, QImage::Format_RGB32).save(dir.filePath(QStringLiteral("master.bmp")), "BMP"));
    writeFile(dir.filePath(QStringLiteral("Options.dat")),
              "[GLOBALINFO]\n"                        // 1
              "MASTERBITMAP=master.bmp\n"             // 2
              "[BUTTON]\n"                            // 3
              "COLOUR=5\n"                            // 4  unknown key
              "BORDERSMASK=# (0,0,30,20) (3,1)\n"     // 5  fine
              "GLYPHMASK=# (20,10,50,20) (3,1)\n"     // 6  outside the 40 x 30 picture
              "PATTERN=gone.jpg\n"                    // 7  missing file
              "PARENTCLASS=NOSUCH\n"                  // 8  names no section
              "[A]\n"                                 // 9
              "PARENTCLASS=B\n"                       // 10 loop A -> B -> A
              "[B]\n"                                 // 11
              "PARENTCLASS=a\n"                       // 12 the same loop, seen from B
              "[C]\n"                                 // 13
              "PARENTCLASS=A\n"                       // 14 leads into the loop, is no loop itself
              "HOTPATTERN=# (1,2) (3,1)\n"            // 15 unreadable piece
              "[D]\n"                                 // 16
              "PARENTCLASS=?\n");                     // 17 the unset marker
    const SkinIssues issues = SkinChecker::checkFolder(dir.path());
    std::vector<int> lines;
    for (const SkinIssue& issue : issues)
        lines.push_back(issue.line);
    std::sort(lines.begin(), lines.end());
    EXPECT_EQ(lines, (std::vector<int>{4, 6, 7, 8, 10, 12, 15})) << [&] {
        QStringList all;
        for (const SkinIssue& issue : issues)
            all << SkinChecker::format(issue);
        return all.join(QLatin1Char('\n')).toStdString();
    }();
}

// The checker reports an old-format skin as a finding; it never opens the loader's box.
TEST(SkinChecker, OldFormatIsAFindingNotABox)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(QImage(8, 8, QImage::Format_RGB32).save(dir.filePath(QStringLiteral("master.bmp")), "BMP"));
    writeFile(dir.filePath(QStringLiteral("Options.dat")),
              "[GLOBALINFO]\nMASTERBITMAP=master.bmp\n[TSEDIT]\nCOLOR=1\n");
    ScriptedDialogs dialogs;
    const SkinIssues issues = SkinChecker::checkFolder(dir.path());
    ASSERT_EQ(issues.size(), 1u);
    EXPECT_EQ(issues.front().line, 3);
    EXPECT_TRUE(dialogs.boxes.isEmpty());
}

TEST(SkinChecker, CleanFolderAndMissingOptions)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    EXPECT_EQ(SkinChecker::checkFolder(dir.path()).size(), 1u); // no Options.dat
    ASSERT_TRUE(QImage(40, 30, QImage::Format_RGB32).save(dir.filePath(QStringLiteral("m.bmp")), "BMP"));
    writeFile(dir.filePath(QStringLiteral("Options.dat")),
              "[GLOBALINFO]\nMASTERBITMAP=m.bmp\nVERSION=2\nCOLOR=1\n[EDIT]\nBORDERSMASK=# (0,0,30,30) (1,0)\n"
              "[COMBOBOX]\nPARENTCLASS=EDIT\nSHOWFOCUS=TRUE\n");
    EXPECT_TRUE(SkinChecker::checkFolder(dir.path()).empty());
}

TEST(SkinChecker, KnownIssuesAreLeftOut)
{
    const SkinIssues issues = {{QStringLiteral("f"), 1, QStringLiteral("one")}, {QStringLiteral("f"), 2, QStringLiteral("two")}};
    const SkinIssues left = SkinChecker::withoutKnown(issues, {QStringLiteral("two")});
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left[0].message, QStringLiteral("one"));
    EXPECT_EQ(SkinChecker::format(left[0]), QStringLiteral("f:1: one"));
}

} // namespace
