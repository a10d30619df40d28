#pragma once
// The component kinds: their codes, the table each lives in, and what a
// fresh component of each kind looks like when it is placed.

#include <cstdint>
#include <span>
#include <string_view>

#include "model/bench.h"

namespace voltaro {

// Kind codes of the components, as stored in files and on the clipboard.
enum Kind : int32_t {
  KIND_MAGNIFIER = -2,
  KIND_NONE = 0,
  KIND_FIXED_RESISTOR = 1,
  KIND_VOLTAGE_SUPPLY = 2,
  KIND_DIGITAL_VOLTMETER = 4,
  KIND_DIGITAL_AMMETER = 5,
  KIND_BULB = 6,
  KIND_SPST_SWITCH = 7,
  KIND_FUSE = 8,
  KIND_SLIDE_RHEOSTAT = 12,
  KIND_RESISTANCE_WIRE = 13,
  KIND_RESISTANCE_BOX = 14,
  KIND_DRY_CELL = 21,
  KIND_STORAGE_BATTERY = 22,
  KIND_BATTERY_SET = 23,
  KIND_STORAGE_BATTERY_SET = 24,
  KIND_9V_BATTERY = 25,
  KIND_POINTER_VOLTMETER = 41,
  KIND_POINTER_AMMETER = 51,
  KIND_GALVANOMETER = 52,
  KIND_DIGITAL_OHMMETER = 53,
  KIND_MULTIMETER = 54,
  KIND_SIGNAL_LIGHT = 61,
  KIND_BELL = 62,
  KIND_SPDT_SWITCH = 71,
  KIND_RELAY = 81,
  KIND_DIODE = 82,
  KIND_STRAIGHT_LEAD = 83,
  KIND_COIL_AND_MAGNET = 91,
  KIND_CUTTING_ROD = 92,
  KIND_AC_GENERATOR = 93,
  KIND_DC_MOTOR = 94,
  KIND_DC_GENERATOR = 95,
  KIND_NOTE = 1000,
  KIND_BLACK_BOX = 2000,
};

// The table a kind's records live in.
enum class Family { TwoTerminal, Rheostat, Voltmeter, Ammeter, Spdt, Relay, Note, BlackBox };

// Which half_size entries a kind's body size goes into at placement.
enum class SizeSpread {
  Turned,      // size in entries 0, 1, 4, 5; the turned size in 2, 3, 6, 7
  All,         // size in all eight entries
  Entry0,      // size in entry 0 only
  Entries0to3  // size in entries 0 to 3 only
};

struct KindInfo {
  int32_t kind;
  Family family;
  std::string_view caption;      // menu and components box wording
  std::string_view designation;  // the record's name, UTF-8
  // Highest slot index placement may use.
  int placement_limit;
  // Two-terminal geometry of the unturned pose.
  Offset half_size;
  Offset half_size_turned;
  SizeSpread spread;
  Offset a_object, b_object;    // terminal offsets, object view
  Offset a_circuit, b_circuit;  // terminal offsets, circuit view
  // Electrical defaults of a fresh two-terminal record.
  int32_t is_open;
  double resistance, emf, max_current;
  double param1, param2, param3, param4;
};

// The whole table, in kind-code order.
std::span<const KindInfo> AllKinds();

// The entry of one kind, or nullptr for an unknown code.
const KindInfo* FindKind(int32_t kind);

// True for the sources whose current a short circuit drives past the limit.
bool IsSource(int32_t kind);

}  // namespace voltaro

namespace voltaro {

// Writes a body size into the half_size entries that `spread` names.
void SpreadHalfSize(std::array<Offset, POSE_ENTRIES>& half_size, Offset size, Offset turned,
                    SizeSpread spread);

}  // namespace voltaro
