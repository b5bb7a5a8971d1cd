#pragma once
// The number texts of the whole system: the readout panel, the edit box, the
// clipboard and the zero rounding all go through FormatNumber.
//
// Texts are ASCII, "." is always the decimal separator, no locale is used.
//   Sig6, Sig6Mantissa  6 significant digits, 7 characters ("3.14159",
//                       "31415.9"); from 10^6 up the digits past the 7th
//                       character are cut without rounding ("3141592").
//   Sig7                7 significant digits, 8 characters.
//   Frac6/Frac7         the fractional part with 6 or 7 decimals and no
//                       leading digit (".500000"); the Zero and One variants
//                       put "0" or "1" in front.
//   OffsetFromOne       value - 1 with a sign prefix ("00.500000",
//                       "-0.050000"); only ever read back as a number.
//
// Values no reading produces, handled so that the text is never garbage:
//   - A negative value in Sig6, Sig6Mantissa or Sig7 prints as "-" followed
//     by the text of its magnitude, so it is one character longer than the
//     style's width and still reads back as the value: -99.0 in Sig6 gives
//     "-99.0000", -3.14159265 gives "-3.14159". Sig6Mantissa brings the
//     magnitude into [1, 10) and keeps the sign. Zero in Sig6Mantissa has no
//     mantissa and prints as 0 ("0.00000").
//   - NaN, infinities and values whose integer field would not fit in 32 bits
//     (|value| >= 2^31) print as kUnprintableNumberText, the eight dashes of
//     a slot without a reading, in every style.
#include <cstdint>
#include <string>
#include <string_view>

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

// The text shown for a value that has no printable text (see above).
inline constexpr std::string_view kUnprintableNumberText = "--------";

// The text of a value in a style (ASCII). An unknown style code gives "".
std::string FormatNumber(double value, NumberStyle style);

// The style a slot's reading takes when it leaves the panel (edit box and
// clipboard copies with forParsing = false, the zero rounding with true).
// On the back face the log-log rows take their style from the number k of the
// scale shown (LL0 Frac7One, LL1 Frac6One, LL2 Sig7, LL3 Sig6); a ScaleLL
// outside 0..2 that leads to another k gives Sig6. The front face's L reads
// back as the offset from one under the cursor (stored there as log10 D + 1)
// and as its fractional part at the slide indices (stored as the offset).
NumberStyle SlotReadingStyle(int slot, const RuleState& state, bool forParsing);
std::string FormatSlotReading(double value, int slot, const RuleState& state, bool forParsing);

}  // namespace tesmark
