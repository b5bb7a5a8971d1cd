#pragma once
// Bitmaps drawn in the four colours of a classic button (black, dark grey,
// light grey and white) take on the user's colour scheme when they are
// loaded: each of the four becomes the matching colour of the palette, every
// other colour stays as drawn. The window reloads them when the scheme
// changes, so its buttons, bars and background always match the rest of the
// desktop.
#include <QIcon>
#include <QImage>
#include <QPalette>
#include <QString>

namespace tesmark {

// The window's own bitmap resources, by number.
inline constexpr int kHomeButtonBitmap = 110;        // the two home buttons, 56 x 25
inline constexpr int kReverseButtonBitmap = 111;     // the reverse button, 36 x 61
inline constexpr int kWindowBackgroundBitmap = 132;  // window and rebar band pattern, 48 x 48
inline constexpr int kBarTroughBitmap = 167;         // pattern behind the slide bars, 8 x 8

// The resource path of one of the bitmaps above; empty for any other number,
// which loads as a null image (a missing resource leaves its picture empty).
QString BitmapResourcePath(int bitmapId);

// The image with its black, (128, 128, 128), (192, 192, 192) and white pixels
// replaced by the palette's ButtonText, Dark, Button and Light colours. Only
// fully opaque pixels are mapped, so a transparent background stays
// transparent. A null image stays null.
QImage MapSystemColours(const QImage& image, const QPalette& palette);

// Loads an image file or resource and maps its system colours; a null image
// when the path cannot be read.
QImage LoadMappedImage(const QString& resourcePath, const QPalette& palette);

// LoadMappedImage of BitmapResourcePath(bitmapId).
QImage LoadMappedBitmap(int bitmapId, const QPalette& palette);

// The bitmap for a screen of `ratio` device pixels per pixel, enlarged as
// pixel art is: each pixel becomes its block of the device grid (see
// device_grid.h) in its own colour, so edges stay sharp and no colour is
// blended, where a smooth enlargement would blur every edge. The result
// carries the ratio as its devicePixelRatio, so it shows at the original's
// size. At ratio 1, and for a null image, the image itself.
QImage ScalePixelArt(const QImage& image, qreal ratio);

// An icon of the bitmap with its pixel-art enlargements for whole ratios up
// to 3 and for `ratio`, so a screen of any of them finds a sharp picture.
QIcon PixelArtIcon(const QImage& image, qreal ratio);

}  // namespace tesmark
