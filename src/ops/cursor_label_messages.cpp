#include "ops/cursor_label_messages.h"

#include <array>
#include <cstdio>

namespace tesmark {

namespace {

constexpr std::array<const char*, 8> kGreetings = {
    "Hello!",      "Wellcame.",     "How are you?",    "How is a mood?",
    "No problem.", "Please enjoy.", "OK, let's play.", "Let's begin it."};

}  // namespace

std::string GreetingMessage(RandomGenerator& random) {
    const char* greeting = kGreetings[static_cast<std::size_t>(random.next() % 8)];
    return std::string("\"") + greeting + "\"   " + kBrandText + " - " + kVersionText;
}

std::string BuildDateMessage(const char* date, const char* time) {
    // The date and time go through a 32-byte buffer, so a longer text is
    // cut there.
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%s, %s, ", date, time);
    return std::string("Build Date & Time:  ") + stamp + " ";
}

std::string BuildDateMessage() {
    return BuildDateMessage(__DATE__, __TIME__);
}

std::string PositionsMessage(int32_t slidePos, int32_t cursorPos) {
    char text[80];
    std::snprintf(text, sizeof text, "Slide Position=%ld, Cursor Position=%ld,",
                  static_cast<long>(slidePos), static_cast<long>(cursorPos));
    return text;
}

}  // namespace tesmark
