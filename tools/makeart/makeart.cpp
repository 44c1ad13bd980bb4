// Draws the program's own pictures: makeart <output folder>
//   splash.jpg        the splash picture, 500 x 220, baseline JPEG with three components
//   vestron.ico       the application icon: 16 and 32 in 256 colours; 16, 32, 48, 128 in 32 bits
//   vestron.png       the 128-pixel icon for the desktop file
//   presentation.png  the 24 x 24 picture of the presentation button
#include "IconFile.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cstdio>

#include <jpeglib.h>

namespace {

const QColor kNavy(0x1b, 0x2a, 0x4a);
const QColor kTeal(0x2e, 0x6f, 0x8e);
const QColor kGold(0xe8, 0xc0, 0x5a);
const QColor kGoldDark(0xa8, 0x7c, 0x22);
const QColor kPaper(0xfb, 0xf7, 0xec);

// A stack of three database discs, the course's emblem, in the rectangle given.
void drawDatabase(QPainter& p, const QRectF& box)
{
    const qreal discHeight = box.height() / 4.2;
    const qreal ellipse = discHeight * 0.8;
    for (int i = 2; i >= 0; --i) {
        const qreal top = box.top() + ellipse / 2 + i * discHeight * 1.05;
        QRectF side(box.left(), top, box.width(), discHeight);
        QLinearGradient shade(side.topLeft(), side.topRight());
        shade.setColorAt(0, kGoldDark);
        shade.setColorAt(0.45, kGold);
        shade.setColorAt(1, kGoldDark);
        QPainterPath body;
        body.moveTo(side.left(), side.top());
        body.lineTo(side.left(), side.bottom());
        body.arcTo(QRectF(side.left(), side.bottom() - ellipse / 2, side.width(), ellipse), 180, 180);
        body.lineTo(side.right(), side.top());
        body.closeSubpath();
        p.setPen(QPen(kGoldDark.darker(140), qMax<qreal>(1, box.width() / 60)));
        p.setBrush(shade);
        p.drawPath(body);
        p.setBrush(kGold.lighter(115));
        p.drawEllipse(QRectF(side.left(), side.top() - ellipse / 2, side.width(), ellipse));
    }
}

// An open book, seen from the front, in the rectangle given.
void drawBook(QPainter& p, const QRectF& box)
{
    const qreal mid = box.center().x();
    const qreal dip = box.height() * 0.12;
    p.setPen(QPen(kNavy, qMax<qreal>(1, box.width() / 40)));
    p.setBrush(kPaper);
    for (int side : {-1, 1}) {
        const qreal outer = mid + side * box.width() / 2;
        QPainterPath page;
        page.moveTo(mid, box.top() + dip);
        page.quadTo((mid + outer) / 2, box.top() - dip / 2, outer, box.top() + dip / 2);
        page.lineTo(outer, box.bottom() - dip / 2);
        page.quadTo((mid + outer) / 2, box.bottom() - dip * 1.5, mid, box.bottom());
        page.closeSubpath();
        p.drawPath(page);
    }
}

QImage drawSplash()
{
    QImage image(500, 220, QImage::Format_RGB888);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 500, 220);
    sky.setColorAt(0, kNavy);
    sky.setColorAt(1, kTeal);
    p.fillRect(image.rect(), sky);
    QRadialGradient glow(95, 110, 120);
    glow.setColorAt(0, QColor(255, 255, 255, 60));
    glow.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(image.rect(), glow);
    // Faint table rows behind the emblem.
    p.setPen(QPen(QColor(255, 255, 255, 28), 1));
    for (int y = 24; y < 220; y += 18)
        p.drawLine(0, y, 500, y);
    drawBook(p, QRectF(28, 120, 136, 70));
    drawDatabase(p, QRectF(62, 34, 68, 96));

    p.setPen(kGold);
    p.setFont(QFont(QStringLiteral("DejaVu Serif"), 40, QFont::Bold));
    p.drawText(QRectF(185, 30, 300, 60), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Вестрон"));
    p.setPen(Qt::white);
    p.setFont(QFont(QStringLiteral("DejaVu Sans"), 15));
    p.drawText(QRectF(187, 88, 300, 28), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("— электронный учебник"));
    p.setPen(QPen(kGold, 2));
    p.drawLine(187, 128, 470, 128);
    p.setPen(Qt::white);
    p.setFont(QFont(QStringLiteral("DejaVu Sans"), 24, QFont::Bold));
    p.drawText(QRectF(187, 136, 300, 44), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Базы данных"));
    p.setPen(QColor(255, 255, 255, 150));
    p.setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    p.drawText(QRectF(187, 186, 300, 20), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("лекции · практика · лабораторные · тесты"));
    return image;
}

QImage drawIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    QLinearGradient back(0, 0, s, s);
    back.setColorAt(0, kTeal.lighter(115));
    back.setColorAt(1, kNavy);
    p.setPen(Qt::NoPen);
    p.setBrush(back);
    p.drawRoundedRect(QRectF(0.5, 0.5, s - 1, s - 1), s * 0.18, s * 0.18);
    drawBook(p, QRectF(s * 0.12, s * 0.56, s * 0.76, s * 0.34));
    drawDatabase(p, QRectF(s * 0.3, s * 0.1, s * 0.4, s * 0.52));
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

// A projection screen on its stand with a small bar chart.
// Hard-edged: every pixel is either opaque or fully transparent, so the button shows it
// as a 24-bit glyph over magenta without fringes.
QImage drawPresentation()
{
    QImage image(24, 24, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(kNavy, 1));
    p.drawLine(QPoint(12, 17), QPoint(7, 22));
    p.drawLine(QPoint(12, 17), QPoint(17, 22));
    p.drawLine(QPoint(12, 1), QPoint(12, 3));
    p.setBrush(Qt::white);
    p.drawRect(QRect(2, 3, 19, 13));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xc0, 0x39, 0x2b));
    p.drawRect(QRect(5, 10, 3, 5));
    p.setBrush(kGoldDark);
    p.drawRect(QRect(10, 7, 3, 8));
    p.setBrush(kTeal);
    p.drawRect(QRect(16, 5, 3, 10));
    p.end();
    return image;
}

bool writeBaselineJpeg(const QImage& rgb, const QString& path)
{
    FILE* file = std::fopen(QFile::encodeName(path).constData(), "wb");
    if (!file)
        return false;
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = JDIMENSION(rgb.width());
    info.image_height = JDIMENSION(rgb.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info); // sequential (baseline) Huffman coding
    jpeg_set_quality(&info, 92, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<uchar*>(rgb.constScanLine(int(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return std::fclose(file) == 0;
}

bool writeFile(const QString& path, const QByteArray& data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: makeart <output folder>\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const QVector<IconFile::Entry> icon{
        {drawIcon(16), 8}, {drawIcon(32), 8}, {drawIcon(16), 32},
        {drawIcon(32), 32}, {drawIcon(48), 32}, {drawIcon(128), 32},
    };
    const bool ok = writeBaselineJpeg(drawSplash(), out.filePath(QStringLiteral("splash.jpg")))
                    && writeFile(out.filePath(QStringLiteral("vestron.ico")), IconFile::encode(icon))
                    && drawIcon(128).save(out.filePath(QStringLiteral("vestron.png")))
                    && drawPresentation().save(out.filePath(QStringLiteral("presentation.png")));
    if (!ok) {
        std::fprintf(stderr, "makeart: cannot write into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
