#pragma once
// One value per line: how the bench writes integers, reals, flags and texts
// into experiment files and clipboard text, and how it reads them back.
// Nothing here looks at the process locale.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace voltaro {

// "-12", "0", "2147483647": plain decimal, no plus sign, no leading zeros.
std::string FormatInteger(int32_t value);

// General format with 15 significant digits and a full stop: "50", "0.5",
// "1E-5", "100000000000000", "1E15", "INF", "-INF", "NAN".
std::string FormatReal(double value);

// "1" when set, "0" when clear.
std::string FormatFlag(bool value);

// A signed 32-bit decimal integer, optionally framed by blanks; anything else
// (an empty line, a fraction, a value out of range) gives nothing.
std::optional<int32_t> ParseInteger(std::string_view line);

// A decimal real in the written notation, with a full stop or a comma as the
// decimal separator, or INF, -INF, NAN. Values beyond the range of a double
// become an infinity, values below its smallest step a zero.
std::optional<double> ParseReal(std::string_view line);

// Set exactly when the line is "1".
bool ParseFlag(std::string_view line);

}  // namespace voltaro
