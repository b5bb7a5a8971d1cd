#include "platform/qt_surface.h"

#include <QFontMetrics>
#include <QPoint>
#include <QRect>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/device_grid.h"
#include "platform/mapped_image.h"
#include "platform/qt_text.h"
#include "render/gauge_glyphs.h"

namespace tesmark {

namespace {

QColor ToQColor(Rgb colour) {
    return QColor(colour.r, colour.g, colour.b);
}

// Eight pixels at a time: a loop of fixed length becomes vector stores at
// every optimisation level, where a loop of unknown length stays one store
// per pixel. The readout boxes and the text backgrounds a step repaints are
// a few thousand pixels, filled more than once.
void FillRow(QRgb* row, int count, QRgb value) {
    constexpr int kBlock = 8;
    for (; count >= kBlock; count -= kBlock, row += kBlock)
        for (int i = 0; i < kBlock; ++i) row[i] = value;
    for (; count > 0; --count) *row++ = value;
}

// The scale and brand fonts: "Arial" (Liberation Sans where fontconfig maps
// it), 12-pixel regular and 13-pixel bold characters, without smoothing so
// that text pixels carry exactly the text colour.
QFont MakeFont(int pixelSize, bool bold) {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setStyleStrategy(QFont::NoAntialias);
    font.setKerning(false);
    return font;
}

QImage MakeGlyphImage(GlyphId id) {
    const GaugeGlyphPicture& picture = GaugeGlyph(id);
    QImage image(picture.width, kGlyphHeight, QImage::Format_RGB32);
    for (int row = 0; row < kGlyphHeight; ++row)
        for (int column = 0; column < picture.width; ++column)
            image.setPixel(
                column, row,
                GaugeGlyphPixelIsBlack(id, column, row) ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    return image;
}

const QImage& GlyphImage(GlyphId id) {
    static const QImage images[] = {
        MakeGlyphImage(GlyphId::C),         MakeGlyphImage(GlyphId::Pi),
        MakeGlyphImage(GlyphId::RhoDegree), MakeGlyphImage(GlyphId::RhoMinute),
        MakeGlyphImage(GlyphId::RhoSecond), MakeGlyphImage(GlyphId::Sqrt10),
    };
    return images[static_cast<int>(id)];
}

QImage PlainTile() {
    QImage tile(8, 8, QImage::Format_RGB32);
    tile.fill(ToQColor(kLightGrey));
    return tile;
}

// The pixels of a line from (x1, y1) towards (x2, y2), the end point left
// out: Bresenham's walk along the longer axis.
std::vector<QPoint> LinePixels(int x1, int y1, int x2, int y2) {
    std::vector<QPoint> points;
    const int dx = std::abs(x2 - x1);
    const int dy = std::abs(y2 - y1);
    const int sx = x1 < x2 ? 1 : -1;
    const int sy = y1 < y2 ? 1 : -1;
    int err = dx - dy;
    int x = x1;
    int y = y1;
    while (x != x2 || y != y2) {
        points.emplace_back(x, y);
        const int e2 = 2 * err;
        if (e2 > -dy) {
            err -= dy;
            x += sx;
        }
        if (e2 < dx) {
            err += dx;
            y += sy;
        }
    }
    return points;
}

}  // namespace

Rgb ToRgb(const QColor& colour) {
    return Rgb{static_cast<uint8_t>(colour.red()), static_cast<uint8_t>(colour.green()),
               static_cast<uint8_t>(colour.blue())};
}

QtSurface::QtSurface(int width, int height, Rgb background, qreal ratio)
    : ratio_(ratio),
      unit_(ratio == 1.0),
      width_(width),
      height_(height),
      image_(DeviceEdge(width, ratio), DeviceEdge(height, ratio), QImage::Format_RGB32),
      patternTile_(ScalePixelArt(PlainTile(), ratio)),
      normalFont_(MakeFont(12, false)),
      boldFont_(MakeFont(13, true)),
      normalMetrics_(normalFont_, &image_),
      boldMetrics_(boldFont_, &image_),
      normalGlyphs_(std::make_unique<GlyphRunCache>(normalFont_, ratio)),
      boldGlyphs_(std::make_unique<GlyphRunCache>(boldFont_, ratio)),
      glyphs_(normalGlyphs_.get()),
      normalAtlas_(std::make_unique<GlyphAtlas>(normalGlyphs_->deviceFont())),
      boldAtlas_(std::make_unique<GlyphAtlas>(boldGlyphs_->deviceFont())),
      atlas_(normalAtlas_.get()) {
    image_.fill(ToQColor(background));
    // The image is never shared or reallocated while the surface lives, so
    // its pixels stay where they are.
    bits_ = image_.bits();
    bytesPerLine_ = image_.bytesPerLine();
    painter_.begin(&image_);
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, false);
    painter_.setBrushOrigin(0, 0);
    painter_.setFont(normalFont_);
}

QtSurface::~QtSurface() {
    painter_.end();
}

int QtSurface::width() const {
    return width_;
}
int QtSurface::height() const {
    return height_;
}

int QtSurface::device(int edge) const {
    return unit_ ? edge : DeviceEdge(edge, ratio_);
}

QRect QtSurface::deviceRect(const QRect& rect) const {
    return unit_ ? rect : DeviceRect(rect, ratio_);
}

void QtSurface::setPen(std::optional<Rgb> colour) {
    pen_ = colour;
}

void QtSurface::setBrush(std::optional<Rgb> colour) {
    brushKind_ = colour ? BrushKind::Solid : BrushKind::None;
    if (colour) brushColour_ = *colour;
}

void QtSurface::setPatternBrush() {
    brushKind_ = BrushKind::Pattern;
}

void QtSurface::setPatternImage(const QImage& tile) {
    // The tile repeats on the device grid: at the ratios of screens (1.25,
    // 1.5, 2, 3) its 48 or 8 pixels are a whole number of device pixels.
    QImage rgb = tile.isNull() ? PlainTile() : tile.convertToFormat(QImage::Format_RGB32);
    patternTile_ = ScalePixelArt(rgb, ratio_);
    patternTile_.setDevicePixelRatio(1.0);  // the painter draws in device pixels
}

QBrush QtSurface::currentBrush() const {
    switch (brushKind_) {
        case BrushKind::Solid:
            return QBrush(ToQColor(brushColour_));
        case BrushKind::Pattern:
            return QBrush(patternTile_);
        case BrushKind::None:
            break;
    }
    return QBrush();
}

void QtSurface::line(int x1, int y1, int x2, int y2) {
    if (!pen_) return;
    const QColor colour = ToQColor(*pen_);
    // Straight lines are blocks of one pixel's width: columns x1 .. x2 - 1
    // (or the other way round), the end point excluded.
    if (y1 == y2 && x1 != x2) {
        const int from = x1 < x2 ? x1 : x2 + 1;
        fillDevice(strokeRect(QRect(from, y1, std::abs(x2 - x1), 1)), colour);
        return;
    }
    if (x1 == x2 && y1 != y2) {
        const int from = y1 < y2 ? y1 : y2 + 1;
        fillDevice(strokeRect(QRect(x1, from, 1, std::abs(y2 - y1))), colour);
        return;
    }
    for (const QPoint& point : LinePixels(x1, y1, x2, y2))
        fillSolid(QRect(point, QSize(1, 1)), colour);
}

void QtSurface::rectangle(int x1, int y1, int x2, int y2) {
    const QBrush brush = currentBrush();
    if (!pen_) {
        // Without a pen the brush covers x1 .. x2 - 2 and y1 .. y2 - 2.
        if (brush.style() != Qt::NoBrush && x2 - x1 > 1 && y2 - y1 > 1)
            fillWith(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1), brush);
        return;
    }
    if (x2 <= x1 || y2 <= y1) return;
    if (brush.style() != Qt::NoBrush && x2 - x1 > 2 && y2 - y1 > 2)
        fillWith(QRect(x1 + 1, y1 + 1, x2 - x1 - 2, y2 - y1 - 2), brush);
    const QColor colour = ToQColor(*pen_);
    const int w = x2 - x1;
    const int h = y2 - y1;
    fillSolid(QRect(x1, y1, w, 1), colour);
    fillSolid(QRect(x1, y2 - 1, w, 1), colour);
    fillSolid(QRect(x1, y1, 1, h), colour);
    fillSolid(QRect(x2 - 1, y1, 1, h), colour);
}

