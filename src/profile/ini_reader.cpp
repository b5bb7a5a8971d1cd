#include "profile/ini_reader.h"

#include <cstdint>
#include <utility>

namespace tesmark {

namespace {

bool IsLineSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsLineSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsLineSpace(text.back())) text.remove_suffix(1);
    return text;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

int OctalDigit(char c) {
    return (c >= '0' && c <= '7') ? c - '0' : -1;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

// The text is kept as UTF-16 code units while it is unescaped, because a
// "\x" escape gives one code unit; it becomes UTF-8 at the end.
void AppendUtf8AsUtf16(std::string_view bytes, std::u16string& out) {
    constexpr char16_t kReplacement = 0xFFFD;
    std::size_t i = 0;
    while (i < bytes.size()) {
        auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80) {
            out += static_cast<char16_t>(lead);
            ++i;
            continue;
        }
        std::size_t length = 0;
        char32_t code = 0;
        char32_t least = 0;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2, code = lead & 0x1F, least = 0x80;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3, code = lead & 0x0F, least = 0x800;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4, code = lead & 0x07, least = 0x10000;
        }
        std::size_t used = 1;
        while (length != 0 && used < length && i + used < bytes.size() &&
               (static_cast<unsigned char>(bytes[i + used]) & 0xC0) == 0x80) {
            code = (code << 6) | (static_cast<unsigned char>(bytes[i + used]) & 0x3F);
            ++used;
        }
        const bool valid = length != 0 && used == length && code >= least && code <= 0x10FFFF &&
                           !(code >= 0xD800 && code <= 0xDFFF);
        if (!valid) {
            out += kReplacement;
            i += used;
            continue;
        }
        if (code >= 0x10000) {
            code -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (code >> 10));
            out += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
        } else {
            out += static_cast<char16_t>(code);
        }
        i += used;
    }
}

void AppendCodePoint(char32_t code, std::string& out) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// A lone surrogate (only an escape can make one) becomes U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t unit = text[i];
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            AppendCodePoint(0x10000 + ((unit - 0xD800) << 10) + (text[i + 1] - 0xDC00), out);
            ++i;
        } else if (unit >= 0xD800 && unit <= 0xDFFF) {
            AppendCodePoint(0xFFFD, out);
        } else {
            AppendCodePoint(unit, out);
        }
    }
    return out;
}

// The one-letter escapes: "\\n" and the like.
std::optional<char16_t> SimpleEscape(char letter) {
    static constexpr std::pair<char, char16_t> kSimple[] = {
        {'a', u'\a'}, {'b', u'\b'}, {'f', u'\f'}, {'n', u'\n'},  {'r', u'\r'}, {'t', u'\t'},
        {'v', u'\v'}, {'"', u'"'},  {'?', u'?'},  {'\'', u'\''}, {'\\', u'\\'}};
    for (const auto& [name, code] : kSimple) {
        if (letter == name) return code;
    }
    return std::nullopt;
}

void ChopTrailingSpaces(std::u16string& text, std::size_t limit) {
    while (text.size() > limit && (text.back() == u' ' || text.back() == u'\t')) text.pop_back();
}

// The items of a value: quotes, escapes and list commas undone.
struct Unescaped {
    std::u16string text;
    std::u16string joined;  // the items before the last, each followed by ","
    bool list = false;
};

Unescaped UnescapeItems(std::string_view raw) {
    Unescaped result;
    std::u16string& item = result.text;
    bool inQuotes = false;
    bool itemQuoted = false;
    std::size_t i = 0;
    auto skipSpaces = [&] {
        while (i < raw.size() && (raw[i] == ' ' || raw[i] == '\t')) ++i;
    };
    skipSpaces();
    // Trailing blanks of unquoted text are dropped, but never those that
    // an escape or a quote produced: chopLimit marks where they end.
    std::size_t chopLimit = 0;
    while (i < raw.size()) {
        const char c = raw[i];
        if (c == '\\') {
            ++i;
            if (i >= raw.size()) break;
            const char e = raw[i++];
            if (std::optional<char16_t> code = SimpleEscape(e)) {
                item += *code;
            } else if (e == 'x') {
                if (i < raw.size() && HexDigit(raw[i]) >= 0) {
                    char16_t value = 0;
                    while (i < raw.size() && HexDigit(raw[i]) >= 0) {
                        value = static_cast<char16_t>((value << 4) + HexDigit(raw[i++]));
                    }
                    item += value;
                }
            } else if (OctalDigit(e) >= 0) {
                auto value = static_cast<char16_t>(OctalDigit(e));
                while (i < raw.size() && OctalDigit(raw[i]) >= 0) {
                    value = static_cast<char16_t>((value << 3) + OctalDigit(raw[i++]));
                }
                item += value;
            } else if (e == '\n' || e == '\r') {
                // A line continued: an end of line in any of its spellings.
                if (i < raw.size() && (raw[i] == '\n' || raw[i] == '\r') && raw[i] != e) ++i;
            }
            // Any other escaped character is dropped.
            chopLimit = item.size();
        } else if (c == '"') {
            ++i;
            itemQuoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes) {
                skipSpaces();
                chopLimit = item.size();
            }
        } else if (c == ',' && !inQuotes) {
            if (!itemQuoted) ChopTrailingSpaces(item, chopLimit);
            result.list = true;
            result.joined += item;
            result.joined += u',';
            item.clear();
            itemQuoted = false;
            ++i;
            skipSpaces();
            chopLimit = 0;
        } else {
            std::size_t j = i + 1;
            while (j < raw.size() && raw[j] != '\\' && raw[j] != '"' && raw[j] != ',') ++j;
            AppendUtf8AsUtf16(raw.substr(i, j - i), item);
            i = j;
        }
    }
    if (!itemQuoted) ChopTrailingSpaces(item, chopLimit);
    return result;
}

