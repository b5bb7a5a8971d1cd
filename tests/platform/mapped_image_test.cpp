// Colour-mapped loading: the four button colours of a bitmap become the
// palette's colours, everything else keeps its value.
#include "platform/mapped_image.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QDir>
#include <QIcon>
#include <QPixmap>
#include <QRect>
#include <QTemporaryDir>
#include <array>
#include <cstdlib>
#include <string>

#include "platform/device_grid.h"

namespace tesmark {
namespace {

// A scheme far from the classic one, so every mapped pixel is visibly moved.
QPalette CustomPalette() {
    QPalette palette;
    palette.setColor(QPalette::ButtonText, QColor(10, 20, 30));
    palette.setColor(QPalette::Dark, QColor(40, 50, 60));
    palette.setColor(QPalette::Button, QColor(70, 80, 90));
    palette.setColor(QPalette::Light, QColor(100, 110, 120));
    // Roles near the four that must not be used instead of them.
    palette.setColor(QPalette::Text, QColor(1, 2, 3));
    palette.setColor(QPalette::Mid, QColor(4, 5, 6));
    palette.setColor(QPalette::Midlight, QColor(7, 8, 9));
    palette.setColor(QPalette::Window, QColor(11, 12, 13));
    return palette;
}

struct PixelCase {
    const char* name;
    QRgb drawn;
    QRgb expected;
};

// Pixels of an image with an alpha channel, and what the custom palette makes of them.
constexpr std::array<PixelCase, 10> kPixelCases{{
    {"black becomes button text", qRgb(0, 0, 0), qRgb(10, 20, 30)},
    {"dark grey becomes the shadow", qRgb(128, 128, 128), qRgb(40, 50, 60)},
    {"light grey becomes the face", qRgb(192, 192, 192), qRgb(70, 80, 90)},
    {"white becomes the highlight", qRgb(255, 255, 255), qRgb(100, 110, 120)},
    {"red stays red", qRgb(240, 0, 0), qRgb(240, 0, 0)},
    {"almost black stays", qRgb(1, 0, 0), qRgb(1, 0, 0)},
    {"almost light grey stays", qRgb(192, 192, 193), qRgb(192, 192, 193)},
    {"another grey stays", qRgb(127, 127, 127), qRgb(127, 127, 127)},
    {"transparent black stays transparent", qRgba(0, 0, 0, 0), qRgba(0, 0, 0, 0)},
    {"translucent white stays as drawn", qRgba(255, 255, 255, 128), qRgba(255, 255, 255, 128)},
}};

QImage ImageOfCases() {
    QImage image(static_cast<int>(kPixelCases.size()), 2, QImage::Format_ARGB32);
    for (int x = 0; x < image.width(); ++x) {
        image.setPixel(x, 0, kPixelCases[static_cast<std::size_t>(x)].drawn);
        image.setPixel(x, 1, kPixelCases[static_cast<std::size_t>(x)].drawn);
    }
    return image;
}

void ExpectCasesMapped(const QImage& mapped) {
    ASSERT_FALSE(mapped.isNull());
    ASSERT_EQ(mapped.width(), static_cast<int>(kPixelCases.size()));
    for (int x = 0; x < mapped.width(); ++x) {
        const PixelCase& c = kPixelCases[static_cast<std::size_t>(x)];
        SCOPED_TRACE(c.name);
        for (int y = 0; y < 2; ++y) {
            EXPECT_EQ(mapped.pixel(x, y), c.expected)
                << std::hex << "got 0x" << mapped.pixel(x, y) << ", wanted 0x" << c.expected;
        }
    }
}

TEST(MapSystemColoursTest, MapsTheFourButtonColoursAndKeepsEveryOther) {
    ExpectCasesMapped(MapSystemColours(ImageOfCases(), CustomPalette()));
}

TEST(MapSystemColoursTest, AnOpaqueImageStaysOpaque) {
    QImage image(2, 1, QImage::Format_RGB888);
    image.setPixel(0, 0, qRgb(192, 192, 192));
    image.setPixel(1, 0, qRgb(0, 0, 240));
    const QImage mapped = MapSystemColours(image, CustomPalette());
    EXPECT_FALSE(mapped.hasAlphaChannel());
    EXPECT_EQ(mapped.pixel(0, 0), qRgb(70, 80, 90));
    EXPECT_EQ(mapped.pixel(1, 0), qRgb(0, 0, 240));
}

TEST(MapSystemColoursTest, ATranslucentPaletteColourStillPaintsOpaquePixels) {
    QPalette palette = CustomPalette();
    palette.setColor(QPalette::Button, QColor(70, 80, 90, 0));
    QImage image(1, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgb(192, 192, 192));
    EXPECT_EQ(MapSystemColours(image, palette).pixel(0, 0), qRgb(70, 80, 90));
}

TEST(MapSystemColoursTest, TheSourceImageIsLeftAlone) {
    const QImage source = ImageOfCases();
    const QImage copy = source.copy();
    (void)MapSystemColours(source, CustomPalette());
    EXPECT_EQ(source, copy);
}

TEST(MapSystemColoursTest, ANullImageStaysNull) {
    EXPECT_TRUE(MapSystemColours(QImage(), CustomPalette()).isNull());
}

TEST(LoadMappedImageTest, LoadsAFileAndMapsIt) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("cases.png");
    ASSERT_TRUE(ImageOfCases().save(path, "PNG"));
    ExpectCasesMapped(LoadMappedImage(path, CustomPalette()));
}

TEST(LoadMappedImageTest, AMissingFileGivesANullImage) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    EXPECT_TRUE(LoadMappedImage(dir.filePath("missing.png"), CustomPalette()).isNull());
    EXPECT_TRUE(LoadMappedImage(QString(), CustomPalette()).isNull());
}

