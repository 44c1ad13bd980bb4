#pragma once

#include <QApplication>

// The application object: an exception that escapes an event handler ends that handler
// and is shown in the error report; the event loop goes on.
class ReportingApplication : public QApplication
{
    Q_OBJECT
public:
    ReportingApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};
