#pragma once

#include <QString>

#include <functional>

// Hands a file to the desktop's default application (xdg-open through QDesktopServices).
// The result is not looked at: a missing file is reported, if at all, by the desktop.
// A relative file is taken relative to the directory, or to the current directory when
// the directory is empty. Texts of any length are passed whole. The desktop's open
// operation takes no parameters and no show command; both are kept for the record.
void ShellOpen(const QString& file, const QString& parameters, const QString& directory,
               int showCommand);

namespace ShellOpenForTesting {

using Opener = std::function<void(const QString& file, const QString& parameters,
                                  const QString& directory, int showCommand)>;
// Replaces the desktop by the given function; an empty function restores the desktop.
void setOpener(Opener opener);

} // namespace ShellOpenForTesting

// Show command 5: the opened window keeps its current size and position.
constexpr int kShowInPlace = 5;
