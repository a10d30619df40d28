#include "document/values.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "model/format.h"

namespace voltaro {
namespace {

std::string_view TrimBlanks(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

std::string FormatInteger(int32_t value) {
  return std::to_string(value);
}

std::string FormatReal(double value) {
  return FormatGeneral(value, 15);
}

std::string FormatFlag(bool value) {
  return value ? "1" : "0";
}

std::optional<int32_t> ParseInteger(std::string_view line) {
  std::string_view s = TrimBlanks(line);
  const bool plus = !s.empty() && s.front() == '+';
  if (plus) s.remove_prefix(1);
  // One sign at most, and digits right after it.
  const size_t digits = (!plus && !s.empty() && s.front() == '-') ? 1 : 0;
  if (s.size() <= digits || !IsDigit(s[digits])) return std::nullopt;
  int32_t value = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
  return value;
}

std::optional<double> ParseReal(std::string_view line) {
  std::string text(TrimBlanks(line));
  const bool plus = !text.empty() && text.front() == '+';
  if (plus) text.erase(0, 1);
  if (text.empty()) return std::nullopt;
  const bool negative = !plus && text.front() == '-';
  const size_t body = negative ? 1 : 0;
  // Only a number, an infinity or a not-a-number may follow the one sign.
  if (body >= text.size()) return std::nullopt;
  const char first = text[body];
  if (!(IsDigit(first) || first == '.' || first == ',' || first == 'I' || first == 'i' ||
        first == 'N' || first == 'n')) {
    return std::nullopt;
  }
  // Files written under a comma setting carry "0,5"; read them the same way.
  if (const size_t comma = text.find(','); comma != std::string::npos) {
    if (text.find('.') != std::string::npos || text.find(',', comma + 1) != std::string::npos) {
      return std::nullopt;
    }
    text[comma] = '.';
  }
  double value = 0;
  const char* begin = text.data();
  const char* stop = text.data() + text.size();
  const auto [end, ec] = std::from_chars(begin, stop, value, std::chars_format::general);
  if (end != stop) return std::nullopt;
  if (ec == std::errc::result_out_of_range) {
    const size_t e = text.find_first_of("eE");
    const bool tiny = e != std::string::npos && e + 1 < text.size() && text[e + 1] == '-';
    const double magnitude = tiny ? 0.0 : std::numeric_limits<double>::infinity();
    return negative ? -magnitude : magnitude;
  }
  if (ec != std::errc()) return std::nullopt;
  return value;
}

bool ParseFlag(std::string_view line) {
  return line == "1";
}

}  // namespace voltaro
