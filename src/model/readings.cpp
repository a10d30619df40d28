#include "model/readings.h"

#include <cmath>

#include "model/format.h"
#include "model/parameters.h"

namespace voltaro {
namespace {

// A needle never shows a reading that is not a number: it rests where a
// zero reading would put it.
double Stopped(double angle, double low, double high, double rest) {
  if (std::isnan(angle)) return rest;
  if (angle > high) return high;
  if (angle < low) return low;
  return angle;
}

}  // namespace

double DigitalVoltmeterValue(const ElementRecord& m) {
  return m.potential_b - m.potential_a;
}

double DigitalAmmeterValue(const ElementRecord& m) {
  return -m.current;
}

std::string DigitalMeterText(double v) {
  if (std::fabs(v) < 0.0001) return "0.00";
  if (std::fabs(v) > 1e10) return "max err";
  return FormatGeneral(v, 4);
}

double OhmmeterResistance(const ElementRecord& m) {
  const double i = m.current;
  if (i >= 1e-10) return (1 - 10 * std::fabs(i)) / std::fabs(i);
  return 1e10;
}

std::string OhmmeterText(double r) {
  if (std::fabs(r) < 0.00001) return "0.00";
  if (std::fabs(r) > 1e10) return "max";
  return FormatGeneral(std::fabs(r), 3);
}

double PointerVoltmeterValue(const DualMeterRecord& m) {
  return m.potential[1] - m.potential[0];
}

double PointerAmmeterValue(const DualMeterRecord& m) {
  return (m.potential[3] - m.potential[0]) / m.range_resistance_1;
}

double PointerNeedleAngle(double v) {
  return Stopped(143.664 - (v / 3) * 107.328, 30, 150, 143.664);
}

double GalvanometerReading(const ElementRecord& m) {
  return -(m.current * NeedleRate(m));
}

double GalvanometerNeedleAngle(double i) {
  return Stopped(143.664 - 53.664 - (i / 6) * 10000 * 110.328, 30, 150, 90);
}

int MultimeterPosition(const ElementRecord& m) {
  const double r = RangeSwitch(m) + 0.5;
  // Positions outside the dial (a damaged file) read as no known range.
  if (!(r >= -1e9 && r <= 1e9)) return -1;
  return static_cast<int>(r);
}

double MultimeterDeflection(const ElementRecord& m) {
  const double voltage = m.potential_a - m.potential_b;
  switch (MultimeterPosition(m)) {
    case 0:
      return m.current * 148 * 90;
    case 1:
      return m.current * 14.8 * 90;
    case 2:
      return m.current * 10 * 90;
    case 3:
      return voltage * 0.1 * 90;
    case 4:
      return voltage * 0.02 * 90;
    case 5:
      return voltage * 0.004 * 90;
    case 7:
      return m.current * 1480 * 90;
    default:
      return 0;
  }
}

double MultimeterNeedleAngle(const ElementRecord& m) {
  return Stopped(135 - MultimeterDeflection(m), 40, 140, 135);
}

}  // namespace voltaro
