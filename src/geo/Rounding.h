// Rounding of drawing and text arithmetic: to the nearest integer, halves away from
// zero (2.5 gives 3, -2.5 gives -3).
#pragma once

namespace rq {

// Values beyond the int range (and NaN) clamp instead of overflowing.
int RoundHalfAway(double x);

// int(x) of the angle texts: truncation toward zero, clamped to +-INT_MAX and 0 for
// NaN, so garbage input can neither overflow the conversion nor its negation.
int TruncToInt(double x);

}  // namespace rq
