// Glyphs copied from the atlas cover exactly the pixels the painter's own
// glyph drawing covers, in the text colour, for every character the rule
// writes, in both fonts, at the device sizes of screens; and the copy stays
// inside its bounds as the painter stays inside its clip.
#include <gtest/gtest.h>

#include <QFont>
#include <QGlyphRun>
#include <QImage>
#include <QPainter>
#include <vector>

#include "platform/glyph_atlas.h"
#include "platform/glyph_run_cache.h"

namespace tesmark {
namespace {

QFont RuleFont(int pixelSize, bool bold) {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setStyleStrategy(QFont::NoAntialias);
    font.setKerning(false);
    return font;
}

// Every printable character of ASCII: the readouts' digits, signs, points
// and exponents, the scale names and the panel's labels are among them.
QString PrintableAscii() {
    QString text;
    for (char16_t c = 0x21; c < 0x7f; ++c) text.append(QChar(c));
    return text;
}

// A background of two colours by turns, so that a pixel left alone and a
// pixel written in the text colour cannot look alike.
QImage Background(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, ((x + y) % 2) ? qRgb(220, 230, 200) : qRgb(40, 60, 90));
    return image;
}

struct Placed {
    QList<quint32> indexes;
    QList<QPointF> positions;
    std::vector<QPoint> origins;
};

// The glyphs of `text` laid out as the surface lays them out: whole-pixel
// advances at ratio 1, each glyph on its pixel's device edge.
Placed Place(GlyphRunCache& cache, const QString& text, QPoint at, qreal ratio) {
    QGlyphRun run;
    int advance = 0;
    EXPECT_TRUE(cache.layout(text, run, advance));
    Placed placed;
    placed.indexes = run.glyphIndexes();
    for (const QPointF& position : run.positions()) {
        const QPoint origin(static_cast<int>(std::floor((at.x() + position.x()) * ratio + 0.5)),
                            static_cast<int>(std::floor(at.y() * ratio + 0.5)));
        placed.origins.push_back(origin);
        placed.positions.append(QPointF(origin));
    }
    return placed;
}

QImage ByPainter(const QRawFont& font, const Placed& placed, QSize size, QRgb colour,
                 const QRect& clip) {
    QImage image = Background(size.width(), size.height());
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setClipRect(clip);
    painter.setPen(QPen(QColor::fromRgb(colour), 0));
    QGlyphRun run;
    run.setRawFont(font);
    run.setGlyphIndexes(placed.indexes);
    run.setPositions(placed.positions);
    painter.drawGlyphRun(QPointF(0, 0), run);
    return image;
}

QImage ByAtlas(GlyphAtlas& atlas, const Placed& placed, QSize size, QRgb colour,
               const QRect& bounds) {
    QImage image = Background(size.width(), size.height());
    EXPECT_TRUE(atlas.draw(image.bits(), image.bytesPerLine(), bounds, placed.indexes,
                           placed.origins, colour));
    return image;
}

struct Case {
    qreal ratio;
    bool bold;
};

class GlyphAtlasAt : public ::testing::TestWithParam<Case> {};

TEST_P(GlyphAtlasAt, CopiesTheGlyphsThePainterDraws) {
    const Case c = GetParam();
    GlyphRunCache cache(RuleFont(c.bold ? 13 : 12, c.bold), c.ratio);
    GlyphAtlas atlas(cache.deviceFont());
    const QSize size(static_cast<int>(40 * c.ratio), static_cast<int>(40 * c.ratio));
    const QRect whole(QPoint(0, 0), size);
    for (QChar character : PrintableAscii()) {
        // Two places, so that a glyph's pixels depend on where it stands
        // only by the move.
        for (QPoint at : {QPoint(10, 20), QPoint(13, 25)}) {
            SCOPED_TRACE(testing::Message()
                         << "'" << character.toLatin1() << "' at " << at.x() << "," << at.y());
            const Placed placed = Place(cache, QString(character), at, c.ratio);
            ASSERT_TRUE(atlas.glyph(placed.indexes.value(0)).exact);
            EXPECT_EQ(ByAtlas(atlas, placed, size, qRgb(0, 0, 0), whole),
                      ByPainter(cache.deviceFont(), placed, size, qRgb(0, 0, 0), whole));
            EXPECT_EQ(ByAtlas(atlas, placed, size, qRgb(200, 20, 150), whole),
                      ByPainter(cache.deviceFont(), placed, size, qRgb(200, 20, 150), whole));
        }
    }
}

TEST_P(GlyphAtlasAt, TextsStayInsideTheirBoundsAsThePainterInsideItsClip) {
    const Case c = GetParam();
    GlyphRunCache cache(RuleFont(c.bold ? 13 : 12, c.bold), c.ratio);
    GlyphAtlas atlas(cache.deviceFont());
    const QSize size(static_cast<int>(130 * c.ratio), static_cast<int>(30 * c.ratio));
    const QRect clip(static_cast<int>(12 * c.ratio), static_cast<int>(9 * c.ratio),
                     static_cast<int>(70 * c.ratio), static_cast<int>(8 * c.ratio));
    for (const char* text : {"    3.16228    ", "-99.0000", ".0010005", "LL/2", "version 3.2.0"}) {
        SCOPED_TRACE(text);
        for (QPoint at : {QPoint(3, 18), QPoint(-4, 15), QPoint(60, 30)}) {
            const Placed placed = Place(cache, QString::fromLatin1(text), at, c.ratio);
            EXPECT_EQ(ByAtlas(atlas, placed, size, qRgb(10, 10, 10), clip),
                      ByPainter(cache.deviceFont(), placed, size, qRgb(10, 10, 10), clip));
            EXPECT_EQ(ByAtlas(atlas, placed, size, qRgb(10, 10, 10), QRect()),
                      Background(size.width(), size.height()));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Ratios, GlyphAtlasAt,
                         ::testing::Values(Case{1.0, false}, Case{1.0, true}, Case{1.25, false},
                                           Case{1.25, true}, Case{1.5, false}, Case{1.5, true},
                                           Case{2.0, false}, Case{2.0, true}, Case{3.0, false},
                                           Case{3.0, true}));

}  // namespace
}  // namespace tesmark
