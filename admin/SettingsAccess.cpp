#include "admin/SettingsAccess.h"

#include "admin/SettingsPassword.h"
#include "admin/TForm2.h"
#include "app/Globals.h"
#include "platform/Dialogs.h"
#include "testing/TForm1.h"

namespace SettingsAccess {

void open()
{
    Dialogs& dialogs = Dialogs::instance();
    const std::optional<QString> typed = dialogs.inputQuery(
        Dialogs::applicationTitle(), QStringLiteral("Введите пароль:"), QString(), Dialogs::Echo::Password);
    if (!typed)
        return;
    const QVariant stored = SettingsPassword::readStored(Form1->data().ADOQuery1);
    if (!SettingsPassword::matches(*typed, stored)) {
        dialogs.showMessage(QStringLiteral("Неправильный пароль!"));
        return;
    }
    Form2->show();
    Form2->raise();
    Form2->activateWindow();
}

} // namespace SettingsAccess
