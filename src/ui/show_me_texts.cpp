#include "ui/show_me_texts.h"

namespace tesmark {

namespace {

constexpr ShowMeTexts kEnglish = {
    "Show me",
    "Type a calculation:",
    "For example 2.5*3.7/1.2, sqrt(20), 1.5^3, sin(30), log(2), 2.4^3.1 or 7.3^(1/3)",
    "Show me",
    "Cancel",
    "Previous",
    "Next",
    "Run",
    "Stop",
    "Close",
    "Step %1 of %2",
    "Press Next for one move, or Run to watch them all.",
    "Result on the rule: %1 (exact value %2)",
    "Stopped: the rule was moved by hand. Previous walks the moves back.",
    "The rule cannot make this move.",
};

constexpr ShowMeTexts kJapanese = {
    "計算の実演",
    "計算式を入力してください:",
    "例: 2.5*3.7/1.2、sqrt(20)、1.5^3、sin(30)、log(2)、2.4^3.1、7.3^(1/3)",
    "実演",
    "キャンセル",
    "前へ",
    "次へ",
    "再生",
    "停止",
    "閉じる",
    "手順 %1 / %2",
    "「次へ」で一手ずつ、「再生」で続けて動かします。",
    "計算尺の結果: %1（正確な値 %2）",
    "手で動かしたので停止しました。「前へ」で手順を戻せます。",
    "計算尺でこの操作はできません。",
};

}  // namespace

const ShowMeTexts& ShowMeTextsFor(int16_t language) {
    return language == 0 ? kEnglish : kJapanese;
}

}  // namespace tesmark
