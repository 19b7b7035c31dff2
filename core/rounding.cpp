#include "core/rounding.h"

#include <cmath>

double RoundHalfEven(double x) {
    // nearbyint follows the current rounding mode, which is round-to-nearest-even by default.
    return std::nearbyint(x);
}

double RoundTo3(double x) {
    return RoundHalfEven(x * 1000) / 1000 + 0.0;
}

double MinOf(double a, double b) {
    return a >= b ? b : a;
}
