#include "ops/slide_memory.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "model/positions.h"
#include "model/reading_table.h"
#include "ops/bar_position.h"
#include "ops/status_line.h"
#include "ops/undo_record.h"

namespace tesmark {

namespace {

// One two-bit field of the option word and the values it may take.
struct OptionField {
    int shift;
    int16_t RuleState::*member;
    int16_t highest;  // the field's values are 0 .. highest
};

constexpr OptionField kOptionFields[] = {
    {0, &RuleState::SlideRev, 1}, {2, &RuleState::SinNum, 1},  {4, &RuleState::ScalePI, 1},
    {6, &RuleState::ScaleLL, 2},  {8, &RuleState::ScaleST, 1},
};

std::string SlideWord(int16_t language) {
    return language == 0 ? "SLIDE" : "滑尺";
}

bool IsMemoryNumber(int i) {
    return i >= 1 && i <= kMemoryCount;
}

}  // namespace

int16_t PackMemoryOptions(const RuleState& state) {
    int options = 0;
    for (const OptionField& field : kOptionFields) options |= state.*field.member << field.shift;
    return static_cast<int16_t>(options);
}

void UnpackMemoryOptions(int16_t options, RuleState& state) {
    const int bits = static_cast<uint16_t>(options);
    for (const OptionField& field : kOptionFields) {
        const int16_t value = static_cast<int16_t>((bits >> field.shift) & 3);
        state.*field.member = std::min(value, field.highest);
    }
}

MemoryMenuTexts SetMemoryMenuText(int k, int32_t position, int16_t options) {
    // The D value at the slide's left index, to five decimals.
    const double x = (10500.0 * 300.0 - position) / 21000.0 / 300.0;
    const double d = Normalise(std::pow(10.0, x)) + 0.000005;
    const long a = static_cast<long>(d);
    const long f = static_cast<long>((d - static_cast<double>(a)) * 100000.0);
    const char mark = position < HomePos ? '}' : position > HomePos ? '{' : '|';

    const int bits = static_cast<uint16_t>(options);
    std::string label;
    if ((bits & 3) == 0) {
        label = ((bits >> 8) & 3) == 1 ? "ST0" : "ST";
    } else {
        static const char* const kPairs[] = {"01", "12", "23", ""};
        label = std::string("LL") + kPairs[(bits >> 6) & 3];
    }
    const int n = (k + 1) % 10;
    char recall[96];
    std::snprintf(recall, sizeof recall, "&%d <%s:%s=%ld.%05ld:%c%c>\tShift+%d", n, label.c_str(),
                  "D", a, f, mark, mark, n);
    char store[16];
    std::snprintf(store, sizeof store, "Set &%d", n);
    return {recall, store};
}

void RecallMemory(RuleSession& session, WindowPort& port, int i) {
    if (!IsMemoryNumber(i)) return;
    RuleState& state = session.state;
    const SlideMemory memory = state.memories[static_cast<std::size_t>(i - 1)];
    StoreUndo(session.undo, state, MoveTarget::Slide);
    // A position from a damaged profile is held to the range every move keeps.
    state.SlidePos = ClampKeptPosition(memory.position);
    session.redraw.DrawnSlidePos = state.SlidePos;
    UnpackMemoryOptions(memory.options, state);
    port.setBarThumb(BarId::Slide, SaturateToInt32(BarPosition(state, MoveTarget::Slide)));
    port.composeRuleBody();
    port.invalidateRule();
    port.focusBar(BarId::Cursor);
    const std::string text =
        state.Language == 0
            ? "Loaded the position of " + SlideWord(0) + ". <Memory " + std::to_string(i) + ">"
            : SlideWord(1) + " の位置をロードしました。<メモリ " + std::to_string(i) + ">";
    ShowStatus(session, port, text);
}

void StoreMemory(RuleSession& session, WindowPort& port, int i) {
    if (!IsMemoryNumber(i)) return;
    RuleState& state = session.state;
    state.memories[static_cast<std::size_t>(i - 1)] = {state.SlidePos, PackMemoryOptions(state)};
    const std::string text =
        state.Language == 0
            ? "Saved the position of " + SlideWord(0) + ". <Memory " + std::to_string(i) + ">"
            : SlideWord(1) + " の位置を記録しました。<メモリ " + std::to_string(i) + ">";
    ShowStatus(session, port, text);
}

}  // namespace tesmark
