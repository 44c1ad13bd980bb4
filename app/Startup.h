#pragma once

class QApplication;

// What the program sets up around its windows.
namespace Startup {

// Before the application object exists: the HTML views' engine runs without its sandbox
// when the program runs as root (unless the flags are given), and shares GL contexts.
void prepareProcess();

// The title "Учебник", the window icon, the font substitutions, and the rule that only
// closing the splash ends the program.
void prepareApplication(QApplication& application);

} // namespace Startup
