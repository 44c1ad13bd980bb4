#pragma once

#include <QString>
#include <QStringList>

namespace CommandLine {

// Removes "name value" from the arguments and gives the value; empty when the option is
// missing or has no value after it.
inline QString takeOption(QStringList& args, const QString& name)
{
    const qsizetype i = args.indexOf(name);
    if (i < 0 || i + 1 >= args.size())
        return QString();
    const QString value = args[i + 1];
    args.remove(i, 2);
    return value;
}

} // namespace CommandLine
