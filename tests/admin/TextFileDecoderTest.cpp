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

// Half a surrogate pair in a damaged UTF-16 file becomes U+FFFD; a whole pair stays.
TEST(TextFileDecoder, LoneSurrogatesInUtf16BecomeReplacementCharacters)
{
    const struct {
        const char* name;
        QByteArray bytes;
        QString text;
    } rows[] = {
        {"lone high", QByteArray("\xFF\xFE" "a\0" "\x00\xD8" "b\0", 8), QStringLiteral("a\uFFFDb")},
        {"lone low", QByteArray("\xFF\xFE" "\x00\xDC" "b\0", 6), QStringLiteral("\uFFFDb")},
        {"high at the end", QByteArray("\xFE\xFF" "\0a" "\xD8\x00", 6), QStringLiteral("a\uFFFD")},
        {"two highs then a low", QByteArray("\xFF\xFE" "\x00\xD8" "\x3D\xD8" "\x00\xDE", 8),
         QStringLiteral("\uFFFD") + QString::fromUcs4(U"\U0001F600")},
    };
    for (const auto& row : rows)
        EXPECT_EQ(TextFileDecoder::decode(row.bytes).text, row.text) << row.name;
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