void QtSurface::eraseWithPattern() {
    setPatternBrush();
    setPen(std::nullopt);
    rectangle(0, 0, width_ + 1, height_ + 1);  // without a pen the last column stays out
}

QRect QtSurface::strokeRect(const QRect& rect) const {
    QRect device = deviceRect(rect);
    if (!evenStrokes_) return device;
    // Every tick of a scale has the same width, whatever block of the
    // device grid it stands on: the stroke's width in whole device pixels
    // (1 at 1.25 and 1.5), from the block's first device pixel. Its block
    // is never narrower, so the stroke stays inside its own pixel.
    const int stroke = std::max(1, static_cast<int>(std::floor(ratio_)));
    if (rect.width() == 1) device.setWidth(stroke);
    if (rect.height() == 1) device.setHeight(stroke);
    return device;
}

void QtSurface::fillSolid(const QRect& rect, const QColor& colour) {
    fillDevice(deviceRect(rect), colour);
}

void QtSurface::fillDevice(const QRect& rect, const QColor& colour) {
    // Solid blocks are written straight into the image: the rule's outlines,
    // the readout boxes and the text backgrounds are many small rectangles,
    // and the painter's own fill costs far more than the pixels do.
    QRect area = rect.intersected(image_.rect());
    if (clipRect_) area = area.intersected(*clipRect_);
    if (area.isEmpty()) return;
    const QRgb value = colour.rgb();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(bits_ + static_cast<qsizetype>(y) * bytesPerLine_);
        FillRow(row + area.left(), area.width(), value);
    }
}

