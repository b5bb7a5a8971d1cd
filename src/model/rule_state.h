#pragma once
// RuleState: every persisted setting and position of the simulator, the ten
// slide memories and the edit-box lists. One instance exists, owned by the
// application and handed explicitly to everything that reads or writes it.
#include <array>
#include <cstdint>
#include <string>

#include "model/client_size.h"
#include "model/positions.h"

namespace tesmark {

// What a loaded value outside its range becomes.
enum class OutOfRange : uint8_t {
    Default,  // a value outside a set of choices takes the default
    Clamp,    // a position or a width is held to the nearest limit
};

// The integer settings, one row each, in the order the profile reads and
// writes them. The profile key is the member's name. A loaded value is first
// cut to the field's width (int16_t or int32_t), then held to min..max by
// the row's rule. RuleState's members, their defaults, the profile's order,
// its cuts and its checks all come from this table.
//
//  ROW(member, width, default, min, max, rule)  /* meaning */
#define TESMARK_INT_SETTINGS(ROW)                                                            \
    ROW(Xpos, int16_t, 10, INT16_MIN, INT16_MAX, Clamp)             /* window x */           \
    ROW(Ypos, int16_t, 20, INT16_MIN, INT16_MAX, Clamp)             /* window y */           \
    ROW(TopWin, int16_t, 0, 0, 1, Default)                          /* window on top */      \
    ROW(SlideRev, int16_t, 0, 0, 1, Default)                        /* 0 front, 1 back */    \
    ROW(SinNum, int16_t, 0, 0, 1, Default)                          /* 1 cos/cot numbers */  \
    ROW(RightClick, int16_t, 1, 0, 2, Default)                      /* Double/Fast/Rev. */   \
    ROW(Language, int16_t, 0, 0, 1, Default)                        /* 0 English, 1 Jap. */  \
    ROW(ScalePI, int16_t, 1, 0, 1, Default)                         /* 1 fold at sqrt 10 */  \
    ROW(ScaleST, int16_t, 0, 0, 1, Default)                         /* 1 S0 and T0 */        \
    ROW(ScaleLL, int16_t, 2, 0, 2, Default)                         /* LL pair 0..2 */       \
    ROW(SlidePos, int32_t, HomePos, MinKeptPos, MaxKeptPos, Clamp)  /* units */              \
    ROW(CursorPos, int32_t, HomePos, MinKeptPos, MaxKeptPos, Clamp) /* units */              \
    ROW(NumFoucs, int16_t, 14, 0, 22, Default)                      /* 0 none, slot 1..22 */ \
    ROW(NumberVariable, int16_t, 1, 0, 1, Default)                  /* number lock */        \
    ROW(CxSize, int16_t, 255, kMinCxSize, kMaxCxSize, Clamp)        /* extra width */

struct SlideMemory {
    int32_t position = HomePos;
    int16_t options = 0;  // face and scale options, packed by the memory commands
};

inline constexpr int kMemoryCount = 10;
inline constexpr int kEditConstantCount = 8;
inline constexpr int kEditHistoryCount = 16;
inline constexpr int kEditTextLimit = 30;  // characters an edit-box text may hold

struct RuleState {
#define TESMARK_DECLARE_SETTING(member, width, byDefault, low, high, rule) width member = byDefault;
    TESMARK_INT_SETTINGS(TESMARK_DECLARE_SETTING)
#undef TESMARK_DECLARE_SETTING

    std::array<SlideMemory, kMemoryCount> memories{};
    std::array<std::string, kEditConstantCount> editConstants;  // UTF-8
    std::array<std::string, kEditHistoryCount> editHistory;     // UTF-8, newest first

    // A state with every default of a new profile.
    static RuleState Defaults();
};

// One integer setting as data: its key, its limits and how to reach the
// field. `set` cuts the value to the field's width.
struct IntSetting {
    const char* key;
    bool wide;  // int32_t; the others are int16_t
    int32_t byDefault;
    int32_t low;
    int32_t high;
    OutOfRange rule;
    int32_t (*get)(const RuleState&);
    void (*set)(RuleState&, int32_t);
};

#define TESMARK_SETTING_ROW(member, width, byDefault, low, high, rule) \
    IntSetting{#member,                                                \
               sizeof(width) == sizeof(int32_t),                       \
               byDefault,                                              \
               low,                                                    \
               high,                                                   \
               OutOfRange::rule,                                       \
               [](const RuleState& s) -> int32_t { return s.member; }, \
               [](RuleState& s, int32_t v) { s.member = static_cast<width>(v); }},
inline constexpr IntSetting kIntSettings[] = {TESMARK_INT_SETTINGS(TESMARK_SETTING_ROW)};
#undef TESMARK_SETTING_ROW

// Texts of the default edit-box entries.
const std::array<std::string, kEditConstantCount>& DefaultEditConstants();
std::string DefaultEditHistoryEntry(int entry);  // entry 1..16 -> "1.00000" ...

}  // namespace tesmark
