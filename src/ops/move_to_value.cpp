#include "ops/move_to_value.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "model/positions.h"
#include "model/reading_table.h"
#include "model/slot_scale.h"
#include "model/string_table.h"
#include "ops/bar_position.h"
#include "ops/status_line.h"

namespace tesmark {

namespace {

constexpr double kPi = 3.141592653;
constexpr int64_t kDecade = DecadeUnits;  // 6,300,000
constexpr int64_t kHome = HomePos;        // 3,150,000

enum class Refusal { None, Domain, Overflow };

// The messages come from the string table, in the language of the user
// interface.
std::string CannotMoveText(MoveTarget target, int16_t language) {
    return CannotMoveMessage(target == MoveTarget::Slide, LanguageOf(language));
}

std::string MovedText(MoveTarget target, int16_t language) {
    return MovedMessage(target == MoveTarget::Slide, LanguageOf(language));
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

void TransformTrigonometric(Work& work, bool tangent, const RuleState& state) {
    double& v = work.v;
    const double theta = state.SinNum == 0 ? 90.0 - v : v;
    const double d = 90.0 - theta;
    const double upper = tangent ? 72.7 : 90.0;
    if (d > upper || d < 0.18118) work.refusal = Refusal::Overflow;
    v = tangent ? std::abs(std::tan(theta * kPi / 180.0))
                : std::abs(10.0 / std::cos(theta * kPi / 180.0));
    work.normalise = false;
}

// The log-log procedure: the reciprocal or the plain rows by the side of 1,
// the pair that holds the value, then the row of the pair; the column stays.
void TransformLogLog(Work& work, RuleState& state) {
    double& v = work.v;
    const bool reciprocal = v < 1.0;
    if (reciprocal) v = 1.0 / v;
    int n = state.ScaleLL;
    if (n <= 0 && v > 1.105171) n = 1;
    if (n > 1 && v < 1.105171) n = 1;
    if (v >= 2.71828) n = 2;
    if (v <= 1.01005) n = 0;
    state.ScaleLL = static_cast<int16_t>(n);
    const bool upper = TakesUpperRow(n, v);
    work.slot = LogLogSlot(PlaceOfSlot(work.slot).column, reciprocal, upper);
    if (n >= 0 && n <= 2) work.logLogScale = upper ? n + 1 : n;
    if (v > 255752.0 || v < 1.0008034) work.refusal = Refusal::Overflow;
    v = std::log(v);
    work.normalise = false;
}

// Brings the value to the logarithmic scale its slot's row is drawn on.
void Transform(Work& work, ScaleKind kind, RuleState& state) {
    const double fold = state.ScalePI != 0 ? std::sqrt(10.0) : kPi;
    double& v = work.v;
    switch (kind) {
        case ScaleKind::None:
        case ScaleKind::C:
        case ScaleKind::D:
        case ScaleKind::CI:
            break;
        case ScaleKind::K:
            v = std::pow(v, 1.0 / 3.0);
            break;
        case ScaleKind::A:
        case ScaleKind::B:
            v = std::sqrt(v);
            break;
        case ScaleKind::DI:
            v = 10.0 / v;
            break;
        case ScaleKind::L:
            // The value is already the logarithm.
            v = std::fmod(v, 1.0);
            work.takeLog = false;
            work.normalise = false;
            break;
        case ScaleKind::T:
        case ScaleKind::S:
            TransformTrigonometric(work, kind == ScaleKind::T, state);
            break;
        case ScaleKind::LL:
        case ScaleKind::RecipLL:
            TransformLogLog(work, state);
            break;
        case ScaleKind::DF:
        case ScaleKind::CF:
            v = v / fold;
            break;
        case ScaleKind::CIF:
            v = v * fold;
            break;
    }
}

// The slide's rows whose transformed value is measured from the slide's
// right end (CI and CIF read 1 / C; T and S are turned into cotangent and
// secant): the cursor sets them mirrored, the slide does not. The other
// slide rows the other way round: the slide moving right lowers C under the
// cursor.
bool MeasuredFromSlideEnd(ScaleKind kind) {
    return kind == ScaleKind::T || kind == ScaleKind::S || kind == ScaleKind::CIF ||
           kind == ScaleKind::CI;
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
bool SwitchSineTangentRange(int64_t& p, bool sine, MoveTarget target, RuleState& state) {
    if (target == MoveTarget::Slide) {
        p -= 2 * kDecade;
        if (sine) p -= kDecade;
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
    if (sine) p += kDecade;
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

// The same row of the left or the right index column.
int ColumnOfSlot(int slot, bool left) {
    const bool onLeft = PlaceOfSlot(slot).column == ReadingColumn::LeftIndex;
    return onLeft == left ? slot : OtherIndexSlot(slot);
}

// Back face, a log-log row k set by the slide: the value needs the slide's
// D value at 10^y, y = log10(ln v) + 3 - k, and the slide can stand only
// within half a decade of home, at x = (p - home) / decade with x = y mod 1.
// Where x = y the left index shows the value on row k, where x = y - 1 the
// right index does (its D value is 10^(1 + x)): the focus keeps its row and
// takes that column. A value at the very ends of the LL range can put the
// index a few units beyond the stator; within a pixel it stands on the last
// place that has a reading. Returns false when the column has no reading.
bool PlaceOnIndexColumn(Work& work, int64_t& p, int64_t logUnits) {
    const int64_t y = logUnits - (int64_t{work.logLogScale} - 3) * kDecade;
    const int64_t x = p - kHome;
    const bool left = y - x <= kHome;
    work.slot = ColumnOfSlot(work.slot, left);
    // In bar positions: the left index has a reading above 2,550,000, the
    // right one below 3,750,000.
    const int64_t firstWithReading = kDecade - int64_t{12500} * PosFactor + 1;
    const int64_t lastWithReading = kDecade - int64_t{8500} * PosFactor - 1;
    if (left && p < firstWithReading) {
        if (p < firstWithReading - UnitsPerPixel) return false;
        p = firstWithReading;
    }
    if (!left && p > lastWithReading) {
        if (p > lastWithReading + UnitsPerPixel) return false;
        p = lastWithReading;
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

    const SlotScale scale = ScaleOfSlot(s, state);
    Work work{v, s};
    // Only the L scale has a place for 0: its left end.
    if (v == 0.0 && scale.kind != ScaleKind::L) work.refusal = Refusal::Domain;
    if (work.v < 0.0) work.v = -work.v;

    if (work.refusal == Refusal::None) Transform(work, scale.kind, state);
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
    const int64_t logUnits = p;  // the value's place on its scale, in position units

    const bool slide = target == MoveTarget::Slide;
    if (!slide && work.logLogScale >= 0 && !FitCursorIntoLogLogRow(p, work.logLogScale)) {
        return refuseFor(Refusal::Overflow);
    }
    if (scale.onSlide() && slide != MeasuredFromSlideEnd(scale.kind)) p = kDecade - p;

    if (scale.onSlide()) p += slide ? int64_t{state.CursorPos} : kHome - state.SlidePos;
    if (slide) p += kHome;

    const bool trigonometric = scale.kind == ScaleKind::T || scale.kind == ScaleKind::S;
    if (front && trigonometric &&
        !SwitchSineTangentRange(p, scale.kind == ScaleKind::S, target, state)) {
        return refuse(CannotMoveText(target, state.Language));
    }

    while (p < 0) p += kDecade;
    while (p > kDecade) p -= kDecade;

    if (state.SlideRev == 1 && scale.logLog() && scale.atIndex()) {
        if (slide && work.logLogScale >= 0) {
            if (!PlaceOnIndexColumn(work, p, logUnits)) return refuseFor(Refusal::Overflow);
        } else {
            // The cursor does not move an index reading: only the row is kept.
            work.slot = ColumnOfSlot(work.slot, p >= kHome);
        }
    }

    if (apply) ShowStatus(session, port, MovedText(target, state.Language));
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
