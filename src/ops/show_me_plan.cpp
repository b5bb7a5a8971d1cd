// The planner of "Show me". It works the calculation on a scratch copy of the
// rule, step by step, with the same operations the window plays: every move
// is tried there first, so a plan only holds moves the rule accepts, and a
// value carried from one part of the calculation to the next is the reading
// a person would take off the rule, not the exact number. The decimal point
// is kept apart from the rule, by the order-of-magnitude rule: the exponents
// of the operands, plus one where the mantissas' product passes 10 (the
// other index), minus one where a quotient's mantissa falls below 1.
#include "ops/show_me_plan.h"

#include <cmath>
#include <numbers>
#include <optional>
#include <utility>

#include "model/positions.h"
#include "model/reading_table.h"
#include "model/scale_layout.h"
#include "ops/bar_position.h"
#include "ops/command_context.h"
#include "ops/command_ids.h"
#include "ops/headless_window_port.h"
#include "ops/move_to_value.h"
#include "ops/show_me_expression.h"
#include "ops/show_me_text.h"

namespace tesmark {

namespace {

// The cells the plans use. C and D stand in the same cells on both faces.
struct PlanSlots {
    int dLeft = 4;    // D at the slide's left index
    int dRight = 20;  // D at the slide's right index
    int k = 8;        // front: K under the hairline
    int a = 9;        // front: A under the hairline
    int t = 11;       // front: T or T0 under the hairline
    int s = 12;       // front: S or S0 under the hairline
    int ci = 12;      // back: CI under the hairline
    int c = 13;       // C under the hairline
    int d = 14;       // D under the hairline
    int di = 15;      // front: DI under the hairline
    int l = 16;       // front: L under the hairline
};
constexpr PlanSlots kSlots;

// The ends of the log-log scales: LL0 starts at e^0.001, LL3 ends at e^10.
constexpr double kLogLogLow = 1.0010005;
constexpr double kLogLogHigh = 22026.4657;
// The row thresholds of the log-log pairs (the ones the value moves use).
constexpr double kLL1Start = 1.01005;
constexpr double kLL2Start = 1.105171;
constexpr double kLL3Start = 2.718282;
// A C reading under the hairline between the indices, with room for the
// rounding of a position to a bar unit.
constexpr double kOnSlideTolerance = 1e-6;

constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;

struct Magnitude {
    double mantissa = 1.0;  // 1 <= mantissa < 10
    int exponent = 0;
};

Magnitude MagnitudeOf(double v) {
    int k = static_cast<int>(std::floor(std::log10(v)));
    double m = v / std::pow(10.0, k);
    if (m >= 10.0) {
        m /= 10.0;
        ++k;
    } else if (m < 1.0) {
        m *= 10.0;
        --k;
    }
    return {m, k};
}

int FloorMod(int value, int divisor) {
    const int r = value % divisor;
    return r < 0 ? r + divisor : r;
}

// The log-log scale k whose row holds w >= 1.
int LogLogRowOf(double w) {
    if (w >= kLL3Start) return 3;
    if (w >= kLL2Start) return 2;
    if (w >= kLL1Start) return 1;
    return 0;
}

// A reading on the very end of a C/D-family scale: 1 and 10 are one place on
// the rule, and the position of a value may round to either. The estimate
// says which end is meant.
double AtTheEndExpected(double reading, double expected) {
    if (!(reading > 0.0) || !(expected > 0.0)) return reading;
    const double decades = std::log10(reading);
    if (std::abs(decades - std::round(decades)) > 1e-6) return reading;
    const double shift = std::round(std::log10(expected / reading));
    return shift == 0.0 ? reading : reading * std::pow(10.0, shift);
}

struct ReadRule {
    ScaleKind kind = ScaleKind::D;
    double expected = 1.0;
    int exponent = 0;
    int characteristic = 0;
    bool negative = false;
};

double ValueOfReading(const ReadRule& rule, double reading) {
    double v;
    switch (rule.kind) {
        case ScaleKind::L:
            // The cursor's L slot holds 1 + the fraction.
            v = (reading - 1.0) + rule.characteristic;
            break;
        case ScaleKind::LL:
        case ScaleKind::RecipLL:
            v = reading;
            break;
        default:
            v = AtTheEndExpected(reading, rule.expected) * std::pow(10.0, rule.exponent);
            break;
    }
    return rule.negative ? -v : v;
}

// Where an intermediate result stands on the scratch rule.
enum class Where {
    Hairline,   // on D under the hairline
    Index,      // on D at the slide's C index
    Elsewhere,  // on another scale (A, K, DI, L, LL ...): carried on as a reading
};

struct OnRule {
    Where where = Where::Hairline;
    int slot = kSlots.d;
    ReadRule read;
};

struct Snapshot {
    RuleState state;
    ComposedRecord composed;
    UndoRecord undo;
    std::size_t steps = 0;
};

class Planner {
  public:
    Planner(const ShowMeExpression& expression, const RuleState& start, Language language)
        : e_(expression),
          state_(start),
          session_(state_),
          port_(session_),
          target_{session_, port_, commands_},
          language_(language) {
        HeadlessWindowPort::RecordComposition(session_);
    }

