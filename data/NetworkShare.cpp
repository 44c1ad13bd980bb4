#include "data/NetworkShare.h"

#include <QFile>

#include <sys/vfs.h>

namespace NetworkShare {

QString kindOfType(unsigned long type)
{
    switch (type) {
    case 0x6969UL:
        return QStringLiteral("NFS");
    case 0x517BUL:
    case 0xFF534D42UL:
        return QStringLiteral("SMB/CIFS");
    case 0xFE534D42UL:
        return QStringLiteral("SMB2");
    case 0x65735546UL:
        return QStringLiteral("FUSE (sshfs)");
    default:
        return QString();
    }
}

QString kindOf(const QString& path)
{
    struct statfs info {};
    if (statfs(QFile::encodeName(path).constData(), &info) != 0)
        return QString();
    return kindOfType(static_cast<unsigned long>(info.f_type));
}

} // namespace NetworkShare
