// Setting by value and stepping the bars from arbitrary states: any focus,
// target, value, face, options and positions, through the headless window.
// After every call: a result of -1 or a bar position in 0 .. 6,300,000; a
// state whose options, focus and positions were sound stays sound (options
// in their sets, focus 0..22, positions within -90,000 .. 6,390,000); a
// refusal moves nothing; no sanitizer report.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "model/positions.h"
#include "model/reading_table.h"
#include "model/rule_state.h"
#include "ops/headless_window_port.h"
#include "ops/move_to_value.h"
#include "ops/rule_session.h"
#include "ops/scroll_handler.h"

namespace {

using tesmark::RuleState;

bool InSet(int16_t v, int16_t low, int16_t high) {
    return v >= low && v <= high;
}

bool Sound(const RuleState& s) {
    return InSet(s.SlideRev, 0, 1) && InSet(s.SinNum, 0, 1) && InSet(s.ScaleLL, 0, 2) &&
           InSet(s.ScaleST, 0, 1) && InSet(s.ScalePI, 0, 1) && InSet(s.NumberVariable, 0, 1) &&
           InSet(s.RightClick, 0, 2) && InSet(s.Language, 0, 1) && InSet(s.NumFoucs, 0, 22) &&
           s.SlidePos >= tesmark::MinKeptPos && s.SlidePos <= tesmark::MaxKeptPos &&
           s.CursorPos >= tesmark::MinKeptPos && s.CursorPos <= tesmark::MaxKeptPos;
}

// An option: mostly one of its values, sometimes any 16-bit number.
int16_t Option(FuzzedDataProvider& input, int16_t high) {
    if (input.ConsumeIntegralInRange<int>(0, 15) == 0) return input.ConsumeIntegral<int16_t>();
    return input.ConsumeIntegralInRange<int16_t>(0, high);
}

int32_t Position(FuzzedDataProvider& input) {
    if (input.ConsumeIntegralInRange<int>(0, 15) == 0) return input.ConsumeIntegral<int32_t>();
    return input.ConsumeIntegralInRange<int32_t>(tesmark::MinKeptPos, tesmark::MaxKeptPos);
}

double Value(FuzzedDataProvider& input) {
    switch (input.ConsumeIntegralInRange<int>(0, 3)) {
        case 0:
            return input.ConsumeFloatingPoint<double>();
        case 1:
            return input.ConsumeFloatingPointInRange<double>(-2.0, 2.0);
        case 2:
            return input.ConsumeFloatingPointInRange<double>(0.0, 300000.0);
        default:
            return input.ConsumeFloatingPointInRange<double>(0.0, 100.0);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    RuleState state = RuleState::Defaults();
    state.SlideRev = Option(input, 1);
    state.SinNum = Option(input, 1);
    state.ScaleLL = Option(input, 2);
    state.ScaleST = Option(input, 1);
    state.ScalePI = Option(input, 1);
    state.NumberVariable = Option(input, 1);
    state.Language = Option(input, 1);
    state.NumFoucs = input.ConsumeIntegralInRange<int16_t>(-3, 25);
    state.SlidePos = Position(input);
    state.CursorPos = Position(input);

    tesmark::RuleSession session(state);
    tesmark::HeadlessWindowPort port(session);
    tesmark::HeadlessWindowPort::RecordComposition(session);
    tesmark::RefreshAllReadings(state, session.readings);

    for (int call = 0; call < 8 && input.remaining_bytes() > 0; ++call) {
        const bool sound = Sound(state);
        const RuleState before = state;
        if (input.ConsumeBool()) {
            const auto target =
                input.ConsumeBool() ? tesmark::MoveTarget::Slide : tesmark::MoveTarget::Cursor;
            const bool apply = input.ConsumeBool();
            const int32_t result = tesmark::MoveToValue(session, port, Value(input), target, apply);
            if (result != tesmark::kMoveRefused && (result < 0 || result > tesmark::DecadeUnits)) {
                std::abort();
            }
            const bool unmoved =
                state.SlidePos == before.SlidePos && state.CursorPos == before.CursorPos;
            if ((result == tesmark::kMoveRefused || !apply) && !unmoved) std::abort();
            if (result == tesmark::kMoveRefused && state.NumFoucs != before.NumFoucs) std::abort();
        } else {
            const auto bar = input.ConsumeBool() ? tesmark::BarId::Slide : tesmark::BarId::Cursor;
            port.setBarThumb(bar, input.ConsumeIntegral<int32_t>());  // a drag's track position
            tesmark::HandleScroll(session, port, bar, input.ConsumeIntegralInRange<int16_t>(-1, 9));
        }
        if (sound && !Sound(state)) std::abort();
        if (input.ConsumeBool()) {
            // A paint in between: the fix-up and the table, as the window does.
            tesmark::ApplyFocusFixUp(state);
            tesmark::RefreshAllReadings(state, session.readings);
            tesmark::HeadlessWindowPort::RecordComposition(session);
        }
    }
    return 0;
}