    ShowMeOutcome run() {
        ShowMeOutcome outcome;
        outcome.plan.expression = WriteShowMeExpression(e_);
        outcome.plan.exact = EvaluateShowMeExpression(e_);
        const double size = std::abs(outcome.plan.exact);
        if (!std::isfinite(size) || size > 1e200 || (size != 0.0 && size < 1e-200)) {
            outcome.refusal = ShowMeReachRefusal(ShowMeReach::Magnitude,
                                                 ShowMeResultText(outcome.plan.exact), language_);
            return outcome;
        }
        const std::optional<OnRule> result = realise(e_.root);
        if (result && !failed()) {
            ShowMeStep read;
            read.kind = ShowMeStepKind::Read;
            read.slot = result->slot;
            read.value = result->read.expected;
            emit(read);
        }
        if (failed()) {
            outcome.refusal = refusal_;
            return outcome;
        }
        outcome.planned = true;
        outcome.plan.steps = std::move(steps_);
        outcome.plan.exponent = result->read.exponent;
        outcome.plan.characteristic = result->read.characteristic;
        outcome.plan.negative = result->read.negative;
        return outcome;
    }

  private:
    bool failed() const { return !refusal_.empty(); }

    std::nullopt_t refuse(ShowMeReach reach, std::string_view detail) {
        if (!failed()) refusal_ = ShowMeReachRefusal(reach, detail, language_);
        return std::nullopt;
    }

    Snapshot save() const { return {state_, session_.composed, session_.undo, steps_.size()}; }
    void restore(const Snapshot& snapshot) {
        state_ = snapshot.state;
        session_.composed = snapshot.composed;
        session_.undo = snapshot.undo;
        steps_.resize(snapshot.steps);
    }

    // Plays a step on the scratch rule and keeps it; a move the rule refuses
    // refuses the whole calculation.
    bool emit(ShowMeStep step) {
        if (failed()) return false;
        if (!PlayShowMeStep(step, target_)) {
            refuse(ShowMeReach::RuleRefused, port_.statusText);
            return false;
        }
        if (step.kind != ShowMeStepKind::Command) {
            const int focus = state_.NumFoucs;
            const SlotPlace place = PlaceOfSlot(focus);
            if (place.row >= 0)
                step.scale = FaceLayout(state_)[static_cast<std::size_t>(place.row)].name;
            step.scaleKind = ScaleOfSlot(focus, state_).kind;
        }
        steps_.push_back(std::move(step));
        return true;
    }

    bool command(int id) {
        ShowMeStep step;
        step.kind = ShowMeStepKind::Command;
        step.command = id;
        return emit(step);
    }

    bool move(int slot, MoveTarget target, double value) {
        ShowMeStep step;
        step.kind = ShowMeStepKind::Move;
        step.slot = slot;
        step.target = target;
        step.value = value;
        return emit(step);
    }

    double reading(int slot) const { return CurrentReading(slot, state_); }

