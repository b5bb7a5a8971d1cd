// The toolbar data: the two languages' resources of each toolbar match button
// for button, and every button finds its picture in the strip of its toolbar.
#include "ui/toolbar_resources.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QString>
#include <set>
#include <string>

#include "platform/mapped_image.h"

// The resource file is compiled into the window's static library; a program
// that links the library registers it explicitly.
static void RegisterResources() {
    Q_INIT_RESOURCE(tesmark);
}

namespace tesmark {
namespace {

class ToolbarTest : public ::testing::TestWithParam<int> {
  protected:
    static void SetUpTestSuite() { RegisterResources(); }
    const ToolbarDefinition& toolbar() const { return kToolbars[GetParam()]; }
};

QImage LoadStrip(std::string_view path) {
    return QImage(QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size())));
}

TEST_P(ToolbarTest, JapaneseAndEnglishResourcesHaveTheSameShape) {
    const auto japanese = toolbar().japanese.buttons;
    const auto english = toolbar().english.buttons;
    ASSERT_EQ(japanese.size(), english.size());
    for (std::size_t i = 0; i < japanese.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(japanese[i] == kToolbarSeparator, english[i] == kToolbarSeparator);
        if (japanese[i] == kToolbarSeparator) continue;
        // Japanese toolbars carry the small ids, English ones those from 32783 up.
        EXPECT_LT(japanese[i], 32783);
        EXPECT_GE(english[i], 32783);
    }
    // A separator neither starts nor ends a bar, and two never follow each other.
    EXPECT_NE(japanese.front(), kToolbarSeparator);
    EXPECT_NE(japanese.back(), kToolbarSeparator);
    for (std::size_t i = 1; i < japanese.size(); ++i) {
        EXPECT_FALSE(japanese[i - 1] == kToolbarSeparator && japanese[i] == kToolbarSeparator);
    }
}

TEST_P(ToolbarTest, BothResourcesDrawFromTheToolbarsStrip) {
    EXPECT_EQ(ToolbarStripPath(toolbar().japanese.resourceId), toolbar().imageStrip);
    EXPECT_EQ(ToolbarStripPath(toolbar().english.resourceId), toolbar().imageStrip);
}

TEST_P(ToolbarTest, EveryButtonHasItsOwnPictureInTheStrip) {
    const QImage strip = LoadStrip(toolbar().imageStrip);
    ASSERT_FALSE(strip.isNull()) << toolbar().imageStrip;
    const auto buttons = toolbar().japanese.buttons;
    const int pictures = ToolbarImageCount(buttons);
    EXPECT_EQ(strip.width(), kToolbarImageWidth * pictures);
    EXPECT_EQ(strip.height(), kToolbarImageHeight);

    int expected = 0;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        SCOPED_TRACE(i);
        const int index = ToolbarImageIndex(buttons, i);
        if (buttons[i] == kToolbarSeparator) {
            EXPECT_EQ(index, -1);
            continue;
        }
        // Pictures follow the buttons in order, one each.
        EXPECT_EQ(index, expected++);
        ASSERT_GE(index, 0);
        ASSERT_LT(index, pictures);
        // The picture is not blank: the strip is not shorter than its buttons.
        const QImage picture =
            strip.copy(index * kToolbarImageWidth, 0, kToolbarImageWidth, kToolbarImageHeight);
        int drawn = 0;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                if (qAlpha(picture.pixel(x, y)) != 0) ++drawn;
            }
        }
        EXPECT_GT(drawn, 20);
    }
    EXPECT_EQ(ToolbarImageIndex(buttons, buttons.size()), -1);
}

