#include "skin/paint/Bitmap24.h"

#include <gtest/gtest.h>

#include <limits>

TEST(Bitmap24, StrideIsPaddedToFourBytes)
{
    struct Row { int width; int stride; };
    const Row rows[] = {{1, 4}, {2, 8}, {3, 12}, {4, 12}, {5, 16}, {75, 228}, {189, 568}};
    for (const Row& row : rows) {
        Bitmap24 picture(row.width, 2);
        EXPECT_EQ(picture.stride(), row.stride) << "width " << row.width;
        EXPECT_EQ(picture.byteCount(), std::size_t(row.stride) * 2);
    }
}

TEST(Bitmap24, SizesThatCannotBeMadeGiveANullPicture)
{
    EXPECT_TRUE(Bitmap24(0, 10).isNull());
    EXPECT_TRUE(Bitmap24(-1, 10).isNull());
    EXPECT_TRUE(Bitmap24(10, -1).isNull());
    EXPECT_TRUE(Bitmap24(std::numeric_limits<int>::max(), 1).isNull());
    EXPECT_TRUE(Bitmap24(100000, 100000).isNull());
    EXPECT_FALSE(Bitmap24(1, 1).isNull());
}

TEST(Bitmap24, ColoursAreStoredAsBlueGreenRedBytes)
{
    Bitmap24 picture(3, 2);
    picture.fill(0x00332211); // red 0x11, green 0x22, blue 0x33
    const uint8_t* row = picture.scanLine(1);
    EXPECT_EQ(row[0], 0x33);
    EXPECT_EQ(row[1], 0x22);
    EXPECT_EQ(row[2], 0x11);
    EXPECT_EQ(picture.pixel(2, 1), 0x00332211u);

    const QImage image = picture.toImage();
    EXPECT_EQ(image.pixelColor(2, 1), QColor(0x11, 0x22, 0x33));
    EXPECT_TRUE(Bitmap24::fromImage(image) == picture);
}

TEST(Bitmap24, ImageViewSharesTheBytes)
{
    Bitmap24 picture(5, 5);
    QImage view = picture.imageView();
    view.setPixelColor(4, 4, QColor(255, 0, 0));
    EXPECT_EQ(picture.pixel(4, 4), 0x000000FFu);
}