    bool face(bool back) {
        if ((state_.SlideRev != 0) == back) return true;
        return command(cmd::kReverse);
    }
    bool sinNum(int16_t value) {
        if (state_.SinNum == value) return true;
        return command(value != 0 ? cmd::kSinNumRed : cmd::kSinNumBlack);
    }
    bool scaleST(int16_t value) {
        if (state_.ScaleST == value) return true;
        return command(value != 0 ? cmd::kScaleST0 : cmd::kScaleST);
    }
    // Shows a pair that holds the log-log scale k.
    bool pairFor(int k) {
        const int n = state_.ScaleLL;
        if (n >= 0 && n <= 2 && (k == n || k == n + 1)) return true;
        const int pair = k == 0 ? 0 : k == 3 ? 2 : k == 1 ? (n == 0 ? 0 : 1) : 1;
        return command(cmd::kScaleLL0 + pair);
    }
    int logLogSlot(ReadingColumn column, bool reciprocal, int k) const {
        return LogLogSlot(column, reciprocal, k == state_.ScaleLL + 1);
    }
    // The log-log scale the focus stands on after a move.
    int focusLogLogScale() const { return ScaleOfSlot(state_.NumFoucs, state_).llScale; }

    // Brings the slide's indices over D's.
    bool slideHome() {
        if (state_.SlidePos == HomePos) return true;
        return move(kSlots.dLeft, MoveTarget::Slide, 1.0);
    }

    // The index column of D that has a reading (the left one when both do).
    int indexD() const { return reading(kSlots.dLeft) != NoReading ? kSlots.dLeft : kSlots.dRight; }

    bool hairlineOnSlide() const {
        const double c = reading(kSlots.c);
        return c >= 1.0 - kOnSlideTolerance && c <= 10.0 * (1.0 + kOnSlideTolerance);
    }

    // The slide's index under the hairline: the rule takes the one that
    // keeps the slide within half a decade of home; the step names it.
    bool indexUnderHairline() {
        if (!move(kSlots.c, MoveTarget::Slide, 1.0)) return false;
        const double slideAt = static_cast<double>(HomePos - state_.SlidePos) / DecadeUnits;
        const double hairlineAt = static_cast<double>(state_.CursorPos) / DecadeUnits;
        if (hairlineAt - slideAt > 0.5) steps_.back().value = 10.0;
        return true;
    }

    OnRule setOnD(double v) {
        const Magnitude m = MagnitudeOf(v);
        move(kSlots.d, MoveTarget::Cursor, m.mantissa);
        OnRule at;
        at.read.expected = m.mantissa;
        at.read.exponent = m.exponent;
        return at;
    }

    bool positive(double v) {
        if (v > 0.0 && std::isfinite(v)) return true;
        refuse(ShowMeReach::NotPositive, ShowMeResultText(v));
        return false;
    }

    // The value of a result as read off the scratch rule.
    double carry(const OnRule& at) const { return ValueOfReading(at.read, reading(at.slot)); }

    // A result on D under the hairline.
    std::optional<OnRule> toHairline(OnRule at) {
        if (at.read.negative) {
            positive(-1.0 * std::abs(carry(at)));
            return std::nullopt;
        }
        switch (at.where) {
            case Where::Hairline:
                return at;
            case Where::Index: {
                if (!move(kSlots.c, MoveTarget::Cursor, at.slot == kSlots.dLeft ? 1.0 : 10.0)) {
                    return std::nullopt;
                }
                at.where = Where::Hairline;
                at.slot = kSlots.d;
                return at;
            }
            case Where::Elsewhere: {
                const double v = carry(at);
                if (!positive(v)) return std::nullopt;
                OnRule on = setOnD(v);
                if (failed()) return std::nullopt;
                return on;
            }
        }
        return std::nullopt;
    }

    bool literal(int index) const { return e_.node(index).op == ShowMeOp::Number; }

