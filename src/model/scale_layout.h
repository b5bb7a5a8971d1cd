#pragma once
// Which scale stands in which of the ten rows of a face, by face and option:
// its name printed at the left of the rule, the colour of that name, the
// graduation it is drawn from and the formula tooltip over the name.
//
// Rows R0..R9 run from the top: R0..R2 on the upper stator, R3..R6 on the
// slide, R7..R9 on the lower stator. The front face carries K, A, B, T (T0),
// S (S0), C, D, DI and L; the back face LL/n, LL/(n+1), DF, CF, CIF, CI, C, D,
// LL(n+1) and LLn with n = ScaleLL.
//
// Options are read the way the readings read them: SinNum != 0 is the cosine
// numbering, ScaleST != 0 shows S0 and T0, ScalePI != 0 folds at sqrt(10). A
// ScaleLL outside 0..2 (only a hand-edited profile holds one) is laid out as
// the nearest pair, so that the graduation indices stay within LL0..LL3.
#include <array>
#include <cstdint>

#include "model/rule_state.h"

namespace tesmark {

inline constexpr int kRowCount = 10;

// The graduation a row is drawn from. The folded kinds are shifted by
// `foldOffset`; the LL kinds pick their table by `llScale` (0..3).
enum class RowGraduation {
    None,              // front R0: the brand line stands there
    K,                 // KTable, three decades
    Ab,                // AbTable, two decades
    T,                 // TTable
    T0,                // T0Table
    S,                 // STable
    S0,                // S0Table
    Cd,                // CdTable
    CdInverted,        // CdTable, inverted (DI, CI)
    CdFolded,          // CdTable, folded (DF, CF)
    CdInvertedFolded,  // CdTable, inverted and folded (CIF)
    L,                 // LTable
    Ll,                // LlTable[llScale]
    RecipLl,           // RecipLlTable[llScale]
};

struct RowLayout {
    const char* name;  // "" where the row has no scale
    bool red;          // colour of the name
    int tooltipId;     // formula string, 1000..1038
    RowGraduation graduation;
    int llScale;         // LL number for Ll and RecipLl, else 0
    int16_t foldOffset;  // pixels: 1044 (pi) or 1050 (sqrt 10) for folded kinds, else 0
};

using FaceRows = std::array<RowLayout, kRowCount>;

// The LL pair shown on the back face: ScaleLL held within 0..2.
int LlPairOf(const RuleState& state);

// The ten rows of the face that `state` shows, with its options.
FaceRows FaceLayout(const RuleState& state);

// The formula tooltips of the ten rows (the tooltipId column of FaceLayout).
std::array<int, kRowCount> RowTooltipIds(const RuleState& state);

// The tooltip area over a row's name, in client coordinates of the main
// window: x 1..30, the row's y range. Tool identifiers are 1100 + row.
struct ScaleNameRect {
    int left;
    int top;
    int right;
    int bottom;
    friend bool operator==(const ScaleNameRect&, const ScaleNameRect&) = default;
};

inline constexpr int kScaleTooltipToolBase = 1100;

ScaleNameRect TooltipArea(int row);  // row 0..9; any other row gives an empty rect
inline constexpr int TooltipToolId(int row) {
    return kScaleTooltipToolBase + row;
}

}  // namespace tesmark
