#include "model/panel_style.h"

#include "model/reading_table.h"

namespace tesmark {

namespace {

constexpr PanelRowStyle kFrontRows[10] = {
    {NumberStyle::Sig6, false},   // R0: nothing is drawn (see below)
    {NumberStyle::Sig6, false},   // R1 K
    {NumberStyle::Sig6, false},   // R2 A
    {NumberStyle::Sig6, false},   // R3 B
    {NumberStyle::Sig6, false},   // R4 T or T0 (red with the cosine numbering)
    {NumberStyle::Sig6, false},   // R5 S or S0 (red with the cosine numbering)
    {NumberStyle::Sig6, false},   // R6 C
    {NumberStyle::Sig6, false},   // R7 D
    {NumberStyle::Sig6, true},    // R8 DI
    {NumberStyle::Frac6, false},  // R9 L
};

constexpr PanelRowStyle kBackRows[10] = {
    {NumberStyle::Frac7, true},          // R0 LL/n
    {NumberStyle::Frac7, true},          // R1 LL/(n+1)
    {NumberStyle::Sig6Mantissa, false},  // R2 DF
    {NumberStyle::Sig6Mantissa, false},  // R3 CF
    {NumberStyle::Sig6Mantissa, true},   // R4 CIF
    {NumberStyle::Sig6, true},           // R5 CI
    {NumberStyle::Sig6, false},          // R6 C
    {NumberStyle::Sig6, false},          // R7 D
    {NumberStyle::Sig7, false},          // R8 LL(n+1): Sig6 for LL3
    {NumberStyle::Sig7, false},          // R9 LLn: Frac7 for LL0
};

}  // namespace

std::optional<PanelRowStyle> PanelStyleOfRow(int row, const RuleState& state) {
    if (row < 0 || row > 9) return std::nullopt;
    if (state.SlideRev == 0) {
        if (row == 0) return std::nullopt;
        PanelRowStyle style = kFrontRows[row];
        if ((row == 4 || row == 5) && state.SinNum != 0) style.red = true;
        return style;
    }
    PanelRowStyle style = kBackRows[row];
    if (row == 8 && state.ScaleLL == 2) style.style = NumberStyle::Sig6;
    if (row == 9 && state.ScaleLL == 0) style.style = NumberStyle::Frac7;
    return style;
}

std::string PanelText(double value, int row, const RuleState& state) {
    std::optional<PanelRowStyle> style = PanelStyleOfRow(row, state);
    if (!style) return "";
    if (value == NoReading) return "--------";
    return FormatNumber(value, style->style);
}

}  // namespace tesmark
