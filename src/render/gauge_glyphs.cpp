#include "render/gauge_glyphs.h"

namespace tesmark {

namespace {

// Indexed by GlyphId: C, Pi, RhoDegree, RhoMinute, RhoSecond, Sqrt10.
constexpr std::array<GaugeGlyphPicture, 6> kGlyphs{{
    {9,
     {".........", "...###...", "..#...#..", "..#......", "..#......", "..#......", "..#...#..",
      "...###...", "........."}},
    {9,
     {".........", ".#######.", "...#.#...", "...#.#...", "...#.#...", "...#.#...", "..#..#...",
      ".#...###.", "........."}},
    {9,
     {"..##..###", ".#..#.#.#", "#...#.###", "#...#....", "#...#....", "####.....", "#........",
      "#........", "#........"}},
    {9,
     {"...##..#.", "..#..#.#.", ".#...#.#.", ".#...#...", ".#...#...", ".####....", ".#.......",
      ".#.......", ".#......."}},
    {9,
     {"..##..#.#", ".#..#.#.#", "#...#.#.#", "#...#....", "#...#....", "####.....", "#........",
      "#........", "#........"}},
    // 15 columns drawn, copied 16 wide: the last column stays white.
    {16,
     {".....##########", ".....#.........", "....#..#...###.", "....#.##..#...#", "#...#..#..#...#",
      ".#.#...#..#...#", ".#.#...#..#...#", ".#.#...#..#...#", "..#...###..###."}},
}};

}  // namespace

const GaugeGlyphPicture& GaugeGlyph(GlyphId id) {
    return kGlyphs[static_cast<std::size_t>(id)];
}

bool GaugeGlyphPixelIsBlack(GlyphId id, int column, int row) {
    if (row < 0 || row >= kGlyphHeight || column < 0) return false;
    const std::string_view text = GaugeGlyph(id).rows[static_cast<std::size_t>(row)];
    return static_cast<std::size_t>(column) < text.size() &&
           text[static_cast<std::size_t>(column)] == '#';
}

}  // namespace tesmark