// The line ends at an unquoted end of line or an unquoted ";" (a comment
// follows). A backslash protects the next character, so an escaped end of
// line continues the line. `equals` is the first unquoted "=", if any.
struct Line {
    std::string_view text;
    std::size_t equals = std::string_view::npos;
};

bool NextLine(std::string_view data, std::size_t& pos, Line& line) {
    while (true) {
        while (pos < data.size() && IsLineSpace(data[pos])) ++pos;
        if (pos >= data.size()) return false;
        if (data[pos] != ';') break;
        while (pos < data.size() && data[pos] != '\n' && data[pos] != '\r') ++pos;
    }
    const std::size_t start = pos;
    bool inQuotes = false;
    line.equals = std::string_view::npos;
    while (pos < data.size()) {
        const char c = data[pos];
        if ((c == '\n' || c == '\r' || c == ';') && !inQuotes) break;
        ++pos;
        if (c == '=' && !inQuotes && line.equals == std::string_view::npos) {
            line.equals = pos - 1 - start;
        } else if (c == '"') {
            inQuotes = !inQuotes;
        } else if (c == '\\' && pos < data.size()) {
            const char next = data[pos++];
            if (pos < data.size() &&
                ((next == '\n' && data[pos] == '\r') || (next == '\r' && data[pos] == '\n'))) {
                ++pos;
            }
        }
    }
    line.text = data.substr(start, pos - start);
    return true;
}

}  // namespace

std::optional<IniValue> UnescapeIniValue(std::string_view raw) {
    Unescaped items = UnescapeItems(raw);
    IniValue value;
    value.list = items.list;
    if (items.list) {
        value.text = Utf16ToUtf8(items.joined + items.text);
        return value;
    }
    std::u16string_view text = items.text;
    if (text.size() >= 2 && text.front() == u'@') {
        if (text == u"@Invalid()") return std::nullopt;
        constexpr std::u16string_view kStringForm = u"@String(";
        if (text.substr(0, kStringForm.size()) == kStringForm && text.back() == u')') {
            text = text.substr(kStringForm.size(), text.size() - kStringForm.size() - 1);
        } else if (text[1] == u'@') {
            text.remove_prefix(1);
        }
    }
    value.text = Utf16ToUtf8(text);
    return value;
}

std::optional<int64_t> IniInteger(const IniValue& value) {
    if (value.list) return std::nullopt;
    std::string_view text = Trimmed(value.text);
    if (text.empty()) return std::nullopt;
    bool negative = false;
    if (text.front() == '+' || text.front() == '-') {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) return std::nullopt;
    // Accumulated as a negative number, whose range is one larger.
    int64_t number = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        const int digit = c - '0';
        if (number < (INT64_MIN + digit) / 10) return std::nullopt;
        number = number * 10 - digit;
    }
    if (!negative) {
        if (number == INT64_MIN) return std::nullopt;
        number = -number;
    }
    return number;
}

IniDocument ReadIni(std::string_view text, const IniKeyFilter& keep) {
    IniDocument document;
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        text.remove_prefix(kByteOrderMark.size());
    }
    std::string section;
    std::size_t pos = 0;
    Line line;
    while (NextLine(text, pos, line)) {
        if (line.text.front() == '[') {
            std::size_t close = line.text.find(']');
            std::string_view name = Trimmed(line.text.substr(
                1, close == std::string_view::npos ? std::string_view::npos : close - 1));
            if (EqualsIgnoringCase(name, "general")) {
                section.clear();
            } else if (EqualsIgnoringCase(name, "%general")) {
                section = std::string(name.substr(1));
            } else {
                section = std::string(name);
            }
            continue;
        }
        if (line.equals == std::string_view::npos) continue;
        std::string_view key = Trimmed(line.text.substr(0, line.equals));
        if (keep && !keep(section, key)) continue;
        std::optional<IniValue> value = UnescapeIniValue(line.text.substr(line.equals + 1));
        IniSection& entries = document[section];
        if (value) {
            entries.insert_or_assign(std::string(key), std::move(*value));
        } else {
            entries.erase(std::string(key));
        }
    }
    return document;
}

}  // namespace tesmark
