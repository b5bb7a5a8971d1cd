#include "model/scale_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "model/tooltip_strings.h"

namespace tesmark {
namespace {

struct ExpectedRow {
    std::string_view name;
    bool red;
    int tooltipId;
    RowGraduation graduation;
    int llScale;
    int16_t foldOffset;
};

using ExpectedFace = std::array<ExpectedRow, kRowCount>;

struct LayoutCase {
    const char* name;
    int16_t face;
    int16_t scaleSt;
    int16_t sinNum;
    int16_t scalePi;
    int16_t scaleLl;
    ExpectedFace rows;
};

void PrintTo(const LayoutCase& c, std::ostream* os) {
    *os << c.name;
}

class FaceLayoutTest : public testing::TestWithParam<LayoutCase> {};

TEST_P(FaceLayoutTest, RowsMatchTheFaceAndOptions) {
    const LayoutCase& c = GetParam();
    RuleState state;
    state.SlideRev = c.face;
    state.ScaleST = c.scaleSt;
    state.SinNum = c.sinNum;
    state.ScalePI = c.scalePi;
    state.ScaleLL = c.scaleLl;
    const FaceRows rows = FaceLayout(state);
    const std::array<int, kRowCount> ids = RowTooltipIds(state);
    for (int r = 0; r < kRowCount; ++r) {
        SCOPED_TRACE("R" + std::to_string(r));
        const ExpectedRow& e = c.rows[r];
        EXPECT_EQ(std::string_view(rows[r].name), e.name);
        EXPECT_EQ(rows[r].red, e.red);
        EXPECT_EQ(rows[r].tooltipId, e.tooltipId);
        EXPECT_EQ(ids[r], e.tooltipId);
        EXPECT_EQ(rows[r].graduation, e.graduation);
        EXPECT_EQ(rows[r].llScale, e.llScale);
        EXPECT_EQ(rows[r].foldOffset, e.foldOffset);
    }
}

using G = RowGraduation;

constexpr ExpectedFace Front(ExpectedRow tangent, ExpectedRow sine) {
    return {{
        {"", false, 1000, G::None, 0, 0},
        {"K", false, 1010, G::K, 0, 0},
        {"A", false, 1003, G::Ab, 0, 0},
        {"B", false, 1004, G::Ab, 0, 0},
        tangent,
        sine,
        {"C", false, 1002, G::Cd, 0, 0},
        {"D", false, 1001, G::Cd, 0, 0},
        {"DI", true, 1009, G::CdInverted, 0, 0},
        {"L", false, 1021, G::L, 0, 0},
    }};
}

struct BackNames {
    std::string_view recipLower, recipUpper, upper, lower;
    int recipLowerId, recipUpperId, upperId, lowerId;
};

constexpr ExpectedFace Back(int n, BackNames names, int df, int cf, int cif, int16_t fold) {
    return {{
        {names.recipLower, true, names.recipLowerId, G::RecipLl, n, 0},
        {names.recipUpper, true, names.recipUpperId, G::RecipLl, n + 1, 0},
        {"DF", false, df, G::CdFolded, 0, fold},
        {"CF", false, cf, G::CdFolded, 0, fold},
        {"CIF", true, cif, G::CdInvertedFolded, 0, fold},
        {"CI", true, 1005, G::CdInverted, 0, 0},
        {"C", false, 1002, G::Cd, 0, 0},
        {"D", false, 1001, G::Cd, 0, 0},
        {names.upper, false, names.upperId, G::Ll, n + 1, 0},
        {names.lower, false, names.lowerId, G::Ll, n, 0},
    }};
}

constexpr BackNames kPair0{"LL/0", "LL/1", "LL1", "LL0", 1026, 1027, 1023, 1022};
constexpr BackNames kPair1{"LL/1", "LL/2", "LL2", "LL1", 1027, 1028, 1024, 1023};
constexpr BackNames kPair2{"LL/2", "LL/3", "LL3", "LL2", 1028, 1029, 1025, 1024};

INSTANTIATE_TEST_SUITE_P(
    Faces, FaceLayoutTest,
    testing::Values(
        LayoutCase{"Front_ST_Sine", 0, 0, 0, 1, 2,
                   Front({"T", false, 1035, G::T, 0, 0}, {"S", false, 1031, G::S, 0, 0})},
        LayoutCase{"Front_ST_Cosine", 0, 0, 1, 1, 2,
                   Front({"T", false, 1037, G::T, 0, 0}, {"S", false, 1033, G::S, 0, 0})},
        LayoutCase{"Front_ST0_Sine", 0, 1, 0, 1, 2,
                   Front({"T0", false, 1036, G::T0, 0, 0}, {"S0", false, 1032, G::S0, 0, 0})},
        LayoutCase{"Front_ST0_Cosine", 0, 1, 1, 1, 2,
                   Front({"T0", false, 1038, G::T0, 0, 0}, {"S0", false, 1034, G::S0, 0, 0})},
        // The back options do not touch the front.
        LayoutCase{"Front_IgnoresBackOptions", 0, 0, 0, 0, 0,
                   Front({"T", false, 1035, G::T, 0, 0}, {"S", false, 1031, G::S, 0, 0})},
        LayoutCase{"Back_Ll0_FoldPi", 1, 0, 0, 0, 0, Back(0, kPair0, 1011, 1012, 1013, 1044)},
        LayoutCase{"Back_Ll0_FoldSqrt10", 1, 0, 0, 1, 0, Back(0, kPair0, 1006, 1007, 1008, 1050)},
        LayoutCase{"Back_Ll1_FoldPi", 1, 0, 0, 0, 1, Back(1, kPair1, 1011, 1012, 1013, 1044)},
        LayoutCase{"Back_Ll1_FoldSqrt10", 1, 0, 0, 1, 1, Back(1, kPair1, 1006, 1007, 1008, 1050)},
        LayoutCase{"Back_Ll2_FoldPi", 1, 0, 0, 0, 2, Back(2, kPair2, 1011, 1012, 1013, 1044)},
        LayoutCase{"Back_Ll2_FoldSqrt10", 1, 0, 0, 1, 2, Back(2, kPair2, 1006, 1007, 1008, 1050)},
        // The front options do not touch the back.
        LayoutCase{"Back_IgnoresFrontOptions", 1, 1, 1, 1, 2,
                   Back(2, kPair2, 1006, 1007, 1008, 1050)},
        // A pair outside 0..2 from a hand-edited profile takes the nearest pair.
        LayoutCase{"Back_PairAboveRange", 1, 0, 0, 1, 9, Back(2, kPair2, 1006, 1007, 1008, 1050)},
        LayoutCase{"Back_PairBelowRange", 1, 0, 0, 1, -4, Back(0, kPair0, 1006, 1007, 1008, 1050)}),
    [](const testing::TestParamInfo<LayoutCase>& info) { return std::string(info.param.name); });

TEST(TooltipText, EveryLaidOutIdHasAFormula) {
    for (int16_t face : {0, 1}) {
        for (int16_t option : {0, 1, 2}) {
            RuleState state;
            state.SlideRev = face;
            state.ScaleLL = option;
            state.ScaleST = option % 2;
            state.SinNum = option % 2;
            state.ScalePI = option % 2;
            for (int id : RowTooltipIds(state)) {
                EXPECT_FALSE(TooltipText(id, 0).empty()) << id;
                EXPECT_GE(id, kTooltipFirstId);
                EXPECT_LE(id, kTooltipLastId);
            }
        }
    }
}

TEST(TooltipText, TextsByIdAndLanguage) {
    struct Case {
        int id;
        std::string_view english;
    };
    const Case cases[] = {
        {1000, "Hello. I'm Slide Rule."},
        {1001, "D=D"},
        {1008, "CIF=10/(nD*sqrt(10))"},
        {1013, "CIF=10/(nD*PI)"},
        {1021, "L=log(D)"},
        {1025, "LL3=e^D"},
        {1026, "LL/0=1/(e^(D/1000))"},
        {1034, "S0=acos(nD/100)"},
        {1038, "T0=acot(nD/100)"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TooltipText(c.id, 0), c.english) << c.id;
    }
    EXPECT_EQ(TooltipText(1000, 1), "Hello. I am Slide Rule.");
    // The two tables differ only in the greeting.
    for (int id = kTooltipFirstId + 1; id <= kTooltipLastId; ++id) {
        EXPECT_EQ(TooltipText(id, 1), TooltipText(id, 0)) << id;
    }
    for (int id : {999, 1014, 1020, 1030, 1039}) {
        EXPECT_TRUE(TooltipText(id, 0).empty()) << id;
    }
}

TEST(TooltipText, HoveringTheS0NameWithCosineNumbering) {
    RuleState state;
    state.SlideRev = 0;
    state.ScaleST = 1;
    state.SinNum = 1;
    EXPECT_EQ(TooltipText(FaceLayout(state)[5].tooltipId, state.Language), "S0=acos(nD/100)");
}

TEST(TooltipArea, RowsCoverTheNameColumn) {
    const ScaleNameRect expected[kRowCount] = {
        {1, 40, 30, 58},   {1, 58, 30, 74},   {1, 74, 30, 92},   {1, 92, 30, 108},
        {1, 108, 30, 124}, {1, 124, 30, 141}, {1, 141, 30, 159}, {1, 159, 30, 175},
        {1, 175, 30, 193}, {1, 193, 30, 208},
    };
    for (int r = 0; r < kRowCount; ++r) {
        EXPECT_EQ(TooltipArea(r), expected[r]) << "R" << r;
        EXPECT_EQ(TooltipToolId(r), 1100 + r);
    }
    EXPECT_EQ(TooltipArea(-1), (ScaleNameRect{0, 0, 0, 0}));
    EXPECT_EQ(TooltipArea(10), (ScaleNameRect{0, 0, 0, 0}));
}

}  // namespace
}  // namespace tesmark
