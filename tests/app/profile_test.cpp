// Loading and saving RuleState: defaults, the format marker, memory texts,
// damaged values, and a round trip through a real profile file.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <map>

#include "platform/settings_store.h"
#include "profile/profile.h"

namespace tesmark {
namespace {

// An in-memory store that remembers the order of writes.
class MemoryStore : public ProfileStore {
  public:
    std::map<std::string, std::string> values;
    std::vector<std::string> writeOrder;

    std::optional<int64_t> readInt(std::string_view section, std::string_view key) override {
        auto it = values.find(Path(section, key));
        if (it == values.end()) return std::nullopt;
        try {
            std::size_t used = 0;
            long long v = std::stoll(it->second, &used);
            if (used != it->second.size()) return std::nullopt;
            return v;
        } catch (...) {
            return std::nullopt;
        }
    }
    std::optional<std::string> readString(std::string_view section, std::string_view key) override {
        auto it = values.find(Path(section, key));
        if (it == values.end()) return std::nullopt;
        return it->second;
    }
    void writeInt(std::string_view section, std::string_view key, int32_t value) override {
        values[Path(section, key)] = std::to_string(value);
        writeOrder.push_back(Path(section, key));
    }
    void writeString(std::string_view section, std::string_view key,
                     std::string_view value) override {
        values[Path(section, key)] = std::string(value);
        writeOrder.push_back(Path(section, key));
    }
    bool flush() override { return true; }

