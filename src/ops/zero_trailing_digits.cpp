#include "ops/zero_trailing_digits.h"

#include <string>

#include "model/number_format.h"
#include "ops/parse_number.h"

namespace tesmark {

double ZeroTrailingDigits(double x, int n, const RuleState& state) {
    std::string text = FormatSlotReading(x, state.NumFoucs, state, true);
    int zeroed = 0;
    for (auto c = text.rbegin(); c != text.rend(); ++c) {
        if (n > 0) {
            if (*c == '.') continue;
            *c = '0';
            if (++zeroed == n) break;
        } else if (*c != '0' && *c != '.') {
            *c = '0';
            break;
        }
    }
    return ParseLeadingNumber(text);
}

}  // namespace tesmark
