// The rule on a screen of more device pixels per pixel: ticks and the
// hairline cover whole device pixels with nothing blended beside them, text
// is drawn at the device size rather than enlarged, and the pixels the
// layout speaks of stay those of ratio 1.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QRegion>
#include <QSet>
#include <memory>
#include <string>
#include <vector>

#include "model/client_size.h"
#include "model/composed_record.h"
#include "model/reading_table.h"
#include "model/rule_state.h"
#include "platform/device_grid.h"
#include "platform/qt_surface.h"
#include "platform/rule_view.h"
#include "render/redraw_state.h"
#include "render/rule_body.h"
#include "render/window_layout.h"
#include "support/built_graduation_tables.h"
#include "support/recording_surface.h"
#include "tables/graduation.h"

namespace tesmark {
namespace {

constexpr int kA = 255;
const std::vector<qreal> kScreenRatios{1.25, 1.5, 2.0, 3.0};

const GraduationTables& Tables() {
    return testing::BuiltGraduationTables();
}

QImage CheckerTile() {
    QImage tile(48, 48, QImage::Format_RGB32);
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 48; ++x)
            tile.setPixel(x, y, ((x / 6 + y / 4) % 2) ? qRgb(200, 180, 150) : qRgb(90, 110, 70));
    return tile;
}

std::unique_ptr<QtSurface> Body(qreal ratio) {
    auto body = std::make_unique<QtSurface>(kRuleBodyWidth, kRuleBodyHeight, kBodyColour, ratio);
    body->setEvenStrokes(true);
    ComposedRecord record;
    ComposeRuleBody(*body, RuleState{}, Tables(), record);
    return body;
}

// One paint of a view, as the window's first paint draws it.
QImage Paint(RuleView& view, RuleState& state) {
    RedrawState redraw = RedrawState::ForPositions(state.SlidePos, state.CursorPos);
    ReadingTable readings;
    view.paint(state, redraw, readings, kA, LabelColours(kBlack), true);
    return view.backBuffer().toImage();
}

QImage WindowPicture(qreal ratio) {
    RuleState state;
    state.CxSize = kA;
    RuleView view(ClientWidth(kA), CheckerTile(), ratio);
    ComposedRecord composed;
    view.compose(state, composed);
    return Paint(view, state);
}

Rgb At(const QImage& image, int x, int y) {
    return ToRgb(QColor(image.pixel(x, y)));
}

QSet<QRgb> Colours(const QImage& image) {
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) colours.insert(line[x]);
    }
    return colours;
}

std::string RatioText(qreal ratio) {
    return "at ratio " + std::to_string(ratio);
}

TEST(DeviceRatio, SurfaceSpeaksInPixelsAndHoldsDevicePixels) {
    for (qreal ratio : {1.0, 1.25, 1.5, 2.0, 3.0}) {
        SCOPED_TRACE(RatioText(ratio));
        const QtSurface surface(880, 325, kWhite, ratio);
        EXPECT_EQ(surface.width(), 880);
        EXPECT_EQ(surface.height(), 325);
        EXPECT_EQ(surface.image().size(), QSize(DeviceEdge(880, ratio), DeviceEdge(325, ratio)));
        EXPECT_EQ(surface.toImage().devicePixelRatio(), ratio);
    }
}

// A tick of a scale: a black vertical line that the composition draws,
// standing free at ratio 1 (the body's colour left and right of it all along,
// no number near it).
struct Tick {
    int x, top, bottom;  // rows top .. bottom - 1
};

std::vector<Tick> FreeTicks() {
    RecordingSurface recorder;
    ComposedRecord record;
    ComposeRuleBody(recorder, RuleState{}, Tables(), record);
    const std::unique_ptr<QtSurface> body = Body(1.0);
    std::vector<Tick> ticks;
    for (const SurfaceCall& line : recorder.lines()) {
        if (line.x1 != line.x2 || line.pen != kBlack) continue;
        const Tick tick{line.x1, std::min(line.y1, line.y2 + 1), std::max(line.y1 + 1, line.y2)};
        // Clear by three pixels on either side: a number drawn at the
        // device size may come nearer than it does at ratio 1.
        bool free = tick.x > 2 && tick.x + 3 < body->width();
        for (int y = tick.top; free && y < tick.bottom; ++y) {
            free = body->pixel(tick.x, y) == kBlack;
            for (int x = tick.x - 3; x <= tick.x + 3; ++x)
                free = free && (x == tick.x || body->pixel(x, y) == kBodyColour);
        }
        if (free) ticks.push_back(tick);
    }
    return ticks;
}

