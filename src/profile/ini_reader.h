#pragma once
// A reader for the profile's INI text, made for files anyone may have
// edited: it only splits the text into sections, keys and string values and
// undoes the escapes of the format. Nothing is interpreted beyond that: a
// value such as "@Variant(...)" is just text.
//
// The format is the one the profile has always been written in: "[Section]"
// lines, "key=value" lines, ";" comments, values optionally in double
// quotes, backslash escapes (\n, \t, \", \\, \xHHHH, octal \0NN, a
// backslash at the end of a line continues it), an unquoted comma making
// the value a list (read back joined by commas), "@@" for a leading "@" and
// "@String(...)" around a text that held a NUL.
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace tesmark {

struct IniValue {
    std::string text;  // UTF-8; the items of a list joined by ","
    bool list = false;
};

using IniSection = std::map<std::string, IniValue, std::less<>>;
using IniDocument = std::map<std::string, IniSection, std::less<>>;

// Which entries to keep; the others are skipped as they are read.
using IniKeyFilter = std::function<bool(std::string_view section, std::string_view key)>;

// Reads a whole file's text. Keys before the first section belong to the
// section "" (the file's "[General]"). A key given twice keeps its last
// value. Never fails: what is not a section or a key line is ignored.
IniDocument ReadIni(std::string_view text, const IniKeyFilter& keep = {});

// One value's text after the "=", unescaped. Nothing when the value stands
// for no value at all ("@Invalid()").
std::optional<IniValue> UnescapeIniValue(std::string_view raw);

// The whole number a value holds: optional white space around an optional
// sign and decimal digits, nothing else; a list is no number. Nothing when
// it does not fit 64 bits.
std::optional<int64_t> IniInteger(const IniValue& value);

}  // namespace tesmark
