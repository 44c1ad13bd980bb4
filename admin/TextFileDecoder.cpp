#include "admin/TextFileDecoder.h"

#include <QStringDecoder>

#include <cstring>

namespace TextFileDecoder {

namespace {

// Bytes 0x80 … 0xBF; 0xC0 … 0xFF are А … я in order. 0x98 is unassigned and kept as the
// control character of the same number.
constexpr char16_t kUpperHalf[64] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
};

bool startsWith(const QByteArray& bytes, const char* mark, int length)
{
    return bytes.size() >= length && memcmp(bytes.constData(), mark, size_t(length)) == 0;
}

// A damaged UTF-16 file can hold half of a surrogate pair; the decoder keeps it, and such
// text would be stored but never match again. It becomes U+FFFD like any other bad input.
QString withoutLoneSurrogates(QString text)
{
    const qsizetype size = text.size();
    QChar* c = text.data();
    for (qsizetype i = 0; i < size; ++i) {
        if (c[i].isHighSurrogate() && i + 1 < size && c[i + 1].isLowSurrogate())
            ++i;
        else if (c[i].isSurrogate())
            c[i] = QChar::ReplacementCharacter;
    }
    return text;
}

} // namespace

QString fromWindows1251(const QByteArray& bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char byte : bytes) {
        const auto code = uint8_t(byte);
        if (code < 0x80)
            *out++ = QChar(char16_t(code));
        else if (code < 0xC0)
            *out++ = QChar(kUpperHalf[code - 0x80]);
        else
            *out++ = QChar(char16_t(0x0410 + (code - 0xC0)));
    }
    return text;
}

Decoded decode(const QByteArray& bytes)
{
    if (startsWith(bytes, "\xEF\xBB\xBF", 3)) {
        QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Default);
        return {utf8(bytes.mid(3)), Encoding::Utf8};
    }
    if (startsWith(bytes, "\xFF\xFE", 2)) {
        QStringDecoder utf16(QStringConverter::Utf16LE, QStringConverter::Flag::Default);
        return {withoutLoneSurrogates(utf16(bytes.mid(2))), Encoding::Utf16};
    }
    if (startsWith(bytes, "\xFE\xFF", 2)) {
        QStringDecoder utf16(QStringConverter::Utf16BE, QStringConverter::Flag::Default);
        return {withoutLoneSurrogates(utf16(bytes.mid(2))), Encoding::Utf16};
    }
    // Text in code page 1251 is almost never valid UTF-8: a Cyrillic letter there is one
    // byte of 0xC0 or above, which UTF-8 allows only as the lead of a sequence.
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8(bytes);
    if (!utf8.hasError())
        return {text, Encoding::Utf8};
    return {fromWindows1251(bytes), Encoding::Windows1251};
}

QString name(Encoding encoding)
{
    switch (encoding) {
    case Encoding::Utf8: return QStringLiteral("UTF-8");
    case Encoding::Utf16: return QStringLiteral("UTF-16");
    case Encoding::Windows1251: return QStringLiteral("Windows-1251");
    }
    return QString();
}

} // namespace TextFileDecoder
