#pragma once
// Numbers as the bench writes them: general format with a given number of
// significant digits, a full stop, and an exponent like "1E-5" or "1.5E20".
// It never depends on the process locale.

#include <string>

namespace voltaro {

// Fixed notation while the decimal exponent lies in -4 .. precision - 1,
// scientific otherwise; trailing zeros dropped; zero is "0"; infinities and
// not-a-number are "INF", "-INF" and "NAN".
std::string FormatGeneral(double value, int precision);

}  // namespace voltaro
