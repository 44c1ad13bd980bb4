#include "platform/ReportingApplication.h"

#include "platform/ErrorReport.h"

#include <exception>

ReportingApplication::ReportingApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
}

bool ReportingApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ErrorReport::show(error);
    } catch (...) {
        ErrorReport::show(QStringLiteral("Неизвестная ошибка"));
    }
    return false;
}