TEST(DeviceRatio, TickIsTwoDevicePixelsWideWithNoGreyBesideIt) {
    const std::vector<Tick> ticks = FreeTicks();
    ASSERT_GT(ticks.size(), 1000u) << "the scales have many ticks";
    const std::unique_ptr<QtSurface> two = Body(2.0);
    const QImage& image = two->image();
    for (const Tick& tick : ticks) {
        const int x = 2 * tick.x;
        for (int y = 2 * tick.top; y < 2 * tick.bottom; ++y) {
            ASSERT_EQ(At(image, x, y), kBlack) << "tick at " << tick.x << ", row " << y;
            ASSERT_EQ(At(image, x + 1, y), kBlack) << "tick at " << tick.x << ", row " << y;
            ASSERT_EQ(At(image, x - 1, y), kBodyColour) << "left of " << tick.x << ", row " << y;
            ASSERT_EQ(At(image, x + 2, y), kBodyColour) << "right of " << tick.x << ", row " << y;
        }
    }
}

TEST(DeviceRatio, TicksAreOfOneWidthAtEveryRatio) {
    const std::vector<Tick> ticks = FreeTicks();
    for (qreal ratio : kScreenRatios) {
        SCOPED_TRACE(RatioText(ratio));
        const std::unique_ptr<QtSurface> body = Body(ratio);
        const QImage& image = body->image();
        const int stroke = std::max(1, static_cast<int>(ratio));
        for (const Tick& tick : ticks) {
            const int x = DeviceEdge(tick.x, ratio);
            for (int y = DeviceEdge(tick.top, ratio); y < DeviceEdge(tick.bottom, ratio); ++y) {
                for (int i = 0; i < stroke; ++i)
                    ASSERT_EQ(At(image, x + i, y), kBlack) << "tick at " << tick.x << ", row " << y;
                // A number drawn at the device size may come nearer than at
                // ratio 1, so only the tick's own black ends here.
                ASSERT_NE(At(image, x - 1, y), kBlack) << "left of " << tick.x;
                ASSERT_NE(At(image, x + stroke, y), kBlack) << "right of " << tick.x;
            }
        }
    }
}

// Beside the hairline stand the rule's own colours (the body, black ticks
// and numbers), never a red blended into them. Rows where a red number
// touches the hairline at ratio 1 are left out.
TEST(DeviceRatio, HairlineIsTwoDevicePixelsWideWithNoGreyBesideIt) {
    const QImage one = WindowPicture(1.0);
    const QImage two = WindowPicture(2.0);
    auto ruleColour = [](Rgb colour) { return colour == kBodyColour || colour == kBlack; };
    const int x = layout::kHairlineX + layout::HalfExtra(kA);
    int rows = 0;
    for (int y = layout::kRuleTop + 1; y < layout::kRuleBottom - 1; ++y) {
        if (At(one, x - 1, y) == kRed || At(one, x + 1, y) == kRed) continue;
        ++rows;
        for (int row = 2 * y; row < 2 * y + 2; ++row) {
            ASSERT_EQ(At(two, 2 * x, row), kRed) << "device row " << row;
            ASSERT_EQ(At(two, 2 * x + 1, row), kRed) << "device row " << row;
            ASSERT_TRUE(ruleColour(At(two, 2 * x - 1, row))) << "left of device row " << row;
            ASSERT_TRUE(ruleColour(At(two, 2 * x + 2, row))) << "right of device row " << row;
        }
    }
    EXPECT_GT(rows, 150);
}

// No colour appears that ratio 1 does not have: nothing is smoothed,
// blended or antialiased, at any ratio.
TEST(DeviceRatio, WindowHasNoColourThatRatioOneLacks) {
    const QSet<QRgb> allowed = Colours(WindowPicture(1.0));
    for (qreal ratio : kScreenRatios) {
        SCOPED_TRACE(RatioText(ratio));
        for (QRgb colour : Colours(WindowPicture(ratio)))
            ASSERT_TRUE(allowed.contains(colour)) << std::hex << "colour 0x" << colour;
    }
}

