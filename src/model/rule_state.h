#pragma once
// RuleState: every persisted setting and position of the simulator, the ten
// slide memories and the edit-box lists. One instance exists, owned by the
// application and handed explicitly to everything that reads or writes it.
#include <array>
#include <cstdint>
#include <string>

#include "model/positions.h"

namespace tesmark {

struct SlideMemory {
    int32_t position = HomePos;
    int16_t options = 0;  // face and scale options, packed by the memory commands
};

inline constexpr int kMemoryCount = 10;
inline constexpr int kEditConstantCount = 8;
inline constexpr int kEditHistoryCount = 16;
inline constexpr int kEditTextLimit = 30;  // characters an edit-box text may hold

struct RuleState {
    int16_t Xpos = 10;
    int16_t Ypos = 20;
    int32_t SlidePos = HomePos;
    int32_t CursorPos = HomePos;
    int16_t SlideRev = 0;        // 0 front face, 1 back face
    int16_t TopWin = 0;          // window stays on top
    int16_t SinNum = 0;          // 0 sine/tangent numbering, 1 cosine/cotangent
    int16_t RightClick = 1;      // right button: 0 Double, 1 Fast, 2 Reverse
    int16_t Language = 0;        // 0 English, 1 Japanese
    int16_t ScaleLL = 2;         // back face LL pair: 0 LL0/LL1, 1 LL1/LL2, 2 LL2/LL3
    int16_t ScaleST = 0;         // front slide: 0 S and T, 1 S0 and T0
    int16_t ScalePI = 1;         // folding: 1 at sqrt(10), 0 at pi
    int16_t NumberVariable = 1;  // number lock
    int16_t NumFoucs = 14;       // focus reading slot, 0 none, 1..22
    int16_t CxSize = 255;        // extra client width beyond 625 pixels

    std::array<SlideMemory, kMemoryCount> memories{};
    std::array<std::string, kEditConstantCount> editConstants;  // UTF-8
    std::array<std::string, kEditHistoryCount> editHistory;     // UTF-8, newest first

    // A state with every default of a new profile.
    static RuleState Defaults();
};

// Texts of the default edit-box entries.
const std::array<std::string, kEditConstantCount>& DefaultEditConstants();
std::string DefaultEditHistoryEntry(int entry);  // entry 1..16 -> "1.00000" ...

}  // namespace tesmark
