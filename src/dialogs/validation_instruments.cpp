// What the dialogs of the bulbs, outputs and instruments accept.

#include <algorithm>
#include <cmath>

#include "dialogs/validation.h"
#include "model/format.h"
#include "model/parameters.h"

namespace voltaro {
namespace {

FieldError Error(int field, const char* message) {
  return FieldError{field, message, false};
}

// Reads boxes in order; each must hold a number above zero. Returns the
// index of the first one that does not, or -1.
template <size_t N>
int ReadPositive(const std::array<const std::string*, N>& boxes, std::array<double, N>& out) {
  for (size_t i = 0; i < N; ++i) {
    const auto v = TypedReal(*boxes[i]);
    if (!v || *v <= 0) return static_cast<int>(i);
    out[i] = *v;
  }
  return -1;
}

constexpr BulbChoice BULB_CHOICES[] = {
    {"2.5V   0.3A   0.75W", false, 8.3, 0.75, 3, 0.6},
    {"3.8V   0.3A   1.14W", false, 12.7, 1.14, 7, 0.6},
    {"6.3V  0.15A  0.95W", false, 42, 0.95, 4, 0.3},
    {"220V   40W", true, 1210, 40, 3, 0.36},
    {"220V   60W", true, 806.7, 60, 6, 0.54},
    {"220V  100W", true, 484, 100, 8, 0.9},
};

constexpr double RATES[] = {0.01, 0.1, 1, 10, 100, 1000};

}  // namespace

// ---- Bulb ------------------------------------------------------------------------

std::string RatedVoltageText(const ElementRecord& bulb) {
  return FormatGeneral(RatedVoltage(bulb), 3);
}

int EffectIndex(double param2) {
  if (!std::isfinite(param2)) return 0;
  return static_cast<int>(std::clamp(param2, 0.0, 10.0));
}

int EffectPicture(int effect) {
  return std::clamp(effect, 1, 10);
}

Checked<BulbValues> CheckBulb(const BulbInput& in, const ElementRecord& bulb) {
  Checked<BulbValues> out;
  const std::string* boxes[] = {&in.voltage, &in.power, &in.current};
  double v[3] = {};
  // Every box is read first; only then are the values tested, in order.
  for (int i = 0; i < 3; ++i) {
    const auto x = TypedReal(*boxes[i]);
    if (!x) {
      out.error = Error(i, MSG_POSITIVE);
      return out;
    }
    v[i] = *x;
  }
  for (int i = 0; i < 3; ++i) {
    if (v[i] <= 0) {
      out.error = Error(i, MSG_POSITIVE);
      return out;
    }
  }
  // R = V^2 / P at the rated voltage. The voltage box shows three digits
  // only; while it is untouched the bulb's own voltage squared (R P) stands
  // behind it.
  const double power = v[1];
  const double own_squared = bulb.resistance * bulb.param1;
  const bool untouched = in.voltage == RatedVoltageText(bulb) && FinitePositive(own_squared);
  const double squared = untouched ? own_squared : v[0] * v[0];
  if (!FinitePositive(squared)) {
    out.error = Error(0, MSG_POSITIVE);
    return out;
  }
  const double resistance = untouched && power == bulb.param1 ? bulb.resistance : squared / power;
  // A rating whose resistance is no number would burn the bulb at once or
  // never light it.
  if (!FinitePositive(resistance)) {
    out.error = Error(1, MSG_POSITIVE);
    return out;
  }
  out.values = {resistance, power, v[2], in.effect, in.show_params ? 1 : 0};
  return out;
}

void Store(const BulbValues& v, ElementRecord& e) {
  e.resistance = v.resistance;
  e.param1 = v.power;
  e.max_current = v.max_current;
  e.param2 = v.effect;
  e.show_params = v.show_params;
}

std::span<const BulbChoice> BulbChoices() {
  return BULB_CHOICES;
}

void Store(const BulbChoice& c, ElementRecord& e) {
  e.resistance = c.resistance;
  e.param1 = c.power;
  e.param2 = c.effect;
  e.max_current = c.max_current;
}

// ---- Fuse, bell, signal light, relay -------------------------------------------

Checked<FuseValues> CheckFuse(const FuseInput& in) {
  Checked<FuseValues> out;
  std::array<double, 1> v{};
  if (const int bad = ReadPositive<1>({&in.current}, v); bad >= 0) {
    out.error = Error(bad, MSG_POSITIVE);
    return out;
  }
  out.values = {v[0], in.show_params ? 1 : 0};
  return out;
}

void Store(const FuseValues& v, ElementRecord& e) {
  e.max_current = v.max_current;
  e.show_params = v.show_params;
}

Checked<BellValues> CheckBell(const BellInput& in) {
  Checked<BellValues> out;
  std::array<double, 2> v{};
  if (const int bad = ReadPositive<2>({&in.resistance, &in.current}, v); bad >= 0) {
    out.error = Error(bad, MSG_POSITIVE);
    return out;
  }
  out.values = {v[0], v[1], in.show_params ? 1 : 0};
  return out;
}

void Store(const BellValues& v, ElementRecord& e) {
  e.resistance = v.resistance;
  e.param1 = v.rated_current;
  e.show_params = v.show_params;
}

Checked<SignalLightValues> CheckSignalLight(const SignalLightInput& in) {
  Checked<SignalLightValues> out;
  std::array<double, 2> v{};
  if (const int bad = ReadPositive<2>({&in.resistance, &in.current}, v); bad >= 0) {
    out.error = Error(bad, MSG_POSITIVE);
    return out;
  }
  out.values = {v[0], v[1], in.color, in.show_params ? 1 : 0};
  return out;
}

void Store(const SignalLightValues& v, ElementRecord& e) {
  e.resistance = v.resistance;
  e.param1 = v.rated_current;
  e.param2 = v.color;
  e.show_params = v.show_params;
}

Checked<RelayValues> CheckRelay(const RelayInput& in) {
  Checked<RelayValues> out;
  std::array<double, 2> v{};
  if (const int bad = ReadPositive<2>({&in.coil_resistance, &in.pickup_current}, v); bad >= 0) {
    out.error = Error(bad, MSG_POSITIVE);
    return out;
  }
  out.values = {v[0], v[1], in.show_params ? 1 : 0};
  return out;
}

void Store(const RelayValues& v, RelayRecord& r) {
  r.coil_resistance = v.coil_resistance;
  r.pickup_current = v.pickup_current;
  r.show_params = v.show_params;
}

// ---- Galvanometer ---------------------------------------------------------------

double RateValue(int index) {
  return RATES[std::clamp(index, 0, 5)];
}

int RateIndexOf(double param1) {
  for (int i = 0; i < 6; ++i) {
    if (std::fabs(RATES[i] - param1) < 1e-6) return i;
  }
  return -1;
}

Checked<GalvanometerValues> CheckGalvanometer(const GalvanometerInput& in) {
  Checked<GalvanometerValues> out;
  const auto r = TypedReal(in.resistance);
  if (!r || *r < 0) {
    out.error = Error(0, MSG_NON_NEGATIVE);
    return out;
  }
  out.values.resistance = *r;
  // A rate outside the list (from a file) stays until an entry is chosen.
  if (in.rate_index >= 0 && in.rate_index < 6) out.values.rate = RATES[in.rate_index];
  return out;
}

void Store(const GalvanometerValues& v, ElementRecord& e) {
  e.resistance = v.resistance;
  if (v.rate) e.param1 = *v.rate;
}

// ---- Pointer meters ----------------------------------------------------------------
//
// A meter is two resistances in series between its three terminals. The
// typed R is what the chosen range measures across: on the voltmeter's low
// range and the ammeter's high range that is the first section alone (the
// second gets 4 R); on the other range it is both sections together, split
// 1 : 4.

namespace {

Checked<DualMeterValues> CheckMeter(const DualMeterInput& in, bool voltmeter) {
  Checked<DualMeterValues> out;
  const int field = in.low_range ? 0 : 1;
  const auto r = TypedReal(in.resistance);
  if (!r) {
    out.error = Error(field, MSG_REAL);
    return out;
  }
  const double limit = voltmeter ? 1e12 : 100;
  if (!(*r > 0 && *r <= limit)) {
    out.error = Error(field, voltmeter ? MSG_POSITIVE_SPACED : MSG_AMMETER_RANGE);
    return out;
  }
  const double R = *r;
  const bool whole_first = voltmeter == in.low_range;
  out.values.range_in_use = in.low_range ? LOW_RANGE : HIGH_RANGE;
  out.values.range_resistance_1 = whole_first ? R : 0.2 * R;
  out.values.range_resistance_2 = whole_first ? 4 * R : 0.8 * R;
  // A resistance so small that a fifth of it is no longer above zero would
  // leave one section a plain wire.
  if (!FinitePositive(out.values.range_resistance_1) ||
      !FinitePositive(out.values.range_resistance_2)) {
    out.values = {};
    out.error = Error(field, voltmeter ? MSG_POSITIVE_SPACED : MSG_AMMETER_RANGE);
  }
  return out;
}

}  // namespace

Checked<DualMeterValues> CheckPointerVoltmeter(const DualMeterInput& in) {
  return CheckMeter(in, true);
}
Checked<DualMeterValues> CheckPointerAmmeter(const DualMeterInput& in) {
  return CheckMeter(in, false);
}

std::string ShownMeterResistance(const DualMeterRecord& m, bool voltmeter, bool low_range) {
  const bool whole_first = voltmeter == low_range;
  return ValueText(whole_first ? m.range_resistance_1
                               : m.range_resistance_1 + m.range_resistance_2);
}

std::string DefaultMeterResistance(bool voltmeter, bool low_range) {
  if (voltmeter) return low_range ? "990" : "4990";
  return low_range ? "0.125" : "0.025";
}

void Store(const DualMeterValues& v, DualMeterRecord& m) {
  m.range_in_use = v.range_in_use;
  m.range_resistance_1 = v.range_resistance_1;
  m.range_resistance_2 = v.range_resistance_2;
}

}  // namespace voltaro
