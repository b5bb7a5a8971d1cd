#include "platform/mapped_image.h"

#include <QPixmap>
#include <array>
#include <vector>

#include "platform/device_grid.h"

namespace tesmark {

namespace {

struct BitmapResource {
    int id;
    const char* path;
};

constexpr std::array<BitmapResource, 4> kBitmapResources{{
    {kHomeButtonBitmap, ":/images/home_button.png"},
    {kReverseButtonBitmap, ":/images/reverse_button.png"},
    {kWindowBackgroundBitmap, ":/images/window_background.png"},
    {kBarTroughBitmap, ":/images/bar_trough.png"},
}};

struct ColourMapping {
    QRgb drawn;
    QPalette::ColorRole role;
};

// The colours a button bitmap is drawn in and the palette role each becomes.
constexpr std::array<ColourMapping, 4> kSystemColours{{
    {qRgb(0, 0, 0), QPalette::ButtonText},
    {qRgb(128, 128, 128), QPalette::Dark},
    {qRgb(192, 192, 192), QPalette::Button},
    {qRgb(255, 255, 255), QPalette::Light},
}};

}  // namespace

QString BitmapResourcePath(int bitmapId) {
    for (const BitmapResource& bitmap : kBitmapResources) {
        if (bitmap.id == bitmapId) return QString::fromLatin1(bitmap.path);
    }
    return {};
}

QImage MapSystemColours(const QImage& image, const QPalette& palette) {
    if (image.isNull()) return {};
    // ARGB32 (not premultiplied) keeps the drawn values of translucent pixels
    // untouched; an opaque image stays opaque.
    const bool hasAlpha = image.hasAlphaChannel();
    QImage mapped = image.convertToFormat(hasAlpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);

    std::array<QRgb, kSystemColours.size()> replacement{};
    for (std::size_t i = 0; i < kSystemColours.size(); ++i) {
        // The palette may hold translucent colours; a bitmap pixel that was
        // opaque stays opaque.
        replacement[i] = palette.color(kSystemColours[i].role).rgb() | 0xFF000000u;
    }

    for (int y = 0; y < mapped.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(mapped.scanLine(y));
        for (int x = 0; x < mapped.width(); ++x) {
            const QRgb pixel = line[x];
            if (qAlpha(pixel) != 255) continue;
            for (std::size_t i = 0; i < kSystemColours.size(); ++i) {
                if (pixel == kSystemColours[i].drawn) {
                    line[x] = replacement[i];
                    break;
                }
            }
        }
    }
    return mapped;
}

QImage LoadMappedImage(const QString& resourcePath, const QPalette& palette) {
    if (resourcePath.isEmpty()) return {};
    return MapSystemColours(QImage(resourcePath), palette);
}

QImage LoadMappedBitmap(int bitmapId, const QPalette& palette) {
    return LoadMappedImage(BitmapResourcePath(bitmapId), palette);
}

QImage ScalePixelArt(const QImage& image, qreal ratio) {
    if (image.isNull() || ratio == 1.0) return image;
    const QImage source = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32
                                                                        : QImage::Format_RGB32);
    const int width = DeviceEdge(source.width(), ratio);
    const int height = DeviceEdge(source.height(), ratio);
    // The source column of every device column, and likewise for rows.
    auto sourceOf = [ratio](int count, int deviceCount) {
        std::vector<int> of(static_cast<std::size_t>(deviceCount));
        for (int pixel = 0; pixel < count; ++pixel)
            for (int d = DeviceEdge(pixel, ratio); d < DeviceEdge(pixel + 1, ratio); ++d)
                of[static_cast<std::size_t>(d)] = pixel;
        return of;
    };
    const std::vector<int> columns = sourceOf(source.width(), width);
    const std::vector<int> rows = sourceOf(source.height(), height);
    QImage scaled(width, height, source.format());
    for (int y = 0; y < height; ++y) {
        const auto* from =
            reinterpret_cast<const QRgb*>(source.constScanLine(rows[static_cast<std::size_t>(y)]));
        auto* to = reinterpret_cast<QRgb*>(scaled.scanLine(y));
        for (int x = 0; x < width; ++x) to[x] = from[columns[static_cast<std::size_t>(x)]];
    }
    scaled.setDevicePixelRatio(ratio);
    return scaled;
}

QIcon PixelArtIcon(const QImage& image, qreal ratio) {
    QIcon icon;
    if (image.isNull()) return icon;
    for (qreal whole : {1.0, 2.0, 3.0})
        icon.addPixmap(QPixmap::fromImage(ScalePixelArt(image, whole)));
    if (ratio != 1.0 && ratio != 2.0 && ratio != 3.0)
        icon.addPixmap(QPixmap::fromImage(ScalePixelArt(image, ratio)));
    return icon;
}

}  // namespace tesmark
