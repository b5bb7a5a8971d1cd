#include "model/number_format.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string_view>

#include "model/slot_scale.h"

namespace tesmark {
namespace {

// Every integer field of the texts is a signed 32-bit value. A value whose
// field would not fit (or that is not a number at all) has no text; it is
// shown as the dashes of a slot without a reading.
constexpr double kFieldLimit = 2147483648.0;  // 2^31

bool FitsField(double v) {
    return std::isfinite(v) && v > -kFieldLimit && v < kFieldLimit;
}

// Truncation toward zero into 32 bits; callers check FitsField first.
int32_t Trunc32(double v) {
    return static_cast<int32_t>(v);
}

std::string Printed(const char* format, auto... fields) {
    char text[64];
    const int length = std::snprintf(text, sizeof text, format, fields...);
    return std::string(text, static_cast<std::size_t>(length < 0 ? 0 : length));
}

std::string CutAfter(std::string text, std::size_t length) {
    if (text.size() > length) text.resize(length);
    return text;
}

// One entry per significant-digit style: below each bound the half-unit of
// the last digit kept is added before truncating.
struct HalfUnitStep {
    double below;
    double add;
};

constexpr HalfUnitStep kSig6HalfUnits[] = {
    {10.0, 0.000005}, {100.0, 0.00005}, {1000.0, 0.0005}, {10000.0, 0.005}, {100000.0, 0.05},
};
constexpr HalfUnitStep kSig7HalfUnits[] = {
    {10.0, 0.0000005}, {100.0, 0.000005}, {1000.0, 0.00005},
    {10000.0, 0.0005}, {100000.0, 0.005}, {1000000.0, 0.05},
};

struct SignificantStyle {
    const HalfUnitStep* halfUnits;
    std::size_t halfUnitCount;
    double fractionScale;
    const char* format;
    std::size_t width;
};

constexpr SignificantStyle kSig6Style{kSig6HalfUnits, std::size(kSig6HalfUnits), 100000.0,
                                      "%ld.%05ld", 7};
constexpr SignificantStyle kSig7Style{kSig7HalfUnits, std::size(kSig7HalfUnits), 1000000.0,
                                      "%ld.%06ld", 8};

// A non-negative value with a fixed count of significant digits: round at
// the last digit kept, print the whole field, then cut to the style's width
// (from 10^6 up the cut drops digits without rounding).
std::string SignificantMagnitude(double value, const SignificantStyle& style) {
    for (std::size_t k = 0; k < style.halfUnitCount; ++k) {
        if (value < style.halfUnits[k].below) {
            value += style.halfUnits[k].add;
            break;
        }
    }
    if (!FitsField(value)) return std::string(kUnprintableNumberText);
    const int32_t i = Trunc32(value);
    const int32_t f = Trunc32((value - i) * style.fractionScale);
    return CutAfter(Printed(style.format, static_cast<long>(i), static_cast<long>(f)), style.width);
}

// Negative values (no reading on the rule is negative) keep their sign in
// front of the magnitude's text, so the text still reads back as the value.
std::string Significant(double value, const SignificantStyle& style) {
    if (!std::isfinite(value)) return std::string(kUnprintableNumberText);
    if (value < 0.0) {
        const std::string magnitude = SignificantMagnitude(-value, style);
        if (magnitude == kUnprintableNumberText) return magnitude;
        return "-" + magnitude;
    }
    return SignificantMagnitude(value, style);
}

double Mantissa(double value) {
    // Zero has no mantissa (and would never leave the first loop); it stays 0.
    if (value == 0.0 || !std::isfinite(value)) return value;
    const bool negative = value < 0.0;
    if (negative) value = -value;
    while (value < 1.0) value *= 10.0;
    while (value >= 10.0) value /= 10.0;
    return negative ? -value : value;
}

struct FractionStyle {
    double halfUnit;
    double upperBound;
    double scale;
    const char* format;
};

constexpr FractionStyle kFrac6Style{0.0000005, 0.999999, 1000000.0, "%s.%06ld"};
constexpr FractionStyle kFrac7Style{0.00000005, 0.9999999, 10000000.0, "%s.%07ld"};

// The fractional part only, after rounding at the last decimal; a value that
// rounds up to the next whole number prints as ".000000".
std::string Fraction(double value, const FractionStyle& style, const char* prefix) {
    if (!FitsField(value)) return std::string(kUnprintableNumberText);
    double y = value + style.halfUnit;
    // Whole units come off one at a time. For large |y| most of them are
    // taken at once: below 2^53 each single step is exact, so removing
    // floor(|y|) - 1 units in one go gives the same y as the loops would.
    if (y > 2.0) y -= std::floor(y) - 1.0;
    while (y > style.upperBound) y -= 1.0;
    if (y < -2.0) y += std::floor(-y) - 1.0;
    while (y < 0.0) y += 1.0;
    const int32_t d = Trunc32(y * style.scale);
    return Printed(style.format, prefix, static_cast<long>(d));
}

// The value minus one, signed, for reading back as a number.
std::string OffsetFromOneText(double value) {
    double y = value - 1.0;
    if (y > 0.0) y += 0.0000005;
    const char* prefix = "0";
    if (y < 0.0) {
        y -= 0.0000005;
        y = -y;
        prefix = "-";
    }
    if (!FitsField(y)) return std::string(kUnprintableNumberText);
    const int32_t i = Trunc32(y);
    const int32_t f = Trunc32((y - i) * 1000000.0);
    return Printed("%s%ld.%06ld", prefix, static_cast<long>(i), static_cast<long>(f));
}

// The text of a back-face log-log reading by the number k of the scale shown.
constexpr NumberStyle kLogLogStyles[] = {
    NumberStyle::Frac7One,  // LL0: 1.00x, only the decimals matter
    NumberStyle::Frac6One,  // LL1
    NumberStyle::Sig7,      // LL2
    NumberStyle::Sig6,      // LL3
};

}  // namespace

std::string FormatNumber(double value, NumberStyle style) {
    switch (style) {
        case NumberStyle::Sig6:
            return Significant(value, kSig6Style);
        case NumberStyle::Sig6Mantissa:
            return Significant(Mantissa(value), kSig6Style);
        case NumberStyle::Sig7:
            return Significant(value, kSig7Style);
        case NumberStyle::Frac6:
            return Fraction(value, kFrac6Style, "");
        case NumberStyle::Frac6Zero:
            return Fraction(value, kFrac6Style, "0");
        case NumberStyle::Frac6One:
            return Fraction(value, kFrac6Style, "1");
        case NumberStyle::Frac7:
            return Fraction(value, kFrac7Style, "");
        case NumberStyle::Frac7Zero:
            return Fraction(value, kFrac7Style, "0");
        case NumberStyle::Frac7One:
            return Fraction(value, kFrac7Style, "1");
        case NumberStyle::OffsetFromOne:
            return OffsetFromOneText(value);
    }
    return {};
}

NumberStyle SlotReadingStyle(int slot, const RuleState& state, bool forParsing) {
    const SlotScale scale = ScaleOfSlot(slot, state);
    switch (scale.kind) {
        case ScaleKind::RecipLL:
            return NumberStyle::Frac7Zero;
        case ScaleKind::LL:
            if (scale.llScale < 0 || scale.llScale >= static_cast<int>(std::size(kLogLogStyles))) {
                return NumberStyle::Sig6;
            }
            return kLogLogStyles[scale.llScale];
        case ScaleKind::L:
            // Under the cursor L is stored as log10(D) + 1, so the text read
            // back is the offset from one; at a slide index it is the slide's
            // offset itself, whose fractional part is the L value shown.
            if (!forParsing || scale.atIndex()) return NumberStyle::Frac6Zero;
            return NumberStyle::OffsetFromOne;
        default:
            return NumberStyle::Sig6;
    }
}

std::string FormatSlotReading(double value, int slot, const RuleState& state, bool forParsing) {
    return FormatNumber(value, SlotReadingStyle(slot, state, forParsing));
}

}  // namespace tesmark
