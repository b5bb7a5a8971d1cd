#pragma once
// The pictures of the six gauge glyphs (c, pi, the three rho marks and the
// root of ten) that a real rule carries beside its C, D and CF scales. They
// are 1-bit images, 9 rows high; a surface AND-copies them, so black pixels
// darken the body and white ones leave it as it is.
#include <array>
#include <string_view>

#include "render/surface.h"

namespace tesmark {

inline constexpr int kGlyphHeight = 9;

struct GaugeGlyphPicture {
    int width;  // the width the glyph is copied with: 9, or 16 for sqrt 10
    // One text row per pixel row from the top: '#' black, '.' white. A row may
    // be narrower than `width`; the columns beyond it are white.
    std::array<std::string_view, kGlyphHeight> rows;
};

const GaugeGlyphPicture& GaugeGlyph(GlyphId id);

// True when the pixel at (column, row) of the glyph is black.
bool GaugeGlyphPixelIsBlack(GlyphId id, int column, int row);

}  // namespace tesmark