    // A value to set: a number as typed, or the reading of a part worked first.
    std::optional<double> value(int index) {
        const ShowMeNode& node = e_.node(index);
        if (node.op == ShowMeOp::Number) return node.value;
        if (node.op == ShowMeOp::Negate) {
            const std::optional<double> inner = value(node.left);
            if (!inner) return std::nullopt;
            return -*inner;
        }
        const std::optional<OnRule> at = realise(index);
        if (!at || failed()) return std::nullopt;
        return carry(*at);
    }

    std::optional<double> positiveValue(int index) {
        const std::optional<double> v = value(index);
        if (!v || !positive(*v)) return std::nullopt;
        return v;
    }

    // A part of the calculation on D.
    std::optional<OnRule> placed(int index) {
        if (literal(index)) {
            OnRule at = setOnD(e_.node(index).value);
            if (failed()) return std::nullopt;
            return at;
        }
        return realise(index);
    }

    // a x b with a on the rule. From the index: the hairline to C b. From
    // the hairline: the index under it, then the hairline to C b. Where the
    // hairline would leave the slide, the back face's CI sets b under the
    // hairline and the product stands at the index.
    std::optional<OnRule> multiply(OnRule a, double b, bool allowCI) {
        if (a.where == Where::Elsewhere) {
            const std::optional<OnRule> on = toHairline(a);
            if (!on) return std::nullopt;
            a = *on;
        }
        const Magnitude mb = MagnitudeOf(b);
        const double product = a.read.expected * mb.mantissa;
        OnRule out;
        const bool carried = product >= 10.0;
        out.read.expected = carried ? product / 10.0 : product;
        out.read.exponent = a.read.exponent + mb.exponent + (carried ? 1 : 0);

        // A power of ten moves nothing: only the decimal point shifts.
        if (mb.mantissa == 1.0) {
            a.read.exponent += mb.exponent;
            return a;
        }
        const Snapshot before = save();
        if (a.where == Where::Index) {
            if (!move(kSlots.c, MoveTarget::Cursor, mb.mantissa)) return std::nullopt;
            if (hairlineOnSlide()) return out;
            // The index already stands where it can: the hairline goes to it
            // for CI.
            restore(before);
            if (!allowCI || !toHairline(a)) return std::nullopt;
        } else {
            if (!indexUnderHairline() || !move(kSlots.c, MoveTarget::Cursor, mb.mantissa)) {
                return std::nullopt;
            }
            if (hairlineOnSlide()) return out;
            restore(before);
            if (!allowCI) return std::nullopt;
        }
        if (!face(true) || !move(kSlots.ci, MoveTarget::Slide, mb.mantissa)) return std::nullopt;
        out.where = Where::Index;
        out.slot = indexD();
        return out;
    }

    // a / b: C b under the hairline at a; the quotient stands at the index.
    std::optional<OnRule> divide(OnRule a, double b) {
        const std::optional<OnRule> on = toHairline(a);
        if (!on) return std::nullopt;
        const Magnitude mb = MagnitudeOf(b);
        if (mb.mantissa == 1.0) {
            OnRule out = *on;
            out.read.exponent -= mb.exponent;
            return out;
        }
        const double quotient = on->read.expected / mb.mantissa;
        const bool borrowed = quotient < 1.0;
        OnRule out;
        out.read.expected = borrowed ? quotient * 10.0 : quotient;
        out.read.exponent = on->read.exponent - mb.exponent - (borrowed ? 1 : 0);
        if (!move(kSlots.c, MoveTarget::Slide, mb.mantissa)) return std::nullopt;
        out.where = Where::Index;
        out.slot = indexD();
        return out;
    }

    std::optional<OnRule> product(const ShowMeNode& node) {
        int left = node.left;
        int right = node.right;
        if (literal(left) && literal(right)) {
            // The operand that keeps the hairline on the slide goes first.
            const double a = e_.node(left).value;
            const double b = e_.node(right).value;
            const Snapshot before = save();
            for (const auto& [first, second] : {std::pair{a, b}, std::pair{b, a}}) {
                const OnRule at = setOnD(first);
                if (failed()) return std::nullopt;
                std::optional<OnRule> out = multiply(at, second, false);
                if (out) return out;
                if (failed()) return std::nullopt;
                restore(before);
            }
            return multiply(setOnD(a), b, true);
        }
        if (literal(left)) std::swap(left, right);
        if (!literal(right)) {
            const std::optional<double> carried = positiveValue(left);
            if (!carried) return std::nullopt;
            const std::optional<OnRule> at = realise(right);
            if (!at) return std::nullopt;
            return multiply(*at, *carried, true);
        }
        const std::optional<OnRule> at = realise(left);
        if (!at) return std::nullopt;
        return multiply(*at, e_.node(right).value, true);
    }