void QtSurface::fillWith(const QRect& rect, const QBrush& brush) {
    if (brush.style() == Qt::SolidPattern) {
        fillSolid(rect, brush.color());
    } else if (const QImage tile = brush.textureImage(); tile.format() == image_.format()) {
        fillTiled(deviceRect(rect), tile);
    } else {
        // Under a clip that misses it, the painter would still set up its fill.
        const QRect device = deviceRect(rect);
        if (clipRect_ && !device.intersects(*clipRect_)) return;
        painter_.fillRect(device, brush);
    }
}

void QtSurface::fillTiled(const QRect& rect, const QImage& tile) {
    // The background pattern is copied straight into the image, repeating
    // from the image's origin as the painter's texture brush does. The
    // painter hands a fill of 96 rows or more to the threads of Qt's pool
    // and waits for them (it started them at the first erase of the back
    // buffer); the copy is a memcpy per row and tile.
    QRect area = rect.intersected(image_.rect());
    if (clipRect_) area = area.intersected(*clipRect_);
    if (area.isEmpty() || tile.isNull()) return;
    const int tileWidth = tile.width();
    const int tileHeight = tile.height();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(bits_ + static_cast<qsizetype>(y) * bytesPerLine_);
        const auto* tileRow = reinterpret_cast<const QRgb*>(tile.constScanLine(y % tileHeight));
        int x = area.left();
        int column = x % tileWidth;
        while (x <= area.right()) {
            const int count = std::min(tileWidth - column, area.right() + 1 - x);
            std::memcpy(row + x, tileRow + column, static_cast<std::size_t>(count) * sizeof(QRgb));
            x += count;
            column = 0;
        }
    }
}

void QtSurface::setFont(FontId font) {
    const bool bold = font == FontId::Bold;
    painter_.setFont(bold ? boldFont_ : normalFont_);
    metrics_ = bold ? &boldMetrics_ : &normalMetrics_;
    glyphs_ = bold ? boldGlyphs_.get() : normalGlyphs_.get();
    atlas_ = bold ? boldAtlas_.get() : normalAtlas_.get();
}

void QtSurface::setTextColour(Rgb colour) {
    textColour_ = colour;
}

void QtSurface::setTextBackground(std::optional<Rgb> colour) {
    textBackground_ = colour;
}

void QtSurface::setTextAlign(TextAlign align) {
    align_ = align;
}

