#include "admin/CsvFile.h"

namespace CsvFile {

QString field(const QString& value)
{
    QString text = value;
    if (!text.isEmpty() && QStringLiteral("=+-@").contains(text.front()))
        text.prepend(u'\'');
    const bool quote = text.contains(u';') || text.contains(u'"') || text.contains(u'\n') || text.contains(u'\r')
        || (!text.isEmpty() && (text.front().isSpace() || text.back().isSpace()));
    if (!quote)
        return text;
    text.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + text + u'"';
}

QByteArray write(const QStringList& header, const QVector<QStringList>& rows)
{
    QString text;
    auto addRecord = [&text](const QStringList& values) {
        QStringList fields;
        for (const QString& value : values)
            fields << field(value);
        text += fields.join(u';') + QStringLiteral("\r\n");
    };
    addRecord(header);
    for (const QStringList& row : rows)
        addRecord(row);
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

} // namespace CsvFile
