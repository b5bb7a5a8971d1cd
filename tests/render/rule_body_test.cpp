// Composition of the rule body through the recording surface: what each
// face draws where, and which parts an option change redraws.
#include "render/rule_body.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "support/built_graduation_tables.h"
#include "support/recording_surface.h"

namespace tesmark {
namespace {

RuleState Front() {
    return RuleState::Defaults();
}
RuleState Back() {
    RuleState state = RuleState::Defaults();
    state.SlideRev = 1;
    return state;
}

// The parts whose outline a composition drew, top to bottom.
struct Redrawn {
    bool upper = false, slide = false, lower = false;
    friend bool operator==(const Redrawn&, const Redrawn&) = default;
};

Redrawn OutlinedParts(const RecordingSurface& surface) {
    Redrawn parts;
    for (const SurfaceCall& r : surface.rectangles()) {
        if (!r.pen) continue;
        if (r.y1 == 0 && r.y2 == 52) parts.upper = true;
        if (r.y1 == 51 && r.y2 == 119) parts.slide = true;
        if (r.y1 == 118 && r.y2 == 170) parts.lower = true;
    }
    return parts;
}

std::ostream& operator<<(std::ostream& out, const Redrawn& r) {
    return out << "{upper " << r.upper << ", slide " << r.slide << ", lower " << r.lower << "}";
}

class RuleBodyTest : public ::testing::Test {
  protected:
    Composition Compose(const RuleState& state) {
        surface.clear();
        composition = ComposeRuleBody(surface, state, testing::BuiltGraduationTables(), last);
        return composition;
    }
    // A name drawn right-aligned at the name column with its top at `top`.
    std::optional<SurfaceCall> Name(const char* name, int top) const {
        return surface.findTextAt(name, ScaleNameRight, top);
    }

