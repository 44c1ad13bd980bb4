#pragma once

#include <QByteArray>
#include <QImage>
#include <QVector>

// Writes a Windows icon file: every image stored as a device-independent bitmap with its
// transparency mask. An image of depth 8 is quantised to a 256-colour palette; depth 32
// keeps its alpha channel.
namespace IconFile {

struct Entry {
    QImage image; // ARGB32, at most 256 x 256
    int depth;    // 8 or 32
};

QByteArray encode(const QVector<Entry>& entries);

} // namespace IconFile
