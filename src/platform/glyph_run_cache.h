#pragma once
// Lays out short texts of one font without shaping them anew each time.
// The readout panel writes a handful of fresh numbers at every step of the
// slide or cursor; shaping each one (twice: to measure it and to draw it)
// was most of the cost of a repaint. The texts of the rule are plain Latin
// without kerning or ligatures, so each character's glyph and advance are
// looked up once and a text is the sum of its characters.
//
// Every glyph starts on a whole pixel and advances by a whole number of
// pixels, as hinted text without subpixel positioning does. Summing the
// font's fractional advances instead puts each glyph at a truncated
// fraction, so the gap between two glyphs varies by a pixel along a text and
// a narrow glyph can close up against its neighbour: the first "." of
// "version 3.2.0" merged into the "2".
#include <QFont>
#include <QGlyphRun>
#include <QHash>
#include <QRawFont>
#include <QString>
#include <array>
#include <vector>

namespace tesmark {

class GlyphRunCache {
  public:
    // For a surface of `ratio` device pixels per pixel: the layout stays in
    // pixels, and deviceFont() draws the same glyphs at the device size.
    explicit GlyphRunCache(const QFont& font, qreal ratio = 1.0);

    // The font at ratio x its pixel size, for glyphs placed in device pixels.
    const QRawFont& deviceFont() const { return device_; }

    // The glyphs of the text, placed from the origin on the baseline at
    // whole pixels, and its advance in pixels (the sum of the characters'
    // advances). False when a character is not in the font (the
    // caller then draws the text the ordinary way).
    bool layout(const QString& text, QGlyphRun& run, int& advance);
    // The same placing without a glyph run: the glyph indexes and each
    // glyph's x from the origin, for a caller that copies glyphs itself.
    bool place(const QString& text, QList<quint32>& indexes, std::vector<int>& xs, int& advance);

  private:
    struct Glyph {
        quint32 index = 0;
        int advance = 0;  // the font's advance rounded to the pixel
        bool known = false;
    };
    const Glyph* glyphOf(QChar character);

    QRawFont raw_;
    QRawFont device_;
    QHash<char16_t, Glyph> glyphs_;
    // Latin-1, which is all the rule writes, without hashing.
    std::array<Glyph, 256> latin_{};
};

}  // namespace tesmark