    static std::string Path(std::string_view section, std::string_view key) {
        return std::string(section) + "/" + std::string(key);
    }
};

TEST(ProfileLoad, EmptyProfileGivesEveryDefault) {
    MemoryStore store;
    RuleState s = LoadProfile(store);
    EXPECT_EQ(s.Xpos, 10);
    EXPECT_EQ(s.Ypos, 20);
    EXPECT_EQ(s.SlidePos, 3150000);
    EXPECT_EQ(s.CursorPos, 3150000);
    EXPECT_EQ(s.SlideRev, 0);
    EXPECT_EQ(s.ScaleST, 0);
    EXPECT_EQ(s.ScalePI, 1);
    EXPECT_EQ(s.ScaleLL, 2);
    EXPECT_EQ(s.RightClick, 1);
    EXPECT_EQ(s.Language, 0);
    EXPECT_EQ(s.NumberVariable, 1);
    EXPECT_EQ(s.NumFoucs, 14);
    EXPECT_EQ(s.CxSize, 255);
    EXPECT_EQ(s.editConstants[1], "3.141592=\u03c0");
    EXPECT_EQ(s.editHistory[0], "1.00000");
    EXPECT_EQ(s.editHistory[15], "16.00000");
    for (const SlideMemory& m : s.memories) {
        EXPECT_EQ(m.position, 3150000);
        EXPECT_EQ(m.options, 0);
    }
}

TEST(ProfileSave, WritesEveryKeyInOrderWithTheMarker) {
    MemoryStore store;
    ASSERT_TRUE(SaveProfile(RuleState::Defaults(), store));
    const std::vector<std::string> firstKeys = {
        "TesmarkX/Xpos",     "TesmarkX/Ypos",           "TesmarkX/TopWin",   "TesmarkX/SlideRev",
        "TesmarkX/SinNum",   "TesmarkX/RightClick",     "TesmarkX/Language", "TesmarkX/ScalePI",
        "TesmarkX/ScaleST",  "TesmarkX/ScaleLL",        "TesmarkX/SlidePos", "TesmarkX/CursorPos",
        "TesmarkX/NumFoucs", "TesmarkX/NumberVariable", "TesmarkX/CxSize",   "TesmarkX/ScaleRev",
        "Memory/Memory01"};
    ASSERT_GE(store.writeOrder.size(), firstKeys.size());
    EXPECT_EQ(std::vector<std::string>(store.writeOrder.begin(),
                                       store.writeOrder.begin() + firstKeys.size()),
              firstKeys);
    EXPECT_EQ(store.writeOrder.size(), 16u + 10u + 8u + 16u);
    EXPECT_EQ(store.values["TesmarkX/ScaleRev"], "257");
    EXPECT_EQ(store.values["Memory/Memory10"], "0,3150000");
    EXPECT_EQ(store.values["EditBox/Histry16"], "16.00000");
    EXPECT_EQ(store.values["EditBox/Cont08"], "3.3333333=10/3");
}

TEST(ProfileLoad, WithoutTheMarkerPositionsAndMemoriesAreIgnored) {
    MemoryStore store;
    store.values["TesmarkX/ScaleRev"] = "256";
    store.values["TesmarkX/SlidePos"] = "1000000";
    store.values["TesmarkX/CursorPos"] = "1000000";
    store.values["TesmarkX/SlideRev"] = "1";
    store.values["Memory/Memory01"] = "5,123";
    store.values["EditBox/Histry01"] = "42";
    RuleState s = LoadProfile(store);
    EXPECT_EQ(s.SlidePos, 3150000);
    EXPECT_EQ(s.CursorPos, 3150000);
    EXPECT_EQ(s.SlideRev, 1);  // other settings are kept
    EXPECT_EQ(s.memories[0].position, 3150000);
    EXPECT_EQ(s.memories[0].options, 0);
    EXPECT_EQ(s.editHistory[0], "42");  // the edit box is read whatever the marker says
}

struct MemoryTextCase {
    const char* name;
    const char* text;
    bool parsed;
    int16_t options;
    int32_t position;
};

class MemoryTextTest : public testing::TestWithParam<MemoryTextCase> {};

TEST_P(MemoryTextTest, Parses) {
    const MemoryTextCase& c = GetParam();
    std::optional<SlideMemory> memory = ParseMemoryText(c.text);
    ASSERT_EQ(memory.has_value(), c.parsed);
    if (!c.parsed) return;
    EXPECT_EQ(memory->options, c.options);
    EXPECT_EQ(memory->position, c.position);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, MemoryTextTest,
    testing::Values(MemoryTextCase{"Plain", "7,123", true, 7, 123},
                    MemoryTextCase{"Default", "0,3150000", true, 0, 3150000},
                    MemoryTextCase{"LettersBeforeComma", "12abc,456", true, 12, 456},
                    MemoryTextCase{"SpacesAndSigns", "  -3, -77", true, -3, -77},
                    MemoryTextCase{"SecondCommaIgnored", "1,2,3", true, 1, 2},
                    MemoryTextCase{"NotNumbers", "abc,def", true, 0, 0},
                    MemoryTextCase{"OptionCutTo16Bits", "65537,5", true, 1, 5},
                    MemoryTextCase{"NoComma", "12345", false, 0, 0},
                    MemoryTextCase{"Empty", "", false, 0, 0}),
    [](const testing::TestParamInfo<MemoryTextCase>& info) { return info.param.name; });

TEST(ProfileLoad, MemoryTextWithoutCommaKeepsTheDefaultEntry) {
    MemoryStore store;
    store.values["TesmarkX/ScaleRev"] = "257";
    store.values["Memory/Memory02"] = "1234567";
    store.values["Memory/Memory03"] = "3,2000000";
    RuleState s = LoadProfile(store);
    EXPECT_EQ(s.memories[1].position, 3150000);
    EXPECT_EQ(s.memories[1].options, 0);
    EXPECT_EQ(s.memories[2].position, 2000000);
    EXPECT_EQ(s.memories[2].options, 3);
}

TEST(ProfileLoad, OverlongEditTextsAreCutToThirtyCharacters) {
    MemoryStore store;
    store.values["EditBox/Cont01"] = std::string(45, '7');
    store.values["EditBox/Histry03"] = "\u03c0\u03c0\u03c0" + std::string(40, '1');  // 3 wide chars
    RuleState s = LoadProfile(store);
    EXPECT_EQ(s.editConstants[0], std::string(30, '7'));
    EXPECT_EQ(s.editHistory[2], "\u03c0\u03c0\u03c0" + std::string(27, '1'));
}

// Damaged or hand-edited values: the program must start with something it
// can work with. Each row: key, stored text, the field, the value expected.
struct DamagedCase {
    const char* name;
    const char* key;
    const char* text;
    int32_t RuleState::*wide;
    int16_t RuleState::*narrow;
    int32_t expected;
};

class DamagedProfileTest : public testing::TestWithParam<DamagedCase> {};

TEST_P(DamagedProfileTest, LoadsASafeValue) {
    const DamagedCase& c = GetParam();
    MemoryStore store;
    store.values["TesmarkX/ScaleRev"] = "257";
    store.values[std::string("TesmarkX/") + c.key] = c.text;
    RuleState s = LoadProfile(store);
    int32_t actual = c.wide ? s.*c.wide : s.*c.narrow;
    EXPECT_EQ(actual, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, DamagedProfileTest,
    testing::Values(
        DamagedCase{"FocusTooLarge", "NumFoucs", "23", nullptr, &RuleState::NumFoucs, 14},
        DamagedCase{"FocusNegative", "NumFoucs", "-1", nullptr, &RuleState::NumFoucs, 14},
        DamagedCase{"FocusNone", "NumFoucs", "0", nullptr, &RuleState::NumFoucs, 0},
        DamagedCase{"FocusCutThenValid", "NumFoucs", "65541", nullptr, &RuleState::NumFoucs, 5},
        DamagedCase{"ScaleLLTooLarge", "ScaleLL", "3", nullptr, &RuleState::ScaleLL, 2},
        DamagedCase{"ScaleLLNegative", "ScaleLL", "-7", nullptr, &RuleState::ScaleLL, 2},
        DamagedCase{"FaceOutOfSet", "SlideRev", "2", nullptr, &RuleState::SlideRev, 0},
        DamagedCase{"LanguageOutOfSet", "Language", "9", nullptr, &RuleState::Language, 0},
        DamagedCase{"RightClickOutOfSet", "RightClick", "3", nullptr, &RuleState::RightClick, 1},
        DamagedCase{"SinNumOutOfSet", "SinNum", "-1", nullptr, &RuleState::SinNum, 0},
        DamagedCase{"ScalePIOutOfSet", "ScalePI", "5", nullptr, &RuleState::ScalePI, 1},
        DamagedCase{"ScaleSTOutOfSet", "ScaleST", "2", nullptr, &RuleState::ScaleST, 0},
        DamagedCase{"NumberLockOutOfSet", "NumberVariable", "4", nullptr,
                    &RuleState::NumberVariable, 1},
        DamagedCase{"TopWinOutOfSet", "TopWin", "-2", nullptr, &RuleState::TopWin, 0},
        DamagedCase{"WidthTooNarrow", "CxSize", "-500", nullptr, &RuleState::CxSize, 255},
        DamagedCase{"WidthTooWide", "CxSize", "30000", nullptr, &RuleState::CxSize, 1375},
        DamagedCase{"WidthInRange", "CxSize", "600", nullptr, &RuleState::CxSize, 600},
        DamagedCase{"SlideHuge", "SlidePos", "2147483647", &RuleState::SlidePos, nullptr, 6390000},
        DamagedCase{"SlideBeyond32Bits", "SlidePos", "99999999999", &RuleState::SlidePos, nullptr,
                    6390000},  // cut to 32 bits first (1,215,752,191), then held to the range
        DamagedCase{"CursorVeryNegative", "CursorPos", "-2147483648", &RuleState::CursorPos,
                    nullptr, -90000},
        DamagedCase{"CursorInRange", "CursorPos", "6390000", &RuleState::CursorPos, nullptr,
                    6390000},
        DamagedCase{"CursorNotANumber", "CursorPos", "abc", &RuleState::CursorPos, nullptr,
                    3150000},
        DamagedCase{"FocusNotANumber", "NumFoucs", "12x", nullptr, &RuleState::NumFoucs, 14}),
    [](const testing::TestParamInfo<DamagedCase>& info) { return info.param.name; });

TEST(ProfileLoad, MemoryPositionsAreHeldToTheRangeMovesKeep) {
    MemoryStore store;
    store.values["TesmarkX/ScaleRev"] = "257";
    store.values["Memory/Memory01"] = "0,2147483647";
    store.values["Memory/Memory02"] = "0,-99999999";
    RuleState s = LoadProfile(store);
    EXPECT_EQ(s.memories[0].position, 6390000);
    EXPECT_EQ(s.memories[1].position, -90000);
}

TEST(ProfileFile, NonDefaultStateSurvivesARoundTrip) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath("Tesmark.conf");
    RuleState saved = RuleState::Defaults();
    saved.Xpos = -30;
    saved.Ypos = 700;
    saved.SlidePos = 1234567;
    saved.CursorPos = -90000;
    saved.SlideRev = 1;
    saved.TopWin = 1;
    saved.SinNum = 1;
    saved.RightClick = 0;
    saved.Language = 1;
    saved.ScaleLL = 0;
    saved.ScaleST = 1;
    saved.ScalePI = 0;
    saved.NumberVariable = 0;
    saved.NumFoucs = 22;
    saved.CxSize = 700;
    saved.memories[4] = SlideMemory{4242, 5};
    saved.memories[9] = SlideMemory{-1, -3};
    saved.editConstants[7] = "1,5=odd, text \"quoted\"";
    saved.editHistory[0] = "0.5\u03c0";
    {
        SettingsStore store(file);
        ASSERT_TRUE(SaveProfile(saved, store));
    }
    SettingsStore store(file);
    RuleState loaded = LoadProfile(store);
    EXPECT_EQ(loaded.Xpos, saved.Xpos);
    EXPECT_EQ(loaded.Ypos, saved.Ypos);
    EXPECT_EQ(loaded.SlidePos, saved.SlidePos);
    EXPECT_EQ(loaded.CursorPos, saved.CursorPos);
    EXPECT_EQ(loaded.SlideRev, saved.SlideRev);
    EXPECT_EQ(loaded.TopWin, saved.TopWin);
    EXPECT_EQ(loaded.SinNum, saved.SinNum);
    EXPECT_EQ(loaded.RightClick, saved.RightClick);
    EXPECT_EQ(loaded.Language, saved.Language);
    EXPECT_EQ(loaded.ScaleLL, saved.ScaleLL);
    EXPECT_EQ(loaded.ScaleST, saved.ScaleST);
    EXPECT_EQ(loaded.ScalePI, saved.ScalePI);
    EXPECT_EQ(loaded.NumberVariable, saved.NumberVariable);
    EXPECT_EQ(loaded.NumFoucs, saved.NumFoucs);
    EXPECT_EQ(loaded.CxSize, saved.CxSize);
    for (int i = 0; i < kMemoryCount; ++i) {
        EXPECT_EQ(loaded.memories[i].position, saved.memories[i].position) << i;
        EXPECT_EQ(loaded.memories[i].options, saved.memories[i].options) << i;
    }
    EXPECT_EQ(loaded.editConstants, saved.editConstants);
    EXPECT_EQ(loaded.editHistory, saved.editHistory);
}

TEST(ProfileFile, HandWrittenIniValuesAreRead) {
    QTemporaryDir dir;
    const QString file = dir.filePath("Tesmark.conf");
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(
        "[TesmarkX]\nScaleRev=257\nSlidePos=1000000\nNumFoucs=banana\n"
        "[Memory]\nMemory01=7,123\n");
    out.close();
    SettingsStore store(file);
    RuleState s = LoadProfile(store);
    EXPECT_EQ(s.SlidePos, 1000000);
    EXPECT_EQ(s.NumFoucs, 14);
    EXPECT_EQ(s.memories[0].options, 7);  // an unquoted comma reads back as a list
    EXPECT_EQ(s.memories[0].position, 123);
}

}  // namespace
}  // namespace tesmark
