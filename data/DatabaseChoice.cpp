#include "data/DatabaseChoice.h"

#include <QSettings>

namespace DatabaseChoice {

QString connectionString()
{
    const QString fromEnvironment = qEnvironmentVariable("VESTRON_DATABASE").trimmed();
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    const QSettings settings(QStringLiteral("Vestron"), QStringLiteral("vestron"));
    return settings.value(QLatin1String(kSettingsKey)).toString().trimmed();
}

} // namespace DatabaseChoice
