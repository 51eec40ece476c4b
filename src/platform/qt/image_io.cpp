#include "platform/qt/image_io.h"

#include <QImage>
#include <QString>

#include <algorithm>

namespace platform::qt {

bool SavePng(const PixelBuffer& buffer, const std::string& path) {
    if (buffer.Width() <= 0 || buffer.Height() <= 0) return false;
    // The buffer's layout is Format_RGB32, so the image borrows its memory.
    const QImage image(reinterpret_cast<const uchar*>(buffer.Data()), buffer.Width(), buffer.Height(),
                       buffer.BytesPerLine(), QImage::Format_RGB32);
    return image.save(QString::fromStdString(path), "PNG");
}

bool LoadPng(const std::string& path, PixelBuffer& buffer) {
    QImage image;
    if (!image.load(QString::fromStdString(path), "PNG")) return false;
    image = image.convertToFormat(QImage::Format_RGB32);
    PixelBuffer loaded(image.width(), image.height());
    for (int y = 0; y < image.height(); ++y) {
        const auto* source = reinterpret_cast<const std::uint32_t*>(image.constScanLine(y));
        // Format_RGB32 promises 0xFF in the unused byte; make sure a buffer compares equal to a fresh one.
        std::transform(source, source + image.width(), loaded.Row(y),
                       [](std::uint32_t pixel) { return pixel | 0xFF000000u; });
    }
    buffer = std::move(loaded);
    return true;
}

} // namespace platform::qt
