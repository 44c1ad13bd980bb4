// Checks a skin with the program's own loaders and lists its problems with file and line.
//
// Usage: skincheck <skin folder> [--known <file>]
//        skincheck --stored <name> [--file <skin text>] [--known <file>]
// Exit code 0 for a clean skin (problems listed in the --known file do not count), 1 when
// problems were found, 2 for wrong arguments.

#include "skin/SkinChecker.h"
#include "skin/StoredSkinText.h"
#include "tools/common/CommandLine.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    QTextStream out(stdout);
    QTextStream err(stderr);

    const auto takeOption = [&](const QString& name) { return CommandLine::takeOption(args, name); };
    const QString known = takeOption(QStringLiteral("--known"));
    const QString stored = takeOption(QStringLiteral("--stored"));
    const QString file = takeOption(QStringLiteral("--file"));
    if ((stored.isEmpty() && args.size() != 1) || (!stored.isEmpty() && !args.isEmpty())) {
        err << "usage: skincheck <skin folder> [--known <file>]\n"
               "       skincheck --stored <name> [--file <skin text>] [--known <file>]\n";
        return 2;
    }

    SkinIssues issues;
    if (stored.isEmpty()) {
        issues = SkinChecker::checkFolder(args.first());
    } else {
        const QString path = file.isEmpty() ? StoredSkinText::builtInPath() : file;
        const TsStoredSkin skin = StoredSkinText::load(path);
        if (skin.Name != stored) {
            err << "skincheck: " << path << " holds no stored skin named \"" << stored << "\"\n";
            return 1;
        }
        issues = SkinChecker::checkStoredText(path);
    }
    if (!known.isEmpty())
        issues = SkinChecker::withoutKnown(issues, SkinChecker::readKnownIssues(known));
    for (const SkinIssue& issue : issues)
        out << SkinChecker::format(issue) << '\n';
    out << (issues.empty() ? "clean\n" : QStringLiteral("%1 problem(s)\n").arg(issues.size()));
    return issues.empty() ? 0 : 1;
}
