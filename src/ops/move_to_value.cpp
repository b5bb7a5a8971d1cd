#include "ops/move_to_value.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>
#include <string>

#include "model/positions.h"
#include "model/reading_table.h"
#include "ops/bar_position.h"
#include "ops/status_line.h"

namespace tesmark {

namespace {

constexpr double kPi = 3.141592653;
constexpr int64_t kDecade = DecadeUnits;  // 6,300,000
constexpr int64_t kHome = HomePos;        // 3,150,000

// What a front-face slot does to the value before the logarithm.
enum class FrontTransform : uint8_t {
    Unchanged,   // C, D (and the empty R0 slots)
    CubeRoot,    // K
    SquareRoot,  // A, B
    Reciprocal,  // DI
    Fraction,    // L: the value is already the logarithm
    Tangent,     // T or T0
    Sine,        // S or S0
};

enum class BackTransform : uint8_t {
    Unchanged,       // D, C, CI
    LogLog,          // LL and LL/ rows
    DivideByFold,    // DF, CF
    MultiplyByFold,  // CIF
};

using F = FrontTransform;
using B = BackTransform;

// Indexed by slot; entry 0 is unused.
constexpr std::array<FrontTransform, kSlotCount + 1> kFrontTransforms = {
    F::Unchanged, F::Unchanged,  F::CubeRoot,  F::SquareRoot, F::Unchanged,  F::Reciprocal,
    F::Fraction,  F::Unchanged,  F::CubeRoot,  F::SquareRoot, F::SquareRoot, F::Tangent,
    F::Sine,      F::Unchanged,  F::Unchanged, F::Reciprocal, F::Fraction,   F::Unchanged,
    F::CubeRoot,  F::SquareRoot, F::Unchanged, F::Reciprocal, F::Fraction};

constexpr std::array<BackTransform, kSlotCount + 1> kBackTransforms = {
    B::Unchanged,    B::LogLog,         B::LogLog,    B::DivideByFold, B::Unchanged,
    B::LogLog,       B::LogLog,         B::LogLog,    B::LogLog,       B::DivideByFold,
    B::DivideByFold, B::MultiplyByFold, B::Unchanged, B::Unchanged,    B::Unchanged,
    B::LogLog,       B::LogLog,         B::LogLog,    B::LogLog,       B::DivideByFold,
    B::Unchanged,    B::LogLog,         B::LogLog};

struct SlotMove {
    int16_t from;
    int16_t to;
};
using SlotMoves = std::initializer_list<SlotMove>;

// Focus moves of the log-log procedure and of the column switch.
constexpr SlotMoves kToReciprocalRow = {{5, 2}, {6, 1}, {15, 8}, {16, 7}, {21, 18}, {22, 17}};
constexpr SlotMoves kToLogLogRow = {{1, 6}, {2, 5}, {7, 16}, {8, 15}, {17, 22}, {18, 21}};
constexpr SlotMoves kToUpperRow = {{1, 2}, {6, 5}, {7, 8}, {16, 15}, {17, 18}, {22, 21}};
constexpr SlotMoves kToLowerRow = {{2, 1}, {5, 6}, {8, 7}, {15, 16}, {18, 17}, {21, 22}};
constexpr SlotMoves kToRightColumn = {{1, 17}, {2, 17}, {5, 22}, {6, 22}};
constexpr SlotMoves kToLeftColumn = {{18, 2}, {17, 2}, {22, 5}, {21, 5}};

int MoveSlot(SlotMoves moves, int slot) {
    for (const SlotMove& move : moves) {
        if (move.from == slot) return move.to;
    }
    return slot;
}

enum class Refusal { None, Domain, Overflow };

const char* TargetWord(MoveTarget target, int16_t language) {
    if (language == 0) return target == MoveTarget::Slide ? "SLIDE" : "CURSOR";
    return target == MoveTarget::Slide ? "渇尺" : "カーソル";
}

std::string CannotMoveText(MoveTarget target, int16_t language) {
    const std::string word = TargetWord(target, language);
    return language == 0 ? "Cannot move " + word + "." : word + " を移動できません。";
}

std::string MovedText(MoveTarget target, int16_t language) {
    const std::string word = TargetWord(target, language);
    return language == 0 ? "Moved " + word + "." : word + " を移動しました。";
}

// The threshold between the lower and upper row of a log-log pair.
bool TakesUpperRow(int n, double v) {
    switch (n) {
        case 0:
            return v >= 1.01005;
        case 1:
            return v >= 1.105171;
        case 2:
            return v >= 2.718282;
        default:
            return true;
    }
}

// The working values of one move.
struct Work {
    double v;
    int slot;               // the working slot w
    bool takeLog = true;    // L
    bool normalise = true;  // N
    Refusal refusal = Refusal::None;
    int logLogScale = -1;  // k of the LLk or LL/k row taken, -1 for none
};

void TransformFront(Work& work, int s, const RuleState& state) {
    double& v = work.v;
    switch (kFrontTransforms[static_cast<std::size_t>(s)]) {
        case F::Unchanged:
            break;
        case F::CubeRoot:
            v = std::pow(v, 1.0 / 3.0);
            break;
        case F::SquareRoot:
            v = std::sqrt(v);
            break;
        case F::Reciprocal:
            v = 10.0 / v;
            break;
        case F::Fraction:
            v = std::fmod(v, 1.0);
            work.takeLog = false;
            work.normalise = false;
            break;
        case F::Tangent:
        case F::Sine: {
            const bool tangent = kFrontTransforms[static_cast<std::size_t>(s)] == F::Tangent;
            const double theta = state.SinNum == 0 ? 90.0 - v : v;
            const double d = 90.0 - theta;
            const double upper = tangent ? 72.7 : 90.0;
            if (d > upper || d < 0.18118) work.refusal = Refusal::Overflow;
            v = tangent ? std::abs(std::tan(theta * kPi / 180.0))
                        : std::abs(10.0 / std::cos(theta * kPi / 180.0));
            work.normalise = false;
            break;
        }
    }
}

void TransformLogLog(Work& work, RuleState& state) {
    double& v = work.v;
    if (v < 1.0) {
        v = 1.0 / v;
        work.slot = MoveSlot(kToReciprocalRow, work.slot);
    } else {
        work.slot = MoveSlot(kToLogLogRow, work.slot);
    }
    int n = state.ScaleLL;
    if (n <= 0 && v > 1.105171) n = 1;
    if (n > 1 && v < 1.105171) n = 1;
    if (v >= 2.71828) n = 2;
    if (v <= 1.01005) n = 0;
    state.ScaleLL = static_cast<int16_t>(n);
    const bool upper = TakesUpperRow(n, v);
    work.slot = MoveSlot(upper ? kToUpperRow : kToLowerRow, work.slot);
    if (n >= 0 && n <= 2) work.logLogScale = upper ? n + 1 : n;
    if (v > 255752.0 || v < 1.0008034) work.refusal = Refusal::Overflow;
    v = std::log(v);
    work.normalise = false;
}

void TransformBack(Work& work, int s, RuleState& state) {
    const double fold = state.ScalePI != 0 ? std::sqrt(10.0) : kPi;
    switch (kBackTransforms[static_cast<std::size_t>(s)]) {
        case B::Unchanged:
            break;
        case B::LogLog:
            TransformLogLog(work, state);
            break;
        case B::DivideByFold:
            work.v = work.v / fold;
            break;
        case B::MultiplyByFold:
            work.v = work.v * fold;
            break;
    }
}

// The option value to fall back to on a refusal: the one the body was last
// composed with, or the entry value while nothing has been composed yet.
int16_t ComposedOr(int16_t composed, int16_t atEntry) {
    return composed >= 0 ? composed : atEntry;
}

// Under the cursor a log-log row spans one decade of exponents: LLk shows
// e^(10^(c + k - 3)) for c from 0 to 1. A value beyond the row's ends would
// wrap to the other end of the cursor's travel and read as a quite different
// number, so it is refused; one that misses an end by less than a pixel (the
// row thresholds are rounded) is put on that end.
bool FitCursorIntoLogLogRow(int64_t& p, int k) {
    const int64_t rowStart = (k - 3) * kDecade;
    const int64_t rowEnd = rowStart + kDecade;
    if (p < rowStart - UnitsPerPixel || p > rowEnd + UnitsPerPixel) return false;
    p = std::clamp(p, rowStart, rowEnd);
    return true;
}

// The S/T range switch of the front face's slots 11 and 12. Returns false
// when the angle lies beyond both scale sets.
bool SwitchSineTangentRange(int64_t& p, int s, MoveTarget target, RuleState& state) {
    if (target == MoveTarget::Slide) {
        p -= 2 * kDecade;
        if (s == 12) p -= kDecade;
        if (state.ScaleST == 0) {
            if (p > 0) {
                state.ScaleST = 1;
                return p <= kDecade;
            }
            return p >= -kDecade;
        }
        if (state.ScaleST == 1) {
            if (p >= 0) return p <= kDecade;
            state.ScaleST = 0;
            return p >= -kDecade;
        }
        return true;
    }
    if (s == 12) p += kDecade;
    if (state.ScaleST == 0) {
        if (p >= 0) return p <= kDecade;
        state.ScaleST = 1;
        return p >= -kDecade;
    }
    if (state.ScaleST == 1) {
        if (p <= 0) return p >= -kDecade;
        state.ScaleST = 0;
        return p <= kDecade;
    }
    return true;
}

}  // namespace

int32_t MoveToValue(RuleSession& session, WindowPort& port, double v, MoveTarget target,
                    bool apply) {
    RuleState& state = session.state;
    const int s = state.NumFoucs;
    const int16_t scaleLLAtEntry = state.ScaleLL;
    const int16_t scaleSTAtEntry = state.ScaleST;
    const bool front = state.SlideRev == 0;

    auto refuse = [&](const std::string& text) {
        ShowStatus(session, port, text);
        state.ScaleLL = ComposedOr(session.composed.ScaleLL, scaleLLAtEntry);
        state.ScaleST = ComposedOr(session.composed.ScaleST, scaleSTAtEntry);
        return kMoveRefused;
    };
    auto refuseFor = [&](Refusal refusal) {
        return refuse(refusal == Refusal::Domain ? "DOMAIN error." : "Slide Rule overflow error.");
    };

    // A focus outside the table has no scale to set; a value that is not a
    // number cannot be shown by any scale.
    if (s < 0 || s > kSlotCount || !std::isfinite(v)) return refuseFor(Refusal::Domain);

    Work work{v, s};
    if (v == 0.0) {
        const bool logScaleSlot = front && (s == 6 || s == 16 || s == 22);
        if (!logScaleSlot) work.refusal = Refusal::Domain;
    }
    if (work.v < 0.0) work.v = -work.v;

    if (work.refusal == Refusal::None) {
        if (front) {
            TransformFront(work, s, state);
        } else {
            TransformBack(work, s, state);
        }
    }
    // A transform can carry an extreme value beyond the double range
    // (10 / 1e-310) or below it (1e-323 / sqrt 10); neither has a logarithm,
    // and normalising either would never end.
    if (work.refusal == Refusal::None &&
        (!std::isfinite(work.v) || (work.takeLog && !(work.v > 0.0)))) {
        work.refusal = Refusal::Overflow;
    }
    if (work.refusal != Refusal::None) return refuseFor(work.refusal);

    if (work.normalise) work.v = Normalise(work.v);
    if (work.takeLog) work.v = std::log10(work.v);

    double scaled = work.v * 21000.0 * 300.0;
    scaled += work.v < 0.0 ? -0.5 : 0.5;
    // Truncation into 32 bits is defined only inside the range.
    if (!(scaled > -2147483648.0 && scaled < 2147483648.0)) return refuseFor(Refusal::Overflow);
    int64_t p = static_cast<int32_t>(scaled);

    const bool slide = target == MoveTarget::Slide;
    if (!slide && work.logLogScale >= 0 && !FitCursorIntoLogLogRow(p, work.logLogScale)) {
        return refuseFor(Refusal::Overflow);
    }
    if ((!slide && (s == 11 || s == 12)) || (slide && (s == 10 || s == 13))) p = kDecade - p;
    if (front && slide && (s == 6 || s == 16 || s == 22)) p = kDecade - p;

    if (s >= 10 && s <= 13) p += slide ? int64_t{state.CursorPos} : kHome - state.SlidePos;
    if (slide) p += kHome;

    if (front && (s == 11 || s == 12) && !SwitchSineTangentRange(p, s, target, state)) {
        return refuse(CannotMoveText(target, state.Language));
    }

    if (apply) ShowStatus(session, port, MovedText(target, state.Language));

    while (p < 0) p += kDecade;
    while (p > kDecade) p -= kDecade;

    if (state.SlideRev == 1) {
        work.slot = MoveSlot(p < kHome ? kToRightColumn : kToLeftColumn, work.slot);
    }
    state.NumFoucs = static_cast<int16_t>(work.slot);

    const int32_t position = static_cast<int32_t>(p);
    if (apply) {
        if (slide) {
            state.SlidePos = DecadeUnits - position;
            session.redraw.DrawnSlidePos = state.SlidePos;
        } else {
            state.CursorPos = position;
            session.redraw.DrawnCursorPos = position;
        }
        port.setBarThumb(BarOfTarget(target), position);
    } else {
        session.redraw.RedrawHint = kRedrawNothing;
    }

    if (state.ScaleLL != session.composed.ScaleLL || state.ScaleST != session.composed.ScaleST) {
        port.composeRuleBody();
        if (!apply) session.redraw.RedrawHint = kRedrawAll;
    }
    if (apply) port.invalidateRule();
    return position;
}

}  // namespace tesmark