TEST(BitmapResourcePathTest, OnlyTheWindowsBitmapsHaveAPath) {
    for (const int id :
         {kHomeButtonBitmap, kReverseButtonBitmap, kWindowBackgroundBitmap, kBarTroughBitmap}) {
        SCOPED_TRACE(id);
        EXPECT_TRUE(BitmapResourcePath(id).startsWith(":/images/"));
    }
    for (const int id : {0, -1, 112, 159, 166, 31234}) {
        SCOPED_TRACE(id);
        EXPECT_TRUE(BitmapResourcePath(id).isEmpty());
        EXPECT_TRUE(LoadMappedBitmap(id, CustomPalette()).isNull());
    }
}

// The committed pictures themselves, read from the source tree (the resource
// file is compiled into the window's library, not into this test).
struct BitmapCase {
    const char* name;
    int id;
    int width;
    int height;
    bool onlyButtonColours;  // the picture follows the colour scheme entirely
};

constexpr std::array<BitmapCase, 4> kBitmapCases{{
    {"home button fits inside 60 x 29", kHomeButtonBitmap, 56, 25, false},
    {"reverse button fits inside 40 x 65", kReverseButtonBitmap, 36, 61, false},
    {"window background", kWindowBackgroundBitmap, 48, 48, true},
    {"bar trough", kBarTroughBitmap, 8, 8, true},
}};

QString SourceFileOf(const QString& resourcePath) {
    // ":/images/x.png" is resources/images/x.png in the source tree.
    return QDir(QStringLiteral(TESMARK_SOURCE_DIR)).filePath("resources" + resourcePath.mid(1));
}

bool IsButtonColour(QRgb pixel) {
    return pixel == qRgb(0, 0, 0) || pixel == qRgb(128, 128, 128) || pixel == qRgb(192, 192, 192) ||
           pixel == qRgb(255, 255, 255);
}

