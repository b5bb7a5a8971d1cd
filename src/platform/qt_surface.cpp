#include "platform/qt_surface.h"

#include <QFontMetrics>
#include <QPoint>
#include <QRect>
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "platform/qt_text.h"
#include "render/gauge_glyphs.h"

namespace tesmark {

namespace {

QColor ToQColor(Rgb colour) {
    return QColor(colour.r, colour.g, colour.b);
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

QtSurface::QtSurface(int width, int height, Rgb background)
    : image_(width, height, QImage::Format_RGB32),
      patternTile_(PlainTile()),
      normalFont_(MakeFont(12, false)),
      boldFont_(MakeFont(13, true)),
      normalMetrics_(normalFont_, &image_),
      boldMetrics_(boldFont_, &image_),
      normalGlyphs_(std::make_unique<GlyphRunCache>(normalFont_)),
      boldGlyphs_(std::make_unique<GlyphRunCache>(boldFont_)),
      glyphs_(normalGlyphs_.get()) {
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
    return image_.width();
}
int QtSurface::height() const {
    return image_.height();
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
    patternTile_ = tile.isNull() ? PlainTile() : tile.convertToFormat(QImage::Format_RGB32);
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
        fillSolid(QRect(from, y1, std::abs(x2 - x1), 1), colour);
        return;
    }
    if (x1 == x2 && y1 != y2) {
        const int from = y1 < y2 ? y1 : y2 + 1;
        fillSolid(QRect(x1, from, 1, std::abs(y2 - y1)), colour);
        return;
    }
    const std::vector<QPoint> points = LinePixels(x1, y1, x2, y2);
    if (points.empty()) return;
    painter_.setPen(QPen(colour, 0));
    painter_.drawPoints(points.data(), static_cast<int>(points.size()));
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
    rectangle(0, 0, width() + 1, height() + 1);  // without a pen the last column stays out
}

void QtSurface::fillSolid(const QRect& rect, const QColor& colour) {
    // Solid blocks are written straight into the image: the rule's outlines,
    // the readout boxes and the text backgrounds are many small rectangles,
    // and the painter's own fill costs far more than the pixels do.
    QRect area = rect.intersected(image_.rect());
    if (clipRect_) area = area.intersected(*clipRect_);
    if (area.isEmpty()) return;
    const QRgb value = colour.rgb();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(bits_ + static_cast<qsizetype>(y) * bytesPerLine_);
        std::fill(row + area.left(), row + area.left() + area.width(), value);
    }
}

void QtSurface::fillWith(const QRect& rect, const QBrush& brush) {
    if (brush.style() == Qt::SolidPattern) {
        fillSolid(rect, brush.color());
    } else {
        painter_.fillRect(rect, brush);
    }
}

void QtSurface::setFont(FontId font) {
    const bool bold = font == FontId::Bold;
    painter_.setFont(bold ? boldFont_ : normalFont_);
    metrics_ = bold ? &boldMetrics_ : &normalMetrics_;
    glyphs_ = bold ? boldGlyphs_.get() : normalGlyphs_.get();
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
    QGlyphRun run;
    int advance = 0;
    const bool laidOut = glyphs_->layout(string, run, advance);
    if (!laidOut) advance = metrics.horizontalAdvance(string);
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
    painter_.setPen(QPen(ToQColor(textColour_), 0));
    if (laidOut) {
        painter_.drawGlyphRun(QPointF(left, baseline), run);
    } else {
        painter_.drawText(QPoint(left, baseline), string);
    }
}

void QtSurface::clip(int x1, int y1, int x2, int y2) {
    // An empty rectangle is a valid clip that lets nothing through.
    clipRect_ = QRect(x1, y1, std::max(0, x2 - x1), std::max(0, y2 - y1));
    painter_.setClipRect(*clipRect_);
}

void QtSurface::clearClip() {
    clipRect_.reset();
    painter_.setClipping(false);
}

void QtSurface::copyFrom(const Surface& source, int x, int y, int w, int h, int sx, int sy) {
    const auto* other = dynamic_cast<const QtSurface*>(&source);
    if (other == nullptr || w <= 0 || h <= 0) return;
    const QRect from(sx, sy, w, h);
    if (other == this) {
        // Copy the block out first: the painter writes into the same pixels.
        painter_.drawImage(QPoint(x, y), image_.copy(from));
        return;
    }
    painter_.drawImage(QPoint(x, y), other->image_, from);
}

void QtSurface::andGlyph(GlyphId glyph, int x, int y) {
    painter_.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    painter_.drawImage(QPoint(x, y), GlyphImage(glyph));
    painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

Rgb QtSurface::pixel(int x, int y) const {
    const QRgb value = image_.pixel(x, y);
    return Rgb{static_cast<uint8_t>(qRed(value)), static_cast<uint8_t>(qGreen(value)),
               static_cast<uint8_t>(qBlue(value))};
}

}  // namespace tesmark
