// The number texts: arbitrary doubles in every style code (known or not),
// and the slot styles for arbitrary slots, faces and pairs. Every text is
// printable ASCII of bounded length, the styles' fixed widths hold for the
// values the readings produce, and every text reads back as a finite number.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "model/number_format.h"
#include "model/rule_state.h"
#include "ops/parse_number.h"

namespace {

void CheckText(const std::string& text) {
    // The longest text: a sign, ten digits, a point and seven decimals.
    if (text.size() > 20) std::abort();
    for (char c : text) {
        if (c < 0x20 || c > 0x7E) std::abort();
    }
    if (!text.empty() && !std::isfinite(tesmark::ParseLeadingNumber(text))) std::abort();
}

bool KnownStyle(int16_t code) {
    switch (code) {
        case 0:
        case 1:
        case 2:
        case 10:
        case 11:
        case 12:
        case 15:
        case 16:
        case 17:
        case 18:
            return true;
        default:
            return false;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    using tesmark::NumberStyle;
    FuzzedDataProvider input(data, size);
    const double value = input.ConsumeFloatingPoint<double>();
    const auto code = input.ConsumeIntegral<int16_t>();
    const std::string text = tesmark::FormatNumber(value, static_cast<NumberStyle>(code));
    CheckText(text);
    if (!KnownStyle(code) && !text.empty()) std::abort();

    // Readings lie in [0, 10^6): the significant styles keep their widths.
    if (value >= 0.0 && value < 1e6) {
        if (tesmark::FormatNumber(value, NumberStyle::Sig6).size() != 7) std::abort();
        if (tesmark::FormatNumber(value, NumberStyle::Sig7).size() != 8) std::abort();
    }

    tesmark::RuleState state;
    state.SlideRev = input.ConsumeIntegral<int16_t>();
    state.ScaleLL = input.ConsumeIntegral<int16_t>();
    const int slot = input.ConsumeIntegralInRange<int>(-40, 40);
    const bool forParsing = input.ConsumeBool();
    const NumberStyle style = tesmark::SlotReadingStyle(slot, state, forParsing);
    if (!KnownStyle(static_cast<int16_t>(style))) std::abort();
    CheckText(tesmark::FormatSlotReading(value, slot, state, forParsing));
    return 0;
}
