#include "platform/ShellOpen.h"

#include <QDesktopServices>
#include <QDir>
#include <QUrl>

namespace {

// Process-wide: the test seam, empty while the desktop is used.
ShellOpenForTesting::Opener& installedOpener()
{
    static ShellOpenForTesting::Opener opener;
    return opener;
}

QString absoluteFile(const QString& file, const QString& directory)
{
    if (QDir::isAbsolutePath(file))
        return file;
    return directory.isEmpty() ? QDir::current().absoluteFilePath(file)
                               : QDir(directory).absoluteFilePath(file);
}

} // namespace

void ShellOpen(const QString& file, const QString& parameters, const QString& directory,
               int showCommand)
{
    if (installedOpener()) {
        installedOpener()(file, parameters, directory, showCommand);
        return;
    }
    if (file.isEmpty())
        return;
    QDesktopServices::openUrl(QUrl::fromLocalFile(absoluteFile(file, directory)));
}

namespace ShellOpenForTesting {

void setOpener(Opener opener)
{
    installedOpener() = std::move(opener);
}

} // namespace ShellOpenForTesting