TEST(WindowBitmapsTest, HaveTheirSizesAndBlendIntoTheButtonFace) {
    const QPalette palette = CustomPalette();
    const QRgb face = palette.color(QPalette::Button).rgb();
    for (const BitmapCase& c : kBitmapCases) {
        SCOPED_TRACE(c.name);
        const QString file = SourceFileOf(BitmapResourcePath(c.id));
        const QImage drawn(file);
        ASSERT_FALSE(drawn.isNull()) << file.toStdString();
        EXPECT_EQ(drawn.size(), QSize(c.width, c.height));
        EXPECT_FALSE(drawn.hasAlphaChannel());

        const QImage mapped = LoadMappedImage(file, palette);
        // The corners are button face, so the picture sits on its button or
        // tiles the window without a seam of the classic grey.
        for (const QPoint corner : {QPoint(0, 0), QPoint(c.width - 1, 0), QPoint(0, c.height - 1),
                                    QPoint(c.width - 1, c.height - 1)}) {
            if (c.id == kBarTroughBitmap) break;  // a dither of face and highlight
            EXPECT_EQ(mapped.pixel(corner), face);
        }
        if (c.onlyButtonColours) {
            int faceCount = 0;
            for (int y = 0; y < drawn.height(); ++y) {
                for (int x = 0; x < drawn.width(); ++x) {
                    EXPECT_TRUE(IsButtonColour(drawn.pixel(x, y))) << x << ", " << y;
                    if (mapped.pixel(x, y) == face) ++faceCount;
                }
            }
            // Mostly face, so the pattern takes the scheme's face colour.
            EXPECT_GE(faceCount * 2, drawn.width() * drawn.height());
        }
    }
}

// Pixel-art enlargement: every pixel becomes its block of the device grid in
// its own colour, and the picture keeps its size in pixels.
struct PixelArtCase {
    qreal ratio;
    QSize size;  // of a 10 x 3 picture, in device pixels
};

TEST(ScalePixelArtTest, EveryPixelBecomesItsBlockInItsOwnColour) {
    QImage art(10, 3, QImage::Format_ARGB32);
    for (int y = 0; y < art.height(); ++y)
        for (int x = 0; x < art.width(); ++x) art.setPixel(x, y, qRgba(x * 20, y * 80, 7, 255 - x));
    for (const PixelArtCase& c : {PixelArtCase{1.25, {13, 4}}, PixelArtCase{1.5, {15, 5}},
                                  PixelArtCase{2.0, {20, 6}}, PixelArtCase{3.0, {30, 9}}}) {
        SCOPED_TRACE("ratio " + std::to_string(c.ratio));
        const QImage scaled = ScalePixelArt(art, c.ratio);
        ASSERT_EQ(scaled.size(), c.size);
        EXPECT_EQ(scaled.devicePixelRatio(), c.ratio);
        EXPECT_TRUE(scaled.hasAlphaChannel());
        for (int y = 0; y < art.height(); ++y)
            for (int x = 0; x < art.width(); ++x) {
                const QRect block = DeviceRect(QRect(x, y, 1, 1), c.ratio);
                for (int dy = block.top(); dy <= block.bottom(); ++dy)
                    for (int dx = block.left(); dx <= block.right(); ++dx)
                        ASSERT_EQ(scaled.pixel(dx, dy), art.pixel(x, y)) << x << ", " << y;
            }
    }
}

TEST(ScalePixelArtTest, RatioOneAndANullImageAreLeftAsTheyAre) {
    QImage art(4, 4, QImage::Format_RGB32);
    art.fill(qRgb(1, 2, 3));
    EXPECT_EQ(ScalePixelArt(art, 1.0).constBits(), art.constBits());
    EXPECT_TRUE(ScalePixelArt(QImage(), 2.0).isNull());
}

TEST(ScalePixelArtTest, AnIconHoldsTheSharpPictureOfTheRatio) {
    QImage art(56, 25, QImage::Format_RGB32);
    for (int y = 0; y < art.height(); ++y)
        for (int x = 0; x < art.width(); ++x)
            art.setPixel(x, y, (x + y) % 3 ? qRgb(192, 192, 192) : qRgb(0, 0, 0));
    for (qreal ratio : {1.0, 1.5, 2.0, 3.0}) {
        const QIcon icon = PixelArtIcon(art, ratio);
        const QImage shown = icon.pixmap(QSize(56, 25), ratio).toImage();
        const QImage sharp = ScalePixelArt(art, ratio);
        EXPECT_EQ(shown.size(), sharp.size()) << "ratio " << ratio;
        EXPECT_TRUE(shown.convertToFormat(QImage::Format_RGB32) ==
                    sharp.convertToFormat(QImage::Format_RGB32))
            << "ratio " << ratio;
    }
}

}  // namespace
}  // namespace tesmark
