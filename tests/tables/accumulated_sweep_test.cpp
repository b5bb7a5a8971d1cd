// The loop variables of the graduations: accumulated steps, and bounds that
// end every run after exactly the marks its decimal values call for.
#include <gtest/gtest.h>

#include <cmath>
#include <span>
#include <string>
#include <vector>

#include "tables/ll_segments.h"
#include "tables/scale_segments.h"
#include "tables/sweep.h"

namespace tesmark {
namespace {

std::vector<double> Values(const Sweep& sweep, double* ended = nullptr) {
    std::vector<double> values;
    const double end = sweep.ForEach([&](double x) { values.push_back(x); });
    if (ended != nullptr) *ended = end;
    return values;
}

TEST(CdSweep, AccumulatesTheStepRatherThanRecomputingIt) {
    std::vector<double> xs;
    double ended = 0;
    for (const Segment& segment : kCdSegments) {
        for (double x : Values(segment.sweep, &ended)) xs.push_back(x);
    }
    ASSERT_EQ(xs.size(), 350u);
    EXPECT_EQ(xs[50], 1.5000000000000004);  // 1.00 + 50 * 0.01 would be 1.5 exactly
    EXPECT_NE(xs[50], 1.0 + 50 * 0.01);
    EXPECT_EQ(ended, 10.000000000000018);  // the value that ends the third run
}

TEST(CdSweep, BoundsEndTheRunsAfterOneHundredOneHundredFiftyAndOneHundredMarks) {
    EXPECT_EQ(Values(kCdSegments[0].sweep).size(), 100u);
    EXPECT_EQ(Values(kCdSegments[1].sweep).size(), 150u);
    EXPECT_EQ(Values(kCdSegments[2].sweep).size(), 100u);
}

struct SweepCase {
    const char* name;
    Sweep sweep;
    std::vector<double> values;
};

class SweepMechanicsTest : public ::testing::TestWithParam<SweepCase> {};

TEST_P(SweepMechanicsTest, VisitsTheValuesInOrder) {
    EXPECT_EQ(Values(GetParam().sweep), GetParam().values);
}

const SweepCase kSweeps[] = {
    {"RisingStopsBeforeTheBound", Rise(1, 1, 3.5), {1, 2, 3}},
    {"FallingStopsBeforeTheBound", Fall(3, 1, 0.5), {3, 2, 1}},
    {"DoWhileMakesTheFirstMarkEvenPastTheBound", Rise(5, 5, 4), {5}},
    {"WhileTestsTheStart", {5, 5, Direction::Rising, 4, BoundTest::BeforeEachMark}, {}},
    {"WhileWithinTheBound", {1, 1, Direction::Rising, 2.5, BoundTest::BeforeEachMark}, {1, 2}},
    {"SingleMark", At(84.2), {84.2}},
};

INSTANTIATE_TEST_SUITE_P(Sweeps, SweepMechanicsTest, ::testing::ValuesIn(kSweeps),
                         [](const auto& info) { return std::string(info.param.name); });

// Every run of every table: the accumulated loop makes exactly as many marks
// as there are decimal values start + n * step inside the bound, and the
// bound stands well between two steps, so rounding cannot move it.
struct NamedSweep {
    std::string name;
    Sweep sweep;
};

std::vector<NamedSweep> AllSweeps() {
    std::vector<NamedSweep> all;
    auto add = [&](const char* table, std::span<const Segment> segments) {
        for (std::size_t k = 0; k < segments.size(); ++k) {
            all.push_back({std::string(table) + " run " + std::to_string(k), segments[k].sweep});
        }
    };
    add("CD", kCdSegments);
    for (std::size_t k = 0; k < std::size(kAbKSegments); ++k) {
        all.push_back({"AB/K run " + std::to_string(k), kAbKSegments[k].sweep});
    }
    add("S", kSSegments);
    add("T", kTSegments);
    add("S0", kS0Segments);
    add("T0", kT0Segments);
    add("L", kLSegments);
    const char* llNames[] = {"LL3", "LL2", "LL1", "LL0"};
    const char* recipNames[] = {"LL/3", "LL/2", "LL/1", "LL/0"};
    for (std::size_t k = 0; k < 4; ++k) {
        add(llNames[k], kLlRecipes[k].segments);
        add(recipNames[k], kRecipLlRecipes[k].segments);
    }
    return all;
}

TEST(AllSweeps, NoRunGainsOrLosesAMarkToRounding) {
    for (const NamedSweep& named : AllSweeps()) {
        SCOPED_TRACE(named.name);
        const Sweep& sweep = named.sweep;
        const std::size_t made = Values(sweep).size();
        if (sweep.direction == Direction::Single) {
            EXPECT_EQ(made, 1u);
            continue;
        }
        const double span = sweep.direction == Direction::Rising ? sweep.bound - sweep.start
                                                                 : sweep.start - sweep.bound;
        const double steps = span / sweep.step;
        const double fraction = steps - std::floor(steps);
        EXPECT_GT(fraction, 0.05);
        EXPECT_LT(fraction, 0.95);
        EXPECT_EQ(made, static_cast<std::size_t>(std::floor(steps)) + 1);
    }
}

}  // namespace
}  // namespace tesmark
