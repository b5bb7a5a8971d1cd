#include "platform/glyph_atlas.h"

#include <QGlyphRun>
#include <QPainter>
#include <QPointF>
#include <algorithm>
#include <cmath>

namespace tesmark {

namespace {

constexpr QRgb kRoom = 0xffffffff;  // the room a glyph is rasterised in
constexpr QRgb kInk = 0xff000000;

}  // namespace

GlyphAtlas::GlyphAtlas(const QRawFont& font) : font_(font) {}

const GlyphAtlas::Glyph& GlyphAtlas::glyph(quint32 index) {
    // A font's glyph indexes are 16 bits; anything beyond is no glyph.
    static const Glyph kNone;
    if (index > 0xffff) return kNone;
    if (index >= glyphs_.size()) glyphs_.resize(static_cast<size_t>(index) + 1);
    std::unique_ptr<Glyph>& slot = glyphs_[index];
    if (!slot) slot = std::make_unique<Glyph>(rasterise(index));
    return *slot;
}

GlyphAtlas::Glyph GlyphAtlas::rasterise(quint32 index) const {
    Glyph glyph;
    if (!font_.isValid()) return glyph;
    // Room for the glyph on every side of its origin: its bounds are a
    // fraction of the pixel size, so four pixel sizes square leave a margin
    // that only a malformed glyph would reach.
    const int size = static_cast<int>(std::ceil(font_.pixelSize())) * 4 + 8;
    const QPoint origin(size / 4, size * 5 / 8);
    QImage room(size, size, QImage::Format_RGB32);
    room.fill(kRoom);
    {
        // The painter as the surface draws text: no smoothing, a cosmetic
        // pen of the ink's colour, the glyph at a whole pixel.
        QPainter painter(&room);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.setPen(QPen(QColor::fromRgb(kInk), 0));
        QGlyphRun run;
        run.setRawFont(font_);
        run.setGlyphIndexes({index});
        run.setPositions({QPointF(0, 0)});
        painter.drawGlyphRun(QPointF(origin), run);
    }
    for (int y = 0; y < size; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(room.constScanLine(y));
        int x = 0;
        while (x < size) {
            if (row[x] == kRoom) {
                ++x;
                continue;
            }
            // Only whole pixels of ink, and none at the room's edge.
            if (row[x] != kInk || x == 0 || y == 0 || y == size - 1) return Glyph{};
            const int start = x;
            while (x < size && row[x] == kInk) ++x;
            if (x == size) return Glyph{};
            glyph.runs.push_back(Run{static_cast<int16_t>(start - origin.x()),
                                     static_cast<int16_t>(y - origin.y()),
                                     static_cast<int16_t>(x - start)});
        }
    }
    for (const Run& run : glyph.runs)
        glyph.box = glyph.box.united(QRect(run.dx, run.dy, run.length, 1));
    glyph.exact = true;
    return glyph;
}

bool GlyphAtlas::draw(uchar* bits, qsizetype bytesPerLine, const QRect& bounds,
                      const QList<quint32>& indexes, const std::vector<QPoint>& origins,
                      QRgb colour) {
    const qsizetype count = std::min<qsizetype>(indexes.size(), std::ssize(origins));
    shapes_.clear();
    for (qsizetype i = 0; i < count; ++i) {
        const Glyph& shape = glyph(indexes[i]);
        if (!shape.exact) return false;
        shapes_.push_back(&shape);
    }
    if (bounds.isEmpty()) return true;
    const int left = bounds.left();
    const int right = bounds.left() + bounds.width();  // one past
    for (qsizetype i = 0; i < count; ++i) {
        const Glyph& shape = *shapes_[static_cast<size_t>(i)];
        const QPoint origin = origins[static_cast<size_t>(i)];
        if (bounds.contains(shape.box.translated(origin))) {
            // Wholly inside, as nearly every glyph is: no run needs cutting.
            uchar* const at = bits + static_cast<qsizetype>(origin.y()) * bytesPerLine +
                              static_cast<qsizetype>(origin.x()) * 4;
            for (const Run& run : shape.runs) {
                auto* pixel = reinterpret_cast<QRgb*>(at + run.dy * bytesPerLine) + run.dx;
                for (int n = 0; n < run.length; ++n) pixel[n] = colour;
            }
            continue;
        }
        for (const Run& run : shape.runs) {
            const int y = origin.y() + run.dy;
            if (y < bounds.top() || y > bounds.bottom()) continue;
            const int from = std::max(left, origin.x() + run.dx);
            const int to = std::min(right, origin.x() + run.dx + run.length);
            if (from >= to) continue;
            auto* row = reinterpret_cast<QRgb*>(bits + static_cast<qsizetype>(y) * bytesPerLine);
            std::fill(row + from, row + to, colour);
        }
    }
    return true;
}

}  // namespace tesmark
