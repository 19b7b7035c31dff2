#pragma once

/// N(x): nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
double RoundHalfEven(double x);

/// A voltage as the cells store it: N(x * 1000) / 1000, never -0.
double RoundTo3(double x);

/// The smaller of two values: b when a >= b, else a.
double MinOf(double a, double b);
