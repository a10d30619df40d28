#pragma once
// The straight line through measured points by least squares: the slope of
// current against voltage of a resistor is its conductance, 1 / R.

#include <cstddef>
#include <optional>
#include <span>

namespace voltaro {

struct LineFit {
  double slope = 0;
  double intercept = 0;
  size_t points = 0;  // how many points the line was fitted to
};

// The line y = slope x + intercept that makes the sum of the squared
// vertical distances least, through the pairs (x[i], y[i]) whose both
// values are finite numbers (a missing reading is not-a-number). Nothing
// when fewer than two such points are left, when they all have one x, or
// when the numbers are too large for a finite result.
std::optional<LineFit> FitLine(std::span<const double> x, std::span<const double> y);

}  // namespace voltaro
