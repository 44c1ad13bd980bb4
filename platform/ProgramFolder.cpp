#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

// Process-wide: set once at start-up (or by a test) and read everywhere.
QString& overriddenFolder()
{
    static QString folder;
    return folder;
}

QString withSeparator(const QString& folder)
{
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

} // namespace

namespace ProgramFolder {

QString path()
{
    if (!overriddenFolder().isEmpty())
        return overriddenFolder();
    const QString executable = QFileInfo(QCoreApplication::applicationFilePath()).canonicalFilePath();
    return withSeparator(QFileInfo(executable).absolutePath());
}

void setPathForTesting(const QString& folder)
{
    overriddenFolder() = folder.isEmpty() ? QString() : withSeparator(QDir(folder).absolutePath());
}

} // namespace ProgramFolder
