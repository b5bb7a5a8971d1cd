#include "ops/show_me_expression.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <system_error>

namespace tesmark {

namespace {

// Typed numbers stay within these magnitudes, so every exponent the plan
// keeps fits an int and every product of two of them a double.
constexpr double kSmallestNumber = 1e-99;
constexpr double kLargestNumber = 1e99;

struct NamedFunction {
    std::string_view name;
    ShowMeOp op;
};

constexpr NamedFunction kFunctions[] = {
    {"sqrt", ShowMeOp::Sqrt}, {"cbrt", ShowMeOp::Cbrt}, {"sin", ShowMeOp::Sin},
    {"cos", ShowMeOp::Cos},   {"tan", ShowMeOp::Tan},   {"log", ShowMeOp::Log},
    {"ln", ShowMeOp::Ln},
};

// The symbols beyond ASCII, as UTF-8.
constexpr std::string_view kTimes = "\xC3\x97";         // ×
constexpr std::string_view kMiddleDot = "\xC2\xB7";     // ·
constexpr std::string_view kDivide = "\xC3\xB7";        // ÷
constexpr std::string_view kRoot = "\xE2\x88\x9A";      // √
constexpr std::string_view kCubeRoot = "\xE2\x88\x9B";  // ∛
constexpr std::string_view kPi = "\xCF\x80";            // π
constexpr std::string_view kMinus = "\xE2\x88\x92";     // − (minus sign)

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

class Parser {
  public:
    explicit Parser(std::string_view text) : text_(text) {}

    ShowMeParse run() {
        skipSpaces();
        if (at_ == text_.size()) return fail(ShowMeParseError::Empty);
        const int root = product();
        if (failed()) return std::move(result_);
        skipSpaces();
        if (at_ != text_.size()) return failHere(unexpectedHere());
        result_.expression.root = root;
        return std::move(result_);
    }

  private:
    bool failed() const { return result_.error != ShowMeParseError::None; }

    ShowMeParse fail(ShowMeParseError error) {
        result_.error = error;
        return std::move(result_);
    }

    // Records the first error at the current place; later ones are dropped.
    int setError(ShowMeParseError error, std::string detail = {}) {
        if (!failed()) {
            result_.error = error;
            result_.position = CodePointsBefore(at_);
            result_.detail = std::move(detail);
        }
        return -1;
    }

    ShowMeParse failHere(ShowMeParseError error) {
        setError(error, error == ShowMeParseError::UnexpectedCharacter ? shownCharacter() : "");
        return std::move(result_);
    }

    std::size_t CodePointsBefore(std::size_t byte) const {
        std::size_t count = 0;
        for (std::size_t i = 0; i < byte && i < text_.size(); ++i) {
            count += (static_cast<unsigned char>(text_[i]) & 0xC0) != 0x80 ? 1 : 0;
        }
        return count;
    }

    // The character at the current place when it can be shown in a message:
    // printable ASCII or one whole UTF-8 sequence of a non-control character.
    std::string shownCharacter() const {
        if (at_ >= text_.size()) return {};
        const auto lead = static_cast<unsigned char>(text_[at_]);
        if (lead >= 0x21 && lead < 0x7F) return std::string(1, static_cast<char>(lead));
        std::size_t length = lead >= 0xF0 && lead < 0xF5   ? 4
                             : lead >= 0xE0 && lead < 0xF0 ? 3
                             : lead >= 0xC2 && lead < 0xE0 ? 2
                                                           : 0;
        if (length == 0 || at_ + length > text_.size()) return {};
        for (std::size_t i = 1; i < length; ++i) {
            if ((static_cast<unsigned char>(text_[at_ + i]) & 0xC0) != 0x80) return {};
        }
        // C1 controls (U+0080..U+009F) are not shown.
        if (lead == 0xC2 && static_cast<unsigned char>(text_[at_ + 1]) < 0xA0) return {};
        return std::string(text_.substr(at_, length));
    }

    ShowMeParseError unexpectedHere() const {
        if (at_ >= text_.size()) return ShowMeParseError::UnexpectedEnd;
        if (text_[at_] == '+' || text_[at_] == '-' || lookingAt(kMinus)) {
            return ShowMeParseError::AddSubtract;
        }
        return ShowMeParseError::UnexpectedCharacter;
    }

    void skipSpaces() {
        while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\t')) ++at_;
    }

    bool lookingAt(std::string_view symbol) const {
        return text_.substr(at_).substr(0, symbol.size()) == symbol;
    }

    bool take(std::string_view symbol) {
        if (!lookingAt(symbol)) return false;
        at_ += symbol.size();
        return true;
    }

    int add(ShowMeNode node) {
        result_.expression.nodes.push_back(std::move(node));
        return static_cast<int>(result_.expression.nodes.size()) - 1;
    }

    // Nesting is counted on the way down and given back on the way up.
    bool enter() {
        if (++depth_ > kShowMeMaxDepth) {
            setError(ShowMeParseError::TooDeep);
            return false;
        }
        return true;
    }
    void leave() { --depth_; }

