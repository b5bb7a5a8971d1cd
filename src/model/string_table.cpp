#include "model/string_table.h"

#include <array>

#include "model/platform_name.h"
#include "model/tooltip_strings.h"

namespace tesmark {

namespace {

// One identifier in both tables; nullptr where a table has no entry.
struct StringEntry {
    int id;
    const char* english;
    const char* japanese;
};

#define TESMARK_TITLE "Tesmark for " TESMARK_PLATFORM_NAME

constexpr StringEntry kEntries[] = {
    {98, nullptr, "Tesmark - 両面型デジタル計算尺"},
    {99, TESMARK_TITLE, TESMARK_TITLE},
    {100, nullptr, "バージョン表示"},
    {110, "Initialization", "初期化"},
    {111, "Slide Reverse", "裏返す"},
    {116, "\nS,T Number Black", "S,T尺、黒数値\nS,T尺、黒数値"},
    {117, "\nS,T Number Red", "S,T尺、赤数値\nS,T尺、赤数値"},
    {131, nullptr,
     "スライドバー操作時、右クリックで、カーソルと滑尺を同時動作します\n右クリック、同時動作"},
    {132, nullptr,
     "スライドバー操作時、右クリックで、カーソルと滑尺を高速動作します\n右クリック、高速動作"},
    {133, nullptr,
     "スライドバー操作時、右クリックで、カーソルと滑尺を反転動作します\n右クリック、反転動作"},
    {135, nullptr,
     "スライドバー操作で一定量、カーソルと滑尺が動作するようにロックします\n数値ロック"},
    {601, nullptr, "クリップボードに、コピー\nクリップボードに、コピー"},
    {602, nullptr, "クリップボードの値に、滑尺を移動\nクリップボードの値に、滑尺を移動"},
    {603, nullptr, "クリップボードの値に、カーソルを移動\nクリップボードの値に、カーソルを移動"},
    {611, nullptr, "エディット・ボックスに、コピー\nエディット・ボックスに、コピー"},
    {612, "\nEditBox number Slide move",
     "エディット・ボックスの値に、滑尺を移動\nエディット・ボックスの値に、滑尺を移動"},
    {613, "\nEditBox number Cursor move",
     "エディット・ボックスの値に、カーソルを移動\nエディット・ボックスの値に、カーソルを移動"},
    {621, "0 Round Slide move", "0丸め、滑尺移動\n0丸め、滑尺移動"},
    {622, "0 Round Cursor move", "0丸め、カーソル移動\n0丸め、カーソル移動"},
    {631, "Undo", "元に戻す\n元に戻す"},
    {703, nullptr, "セット(&S)"},
    {706, nullptr, "&Set"},
    {801, "\nDF,CF Scale Sqrt10", "\nずらし尺ずれ量、√10"},
    {802, "\nDF,CF Scale PI", "\nずらし尺ずれ量、π"},
    {811, "\nS0,T0 Scale", "S0,T0尺指定\nS0,T0尺指定"},
    {812, "\nS,T Scale", "S,T尺指定\nS,T尺指定"},
    {821, "\nLL Scale LL0,LL1", "\nLL尺、LL0,LL1指定"},
    {822, "\nLL Scale LL1,LL2", "\nLL尺、LL1,LL2指定"},
    {823, "\nLL Scale LL2,LL3", "\nLL尺、LL2,LL3指定"},
    {901, "\nEditBox", "\nエディット・ボックス"},
    {950, "Type a calculation and watch the rule work it out, move by move\nShow me",
     "計算を入力すると、計算尺の動かし方を一手ずつ実演します\n計算の実演"},
    {32783, "Reverse", nullptr},
    {32784, "Initialization", nullptr},
    {32820, "Type a calculation and watch the rule work it out, move by move\nShow me", nullptr},
    {57670, nullptr, "ヘルプ"},
};

#undef TESMARK_TITLE

const StringEntry* FindEntry(int id) {
    for (const StringEntry& entry : kEntries) {
        if (entry.id == id) return &entry;
    }
    return nullptr;
}

const char* TextOf(const StringEntry& entry, Language language) {
    return language == Language::English ? entry.english : entry.japanese;
}

// The formula tooltips live in their own table; both languages hold every
// one of them.
bool IsFormulaTooltip(int id) {
    return id >= kTooltipFirstId && id <= kTooltipLastId;
}

Language OtherLanguage(Language language) {
    return language == Language::English ? Language::Japanese : Language::English;
}

struct Message {
    MessageId id;
    const char* english;
    const char* japanese;
};

constexpr Message kMessages[] = {
    {MessageId::SlideWord, "SLIDE", "滑尺"},
    {MessageId::CursorWord, "CURSOR", "カーソル"},
    {MessageId::Moved, "Moved %s.", "%s を移動しました。"},
    {MessageId::CannotMove, "Cannot move %s.", "%s を移動できません。"},
    // The refusals read in English in both languages.
    {MessageId::DomainError, "DOMAIN error.", "DOMAIN error."},
    {MessageId::OverflowError, "Slide Rule overflow error.", "Slide Rule overflow error."},
    {MessageId::CopiedToClipboard, "Copied \"%s\" in the Clipboard.",
     "\"%s\" をクリップボードにコピーしました。"},
    {MessageId::CopiedToEditBox, "Copied \"%s\" in the EditBox.",
     "\"%s\" をエディット・ボックスにコピーしました。"},
    {MessageId::LoadedMemory, "Loaded the position of %s. <Memory %d>",
     "%s の位置をロードしました。<メモリ %d>"},
    {MessageId::SavedMemory, "Saved the position of %s. <Memory %d>",
     "%s の位置を記録しました。<メモリ %d>"},
    // The "CURSOR" label's texts are English in both languages.
    {MessageId::GreetingFormat, "\"%s\"   %s - %s", "\"%s\"   %s - %s"},
    {MessageId::BuildDateFormat, "Build Date & Time:  %s ", "Build Date & Time:  %s "},
    {MessageId::PositionsFormat, "Slide Position=%ld, Cursor Position=%ld,",
     "Slide Position=%ld, Cursor Position=%ld,"},
    {MessageId::BrandText, "Tesmark", "Tesmark"},
    {MessageId::VersionText, "version 3.2.0", "version 3.2.0"},
    {MessageId::VersionDialogTitle, "Tesmark - Version Information", "Tesmark - バージョン"},
    {MessageId::VersionLine1, "Tesmark  Version 3.2.0", "Tesmark Version 3.2.0"},
    {MessageId::VersionLine2, "Tesmark for " TESMARK_PLATFORM_NAME,
     "両面型デジタル計算尺 for " TESMARK_PLATFORM_NAME},
};

constexpr std::array<const char*, kGreetingCount> kGreetings = {
    "Hello!",      "Wellcame.",     "How are you?",    "How is a mood?",
    "No problem.", "Please enjoy.", "OK, let's play.", "Let's begin it."};

std::string_view ElementWord(bool slide, Language language) {
    return MessageText(slide ? MessageId::SlideWord : MessageId::CursorWord, language);
}

}  // namespace

bool HasStringEntry(int id, Language language) {
    if (IsFormulaTooltip(id)) return !TooltipText(id, static_cast<int>(language)).empty();
    const StringEntry* entry = FindEntry(id);
    return entry != nullptr && TextOf(*entry, language) != nullptr;
}

bool HasStringBlock(int block, Language language) {
    for (const StringEntry& entry : kEntries) {
        if (StringBlockOf(entry.id) == block && TextOf(entry, language) != nullptr) return true;
    }
    for (int id = kTooltipFirstId; id <= kTooltipLastId; ++id) {
        if (StringBlockOf(id) == block && HasStringEntry(id, language)) return true;
    }
    return false;
}

std::string_view StringEntryIn(int id, Language language) {
    if (IsFormulaTooltip(id)) return TooltipText(id, static_cast<int>(language));
    const StringEntry* entry = FindEntry(id);
    if (entry == nullptr) return {};
    const char* text = TextOf(*entry, language);
    return text == nullptr ? std::string_view{} : std::string_view{text};
}

std::string_view LookUpString(int id, Language preferred) {
    const Language language =
        HasStringBlock(StringBlockOf(id), preferred) ? preferred : OtherLanguage(preferred);
    return StringEntryIn(id, language);
}

std::string_view CommandPrompt(int id, Language preferred) {
    const std::string_view entry = LookUpString(id, preferred);
    return entry.substr(0, entry.find('\n'));
}

std::string_view CommandTooltip(int id, Language preferred) {
    const std::string_view entry = LookUpString(id, preferred);
    const std::size_t newline = entry.find('\n');
    return newline == std::string_view::npos ? std::string_view{} : entry.substr(newline + 1);
}

std::string_view WindowTitle(int16_t language, Language preferred) {
    const int id = language == 0 ? kStringTitleEnglish : kStringTitleJapanese;
    const std::string_view title = LookUpString(id, preferred);
    return title.empty() ? StringEntryIn(id, LanguageOf(language)) : title;
}

std::string_view MemorySetLabel(int16_t language, Language preferred) {
    return LookUpString(language == 0 ? kStringMemorySetEnglish : kStringMemorySetJapanese,
                        preferred);
}

Language PreferredLanguageFromLocale(std::string_view localeName) {
    const bool japanese = localeName.size() >= 2 &&
                          (localeName[0] == 'j' || localeName[0] == 'J') &&
                          (localeName[1] == 'a' || localeName[1] == 'A') &&
                          (localeName.size() == 2 || localeName[2] == '_' || localeName[2] == '-' ||
                           localeName[2] == '.');
    return japanese ? Language::Japanese : Language::English;
}

std::string_view MessageText(MessageId id, Language language) {
    for (const Message& message : kMessages) {
        if (message.id == id) {
            return language == Language::English ? message.english : message.japanese;
        }
    }
    return {};
}

std::string_view GreetingText(int index) {
    if (index < 0 || index >= kGreetingCount) return {};
    return kGreetings[static_cast<std::size_t>(index)];
}

std::string FillMessage(std::string_view format, std::initializer_list<std::string_view> args) {
    std::string text;
    const std::string_view* next = args.begin();
    std::size_t i = 0;
    while (i < format.size()) {
        if (format[i] == '%' && next != args.end()) {
            std::size_t length = 0;
            if (format.substr(i, 2) == "%s" || format.substr(i, 2) == "%d") length = 2;
            if (format.substr(i, 3) == "%ld") length = 3;
            if (length != 0) {
                text += *next++;
                i += length;
                continue;
            }
        }
        text += format[i++];
    }
    return text;
}

std::string MovedMessage(bool slide, Language language) {
    return FillMessage(MessageText(MessageId::Moved, language), {ElementWord(slide, language)});
}

std::string CannotMoveMessage(bool slide, Language language) {
    return FillMessage(MessageText(MessageId::CannotMove, language),
                       {ElementWord(slide, language)});
}

std::string CopiedToClipboardMessage(std::string_view text, Language language) {
    return FillMessage(MessageText(MessageId::CopiedToClipboard, language), {text});
}

std::string CopiedToEditBoxMessage(std::string_view text, Language language) {
    return FillMessage(MessageText(MessageId::CopiedToEditBox, language), {text});
}

std::string LoadedMemoryMessage(int memoryNumber, Language language) {
    const std::string number = std::to_string(memoryNumber);
    return FillMessage(MessageText(MessageId::LoadedMemory, language),
                       {ElementWord(true, language), number});
}

std::string SavedMemoryMessage(int memoryNumber, Language language) {
    const std::string number = std::to_string(memoryNumber);
    return FillMessage(MessageText(MessageId::SavedMemory, language),
                       {ElementWord(true, language), number});
}

}  // namespace tesmark
