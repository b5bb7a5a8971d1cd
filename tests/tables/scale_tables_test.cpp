// The front-face graduation tables: sizes, count convention, every numbered
// mark, and the unnumbered marks the drawer hangs symbols on.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "support/built_graduation_tables.h"
#include "tables/graduation.h"
#include "tables/table_catalog.h"

namespace tesmark {
namespace {

using testing::BuiltGraduationTables;

struct Labelled {
    int index;
    int position;
    int label;
};

struct TableCase {
    const char* name;
    int countField;
    std::vector<Labelled> labelled;  // every mark with a non-zero label, in order
};

TableView View(const char* name) {
    return *FindTable(BuiltGraduationTables(), name);
}

class ScaleTableTest : public ::testing::TestWithParam<TableCase> {};

TEST_P(ScaleTableTest, CountFieldIsTheIndexOfTheLastMark) {
    const TableView view = View(GetParam().name);
    EXPECT_EQ(view.count, GetParam().countField);
    EXPECT_EQ(view.marks.size(), static_cast<std::size_t>(GetParam().countField + 1));
}

TEST_P(ScaleTableTest, NumbersStandExactlyAtTheListedMarks) {
    const TableView view = View(GetParam().name);
    std::vector<Labelled> actual;
    for (std::size_t i = 0; i < view.marks.size(); ++i) {
        if (view.marks[i].label != 0) {
            actual.push_back({static_cast<int>(i), view.marks[i].position, view.marks[i].label});
        }
    }
    ASSERT_EQ(actual.size(), GetParam().labelled.size());
    for (std::size_t k = 0; k < actual.size(); ++k) {
        SCOPED_TRACE("labelled mark " + std::to_string(k));
        EXPECT_EQ(actual[k].index, GetParam().labelled[k].index);
        EXPECT_EQ(actual[k].position, GetParam().labelled[k].position);
        EXPECT_EQ(actual[k].label, GetParam().labelled[k].label);
    }
}

TEST_P(ScaleTableTest, EveryTickHasADrawnLength) {
    const TableView view = View(GetParam().name);
    for (std::size_t i = 0; i < view.marks.size(); ++i) {
        const int tick = view.marks[i].tickLength;
        EXPECT_TRUE(tick == 3 || tick == 5 || tick == 7 || tick == 9) << "mark " << i;
    }
}

const TableCase kScaleTables[] = {
    {"CD",
     350,
     {{0, 0, 1},
      {50, 370, 2},  // x = 1.5, rounded half up; drawn as "1.5"
      {100, 632, 2},
      {150, 1002, 3},
      {200, 1264, 4},
      {250, 1468, 5},
      {270, 1634, 6},
      {290, 1775, 7},
      {310, 1896, 8},
      {330, 2004, 9},
      {350, 2100, 10}}},
    {"AB",
     160,
     {{0, 0, 1},
      {50, 316, 2},
      {70, 501, 3},
      {90, 632, 4},
      {110, 734, 5},
      {120, 817, 6},
      {130, 887, 7},
      {140, 948, 8},
      {150, 1002, 9},
      {160, 1050, 10}}},
    {"K",
     160,
     {{0, 0, 1}, {50, 211, 2}, {70, 334, 3}, {90, 421, 4}, {110, 489, 5}, {160, 700, 10}}},
    {"S",
     317,
     {{0, 0, 90},
      {12, 57, 20},
      {22, 131, 30},
      {42, 243, 40},
      {62, 403, 50},
      {82, 632, 60},
      {107, 786, 65},
      {132, 978, 70},
      {182, 1233, 75},
      {232, 1597, 80},
      {252, 1692, 81},
      {272, 1799, 82},
      {292, 1920, 83},
      {312, 2060, 84}}},
    {"T",
     361,
     {{0, 0, 45},
      {25, 160, 40},
      {75, 501, 30},
      {125, 696, 25},
      {175, 922, 20},
      {225, 1201, 15},
      {275, 1583, 10},
      {295, 1681, 9},
      {315, 1790, 8},
      {335, 1913, 7},
      {355, 2055, 6}}},
    {"S0",
     260,
     {{13, 39, -84},
      {38, 125, 85},
      {63, 221, -85},
      {88, 328, 86},
      {113, 450, -86},
      {138, 591, 87},
      {163, 757, -87},
      {188, 960, 88},
      {213, 1222, -88},
      {238, 1592, 89}}},
    {"T0",
     258,
     {{11, 34, -5},
      {36, 122, 5},
      {61, 218, -4},
      {86, 326, 4},
      {111, 448, -3},
      {136, 589, 3},
      {161, 756, -2},
      {186, 960, 2},
      {211, 1222, -1},
      {236, 1592, 1}}},
    {"L",
     500,
     {{0, 0, 10},
      {50, 210, 9},
      {100, 420, 8},
      {150, 630, 7},
      {200, 840, 6},
      {250, 1050, 5},
      {300, 1260, 4},
      {350, 1470, 3},
      {400, 1680, 2},
      {450, 1890, 1},
      {500, 2100, 1}}},
};

INSTANTIATE_TEST_SUITE_P(Tables, ScaleTableTest, ::testing::ValuesIn(kScaleTables),
                         [](const auto& info) { return std::string(info.param.name); });

// Unnumbered marks whose place or tick the drawer depends on.
struct MarkCase {
    const char* what;
    const char* table;
    int index;
    int position;
    int tick;
};

const MarkCase kMarks[] = {
    {"PiOnCdIsPiOffset", "CD", 157, PiOffset, 3},
    {"GaugeCOnCd", "CD", 13, 111, 3},
    {"GaugeRhoSecondsOnCd", "CD", 103, 659, 3},
    {"GaugeRhoMinutesOnCd", "CD", 172, 1127, 3},
    {"GaugeRhoDegreesOnCd", "CD", 265, 1595, 3},
    {"HalfIndexTwoAndAHalf", "CD", 125, 836, 9},
    {"HalfIndexFourAndAHalf", "CD", 225, 1372, 9},
    {"CdEndIsLong", "CD", 350, 2100, 7},
    {"AbEndIsMedium", "AB", 160, 1050, 5},
    {"KEndIsMedium", "K", 160, 700, 5},
    {"KFiveIsLongWhereAbIsMedium", "K", 110, 489, 7},
    {"AbFive", "AB", 110, 734, 5},
    {"SFiveDegreesTheta", "S", 1, 3, 5},
    {"SAlphaFivePointEight", "S", 316, 2090, 7},
    {"SEnd", "S", 317, 2100, 7},
    {"TFivePointSevenFiveIsShort", "T", 360, 2094, 3},
    {"TEnd", "T", 361, 2100, 7},
    {"S0FirstIsTheLeftEnd", "S0", 0, 2100, 7},
    {"S0ThetaEightyFourPointTwoSixAtZero", "S0", 1, 0, 3},
    {"S0PointSixPair", "S0", 258, 2058, 5},
    {"S0End", "S0", 260, 0, 7},
    {"T0First", "T0", 0, 0, 7},
    {"T0PointSixPair", "T0", 256, 2058, 5},
    {"T0End", "T0", 258, 2100, 7},
    {"LEnd", "L", 500, 2100, 7},
};

class NotableMarkTest : public ::testing::TestWithParam<MarkCase> {};

TEST_P(NotableMarkTest, LiesWhereTheDrawerExpectsIt) {
    const TableView view = View(GetParam().table);
    const GraduationMark& mark = view.marks[static_cast<std::size_t>(GetParam().index)];
    EXPECT_EQ(mark.position, GetParam().position);
    EXPECT_EQ(mark.tickLength, GetParam().tick);
}

INSTANTIATE_TEST_SUITE_P(Marks, NotableMarkTest, ::testing::ValuesIn(kMarks),
                         [](const auto& info) { return std::string(info.param.what); });

TEST(CdTable, HalfIndexMarkersStandOnlyAtTheHalvesFromTwoToFourAndAHalf) {
    const auto& cd = BuiltGraduationTables().CdTable;
    std::vector<int> halfIndex;
    for (int i = 0; i <= cd.count; ++i) {
        if (cd[static_cast<std::size_t>(i)].tickLength == PrimaryTicks.halfIndex) {
            halfIndex.push_back(i);
        }
    }
    // x = 2.0, 2.5, 3.0, 3.5, 4.0, 4.5
    EXPECT_EQ(halfIndex, (std::vector<int>{100, 125, 150, 175, 200, 225}));
}

TEST(AbAndKTables, ShareOneCountAndOneWalk) {
    const GraduationTables& tables = BuiltGraduationTables();
    EXPECT_EQ(tables.AbTable.count, tables.KTable.count);
    // Same values walked: every K position is two thirds of the A/B one, to
    // within the two roundings.
    for (int j = 0; j <= tables.AbTable.count; ++j) {
        const auto i = static_cast<std::size_t>(j);
        EXPECT_NEAR(tables.KTable[i].position, tables.AbTable[i].position * 2.0 / 3.0, 1.0)
            << "mark " << j;
    }
}

TEST(GraduationConstants, PiOffsetIsTheRoundedPositionOfPi) {
    EXPECT_EQ(PiOffset, RoundPos(2100 * std::log10(3.141592653)));
    EXPECT_EQ(DecadeLength, 2 * HalfDecadeLength);
    EXPECT_EQ(DecadeLength, 3 * ThirdDecadeLength);
}

struct RoundCase {
    const char* name;
    double value;
    int rounded;
};

class RoundPosTest : public ::testing::TestWithParam<RoundCase> {};

TEST_P(RoundPosTest, TruncatesTheValuePlusAHalf) {
    EXPECT_EQ(RoundPos(GetParam().value), GetParam().rounded);
}

// Half up for positive values; toward zero after adding the half for negative
// ones, so -0.7 and -1.2 both give 0 and -1.6 gives -1.
const RoundCase kRounding[] = {
    {"Zero", 0.0, 0},         {"JustBelowHalf", 0.49999, 0},    {"Half", 0.5, 1},
    {"Pixel", 2099.5, 2100},  {"SmallNegative", -0.3, 0},       {"NegativeBelowHalf", -0.7, 0},
    {"NegativeOne", -1.2, 0}, {"NegativeOneAndHalf", -1.6, -1}, {"DeepNegative", -2101.4, -2100},
};

INSTANTIATE_TEST_SUITE_P(Values, RoundPosTest, ::testing::ValuesIn(kRounding),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tesmark
