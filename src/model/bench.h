#pragma once
// The bench: every component, wire, note and black box of one experiment,
// held in fixed-capacity tables that stay dense from slot 0.

#include <array>
#include <climits>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/slot_table.h"
#include "model/solver.h"

namespace voltaro {

// Capacities of the bench tables.
constexpr int TWO_TERMINAL_SLOTS = 200;
constexpr int RHEOSTAT_SLOTS = 50;
constexpr int WIRE_SLOTS = 500;
constexpr int METER_SLOTS = 200;
constexpr int SPDT_SLOTS = 50;
constexpr int RELAY_SLOTS = 50;
constexpr int NOTE_SLOTS = 100;
constexpr int BLACK_BOX_SLOTS = 100;
// The most branches the tables can make: two per double-throw switch,
// relay and pointer meter, one per two-terminal part, four per rheostat.
constexpr int BRANCH_SLOTS = 2 * SPDT_SLOTS + TWO_TERMINAL_SLOTS + 2 * RELAY_SLOTS +
                             4 * RHEOSTAT_SLOTS + 2 * 2 * METER_SLOTS;
constexpr int WIRE_POINTS = 100;
constexpr int POSE_ENTRIES = 8;

// Every open contact (open switch or throw, open relay contact, blown fuse,
// burnt bulb, blocking diode, multimeter switched off) is this resistance.
constexpr double OPEN_RESISTANCE = 1e14;
// Every wire, hidden link and ground link is this resistance in the equations.
constexpr double WIRE_RESISTANCE = 1e-80;
// A source carrying more than this is short-circuited.
constexpr double SHORT_CIRCUIT_CURRENT = 1e10;

constexpr int32_t DEFAULT_WIRE_COLOR = 9843250;

// The largest id a bench may hold when it is read. Ids are never reused, so
// the counter only grows: each placement takes at most 15 ids and every
// analysis a few for its ground links. Above this the 32-bit counter still
// has more than a thousand million ids left, years of a running bench; a
// file with larger ids (only a damaged or hand-edited one) leaves no room
// for new ones and is refused.
constexpr int32_t LARGEST_ID = 1'000'000'000;

// Positions, offsets and extents read from a file or the clipboard are kept
// within this many pixels of the bench's corner, far beyond its 1024 x 768.
// Drawing and hit testing add and subtract a few of them at a time, which
// stays well inside 32 bits only for values of this size.
constexpr int32_t LARGEST_COORDINATE = 1'000'000;

struct Offset {
  int32_t dx = 0;
  int32_t dy = 0;
  friend bool operator==(const Offset&, const Offset&) = default;
};

struct Point {
  int32_t x = 0;
  int32_t y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

// A component with two terminals and one branch.
struct ElementRecord {
  std::string name;
  int32_t kind = 0;
  int32_t pose = 0;  // 1..8 in use, 0 free
  int32_t show_params = 0;
  int32_t is_open = 0;
  int32_t x = 0, y = 0;
  int32_t node_a = 0, node_b = 0;
  int32_t branch_id = 0;
  std::array<Offset, POSE_ENTRIES> term_a_offset{};
  std::array<Offset, POSE_ENTRIES> term_b_offset{};
  std::array<Offset, POSE_ENTRIES> half_size{};  // (half width, half height)
  double resistance = 0, emf = 0, max_current = 0;
  double param1 = 0, param2 = 0, param3 = 0, param4 = 0;
  // Results of the analysis, never saved.
  double potential_a = 0, potential_b = 0, current = 0;

