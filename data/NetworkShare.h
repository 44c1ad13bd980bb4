#pragma once

#include <QString>

// Whether a file lies on a network file system, told by the kernel's file system type:
// NFS, SMB/CIFS and SMB2, and sshfs (FUSE). Several PCs writing one SQLite file there can
// damage it. Never throws.
namespace NetworkShare {

// "NFS", "SMB/CIFS", "SMB2", "FUSE (sshfs)", or empty for a local file or one that
// cannot be looked at.
QString kindOf(const QString& path);

// The kind for a file system type number as statfs gives it; empty for a local one.
QString kindOfType(unsigned long type);

} // namespace NetworkShare
