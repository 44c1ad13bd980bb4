#include "platform/JpegReader.h"

#include <QFile>

#include <csetjmp>
#include <cstdio>
#include <cstring>

#include <jpeglib.h>

namespace {

// libjpeg reports fatal errors through error_exit, which must not return: jump back to
// the decoder with the message instead of letting the library end the process.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void onFatalError(j_common_ptr info)
{
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, manager->message);
    std::longjmp(manager->jump, 1);
}

void onMessage(j_common_ptr) {}

// A damaged header may claim a picture of gigabytes, and a damaged progressive file may
// hold thousands of scans that each redo the whole picture: both are refused.
constexpr long kMaxPixels = 64L * 1024 * 1024;
constexpr JDIMENSION kMaxSide = 16384;
constexpr int kMaxScans = 256;

struct ScanLimit {
    jpeg_progress_mgr base;
    ErrorManager* errors;
};

void onProgress(j_common_ptr info)
{
    auto* decompress = reinterpret_cast<j_decompress_ptr>(info);
    if (decompress->input_scan_number <= kMaxScans)
        return;
    auto* limit = reinterpret_cast<ScanLimit*>(info->progress);
    std::snprintf(limit->errors->message, sizeof limit->errors->message, "too many scans");
    std::longjmp(limit->errors->jump, 1);
}

// Everything the decoder touches after setjmp lives here, so a jump back leaves nothing
// in an indeterminate state.
struct Decoder {
    jpeg_decompress_struct info;
    ErrorManager errors;
    ScanLimit scans {};
    QImage image;
};

bool run(Decoder& decoder, const QByteArray& data)
{
    jpeg_decompress_struct& info = decoder.info;
    info.err = jpeg_std_error(&decoder.errors.base);
    decoder.errors.base.error_exit = onFatalError;
    decoder.errors.base.output_message = onMessage;
    decoder.errors.message[0] = '\0';
    if (setjmp(decoder.errors.jump)) {
        jpeg_destroy_decompress(&info);
        decoder.image = QImage();
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(data.constData()),
                 static_cast<unsigned long>(data.size()));
    decoder.scans.base.progress_monitor = onProgress;
    decoder.scans.errors = &decoder.errors;
    info.progress = &decoder.scans.base;
    jpeg_read_header(&info, TRUE);
    if (info.image_width > kMaxSide || info.image_height > kMaxSide
        || long(info.image_width) * long(info.image_height) > kMaxPixels) {
        std::snprintf(decoder.errors.message, sizeof decoder.errors.message, "picture too large");
        jpeg_destroy_decompress(&info);
        return false;
    }
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    decoder.image = QImage(int(info.output_width), int(info.output_height), QImage::Format_RGB888);
    if (decoder.image.isNull()) {
        std::snprintf(decoder.errors.message, sizeof decoder.errors.message, "picture too large");
        jpeg_destroy_decompress(&info);
        return false;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = decoder.image.scanLine(int(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

} // namespace

namespace JpegReader {

QImage decode(const QByteArray& data, QString* error)
{
    if (data.isEmpty()) {
        if (error)
            *error = QStringLiteral("empty JPEG data");
        return {};
    }
    Decoder decoder;
    std::memset(&decoder.info, 0, sizeof decoder.info);
    if (!run(decoder, data)) {
        if (error)
            *error = QString::fromLocal8Bit(decoder.errors.message);
        return {};
    }
    return decoder.image;
}

QImage readFile(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return {};
    }
    return decode(file.readAll(), error);
}

} // namespace JpegReader
