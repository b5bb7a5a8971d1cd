#pragma once
// Pixel positions of the graduated values, rounded as the tables store them.
// Angles are in degrees; the trigonometric and L positions are measured
// leftwards from the right-hand end of the decade.

namespace tesmark {

// The ten-digit pi of every angle conversion on the rule.
inline constexpr double kRulePi = 3.141592653;

double DegreesToRadians(double degrees);

int CdPosition(double x);             // RoundPos(2100 log10 x)
int AbPosition(double x);             // RoundPos(2100 log10 x * 0.5)
int KPosition(double x);              // RoundPos(2100 log10 x / 3)
int SinePosition(double theta);       // RoundPos(2100 log10(1 / cos theta))
int SmallSinePosition(double theta);  // SinePosition(theta) - 2100
int TangentPosition(double r);        // RoundPos(2100 log10(1 / tan r))
int SmallTangentPosition(double x);   // TangentPosition(x) - 2100
int LogPosition(double y);            // RoundPos(2100 y)

// The log-log scales: D(x) = 2100 log10(ln x), or 2100 log10(ln(1/x)) for the
// reciprocal scales. decade 0 (LL3, LL/3) stores RoundPos(D); decade n > 0
// stores RoundPos(D) - 1 + n * 2100. D is negative there and RoundPos
// truncates toward zero, so the -1 turns it back into rounding to nearest
// for D below -0.5.
int LogLogPosition(double x, int decade, bool reciprocal);

}  // namespace tesmark