    std::optional<OnRule> quotient(const ShowMeNode& node) {
        if (literal(node.left) && e_.node(node.left).value == 1.0) {
            const std::optional<OnRule> at = placed(node.right);
            if (!at) return std::nullopt;
            return reciprocal(*at);
        }
        if (!literal(node.right)) {
            const std::optional<double> carried = positiveValue(node.right);
            if (!carried) return std::nullopt;
            const std::optional<OnRule> at = placed(node.left);
            if (!at) return std::nullopt;
            return divide(*at, *carried);
        }
        const std::optional<OnRule> at = placed(node.left);
        if (!at) return std::nullopt;
        return divide(*at, e_.node(node.right).value);
    }

    // 1 / x: DI under the hairline at D x.
    std::optional<OnRule> reciprocal(OnRule x) {
        const std::optional<OnRule> on = toHairline(x);
        if (!on || !face(false)) return std::nullopt;
        OnRule out;
        out.where = Where::Elsewhere;
        out.slot = kSlots.di;
        out.read.kind = ScaleKind::DI;
        const double m = on->read.expected;
        out.read.expected = m == 1.0 ? 1.0 : 10.0 / m;
        out.read.exponent = m == 1.0 ? -on->read.exponent : -on->read.exponent - 1;
        return out;
    }

    // x^2 on A, x^3 on K, under the hairline at D x.
    std::optional<OnRule> powerOnStator(OnRule x, int power) {
        const std::optional<OnRule> on = toHairline(x);
        if (!on || !face(false)) return std::nullopt;
        OnRule out;
        out.where = Where::Elsewhere;
        out.slot = power == 2 ? kSlots.a : kSlots.k;
        out.read.kind = power == 2 ? ScaleKind::A : ScaleKind::K;
        out.read.expected = std::pow(on->read.expected, power);
        out.read.exponent = power * on->read.exponent;
        return out;
    }

    // The square root on A, the cube root on K: the value goes into the
    // decade of A (or K) its exponent asks for, the root is read on D.
    std::optional<OnRule> root(double v, int power) {
        if (!positive(v) || !face(false)) return std::nullopt;
        const Magnitude m = MagnitudeOf(v);
        const int spare = FloorMod(m.exponent, power);
        const double set = m.mantissa * std::pow(10.0, spare);
        if (!move(power == 2 ? kSlots.a : kSlots.k, MoveTarget::Cursor, set)) return std::nullopt;
        OnRule out;
        out.read.expected = power == 2 ? std::sqrt(set) : std::cbrt(set);
        out.read.exponent = (m.exponent - spare) / power;
        return out;
    }

