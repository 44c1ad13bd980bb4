#include "testing/AnswerSheet.h"

#include "data/DataError.h"
#include "data/TableObject.h"
#include "testing/RandomGenerator.h"

namespace AnswerSheet {

namespace {

const QString kLetters[] = {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"),
                            QStringLiteral("D"), QStringLiteral("E")};

} // namespace

void empty(TableObject& sheet)
{
    sheet.first();
    const int count = sheet.recordCount();
    for (int i = 0; i < count; ++i)
        sheet.deleteRecord();
}

void draw(TableObject& sheet, TableObject& bank)
{
    bank.first();
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        sheet.insert();
        sheet.setFieldValue(QStringLiteral("nom"), QString::number(slot));
        const int bankSize = bank.recordCount();
        sheet.setFieldValue(QStringLiteral("nom1"), RandomGenerator::random(bankSize) + 1);
        sheet.post();
    }
}

qint64 openSlot(TableObject& sheet, int slot)
{
    sheet.locate(QStringLiteral("nom"), QString::number(slot),
                 LocateOption::CaseInsensitive | LocateOption::PartialKey);
    const QString text = sheet.fieldAsString(QStringLiteral("nom1"));
    bool ok = false;
    const qint64 question = text.trimmed().toLongLong(&ok);
    if (!ok)
        throw DataError(QStringLiteral("«%1» не является целым числом").arg(text));
    return question;
}

QString letterForIndex(int index)
{
    return index >= 0 && index < 5 ? kLetters[index] : QString();
}

int indexForLetter(const QVariant& stored)
{
    if (stored.isNull())
        return -1;
    const QString text = stored.toString();
    for (int i = 0; i < 5; ++i) {
        if (text == kLetters[i])
            return i;
    }
    return -1;
}

bool isCorrect(const QVariant& chosen, const QVariant& key)
{
    if (chosen.isNull() || key.isNull())
        return false;
    const QString letter = chosen.toString();
    return !letter.isEmpty() && letter == key.toString();
}

int countCorrect(TableObject& sheet, TableObject& bank)
{
    sheet.first();
    const int count = sheet.recordCount();
    int correct = 0;
    for (int i = 0; i < count; ++i) {
        bank.locate(QStringLiteral("nom"), sheet.fieldValue(QStringLiteral("nom1")), {});
        if (isCorrect(sheet.fieldValue(QStringLiteral("otv")), bank.fieldValue(QStringLiteral("otv"))))
            ++correct;
        sheet.next();
    }
    return correct;
}

} // namespace AnswerSheet
