#pragma once

#include <QString>
#include <QWidget>

#include <exception>
#include <functional>
#include <memory>
#include <vector>

// The program's eight windows: created once, hidden, in a fixed order, each setting its
// reference in Globals; destroyed in the reverse order at the end. Closing a window only
// hides it, except the splash, whose closing ends the program.
class WindowSet
{
public:
    WindowSet() = default;
    ~WindowSet();
    WindowSet(const WindowSet&) = delete;
    WindowSet& operator=(const WindowSet&) = delete;

    // Whether create() puts the splash on the screen as soon as it exists, before the
    // windows that start the web engine, open the database and load the skin.
    enum class Splash { Hidden, ShownFirst };

    // Creates the windows and runs their creation handlers. A failing creation handler is
    // shown in the error report and start-up goes on. A window that cannot be built (the
    // table connection) ends start-up: the stop box is shown, the windows made so far are
    // destroyed and false is returned.
    bool create(Splash splash = Splash::Hidden);
    // Destroys the windows, last created first, and clears their references.
    void destroy();

    // The whole run: show the splash first, create the other windows, run the message loop. Returns the exit code.
    int run();

    // The windows in creation order (for tests).
    std::vector<QWidget*> windows() const;

    static QString startupFailureCaption() { return QStringLiteral("Ошибка запуска"); }
    static QString startupFailureText(const std::exception& error);

private:
    template <class Window, class... Arguments>
    Window* make(Window*& reference, Arguments&&... arguments);
    void createWindows(Splash splash);
    static void runCreationHandler(const std::function<void()>& handler);

    std::vector<std::unique_ptr<QWidget>> m_windows;
    // One per window: clears its reference in Globals.
    std::vector<std::function<void()>> m_forgetReference;
};
