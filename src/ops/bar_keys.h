#pragma once
// The keys a focused slide bar turns into scroll codes. The window maps its
// toolkit's key codes to BarKey and looks the scroll code up here.
#include <array>
#include <optional>

#include "ops/scroll_handler.h"

namespace tesmark {

enum class BarKey { Left, Up, Right, Down, PageUp, PageDown, Home, End };

struct BarKeyCode {
    BarKey key;
    ScrollCode code;
};

inline constexpr std::array<BarKeyCode, 8> kBarKeyCodes = {{
    {BarKey::Left, ScrollCode::LineLeft},
    {BarKey::Up, ScrollCode::LineLeft},
    {BarKey::Right, ScrollCode::LineRight},
    {BarKey::Down, ScrollCode::LineRight},
    {BarKey::PageUp, ScrollCode::PageLeft},
    {BarKey::PageDown, ScrollCode::PageRight},
    {BarKey::Home, ScrollCode::Left},
    {BarKey::End, ScrollCode::Right},
}};

constexpr std::optional<ScrollCode> ScrollCodeForKey(BarKey key) {
    for (const BarKeyCode& entry : kBarKeyCodes) {
        if (entry.key == key) return entry.code;
    }
    return std::nullopt;
}

}  // namespace tesmark
