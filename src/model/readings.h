#pragma once
// What each instrument shows a pupil: the text of the digital meters and the
// needle angles of the pointer meters, in degrees counter-clockwise from the
// positive x axis (90 is straight up), after the needle stops.

#include <string>

#include "model/bench.h"

namespace voltaro {

// Digital voltmeter: potential at B minus potential at A.
double DigitalVoltmeterValue(const ElementRecord& meter);
// Digital ammeter: the current entering at B.
double DigitalAmmeterValue(const ElementRecord& meter);
// "0.00" below 0.0001, "max err" above 1e10, else four significant digits.
std::string DigitalMeterText(double value);

// The ohmmeter is a 1 V cell behind 10 ohm: the resistance it sees from the
// current it drives, or 1e10 when it drives (almost) none.
double OhmmeterResistance(const ElementRecord& meter);
// "0.00" below 0.00001, "max" above 1e10, else three significant digits.
std::string OhmmeterText(double resistance);

// Dual-range pointer meters, as a value on their 3-unit scale.
double PointerVoltmeterValue(const DualMeterRecord& meter);
double PointerAmmeterValue(const DualMeterRecord& meter);
// 0 reads at 143.664 degrees, 3 at 36.336; the needle stops at 30 and 150.
double PointerNeedleAngle(double value);

// The microdetector reads its current times its scale factor, centre zero.
double GalvanometerReading(const ElementRecord& meter);
double GalvanometerNeedleAngle(double reading);

// Multimeter range position 0..7 (6 is OFF).
int MultimeterPosition(const ElementRecord& meter);
// Deflection of the needle in degrees on the current range.
double MultimeterDeflection(const ElementRecord& meter);
// 135 degrees at rest; the needle stops at 40 and 140.
double MultimeterNeedleAngle(const ElementRecord& meter);

}  // namespace voltaro
