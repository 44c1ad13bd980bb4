#pragma once

#include <QString>
#include <QVariant>

class Query;

// The settings password of params.pas, a number: typed passwords are compared with it by
// value, so "01234" matches 1234. Text that is not a whole number of decimal digits
// matches nothing.
namespace SettingsPassword {

bool matches(const QString& typed, const QVariant& stored);

// Reads params.pas through the shared query; a missing record reads as no password (NULL).
QVariant readStored(Query& query);

} // namespace SettingsPassword
