// Damaged JPEG data for the reader of the splash and of skin patterns: never a crash, an
// exit or a hang; a picture comes out whole or not at all.
#include "common/FuzzRun.h"
#include "platform/JpegReader.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

QList<QByteArray> corpus()
{
    QList<QByteArray> files = {FuzzRun::readFile(QStringLiteral(VESTRON_SOURCE_DIR "/resources/app/splash.jpg"))};
    const QDir dir(QStringLiteral(VESTRON_SOURCE_DIR "/tests/corpus/jpeg"));
    for (const QString& name : dir.entryList({QStringLiteral("*.jpg")}, QDir::Files, QDir::Name))
        files << FuzzRun::readFile(dir.filePath(name));
    return files;
}

// Markers and segment headers, so mutations reach past the first checks.
const QList<QByteArray> kTokens = {
    QByteArray("\xFF\xD8", 2),  QByteArray("\xFF\xD9", 2),  QByteArray("\xFF\xDA\x00\x08", 4),
    QByteArray("\xFF\xC0\x00\x11\x08\xFF\xFF\xFF\xFF\x03", 10), QByteArray("\xFF\xC2", 2),
    QByteArray("\xFF\xC4\x00\x1F", 4), QByteArray("\xFF\xDB\x00\x43\x00", 5), QByteArray("\xFF\xDD\x00\x04\x00\x01", 6),
    QByteArray("\xFF\xD0", 2),  QByteArray("\xFF\xFE\xFF\xFF", 4), QByteArray("\xFF\xE0\x00\x02", 4),
};

TEST(JpegReaderFuzz, DamagedFilesGiveAWholePictureOrNone)
{
    const QList<QByteArray> seeds = corpus();
    ASSERT_GE(seeds.size(), 7);
    for (const QByteArray& seed : seeds) {
        const QImage image = JpegReader::decode(seed);
        if (seed.contains("\xFF\xEE")) // the CMYK seed: no conversion to RGB exists
            continue;
        ASSERT_FALSE(image.isNull()) << "seed " << seed.size() << " bytes";
    }

    FuzzRun fuzz(6000, 1812);
    int decoded = 0, refused = 0;
    for (int round = 0; round < fuzz.rounds(); ++round) {
        const QByteArray data = fuzz.mutate(seeds[round % seeds.size()], kTokens);
        QString error;
        const QImage image = JpegReader::decode(data, &error);
        if (image.isNull()) {
            ++refused;
            ASSERT_FALSE(error.isEmpty()) << "round " << round << ": refused without a reason";
            continue;
        }
        ++decoded;
        ASSERT_EQ(image.format(), QImage::Format_RGB888) << "round " << round;
        ASSERT_GT(image.width(), 0);
        ASSERT_LE(qint64(image.width()) * image.height(), 64LL * 1024 * 1024);
    }
    std::printf("JPEG: %d inputs (seed %u), %d decoded, %d refused\n", fuzz.rounds(), fuzz.seed(), decoded, refused);
    EXPECT_GT(decoded, fuzz.rounds() / 10) << "mutations too harsh to reach the decoder";
    EXPECT_GT(refused, fuzz.rounds() / 10);
}

TEST(JpegReaderFuzz, AHeaderClaimingAHugePictureIsRefusedBeforeAnythingIsAllocated)
{
    const QByteArray good = FuzzRun::readFile(QStringLiteral(VESTRON_SOURCE_DIR "/tests/corpus/jpeg/colour.jpg"));
    const qsizetype frame = good.indexOf("\xFF\xC0");
    ASSERT_GT(frame, 0);
    const struct {
        int width, height;
        bool accepted;
    } rows[] = {{48, 32, true}, {16384, 16, true}, {16385, 16, false}, {60000, 60000, false}, {8192, 8193, false}};
    for (const auto& row : rows) {
        QByteArray data = good;
        data[frame + 5] = char(row.height >> 8);
        data[frame + 6] = char(row.height);
        data[frame + 7] = char(row.width >> 8);
        data[frame + 8] = char(row.width);
        QString error;
        const QImage image = JpegReader::decode(data, &error);
        EXPECT_EQ(!image.isNull(), row.accepted) << row.width << "x" << row.height << ": " << error.toStdString();
        if (!row.accepted) {
            EXPECT_EQ(error, QStringLiteral("picture too large"));
        }
    }
}

TEST(JpegReaderFuzz, AProgressiveFileOfEndlessScansIsRefused)
{
    QByteArray data = FuzzRun::readFile(QStringLiteral(VESTRON_SOURCE_DIR "/tests/corpus/jpeg/progressive.jpg"));
    ASSERT_TRUE(data.endsWith("\xFF\xD9"));
    data.chop(2);
    // Repeat the last scan (a refinement of the whole picture) until there are far too many.
    const qsizetype lastScan = data.lastIndexOf("\xFF\xDA");
    const QByteArray scan = data.mid(lastScan);
    for (int i = 0; i < 400; ++i)
        data += scan;
    data += "\xFF\xD9";
    QString error;
    EXPECT_TRUE(JpegReader::decode(data, &error).isNull());
    EXPECT_EQ(error, QStringLiteral("too many scans"));
}

} // namespace