    RecordingSurface surface;
    Composition composition;
    ComposedRecord last;
};

// ---------------------------------------------------------------------------
// The first composition draws the whole face.

TEST_F(RuleBodyTest, FirstCompositionDrawsEveryPartAndTurnsNoFace) {
    Compose(Front());
    EXPECT_EQ(OutlinedParts(surface), (Redrawn{true, true, true}));
    EXPECT_TRUE(composition.redrawn.upper && composition.redrawn.slide &&
                composition.redrawn.lower);
    EXPECT_FALSE(composition.faceTurned);
    EXPECT_EQ(last.SlideRev, 0);
    EXPECT_EQ(last.ScaleLL, 2);
    EXPECT_EQ(last.ScaleST, 0);
    EXPECT_EQ(last.ScalePI, 1);
}

TEST_F(RuleBodyTest, PartsAreFilledInTwoHalvesThenOutlined) {
    Compose(Front());
    const auto rects = surface.rectangles();
    ASSERT_EQ(rects.size(), 9u);
    const int tops[] = {0, 51, 118};
    const int bottoms[] = {52, 119, 170};
    for (int p = 0; p < 3; ++p) {
        SCOPED_TRACE(p);
        const SurfaceCall& left = rects[static_cast<std::size_t>(2 * p)];
        const SurfaceCall& right = rects[static_cast<std::size_t>(2 * p + 1)];
        const SurfaceCall& outline = rects[static_cast<std::size_t>(6 + p)];
        EXPECT_EQ((ClipRect{left.x1, left.y1, left.x2, left.y2}),
                  (ClipRect{0, tops[p], 1151, bottoms[p]}));
        EXPECT_EQ((ClipRect{right.x1, right.y1, right.x2, right.y2}),
                  (ClipRect{1149, tops[p], 2301, bottoms[p]}));
        EXPECT_EQ((ClipRect{outline.x1, outline.y1, outline.x2, outline.y2}),
                  (ClipRect{0, tops[p], 2301, bottoms[p]}));
        EXPECT_FALSE(left.pen.has_value());
        EXPECT_EQ(left.brush, (BrushState{false, kBodyColour}));
        EXPECT_EQ(outline.pen, kBlack);
        EXPECT_EQ(outline.brush, (BrushState{false, kBodyColour}));
    }
}

TEST_F(RuleBodyTest, FrontBrandLineIsWhiteThenGreyInTheBoldFont) {
    Compose(Front());
    struct Expected {
        const char* text;
        int x, y;
        Rgb colour;
    };
    const Expected brand[] = {{"Tesmark", 74, 3, kWhite},
                              {"version 3.2.0", 179, 3, kWhite},
                              {"Tesmark", 72, 1, kGrey},
                              {"version 3.2.0", 177, 1, kGrey}};
    const auto texts = surface.texts();
    std::vector<SurfaceCall> drawn;
    for (const SurfaceCall& t : texts)
        if (t.font == FontId::Bold) drawn.push_back(t);
    ASSERT_EQ(drawn.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) {
        SCOPED_TRACE(brand[i].text);
        EXPECT_EQ(drawn[i].text, brand[i].text);
        EXPECT_EQ(drawn[i].x1, brand[i].x);
        EXPECT_EQ(drawn[i].y1, brand[i].y);
        EXPECT_EQ(drawn[i].textColour, brand[i].colour);
        EXPECT_EQ(drawn[i].align, TextAlign::LeftTop);
    }
    // The names after it are in the scale font again.
    ASSERT_TRUE(Name("K", 19).has_value());
    EXPECT_EQ(Name("K", 19)->font, FontId::Normal);
}

// ---------------------------------------------------------------------------
// Names and numbers of each face.

struct NameCase {
    const char* name;
    RuleState state;
    const char* text;
    int top;
    Rgb colour;
};

RuleState With(RuleState state, int16_t RuleState::*field, int16_t value) {
    state.*field = value;
    return state;
}

class RuleBodyName : public RuleBodyTest, public ::testing::WithParamInterface<NameCase> {};

TEST_P(RuleBodyName, StandsRightAlignedAtTheNameColumn) {
    const NameCase& c = GetParam();
    Compose(c.state);
    const auto call = Name(c.text, c.top);
    ASSERT_TRUE(call.has_value()) << c.text << " at top " << c.top;
    EXPECT_EQ(call->align, TextAlign::RightTop);
    EXPECT_EQ(call->textColour, c.colour);
    EXPECT_EQ(call->font, FontId::Normal);
}

INSTANTIATE_TEST_SUITE_P(
    Faces, RuleBodyName,
    ::testing::Values(
        NameCase{"front_K", Front(), "K", 19, kBlack},
        NameCase{"front_A", Front(), "A", 35, kBlack},
        NameCase{"front_B", Front(), "B", 53, kBlack},
        NameCase{"front_T", Front(), "T", 69, kBlack},
        NameCase{"front_S", Front(), "S", 85, kBlack},
        NameCase{"front_T0", With(Front(), &RuleState::ScaleST, 1), "T0", 69, kBlack},
        NameCase{"front_S0", With(Front(), &RuleState::ScaleST, 1), "S0", 85, kBlack},
        NameCase{"front_C", Front(), "C", 102, kBlack},
        NameCase{"front_D", Front(), "D", 120, kBlack},
        NameCase{"front_DI_red", Front(), "DI", 136, kRed},
        NameCase{"front_L_black_after_red", Front(), "L", 154, kBlack},
        NameCase{"back_LL_recip_2_red", Back(), "LL/2", 2, kRed},
        NameCase{"back_LL_recip_3_red", Back(), "LL/3", 19, kRed},
        NameCase{"back_DF", Back(), "DF", 35, kBlack},
        NameCase{"back_CF", Back(), "CF", 53, kBlack},
        NameCase{"back_CIF_red", Back(), "CIF", 69, kRed},
        NameCase{"back_CI_red", Back(), "CI", 85, kRed},
        NameCase{"back_C", Back(), "C", 102, kBlack}, NameCase{"back_D", Back(), "D", 120, kBlack},
        NameCase{"back_LL3", Back(), "LL3", 136, kBlack},
        NameCase{"back_LL2", Back(), "LL2", 154, kBlack},
        NameCase{"back_ll0_LL_recip_0", With(Back(), &RuleState::ScaleLL, 0), "LL/0", 2, kRed},
        NameCase{"back_ll0_LL_recip_1", With(Back(), &RuleState::ScaleLL, 0), "LL/1", 19, kRed},
        NameCase{"back_ll0_LL1", With(Back(), &RuleState::ScaleLL, 0), "LL1", 136, kBlack},
        NameCase{"back_ll0_LL0", With(Back(), &RuleState::ScaleLL, 0), "LL0", 154, kBlack},
        NameCase{"back_ll_out_of_range_nearest_pair", With(Back(), &RuleState::ScaleLL, 9), "LL3",
                 136, kBlack}),
    [](const auto& info) { return std::string(info.param.name); });

struct NumberCase {
    const char* name;
    RuleState state;
    const char* text;
    int x;
    int y;
    Rgb colour;
};

class RuleBodyNumber : public RuleBodyTest, public ::testing::WithParamInterface<NumberCase> {};

TEST_P(RuleBodyNumber, StandsOnItsScaleInItsColour) {
    const NumberCase& c = GetParam();
    Compose(c.state);
    const auto call = surface.findTextAt(c.text, c.x, c.y);
    ASSERT_TRUE(call.has_value()) << c.text << " at (" << c.x << ", " << c.y << ")";
    EXPECT_EQ(call->textColour, c.colour);
}

const RuleState kBackPi = With(Back(), &RuleState::ScalePI, 0);

INSTANTIATE_TEST_SUITE_P(
    Faces, RuleBodyNumber,
    ::testing::Values(NumberCase{"front_K_thousand", Front(), "1000", 2200, 28, kBlack},
                      NumberCase{"front_A_hundred", Front(), "100", 2200, 47, kBlack},
                      NumberCase{"front_B_ten", Front(), "10", 1150, 65, kBlack},
                      NumberCase{"front_S_ninety", Front(), "90", 2200, 99, kBlack},
                      NumberCase{"front_T_red_45", Front(), "45", 2205, 80, kRed},
                      NumberCase{"front_C_one_and_half", Front(), "1.5", 470, 114, kBlack},
                      NumberCase{"front_D_one_and_half", Front(), "1.5", 470, 132, kBlack},
                      NumberCase{"front_DI_red", Front(), "1.5", 1830, 150, kRed},
                      NumberCase{"front_L_black", Front(), "0", 100, 162, kBlack},
                      NumberCase{"front_S0_half_degree", With(Front(), &RuleState::ScaleST, 1),
                                 "5.5", 2161, 99, kBlack},
                      NumberCase{"back_LL_recip_red", Back(), " 1/e ", 2200, 12, kRed},
                      NumberCase{"back_DF_pi_ends_3_3", kBackPi, "3.3", 2245, 47, kBlack},
                      NumberCase{"back_DF_sqrt10_ends_3_3", Back(), "3.3", 2239, 47, kBlack},
                      NumberCase{"back_CIF_pi_ends_3_1_red", kBackPi, "3.1", 2224, 84, kRed},
                      NumberCase{"back_CI_red", Back(), "1", 2200, 93, kRed},
                      NumberCase{"back_C_black", Back(), "1.5", 470, 114, kBlack},
                      NumberCase{"back_D_black", Back(), "1.5", 470, 132, kBlack},
                      NumberCase{"back_LL3_black", Back(), "e", 100, 151, kBlack},
                      NumberCase{"back_LL2_black", Back(), "e", 2200, 167, kBlack}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RuleBodyTest, FoldedScalesCarryTheirFoldsGlyphAtBothIndices) {
    Compose(Back());
    int roots = 0;
    for (const SurfaceCall& g : surface.ofKind(CallKind::AndGlyph))
        if (g.glyph == GlyphId::Sqrt10) ++roots;
    EXPECT_EQ(roots, 2);
    last = ComposedRecord{};
    Compose(kBackPi);
    int pis = 0;
    for (const SurfaceCall& g : surface.ofKind(CallKind::AndGlyph))
        if (g.glyph == GlyphId::Pi && g.y1 == 52 + 4) ++pis;
    EXPECT_EQ(pis, 2);
}

TEST_F(RuleBodyTest, BackFaceHasNoBrandLine) {
    Compose(Back());
    EXPECT_FALSE(surface.findText("Tesmark").has_value());
    for (const SurfaceCall& t : surface.texts()) EXPECT_EQ(t.font, FontId::Normal);
}

// ---------------------------------------------------------------------------
// Redrawing only what changed.

struct ChangeCase {
    const char* name;
    RuleState before;
    RuleState after;
    Redrawn parts;
};

RuleState FrontWithSt1() {
    return With(Front(), &RuleState::ScaleST, 1);
}

class RuleBodyChange : public RuleBodyTest, public ::testing::WithParamInterface<ChangeCase> {};

TEST_P(RuleBodyChange, RedrawsExactlyThePartsThatDependOnIt) {
    const ChangeCase& c = GetParam();
    Compose(c.before);
    Compose(c.after);
    EXPECT_EQ(OutlinedParts(surface), c.parts);
    EXPECT_EQ(
        (Redrawn{composition.redrawn.upper, composition.redrawn.slide, composition.redrawn.lower}),
        c.parts)
        << "the composition reports the parts it drew";
    if (!(c.parts.upper || c.parts.slide || c.parts.lower)) {
        EXPECT_FALSE(surface.drewAnything());
    }
    // Nothing is drawn outside the parts that were redrawn.
    for (const SurfaceCall& call : surface.calls()) {
        if (call.kind != CallKind::Text || call.align == TextAlign::RightTop) continue;
        if (call.y1 < 51) {
            EXPECT_TRUE(c.parts.upper) << call.text << " at " << call.y1;
        } else if (call.y1 > 52 && call.y1 < 118) {
            EXPECT_TRUE(c.parts.slide) << call.text << " at " << call.y1;
        } else if (call.y1 > 119) {
            EXPECT_TRUE(c.parts.lower) << call.text << " at " << call.y1;
        }
    }
    EXPECT_EQ(last.SlideRev, c.after.SlideRev);
    EXPECT_EQ(last.ScaleLL, c.after.ScaleLL);
    EXPECT_EQ(last.ScaleST, c.after.ScaleST);
    EXPECT_EQ(last.ScalePI, c.after.ScalePI);
}

INSTANTIATE_TEST_SUITE_P(
    Options, RuleBodyChange,
    ::testing::Values(
        ChangeCase{"nothing_front", Front(), Front(), {false, false, false}},
        ChangeCase{"nothing_back", Back(), Back(), {false, false, false}},
        ChangeCase{"front_st", Front(), FrontWithSt1(), {false, true, false}},
        ChangeCase{
            "front_pi", Front(), With(Front(), &RuleState::ScalePI, 0), {false, false, false}},
        ChangeCase{
            "front_ll", Front(), With(Front(), &RuleState::ScaleLL, 0), {false, false, false}},
        ChangeCase{"back_pi", Back(), kBackPi, {true, true, false}},
        ChangeCase{"back_ll", Back(), With(Back(), &RuleState::ScaleLL, 1), {true, false, true}},
        ChangeCase{"back_st", Back(), With(Back(), &RuleState::ScaleST, 1), {false, false, false}},
        ChangeCase{
            "back_sinnum", Back(), With(Back(), &RuleState::SinNum, 1), {false, false, false}},
        ChangeCase{"front_to_back", Front(), Back(), {true, true, true}},
        ChangeCase{"back_to_front", Back(), Front(), {true, true, true}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RuleBodyTest, SecondCompositionMakesNoSurfaceCallAndReportsNoChange) {
    Compose(Back());
    Compose(Back());
    EXPECT_TRUE(surface.calls().empty());
    EXPECT_FALSE(composition.redrawn.any());
    EXPECT_FALSE(composition.faceTurned);
    EXPECT_FALSE(composition.optionsChanged);
}

TEST_F(RuleBodyTest, FrontSlideRedrawDrawsItsScalesAndNamesOnly) {
    Compose(Front());
    Compose(FrontWithSt1());
    EXPECT_TRUE(Name("B", 53).has_value());
    EXPECT_TRUE(Name("T0", 69).has_value());
    EXPECT_TRUE(Name("S0", 85).has_value());
    EXPECT_TRUE(Name("C", 102).has_value());
    EXPECT_FALSE(Name("K", 19).has_value());
    EXPECT_FALSE(Name("D", 120).has_value());
    EXPECT_FALSE(surface.findText("Tesmark").has_value());
}

TEST_F(RuleBodyTest, StChangedOnTheBackIsDrawnWhenTheFrontReturns) {
    Compose(Front());
    Compose(Back());
    Compose(With(Back(), &RuleState::ScaleST, 1));
    EXPECT_FALSE(surface.drewAnything());
    Compose(FrontWithSt1());
    EXPECT_TRUE(Name("T0", 69).has_value());
    EXPECT_TRUE(Name("S0", 85).has_value());
    EXPECT_FALSE(Name("T", 69).has_value());
}

// ---------------------------------------------------------------------------
// The composition says when the face turned (the window then switches the
// option toolbars) and when an option changed.

TEST_F(RuleBodyTest, ReportsATurnOnlyWhenTheFaceChanges) {
    EXPECT_FALSE(Compose(Front()).faceTurned);
    EXPECT_TRUE(Compose(Back()).faceTurned);
    const Composition llChanged = Compose(With(Back(), &RuleState::ScaleLL, 0));
    EXPECT_FALSE(llChanged.faceTurned);
    EXPECT_TRUE(llChanged.optionsChanged);
    EXPECT_FALSE(Compose(With(Back(), &RuleState::ScaleLL, 0)).faceTurned);
    EXPECT_TRUE(Compose(Front()).faceTurned);
}

TEST_F(RuleBodyTest, FirstCompositionOnTheBackTurnsNoFace) {
    EXPECT_FALSE(Compose(Back()).faceTurned);
}

}  // namespace
}  // namespace tesmark