// The ink of a text: its box and whether every 2 x 2 block of device pixels
// is of one colour (an enlarged picture of ratio 1 would be).
struct Ink {
    QRect box;
    bool blocky = true;
};

Ink InkOf(const QImage& image, Rgb paper) {
    Ink ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (!(At(image, x, y) == paper)) ink.box |= QRect(x, y, 1, 1);
    for (int y = 0; y + 1 < image.height(); y += 2)
        for (int x = 0; x + 1 < image.width(); x += 2) {
            const QRgb corner = image.pixel(x, y);
            ink.blocky = ink.blocky && image.pixel(x + 1, y) == corner &&
                         image.pixel(x, y + 1) == corner && image.pixel(x + 1, y + 1) == corner;
        }
    return ink;
}

TEST(DeviceRatio, TextIsDrawnAtTheDeviceSizeWhereItStandsAtRatioOne) {
    Ink ink[2];
    for (int i = 0; i < 2; ++i) {
        QtSurface surface(120, 40, kBodyColour, i + 1.0);
        surface.setTextAlign(TextAlign::LeftTop);
        surface.setTextColour(kBlack);
        surface.drawText(10, 10, "3.16228");
        ink[i] = InkOf(surface.image(), kBodyColour);
        // The text's own colour only: the font is drawn without smoothing.
        EXPECT_EQ(Colours(surface.image()), (QSet<QRgb>{qRgb(16, 16, 16), qRgb(240, 240, 240)}));
    }
    ASSERT_FALSE(ink[0].box.isEmpty());
    EXPECT_FALSE(ink[1].blocky) << "the text is an enlarged picture of ratio 1";
    // The same place and size, within the font's own rounding at 24 pixels.
    const QRect doubled(ink[0].box.topLeft() * 2, ink[0].box.size() * 2);
    EXPECT_NEAR(ink[1].box.left(), doubled.left(), 2);
    EXPECT_NEAR(ink[1].box.top(), doubled.top(), 2);
    EXPECT_NEAR(ink[1].box.right(), doubled.right(), 3);
    EXPECT_NEAR(ink[1].box.bottom(), doubled.bottom(), 3);
}

// The window shows the buffer through a painter of the screen, in pieces as
// the damage comes: device pixel for device pixel.
TEST(DeviceRatio, BufferReachesTheScreenDevicePixelForDevicePixel) {
    for (qreal ratio : kScreenRatios) {
        SCOPED_TRACE(RatioText(ratio));
        QtSurface buffer(ClientWidth(kA), kClientHeight, kWhite, ratio);
        buffer.setPatternImage(CheckerTile());
        buffer.eraseWithPattern();
        QImage screen(buffer.image().size(), QImage::Format_RGB32);
        screen.setDevicePixelRatio(ratio);
        screen.fill(Qt::white);
        {
            QPainter painter(&screen);
            QRegion region;
            for (int x = 0; x < ClientWidth(kA); x += 37) region += QRect(x, 0, 37, kClientHeight);
            buffer.drawOn(painter, region);
        }
        screen.setDevicePixelRatio(1.0);
        EXPECT_TRUE(screen == buffer.image());
    }
}

TEST(DeviceRatio, NewRatioGivesThePictureOfAFreshViewAtIt) {
    RuleState state;
    state.CxSize = kA;
    RuleView view(ClientWidth(kA), CheckerTile(), 1.0);
    ComposedRecord composed;
    view.compose(state, composed);
    Paint(view, state);
    EXPECT_FALSE(view.setDeviceRatio(1.0, state)) << "the same ratio changes nothing";
    for (qreal ratio : {2.0, 1.5, 1.0}) {
        SCOPED_TRACE(RatioText(ratio));
        ASSERT_TRUE(view.setDeviceRatio(ratio, state));
        EXPECT_EQ(view.deviceRatio(), ratio);
        EXPECT_EQ(view.backBuffer().width(), ClientWidth(kA));
        EXPECT_TRUE(Paint(view, state) == WindowPicture(ratio));
    }
}

}  // namespace
}  // namespace tesmark
