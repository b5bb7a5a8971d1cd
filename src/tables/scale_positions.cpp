#include "tables/scale_positions.h"

#include <cmath>

#include "tables/graduation.h"

namespace tesmark {

namespace {

// The length of one decade as the builders multiply by it.
constexpr double kDecade = DecadeLength;

}  // namespace

double DegreesToRadians(double degrees) {
    return degrees * kRulePi / 180;
}

int CdPosition(double x) {
    return RoundPos(kDecade * std::log10(x));
}

int AbPosition(double x) {
    const double v = kDecade * std::log10(x);
    return RoundPos(v * 0.5);
}

int KPosition(double x) {
    const double v = kDecade * std::log10(x);
    return RoundPos(v / 3);
}

int SinePosition(double theta) {
    return RoundPos(kDecade * std::log10(1 / std::cos(DegreesToRadians(theta))));
}

int SmallSinePosition(double theta) {
    return SinePosition(theta) - DecadeLength;
}

int TangentPosition(double r) {
    return RoundPos(kDecade * std::log10(1 / std::tan(DegreesToRadians(r))));
}

int SmallTangentPosition(double x) {
    return TangentPosition(x) - DecadeLength;
}

int LogPosition(double y) {
    return RoundPos(kDecade * y);
}

int LogLogPosition(double x, int decade, bool reciprocal) {
    const double base = reciprocal ? 1 / x : x;
    const int rounded = RoundPos(kDecade * std::log10(std::log(base)));
    if (decade == 0) return rounded;
    return rounded - 1 + decade * DecadeLength;
}

}  // namespace tesmark
