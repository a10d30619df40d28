// Numbers in boxes, and what the dialogs of the sources and resistors
// accept.

#include "dialogs/validation.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "model/format.h"

namespace voltaro {
namespace {

std::string_view Trimmed(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

// from_chars takes no leading plus; a typed "+2" is still a number.
std::string_view WithoutPlus(std::string_view text) {
  if (text.size() > 1 && text.front() == '+' && text[1] != '-' && text[1] != '+') {
    text.remove_prefix(1);
  }
  return text;
}

FieldError Error(int field, const char* message) {
  return FieldError{field, message, false};
}

// One box that must hold a number above zero (or at least zero).
std::optional<double> Positive(const std::string& text) {
  const auto v = TypedReal(text);
  return v && *v > 0 ? v : std::nullopt;
}
std::optional<double> NonNegative(const std::string& text) {
  const auto v = TypedReal(text);
  return v && *v >= 0 ? v : std::nullopt;
}

Checked<CellValues> CheckCell(const CellInput& in, const char* message) {
  Checked<CellValues> out;
  const auto r = NonNegative(in.resistance);
  if (!r) {
    out.error = Error(0, message);
    return out;
  }
  out.values = {*r, in.show_params ? 1 : 0};
  return out;
}

Checked<BatterySetValues> CheckSet(const BatterySetInput& in, double cell_voltage,
                                   const char* count_message) {
  Checked<BatterySetValues> out;
  const auto single = NonNegative(in.single_resistance);
  if (!single) {
    out.error = Error(0, MSG_NON_NEGATIVE);
    return out;
  }
  const auto count = TypedInteger(in.count);
  if (!count || *count < 0) {
    out.error = Error(1, count_message);
    return out;
  }
  // The cells are in series: their resistances and voltages add up.
  const double n = *count;
  const double resistance = n * *single;
  if (!std::isfinite(resistance)) {
    out.error = Error(0, MSG_NON_NEGATIVE);
    return out;
  }
  out.values = {*single, n, resistance, n * cell_voltage, in.show_params ? 1 : 0};
  return out;
}

}  // namespace

std::optional<double> TypedReal(std::string_view text) {
  text = WithoutPlus(Trimmed(text));
  if (text.empty()) return std::nullopt;
  // from_chars would also read "inf" and "nan"; only plain numbers count.
  for (char c : text) {
    const bool allowed =
        (c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E';
    if (!allowed) return std::nullopt;
  }
  double value = 0;
  const auto [end, ec] =
      std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
  if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}

std::optional<int32_t> TypedInteger(std::string_view text) {
  text = WithoutPlus(Trimmed(text));
  if (text.empty()) return std::nullopt;
  int32_t value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::string ValueText(double value) {
  return FormatGeneral(value, 15);
}

bool FinitePositive(double value) {
  return std::isfinite(value) && value > 0;
}

// ---- Fixed resistor, supply, cells and sets -----------------------------------

Checked<FixedResistorValues> CheckFixedResistor(const FixedResistorInput& in) {
  Checked<FixedResistorValues> out;
  const auto r = Positive(in.resistance);
  if (!r) {
    out.error = Error(0, MSG_POSITIVE);
    return out;
  }
  out.values = {*r, in.name, in.show_params ? 1 : 0};
  return out;
}

void Store(const FixedResistorValues& v, ElementRecord& e) {
  e.resistance = v.resistance;
  e.name = v.name;
  e.show_params = v.show_params;
}

Checked<SupplyValues> CheckVoltageSupply(const SupplyInput& in) {
  Checked<SupplyValues> out;
  // Any voltage will do, either way round.
  out.values.emf = TypedReal(in.voltage);
  if (!out.values.emf) {
    out.error = FieldError{0, MSG_REAL, true};
    return out;
  }
  const auto r = NonNegative(in.resistance);
  if (!r) {
    out.error = Error(1, MSG_NON_NEGATIVE_SPACED);
    return out;
  }
  out.values.resistance = r;
  out.values.show_params = in.show_params ? 1 : 0;
  return out;
}

void Store(const SupplyValues& v, ElementRecord& e) {
  if (v.emf) e.emf = *v.emf;
  if (v.resistance) e.resistance = *v.resistance;
  if (v.show_params) e.show_params = *v.show_params;
}

Checked<CellValues> CheckDryCell(const CellInput& in) {
  return CheckCell(in, MSG_NON_NEGATIVE_BARE);
}
Checked<CellValues> CheckStorageBattery(const CellInput& in) {
  return CheckCell(in, MSG_NON_NEGATIVE);
}
Checked<CellValues> CheckNineVoltBattery(const CellInput& in) {
  return CheckCell(in, MSG_NON_NEGATIVE);
}

void Store(const CellValues& v, ElementRecord& e) {
  e.resistance = v.resistance;
  e.show_params = v.show_params;
}

Checked<BatterySetValues> CheckBatterySet(const BatterySetInput& in) {
  return CheckSet(in, 1.5, MSG_INTEGER);
}
Checked<BatterySetValues> CheckStorageBatterySet(const BatterySetInput& in) {
  return CheckSet(in, 2.0, MSG_NON_NEGATIVE);
}

void Store(const BatterySetValues& v, ElementRecord& e) {
  e.param2 = v.single_resistance;
  e.param1 = v.count;
  e.resistance = v.resistance;
  e.emf = v.emf;
  e.show_params = v.show_params;
}

// ---- Slide resistor ----------------------------------------------------------

namespace {

SlideResistorValues SplitCoil(double total, int position, int32_t show_params) {
  const double slider = std::clamp(position, 0, 100) * 0.01;
  // The slipper taps the coil: end A to the slipper, and the slipper to end B.
  return {total, slider, total * slider, total * (1 - slider), show_params};
}

}  // namespace

Checked<SlideResistorValues> CheckSlideResistor(const SlideResistorInput& in) {
  Checked<SlideResistorValues> out;
  const auto total = Positive(in.total);
  if (!total) {
    out.error = Error(0, MSG_POSITIVE_SPACED);
    return out;
  }
  out.values = SplitCoil(*total, in.position, in.show_params ? 1 : 0);
  return out;
}

SlideResistorValues SlipperMoved(const SlideResistorInput& in, const RheostatRecord& r) {
  const double total = Positive(in.total).value_or(r.resistance);
  return SplitCoil(total, in.position, r.show_params);
}

int SlipperPosition(double slider) {
  if (!std::isfinite(slider)) return 0;
  return static_cast<int>(std::lround(std::clamp(slider, 0.0, 1.0) * 100));
}

void Store(const SlideResistorValues& v, RheostatRecord& r) {
  r.resistance = v.resistance;
  r.slider = v.slider;
  r.bar_resistance_1 = 0;
  r.bar_resistance_2 = 0;
  r.coil_resistance_1 = v.coil_resistance_1;
  r.coil_resistance_2 = v.coil_resistance_2;
  r.in_use = 1;
  r.show_params = v.show_params;
}

// ---- Resistance wire -----------------------------------------------------------

Checked<ResistanceWireValues> CheckResistanceWire(const ResistanceWireInput& in) {
  Checked<ResistanceWireValues> out;
  const std::string* boxes[] = {&in.resistivity, &in.length, &in.section};
  double v[3] = {};
  for (int i = 0; i < 3; ++i) {
    const auto x = Positive(*boxes[i]);
    if (!x) {
      out.error = Error(i, MSG_POSITIVE);
      return out;
    }
    v[i] = *x;
  }
  // R = rho l / S. Each step must stay a number: the box that takes it
  // out of range is the one the pupil is sent back to.
  const double per_section = v[0] * v[1];
  if (!FinitePositive(per_section)) {
    out.error = Error(1, MSG_POSITIVE);
    return out;
  }
  const double resistance = per_section / v[2];
  if (!FinitePositive(resistance)) {
    out.error = Error(2, MSG_POSITIVE);
    return out;
  }
  out.values = {v[0], v[1], v[2], resistance, in.show_params ? 1 : 0};
  return out;
}

std::string WireAnswerText(double resistance) {
  return ValueText(resistance) + " ohm";
}

void Store(const ResistanceWireValues& v, ElementRecord& e) {
  e.param1 = v.resistivity;
  e.param2 = v.length;
  e.param3 = v.section;
  e.resistance = v.resistance;
  e.show_params = v.show_params;
}

// ---- Resistance box -------------------------------------------------------------

int DialAngle(int digit) {
  return ((450 - 36 * digit) % 360 + 360) % 360;
}

int DialDigit(int angle) {
  const int a = ((angle % 360) + 360) % 360;
  return (((450 - a) / 36) % 10 + 10) % 10;
}

int TurnDial(int angle, bool left_click) {
  const int turned = angle + (left_click ? -36 : 36);
  return ((turned % 360) + 360) % 360;
}

DialDigits DialDigitsOf(double resistance) {
  int value = 0;
  if (std::isfinite(resistance)) value = static_cast<int>(std::clamp(resistance, 0.0, 999999.0));
  DialDigits d{};
  for (int& digit : d) {
    digit = value % 10;
    value /= 10;
  }
  return d;
}

int DialValue(const DialDigits& digits) {
  int value = 0;
  for (int i = DECADE_DIALS - 1; i >= 0; --i) value = value * 10 + digits[i];
  return value;
}

}  // namespace voltaro