  bool in_use() const { return pose != 0; }
};

// Slide rheostat: four terminals, four branches.
struct RheostatRecord {
  std::string name;
  int32_t x = 0, y = 0;
  int32_t in_use = 0;
  int32_t show_params = 0;
  double resistance = 0, max_current = 0, slider = 0;
  double bar_resistance_1 = 0, bar_resistance_2 = 0;
  double coil_resistance_1 = 0, coil_resistance_2 = 0;
  std::array<int32_t, 4> branch_id{};
  int32_t node_bar_a = 0;
  Offset bar_a_offset;
  int32_t node_bar_a_in = 0, node_bar_b_in = 0;
  Offset bar_b_offset;
  int32_t node_bar_b = 0;
  int32_t node_coil_a = 0;
  Offset coil_a_offset;
  int32_t node_coil_a_in = 0, node_slider = 0;
  Offset coil_b_offset;
  int32_t node_coil_b = 0;
  // Results at node_bar_a, node_bar_a_in, node_bar_b_in, node_bar_b,
  // node_coil_a, node_coil_a_in, node_slider, node_coil_b.
  std::array<double, 8> potential{};
};

// Wire states.
constexpr int32_t WIRE_FREE = 0;
constexpr int32_t WIRE_DRAWN = 1;
constexpr int32_t WIRE_HIDDEN_LINK = 2;
constexpr int32_t WIRE_GROUND_LINK = 3;

struct WireRecord {
  std::string name;
  int32_t color = DEFAULT_WIRE_COLOR;
  int32_t node_a = 0, node_b = 0;
  std::array<Point, WIRE_POINTS> points{};
  int32_t point_count = 0;
  int32_t state = WIRE_FREE;
  int32_t wire_id = 0;
  int32_t variable_index = 0;
  double current = 0;  // from node_a to node_b
  double spare = 0;
};

// 0-3-15 V pointer voltmeter (kind 41) and 0-0.6-3 A pointer ammeter (kind 51).
struct DualMeterRecord {
  std::string name;
  int32_t x = 0, y = 0;
  double range_resistance_1 = 0, range_resistance_2 = 0;
  int32_t in_use = 0;
  int32_t range_in_use = 0;  // 3 low range, 4 high range
  int32_t node_common = 0;
  Offset common_offset;
  int32_t node_common_in = 0;
  int32_t node_mid = 0;
  Offset mid_offset;
  int32_t node_high = 0;
  Offset high_offset;
  // Results at node_common, node_common_in, node_mid, node_high.
  std::array<double, 4> potential{};
  int32_t branch_id_1 = 0, branch_id_2 = 0;
};

// Single-pole double-throw switch.
struct SpdtRecord {
  std::string name;
  int32_t x = 0, y = 0;
  int32_t in_use = 0;
  int32_t show_params = 0;
  int32_t position = 0;  // 0 neither throw, 1 terminal 1, 2 terminal 2
  int32_t node_t1 = 0;
  Offset t1_offset;
  int32_t node_common = 0;
  Offset common_offset;
  int32_t branch_id_1 = 0;
  int32_t node_common_in = 0;
  int32_t node_t2 = 0;
  Offset t2_offset;
  int32_t branch_id_2 = 0;
  // Results at node_t1, node_common, node_common_in, node_t2.
  std::array<double, 4> potential{};
};

// Electromagnetic relay: a coil branch and a contact branch.
struct RelayRecord {
  std::string name;
  int32_t x = 0, y = 0;
  int32_t in_use = 0;
  int32_t show_params = 0;
  int32_t contact_closed = 0;
  double coil_resistance = 1.0;
  double pickup_current = 0.1;
  int32_t node_coil_a = 0;
  Offset coil_a_offset;
  int32_t node_coil_b = 0;
  Offset coil_b_offset;
  int32_t coil_branch_id = 0;
  int32_t node_contact_a = 0;
  Offset contact_a_offset;
  int32_t node_contact_b = 0;
  Offset contact_b_offset;
  int32_t contact_branch_id = 0;
  // Results at the coil and contact nodes, in that order.
  std::array<double, 4> potential{};
  double coil_current = 0;
};

// Font style bits of a note.
constexpr uint8_t FONT_BOLD = 1;
constexpr uint8_t FONT_ITALIC = 2;
constexpr uint8_t FONT_UNDERLINE = 4;
constexpr uint8_t FONT_STRIKE_OUT = 8;

struct NoteRecord {
  int32_t in_use = 0;
  int32_t x = 0, y = 0;
  int32_t width = 0, height = 0;
  uint8_t font_charset = 0;
  int32_t font_color = 0;
  int32_t font_height = 0;
  int8_t font_pitch = 0;
  int32_t font_size = 0;
  uint8_t font_style = 0;
  std::string font_name;
  std::vector<std::string> lines;
};

struct BlackBoxRecord {
  int32_t in_use = 0;
  int32_t x = 0, y = 0;
  int32_t width = 0, height = 0;
  int32_t color = 0;
  std::string password;
};

// One branch of the network: a resistance in series with an emf.
struct BranchRecord {
  int32_t in_use = 0;
  int32_t visited = 0;
  double resistance = 0;
  double emf = 0;  // the negated emf of the component
  int32_t node_a = 0, node_b = 0, branch_id = 0;
  std::array<int32_t, 3> variable_index{};
  double potential_a = 0, potential_b = 0, current = 0, voltage = 0;
};

// The pointer voltmeters and the pointer ammeters.
using MeterTable = SlotTable<DualMeterRecord, METER_SLOTS>;

class BenchObserver;
class SoundPlayer;
class Clock;
struct AnalysisScratch;

// Everything that makes up one experiment on the bench, plus the scratch of
// its analysis (allocated once, with the bench). Only the table slots an
// experiment reaches take memory.
struct Bench {
  Bench();
  ~Bench();
  Bench(const Bench&) = delete;
  Bench& operator=(const Bench&) = delete;

  SlotTable<ElementRecord, TWO_TERMINAL_SLOTS> elements;
  SlotTable<RheostatRecord, RHEOSTAT_SLOTS> rheostats;
  SlotTable<WireRecord, WIRE_SLOTS> wires;
  MeterTable voltmeters;
  MeterTable ammeters;
  SlotTable<SpdtRecord, SPDT_SLOTS> spdts;
  SlotTable<RelayRecord, RELAY_SLOTS> relays;
  SlotTable<NoteRecord, NOTE_SLOTS> notes;
  SlotTable<BlackBoxRecord, BLACK_BOX_SLOTS> black_boxes;
  SlotTable<BranchRecord, BRANCH_SLOTS> branches;

  int32_t next_id = 0;
  // 1 = analyse at the next tick; -1 = the short-circuit warning is showing.
  int32_t analysis_pending = 0;
  int32_t circuit_view = 0;
  int32_t show_current_direction = 0;
  int32_t status = STATUS_SOLVED;
  // How deep the diode re-runs are nested right now, and the slot of the
  // diode whose turning started the run in progress (-1 for none).
  int32_t analysis_depth = 0;
  int32_t diode_rerun = -1;

  std::unique_ptr<AnalysisScratch> scratch;

  // Told what changed (the window's drawing; none without a window).
  BenchObserver* observer = nullptr;
  SoundPlayer* sound = nullptr;

  // The next id. Bench files hold ids up to LARGEST_ID only, so the top of
  // the range is out of reach in practice; should it ever be reached, the
  // counter stays there rather than overflow.
  int32_t take_id() {
    if (next_id < INT32_MAX) ++next_id;
    return next_id;
  }
};

}  // namespace voltaro
