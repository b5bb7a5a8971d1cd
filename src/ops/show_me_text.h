#pragma once
// The texts of "Show me" in English and Japanese: what each step does, and
// why a calculation is refused. They live here rather than in the shared
// string table because only "Show me" uses them.
#include <string>
#include <string_view>

#include "model/string_table.h"
#include "ops/show_me_expression.h"

namespace tesmark {

// Why a typed calculation did not parse.
std::string ShowMeParseRefusal(const ShowMeParse& parse, Language language);

// Why the rule cannot do a calculation that parsed.
enum class ShowMeReach {
    Sine,         // the angle lies beyond S and S0
    Cosine,       // the angle lies beyond S and S0 in the cosine numbering
    Tangent,      // the angle lies beyond T and T0
    Logarithm,    // ln: the value lies beyond the LL scales
    Exponential,  // e^x: x lies beyond the D range of the LL scales
    Power,        // x^y: the result lies beyond the LL scales
    PowerBase,    // x^y: x lies beyond the LL scales (or is 1)
    NotPositive,  // an intermediate result is zero or negative
    Magnitude,    // the result is too large or too small to keep track of
    RuleRefused,  // the rule refused a move (detail: its message)
};
std::string ShowMeReachRefusal(ShowMeReach reach, std::string_view detail, Language language);

// A number as a step shows it: up to six significant digits, no trailing
// zeros ("2.5", "0.35", "30").
std::string ShowMeNumberText(double value);
// A result as it is read off the rule: three significant digits ("7.71").
std::string ShowMeResultText(double value);
// A result read on a log-log scale: near 1, three digits of its distance
// from 1 ("1.00200"); elsewhere as ShowMeResultText.
std::string ShowMeLogLogResultText(double value);

}  // namespace tesmark
