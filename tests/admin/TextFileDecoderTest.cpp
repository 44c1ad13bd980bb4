#include "admin/TextFileDecoder.h"

#include <QStringDecoder>

#include <gtest/gtest.h>

using TextFileDecoder::Encoding;

TEST(TextFileDecoder, TellsTheEncodingApart)
{
    const QString sample = QStringLiteral("Вопрос №1: «Ёлка» — A. да");
    QByteArray utf16le("\xFF\xFE", 2);
    for (const QChar c : sample) {
        utf16le.append(char(c.unicode() & 0xFF));
        utf16le.append(char(c.unicode() >> 8));
    }
    struct Row {
        const char* name;
        QByteArray bytes;
        Encoding encoding;
    };
    const Row rows[] = {
        {"UTF-8", sample.toUtf8(), Encoding::Utf8},
        {"UTF-8 with a mark", QByteArray("\xEF\xBB\xBF") + sample.toUtf8(), Encoding::Utf8},
        {"UTF-16 with a mark", utf16le, Encoding::Utf16},
        // "Вопрос №1: «Ёлка» — A. да" in code page 1251.
        {"Windows-1251", QByteArray("\xC2\xEE\xEF\xF0\xEE\xF1 \xB9\x31: \xAB\xA8\xEB\xEA\xE0\xBB \x97 A. \xE4\xE0"),
         Encoding::Windows1251},
    };
    for (const Row& row : rows) {
        const TextFileDecoder::Decoded decoded = TextFileDecoder::decode(row.bytes);
        EXPECT_EQ(decoded.encoding, row.encoding) << row.name;
        EXPECT_EQ(decoded.text, sample) << row.name;
    }
    EXPECT_EQ(TextFileDecoder::decode(QByteArray()).text, QString());
    EXPECT_EQ(TextFileDecoder::decode("plain ASCII").encoding, Encoding::Utf8);
}

// Our table against the system's converter, where the system has one.
TEST(TextFileDecoder, Windows1251TableMatchesTheSystemConverter)
{
    QStringDecoder system("windows-1251");
    if (!system.isValid())
        GTEST_SKIP() << "this Qt has no converter for code page 1251";
    QByteArray all;
    for (int byte = 0; byte < 256; ++byte)
        all.append(char(byte));
    const QString ours = TextFileDecoder::fromWindows1251(all);
    const QString theirs = system(all);
    ASSERT_EQ(ours.size(), 256);
    for (int byte = 0; byte < 256; ++byte)
        EXPECT_EQ(ours.at(byte).unicode(), theirs.at(byte).unicode()) << "byte " << byte;
}
