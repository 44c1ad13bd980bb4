#pragma once

#include <QString>

#include <exception>

// The error report: an error that escaped a handler, shown with the error icon and the
// caption "Учебник"; the program goes on.
namespace ErrorReport {

// The error's message with a full stop appended when its last character's code is above
// that of the full stop.
QString text(const QString& message);

// Shows the report for an exception through the dialogs interface.
void show(const std::exception& error);
void show(const QString& message);

// Runs a handler that Qt calls (a slot, an event handler) and shows what it throws there:
// an exception must not travel up through Qt's own frames, which are built without
// exception support and would skip their clean-up.
template <typename Handler>
void guard(Handler&& handler)
{
    try {
        handler();
    } catch (const std::exception& error) {
        show(error);
    } catch (...) {
        show(QStringLiteral("Неизвестная ошибка"));
    }
}

} // namespace ErrorReport
