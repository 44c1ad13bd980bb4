#include "app/WindowSet.h"

#include "admin/TForm2.h"
#include "admin/TForm4.h"
#include "app/TForm3.h"
#include "app/TForm6.h"
#include "app/TForm8.h"
#include "data/DataError.h"
#include "platform/Dialogs.h"
#include "platform/ErrorReport.h"
#include "testing/TForm1.h"
#include "testing/TForm5.h"
#include "testing/TForm9.h"
#include "testing/TimedTestRegistration.h"
#include "ui/Globals.h"

#include <QApplication>

WindowSet::~WindowSet()
{
    destroy();
}

template <class Window, class... Arguments>
Window* WindowSet::make(Window*& reference, Arguments&&... arguments)
{
    auto window = std::make_unique<Window>(std::forward<Arguments>(arguments)...);
    reference = window.get();
    m_windows.push_back(std::move(window));
    m_forgetReference.push_back([&reference] { reference = nullptr; });
    return reference;
}

// The creation handlers of TForm1 and TForm8 run right after their own window is built.
// The windows below the main window get what they need from here, never from each other.
void WindowSet::createWindows(Splash splash)
{
    make(Form6);
    // Everything after this line is what the splash is there to cover.
    if (splash == Splash::ShownFirst)
        Form6->showAtOnce();
    make(Form3);
    make(Form1);
    Form1->setMainWindow(Form3);
    runCreationHandler([] { Form1->FormCreate(); });
    make(Form2, Form1->data());
    make(Form4, Form1->data());
    Form2->attachAddQuestionDialog(Form4);
    make(Form8);
    runCreationHandler([] { Form8->FormCreate(); });
    make(Form9);
    make(Form5);
    make(FormTimedTestRegistration);
}

// A creation handler's error is reported; the window stays, with the handler's later
// steps not done.
void WindowSet::runCreationHandler(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const std::exception& error) {
        ErrorReport::show(error);
    }
}

bool WindowSet::create(Splash splash)
{
    destroy();
    try {
        createWindows(splash);
    } catch (const std::exception& error) {
        Dialogs::instance().messageBox(startupFailureText(error), startupFailureCaption(),
                                       Dialogs::Icon::Error);
        destroy();
        return false;
    }
    return true;
}

QString WindowSet::startupFailureText(const std::exception& error)
{
    const auto* dataError = dynamic_cast<const DataError*>(&error);
    QString text = QStringLiteral("Не удалось запустить учебник.\n\n%1: %2")
                       .arg(dataError ? QStringLiteral("DataError") : QStringLiteral("Exception"),
                            ErrorReport::text(QString::fromUtf8(error.what())));
    // The program stops here, so whoever repairs the course file needs the engine's own words.
    if (dataError && !dataError->details().isEmpty())
        text += QStringLiteral("\n\n") + dataError->details();
    return text;
}

void WindowSet::destroy()
{
    while (!m_windows.empty()) {
        m_forgetReference.back()();
        m_forgetReference.pop_back();
        m_windows.pop_back();
    }
}

int WindowSet::run()
{
    if (!create(Splash::ShownFirst))
        return 1;
    return QApplication::exec();
}

std::vector<QWidget*> WindowSet::windows() const
{
    std::vector<QWidget*> result;
    for (const auto& window : m_windows)
        result.push_back(window.get());
    return result;
}
