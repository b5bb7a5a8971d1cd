#pragma once
// The four toolbars of the window as data. Each toolbar exists as two
// resources, one for each language, with the same buttons under the Japanese
// (small) and the English (32783 upwards) command ids. A resource lists its
// buttons in order, separators included; its image strip holds one 18 x 17
// picture per button, side by side in that order, and a separator takes no
// picture. The two resources of a toolbar share one strip. The rebar holds
// the toolbars and the edit box in five bands of fixed width.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace tesmark {

// Stands for a separator in a button list: a gap in the bar, no picture.
inline constexpr int kToolbarSeparator = 0;

inline constexpr int kToolbarButtonWidth = 30;
inline constexpr int kToolbarButtonHeight = 23;
inline constexpr int kToolbarImageWidth = 18;
inline constexpr int kToolbarImageHeight = 17;
inline constexpr int kToolbarHeight = 23;

struct ToolbarResource {
    int resourceId;
    std::span<const int> buttons;  // command ids in order, kToolbarSeparator for a gap
};

struct ToolbarDefinition {
    std::string_view purpose;
    ToolbarResource japanese;
    ToolbarResource english;
    std::string_view imageStrip;  // resource path of the strip both resources use
};

namespace toolbar_buttons {
inline constexpr int kSep = kToolbarSeparator;
inline constexpr std::array<int, 5> kFrontJapanese{116, 117, kSep, 811, 812};
inline constexpr std::array<int, 5> kFrontEnglish{32811, 32812, kSep, 32813, 32814};
inline constexpr std::array<int, 6> kBackJapanese{802, 801, kSep, 821, 822, 823};
inline constexpr std::array<int, 6> kBackEnglish{32815, 32816, kSep, 32817, 32818, 32819};
inline constexpr std::array<int, 12> kEditJapanese{601, 602,  603, kSep, 611,  612,
                                                   613, kSep, 621, 622,  kSep, 631};
inline constexpr std::array<int, 12> kEditEnglish{32791, 32792, 32793, kSep,  32794, 32795,
                                                  32796, kSep,  32797, 32798, kSep,  32790};
// The settings toolbar ends with "Show me".
inline constexpr std::array<int, 7> kSettingsJapanese{135, kSep, 131, 132, 133, kSep, 950};
inline constexpr std::array<int, 7> kSettingsEnglish{32786, kSep, 32787, 32788, 32789, kSep, 32820};
}  // namespace toolbar_buttons

// Toolbars A to D, in the order the window creates them.
inline constexpr std::array<ToolbarDefinition, 4> kToolbars{{
    {"front-face options",
     {159, toolbar_buttons::kFrontJapanese},
     {171, toolbar_buttons::kFrontEnglish},
     ":/images/toolbar_front_options.png"},
    {"back-face options",
     {164, toolbar_buttons::kBackJapanese},
     {172, toolbar_buttons::kBackEnglish},
     ":/images/toolbar_back_options.png"},
    {"edit commands",
     {162, toolbar_buttons::kEditJapanese},
     {169, toolbar_buttons::kEditEnglish},
     ":/images/toolbar_edit.png"},
    {"settings and Show me",
     {168, toolbar_buttons::kSettingsJapanese},
     {170, toolbar_buttons::kSettingsEnglish},
     ":/images/toolbar_settings.png"},
}};
inline constexpr int kToolbarA = 0;  // front-face options
inline constexpr int kToolbarB = 1;  // back-face options
inline constexpr int kToolbarC = 2;  // edit commands
inline constexpr int kToolbarD = 3;  // settings and Show me

// The resource a toolbar loads for a language: 0 English, otherwise Japanese.
const ToolbarResource& ToolbarResourceFor(const ToolbarDefinition& toolbar, int16_t language);

// The image strip of a toolbar resource id (Japanese or English); empty for an
// unknown id, which leaves the toolbar without pictures.
std::string_view ToolbarStripPath(int resourceId);

// The picture index in the strip of the button at a position of a button
// list: the number of buttons before it, separators not counted. -1 for a
// separator or a position past the end.
int ToolbarImageIndex(std::span<const int> buttons, std::size_t position);

// How many pictures a button list needs: its buttons without the separators.
int ToolbarImageCount(std::span<const int> buttons);

// The rebar bands, in order. Every band has no gripper, an edge around its
// child, a minimum child size of 160 x 23, a child height of 23, a header of
// 5 pixels and the window background pattern behind it.
inline constexpr int kEditBoxBand = -1;  // RebarBand::toolbar of the edit box's band
struct RebarBand {
    int toolbar;  // index into kToolbars, or kEditBoxBand
    int width;
};
inline constexpr std::array<RebarBand, 5> kRebarBands{{
    {kToolbarA, 175},
    {kToolbarB, 175},
    {kEditBoxBand, 160},
    {kToolbarC, 310},
    {kToolbarD, 205},  // 170 for the settings, 35 more for Show me
}};
inline constexpr int kRebarId = 3001;
inline constexpr int kRebarBandMinChildWidth = 160;
inline constexpr int kRebarBandMinChildHeight = 23;
inline constexpr int kRebarBandChildHeight = 23;
inline constexpr int kRebarBandHeaderWidth = 5;
// Band 0 (front-face options) shows only on the front face, band 1 (back-face
// options) only on the back.
inline constexpr int kFrontOptionsBand = 0;
inline constexpr int kBackOptionsBand = 1;

}  // namespace tesmark
