#include "data/FieldValue.h"

#include "data/DataError.h"

#include <cmath>

namespace FieldValue {

int indexOf(const QStringList& fields, const QString& name)
{
    for (int i = 0; i < fields.size(); ++i) {
        if (fields.at(i).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

void throwUnknownField(const QString& name)
{
    throw DataError(QStringLiteral("Поле \"%1\" не найдено").arg(name));
}

QString toText(const QString& field, const QVariant& value)
{
    if (value.isNull())
        throw DataError(QStringLiteral("Поле \"%1\" пусто: значение NULL нельзя преобразовать в текст")
                            .arg(field));
    if (value.typeId() == QMetaType::Double)
        return QString::number(value.toDouble(), 'g', 15);
    return value.toString();
}

qint64 toInteger(const QString& field, const QVariant& value)
{
    if (value.isNull())
        throw DataError(QStringLiteral("Поле \"%1\" пусто: значение NULL нельзя преобразовать в число")
                            .arg(field));
    bool ok = false;
    switch (value.typeId()) {
    case QMetaType::LongLong:
    case QMetaType::Int:
    case QMetaType::Bool:
        return value.toLongLong();
    case QMetaType::Double: {
        const double real = value.toDouble();
        if (std::isfinite(real) && std::fabs(real) < 9.2e18)
            return qint64(std::nearbyint(real));
        break;
    }
    default: {
        const QString text = value.toString().trimmed();
        const qint64 whole = text.toLongLong(&ok);
        if (ok)
            return whole;
        const double real = text.toDouble(&ok);
        if (ok && std::isfinite(real) && std::fabs(real) < 9.2e18)
            return qint64(std::nearbyint(real));
        break;
    }
    }
    throw DataError(QStringLiteral("Значение \"%1\" поля \"%2\" не является числом")
                        .arg(value.toString(), field));
}

} // namespace FieldValue
