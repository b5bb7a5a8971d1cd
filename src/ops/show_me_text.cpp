#include "ops/show_me_text.h"

#include <cmath>
#include <cstdio>

#include "model/reading_table.h"
#include "ops/command_ids.h"
#include "ops/show_me_plan.h"

namespace tesmark {

namespace {

struct TwoLanguages {
    const char* english;
    const char* japanese;
};

const char* Pick(const TwoLanguages& texts, Language language) {
    return language == Language::Japanese ? texts.japanese : texts.english;
}

std::string Replace(std::string text, std::string_view key, std::string_view with) {
    const std::size_t at = text.find(key);
    if (at != std::string::npos) text.replace(at, key.size(), with);
    return text;
}

TwoLanguages ParseText(ShowMeParseError error) {
    switch (error) {
        case ShowMeParseError::None:
            return {"", ""};
        case ShowMeParseError::Empty:
            return {"Type a calculation, for example 2.5 * 3.7 / 1.2.",
                    "計算式を入力してください（例: 2.5 * 3.7 / 1.2）。"};
        case ShowMeParseError::TooLong:
            return {"The calculation is too long: at most 200 characters.",
                    "計算式が長すぎます。200 文字以内にしてください。"};
        case ShowMeParseError::TooDeep:
            return {
                "The calculation nests too deeply: at most 16 levels of parentheses, functions "
                "and powers.",
                "計算式の入れ子が深すぎます。かっこ・関数・べき乗は 16 段までです。"};
        case ShowMeParseError::AddSubtract:
            return {"A slide rule multiplies and divides; it cannot add or subtract.",
                    "計算尺でできるのは掛け算と割り算で、足し算や引き算はできません。"};
        case ShowMeParseError::Negative:
            return {
                "A slide rule shows no negative numbers: its scales are logarithmic. Work with "
                "the size of the number and keep the sign in your head.",
                "計算尺の目盛は対数目盛なので、負の数は表せません。"
                "数の大きさだけを計算し、符号は頭の中で扱ってください。"};
        case ShowMeParseError::Zero:
            return {"A slide rule has no place for zero: a logarithmic scale never reaches 0.",
                    "対数目盛は 0 に届かないので、計算尺では 0 を扱えません。"};
        case ShowMeParseError::DoubleStar:
            return {"Write a power with ^, for example 2^3 (not 2**3).",
                    "べき乗は ^ で書いてください（例: 2^3。2**3 とは書けません）。"};
        case ShowMeParseError::UnknownName:
            return {
                "Unknown name \"%s\" at character %d: use sqrt, cbrt, sin, cos, tan, log, ln, "
                "e or pi.",
                "%d 文字目の「%s」は使えません。sqrt, cbrt, sin, cos, tan, log, ln, e, pi "
                "が使えます。"};
        case ShowMeParseError::UnexpectedCharacter:
            return {"Cannot read the calculation at character %d%s.",
                    "%d 文字目%sが読み取れません。"};
        case ShowMeParseError::UnexpectedEnd:
            return {
                "The calculation ends too early: a number or a function is missing at the "
                "end.",
                "計算式が途中で終わっています。最後の数か関数が抜けています。"};
        case ShowMeParseError::MissingParenthesis:
            return {"A closing parenthesis is missing.", "閉じかっこ「)」が足りません。"};
        case ShowMeParseError::NumberOutOfRange:
            return {"The number %s is beyond what the rule can keep track of (1e-99 to 1e99).",
                    "数 %s は扱える範囲（1e-99 から 1e99 まで）を超えています。"};
    }
    return {"", ""};
}

TwoLanguages ReachText(ShowMeReach reach) {
    switch (reach) {
        case ShowMeReach::Sine:
            return {"sin %s: the S and S0 scales show sines of 0.573° to 90° (0.01 to 1).",
                    "sin %s: S・S0 目盛で読める正弦は 0.573° から 90° まで（0.01〜1）です。"};
        case ShowMeReach::Cosine:
            return {"cos %s: the S and S0 scales show cosines of 0° to 89.4° (1 to 0.01).",
                    "cos %s: S・S0 目盛で読める余弦は 0° から 89.4° まで（1〜0.01）です。"};
        case ShowMeReach::Tangent:
            return {"tan %s: the T and T0 scales show tangents of 0.573° to 89.4° (0.01 to 100).",
                    "tan %s: T・T0 目盛で読める正接は 0.573° から 89.4° まで（0.01〜100）です。"};
        case ShowMeReach::Logarithm:
            return {
                "ln %s: the LL scales hold only values from 1.001 to 22026 and their "
                "reciprocals (1 itself is not among them).",
                "ln %s: LL 目盛にあるのは 1.001 から 22026 までの値とその逆数だけです"
                "（1 そのものはありません）。"};
        case ShowMeReach::Exponential:
            return {
                "e^%s: the LL scales show e^x for x from 0.001 to 10 (and e^-x on the "
                "reciprocal scales).",
                "e^%s: LL 目盛で読めるのは x が 0.001 から 10 までの e^x（逆数目盛では "
                "e^-x）です。"};
        case ShowMeReach::Power:
            return {
                "%s lies beyond the LL scales: x^y must lie between e^0.001 and e^10 (or their "
                "reciprocals).",
                "%s は LL 目盛の範囲外です。x^y は e^0.001 から e^10 まで（またはその逆数）"
                "でなければなりません。"};
        case ShowMeReach::PowerBase:
            return {
                "The base %s lies beyond the LL scales: they hold 1.001 to 22026 and their "
                "reciprocals.",
                "底 %s は LL 目盛の範囲外です。LL 目盛にあるのは 1.001 から 22026 "
                "までの値とその逆数です。"};
        case ShowMeReach::NotPositive:
            return {
                "An intermediate result, %s, is not positive: the rule goes on only with "
                "positive numbers.",
                "途中の結果 %s が正の数ではありません。計算尺で先へ進めるのは正の数だけです。"};
        case ShowMeReach::Magnitude:
            return {"The result, %s, is beyond what the rule can keep track of.",
                    "結果 %s は扱える範囲を超えています。"};
        case ShowMeReach::RuleRefused:
            return {"The rule cannot make this move: %s", "計算尺でこの操作ができません: %s"};
    }
    return {"", ""};
}

std::string Trimmed(std::string text) {
    if (text.find('.') == std::string::npos || text.find('e') != std::string::npos) return text;
    while (!text.empty() && text.back() == '0') text.pop_back();
    if (!text.empty() && text.back() == '.') text.pop_back();
    return text;
}

std::string SignificantText(double value, int digits) {
    if (!std::isfinite(value)) return "?";
    if (value == 0.0) return "0";
    const double size = std::abs(value);
    char buffer[64];
    if (size >= 1e-4 && size < 1e7) {
        const int whole = static_cast<int>(std::floor(std::log10(size)));
        const int decimals = std::max(0, digits - 1 - whole);
        std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
        return Trimmed(buffer);
    }
    std::snprintf(buffer, sizeof buffer, "%.*g", digits, value);
    return buffer;
}

struct CommandText {
    int command;
    TwoLanguages text;
};

constexpr CommandText kCommandTexts[] = {
    {cmd::kReverse, {"Turn the rule over", "計算尺を裏返します"}},
    {cmd::kScaleLL0, {"Show the LL0 and LL1 scales", "LL0・LL1 目盛に切り替えます"}},
    {cmd::kScaleLL0 + 1, {"Show the LL1 and LL2 scales", "LL1・LL2 目盛に切り替えます"}},
    {cmd::kScaleLL0 + 2, {"Show the LL2 and LL3 scales", "LL2・LL3 目盛に切り替えます"}},
    {cmd::kScaleST, {"Show the S and T scales", "S・T 目盛に切り替えます"}},
    {cmd::kScaleST0, {"Show the S0 and T0 scales", "S0・T0 目盛に切り替えます"}},
    {cmd::kSinNumBlack,
     {"Read S and T by their black numbers, 0 to 90 (sine and tangent)",
      "S・T 目盛を黒の数字（0〜90、sin・tan）で読みます"}},
    {cmd::kSinNumRed,
     {"Read S and T by their red numbers, 90 to 0 (cosine and cotangent)",
      "S・T 目盛を赤の数字（90〜0、cos・cot）で読みます"}},
};

std::string MoveText(const ShowMeStep& step, Language language) {
    const bool japanese = language == Language::Japanese;
    const std::string value = ShowMeNumberText(step.value);
    const SlotPlace place = PlaceOfSlot(step.slot);
    if (step.target == MoveTarget::Cursor) {
        return japanese ? "カーソル線を " + step.scale + " の " + value + " に合わせます"
                        : "Set the hairline on " + step.scale + " " + value;
    }
    if (place.column == ReadingColumn::Cursor) {
        return japanese
                   ? "滑尺を動かし、" + step.scale + " の " + value + " をカーソル線に合わせます"
                   : "Bring " + step.scale + " " + value + " under the hairline";
    }
    const std::string index = place.column == ReadingColumn::LeftIndex ? "1" : "10";
    return japanese ? "滑尺を動かし、C の " + index + " を " + step.scale + " の " + value +
                          " に合わせます"
                    : "Bring C " + index + " over " + step.scale + " " + value;
}

std::string ResultText(const ShowMeStep& step, double value) {
    const bool logLog = step.scaleKind == ScaleKind::LL || step.scaleKind == ScaleKind::RecipLL;
    return logLog ? ShowMeLogLogResultText(value) : ShowMeResultText(value);
}

std::string ReadText(const ShowMeStep& step, Language language, const std::string& result) {
    const bool japanese = language == Language::Japanese;
    switch (PlaceOfSlot(step.slot).column) {
        case ReadingColumn::Cursor:
            return japanese ? "カーソル線の下の " + step.scale + " で結果を読みます: " + result
                            : "Read the result on " + step.scale + " under the hairline: " + result;
        case ReadingColumn::LeftIndex:
            return japanese
                       ? "左の指標（C の 1）の " + step.scale + " で結果を読みます: " + result
                       : "Read the result on " + step.scale + " at the left index (C 1): " + result;
        case ReadingColumn::RightIndex:
            return japanese ? "右の指標（C の 10）の " + step.scale + " で結果を読みます: " + result
                            : "Read the result on " + step.scale +
                                  " at the right index (C 10): " + result;
    }
    return {};
}

}  // namespace

std::string ShowMeStepText(const ShowMeStep& step, const ShowMePlan& plan, Language language,
                           double reading) {
    switch (step.kind) {
        case ShowMeStepKind::Command:
            for (const CommandText& entry : kCommandTexts) {
                if (entry.command == step.command) return Pick(entry.text, language);
            }
            return {};
        case ShowMeStepKind::Move:
            return MoveText(step, language);
        case ShowMeStepKind::Read:
            return ReadText(step, language,
                            reading == NoReading
                                ? std::string("-")
                                : ResultText(step, ShowMeValueOfReading(plan, reading)));
    }
    return {};
}

std::string ShowMeParseRefusal(const ShowMeParse& parse, Language language) {
    std::string text = Pick(ParseText(parse.error), language);
    const std::string position = std::to_string(parse.position + 1);
    if (parse.error == ShowMeParseError::UnexpectedCharacter) {
        std::string shown;
        if (!parse.detail.empty()) {
            shown = language == Language::Japanese ? "の「" + parse.detail + "」"
                                                   : " (\"" + parse.detail + "\")";
        }
        return Replace(Replace(text, "%d", position), "%s", shown);
    }
    return Replace(Replace(text, "%d", position), "%s", parse.detail);
}

std::string ShowMeReachRefusal(ShowMeReach reach, std::string_view detail, Language language) {
    return Replace(Pick(ReachText(reach), language), "%s", detail);
}

std::string ShowMeNumberText(double value) {
    return SignificantText(value, 6);
}

std::string ShowMeResultText(double value) {
    return SignificantText(value, 3);
}

std::string ShowMeLogLogResultText(double value) {
    const double offset = std::abs(value - 1.0);
    if (!(offset > 0.0) || offset >= 0.1 || !std::isfinite(value)) return ShowMeResultText(value);
    // Near 1 the digits that count are those of the distance from 1.
    const int decimals = 2 - static_cast<int>(std::floor(std::log10(offset)));
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return buffer;
}

}  // namespace tesmark
