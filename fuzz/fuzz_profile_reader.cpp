// Arbitrary bytes as a profile file: reading them, loading the state from
// them and writing it back must never crash, hang or leak, and the text
// written must read back as the state loaded.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "profile/ini_profile_store.h"
#include "profile/ini_reader.h"
#include "profile/profile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    tesmark::ReadIni(text);
    tesmark::IniProfileStore store(text);
    const tesmark::RuleState loaded = tesmark::LoadProfile(store);
    tesmark::SaveProfile(loaded, store);
    tesmark::IniProfileStore again(store.writtenText());
    const tesmark::RuleState reloaded = tesmark::LoadProfile(again);
    for (const tesmark::IntSetting& setting : tesmark::kIntSettings) {
        if (setting.get(loaded) != setting.get(reloaded)) std::abort();
    }
    if (loaded.editHistory != reloaded.editHistory ||
        loaded.editConstants != reloaded.editConstants) {
        std::abort();
    }
    return 0;
}
