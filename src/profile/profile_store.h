#pragma once
// ProfileStore: the per-user settings store, by section and key. SettingsStore
// implements it for the program (an INI file); the tests use it in memory.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tesmark {

class ProfileStore {
  public:
    virtual ~ProfileStore() = default;

    // The stored integer, or nothing when the key is missing or its value is
    // not a whole number. Values wider than 32 bits come back uncut.
    virtual std::optional<int64_t> readInt(std::string_view section, std::string_view key) = 0;
    virtual std::optional<std::string> readString(std::string_view section,
                                                  std::string_view key) = 0;
    virtual void writeInt(std::string_view section, std::string_view key, int32_t value) = 0;
    virtual void writeString(std::string_view section, std::string_view key,
                             std::string_view value) = 0;
    // Makes what was written permanent. Returns false when it could not be stored.
    virtual bool flush() = 0;

    // Where the profile is kept and why the last flush failed, for the
    // message that says so (UTF-8; empty where a store has nothing to say).
    virtual std::string location() const { return {}; }
    virtual std::string lastError() const { return {}; }
};

}  // namespace tesmark
