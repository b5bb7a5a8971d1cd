#include "model/scale_layout.h"

#include <algorithm>

#include "tables/graduation.h"

namespace tesmark {
namespace {

constexpr int16_t kSqrtTenFoldOffset = HalfDecadeLength;  // sqrt(10) at the middle of the decade

// The front face; R4 and R5 are completed from kFrontTrigRows.
constexpr FaceRows kFrontRows = {{
    {"", false, 1000, RowGraduation::None, 0, 0},
    {"K", false, 1010, RowGraduation::K, 0, 0},
    {"A", false, 1003, RowGraduation::Ab, 0, 0},
    {"B", false, 1004, RowGraduation::Ab, 0, 0},
    {"T", false, 1035, RowGraduation::T, 0, 0},
    {"S", false, 1031, RowGraduation::S, 0, 0},
    {"C", false, 1002, RowGraduation::Cd, 0, 0},
    {"D", false, 1001, RowGraduation::Cd, 0, 0},
    {"DI", true, 1009, RowGraduation::CdInverted, 0, 0},
    {"L", false, 1021, RowGraduation::L, 0, 0},
}};

// The trigonometric rows of the front slide by ScaleST, then by SinNum: the
// graduations carry both numberings, only the formula tooltips differ.
struct TrigRows {
    RowLayout tangent;  // R4
    RowLayout sine;     // R5
};

constexpr TrigRows kFrontTrigRows[2][2] = {
    {
        {{"T", false, 1035, RowGraduation::T, 0, 0}, {"S", false, 1031, RowGraduation::S, 0, 0}},
        {{"T", false, 1037, RowGraduation::T, 0, 0}, {"S", false, 1033, RowGraduation::S, 0, 0}},
    },
    {
        {{"T0", false, 1036, RowGraduation::T0, 0, 0},
         {"S0", false, 1032, RowGraduation::S0, 0, 0}},
        {{"T0", false, 1038, RowGraduation::T0, 0, 0},
         {"S0", false, 1034, RowGraduation::S0, 0, 0}},
    },
};

// The log-log scales by their number k = 0..3.
struct LlScaleNames {
    const char* name;
    int tooltipId;
    const char* reciprocalName;
    int reciprocalTooltipId;
};

constexpr LlScaleNames kLlScales[kLlScaleCount] = {
    {"LL0", 1022, "LL/0", 1026},
    {"LL1", 1023, "LL/1", 1027},
    {"LL2", 1024, "LL/2", 1028},
    {"LL3", 1025, "LL/3", 1029},
};

// The folded scales by ScalePI: 0 folds at pi, 1 at sqrt(10).
struct FoldedTooltips {
    int df;
    int cf;
    int cif;
    int16_t offset;
};

constexpr FoldedTooltips kFolded[2] = {
    {1011, 1012, 1013, PiOffset},
    {1006, 1007, 1008, kSqrtTenFoldOffset},
};

FaceRows FrontLayout(const RuleState& state) {
    FaceRows rows = kFrontRows;
    const TrigRows& trig = kFrontTrigRows[state.ScaleST != 0 ? 1 : 0][state.SinNum != 0 ? 1 : 0];
    rows[4] = trig.tangent;
    rows[5] = trig.sine;
    return rows;
}

FaceRows BackLayout(const RuleState& state) {
    const int n = LlPairOf(state);
    const LlScaleNames& lower = kLlScales[n];
    const LlScaleNames& upper = kLlScales[n + 1];
    const FoldedTooltips& folded = kFolded[state.ScalePI != 0 ? 1 : 0];
    return {{
        {lower.reciprocalName, true, lower.reciprocalTooltipId, RowGraduation::RecipLl, n, 0},
        {upper.reciprocalName, true, upper.reciprocalTooltipId, RowGraduation::RecipLl, n + 1, 0},
        {"DF", false, folded.df, RowGraduation::CdFolded, 0, folded.offset},
        {"CF", false, folded.cf, RowGraduation::CdFolded, 0, folded.offset},
        {"CIF", true, folded.cif, RowGraduation::CdInvertedFolded, 0, folded.offset},
        {"CI", true, 1005, RowGraduation::CdInverted, 0, 0},
        {"C", false, 1002, RowGraduation::Cd, 0, 0},
        {"D", false, 1001, RowGraduation::Cd, 0, 0},
        {upper.name, false, upper.tooltipId, RowGraduation::Ll, n + 1, 0},
        {lower.name, false, lower.tooltipId, RowGraduation::Ll, n, 0},
    }};
}

// Tops and bottoms of the tooltip areas over the scale names, R0..R9.
struct RowSpan {
    int top;
    int bottom;
};

constexpr RowSpan kTooltipRows[kRowCount] = {
    {40, 58},   {58, 74},   {74, 92},   {92, 108},  {108, 124},
    {124, 141}, {141, 159}, {159, 175}, {175, 193}, {193, 208},
};

constexpr int kTooltipLeft = 1;
constexpr int kTooltipRight = 30;

}  // namespace

int LlPairOf(const RuleState& state) {
    return std::clamp<int>(state.ScaleLL, 0, kLlScaleCount - 2);
}

FaceRows FaceLayout(const RuleState& state) {
    return state.SlideRev == 0 ? FrontLayout(state) : BackLayout(state);
}

std::array<int, kRowCount> RowTooltipIds(const RuleState& state) {
    const FaceRows rows = FaceLayout(state);
    std::array<int, kRowCount> ids{};
    std::transform(rows.begin(), rows.end(), ids.begin(),
                   [](const RowLayout& row) { return row.tooltipId; });
    return ids;
}

ScaleNameRect TooltipArea(int row) {
    if (row < 0 || row >= kRowCount) return {0, 0, 0, 0};
    return {kTooltipLeft, kTooltipRows[row].top, kTooltipRight, kTooltipRows[row].bottom};
}

}  // namespace tesmark
