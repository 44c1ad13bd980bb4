#pragma once

#include <QImage>

#include <cstddef>
#include <cstdint>
#include <vector>

class TsTextLayer;

// A 24-bit picture: rows of B, G, R bytes, each row padded to a multiple of 4 bytes.
// Colours given to it are 32-bit values laid out as 00BBGGRR (red in the low byte).
// A picture whose size cannot be represented is null, never a crash.
class Bitmap24
{
public:
    Bitmap24() = default;
    Bitmap24(int width, int height);

    bool isNull() const { return m_width <= 0 || m_height <= 0; }
    int width() const { return m_width; }
    int height() const { return m_height; }
    int stride() const { return m_stride; }
    std::size_t byteCount() const { return m_bits.size(); }

    uint8_t* scanLine(int y);
    const uint8_t* scanLine(int y) const;
    uint8_t* bits() { return m_bits.data(); }
    const uint8_t* bits() const { return m_bits.data(); }

    // Changes the size; the new contents are black. Returns false (and becomes null)
    // when the size is negative or too large.
    bool resize(int width, int height);
    void fill(uint32_t color);

    // Reads and writes one pixel as 00BBGGRR. For tests and single-pixel lookups only;
    // painting routines work on rows.
    uint32_t pixel(int x, int y) const;
    void setPixel(int x, int y, uint32_t color);

    // A QImage that shares this picture's bytes (Format_BGR888), for drawing text with
    // QPainter. Valid until the picture is resized or destroyed.
    QImage imageView();
    QImage toImage() const;
    // Converts into a Format_RGB32 picture of the same size (made or resized when needed),
    // row by row: the form the screen copies fastest.
    void copyToRgb32(QImage& target) const;
    static Bitmap24 fromImage(const QImage& image);
    // A picture with alpha as a 24-bit one over magenta: a pixel whose alpha is below
    // alphaThreshold becomes magenta (transparent), every other one its opaque colour.
    static Bitmap24 fromImageOverMagenta(const QImage& image, int alphaThreshold = 128);

    // Same size and the same pixels; row padding is ignored.
    bool operator==(const Bitmap24& other) const;

    // Row stride for a width, or -1 when it does not fit in an int.
    static int strideFor(int width);

    // While a layer is attached the text routines record into it instead of drawing.
    // Copies of the picture do not carry it.
    void attachTextLayer(TsTextLayer* layer) { m_textLayer.layer = layer; }
    TsTextLayer* textLayer() const { return m_textLayer.layer; }

private:
    struct LayerLink
    {
        TsTextLayer* layer = nullptr;
        LayerLink() = default;
        LayerLink(const LayerLink&) {}
        LayerLink& operator=(const LayerLink&) { return *this; }
    };

    int m_width = 0;
    int m_height = 0;
    int m_stride = 0;
    std::vector<uint8_t> m_bits;
    LayerLink m_textLayer;
};
