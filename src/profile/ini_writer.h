#pragma once
// Writes INI text that the reader (and every earlier version of the
// program) reads back as the same sections, keys and texts.
#include <string>
#include <string_view>

namespace tesmark {

// A value's text as it stands after the "=": backslash escapes for
// control characters, quotes and backslashes; double quotes around a value
// holding ";", "," or "=" or starting or ending with a space; "@" doubled
// at the start. UTF-8 is written as it is.
std::string EscapeIniValue(std::string_view text);

class IniWriter {
  public:
    // Starts a section; the keys that follow belong to it.
    void section(std::string_view name);
    void value(std::string_view key, std::string_view text);

    const std::string& text() const { return text_; }

  private:
    std::string text_;
};

}  // namespace tesmark
