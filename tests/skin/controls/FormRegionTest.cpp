#include "skin/controls/FormRegion.h"
#include "skin/paint/TsSkinTables.h"

#include <gtest/gtest.h>

#include <QRegion>

namespace {

// A piece with its own 9 × 9 frame (three frames side by side, mask rows below): corner
// cells 3 × 3; magenta at the top-left cell's first row (a run of two) and at the
// bottom-right cell's last pixel.
TsMaskData ownPiece()
{
    TsMaskData piece;
    piece.Bitmap = Bitmap24(27, 18);
    piece.Bitmap.fill(0x123456);
    piece.Bitmap.setPixel(0, 0, 0xFF00FF);
    piece.Bitmap.setPixel(1, 0, 0xFF00FF);
    piece.Bitmap.setPixel(8, 8, 0xFF00FF);
    // Magenta outside the corner cells is no corner.
    piece.Bitmap.setPixel(4, 0, 0xFF00FF);
    piece.ImageCount = 3;
    return piece;
}

TEST(FormRegionTest, MagentaRunsOfTheCornerCellsAreCutAtTheWindowsCorners)
{
    const TsSkinTables tables;
    const TsMaskData piece = ownPiece();
    EXPECT_EQ(ImageFrameSize(piece), QSize(9, 9));
    const QSize window(100, 50);

    QRegion top(0, 0, 100, 50);
    CutMagentaCorners(top, tables, piece, window, Corners::Top);
    EXPECT_EQ(top, QRegion(0, 0, 100, 50) - QRegion(0, 0, 2, 1));

    QRegion all(0, 0, 100, 50);
    CutMagentaCorners(all, tables, piece, window, Corners::All);
    EXPECT_EQ(all, QRegion(0, 0, 100, 50) - QRegion(0, 0, 2, 1) - QRegion(99, 49, 1, 1));
}

TEST(FormRegionTest, APieceOfTheMasterBitmapIsReadAtItsRectangle)
{
    TsSkinTables tables;
    tables.masterBitmap = Bitmap24(40, 30);
    tables.masterBitmap.fill(0x101010);
    TsMaskData piece;
    piece.R = {10, 5, 16, 11}; // one 6 × 6 frame: cells 2 × 2
    piece.ImageCount = 1;
    tables.masterBitmap.setPixel(15, 5, 0xFF00FF); // top-right cell, first row, last column
    tables.masterBitmap.setPixel(0, 0, 0xFF00FF);  // outside the piece
    EXPECT_EQ(ImageFrameSize(piece), QSize(6, 6));
    QRegion region(0, 0, 20, 20);
    CutMagentaCorners(region, tables, piece, QSize(20, 20), Corners::All);
    EXPECT_EQ(region, QRegion(0, 0, 20, 20) - QRegion(19, 0, 1, 1));
}

} // namespace
