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

ExportResult writeEach(const QVector<StoredQuestion>& bank,
                       const std::function<QString(const BankQuestion&)>& unwritable,
                       const std::function<QString(qint64 id, const BankQuestion&)>& format)
{
    ExportResult result;
    for (const StoredQuestion& stored : bank) {
        const Checked checked = takeApart(stored);
        const QString reason = checked.question ? unwritable(*checked.question) : checked.reason;
        if (!reason.isEmpty()) {
            result.skipped << SkippedQuestion{stored.id, reason};
            continue;
        }
        result.text += format(stored.id, *checked.question);
        ++result.written;
    }
    return result;
}

} // namespace BankExportCheck
