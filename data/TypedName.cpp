#include "data/TypedName.h"

namespace TypedName {

namespace {

bool isInvisible(QChar c)
{
    switch (c.category()) {
    case QChar::Other_Control:
    case QChar::Other_Format: // zero-width space and joiners, soft hyphen, byte-order mark
    case QChar::Other_Surrogate: // only a lone half is left after the pairing below
    case QChar::Other_NotAssigned:
        return true;
    default:
        return false;
    }
}

} // namespace

QString clean(const QString& typed)
{
    QString result;
    result.reserve(typed.size());
    for (qsizetype i = 0; i < typed.size(); ++i) {
        const QChar c = typed.at(i);
        if (c.isHighSurrogate() && i + 1 < typed.size() && typed.at(i + 1).isLowSurrogate()) {
            result.append(c);
            result.append(typed.at(++i));
        } else if (c.isSpace()) {
            result.append(QLatin1Char(' '));
        } else if (!isInvisible(c)) {
            result.append(c);
        }
    }
    return result.normalized(QString::NormalizationForm_C);
}

QString cleanTrimmed(const QString& typed)
{
    return clean(typed).trimmed();
}

} // namespace TypedName
