// The string table: the block rule of the resource lookup on an English and
// a Japanese system, the title that is never empty, the platform in the
// title, the messages by language, and the slide's one spelling.
#include "model/string_table.h"

#include <gtest/gtest.h>

#include <string>

#include "model/platform_name.h"

namespace tesmark {
namespace {

const std::string kTitle = std::string("Tesmark for ") + kPlatformName;

struct LookupCase {
    int id;
    const char* english;  // prompt, then tooltip, on an English system
    const char* englishTip;
    const char* japanese;  // on a Japanese system
    const char* japaneseTip;
};

TEST(StringTable, BlockLookupOnBothSystems) {
    const LookupCase cases[] = {
        // Both tables hold the block: the system's language wins.
        {111, "Slide Reverse", "", "裏返す", ""},
        {116, "", "S,T Number Black", "S,T尺、黒数値", "S,T尺、黒数値"},
        {612, "", "EditBox number Slide move", "エディット・ボックスの値に、滑尺を移動",
         "エディット・ボックスの値に、滑尺を移動"},
        {621, "0 Round Slide move", "", "0丸め、滑尺移動", "0丸め、滑尺移動"},
        {631, "Undo", "", "元に戻す", "元に戻す"},
        {801, "", "DF,CF Scale Sqrt10", "", "ずらし尺ずれ量、√10"},
        {901, "", "EditBox", "", "エディット・ボックス"},
        {950, "Type a calculation and watch the rule work it out, move by move", "Show me",
         "計算を入力すると、計算尺の動かし方を一手ずつ実演します", "計算の実演"},
        // The English block of 96..111 exists, so 100 is empty on an English
        // system although the Japanese table has it.
        {100, "", "", "バージョン表示", ""},
        // Only the Japanese table has the block of 128..143.
        {135, "スライドバー操作で一定量、カーソルと滑尺が動作するようにロックします", "数値ロック",
         "スライドバー操作で一定量、カーソルと滑尺が動作するようにロックします", "数値ロック"},
        // The block of 608..623 exists in English; 611 is missing there.
        {611, "", "", "エディット・ボックスに、コピー", "エディット・ボックスに、コピー"},
        // Only the English table has the blocks of 32768.. .
        {32783, "Reverse", "", "Reverse", ""},
        {32784, "Initialization", "", "Initialization", ""},
        {32820, "Type a calculation and watch the rule work it out, move by move", "Show me",
         "Type a calculation and watch the rule work it out, move by move", "Show me"},
        // No entry at all.
        {32786, "", "", "", ""},
        {57665, "", "", "", ""},
        {57670, "ヘルプ", "", "ヘルプ", ""},
        // The formula tooltips are served through the same lookup.
        {1000, "Hello. I'm Slide Rule.", "", "Hello. I am Slide Rule.", ""},
        {1031, "S=asin(nD/10)", "", "S=asin(nD/10)", ""},
    };
    for (const LookupCase& c : cases) {
        SCOPED_TRACE(c.id);
        EXPECT_EQ(CommandPrompt(c.id, Language::English), c.english);
        EXPECT_EQ(CommandTooltip(c.id, Language::English), c.englishTip);
        EXPECT_EQ(CommandPrompt(c.id, Language::Japanese), c.japanese);
        EXPECT_EQ(CommandTooltip(c.id, Language::Japanese), c.japaneseTip);
    }
}

TEST(StringTable, TitleIsNeverEmpty) {
    // The English table has no entry 98 in a block it holds: the Japanese
    // title stands in on an English system.
    EXPECT_EQ(LookUpString(kStringTitleJapanese, Language::English), "");
    EXPECT_EQ(WindowTitle(1, Language::English), "Tesmark - 両面型デジタル計算尺");
    EXPECT_EQ(WindowTitle(1, Language::Japanese), "Tesmark - 両面型デジタル計算尺");
    EXPECT_EQ(WindowTitle(0, Language::English), kTitle);
    EXPECT_EQ(WindowTitle(0, Language::Japanese), kTitle);
}

TEST(StringTable, PlatformNamedInTitleAndVersion) {
#if defined(__linux__)
    EXPECT_STREQ(kPlatformName, "Linux");
#endif
    EXPECT_EQ(MessageText(MessageId::VersionLine2, Language::English), kTitle);
    EXPECT_EQ(MessageText(MessageId::VersionLine2, Language::Japanese),
              std::string("両面型デジタル計算尺 for ") + kPlatformName);
#if !defined(_WIN32)
    EXPECT_EQ(kTitle.find("Windows"), std::string::npos);
#endif
}

TEST(StringTable, MemorySetLabel) {
    EXPECT_EQ(MemorySetLabel(0, Language::English), "&Set");
    EXPECT_EQ(MemorySetLabel(0, Language::Japanese), "&Set");
    EXPECT_EQ(MemorySetLabel(1, Language::English), "セット(&S)");
}

TEST(StringTable, PreferredLanguageFromLocale) {
    const struct {
        const char* locale;
        Language language;
    } cases[] = {{"ja_JP", Language::Japanese}, {"ja", Language::Japanese},
                 {"ja-JP", Language::Japanese}, {"ja_JP.UTF-8", Language::Japanese},
                 {"en_US", Language::English},  {"C", Language::English},
                 {"", Language::English},       {"jv_ID", Language::English}};
    for (const auto& c : cases)
        EXPECT_EQ(PreferredLanguageFromLocale(c.locale), c.language) << c.locale;
}

TEST(StringTable, MessagesByLanguage) {
    EXPECT_EQ(MovedMessage(true, Language::English), "Moved SLIDE.");
    EXPECT_EQ(MovedMessage(false, Language::Japanese), "カーソル を移動しました。");
    EXPECT_EQ(MovedMessage(true, Language::Japanese), "滑尺 を移動しました。");
    EXPECT_EQ(CannotMoveMessage(false, Language::English), "Cannot move CURSOR.");
    EXPECT_EQ(CannotMoveMessage(true, Language::Japanese), "滑尺 を移動できません。");
    EXPECT_EQ(CopiedToClipboardMessage("3.14159", Language::English),
              "Copied \"3.14159\" in the Clipboard.");
    EXPECT_EQ(CopiedToEditBoxMessage("2.5", Language::Japanese),
              "\"2.5\" をエディット・ボックスにコピーしました。");
    EXPECT_EQ(LoadedMemoryMessage(3, Language::English),
              "Loaded the position of SLIDE. <Memory 3>");
    EXPECT_EQ(SavedMemoryMessage(10, Language::Japanese), "滑尺 の位置を記録しました。<メモリ 10>");
    EXPECT_EQ(MessageText(MessageId::DomainError, Language::Japanese), "DOMAIN error.");
    EXPECT_EQ(FillMessage(MessageText(MessageId::PositionsFormat, Language::English),
                          {"3150000", "3150000"}),
              "Slide Position=3150000, Cursor Position=3150000,");
    EXPECT_EQ(GreetingText(1), "Wellcame.");
    EXPECT_EQ(GreetingText(8), "");
    // A placeholder without an argument, and a lone percent sign, stay.
    EXPECT_EQ(FillMessage("%s and %s, 5%", {"a"}), "a and %s, 5%");
}

// The slide is 滑尺; 渇尺 is a misprint that no text carries.
TEST(StringTable, NoTextMisspellsTheSlide) {
    const std::string misprint = "渇尺";
    for (int id = 0; id < 60000; ++id) {
        for (Language language : {Language::English, Language::Japanese}) {
            EXPECT_EQ(std::string(StringEntryIn(id, language)).find(misprint), std::string::npos)
                << id;
        }
    }
    for (int m = static_cast<int>(MessageId::SlideWord);
         m <= static_cast<int>(MessageId::VersionLine2); ++m) {
        EXPECT_EQ(
            std::string(MessageText(static_cast<MessageId>(m), Language::Japanese)).find(misprint),
            std::string::npos);
    }
}

}  // namespace
}  // namespace tesmark
