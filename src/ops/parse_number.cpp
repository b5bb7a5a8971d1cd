#include "ops/parse_number.h"

#include <charconv>
#include <cstddef>
#include <limits>

namespace tesmark {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// The unsigned part, decimal only: a slide rule is set with the decimal
// numbers people type and copy, so "0x10" reads as its decimal prefix 0 (which
// no scale but L shows) rather than as 16. The words "inf", "infinity" and
// "nan" read as what they name; the moves refuse them.
double ParseUnsigned(std::string_view text) {
    double value = 0.0;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    auto [end, ec] = std::from_chars(first, last, value, std::chars_format::general);
    if (end == first) return 0.0;
    if (ec == std::errc::result_out_of_range) {
        // Like strtod: too large gives infinity, too small gives zero.
        bool negativeExponent = false;
        for (const char* c = first; c != end; ++c) {
            if ((*c == 'e' || *c == 'E') && c + 1 != end && c[1] == '-') negativeExponent = true;
        }
        return negativeExponent ? 0.0 : std::numeric_limits<double>::infinity();
    }
    return value;
}

}  // namespace

double ParseLeadingNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // from_chars takes no sign of its own, so a second sign ends the number.
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) return 0.0;
    const double magnitude = ParseUnsigned(text.substr(i));
    return negative ? -magnitude : magnitude;
}

std::string_view FirstCharacters(std::string_view utf8, std::size_t limit) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        // A byte that does not continue a sequence starts a character.
        if ((static_cast<unsigned char>(utf8[i]) & 0xC0) != 0x80) {
            if (characters == limit) return utf8.substr(0, i);
            ++characters;
        }
    }
    return utf8;
}

double ParsePastedNumber(std::string_view utf8) {
    return ParseLeadingNumber(FirstCharacters(utf8, kPasteCharacterLimit));
}

}  // namespace tesmark
