#include "admin/TextLines.h"

namespace TextLines {

QStringList split(const QString& text)
{
    QStringList lines;
    qsizetype start = text.startsWith(QChar(0xFEFF)) ? 1 : 0;
    const qsizetype size = text.size();
    for (qsizetype i = start; i < size; ++i) {
        const QChar c = text.at(i);
        if (c != u'\n' && c != u'\r')
            continue;
        lines << text.mid(start, i - start);
        if (c == u'\r' && i + 1 < size && text.at(i + 1) == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        lines << text.mid(start);
    return lines;
}

} // namespace TextLines
