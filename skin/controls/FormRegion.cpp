#include "skin/controls/FormRegion.h"

#include "skin/paint/TsSkinTables.h"

#include <QRegion>

#include <algorithm>

QSize ImageFrameSize(const TsMaskData& piece)
{
    const int count = std::max<int>(piece.ImageCount, 1);
    if (piece.hasOwnPicture())
        return QSize(piece.Bitmap.width() / 3, piece.Bitmap.height() / 2);
    return QSize(piece.R.width() / count, piece.R.height() / (piece.MaskType + 1));
}

void CutMagentaCorners(QRegion& region, const TsSkinTables& tables, const TsMaskData& piece, QSize window, Corners corners)
{
    const Bitmap24& source = piece.hasOwnPicture() ? piece.Bitmap : tables.masterBitmap;
    const QPoint origin = piece.hasOwnPicture() ? QPoint() : QPoint(piece.R.Left, piece.R.Top);
    const QSize frame = ImageFrameSize(piece);
    const int cw = frame.width() / 3, ch = frame.height() / 3;
    auto cutRow = [&](int sourceY, int destY) {
        if (origin.y() + sourceY < 0 || origin.y() + sourceY >= source.height())
            return;
        const uint8_t* row = source.scanLine(origin.y() + sourceY);
        const int columns[2][2] = {{0, 0}, {frame.width() - cw, window.width() - cw}};
        for (const auto& column : columns) {
            int run = -1;
            for (int x = 0; x <= cw; ++x) {
                const int sx = origin.x() + column[0] + x;
                const bool magenta = x < cw && sx < source.width() && row[sx * 3] == 0xFF && row[sx * 3 + 1] == 0
                                     && row[sx * 3 + 2] == 0xFF;
                if (magenta && run < 0)
                    run = x;
                if (!magenta && run >= 0) {
                    region -= QRegion(column[1] + run, destY, x - run, 1);
                    run = -1;
                }
            }
        }
    };
    for (int y = 0; y < ch; ++y) {
        cutRow(y, y);
        if (corners == Corners::All)
            cutRow(frame.height() - ch + y, window.height() - ch + y);
    }
}
