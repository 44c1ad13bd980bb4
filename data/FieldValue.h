#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

// Conversions of a field's value shared by the query and the table objects.
namespace FieldValue {

// The index of the field in the list, letter case ignored; -1 when absent.
int indexOf(const QStringList& fields, const QString& name);
// Throws DataError naming the field.
[[noreturn]] void throwUnknownField(const QString& name);

// NULL cannot be turned into text or a number: both throw the conversion DataError.
QString toText(const QString& field, const QVariant& value);
// Reals round to the nearest integer, halves to even; a text must hold a whole number.
qint64 toInteger(const QString& field, const QVariant& value);

} // namespace FieldValue
