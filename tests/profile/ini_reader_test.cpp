// The profile's INI text: values unescaped as the format spells them,
// nothing interpreted beyond text, only the profile's keys kept, and what
// the writer writes read back unchanged.
#include <gtest/gtest.h>

#include "model/rule_state.h"
#include "profile/ini_profile_store.h"
#include "profile/ini_reader.h"
#include "profile/ini_writer.h"
#include "profile/profile.h"

namespace tesmark {
namespace {

struct ValueCase {
    const char* name;
    const char* raw;  // what stands after "="
    const char* text;
    bool list;
};

class IniValueTest : public testing::TestWithParam<ValueCase> {};

TEST_P(IniValueTest, Unescapes) {
    std::optional<IniValue> value = UnescapeIniValue(GetParam().raw);
    ASSERT_TRUE(value);
    EXPECT_EQ(value->text, GetParam().text);
    EXPECT_EQ(value->list, GetParam().list);
}

INSTANTIATE_TEST_SUITE_P(
    Values, IniValueTest,
    testing::Values(ValueCase{"Plain", "1.00000", "1.00000", false},
                    ValueCase{"BlanksAroundDropped", "  7 \t", "7", false},
                    ValueCase{"Quoted", "\"2.718282=e\"", "2.718282=e", false},
                    ValueCase{"QuotedBlanksKept", "\" lead and trail \"", " lead and trail ",
                              false},
                    ValueCase{"EscapedQuotes", "\"1,5=odd, text \\\"quoted\\\"\"",
                              "1,5=odd, text \"quoted\"", false},
                    ValueCase{"Backslash", "back\\\\slash", "back\\slash", false},
                    ValueCase{"Tab", "tab\\there", "tab\there", false},
                    ValueCase{"HexEscape", "3.141592=\\x3c0", "3.141592=\u03c0", false},
                    ValueCase{"Utf8", "0.5\xcf\x80", "0.5\u03c0", false},
                    ValueCase{"InvalidUtf8",
                              "a\xff"
                              "b",
                              "a\ufffd"
                              "b",
                              false},
                    ValueCase{"UnquotedCommaList", "7, 123", "7,123", true},
                    ValueCase{"DoubledAt", "@@at sign", "@at sign", false},
                    ValueCase{"ByteArrayIsText", "@ByteArray(5)", "@ByteArray(5)", false}),
    [](const auto& info) { return info.param.name; });

TEST(IniValue, StringFormKeepsItsNulBytes) {
    std::optional<IniValue> value = UnescapeIniValue("@String(2.5\\0junk)");
    ASSERT_TRUE(value);
    EXPECT_EQ(value->text, std::string("2.5\0junk", 8));
    std::optional<IniValue> variant = UnescapeIniValue("@Variant(\\0\\0\\0\\x41)");
    ASSERT_TRUE(variant);
    EXPECT_EQ(variant->text, std::string("@Variant(\0\0\0A)", 14));
    EXPECT_FALSE(IniInteger(*variant));
    EXPECT_FALSE(UnescapeIniValue("@Invalid()"));
}

struct IntegerCase {
    const char* name;
    const char* text;
    std::optional<int64_t> number;
};

class IniIntegerTest : public testing::TestWithParam<IntegerCase> {};

TEST_P(IniIntegerTest, Reads) {
    EXPECT_EQ(IniInteger(IniValue{GetParam().text, false}), GetParam().number);
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, IniIntegerTest,
    testing::Values(IntegerCase{"Plain", "257", 257}, IntegerCase{"Negative", "-90000", -90000},
                    IntegerCase{"Plus", "+5", 5}, IntegerCase{"Blanks", " 12 ", 12},
                    IntegerCase{"Trailing", "12x", std::nullopt},
                    IntegerCase{"Empty", "", std::nullopt}, IntegerCase{"Sign", "-", std::nullopt},
                    IntegerCase{"Wide", "99999999999", 99999999999},
                    IntegerCase{"Min64", "-9223372036854775808", INT64_MIN},
                    IntegerCase{"Beyond64", "9223372036854775808", std::nullopt},
                    IntegerCase{"Hex", "0x10", std::nullopt}),
    [](const auto& info) { return info.param.name; });

TEST(IniRead, SectionsCommentsContinuationsAndRepeats) {
    const char* text =
        "\xEF\xBB\xBF; a comment\n"
        "top=1\n"
        "[TesmarkX]\r\n"
        "  Xpos = 5 ; trailing comment\n"
        "Ypos=1\\\n2\n"
        "Xpos=6\n"
        "no equals sign\n"
        "[ Memory ]\n"
        "Memory01=\"a\n;b\"\n"
        "[TesmarkX]\n"
        "SlideRev=1\n";
    IniDocument document = ReadIni(text);
    EXPECT_EQ(document[""]["top"].text, "1");
    EXPECT_EQ(document["TesmarkX"]["Xpos"].text, "6");
    EXPECT_EQ(document["TesmarkX"]["Ypos"].text, "12");
    EXPECT_EQ(document["TesmarkX"]["SlideRev"].text, "1");
    EXPECT_EQ(document["Memory"]["Memory01"].text, "a\n;b");
}

TEST(IniRead, OnlyTheProfilesKeysAreKept) {
    IniDocument document = ReadIni(
        "[TesmarkX]\nXpos=1\nJunk=2\nScaleRev=257\n[Junk]\nXpos=3\n"
        "[EditBox]\nHistry16=x\nHistry17=y\nCont1=z\n",
        IsProfileKey);
    EXPECT_EQ(document.size(), 2u);
    EXPECT_EQ(document["TesmarkX"].size(), 2u);
    EXPECT_EQ(document["EditBox"].size(), 1u);
    EXPECT_TRUE(document["EditBox"].count("Histry16"));
}

TEST(IniWrite, EveryTextReadsBackUnchanged) {
    const std::string texts[] = {"",
                                 "1.00000",
                                 "2.718282=e",
                                 "1,5=odd, text \"quoted\"",
                                 " lead and trail ",
                                 "back\\slash;semi",
                                 "@at sign",
                                 "@@double",
                                 "@String(x)",
                                 "@Invalid()",
                                 "3.141592=\u03c0 \u221a10 \u65e5\u672c",
                                 std::string("nul\0"
                                             "1f",
                                             6),
                                 "tab\tnew\nline\x1b"
                                 "a",
                                 "\"",
                                 "x\\"};
    for (const std::string& text : texts) {
        std::optional<IniValue> value = UnescapeIniValue(EscapeIniValue(text));
        ASSERT_TRUE(value) << text;
        EXPECT_EQ(value->text, text) << EscapeIniValue(text);
        EXPECT_FALSE(value->list) << text;
    }
}

TEST(IniProfileStore, WritesOnlyWhatWasSavedAndReadsItBack) {
    IniProfileStore junk("[TesmarkX]\nXpos=77\nJunk=1\n[Junk]\nA=1\n");
    EXPECT_EQ(junk.readInt("TesmarkX", "Xpos"), 77);
    EXPECT_FALSE(junk.readString("TesmarkX", "Junk"));
    RuleState saved = RuleState::Defaults();
    saved.Xpos = -3;
    saved.editConstants[4] = "1,5=odd; \"q\" @";
    saved.editHistory[0] = "@lead";
    ASSERT_TRUE(SaveProfile(saved, junk));
    const std::string text = junk.writtenText();
    EXPECT_EQ(text.find("Junk"), std::string::npos);
    EXPECT_EQ(text.rfind("[TesmarkX]\nXpos=-3\nYpos=20\n", 0), 0u) << text;
    IniProfileStore again(text);
    RuleState loaded = LoadProfile(again);
    EXPECT_EQ(loaded.Xpos, -3);
    EXPECT_EQ(loaded.editConstants, saved.editConstants);
    EXPECT_EQ(loaded.editHistory, saved.editHistory);
}

TEST(ProfileLoad, EditTextsLoseControlCharactersBeforeTheCut) {
    IniProfileStore store(
        "[EditBox]\nHistry01=@String(2.5\\0\\0junk)\nCont01=\"a\\tb\\x85zc\"\n"
        "Histry02=\\x1b.123456789012345678901234567890\n");
    RuleState s = LoadProfile(store);
    EXPECT_EQ(s.editHistory[0], "2.5junk");
    EXPECT_EQ(s.editConstants[0], "abzc");
    EXPECT_EQ(s.editHistory[1], ".12345678901234567890123456789");
}

TEST(SettingsTable, DefaultsOfTheStateAreTheRowsDefaults) {
    const RuleState state = RuleState::Defaults();
    for (const IntSetting& setting : kIntSettings) {
        EXPECT_EQ(setting.get(state), setting.byDefault) << setting.key;
        EXPECT_GE(setting.byDefault, setting.low) << setting.key;
        EXPECT_LE(setting.byDefault, setting.high) << setting.key;
    }
}

}  // namespace
}  // namespace tesmark
