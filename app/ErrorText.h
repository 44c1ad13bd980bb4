#pragma once

#include <QString>

// The text of the error report: the error's message with a full stop appended when its
// last character's code is above that of the full stop.
QString errorReportText(const QString& message);
