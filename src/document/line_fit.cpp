#include "document/line_fit.h"

#include <algorithm>
#include <cmath>

namespace voltaro {

std::optional<LineFit> FitLine(std::span<const double> x, std::span<const double> y) {
  const size_t n = std::min(x.size(), y.size());
  const auto usable = [&](size_t i) { return std::isfinite(x[i]) && std::isfinite(y[i]); };
  size_t points = 0;
  double sum_x = 0, sum_y = 0;
  for (size_t i = 0; i < n; ++i) {
    if (!usable(i)) continue;
    ++points;
    sum_x += x[i];
    sum_y += y[i];
  }
  if (points < 2) return std::nullopt;
  const double mean_x = sum_x / static_cast<double>(points);
  const double mean_y = sum_y / static_cast<double>(points);
  // Sums about the means: the plain sums of squares would lose the slope
  // of readings that differ little from each other to rounding.
  double sxx = 0, sxy = 0;
  for (size_t i = 0; i < n; ++i) {
    if (!usable(i)) continue;
    const double dx = x[i] - mean_x;
    sxx += dx * dx;
    sxy += dx * (y[i] - mean_y);
  }
  if (!(sxx > 0) || !std::isfinite(sxx) || !std::isfinite(sxy)) return std::nullopt;
  LineFit fit{sxy / sxx, 0, points};
  fit.intercept = mean_y - fit.slope * mean_x;
  if (!std::isfinite(fit.slope) || !std::isfinite(fit.intercept)) return std::nullopt;
  return fit;
}

}  // namespace voltaro