    // sin, cos and tan: with the slide at home C stands over D, so the
    // hairline set on S or T puts 10 sin (100 sin on S0) on D.
    std::optional<OnRule> trigonometric(ShowMeOp op, double degrees) {
        const std::string angle = ShowMeNumberText(degrees) + "\xC2\xB0";
        const double radians = degrees * kRadiansPerDegree;
        const double smallest = std::asin(0.01) / kRadiansPerDegree;  // 0.573 degrees
        const double largestCosine = std::acos(0.01) / kRadiansPerDegree;
        double exact = 0.0;
        switch (op) {
            case ShowMeOp::Sin:
                if (!(degrees >= smallest && degrees <= 90.0))
                    return refuse(ShowMeReach::Sine, angle);
                exact = std::sin(radians);
                break;
            case ShowMeOp::Cos:
                if (!(degrees > 0.0 && degrees <= largestCosine)) {
                    return refuse(ShowMeReach::Cosine, angle);
                }
                exact = std::cos(radians);
                break;
            default:
                if (!(degrees >= smallest && degrees <= largestCosine)) {
                    return refuse(ShowMeReach::Tangent, angle);
                }
                if (degrees > 45.0) {
                    // tan x = 1 / tan(90 - x): T up to 45 degrees, then DI.
                    const std::optional<OnRule> complement = trigonometric(op, 90.0 - degrees);
                    if (!complement) return std::nullopt;
                    return reciprocal(*complement);
                }
                exact = std::tan(radians);
                break;
        }
        const bool tangent = op == ShowMeOp::Tan;
        if (!face(false) || !sinNum(op == ShowMeOp::Cos ? 1 : 0) || !scaleST(exact < 0.1 ? 1 : 0) ||
            !slideHome() || !move(tangent ? kSlots.t : kSlots.s, MoveTarget::Cursor, degrees)) {
            return std::nullopt;
        }
        // S0 and T0 read a tenth of S and T.
        const int exponent = state_.ScaleST != 0 ? -2 : -1;
        OnRule out;
        out.read.expected = exact * std::pow(10.0, -exponent);
        out.read.exponent = exponent;
        return out;
    }

    // log x: L under the hairline at D x gives the mantissa's logarithm;
    // the exponent of x is its whole part.
    std::optional<OnRule> commonLogarithm(OnRule x) {
        const std::optional<OnRule> on = toHairline(x);
        if (!on || !face(false)) return std::nullopt;
        OnRule out;
        out.where = Where::Elsewhere;
        out.slot = kSlots.l;
        out.read.kind = ScaleKind::L;
        out.read.expected = 1.0 + std::log10(on->read.expected);
        out.read.characteristic = on->read.exponent;
        return out;
    }

    // Sets v on its LL (or reciprocal LL) scale under the hairline; returns
    // the number k of the scale it stands on.
    std::optional<int> hairlineOnLogLog(double v) {
        const bool reciprocal = v < 1.0;
        const int k = LogLogRowOf(reciprocal ? 1.0 / v : v);
        if (!face(true) || !pairFor(k) ||
            !move(logLogSlot(ReadingColumn::Cursor, reciprocal, k), MoveTarget::Cursor, v)) {
            return std::nullopt;
        }
        return focusLogLogScale();
    }

    // ln x: the hairline on LLk at x shows ln x x 10^(3-k) on D.
    std::optional<OnRule> naturalLogarithm(double v) {
        if (!positive(v)) return std::nullopt;
        const double w = v < 1.0 ? 1.0 / v : v;
        if (!(w >= kLogLogLow && w <= kLogLogHigh)) {
            return refuse(ShowMeReach::Logarithm, ShowMeNumberText(v));
        }
        const std::optional<int> k = hairlineOnLogLog(v);
        if (!k) return std::nullopt;
        OnRule out;
        out.read.expected = std::log(w) * std::pow(10.0, 3 - *k);
        out.read.exponent = *k - 3;
        out.read.negative = v < 1.0;
        return out;
    }

    // e^y: the hairline on D at y's mantissa; LL(3 + y's exponent) shows e^y.
    std::optional<OnRule> exponential(double y) {
        const double size = std::abs(y);
        if (!(size >= 0.001 && size < 10.0))
            return refuse(ShowMeReach::Exponential, ShowMeNumberText(y));
        const Magnitude m = MagnitudeOf(size);
        const int k = 3 + m.exponent;
        if (!face(true) || !pairFor(k)) return std::nullopt;
        setOnD(size);
        if (failed()) return std::nullopt;
        OnRule out;
        out.where = Where::Elsewhere;
        out.slot = logLogSlot(ReadingColumn::Cursor, y < 0.0, k);
        out.read.kind = ScaleKind::LL;
        out.read.expected = std::exp(y);
        return out;
    }

