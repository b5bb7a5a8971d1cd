#pragma once
// Reading numbers back from text: the leading decimal number of a text, as
// the clipboard, the edit box and the zero rounding read it. The parse never
// depends on the process locale: the decimal separator is always ".".
#include <string>
#include <string_view>

namespace tesmark {

// Leading blanks, an optional sign, then the longest decimal number (digits,
// a point, an exponent; also the words "inf" and "nan", which no move
// accepts). Hexadecimal is not read: "0x10" gives its decimal prefix 0. A
// text without a leading number gives 0.
double ParseLeadingNumber(std::string_view text);

// A pasted text is cut to its first `limit` characters (UTF-8 code points)
// before it is parsed.
inline constexpr std::size_t kPasteCharacterLimit = 20;
std::string_view FirstCharacters(std::string_view utf8, std::size_t limit);
double ParsePastedNumber(std::string_view utf8);

}  // namespace tesmark
