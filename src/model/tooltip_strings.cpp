#include "model/tooltip_strings.h"

namespace tesmark {
namespace {

struct TooltipString {
    int id;
    std::string_view text;
};

constexpr TooltipString kFormulaTooltips[] = {
    {1001, "D=D"},
    {1002, "C=nD"},
    {1003, "A=D^2"},
    {1004, "B=nD^2"},
    {1005, "CI=10/nD"},
    {1006, "DF=D*sqrt(10)"},
    {1007, "CF=nD*sqrt(10)"},
    {1008, "CIF=10/(nD*sqrt(10))"},
    {1009, "DI=10/D"},
    {1010, "K=D^3"},
    {1011, "DF=D*PI"},
    {1012, "CF=nD*PI"},
    {1013, "CIF=10/(nD*PI)"},
    {1021, "L=log(D)"},
    {1022, "LL0=e^(D/1000)"},
    {1023, "LL1=e^(D/100)"},
    {1024, "LL2=e^(D/10)"},
    {1025, "LL3=e^D"},
    {1026, "LL/0=1/(e^(D/1000))"},
    {1027, "LL/1=1/(e^(D/100))"},
    {1028, "LL/2=1/(e^(D/10))"},
    {1029, "LL/3=1/(e^D)"},
    {1031, "S=asin(nD/10)"},
    {1032, "S0=asin(nD/100)"},
    {1033, "S=acos(nD/10)"},
    {1034, "S0=acos(nD/100)"},
    {1035, "T=atan(nD/10)"},
    {1036, "T0=atan(nD/100)"},
    {1037, "T=acot(nD/10)"},
    {1038, "T0=acot(nD/100)"},
};

// The greeting over the empty R0 of the front face, by language.
constexpr int kGreetingId = 1000;
constexpr std::string_view kGreetingEnglish = "Hello. I'm Slide Rule.";
constexpr std::string_view kGreetingJapanese = "Hello. I am Slide Rule.";

}  // namespace

std::string_view TooltipText(int id, int language) {
    if (id == kGreetingId) return language == 0 ? kGreetingEnglish : kGreetingJapanese;
    for (const TooltipString& entry : kFormulaTooltips) {
        if (entry.id == id) return entry.text;
    }
    return {};
}

}  // namespace tesmark