    int product() {
        int left = factor();
        while (!failed()) {
            skipSpaces();
            ShowMeOp op;
            if (take("*")) {
                skipSpaces();
                if (lookingAt("*")) return setError(ShowMeParseError::DoubleStar);
                op = ShowMeOp::Multiply;
            } else if (take(kTimes) || take(kMiddleDot)) {
                op = ShowMeOp::Multiply;
            } else if (take("/") || take(kDivide)) {
                op = ShowMeOp::Divide;
            } else if (at_ < text_.size() &&
                       (text_[at_] == '+' || text_[at_] == '-' || lookingAt(kMinus))) {
                return setError(ShowMeParseError::AddSubtract);
            } else {
                break;
            }
            const int right = factor();
            if (failed()) return -1;
            left = add({op, 0.0, {}, left, right});
        }
        return failed() ? -1 : left;
    }

    // Each parenthesis, function, root and exponent is one level of nesting.
    int factor() {
        int base = unit();
        skipSpaces();
        if (!failed() && take("^")) {
            if (!enter()) return -1;
            skipSpaces();
            int exponent;
            if (take("-") || take(kMinus)) {
                const int magnitude = factor();
                exponent = failed() ? -1 : add({ShowMeOp::Negate, 0.0, {}, magnitude, -1});
            } else if (negativeInParentheses()) {
                // "^(-1/3)": the parentheses hold a negative exponent.
                if (!enter()) return -1;
                take("(");
                skipSpaces();
                if (!take("-")) take(kMinus);
                const int magnitude = product();
                skipSpaces();
                if (!failed() && !take(")")) {
                    if (at_ >= text_.size()) {
                        setError(ShowMeParseError::MissingParenthesis);
                    } else {
                        setError(unexpectedHere(), shownCharacter());
                    }
                }
                leave();
                exponent = failed() ? -1 : add({ShowMeOp::Negate, 0.0, {}, magnitude, -1});
            } else {
                exponent = factor();
            }
            leave();
            base = failed() ? -1 : add({ShowMeOp::Power, 0.0, {}, base, exponent});
        }
        return failed() ? -1 : base;
    }

    bool negativeInParentheses() const {
        if (!lookingAt("(")) return false;
        std::size_t at = at_ + 1;
        while (at < text_.size() && (text_[at] == ' ' || text_[at] == '\t')) ++at;
        return text_.substr(at, 1) == "-" || text_.substr(at, kMinus.size()) == kMinus;
    }

    int unit() {
        if (!enter()) return -1;
        const int node = unitInside();
        leave();
        return node;
    }

    int unitInside() {
        skipSpaces();
        if (at_ >= text_.size()) return setError(ShowMeParseError::UnexpectedEnd);
        const char c = text_[at_];
        if (IsDigit(c) || c == '.') return number();
        if (c == '-' || lookingAt(kMinus)) return setError(ShowMeParseError::Negative);
        if (c == '+') return setError(ShowMeParseError::AddSubtract);
        if (take("(")) {
            const int inner = product();
            if (failed()) return -1;
            skipSpaces();
            if (!take(")")) {
                return at_ >= text_.size() ? setError(ShowMeParseError::MissingParenthesis)
                                           : setError(unexpectedHere(), shownCharacter());
            }
            return inner;
        }
        if (take(kRoot)) return applied(ShowMeOp::Sqrt);
        if (take(kCubeRoot)) return applied(ShowMeOp::Cbrt);
        if (take(kPi)) return add({ShowMeOp::Number, std::numbers::pi, "pi", -1, -1});
        if (IsLetter(c)) return name();
        return setError(ShowMeParseError::UnexpectedCharacter, shownCharacter());
    }

    int applied(ShowMeOp op) {
        const int operand = unit();
        return failed() ? -1 : add({op, 0.0, {}, operand, -1});
    }

    int name() {
        const std::size_t start = at_;
        while (at_ < text_.size() && IsLetter(text_[at_])) ++at_;
        std::string word(text_.substr(start, at_ - start));
        for (char& ch : word) {
            if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
        }
        if (word == "e") return add({ShowMeOp::Number, std::numbers::e, "e", -1, -1});
        if (word == "pi") return add({ShowMeOp::Number, std::numbers::pi, "pi", -1, -1});
        for (const NamedFunction& function : kFunctions) {
            if (word == function.name) return applied(function.op);
        }
        at_ = start;
        return setError(ShowMeParseError::UnknownName,
                        std::string(text_.substr(start, std::min<std::size_t>(word.size(), 20))));
    }

