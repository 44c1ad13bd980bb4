// The slides tool as the build runs it: a deck file for a good outline, none for a bad one.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

struct ToolRun {
    int exitCode = -1;
    QString errors;
};

ToolRun runTool(const QString& outline, const QString& deck)
{
    QProcess process;
    process.start(QStringLiteral(VESTRON_SLIDES_TOOL), {outline, deck});
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardError())};
}

void writeText(const QString& path, const QString& text)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text.toUtf8());
}

int pageCount(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    return int(QString::fromLatin1(file.readAll()).count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

TEST(SlidesTool, ContinuesAnOverfullSlideOnFurtherPages)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QString text = QStringLiteral("# Длинная колода\n## Много пунктов\n");
    for (int i = 1; i <= 40; ++i)
        text += QStringLiteral("- Пункт %1: достаточно длинный текст, чтобы он переносился на вторую строку слайда при ширине страницы\n").arg(i);
    text += QStringLiteral("## Код\n");
    for (int i = 1; i <= 30; ++i)
        text += QStringLiteral("    SELECT %1 FROM t;\n").arg(i);
    writeText(dir.filePath("long.txt"), text);

    const ToolRun run = runTool(dir.filePath("long.txt"), dir.filePath("long.pdf"));
    ASSERT_EQ(run.exitCode, 0) << qPrintable(run.errors);
    // A title page and two slides, the first needing several pages and the code more than one.
    EXPECT_GE(pageCount(dir.filePath("long.pdf")), 1 + 4 + 2);
    EXPECT_FALSE(QFile::exists(dir.filePath("long.pdf.tmp")));
}

TEST(SlidesTool, ABadOutlineNamesFileAndLineAndLeavesNoDeck)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    writeText(dir.filePath("bad.txt"), QStringLiteral("# Колода\n## Слайд\n- пункт\nтекст без разметки\n"));

    const ToolRun run = runTool(dir.filePath("bad.txt"), dir.filePath("bad.pdf"));
    EXPECT_NE(run.exitCode, 0);
    EXPECT_TRUE(run.errors.contains(QStringLiteral("bad.txt:4:"))) << qPrintable(run.errors);
    EXPECT_FALSE(QFile::exists(dir.filePath("bad.pdf")));
}

TEST(SlidesTool, AMissingOutlineIsAnError)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const ToolRun run = runTool(dir.filePath("none.txt"), dir.filePath("none.pdf"));
    EXPECT_NE(run.exitCode, 0);
    EXPECT_TRUE(run.errors.contains(QStringLiteral("none.txt"))) << qPrintable(run.errors);
    EXPECT_FALSE(QFile::exists(dir.filePath("none.pdf")));
}

} // namespace
