#include "app/profile.h"

#include "model/edit_history.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace tesmark {

namespace {

constexpr const char* kSettingsSection = "TesmarkX";
constexpr const char* kMemorySection = "Memory";
constexpr const char* kEditSection = "EditBox";

// The integer settings in their read and write order, with their defaults.
struct IntSetting {
    const char* key;
    int32_t defaultValue;
    bool wide;  // a 32-bit field; the others are 16-bit
    int16_t RuleState::*narrow;
    int32_t RuleState::*wideField;
};

const IntSetting kIntSettings[] = {
    {"Xpos", 10, false, &RuleState::Xpos, nullptr},
    {"Ypos", 20, false, &RuleState::Ypos, nullptr},
    {"TopWin", 0, false, &RuleState::TopWin, nullptr},
    {"SlideRev", 0, false, &RuleState::SlideRev, nullptr},
    {"SinNum", 0, false, &RuleState::SinNum, nullptr},
    {"RightClick", 1, false, &RuleState::RightClick, nullptr},
    {"Language", 0, false, &RuleState::Language, nullptr},
    {"ScalePI", 1, false, &RuleState::ScalePI, nullptr},
    {"ScaleST", 0, false, &RuleState::ScaleST, nullptr},
    {"ScaleLL", 2, false, &RuleState::ScaleLL, nullptr},
    {"SlidePos", HomePos, true, nullptr, &RuleState::SlidePos},
    {"CursorPos", HomePos, true, nullptr, &RuleState::CursorPos},
    {"NumFoucs", 14, false, &RuleState::NumFoucs, nullptr},
    {"NumberVariable", 1, false, &RuleState::NumberVariable, nullptr},
    {"CxSize", 255, false, &RuleState::CxSize, nullptr},
};

// Registry integers are 32-bit; the fields cut them further to their width.
int32_t CutTo32(int64_t value) {
    return static_cast<int32_t>(value);
}

// The leading integer of a text: white space, a sign and digits; reading
// stops at the first non-digit. Saturates instead of overflowing.
int64_t LeadingInteger(const std::string& text, std::size_t from) {
    std::size_t i = from;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    int64_t value = 0;
    constexpr int64_t kLimit = int64_t{1} << 40;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
        value = std::min(kLimit, value * 10 + (text[i++] - '0'));
    }
    return negative ? -value : value;
}

template <typename T>
T Clamp(T value, T low, T high) {
    return std::max(low, std::min(high, value));
}

int16_t OneOf(int16_t value, int16_t low, int16_t high, int16_t fallback) {
    return (value < low || value > high) ? fallback : value;
}

}  // namespace

std::string NumberedKey(const char* prefix, int entry) {
    char key[32];
    std::snprintf(key, sizeof key, "%s%02d", prefix, entry);
    return key;
}

std::optional<SlideMemory> ParseMemoryText(const std::string& text) {
    std::size_t comma = text.find(',');
    if (comma == std::string::npos) return std::nullopt;
    SlideMemory memory;
    memory.options = static_cast<int16_t>(CutTo32(LeadingInteger(text, 0)));
    memory.position = CutTo32(LeadingInteger(text, comma + 1));
    return memory;
}

std::string FormatMemoryText(const SlideMemory& memory) {
    char text[32];
    std::snprintf(text, sizeof text, "%d,%ld", static_cast<int>(memory.options),
                  static_cast<long>(memory.position));
    return text;
}

void SanitiseLoadedState(RuleState& state) {
    const RuleState defaults;
    state.SlideRev = OneOf(state.SlideRev, 0, 1, defaults.SlideRev);
    state.TopWin = OneOf(state.TopWin, 0, 1, defaults.TopWin);
    state.SinNum = OneOf(state.SinNum, 0, 1, defaults.SinNum);
    state.RightClick = OneOf(state.RightClick, 0, 2, defaults.RightClick);
    state.Language = OneOf(state.Language, 0, 1, defaults.Language);
    state.ScalePI = OneOf(state.ScalePI, 0, 1, defaults.ScalePI);
    state.ScaleST = OneOf(state.ScaleST, 0, 1, defaults.ScaleST);
    state.ScaleLL = OneOf(state.ScaleLL, 0, 2, defaults.ScaleLL);
    state.NumberVariable = OneOf(state.NumberVariable, 0, 1, defaults.NumberVariable);
    state.NumFoucs = OneOf(state.NumFoucs, 0, kSlotCountForProfile, defaults.NumFoucs);
    state.CxSize = Clamp<int16_t>(state.CxSize, kMinCxSize, kMaxCxSize);
    state.SlidePos = Clamp(state.SlidePos, MinKeptPos, MaxKeptPos);
    state.CursorPos = Clamp(state.CursorPos, MinKeptPos, MaxKeptPos);
    for (SlideMemory& memory : state.memories) {
        memory.position = Clamp(memory.position, MinKeptPos, MaxKeptPos);
    }
}

RuleState LoadProfile(ProfileStore& store) {
    RuleState state = RuleState::Defaults();
    for (const IntSetting& setting : kIntSettings) {
        int32_t value =
            CutTo32(store.readInt(kSettingsSection, setting.key).value_or(setting.defaultValue));
        if (setting.wide) {
            state.*setting.wideField = value;
        } else {
            state.*setting.narrow = static_cast<int16_t>(value);
        }
    }
    const bool marked =
        CutTo32(store.readInt(kSettingsSection, "ScaleRev").value_or(0)) == kProfileMarker;
    if (!marked) {
        // An older profile, or none: its positions do not count.
        state.SlidePos = HomePos;
        state.CursorPos = HomePos;
    } else {
        for (int i = 0; i < kMemoryCount; ++i) {
            std::optional<std::string> text =
                store.readString(kMemorySection, NumberedKey("Memory", i + 1));
            if (!text) continue;
            if (std::optional<SlideMemory> memory = ParseMemoryText(*text)) {
                state.memories[static_cast<std::size_t>(i)] = *memory;
            }
        }
    }
    for (int i = 0; i < kEditConstantCount; ++i) {
        if (auto text = store.readString(kEditSection, NumberedKey("Cont", i + 1))) {
            state.editConstants[static_cast<std::size_t>(i)] = CutEditText(*text);
        }
    }
    for (int i = 0; i < kEditHistoryCount; ++i) {
        if (auto text = store.readString(kEditSection, NumberedKey("Histry", i + 1))) {
            state.editHistory[static_cast<std::size_t>(i)] = CutEditText(*text);
        }
    }
    SanitiseLoadedState(state);
    return state;
}

bool SaveProfile(const RuleState& state, ProfileStore& store) {
    for (const IntSetting& setting : kIntSettings) {
        int32_t value = setting.wide ? state.*setting.wideField : state.*setting.narrow;
        store.writeInt(kSettingsSection, setting.key, value);
    }
    store.writeInt(kSettingsSection, "ScaleRev", kProfileMarker);
    for (int i = 0; i < kMemoryCount; ++i) {
        store.writeString(kMemorySection, NumberedKey("Memory", i + 1),
                          FormatMemoryText(state.memories[static_cast<std::size_t>(i)]));
    }
    for (int i = 0; i < kEditConstantCount; ++i) {
        store.writeString(kEditSection, NumberedKey("Cont", i + 1),
                          state.editConstants[static_cast<std::size_t>(i)]);
    }
    for (int i = 0; i < kEditHistoryCount; ++i) {
        store.writeString(kEditSection, NumberedKey("Histry", i + 1),
                          state.editHistory[static_cast<std::size_t>(i)]);
    }
    return store.flush();
}

}  // namespace tesmark