    int number() {
        const std::size_t start = at_;
        while (at_ < text_.size() && IsDigit(text_[at_])) ++at_;
        if (at_ < text_.size() && text_[at_] == '.') {
            ++at_;
            while (at_ < text_.size() && IsDigit(text_[at_])) ++at_;
        }
        if (at_ - start == 1 && text_[start] == '.') {
            at_ = start;
            return setError(ShowMeParseError::UnexpectedCharacter, ".");
        }
        // An exponent part only where digits follow: "2e" stays 2 and e.
        if (at_ < text_.size() && (text_[at_] == 'e' || text_[at_] == 'E')) {
            std::size_t digitsAt = at_ + 1;
            if (digitsAt < text_.size() && (text_[digitsAt] == '+' || text_[digitsAt] == '-')) {
                ++digitsAt;
            }
            if (digitsAt < text_.size() && IsDigit(text_[digitsAt])) {
                at_ = digitsAt;
                while (at_ < text_.size() && IsDigit(text_[at_])) ++at_;
            }
        }
        const std::string_view typed = text_.substr(start, at_ - start);
        double value = 0.0;
        // from_chars reads the same in every locale; "5." and ".5" are fine.
        std::string digits(typed);
        if (digits.front() == '.') digits.insert(digits.begin(), '0');
        const auto [end, status] =
            std::from_chars(digits.data(), digits.data() + digits.size(), value);
        const bool whole = status == std::errc() && end == digits.data() + digits.size();
        const std::string shown(typed.substr(0, std::min<std::size_t>(typed.size(), 24)));
        if (!whole) {
            at_ = start;
            return setError(ShowMeParseError::NumberOutOfRange, shown);
        }
        if (value == 0.0) {
            at_ = start;
            return setError(ShowMeParseError::Zero);
        }
        if (!(value >= kSmallestNumber && value <= kLargestNumber)) {
            at_ = start;
            return setError(ShowMeParseError::NumberOutOfRange, shown);
        }
        return add({ShowMeOp::Number, value, std::string(typed), -1, -1});
    }

    std::string_view text_;
    std::size_t at_ = 0;
    int depth_ = 0;
    ShowMeParse result_;
};

// Binding strength for writing back: products 1, powers 2, units 3.
int Strength(const ShowMeNode& node) {
    switch (node.op) {
        case ShowMeOp::Multiply:
        case ShowMeOp::Divide:
            return 1;
        case ShowMeOp::Power:
        case ShowMeOp::Negate:
            return 2;
        default:
            return 3;
    }
}

std::string FunctionName(ShowMeOp op) {
    for (const NamedFunction& function : kFunctions) {
        if (function.op == op) return std::string(function.name);
    }
    return {};
}

void Write(const ShowMeExpression& e, int index, std::string& out) {
    const ShowMeNode& node = e.node(index);
    auto child = [&](int at, int needed) {
        const bool wrap = Strength(e.node(at)) < needed;
        if (wrap) out += '(';
        Write(e, at, out);
        if (wrap) out += ')';
    };
    switch (node.op) {
        case ShowMeOp::Number:
            out += node.text;
            break;
        case ShowMeOp::Multiply:
        case ShowMeOp::Divide:
            child(node.left, 1);
            out += node.op == ShowMeOp::Multiply ? " * " : " / ";
            child(node.right, 2);  // a / (b / c) keeps its parentheses
            break;
        case ShowMeOp::Power:
            child(node.left, 3);
            out += '^';
            child(node.right, 2);
            break;
        case ShowMeOp::Negate:
            out += '-';
            child(node.left, 2);
            break;
        default:
            out += FunctionName(node.op);
            out += '(';
            Write(e, node.left, out);
            out += ')';
            break;
    }
}

double Evaluate(const ShowMeExpression& e, int index) {
    const ShowMeNode& node = e.node(index);
    constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;
    switch (node.op) {
        case ShowMeOp::Number:
            return node.value;
        case ShowMeOp::Multiply:
            return Evaluate(e, node.left) * Evaluate(e, node.right);
        case ShowMeOp::Divide:
            return Evaluate(e, node.left) / Evaluate(e, node.right);
        case ShowMeOp::Power:
            return std::pow(Evaluate(e, node.left), Evaluate(e, node.right));
        case ShowMeOp::Negate:
            return -Evaluate(e, node.left);
        case ShowMeOp::Sqrt:
            return std::sqrt(Evaluate(e, node.left));
        case ShowMeOp::Cbrt:
            return std::cbrt(Evaluate(e, node.left));
        case ShowMeOp::Sin:
            return std::sin(Evaluate(e, node.left) * kRadiansPerDegree);
        case ShowMeOp::Cos:
            return std::cos(Evaluate(e, node.left) * kRadiansPerDegree);
        case ShowMeOp::Tan:
            return std::tan(Evaluate(e, node.left) * kRadiansPerDegree);
        case ShowMeOp::Log:
            return std::log10(Evaluate(e, node.left));
        case ShowMeOp::Ln:
            return std::log(Evaluate(e, node.left));
    }
    return 0.0;
}

}  // namespace

ShowMeParse ParseShowMeExpression(std::string_view text) {
    if (text.size() > kShowMeMaxLength) {
        ShowMeParse result;
        result.error = ShowMeParseError::TooLong;
        return result;
    }
    return Parser(text).run();
}

std::string WriteShowMeExpression(const ShowMeExpression& expression) {
    std::string out;
    if (expression.root >= 0) Write(expression, expression.root, out);
    return out;
}

double EvaluateShowMeExpression(const ShowMeExpression& expression) {
    return expression.root >= 0 ? Evaluate(expression, expression.root) : 0.0;
}

}  // namespace tesmark
