#pragma once
// The texts of the "Show me" dialog and player, in the language of the user
// interface (the Language setting), like the other windows' own texts.
#include <QString>
#include <cstdint>

namespace tesmark {

struct ShowMeTexts {
    const char* title;     // the dialog's and the player's title
    const char* prompt;    // above the calculation field
    const char* examples;  // what may be typed
    const char* ok;        // plays the calculation
    const char* cancel;
    const char* previous;
    const char* next;
    const char* run;
    const char* stop;
    const char* close;
    const char* stepOf;       // %1 the steps played, %2 all steps
    const char* ready;        // before the first step
    const char* result;       // %1 the result as read, %2 the exact value
    const char* interrupted;  // the rule was moved by hand
    const char* failed;       // the rule refused a step
};

const ShowMeTexts& ShowMeTextsFor(int16_t language);

// One text of the table as a QString.
inline QString ShowMeText(const char* text) {
    return QString::fromUtf8(text);
}

}  // namespace tesmark
