#include "admin/SettingsPassword.h"

#include "data/Query.h"
#include "data/Statements.h"

namespace SettingsPassword {

namespace {

QString withoutLeadingZeros(const QString& digits)
{
    qsizetype first = 0;
    while (first < digits.size() - 1 && digits.at(first) == QLatin1Char('0'))
        ++first;
    return digits.mid(first);
}

} // namespace

bool matches(const QString& typed, const QVariant& stored)
{
    if (!Statements::isDigitsOnly(typed) || stored.isNull())
        return false;
    switch (stored.typeId()) {
    case QMetaType::LongLong:
    case QMetaType::Int:
    case QMetaType::ULongLong:
    case QMetaType::UInt:
        return withoutLeadingZeros(typed) == QString::number(stored.toLongLong());
    case QMetaType::Double:
        // Numbers past 64 bits are kept as reals by the engine; the typed text rounds alike.
        return typed.toDouble() == stored.toDouble();
    default: {
        const QString text = stored.toString();
        return Statements::isDigitsOnly(text) && withoutLeadingZeros(text) == withoutLeadingZeros(typed);
    }
    }
}

QVariant readStored(Query& query)
{
    query.setSql(Statements::selectPassword());
    query.open();
    if (query.eof())
        return QVariant();
    return query.fieldValue(QStringLiteral("pas"));
}

} // namespace SettingsPassword
