#include "receipt/PngImage.h"

#include "common/FileBytes.h"

#include <png.h>

namespace {

// Guards against a damaged header claiming an enormous picture.
constexpr quint64 kMaxPixels = 64ull * 1024 * 1024;

} // namespace

QImage loadPngFromBytes(const QByteArray& bytes)
{
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, bytes.constData(), size_t(bytes.size())))
        return {};
    if (image.width == 0 || image.height == 0
        || quint64(image.width) * image.height > kMaxPixels) {
        png_image_free(&image);
        return {};
    }
    image.format = PNG_FORMAT_RGBA;
    QImage result(int(image.width), int(image.height), QImage::Format_RGBA8888);
    if (result.isNull()) {
        png_image_free(&image);
        return {};
    }
    const png_int_32 stride = png_int_32(result.bytesPerLine());
    if (!png_image_finish_read(&image, nullptr, result.bits(), stride, nullptr)) {
        png_image_free(&image);
        return {};
    }
    return result;
}

QImage loadPng(const QString& path)
{
    const QByteArray bytes = ReadFileBytes(path);
    return bytes.isEmpty() ? QImage() : loadPngFromBytes(bytes);
}
