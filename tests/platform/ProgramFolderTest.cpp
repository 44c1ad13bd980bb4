#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QString executableFolder()
{
    return QFileInfo(QFileInfo(QCoreApplication::applicationFilePath()).canonicalFilePath()).absolutePath()
        + u'/';
}

TEST(ProgramFolder, IsTheExecutablesFolderWhateverTheCurrentDirectory)
{
    const QString saved = QDir::currentPath();
    QTemporaryDir elsewhere;
    ASSERT_TRUE(QDir::setCurrent(elsewhere.path()));
    const QString folder = ProgramFolder::path();
    QDir::setCurrent(saved);
    EXPECT_EQ(folder, executableFolder());
    EXPECT_TRUE(folder.endsWith(u'/'));
}

TEST(ProgramFolder, ATestFolderIsAbsoluteWithOneTrailingSeparator)
{
    const QString saved = QDir::currentPath();
    QTemporaryDir base;
    ASSERT_TRUE(QDir::setCurrent(base.path()));
    const struct {
        const char* name;
        QString given;
        QString expected;
    } rows[] = {
        {"absolute", QStringLiteral("/opt/vestron"), QStringLiteral("/opt/vestron/")},
        {"absolute with separator", QStringLiteral("/opt/vestron/"), QStringLiteral("/opt/vestron/")},
        {"relative to the current directory", QStringLiteral("course"), QDir(base.path()).absoluteFilePath("course") + u'/'},
        {"empty goes back to the executable's folder", QString(), executableFolder()},
    };
    for (const auto& row : rows) {
        ProgramFolder::setPathForTesting(row.given);
        EXPECT_EQ(ProgramFolder::path(), row.expected) << row.name;
    }
    ProgramFolder::setPathForTesting(QString());
    QDir::setCurrent(saved);
}

} // namespace
