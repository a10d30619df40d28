#pragma once
// What param1..param4 of a two-terminal record mean, kind by kind, with
// their units. Code that means "the bulb's rated power" says RatedPower(e),
// never e.param1; the files, the clipboard and the dialogs' checks, which
// copy the fields as they are, are the only places that name them.
//
// Each meaning has a reading and, for the record being changed, a writable
// form.

#include "model/bench.h"

namespace voltaro {

#define VOLTARO_PARAMETER(NAME, FIELD)         \
  inline double NAME(const ElementRecord& e) { \
    return e.FIELD;                            \
  }                                            \
  inline double& NAME(ElementRecord& e) {      \
    return e.FIELD;                            \
  }

// Bulb (6).
VOLTARO_PARAMETER(RatedPower, param1)          // W
VOLTARO_PARAMETER(EffectAtRatedPower, param2)  // bulb picture 0..10 shown at rated power

// Resistance wire (13).
VOLTARO_PARAMETER(Resistivity, param1)  // ohm m
VOLTARO_PARAMETER(WireLength, param2)   // m
VOLTARO_PARAMETER(WireSection, param3)  // m^2

// Battery set (23) and storage battery set (24).
VOLTARO_PARAMETER(CellCount, param1)       // cells in series
VOLTARO_PARAMETER(CellResistance, param2)  // internal resistance of one cell, ohm

// Microdetector (52).
VOLTARO_PARAMETER(NeedleRate, param1)  // scale factor of the needle ("Rate:")

// Multimeter (54).
VOLTARO_PARAMETER(RangeSwitch, param1)  // position of the range knob, 0..7

// Signal light (61) and electric ring (62).
VOLTARO_PARAMETER(RatedCurrent, param1)  // A; lit or ringing from this current on
VOLTARO_PARAMETER(LightColor, param2)    // bench colour value of the lit lamp (61)

// Coil and magnet (91).
VOLTARO_PARAMETER(MagnetPosition, param1)  // bench pixels above the centre, 120..195
VOLTARO_PARAMETER(CoilChoice, param2)      // turns step, signed: below 0 the second coil
VOLTARO_PARAMETER(MagnetChoice, param3)    // strength step, signed: below 0 the second magnet

// Metal rod cutting magnetic lines (92), generators and motor (93 to 95).
VOLTARO_PARAMETER(MagneticInduction, param2)  // T, signed: positive into the bench (92)
VOLTARO_PARAMETER(RodPosition, param1)        // bench pixels along the rails (92)
VOLTARO_PARAMETER(RodSpeed, param3)           // m/s (92)
VOLTARO_PARAMETER(RodLength, param4)          // m (92)
VOLTARO_PARAMETER(CoilAngle, param1)          // rad (93 to 95)
VOLTARO_PARAMETER(TurningSpeed, param3)       // signed; the motor's follows its current (93 to 95)

#undef VOLTARO_PARAMETER

// The voltage at which a bulb gives its rated power: P = V^2 / R, so
// sqrt(R P), in volts. A rating of no sign (from a damaged file) gives the
// size of it.
double RatedVoltage(const ElementRecord& bulb);

}  // namespace voltaro
