#pragma once
// The calculations "Show me" accepts, parsed by a small recursive descent
// over a fixed grammar: numbers, * x / : chains, parentheses, powers, the
// roots, the reciprocal, sin cos tan of degrees, log and ln, e and pi.
// Nothing else is evaluated. Input is bounded in length and in nesting, so a
// huge or hostile text gives an error, never deep recursion.
//
//   calculation = product ;
//   product     = factor { ( "*" | "×" | "/" | "÷" ) factor } ;
//   factor      = unit [ "^" exponent ] ;
//   exponent    = [ "-" ] factor ;                (powers group to the right)
//   unit        = number | "e" | "pi" | "π" | "(" product ")"
//               | function unit | ( "√" | "∛" ) unit ;
//   function    = "sqrt" | "cbrt" | "sin" | "cos" | "tan" | "log" | "ln" ;
//   number      = digits [ "." [ digits ] ] [ exponent part ] | "." digits [ exponent part ] ;
//   exponent part = ( "e" | "E" ) [ "+" | "-" ] digits ;
//
// Spaces may stand between the parts. A binary + or - is recognised only to
// say that a slide rule does not add or subtract; a leading - to say that it
// shows no negative numbers.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tesmark {

inline constexpr std::size_t kShowMeMaxLength = 200;  // bytes of the typed text
inline constexpr int kShowMeMaxDepth = 16;            // parentheses, functions and powers

enum class ShowMeOp { Number, Multiply, Divide, Power, Sqrt, Cbrt, Sin, Cos, Tan, Log, Ln, Negate };

struct ShowMeNode {
    ShowMeOp op = ShowMeOp::Number;
    double value = 0.0;  // Number: its value
    std::string text;    // Number: as typed ("2.5", "e", "pi")
    int left = -1;       // the operand, or the left operand of a binary op
    int right = -1;      // the right operand of a binary op
};

// The nodes of a calculation; the root is the last node.
struct ShowMeExpression {
    std::vector<ShowMeNode> nodes;
    int root = -1;
    const ShowMeNode& node(int index) const { return nodes[static_cast<std::size_t>(index)]; }
};

enum class ShowMeParseError {
    None,
    Empty,
    TooLong,
    TooDeep,
    AddSubtract,
    Negative,
    Zero,
    DoubleStar,           // "**": powers are written with ^
    UnknownName,          // detail: the name
    UnexpectedCharacter,  // detail: the character, when it can be shown
    UnexpectedEnd,
    MissingParenthesis,
    NumberOutOfRange,  // detail: the number as typed
};

struct ShowMeParse {
    ShowMeExpression expression;
    ShowMeParseError error = ShowMeParseError::None;
    std::size_t position = 0;  // the character (0-based, in code points) where the error stands
    std::string detail;
    bool ok() const { return error == ShowMeParseError::None; }
};

ShowMeParse ParseShowMeExpression(std::string_view text);

// The calculation written back in one way: ASCII operators with spaces,
// sqrt( ) and cbrt( ), "pi", parentheses only where they are needed.
std::string WriteShowMeExpression(const ShowMeExpression& expression);

// The value of the calculation in full double precision (the true e and pi).
double EvaluateShowMeExpression(const ShowMeExpression& expression);

}  // namespace tesmark
