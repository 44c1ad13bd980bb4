#pragma once

class QApplication;
class QTranslator;

// What the program sets up around its windows.
namespace Startup {

// Before the application object exists: the HTML views' engine runs without its sandbox
// when the program runs as root (unless the flags are given), and shares GL contexts.
void prepareProcess();

// The title "Учебник", the window icon, the font substitutions, Qt's own Russian texts,
// and the rule that only closing the splash ends the program.
void prepareApplication(QApplication& application);

// Qt's own texts (standard dialogs, context menus) in Russian, whatever the desktop's
// language: the program speaks Russian only. The translator belongs to the application;
// nothing when the translation is not installed (our boxes set their button texts
// themselves, so they stay Russian then too).
QTranslator* installRussianTranslation(QApplication& application);

} // namespace Startup
