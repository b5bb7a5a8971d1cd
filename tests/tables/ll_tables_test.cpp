// The log-log graduation tables: sizes, count convention, every numbered mark
// with the string it shows, and the ends that stray outside the decade.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
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
    std::string_view text;
};

struct EndMark {
    int index;
    int position;
};

struct LlCase {
    const char* test;
    const char* name;
    int markCount;
    std::vector<Labelled> labelled;  // every mark with a label, in order
    std::vector<EndMark> ends;       // unnumbered marks worth pinning down
};

class LlTableTest : public ::testing::TestWithParam<LlCase> {
  protected:
    TableView view() const { return *FindTable(BuiltGraduationTables(), GetParam().name); }
};

TEST_P(LlTableTest, CountFieldIsTheNumberOfMarks) {
    EXPECT_EQ(view().count, GetParam().markCount);
    EXPECT_EQ(view().marks.size(), static_cast<std::size_t>(GetParam().markCount));
}

TEST_P(LlTableTest, NumbersStandExactlyAtTheListedMarks) {
    const TableView table = view();
    std::vector<Labelled> actual;
    for (std::size_t i = 0; i < table.marks.size(); ++i) {
        if (table.marks[i].label != 0) {
            actual.push_back(
                {static_cast<int>(i), table.marks[i].position, table.LabelText(table.marks[i])});
        }
    }
    ASSERT_EQ(actual.size(), GetParam().labelled.size());
    for (std::size_t k = 0; k < actual.size(); ++k) {
        SCOPED_TRACE("labelled mark " + std::to_string(k));
        EXPECT_EQ(actual[k].index, GetParam().labelled[k].index);
        EXPECT_EQ(actual[k].position, GetParam().labelled[k].position);
        EXPECT_EQ(actual[k].text, GetParam().labelled[k].text);
    }
}

TEST_P(LlTableTest, LabelsCountUpFromTheFirstStringAndNeverReachTheBlank) {
    const TableView table = view();
    const auto strings = LlLabelStrings(table.llScale, table.reciprocal);
    ASSERT_FALSE(strings.empty());
    EXPECT_EQ(strings.back(), " ");
    int expected = 1;
    for (const GraduationMark& mark : table.marks) {
        if (mark.label == 0) continue;
        EXPECT_EQ(mark.label, expected);
        ++expected;
    }
    // Every string but the final blank is shown exactly once.
    EXPECT_EQ(static_cast<std::size_t>(expected - 1), strings.size() - 1);
}

TEST_P(LlTableTest, EndMarksKeepTheirPositionsOutsideTheDecade) {
    const TableView table = view();
    for (const EndMark& end : GetParam().ends) {
        SCOPED_TRACE("mark " + std::to_string(end.index));
        const GraduationMark& mark = table.marks[static_cast<std::size_t>(end.index)];
        EXPECT_EQ(mark.position, end.position);
        EXPECT_EQ(mark.label, 0);
    }
}

TEST_P(LlTableTest, TicksAreSecondaryLengths) {
    for (const GraduationMark& mark : view().marks) {
        EXPECT_TRUE(mark.tickLength == 3 || mark.tickLength == 5 || mark.tickLength == 7);
    }
}

