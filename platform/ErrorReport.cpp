#include "platform/ErrorReport.h"

#include "data/DataError.h"
#include "platform/Dialogs.h"

namespace ErrorReport {

QString text(const QString& message)
{
    if (!message.isEmpty() && message.back().unicode() > u'.')
        return message + QLatin1Char('.');
    return message;
}

void show(const std::exception& error)
{
    if (const auto* dataError = dynamic_cast<const DataError*>(&error)) {
        Dialogs::instance().showError(text(dataError->message()), dataError->details());
        return;
    }
    show(QString::fromUtf8(error.what()));
}

void show(const QString& message)
{
    Dialogs::instance().showError(text(message));
}

} // namespace ErrorReport