    // x^y on the log-log scales: the hairline on LL at x, the C index under
    // it, the hairline to C y (or CI y under the hairline, read at the index;
    // a root 1/n as C n under the hairline, read at the index). The scale the
    // power stands on follows from the exponents: k of x's scale plus y's
    // exponent, plus one where D x D's mantissa times y's passes 10.
    std::optional<OnRule> power(const ShowMeNode& node) {
        const ShowMeNode& exponentNode = e_.node(node.right);
        if (exponentNode.op == ShowMeOp::Number &&
            (exponentNode.text == "2" || exponentNode.text == "3")) {
            const std::optional<OnRule> at = placed(node.left);
            if (!at) return std::nullopt;
            return powerOnStator(*at, exponentNode.text == "2" ? 2 : 3);
        }
        if (e_.node(node.left).op == ShowMeOp::Number && e_.node(node.left).text == "e") {
            const std::optional<double> y = value(node.right);
            if (!y) return std::nullopt;
            return exponential(*y);
        }
        // A root written 1/n is a division on the rule.
        std::optional<double> rootOf;
        if (exponentNode.op == ShowMeOp::Divide && literal(exponentNode.left) &&
            literal(exponentNode.right) && e_.node(exponentNode.left).value == 1.0) {
            rootOf = e_.node(exponentNode.right).value;
        }
        std::optional<double> y;
        if (!rootOf) {
            y = value(node.right);
            if (!y) return std::nullopt;
        }
        const std::optional<double> x = positiveValue(node.left);
        if (!x) return std::nullopt;
        const double yv = rootOf ? 1.0 / *rootOf : *y;
        const double w = *x < 1.0 ? 1.0 / *x : *x;
        if (!(w >= kLogLogLow && w <= kLogLogHigh)) {
            return refuse(ShowMeReach::PowerBase, ShowMeNumberText(*x));
        }
        const double size = std::abs(yv) * std::log(w);
        const std::string shown = ShowMeNumberText(*x) + "^" + ShowMeNumberText(yv);
        if (!(size >= 0.001 && size < 10.0)) return refuse(ShowMeReach::Power, shown);

        const std::optional<int> k = hairlineOnLogLog(*x);
        if (!k) return std::nullopt;
        const double onD = std::log(w) * std::pow(10.0, 3 - *k);
        const bool reciprocalResult = (*x < 1.0) != (yv < 0.0);
        ReadingColumn column = ReadingColumn::Cursor;
        int kr;
        if (rootOf) {
            const Magnitude n = MagnitudeOf(*rootOf);
            kr = *k - n.exponent - (onD < n.mantissa ? 1 : 0);
            if (!move(kSlots.c, MoveTarget::Slide, n.mantissa)) return std::nullopt;
            column = ReadingColumn::LeftIndex;
        } else if (MagnitudeOf(std::abs(yv)).mantissa == 1.0) {
            // y a power of ten: the power stands under the hairline on the
            // scale that many decades further.
            kr = *k + MagnitudeOf(std::abs(yv)).exponent;
        } else {
            const Magnitude m = MagnitudeOf(std::abs(yv));
            kr = *k + m.exponent + (onD * m.mantissa >= 10.0 ? 1 : 0);
            const Snapshot before = save();
            if (!indexUnderHairline() || !move(kSlots.c, MoveTarget::Cursor, m.mantissa)) {
                return std::nullopt;
            }
            if (!hairlineOnSlide()) {
                restore(before);
                if (!move(kSlots.ci, MoveTarget::Slide, m.mantissa)) return std::nullopt;
                column = ReadingColumn::LeftIndex;
            }
        }
        if (kr < 0 || kr > 3) return refuse(ShowMeReach::Power, shown);
        if (!pairFor(kr)) return std::nullopt;
        OnRule out;
        out.where = Where::Elsewhere;
        out.read.kind = ScaleKind::LL;
        out.read.expected = std::pow(*x, yv);
        out.slot = logLogSlot(column, reciprocalResult, kr);
        if (column != ReadingColumn::Cursor && reading(out.slot) == NoReading) {
            out.slot = logLogSlot(ReadingColumn::RightIndex, reciprocalResult, kr);
        }
        return out;
    }

