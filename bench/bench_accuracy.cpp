// How exactly a value set on the rule reads back. For a sweep of values on
// every settable scale: set the value with MoveToValue, refresh the readings,
// and compare the focus reading's text with the value's own text in the same
// style (the style of a clipboard copy). The report gives the share of exact
// round trips and the largest difference per scale; a short timed benchmark
// of one round trip follows.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "model/number_format.h"
#include "model/reading_table.h"
#include "ops/headless_window_port.h"
#include "ops/move_to_value.h"
#include "ops/parse_number.h"
#include "ops/rule_session.h"

namespace {

using namespace tesmark;

struct ScaleSweep {
    const char* scale;
    int16_t face;     // SlideRev
    int16_t scaleST;  // starting S/T set
    int16_t scaleLL;  // starting log-log pair
    int16_t slot;     // starting focus (MoveToValue may move it)
    MoveTarget target;
    double low;
    double high;
};

// Cursor-column slots: they read the value wherever it lies in the decade.
// The slide's scales are set with the slide, the stator's with the cursor.
constexpr ScaleSweep kSweeps[] = {
    {"D", 0, 0, 2, 14, MoveTarget::Cursor, 1.0, 9.99999},
    {"C", 0, 0, 2, 13, MoveTarget::Slide, 1.0, 9.99999},
    {"A", 0, 0, 2, 9, MoveTarget::Cursor, 1.0, 99.9999},
    {"B", 0, 0, 2, 10, MoveTarget::Slide, 1.0, 99.9999},
    {"K", 0, 0, 2, 8, MoveTarget::Cursor, 1.0, 999.999},
    {"DI", 0, 0, 2, 15, MoveTarget::Cursor, 1.0, 9.99999},
    {"L", 0, 0, 2, 16, MoveTarget::Cursor, 0.0, 0.999999},
    {"S", 0, 0, 2, 12, MoveTarget::Slide, 5.8, 89.0},
    {"T", 0, 0, 2, 11, MoveTarget::Slide, 5.8, 44.9},
    {"S0", 0, 1, 2, 12, MoveTarget::Slide, 0.6, 5.7},
    {"T0", 0, 1, 2, 11, MoveTarget::Slide, 0.6, 5.7},
    {"CI", 1, 0, 2, 12, MoveTarget::Slide, 1.0, 9.99999},
    {"CF", 1, 0, 2, 10, MoveTarget::Slide, 1.0, 9.99999},
    {"DF", 1, 0, 2, 9, MoveTarget::Cursor, 1.0, 9.99999},
    {"CIF", 1, 0, 2, 11, MoveTarget::Slide, 1.0, 9.99999},
    {"LL0", 1, 0, 0, 16, MoveTarget::Cursor, 1.00101, 1.01},
    {"LL1", 1, 0, 1, 16, MoveTarget::Cursor, 1.0101, 1.105},
    {"LL2", 1, 0, 2, 16, MoveTarget::Cursor, 1.106, 2.718},
    {"LL3", 1, 0, 2, 15, MoveTarget::Cursor, 2.719, 22000.0},
    {"LL/0", 1, 0, 0, 7, MoveTarget::Cursor, 0.9901, 0.999},
    {"LL/1", 1, 0, 1, 7, MoveTarget::Cursor, 0.905, 0.99},
    {"LL/2", 1, 0, 2, 7, MoveTarget::Cursor, 0.368, 0.904},
    {"LL/3", 1, 0, 2, 8, MoveTarget::Cursor, 0.0001, 0.3678},
};

constexpr int kValuesPerScale = 20000;

struct SweepResult {
    int values = 0;
    int exact = 0;
    int refused = 0;
    double largestRelative = 0.0;  // |reading - value| / |value|
    double largestDigits = 0.0;    // |reading - value| in units of the text's last digit
    std::string worstValue, worstReading;
};

// One round trip; returns false when MoveToValue refused.
// The value of one unit in the last digit of a number text.
double LastDigitUnit(const std::string& text) {
    const std::size_t point = text.find('.');
    if (point == std::string::npos) return 1.0;
    return std::pow(10.0, -static_cast<double>(text.size() - point - 1));
}

bool RoundTrip(const ScaleSweep& sweep, double sweepValue, std::string& valueText,
               std::string& readingText, double& relative, double& digits) {
    RuleState state = RuleState::Defaults();
    state.SlideRev = sweep.face;
    state.ScaleST = sweep.scaleST;
    state.ScaleLL = sweep.scaleLL;
    state.NumFoucs = sweep.slot;
    RuleSession session(state);
    HeadlessWindowPort port(session);
    HeadlessWindowPort::RecordComposition(session);

    // The value as it would be typed from a reading: its own text, read back.
    valueText = FormatSlotReading(sweepValue, sweep.slot, state, false);
    const double value = ParseLeadingNumber(valueText);
    if (MoveToValue(session, port, value, sweep.target, true) < 0) return false;

    ReadingTable table;
    RefreshAllReadings(state, table);
    const int focus = state.NumFoucs;
    double reading = table[focus];
    valueText = FormatSlotReading(value, focus, state, false);
    readingText = FormatSlotReading(reading, focus, state, false);
    // The front L slots under the cursor store log10 D + 1; compare fractions.
    if (state.SlideRev == 0 && focus == 16) reading -= 1.0;
    relative = value != 0.0 ? std::abs(reading - value) / std::abs(value) : std::abs(reading);
    digits = std::abs(reading - value) / LastDigitUnit(valueText);
    return true;
}

SweepResult Sweep(const ScaleSweep& sweep) {
    SweepResult result;
    const bool linear = sweep.low <= 0.0;
    for (int i = 0; i < kValuesPerScale; ++i) {
        const double t = (i + 0.5) / kValuesPerScale;
        const double v = linear ? sweep.low + (sweep.high - sweep.low) * t
                                : sweep.low * std::pow(sweep.high / sweep.low, t);
        std::string valueText, readingText;
        double relative = 0.0, digits = 0.0;
        ++result.values;
        if (!RoundTrip(sweep, v, valueText, readingText, relative, digits)) {
            ++result.refused;
            continue;
        }
        if (valueText == readingText) ++result.exact;
        result.largestDigits = std::max(result.largestDigits, digits);
        if (relative > result.largestRelative) {
            result.largestRelative = relative;
            result.worstValue = valueText;
            result.worstReading = readingText;
        }
    }
    return result;
}

void PrintReport() {
    std::printf("Round trips of MoveToValue: %d values per scale, compared as clipboard texts\n",
                kValuesPerScale);
    std::printf("%-5s %4s %-6s %9s %8s %12s %12s  %s\n", "scale", "slot", "target", "exact",
                "refused", "largest rel", "last digits", "worst (value -> reading)");
    for (const ScaleSweep& sweep : kSweeps) {
        const SweepResult r = Sweep(sweep);
        std::printf("%-5s %4d %-6s %8.3f%% %8d %12.3g %12.3f  %s -> %s\n", sweep.scale, sweep.slot,
                    sweep.target == MoveTarget::Slide ? "slide" : "cursor",
                    100.0 * r.exact / std::max(1, r.values - r.refused), r.refused,
                    r.largestRelative, r.largestDigits, r.worstValue.c_str(),
                    r.worstReading.c_str());
    }
    std::printf("One position unit is 1/6,300,000 decade: a relative step of %.3g on C/D.\n\n",
                std::pow(10.0, 1.0 / DecadeUnits) - 1.0);
}

void RoundTripOnD(benchmark::State& run) {
    int i = 0;
    for (auto _ : run) {
        std::string valueText, readingText;
        double relative = 0.0, digits = 0.0;
        benchmark::DoNotOptimize(RoundTrip(kSweeps[0], 1.0 + (i++ % 1000) * 0.009, valueText,
                                           readingText, relative, digits));
    }
}
BENCHMARK(RoundTripOnD);

}  // namespace

int main(int argc, char** argv) {
    PrintReport();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
