#include "admin/SettingsAccess.h"

#include "admin/SettingsPassword.h"
#include "admin/TForm2.h"
#include "data/Query.h"
#include "data/ServerRoles.h"
#include "platform/Dialogs.h"
#include "ui/Globals.h"

namespace SettingsAccess {

void open()
{
    if (!Form2)
        return;
    Dialogs& dialogs = Dialogs::instance();
    if (!ServerRoles::mayTeach(Form2->query().connection())) {
        dialogs.showMessage(ServerRoles::studentRefusal());
        return;
    }
    const std::optional<QString> typed = dialogs.inputQuery(
        Dialogs::applicationTitle(), QStringLiteral("Введите пароль:"), QString(), Dialogs::Echo::Password);
    if (!typed)
        return;
    const QVariant stored = SettingsPassword::readStored(Form2->query());
    if (!SettingsPassword::matches(*typed, stored)) {
        dialogs.showMessage(QStringLiteral("Неправильный пароль!"));
        return;
    }
    Form2->show();
    Form2->raise();
    Form2->activateWindow();
}

} // namespace SettingsAccess
