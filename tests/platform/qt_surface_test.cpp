// Pixel checks of QtSurface: each drawing call lands on exactly the pixels
// its convention names. Text is checked by where its ink lies and in which
// colour, never against a stored picture.
#include "platform/qt_surface.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/composed_record.h"
#include "model/rule_state.h"
#include "platform/device_grid.h"
#include "platform/mapped_image.h"
#include "render/gauge_glyphs.h"
#include "render/rule_body.h"
#include "render/scale_strip.h"
#include "support/built_graduation_tables.h"
#include "support/recording_surface.h"
#include "tables/graduation.h"

namespace tesmark {
namespace {

constexpr Rgb kPaper = kBodyColour;

class QtSurfaceTest : public ::testing::Test {
  protected:
    QtSurface surface{120, 80, kPaper};

    // The box that holds every pixel different from the paper; empty when
    // nothing was drawn.
    QRect Ink() const {
        QRect box;
        for (int y = 0; y < surface.height(); ++y)
            for (int x = 0; x < surface.width(); ++x)
                if (!(surface.pixel(x, y) == kPaper)) box |= QRect(x, y, 1, 1);
        return box;
    }
    int Count(Rgb colour) const {
        int n = 0;
        for (int y = 0; y < surface.height(); ++y)
            for (int x = 0; x < surface.width(); ++x)
                if (surface.pixel(x, y) == colour) ++n;
        return n;
    }
};

TEST_F(QtSurfaceTest, StartsFilledWithItsBackground) {
    EXPECT_EQ(surface.width(), 120);
    EXPECT_EQ(surface.height(), 80);
    EXPECT_TRUE(Ink().isEmpty());
    EXPECT_EQ(surface.image().format(), QImage::Format_RGB32);
}

struct LineCase {
    const char* name;
    int x1, y1, x2, y2;
    int pixels;  // how many the line covers
};

class QtSurfaceLine : public QtSurfaceTest, public ::testing::WithParamInterface<LineCase> {};

TEST_P(QtSurfaceLine, CoversItsStartButNotItsEnd) {
    const LineCase& c = GetParam();
    surface.setPen(kRed);
    surface.line(c.x1, c.y1, c.x2, c.y2);
    EXPECT_EQ(surface.pixel(c.x1, c.y1), kRed);
    EXPECT_EQ(surface.pixel(c.x2, c.y2), kPaper);
    EXPECT_EQ(Count(kRed), c.pixels);
}

INSTANTIATE_TEST_SUITE_P(Directions, QtSurfaceLine,
                         ::testing::Values(LineCase{"right", 10, 5, 20, 5, 10},
                                           LineCase{"left", 20, 5, 10, 5, 10},
                                           LineCase{"down", 7, 10, 7, 17, 7},
                                           LineCase{"up", 7, 17, 7, 10, 7},
                                           LineCase{"chevron_left_arm", 50, 40, 48, 45, 5},
                                           LineCase{"chevron_right_arm", 50, 40, 52, 45, 5},
                                           LineCase{"diagonal", 60, 60, 70, 70, 10}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(QtSurfaceTest, LinesNeedAPenAndAPointDrawsNothing) {
    surface.setPen(std::nullopt);
    surface.line(10, 10, 30, 10);
    surface.setPen(kBlack);
    surface.line(40, 40, 40, 40);
    EXPECT_TRUE(Ink().isEmpty());
}

TEST_F(QtSurfaceTest, RectangleWithPenOutlinesTheLastColumnAndRowInside) {
    surface.setPen(kBlack);
    surface.setBrush(kRed);
    surface.rectangle(10, 20, 30, 40);
    EXPECT_EQ(Ink(), QRect(QPoint(10, 20), QPoint(29, 39)));
    for (int x = 10; x < 30; ++x) {
        EXPECT_EQ(surface.pixel(x, 20), kBlack);
        EXPECT_EQ(surface.pixel(x, 39), kBlack);
    }
    for (int y = 20; y < 40; ++y) {
        EXPECT_EQ(surface.pixel(10, y), kBlack);
        EXPECT_EQ(surface.pixel(29, y), kBlack);
    }
    EXPECT_EQ(surface.pixel(11, 21), kRed);
    EXPECT_EQ(surface.pixel(28, 38), kRed);
    EXPECT_EQ(Count(kRed), 18 * 18);
}

TEST_F(QtSurfaceTest, RectangleWithoutPenLeavesTheLastColumnAndRow) {
    surface.setPen(std::nullopt);
    surface.setBrush(kRed);
    surface.rectangle(10, 20, 30, 40);
    EXPECT_EQ(Ink(), QRect(QPoint(10, 20), QPoint(28, 38)));
    EXPECT_EQ(Count(kRed), 19 * 19);
}

TEST_F(QtSurfaceTest, RectangleWithPenAndNoBrushIsAFrame) {
    surface.setPen(kBlack);
    surface.setBrush(std::nullopt);
    surface.rectangle(10, 20, 30, 40);
    EXPECT_EQ(surface.pixel(15, 25), kPaper);
    EXPECT_EQ(Count(kBlack), 2 * 20 + 2 * 18);
}

TEST_F(QtSurfaceTest, PatternBrushTilesFromTheSurfaceOrigin) {
    QImage tile(2, 2, QImage::Format_RGB32);
    tile.setPixel(0, 0, qRgb(255, 0, 0));
    tile.setPixel(1, 0, qRgb(0, 0, 255));
    tile.setPixel(0, 1, qRgb(0, 0, 255));
    tile.setPixel(1, 1, qRgb(255, 0, 0));
    surface.setPatternImage(tile);
    surface.setPen(std::nullopt);
    surface.setPatternBrush();
    surface.rectangle(3, 3, 9, 9);
    // (3, 3) takes the tile's (1, 1), as if the tiling began at (0, 0).
    EXPECT_EQ(surface.pixel(3, 3), (Rgb{255, 0, 0}));
    EXPECT_EQ(surface.pixel(4, 3), (Rgb{0, 0, 255}));
    EXPECT_EQ(surface.pixel(4, 4), (Rgb{255, 0, 0}));
}

// The background pattern is written straight into the image, not through
// the painter; it must leave the pixels the painter's texture brush leaves:
// tiled from the image's origin wherever the fill starts, cut at the image's
// edges and at the clip, at the ratios of screens. The tile's odd sizes
// catch a repeat that starts over at the wrong column or row.
TEST(QtSurfacePattern, FillLeavesThePixelsOfThePaintersTextureBrush) {
    QImage tile(5, 3, QImage::Format_RGB32);
    for (int y = 0; y < tile.height(); ++y)
        for (int x = 0; x < tile.width(); ++x) tile.setPixel(x, y, qRgb(40 * x, 80 * y, 200));
    struct Case {
        qreal ratio;
        QRect fill;                 // the rectangle's corners, as rectangle() takes them
        std::optional<QRect> clip;  // the same for the clip
    };
    const Case cases[] = {
        {1.0, QRect(QPoint(3, 3), QPoint(9, 9)), std::nullopt},
        {1.0, QRect(QPoint(-4, -2), QPoint(130, 90)), std::nullopt},
        {1.0, QRect(QPoint(7, 2), QPoint(50, 70)), QRect(QPoint(10, 11), QPoint(31, 40))},
        {1.25, QRect(QPoint(7, 2), QPoint(50, 70)), std::nullopt},
        {1.5, QRect(QPoint(1, 1), QPoint(121, 81)), QRect(QPoint(0, 30), QPoint(120, 33))},
        {2.0, QRect(QPoint(11, 5), QPoint(98, 77)), std::nullopt},
        {3.0, QRect(QPoint(0, 0), QPoint(40, 13)), QRect(QPoint(2, 3), QPoint(100, 100))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << "ratio " << c.ratio << ", fill " << c.fill.x() << "," << c.fill.y());
        QtSurface surface(120, 80, kPaper, c.ratio);
        surface.setPatternImage(tile);
        surface.setPen(std::nullopt);
        surface.setPatternBrush();
        if (c.clip) {
            surface.clip(c.clip->left(), c.clip->top(), c.clip->right(), c.clip->bottom());
        }
        const QRect& fill = c.fill;
        surface.rectangle(fill.left(), fill.top(), fill.right(), fill.bottom());

        // The tile enlarged as the surface enlarges it, drawn in device pixels.
        QImage deviceTile = ScalePixelArt(tile, c.ratio);
        deviceTile.setDevicePixelRatio(1.0);
        // Without a pen the rectangle leaves its last column and row out.
        QImage expected(surface.image().size(), QImage::Format_RGB32);
        expected.fill(qRgb(kPaper.r, kPaper.g, kPaper.b));
        QPainter painter(&expected);
        painter.setBrushOrigin(0, 0);
        if (c.clip) {
            painter.setClipRect(DeviceRect(
                QRect(c.clip->topLeft(), QSize(c.clip->width() - 1, c.clip->height() - 1)),
                c.ratio));
        }
        painter.fillRect(
            DeviceRect(QRect(fill.topLeft(), QSize(fill.width() - 2, fill.height() - 2)), c.ratio),
            QBrush(deviceTile));
        painter.end();
        EXPECT_TRUE(surface.image() == expected);
    }
}

TEST_F(QtSurfaceTest, ClipLetsThroughFromItsFirstUpToItsLastPixel) {
    surface.clip(20, 10, 40, 30);
    surface.setPen(kBlack);
    surface.line(0, 15, 100, 15);
    surface.line(30, 0, 30, 80);
    EXPECT_EQ(Ink(), QRect(QPoint(20, 10), QPoint(39, 29)));
    surface.clearClip();
    surface.line(0, 50, 100, 50);
    EXPECT_EQ(surface.pixel(0, 50), kBlack);
}

TEST_F(QtSurfaceTest, EmptyClipLetsNothingThrough) {
    surface.clip(20, 10, 20, 30);
    surface.setPen(kBlack);
    surface.line(0, 15, 100, 15);
    EXPECT_TRUE(Ink().isEmpty());
}

TEST_F(QtSurfaceTest, GlyphDarkensWithItsBlackPixelsOnly) {
    surface.setPen(std::nullopt);
    surface.setBrush(kRed);
    surface.rectangle(0, 0, 40, 20);
    surface.andGlyph(GlyphId::Pi, 5, 6);
    for (int row = 0; row < kGlyphHeight; ++row) {
        for (int column = 0; column < 9; ++column) {
            SCOPED_TRACE(::testing::Message() << "column " << column << " row " << row);
            const Rgb expected =
                GaugeGlyphPixelIsBlack(GlyphId::Pi, column, row) ? Rgb{0, 0, 0} : kRed;
            EXPECT_EQ(surface.pixel(5 + column, 6 + row), expected);
        }
    }
    EXPECT_EQ(surface.pixel(4, 6), kRed);
}

TEST_F(QtSurfaceTest, RootOfTenGlyphIsSixteenWideWithAWhiteLastColumn) {
    surface.setPen(std::nullopt);
    surface.setBrush(kRed);
    surface.rectangle(0, 0, 40, 20);
    surface.andGlyph(GlyphId::Sqrt10, 2, 2);
    EXPECT_EQ(surface.pixel(2 + 5, 2), (Rgb{0, 0, 0}));   // the bar's first pixel
    EXPECT_EQ(surface.pixel(2 + 14, 2), (Rgb{0, 0, 0}));  // its last drawn column
    for (int row = 0; row < kGlyphHeight; ++row) EXPECT_EQ(surface.pixel(2 + 15, 2 + row), kRed);
}

TEST_F(QtSurfaceTest, CopyTakesABlockOfAnotherSurface) {
    QtSurface source(50, 50, kWhite);
    source.setPen(kRed);
    source.line(10, 10, 20, 10);
    surface.copyFrom(source, 30, 40, 8, 3, 12, 9);
    EXPECT_EQ(Ink(), QRect(30, 40, 8, 3));
    EXPECT_EQ(surface.pixel(30, 41), kRed);
    EXPECT_EQ(surface.pixel(37, 41), kRed);
    EXPECT_EQ(surface.pixel(30, 40), kWhite);
}

TEST_F(QtSurfaceTest, CopyWithinItselfAndFromOtherKindsOfSurface) {
    surface.setPen(kRed);
    surface.line(0, 0, 10, 0);
    surface.copyFrom(surface, 5, 0, 10, 1, 0, 0);
    for (int x = 0; x < 15; ++x) EXPECT_EQ(surface.pixel(x, 0), kRed);
    RecordingSurface recording;
    surface.copyFrom(recording, 0, 10, 20, 20, 0, 0);
    EXPECT_EQ(Ink(), QRect(0, 0, 15, 1));
}

TEST_F(QtSurfaceTest, TickColumnOfAStripIsBlack) {
    GraduationTables tables;
    BuildAllTables(tables);
    QtSurface strip(2501, 170, kBodyColour);
    strip.setPen(kBlack);
    strip.setTextColour(kBlack);
    DrawScaleStrip(strip, tables, kStripC, 0, 350, 100, 2301, 117, 0);
    // 1.1 (mark 10) has a long tick and no number: rows 111 .. 117, the row
    // 7 pixels up left out.
    const int x = 100 + tables.CdTable[10].position;
    for (int y = 111; y <= 117; ++y) EXPECT_EQ(strip.pixel(x, y), kBlack) << "row " << y;
    EXPECT_EQ(strip.pixel(x, 110), kBodyColour);
    EXPECT_EQ(strip.pixel(x, 118), kBodyColour);
    EXPECT_EQ(strip.pixel(x - 1, 115), kBodyColour);
    EXPECT_EQ(strip.pixel(x + 1, 115), kBodyColour);
}

// ---------------------------------------------------------------------------
// Text: the fonts, where the ink lies for each alignment, its colour.

TEST(QtSurfaceFonts, ScaleFontIsTheArialFaceOrItsMetricTwin) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(12);
    const QString family = QFontInfo(font).family();
    EXPECT_TRUE(family == "Arial" || family == "Liberation Sans") << family.toStdString();
}

struct AlignCase {
    const char* name;
    TextAlign align;
    // Expected ink relative to the point (x, y) = (60, 40).
    bool inkLeftOfX;
    bool inkRightOfX;
    bool inkAboveY;
    bool inkBelowY;
};

class QtSurfaceText : public QtSurfaceTest, public ::testing::WithParamInterface<AlignCase> {};

TEST_P(QtSurfaceText, InkLiesOnTheSideTheAlignmentNames) {
    const AlignCase& c = GetParam();
    surface.setTextColour(kBlack);
    surface.setTextAlign(c.align);
    surface.drawText(60, 40, "1000");
    const QRect ink = Ink();
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_EQ(ink.left() < 60, c.inkLeftOfX);
    EXPECT_EQ(ink.right() >= 60, c.inkRightOfX);
    EXPECT_EQ(ink.top() < 40, c.inkAboveY);
    EXPECT_EQ(ink.bottom() >= 40, c.inkBelowY);
    // Every text pixel carries the text colour: no smoothing.
    for (int y = ink.top(); y <= ink.bottom(); ++y)
        for (int x = ink.left(); x <= ink.right(); ++x) {
            const Rgb p = surface.pixel(x, y);
            EXPECT_TRUE(p == kBlack || p == kPaper);
        }
}

INSTANTIATE_TEST_SUITE_P(
    Alignments, QtSurfaceText,
    ::testing::Values(
        AlignCase{"baseline_centre", TextAlign::BaselineCentre, true, true, true, false},
        AlignCase{"baseline_left", TextAlign::BaselineLeft, false, true, true, false},
        AlignCase{"baseline_right", TextAlign::BaselineRight, true, false, true, false},
        AlignCase{"left_top", TextAlign::LeftTop, false, true, false, true},
        AlignCase{"right_top", TextAlign::RightTop, true, false, false, true},
        AlignCase{"centre_top", TextAlign::CentreTop, true, true, false, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(QtSurfaceTest, BaselineCentredTextIsBalancedAroundItsPoint) {
    surface.setTextColour(kBlack);
    surface.drawText(60, 40, "1000");
    const QRect ink = Ink();
    EXPECT_LE(std::abs((60 - ink.left()) - (ink.right() + 1 - 60)), 3);
}

TEST_F(QtSurfaceTest, NameInRedRightAlignedAtTheNameColumn) {
    surface.setTextColour(kRed);
    surface.setTextAlign(TextAlign::RightTop);
    surface.drawText(27, 19, "DI");
    EXPECT_GT(Count(kRed), 10);
    const QRect ink = Ink();
    EXPECT_LT(ink.right(), 27);
    EXPECT_GE(ink.right(), 24);
    EXPECT_GE(ink.top(), 19);
    EXPECT_LE(ink.bottom(), 19 + 12);
}

TEST_F(QtSurfaceTest, OpaqueBackgroundFillsTheTextCell) {
    surface.setTextColour(kBlack);
    surface.setTextBackground(kWhite);
    surface.setTextAlign(TextAlign::LeftTop);
    surface.drawText(10, 10, "5");
    // The cell's corners are background, its ink black.
    EXPECT_EQ(surface.pixel(10, 10), kWhite);
    EXPECT_GT(Count(kWhite), 0);
    EXPECT_GT(Count(kBlack), 0);
    EXPECT_EQ(Ink().topLeft(), QPoint(10, 10));
    surface.setTextBackground(std::nullopt);
    surface.drawText(60, 10, "5");
    EXPECT_EQ(surface.pixel(60, 10), kPaper);
}

TEST_F(QtSurfaceTest, BoldBrandFontIsLargerThanTheScaleFont) {
    surface.setTextColour(kBlack);
    surface.setTextAlign(TextAlign::LeftTop);
    surface.drawText(0, 0, "Tesmark");
    const int normalBlack = Count(kBlack);
    const int normalWidth = Ink().width();
    QtSurface bold(120, 80, kPaper);
    bold.setTextColour(kBlack);
    bold.setTextAlign(TextAlign::LeftTop);
    bold.setFont(FontId::Bold);
    bold.drawText(0, 0, "Tesmark");
    int boldBlack = 0;
    int boldRight = 0;
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 120; ++x)
            if (bold.pixel(x, y) == kBlack) {
                ++boldBlack;
                boldRight = std::max(boldRight, x);
            }
    EXPECT_GT(boldBlack, normalBlack);
    EXPECT_GT(boldRight + 1, normalWidth);
}

// The first column of each group of columns that hold a pixel of the colour
// in rows top .. bottom, from column left up to right.
std::vector<int> InkGroups(const QtSurface& surface, Rgb colour, int left, int right, int top,
                           int bottom) {
    std::vector<int> groups;
    bool inInk = false;
    for (int x = left; x < right; ++x) {
        bool inked = false;
        for (int y = top; y <= bottom; ++y) inked = inked || surface.pixel(x, y) == colour;
        if (inked && !inInk) groups.push_back(x);
        inInk = inked;
    }
    return groups;
}

// Every digit and point of a number stands apart from its neighbours: glyphs
// start on whole pixels, so the gap the font leaves between two characters
// is never closed by a rounding (a "." once merged into the "2" after it).
TEST(QtSurfaceNumbers, EveryDigitAndPointIsDrawnApart) {
    for (FontId font : {FontId::Normal, FontId::Bold}) {
        for (const char* text :
             {"3.2.0", "1.125106", ".0096424", "131621.", "3.16228", "0.5", "2.53958", "1000"}) {
            SCOPED_TRACE(text);
            QtSurface surface(120, 30, kPaper);
            surface.setFont(font);
            surface.setTextColour(kBlack);
            surface.setTextAlign(TextAlign::LeftTop);
            surface.drawText(5, 5, text);
            EXPECT_EQ(InkGroups(surface, kBlack, 0, 120, 0, 29).size(), std::strlen(text));
        }
    }
}

// The version line of the front face's upper stator, grey over its white
// edge, as the composition draws it: each character of "3.2.0" is its own
// group of ink (the line once read "version 3 2.0"), and every letter of
// "version" has ink in its cell.
TEST(QtSurfaceBrandLine, EveryCharacterOfTheVersionLineIsDrawn) {
    GraduationTables tables;
    BuildAllTables(tables);
    QtSurface body(kRuleBodyWidth, kRuleBodyHeight);
    ComposedRecord last;
    ComposeRuleBody(body, RuleState::Defaults(), tables, last);
    // The grey copy stands top-left aligned at (177, 1) in the bold font,
    // each character one whole advance after the one before.
    QFont bold(QStringLiteral("Arial"));
    bold.setPixelSize(13);
    bold.setBold(true);
    bold.setStyleStrategy(QFont::NoAntialias);
    const QFontMetrics metrics(bold);
    const std::string text = "version 3.2.0";
    std::vector<int> cells{177};
    for (char c : text) cells.push_back(cells.back() + metrics.horizontalAdvance(QChar(c)));
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == ' ') continue;
        SCOPED_TRACE(std::string(1, text[i]) + " at " + std::to_string(i));
        EXPECT_FALSE(InkGroups(body, kGrey, cells[i], cells[i + 1], 0, 16).empty());
    }
    const std::size_t number = text.find('3');
    EXPECT_EQ(InkGroups(body, kGrey, cells[number], cells.back(), 0, 16).size(), 5u);
}

// ---------------------------------------------------------------------------
// Composition on the real surface: a recomposition after an option change
// leaves exactly the pixels of a fresh composition of the new state, and the
// parts it does not redraw keep theirs.

const GraduationTables& BuiltTables() {
    return testing::BuiltGraduationTables();
}

RuleState StateOf(int16_t face, int16_t st, int16_t pi, int16_t ll) {
    RuleState state = RuleState::Defaults();
    state.SlideRev = face;
    state.ScaleST = st;
    state.ScalePI = pi;
    state.ScaleLL = ll;
    return state;
}

struct RecomposeCase {
    const char* name;
    RuleState before;
    RuleState after;
    bool upperKept;
    bool slideKept;
    bool lowerKept;
};

class QtSurfaceRecompose : public ::testing::TestWithParam<RecomposeCase> {};

QImage Rows(const QImage& image, int top, int bottom) {
    return image.copy(0, top, image.width(), bottom - top);
}

TEST_P(QtSurfaceRecompose, LeavesThePixelsOfAFreshComposition) {
    const RecomposeCase& c = GetParam();

    QtSurface body(kRuleBodyWidth, kRuleBodyHeight);
    ComposedRecord last;
    ComposeRuleBody(body, c.before, BuiltTables(), last);
    const QImage before = body.toImage();
    ComposeRuleBody(body, c.after, BuiltTables(), last);

    QtSurface fresh(kRuleBodyWidth, kRuleBodyHeight);
    ComposedRecord freshLast;
    ComposeRuleBody(fresh, c.after, BuiltTables(), freshLast);

    EXPECT_TRUE(body.image() == fresh.image());
    // Rows 0..50 belong to the upper stator alone, 52..117 to the slide,
    // 119..169 to the lower stator.
    if (c.upperKept) {
        EXPECT_TRUE(Rows(before, 0, 51) == Rows(body.image(), 0, 51));
    }
    if (c.slideKept) {
        EXPECT_TRUE(Rows(before, 52, 118) == Rows(body.image(), 52, 118));
    }
    if (c.lowerKept) {
        EXPECT_TRUE(Rows(before, 119, 170) == Rows(body.image(), 119, 170));
    }
    EXPECT_FALSE(before == body.image());
}

INSTANTIATE_TEST_SUITE_P(
    Options, QtSurfaceRecompose,
    ::testing::Values(
        RecomposeCase{"front_st", StateOf(0, 0, 1, 2), StateOf(0, 1, 1, 2), true, false, true},
        RecomposeCase{"back_pi", StateOf(1, 0, 1, 2), StateOf(1, 0, 0, 2), false, false, true},
        RecomposeCase{"back_ll", StateOf(1, 0, 1, 2), StateOf(1, 0, 1, 0), false, true, false},
        RecomposeCase{"face", StateOf(0, 0, 1, 2), StateOf(1, 0, 1, 2), false, false, false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tesmark