TEST_P(ToolbarTest, TheStripKeepsItsTransparentBackgroundWhenMapped) {
    // The button's own face shows around the picture, also when pressed.
    QPalette palette;
    palette.setColor(QPalette::Button, QColor(1, 2, 3));
    const QImage strip =
        LoadMappedImage(QString::fromUtf8(toolbar().imageStrip.data(),
                                          static_cast<qsizetype>(toolbar().imageStrip.size())),
                        palette);
    ASSERT_FALSE(strip.isNull());
    EXPECT_EQ(qAlpha(strip.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(strip.pixel(strip.width() - 1, strip.height() - 1)), 0);
}

std::string ToolbarName(const ::testing::TestParamInfo<int>& info) {
    return std::string("Toolbar") + static_cast<char>('A' + info.param);
}

INSTANTIATE_TEST_SUITE_P(AllToolbars, ToolbarTest,
                         ::testing::Values(kToolbarA, kToolbarB, kToolbarC, kToolbarD),
                         ToolbarName);

TEST(ToolbarResourcesTest, TheLanguageChoosesTheResource) {
    const ToolbarDefinition& front = kToolbars[kToolbarA];
    EXPECT_EQ(ToolbarResourceFor(front, 0).resourceId, 171);
    EXPECT_EQ(ToolbarResourceFor(front, 0).buttons.front(), 32811);
    EXPECT_EQ(ToolbarResourceFor(front, 1).resourceId, 159);
    EXPECT_EQ(ToolbarResourceFor(front, 1).buttons.front(), 116);
}

TEST(ToolbarResourcesTest, ResourceIdsAndCommandsAreUnique) {
    std::set<int> resources;
    std::set<int> commands;
    int buttonCount = 0;
    for (const ToolbarDefinition& toolbar : kToolbars) {
        resources.insert(toolbar.japanese.resourceId);
        resources.insert(toolbar.english.resourceId);
        for (const auto& resource : {toolbar.japanese, toolbar.english}) {
            for (const int command : resource.buttons) {
                if (command == kToolbarSeparator) continue;
                commands.insert(command);
                ++buttonCount;
            }
        }
    }
    EXPECT_EQ(resources.size(), 2 * kToolbars.size());
    EXPECT_EQ(static_cast<int>(commands.size()), buttonCount);
}

TEST(ToolbarResourcesTest, AnUnknownResourceHasNoStrip) {
    for (const int id : {0, 110, 160, 173, 32811}) {
        SCOPED_TRACE(id);
        EXPECT_TRUE(ToolbarStripPath(id).empty());
    }
}

TEST(ToolbarResourcesTest, ImageIndexSkipsSeparators) {
    const int buttons[] = {601, kToolbarSeparator, 602, kToolbarSeparator, 603};
    EXPECT_EQ(ToolbarImageIndex(buttons, 0), 0);
    EXPECT_EQ(ToolbarImageIndex(buttons, 1), -1);
    EXPECT_EQ(ToolbarImageIndex(buttons, 2), 1);
    EXPECT_EQ(ToolbarImageIndex(buttons, 4), 2);
    EXPECT_EQ(ToolbarImageIndex(buttons, 5), -1);
    EXPECT_EQ(ToolbarImageCount(buttons), 3);
}

TEST(ToolbarResourcesTest, TheRebarHoldsEachToolbarAndTheEditBoxOnce) {
    std::multiset<int> contents;
    for (const RebarBand& band : kRebarBands) contents.insert(band.toolbar);
    EXPECT_EQ(contents.count(kEditBoxBand), 1u);
    for (int toolbar = 0; toolbar < static_cast<int>(kToolbars.size()); ++toolbar) {
        EXPECT_EQ(contents.count(toolbar), 1u) << toolbar;
    }
    // The two option toolbars take turns in the first two bands.
    EXPECT_EQ(kRebarBands[kFrontOptionsBand].toolbar, kToolbarA);
    EXPECT_EQ(kRebarBands[kBackOptionsBand].toolbar, kToolbarB);
}

TEST(WindowBitmapResourcesTest, TheWindowsBitmapsAreInTheResources) {
    RegisterResources();
    for (const int id :
         {kHomeButtonBitmap, kReverseButtonBitmap, kWindowBackgroundBitmap, kBarTroughBitmap}) {
        SCOPED_TRACE(id);
        EXPECT_FALSE(LoadMappedBitmap(id, QPalette()).isNull());
    }
}

}  // namespace
}  // namespace tesmark
