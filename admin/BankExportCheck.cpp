#include "admin/BankExportCheck.h"

namespace BankExportCheck {

Checked takeApart(const StoredQuestion& stored)
{
    Checked checked;
    checked.question = BankQuestion::fromStored(stored.text, stored.key);
    if (checked.question)
        return checked;
    // Any letter that fits tells a bad key from a text without options.
    if (BankQuestion::fromStored(stored.text, QStringLiteral("A")))
        checked.reason = QStringLiteral("ключ «%1» не называет ни один из вариантов").arg(stored.key);
    else
        checked.reason = QStringLiteral("текст не кончается вариантами ответа «A) …», «B) …»");
    return checked;
}

} // namespace BankExportCheck