    std::optional<OnRule> realise(int index) {
        if (failed()) return std::nullopt;
        const ShowMeNode& node = e_.node(index);
        switch (node.op) {
            case ShowMeOp::Number: {
                OnRule at = setOnD(node.value);
                if (failed()) return std::nullopt;
                return at;
            }
            case ShowMeOp::Multiply:
                return product(node);
            case ShowMeOp::Divide:
                return quotient(node);
            case ShowMeOp::Power:
                return power(node);
            case ShowMeOp::Negate:
                return refuse(ShowMeReach::NotPositive, "-");
            case ShowMeOp::Sqrt:
            case ShowMeOp::Cbrt: {
                const std::optional<double> v = positiveValue(node.left);
                if (!v) return std::nullopt;
                return root(*v, node.op == ShowMeOp::Sqrt ? 2 : 3);
            }
            case ShowMeOp::Sin:
            case ShowMeOp::Cos:
            case ShowMeOp::Tan: {
                const std::optional<double> v = positiveValue(node.left);
                if (!v) return std::nullopt;
                return trigonometric(node.op, *v);
            }
            case ShowMeOp::Log: {
                const std::optional<OnRule> at = placed(node.left);
                if (!at) return std::nullopt;
                return commonLogarithm(*at);
            }
            case ShowMeOp::Ln: {
                const std::optional<double> v = positiveValue(node.left);
                if (!v) return std::nullopt;
                return naturalLogarithm(*v);
            }
        }
        return std::nullopt;
    }

    const ShowMeExpression& e_;
    RuleState state_;
    RuleSession session_;
    HeadlessWindowPort port_;
    NoCommandPort commands_;
    CommandTarget target_;
    Language language_;
    std::vector<ShowMeStep> steps_;
    std::string refusal_;
};

ReadRule ReadRuleOf(const ShowMePlan& plan) {
    ReadRule rule;
    if (!plan.steps.empty()) {
        rule.kind = plan.steps.back().scaleKind;
        rule.expected = plan.steps.back().value;
    }
    rule.exponent = plan.exponent;
    rule.characteristic = plan.characteristic;
    rule.negative = plan.negative;
    return rule;
}

}  // namespace

ShowMeOutcome PlanCalculation(std::string_view text, const RuleState& state, Language language) {
    const ShowMeParse parse = ParseShowMeExpression(text);
    if (!parse.ok()) {
        ShowMeOutcome outcome;
        outcome.refusal = ShowMeParseRefusal(parse, language);
        return outcome;
    }
    return Planner(parse.expression, state, language).run();
}

double ShowMeValueOfReading(const ShowMePlan& plan, double reading) {
    return ValueOfReading(ReadRuleOf(plan), reading);
}

bool PlayShowMeStep(const ShowMeStep& step, CommandTarget& target) {
    RuleSession& session = target.session;
    switch (step.kind) {
        case ShowMeStepKind::Command:
            return ExecuteCommand(step.command, target, MakeCommandContext(session, false)) ==
                   CommandOutcome::Ran;
        case ShowMeStepKind::Move: {
            if (step.slot < 1 || step.slot > kSlotCount) return false;
            session.state.NumFoucs = static_cast<int16_t>(step.slot);
            // As the value moves do: undo first, then the move by value.
            StoreUndo(session.undo, session.state, step.target);
            const int32_t result =
                MoveToValue(session, target.window, step.value, step.target, true);
            target.window.focusBar(BarOfTarget(step.target));
            return result != kMoveRefused;
        }
        case ShowMeStepKind::Read:
            if (step.slot < 1 || step.slot > kSlotCount) return false;
            session.state.NumFoucs = static_cast<int16_t>(step.slot);
            target.window.invalidateRule();
            return CurrentReading(step.slot, session.state) != NoReading;
    }
    return false;
}

double ShowMeResult(const ShowMePlan& plan, const RuleSession& session) {
    if (plan.steps.empty()) return NoReading;
    const double reading = CurrentReading(plan.steps.back().slot, session.state);
    if (reading == NoReading) return NoReading;
    return ShowMeValueOfReading(plan, reading);
}

}  // namespace tesmark
