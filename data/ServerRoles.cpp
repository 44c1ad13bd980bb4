#include "data/ServerRoles.h"

#include "data/Connection.h"
#include "data/ServerSchema.h"

namespace ServerRoles {

bool mayTeach(Connection& connection)
{
    if (!connection.isServer())
        return true;
    return connection.execute(ServerSchema::mayTeach()).rows.value(0).value(0).toLongLong() != 0;
}

QString studentRefusal()
{
    return QStringLiteral("Настройки недоступны: программа работает с базой курса на сервере под учётной записью "
                          "студента. Настройки открываются только под учётной записью преподавателя.");
}

} // namespace ServerRoles
