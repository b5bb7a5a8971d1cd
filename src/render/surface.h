#pragma once
// Surface: the drawing port of the renderer. The rule body, the window's
// back buffer and the test recorder all implement it. Coordinates are pixels;
// the pixel conventions of each call are part of the contract:
//  - line(x1, y1, x2, y2): a 1-pixel line with the current pen that excludes
//    its end point (x2, y2).
//  - rectangle(x1, y1, x2, y2): with a pen, an outline on columns x1 and
//    x2 - 1 and rows y1 and y2 - 1, the inside filled with the brush (if any);
//    without a pen, the brush covers columns x1 .. x2 - 2 and rows
//    y1 .. y2 - 2 (the last column and row stay unpainted).
//  - clip(x1, y1, x2, y2): drawing is limited to x1 <= x < x2, y1 <= y < y2.
//  - drawText(x, y, text): text (UTF-8) placed by the current alignment
//    relative to (x, y), in the current colour, on the current background.
#include <cstdint>
#include <optional>
#include <string_view>

namespace tesmark {

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kBlack{16, 16, 16};  // text and lines
inline constexpr Rgb kRed{240, 0, 0};
inline constexpr Rgb kBodyColour{240, 240, 240};
inline constexpr Rgb kGrey{128, 128, 128};
inline constexpr Rgb kLightGrey{192, 192, 192};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kStockBlack{0, 0, 0};  // the platform's stock black pen

enum class TextAlign {
    BaselineCentre,
    BaselineLeft,
    BaselineRight,
    LeftTop,
    RightTop,
    CentreTop,
};

enum class FontId {
    Normal,  // "Arial", 12-pixel characters, regular: scales, names, readouts
    Bold,    // "Arial", 13-pixel characters, bold: brand line, bar labels
};

// The 1-bit gauge glyphs; the surface knows their pictures.
enum class GlyphId { C, Pi, RhoDegree, RhoMinute, RhoSecond, Sqrt10 };

class Surface {
  public:
    virtual ~Surface() = default;

    virtual int width() const = 0;
    virtual int height() const = 0;

    // Pen: a solid 1-pixel pen of a colour, or none.
    virtual void setPen(std::optional<Rgb> colour) = 0;
    // Brush: a solid colour, the window's background pattern, or none.
    virtual void setBrush(std::optional<Rgb> colour) = 0;
    virtual void setPatternBrush() = 0;

    virtual void line(int x1, int y1, int x2, int y2) = 0;
    virtual void rectangle(int x1, int y1, int x2, int y2) = 0;

    virtual void setFont(FontId font) = 0;
    virtual void setTextColour(Rgb colour) = 0;
    // Opaque text background of a colour, or transparent (nullopt).
    virtual void setTextBackground(std::optional<Rgb> colour) = 0;
    virtual void setTextAlign(TextAlign align) = 0;
    virtual void drawText(int x, int y, std::string_view text) = 0;

    virtual void clip(int x1, int y1, int x2, int y2) = 0;
    virtual void clearClip() = 0;

    // Copies a w x h block of `source` from (sx, sy) to (x, y).
    virtual void copyFrom(const Surface& source, int x, int y, int w, int h, int sx, int sy) = 0;
    // AND-copies a gauge glyph (9 rows; 9 columns, 16 for sqrt 10) with its
    // top-left corner at (x, y): black pixels darken, white ones leave the
    // background as it is.
    virtual void andGlyph(GlyphId glyph, int x, int y) = 0;
};

}  // namespace tesmark
