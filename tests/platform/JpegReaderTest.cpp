#include "platform/JpegReader.h"

#include <QBuffer>
#include <QImageWriter>

#include <gtest/gtest.h>

namespace {

QByteArray encodeJpeg(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(100);
    EXPECT_TRUE(writer.write(image)) << writer.errorString().toStdString();
    return bytes;
}

} // namespace

TEST(JpegReader, DecodesColourAndGreyPicturesTo24Bits)
{
    QImage colour(40, 30, QImage::Format_RGB32);
    colour.fill(QColor(200, 120, 40));
    QImage grey(40, 30, QImage::Format_Grayscale8);
    grey.fill(QColor(90, 90, 90));
    struct Row { const char* name; QImage source; QColor expected; };
    const Row rows[] = {{"colour", colour, QColor(200, 120, 40)}, {"grey", grey, QColor(90, 90, 90)}};
    for (const Row& row : rows) {
        QString error;
        const QImage decoded = JpegReader::decode(encodeJpeg(row.source), &error);
        ASSERT_FALSE(decoded.isNull()) << row.name << ": " << error.toStdString();
        EXPECT_EQ(decoded.format(), QImage::Format_RGB888);
        EXPECT_EQ(decoded.size(), QSize(40, 30));
        const QColor centre = decoded.pixelColor(20, 15);
        EXPECT_NEAR(centre.red(), row.expected.red(), 3) << row.name;
        EXPECT_NEAR(centre.green(), row.expected.green(), 3) << row.name;
        EXPECT_NEAR(centre.blue(), row.expected.blue(), 3) << row.name;
    }
}

TEST(JpegReader, DamagedDataGivesANullPictureAndAMessage)
{
    QImage colour(64, 64, QImage::Format_RGB32);
    colour.fill(Qt::red);
    const QByteArray good = encodeJpeg(colour);
    const QByteArray cases[] = {QByteArray(), QByteArray("not a jpeg at all"), good.left(2), good.left(20)};
    for (const QByteArray& data : cases) {
        QString error;
        const QImage decoded = JpegReader::decode(data, &error);
        EXPECT_TRUE(decoded.isNull()) << data.size();
        EXPECT_FALSE(error.isEmpty()) << data.size();
    }
    EXPECT_TRUE(JpegReader::readFile(QStringLiteral("/nonexistent/x.jpg")).isNull());
}
