// The number parse of the edit box and the clipboard: any bytes, as a whole
// text and cut to the paste limit, must give a number (or 0) without
// reading past the text, and the cut must be a prefix of whole characters.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "ops/parse_number.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    (void)tesmark::ParseLeadingNumber(text);
    (void)tesmark::ParsePastedNumber(text);

    const std::size_t limit = size == 0 ? 0 : data[0] % 40;
    const std::string_view cut = tesmark::FirstCharacters(text, limit);
    if (cut.size() > text.size() || text.substr(0, cut.size()) != cut) std::abort();
    // Never more code points than asked: count the bytes that start one.
    std::size_t starts = 0;
    for (char c : cut) starts += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    if (starts > limit) std::abort();
    return 0;
}
