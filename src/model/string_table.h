#pragma once
// The user-visible texts that differ by language, in one place.
//
// Two kinds live here. Resource entries (window titles, command prompts and
// tooltips, the Set submenu label, the formula tooltips 1000..1038) are kept
// by numeric identifier in an English and a Japanese table, and are looked up
// the way the platform's resource loader looks them up: by the user's display
// language, not by the Language setting, one block of sixteen identifiers at
// a time. Messages (the status texts of the operations, the version texts)
// are chosen by the Language setting alone.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace tesmark {

enum class Language : int16_t { English = 0, Japanese = 1 };

// The Language setting as a language: 0 English, any other value Japanese.
constexpr Language LanguageOf(int16_t setting) {
    return setting == 0 ? Language::English : Language::Japanese;
}

// --- Resource entries

inline constexpr int kStringTitleJapanese = 98;  // window title while Language = 1
inline constexpr int kStringTitleEnglish = 99;   // window title while Language = 0
inline constexpr int kStringMemorySetJapanese = 703;
inline constexpr int kStringMemorySetEnglish = 706;
inline constexpr int kStringEditBoxTooltip = 901;

// The block of sixteen identifiers an entry is stored in.
constexpr int StringBlockOf(int id) {
    return id / 16;
}

// Whether a language's table holds an entry with this identifier, or any
// entry of a block.
bool HasStringEntry(int id, Language language);
bool HasStringBlock(int block, Language language);

// The entry of one language's table ("" when it has none).
std::string_view StringEntryIn(int id, Language language);

// The resource lookup: the block in the preferred language when that
// language has the block (even if the wanted entry in it is empty), else the
// block in the other language. A missing entry gives "".
std::string_view LookUpString(int id, Language preferred);

// An entry with a newline holds the status-bar prompt before it and the
// tooltip after it; an entry without one is a prompt only.
std::string_view CommandPrompt(int id, Language preferred);
std::string_view CommandTooltip(int id, Language preferred);

// The window title for the Language setting. Never empty: when the lookup
// in the preferred language finds no title, the selected language's own
// title stands instead.
std::string_view WindowTitle(int16_t language, Language preferred);

// The label of the memory menu's Set submenu for the Language setting.
std::string_view MemorySetLabel(int16_t language, Language preferred);

// The display language the lookup prefers, from a locale name such as
// "ja_JP" or "en-US": Japanese for a Japanese locale, English for any other.
Language PreferredLanguageFromLocale(std::string_view localeName);

// --- Messages, chosen by the Language setting

enum class MessageId {
    SlideWord,   // the slide, as messages name it
    CursorWord,  // the cursor, as messages name it
    Moved,       // %s: the word of the element
    CannotMove,  // %s: the word of the element
    DomainError,
    OverflowError,
    CopiedToClipboard,  // %s: the text copied
    CopiedToEditBox,    // %s: the text copied
    LoadedMemory,       // %s: the slide's word, %d: the memory number
    SavedMemory,        // %s: the slide's word, %d: the memory number
    GreetingFormat,     // %s: greeting, brand text, version text
    BuildDateFormat,    // %s: the build date and time
    PositionsFormat,    // %d: SlidePos, CursorPos
    BrandText,
    VersionText,
    VersionDialogTitle,
    VersionLine1,
    VersionLine2,
};

inline constexpr int kGreetingCount = 8;

std::string_view MessageText(MessageId id, Language language);
// Greeting 0..7 of the "CURSOR" label (the same in both languages).
std::string_view GreetingText(int index);

// Replaces the placeholders "%s", "%d" and "%ld" of a message, left to
// right, by the arguments; a placeholder without an argument stays as it is.
std::string FillMessage(std::string_view format, std::initializer_list<std::string_view> args);

// The messages the operations compose.
std::string MovedMessage(bool slide, Language language);
std::string CannotMoveMessage(bool slide, Language language);
std::string CopiedToClipboardMessage(std::string_view text, Language language);
std::string CopiedToEditBoxMessage(std::string_view text, Language language);
std::string LoadedMemoryMessage(int memoryNumber, Language language);
std::string SavedMemoryMessage(int memoryNumber, Language language);

}  // namespace tesmark