const LlCase kLlTables[] = {
    {"LL3",
     "LL3",
     347,
     {{0, 0, "e"},         {14, 86, "3"},        {64, 298, "4"},      {84, 434, "5"},
      {104, 532, "6"},     {114, 607, "7"},      {124, 668, "8"},     {134, 718, "9"},
      {144, 761, "10"},    {169, 909, "15"},     {179, 1001, "20"},   {189, 1066, "25"},
      {199, 1116, "30"},   {209, 1190, "40"},    {219, 1244, "50"},   {244, 1393, "100"},
      {264, 1521, "200"},  {289, 1666, "500"},   {299, 1763, "1000"}, {309, 1850, "2000"},
      {324, 1954, "5000"}, {334, 2025, "10000"}, {344, 2091, "20000"}},
     {{346, 2100}}},
    {"LL2",
     "LL2",
     377,
     {{0, 2100, "e"},
      {11, 2020, "2.5"},
      {61, 1766, "2"},
      {81, 1696, "1.9"},
      {101, 1615, "1.8"},
      {121, 1522, "1.7"},
      {141, 1411, "1.6"},
      {161, 1277, "1.5"},
      {181, 1107, "1.4"},
      {231, 880, "1.3"},
      {281, 548, "1.2"},
      {331, 305, "1.15"},
      {371, 39, "1.11"}},
     {{376, -1}}},
    {"LL1",
     "LL1",
     361,
     {{10, 2056, "1.10"},
      {30, 1964, "1.09"},
      {50, 1861, "1.08"},
      {70, 1744, "1.07"},
      {90, 1607, "1.06"},
      {110, 1445, "1.05"},
      {160, 1246, "1.04"},
      {210, 988, "1.03"},
      {260, 623, "1.02"},
      {310, 363, "1.015"},
      {360, -5, "1.01"}},
     {{0, 2099}}},
    {"LL0",
     "LL0",
     351,
     {{0, 2095, "1.01"},
      {20, 2000, "1.009"},
      {40, 1893, "1.008"},
      {60, 1772, "1.007"},
      {80, 1631, "1.006"},
      {100, 1466, "1.005"},
      {150, 1263, "1.004"},
      {200, 1001, "1.003"},
      {250, 631, "1.002"},
      {300, 369, "1.0015"},
      {350, 0, "1.001"}},
     {}},
    {"RecipLL3",
     "LL/3",
     356,
     {{0, 0, " 1/e"},
      {34, 169, ".3"},
      {84, 434, ".2"},
      {134, 761, ".1"},
      {184, 1001, ".05"},
      {204, 1144, ".03"},
      {224, 1244, ".02"},
      {244, 1393, ".01"},
      {269, 1521, ".005"},
      {299, 1666, ".002"},
      {309, 1763, ".001"},
      {319, 1850, ".0005"},
      {334, 1954, ".0002"},
      {344, 2025, ".0001"},
      {354, 2091, ".00005"}},
     {{355, 2101}}},
    {"RecipLL2",
     "LL/2",
     327,
     {{0, 2100, " 1/e"},
      {16, 2020, ".4"},
      {66, 1766, ".5"},
      {116, 1487, ".6"},
      {166, 1160, ".7"},
      {216, 732, ".8"},
      {266, 443, ".85"},
      {316, 48, ".9"}},
     {{326, -2}}},
    {"RecipLL1",
     "LL/1",
     341,
     {{10, 2047, ".91"},
      {30, 1934, ".92"},
      {50, 1808, ".93"},
      {70, 1662, ".94"},
      {90, 1491, ".95"},
      {140, 1283, ".96"},
      {190, 1016, ".97"},
      {240, 641, ".98"},
      {290, 377, ".985"},
      {340, 5, ".99"}},
     {{0, 2098}}},
    {"RecipLL0",
     "LL/0",
     351,
     {{0, 2105, ".990"},
      {20, 2008, ".991"},
      {40, 1900, ".992"},
      {60, 1778, ".993"},
      {80, 1637, ".994"},
      {100, 1470, ".995"},
      {150, 1266, ".996"},
      {200, 1003, ".997"},
      {250, 633, ".998"},
      {300, 370, ".9985"},
      {350, 0, ".999"}},
     {}},
};

INSTANTIATE_TEST_SUITE_P(Tables, LlTableTest, ::testing::ValuesIn(kLlTables),
                         [](const auto& info) { return std::string(info.param.test); });

// Ticks the drawer shows differently from the usual pattern.
TEST(LlTicks, TenOnLl3IsNumberedButMedium) {
    const auto& ll3 = BuiltGraduationTables().LlTable[3];
    EXPECT_EQ(ll3[144].tickLength, SecondaryTicks.medium);
    EXPECT_NE(ll3[144].label, 0);
}

TEST(LlTicks, IndexMarksAndLastMarks) {
    const GraduationTables& tables = BuiltGraduationTables();
    EXPECT_EQ(tables.LlTable[3][0].tickLength, SecondaryTicks.longTick);       // e
    EXPECT_EQ(tables.LlTable[3][346].tickLength, SecondaryTicks.shortTick);    // 22000
    EXPECT_EQ(tables.LlTable[1][0].tickLength, SecondaryTicks.longTick);       // 1.105
    EXPECT_EQ(tables.RecipLlTable[2][0].tickLength, SecondaryTicks.longTick);  // 1/e
}

TEST(LlLabelStrings, ReciprocalEListsKeepTheirLeadingSpace) {
    EXPECT_EQ(LlLabelStrings(3, true).front(), " 1/e");
    EXPECT_EQ(LlLabelStrings(2, true).front(), " 1/e");
    EXPECT_EQ(LlLabelStrings(3, false).size(), 24u);
    EXPECT_EQ(LlLabelStrings(0, true).size(), 12u);
}

TEST(LlLabelStrings, OutOfRangeRequestsGiveNothing) {
    EXPECT_TRUE(LlLabelStrings(4, false).empty());
    EXPECT_TRUE(LlLabelStrings(-1, true).empty());
    EXPECT_EQ(LlLabelText(3, false, 0), "");
    EXPECT_EQ(LlLabelText(3, false, 25), "");
    EXPECT_EQ(LlLabelText(3, false, 24), " ");
}

}  // namespace
}  // namespace tesmark
