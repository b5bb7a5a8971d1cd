// An independent guard on every mark of every table: its stored position lies
// within half a pixel of the true place of its value on the scale, computed
// here in closed form (start + n * step, the exact pi and e) rather than by
// the builders' accumulated loops.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "support/built_graduation_tables.h"
#include "tables/table_catalog.h"

namespace tesmark {
namespace {

using testing::BuiltGraduationTables;

constexpr double kE = std::numbers::e;
// The rule converts angles with a ten-digit pi; against the exact one a mark
// moves by at most a few hundred-thousandths of a pixel.
constexpr double kTolerance = 1e-3;

double Radians(double degrees) {
    return degrees * std::numbers::pi / 180;
}
double Degrees(double radians) {
    return radians * 180 / std::numbers::pi;
}

// Where each value truly lies, in pixels from the table's reference end.
double OnCd(double x) {
    return 2100 * std::log10(x);
}
double OnAb(double x) {
    return 1050 * std::log10(x);
}
double OnK(double x) {
    return 700 * std::log10(x);
}
double OnS(double theta) {
    return -2100 * std::log10(std::cos(Radians(theta)));
}
double OnS0(double theta) {
    return OnS(theta) - 2100;
}
double OnT(double r) {
    return -2100 * std::log10(std::tan(Radians(r)));
}
double OnT0(double x) {
    return OnT(x) - 2100;
}
double OnL(double y) {
    return 2100 * y;
}

// LL<3 - decade> and LL/<3 - decade>: D(x) = 2100 log10 |ln x|, moved up by
// one decade per scale below LL3.
template <int Decade>
double OnLogLog(double x) {
    return 2100 * std::log10(std::fabs(std::log(x))) + Decade * 2100;
}

// Marks first..last carry the values start + (i - first) * step.
struct ValueRun {
    int first;
    int last;
    double start;
    double step;
};

struct GuardCase {
    const char* name;
    double (*truePosition)(double);
    int decade;  // the log-log decade below LL3, for the -1 of negative positions
    std::vector<ValueRun> runs;
};

double ValueAt(const std::vector<ValueRun>& runs, int index, bool* found) {
    for (const ValueRun& run : runs) {
        if (index >= run.first && index <= run.last) {
            *found = true;
            return run.start + (index - run.first) * run.step;
        }
    }
    *found = false;
    return 0;
}

class GuardTest : public ::testing::TestWithParam<GuardCase> {};

TEST_P(GuardTest, RunsCoverEveryMarkOnce) {
    const TableView view = *FindTable(BuiltGraduationTables(), GetParam().name);
    int next = 0;
    for (const ValueRun& run : GetParam().runs) {
        EXPECT_EQ(run.first, next);
        next = run.last + 1;
    }
    EXPECT_EQ(static_cast<std::size_t>(next), view.marks.size());
}

TEST_P(GuardTest, EveryMarkLiesWithinHalfAPixelOfItsValue) {
    const GuardCase& guard = GetParam();
    const TableView view = *FindTable(BuiltGraduationTables(), guard.name);
    for (std::size_t i = 0; i < view.marks.size(); ++i) {
        bool found = false;
        const double value = ValueAt(guard.runs, static_cast<int>(i), &found);
        if (!found) continue;  // reported by RunsCoverEveryMarkOnce
        const double truePosition = guard.truePosition(value);
        const int stored = view.marks[i].position;
        // Below the decade's left index, within half a pixel of it, the
        // log-log scales store one pixel less: their rounding truncates toward
        // zero and then subtracts one.
        const double withinDecade = truePosition - guard.decade * 2100.0;
        if (guard.decade > 0 && withinDecade > -0.5 && withinDecade < 0 &&
            stored == guard.decade * 2100 - 1) {
            continue;
        }
        EXPECT_NEAR(stored, truePosition, 0.5 + kTolerance) << "mark " << i << " value " << value;
    }
}

const GuardCase kGuards[] = {
    {"CD",
     OnCd,
     0,
     {{0, 99, 1.00, 0.01}, {100, 249, 2.00, 0.02}, {250, 349, 5.00, 0.05}, {350, 350, 10, 0}}},
    {"AB",
     OnAb,
     0,
     {{0, 49, 1.00, 0.02}, {50, 109, 2.00, 0.05}, {110, 159, 5.0, 0.1}, {160, 160, 10, 0}}},
    {"K",
     OnK,
     0,
     {{0, 49, 1.00, 0.02}, {50, 109, 2.00, 0.05}, {110, 159, 5.0, 0.1}, {160, 160, 10, 0}}},
    {"S",
     OnS,
     0,
     {{0, 0, 0, 0},
      {1, 1, 5, 0},
      {2, 21, 10, 1},
      {22, 81, 30, 0.5},
      {82, 131, 60, 0.2},
      {132, 231, 70, 0.1},
      {232, 315, 80, 0.05},
      {316, 316, 84.2, 0},
      {317, 317, Degrees(std::acos(0.1)), 0}}},  // the end of the decade
    {"T",
     OnT,
     0,
     {{0, 74, 45, -0.2},
      {75, 274, 30, -0.1},
      {275, 359, 10, -0.05},
      {360, 360, 5.75, 0},
      {361, 361, Degrees(std::atan(0.1)), 0}}},
    {"S0",
     OnS0,
     0,
     {{0, 0, Degrees(std::acos(0.01)), 0},
      {1, 259, 84.26, 0.02},
      {260, 260, Degrees(std::acos(0.1)), 0}}},
    {"T0",
     OnT0,
     0,
     {{0, 0, Degrees(std::atan(0.1)), 0},
      {1, 257, 5.70, -0.02},
      {258, 258, Degrees(std::atan(0.01)), 0}}},
    {"L", OnL, 0, {{0, 499, 0, 0.002}, {500, 500, 1, 0}}},
    {"LL3",
     OnLogLog<0>,
     0,
     {{0, 0, kE, 0},
      {1, 63, 2.74, 0.02},
      {64, 103, 4, 0.05},
      {104, 143, 6, 0.1},
      {144, 168, 10, 0.2},
      {169, 198, 15, 0.5},
      {199, 218, 30, 1},
      {219, 243, 50, 2},
      {244, 263, 100, 5},
      {264, 283, 200, 10},
      {284, 288, 400, 20},
      {289, 298, 500, 50},
      {299, 308, 1000, 100},
      {309, 323, 2000, 200},
      {324, 333, 5000, 500},
      {334, 346, 10000, 1000}}},
    {"LL2",
     OnLogLog<1>,
     1,
     {{0, 0, kE, 0},
      {1, 10, 2.70, -0.02},
      {11, 60, 2.50, -0.01},
      {61, 180, 2.0, -0.005},
      {181, 280, 1.4, -0.002},
      {281, 370, 1.2, -0.001},
      {371, 376, 1.11, -0.001}}},
    {"LL1",
     OnLogLog<2>,
     2,
     {{0, 109, 1.105, -0.0005}, {110, 259, 1.05, -0.0002}, {260, 360, 1.02, -0.0001}}},
    {"LL0",
     OnLogLog<3>,
     3,
     {{0, 99, 1.01, -0.00005}, {100, 249, 1.005, -0.00002}, {250, 350, 1.002, -0.00001}}},
    {"LL/3",
     OnLogLog<0>,
     0,
     {{0, 0, 1 / kE, 0},
      {1, 133, 0.366, -0.002},
      {134, 203, 0.1, -0.001},
      {204, 243, 0.03, -0.0005},
      {244, 268, 0.01, -0.0002},
      {269, 308, 0.005, -0.0001},
      {309, 318, 0.001, -0.00005},
      {319, 333, 0.0005, -0.00002},
      {334, 343, 0.0002, -0.00001},
      {344, 355, 0.0001, -0.000005}}},
    {"LL/2",
     OnLogLog<1>,
     1,
     {{0, 0, 1 / kE, 0}, {1, 215, 0.37, 0.002}, {216, 315, 0.8, 0.001}, {316, 326, 0.9, 0.0005}}},
    {"LL/1",
     OnLogLog<2>,
     2,
     {{0, 89, 0.905, 0.0005}, {90, 239, 0.95, 0.0002}, {240, 340, 0.98, 0.0001}}},
    {"LL/0",
     OnLogLog<3>,
     3,
     {{0, 99, 0.99, 0.00005}, {100, 249, 0.995, 0.00002}, {250, 350, 0.998, 0.00001}}},
};

INSTANTIATE_TEST_SUITE_P(Tables, GuardTest, ::testing::ValuesIn(kGuards), [](const auto& info) {
    std::string name = info.param.name;
    for (char& c : name) {
        if (c == '/') c = 'R';  // LL/0 -> LLR0
    }
    return name;
});

// Positions may stray a few pixels outside the decade at the ends of the
// log-log scales; nothing else leaves 0..2100.
TEST(Positions, OnlyTheListedLogLogEndsLeaveTheDecade) {
    std::vector<std::string> outside;
    for (const TableView& view : ListTables(BuiltGraduationTables())) {
        for (std::size_t i = 0; i < view.marks.size(); ++i) {
            const int p = view.marks[i].position;
            if (p < 0 || p > 2100) {
                outside.push_back(std::string(view.name) + ":" + std::to_string(i) + "@" +
                                  std::to_string(p));
            }
        }
    }
    EXPECT_EQ(outside, (std::vector<std::string>{"LL1:360@-5", "LL2:376@-1", "LL/0:0@2105",
                                                 "LL/2:326@-2", "LL/3:355@2101"}));
}

}  // namespace
}  // namespace tesmark
