#include "model/format.h"

#include <charconv>
#include <cmath>

namespace voltaro {

std::string FormatGeneral(double value, int precision) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
  if (value == 0) return "0";
  char buf[64];
  const auto [end, ec] =
      std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, precision);
  std::string out(buf, ec == std::errc() ? end : buf);
  const auto e = out.find('e');
  if (e == std::string::npos) return out;
  // "1.5e+20" -> "1.5E20", "1e-05" -> "1E-5".
  std::string exponent = out.substr(e + 1);
  out.resize(e);
  out += 'E';
  size_t i = 0;
  if (exponent[i] == '+') {
    ++i;
  } else if (exponent[i] == '-') {
    out += '-';
    ++i;
  }
  while (i + 1 < exponent.size() && exponent[i] == '0') ++i;
  out += exponent.substr(i);
  return out;
}

}  // namespace voltaro
