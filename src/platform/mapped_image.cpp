#include "platform/mapped_image.h"

#include <array>

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

}  // namespace tesmark