void QtSurface::drawText(int x, int y, std::string_view text) {
    const QString string = ToQString(text);
    const QFontMetrics& metrics = *metrics_;
    int advance = 0;
    const bool placed = glyphs_->place(string, indexes_, xs_, advance);
    if (!placed) advance = metrics.horizontalAdvance(string);
    const int ascent = metrics.ascent();
    int left = x;
    int baseline = y;
    switch (align_) {
        case TextAlign::BaselineCentre:
            left = x - advance / 2;
            break;
        case TextAlign::BaselineLeft:
            break;
        case TextAlign::BaselineRight:
            left = x - advance;
            break;
        case TextAlign::LeftTop:
            baseline = y + ascent;
            break;
        case TextAlign::RightTop:
            left = x - advance;
            baseline = y + ascent;
            break;
        case TextAlign::CentreTop:
            left = x - advance / 2;
            baseline = y + ascent;
            break;
    }
    if (textBackground_) {
        fillSolid(QRect(left, baseline - ascent, advance, ascent + metrics.descent()),
                  ToQColor(*textBackground_));
    }
    if (placed) {
        // Each glyph starts on the device edge of the pixel it starts on at
        // ratio 1, as the painter below would place it.
        origins_.clear();
        for (int glyphX : xs_) origins_.emplace_back(device(left + glyphX), device(baseline));
        QRect bounds = image_.rect();
        if (clipRect_) bounds = bounds.intersected(*clipRect_);
        if (atlas_->draw(bits_, bytesPerLine_, bounds, indexes_, origins_,
                         ToQColor(textColour_).rgb()))
            return;
    }
    // The painter's own glyph drawing, for glyphs the atlas cannot copy.
    QGlyphRun run;
    const bool laidOut = placed && glyphs_->layout(string, run, advance);
    painter_.setPen(QPen(ToQColor(textColour_), 0));
    if (unit_) {
        if (laidOut) {
            painter_.drawGlyphRun(QPointF(left, baseline), run);
        } else {
            painter_.drawText(QPoint(left, baseline), string);
        }
        return;
    }
    if (laidOut) {
        // Each glyph starts on the device edge of the pixel it starts on at
        // ratio 1, drawn by the font at the device size: the text keeps its
        // place and width, and its strokes are the font's own at this size.
        QList<QPointF> positions = run.positions();
        for (QPointF& position : positions) {
            position = QPointF(device(left + static_cast<int>(position.x())), device(baseline));
        }
        run.setRawFont(glyphs_->deviceFont());
        run.setPositions(positions);
        painter_.drawGlyphRun(QPointF(0, 0), run);
        return;
    }
    painter_.save();
    painter_.scale(ratio_, ratio_);
    painter_.drawText(QPoint(left, baseline), string);
    painter_.restore();
}

void QtSurface::clip(int x1, int y1, int x2, int y2) {
    // An empty rectangle is a valid clip that lets nothing through.
    clipRect_ = deviceRect(QRect(x1, y1, std::max(0, x2 - x1), std::max(0, y2 - y1)));
    painter_.setClipRect(*clipRect_);
}

void QtSurface::clearClip() {
    clipRect_.reset();
    painter_.setClipping(false);
}

void QtSurface::copyFrom(const Surface& source, int x, int y, int w, int h, int sx, int sy) {
    const auto* other = dynamic_cast<const QtSurface*>(&source);
    if (other == nullptr || other->ratio_ != ratio_ || w <= 0 || h <= 0) return;
    // The block keeps its size in device pixels: the target's block of the
    // device grid, taken from the source's from the device edge of (sx, sy).
    const QRect to = deviceRect(QRect(x, y, w, h));
    const QRect from(QPoint(device(sx), device(sy)), to.size());
    if (other == this) {
        // Copy the block out first: the painter writes into the same pixels.
        painter_.drawImage(to.topLeft(), image_.copy(from));
        return;
    }
    painter_.drawImage(to.topLeft(), other->image_, from);
}

void QtSurface::andGlyph(GlyphId glyph, int x, int y) {
    if (unit_) {
        painter_.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
        painter_.drawImage(QPoint(x, y), GlyphImage(glyph));
        painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
        return;
    }
    // AND with black is black and with white changes nothing: the black
    // pixels, each as its block of device pixels.
    const GaugeGlyphPicture& picture = GaugeGlyph(glyph);
    for (int row = 0; row < kGlyphHeight; ++row)
        for (int column = 0; column < picture.width; ++column)
            if (GaugeGlyphPixelIsBlack(glyph, column, row))
                fillSolid(QRect(x + column, y + row, 1, 1), Qt::black);
}

QImage QtSurface::toImage() const {
    QImage copy = image_.copy();
    copy.setDevicePixelRatio(ratio_);
    return copy;
}

void QtSurface::drawOn(QPainter& painter, const QRegion& region) const {
    // The image is opaque, and each rectangle of the region is copied as one
    // block: under the clip of several rectangles that a paint event brings,
    // the painter would fill each pixel as if through a pattern.
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (const QRect& rect : region) {
        painter.setClipRect(rect);
        if (unit_)
            painter.drawImage(rect.topLeft(), image_, rect);
        else
            painter.drawImage(QRectF(rect), image_, QRectF(deviceRect(rect)));
    }
}

Rgb QtSurface::pixel(int x, int y) const {
    const QRgb value = image_.pixel(device(x), device(y));
    return Rgb{static_cast<uint8_t>(qRed(value)), static_cast<uint8_t>(qGreen(value)),
               static_cast<uint8_t>(qBlue(value))};
}

}  // namespace tesmark
