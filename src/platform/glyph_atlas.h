#pragma once
// The glyphs of one font at one size, each rasterised once and then copied
// as its own pixels. The readout panel writes a handful of fresh numbers at
// every step of the slide or cursor, and the painter's glyph drawing was most
// of a step's cost.
//
// The rule's text is drawn without smoothing and every glyph starts on a
// whole device pixel, so a glyph covers the same pixels wherever it stands
// and whatever the colours: each covered pixel takes the text colour, the
// others keep theirs. A glyph is rasterised once by the painter itself, and
// the pixels it covered are kept as runs along its rows. A glyph whose
// rasterisation is not of whole pixels (smoothed by the font engine, or
// larger than the room it was drawn in) is marked inexact, and a text with
// such a glyph is left to the painter.
#include <QImage>
#include <QList>
#include <QPoint>
#include <QRawFont>
#include <QRect>
#include <QRgb>
#include <cstdint>
#include <memory>
#include <vector>

namespace tesmark {

class GlyphAtlas {
  public:
    // For glyphs of `font`, placed in device pixels.
    explicit GlyphAtlas(const QRawFont& font);

    // A row's run of covered pixels, from the glyph's origin on the baseline.
    struct Run {
        int16_t dx = 0;
        int16_t dy = 0;
        int16_t length = 0;
    };
    struct Glyph {
        bool exact = false;
        std::vector<Run> runs;
        QRect box;  // the covered pixels' bounds, from the origin
    };
    // The pixels glyph `index` covers, rasterised on first use.
    const Glyph& glyph(quint32 index);

    // Writes the glyphs at their origins (device pixels, on the baseline) in
    // `colour` into the RGB32 pixels at `bits`, inside `bounds` only. False,
    // and nothing written, when a glyph is inexact.
    bool draw(uchar* bits, qsizetype bytesPerLine, const QRect& bounds,
              const QList<quint32>& indexes, const std::vector<QPoint>& origins, QRgb colour);

  private:
    Glyph rasterise(quint32 index) const;

    QRawFont font_;
    // By glyph index: the fonts' Latin glyphs have small indexes, and a
    // text's glyphs are looked up at every step.
    std::vector<std::unique_ptr<Glyph>> glyphs_;
    std::vector<const Glyph*> shapes_;  // the glyphs of the text being drawn
};

}  // namespace tesmark
