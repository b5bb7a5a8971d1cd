#pragma once
// The profile as INI text: reads the keys of the profile from a file's
// text and collects what is written into new text, which holds the
// profile's keys only. Where the text comes from and goes to is the
// subclass's business (a file on the Qt side; nothing in the tests).
#include <string>
#include <utility>
#include <vector>

#include "profile/ini_reader.h"
#include "profile/profile_store.h"

namespace tesmark {

class IniProfileStore : public ProfileStore {
  public:
    // Reads the profile's keys from `text`; anything else in it is dropped.
    explicit IniProfileStore(std::string_view text = {});

    std::optional<int64_t> readInt(std::string_view section, std::string_view key) override;
    std::optional<std::string> readString(std::string_view section, std::string_view key) override;
    void writeInt(std::string_view section, std::string_view key, int32_t value) override;
    void writeString(std::string_view section, std::string_view key,
                     std::string_view value) override;
    // Hands the written text to commit().
    bool flush() override;

    // Everything written so far, sections in the order first written.
    std::string writtenText() const;

  protected:
    // Replaces what was read; used by a subclass that reads its text late.
    void load(std::string_view text);
    // Makes the text permanent; true when it was stored.
    virtual bool commit(const std::string& text);

  private:
    const IniValue* find(std::string_view section, std::string_view key) const;

    IniDocument read_;
    std::vector<std::pair<std::string, std::vector<std::pair<std::string, std::string>>>> written_;
};

}  // namespace tesmark
