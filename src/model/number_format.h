#pragma once
// The number texts of the whole system: the readout panel, the edit box, the
// clipboard and the zero rounding all go through FormatNumber.
#include <cstdint>
#include <string>

#include "model/rule_state.h"

namespace tesmark {

enum class NumberStyle : int16_t {
    Sig6 = 0,
    Sig6Mantissa = 1,
    Sig7 = 2,
    Frac6 = 10,
    Frac6Zero = 11,
    Frac6One = 12,
    Frac7 = 15,
    Frac7Zero = 16,
    Frac7One = 17,
    OffsetFromOne = 18,
};

// The text of a value in a style (ASCII). An unknown style code gives "".
std::string FormatNumber(double value, NumberStyle style);

// The style a slot's reading takes when it leaves the panel (edit box and
// clipboard copies with forParsing = false, the zero rounding with true).
NumberStyle SlotReadingStyle(int slot, const RuleState& state, bool forParsing);
std::string FormatSlotReading(double value, int slot, const RuleState& state, bool forParsing);

}  // namespace tesmark
