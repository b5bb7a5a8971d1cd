#pragma once
// How the readout panel shows each row: the number style and whether the
// text is red. The same in all three columns.
#include <optional>

#include "model/number_format.h"
#include "model/rule_state.h"

namespace tesmark {

struct PanelRowStyle {
    NumberStyle style;
    bool red;
};

// Nothing for a row the panel leaves empty (R0 of the front face).
std::optional<PanelRowStyle> PanelStyleOfRow(int row, const RuleState& state);

// The panel's text of a value in a row, without its padding; "--------" for
// a slot without a reading, "" for a row the panel leaves empty.
std::string PanelText(double value, int row, const RuleState& state);

}  // namespace tesmark
