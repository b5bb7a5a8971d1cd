#include "profile/ini_writer.h"

namespace tesmark {

namespace {

bool IsHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

}  // namespace

std::string EscapeIniValue(std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out;
    out.reserve(text.size() + 8);
    if (!text.empty() && text.front() == '@') out += '@';
    bool quote = false;
    // A "\x" or "\0" escape reads every hex digit after it, so a digit that
    // follows one is escaped too.
    bool afterNumericEscape = false;
    for (char c : text) {
        auto byte = static_cast<unsigned char>(c);
        if (c == ';' || c == ',' || c == '=') quote = true;
        if (afterNumericEscape && IsHexDigit(c)) {
            out += "\\x";
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
            continue;
        }
        afterNumericEscape = false;
        switch (c) {
            case '\0':
                out += "\\0", afterNumericEscape = true;
                break;
            case '\a':
                out += "\\a";
                break;
            case '\b':
                out += "\\b";
                break;
            case '\f':
                out += "\\f";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\v':
                out += "\\v";
                break;
            case '"':
            case '\\':
                out += '\\';
                out += c;
                break;
            default:
                if (byte < 0x20) {
                    out += "\\x";
                    out += kHex[byte >> 4];
                    out += kHex[byte & 0xF];
                    afterNumericEscape = true;
                } else {
                    out += c;
                }
        }
    }
    if (quote || (!out.empty() && (out.front() == ' ' || out.back() == ' '))) {
        out.insert(out.begin(), '"');
        out += '"';
    }
    return out;
}

void IniWriter::section(std::string_view name) {
    if (!text_.empty()) text_ += '\n';
    text_ += '[';
    text_ += name;
    text_ += "]\n";
}

void IniWriter::value(std::string_view key, std::string_view text) {
    text_ += key;
    text_ += '=';
    text_ += EscapeIniValue(text);
    text_ += '\n';
}

}  // namespace tesmark
