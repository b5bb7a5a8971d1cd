#pragma once
// The formula tooltips over the scale names (string ids 1000..1038). The
// English and the Japanese string tables hold the same formulas; only the
// greeting over the front face's empty R0 differs.
#include <string_view>

namespace tesmark {

inline constexpr int kTooltipFirstId = 1000;
inline constexpr int kTooltipLastId = 1038;

// The text of a tooltip string in a language (0 English, any other value
// Japanese, as the Language setting reads). An unknown id gives "".
std::string_view TooltipText(int id, int language);

}  // namespace tesmark
