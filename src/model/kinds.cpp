#include "model/kinds.h"

#include <algorithm>
#include <array>

namespace voltaro {
namespace {

using F = Family;
using S = SizeSpread;

constexpr Offset NONE{0, 0};

// Half sizes, terminal offsets and electrical defaults of every kind as it
// lands on the bench. The geometry is what hit tests and wire ends use.
// clang-format off
constexpr std::array KINDS = {
    // kind, family, caption, designation, limit, size, turned size, spread,
    // A/B object, A/B circuit, is_open, R, emf, max I, p1..p4
    KindInfo{KIND_FIXED_RESISTOR, F::TwoTerminal, "Fixed resistor", "电阻", 197, {42, 11}, {11, 41},
             S::Turned, {-37, 0}, {35, 0}, {-37, 0}, {35, 0}, 0, 1, 0, 0, 0, 0, 0, 0},
    KindInfo{KIND_VOLTAGE_SUPPLY, F::TwoTerminal, "Self-defined voltage supply", "电源", 197,
             {41, 21}, {21, 41}, S::Turned, {-25, -19}, {23, -19}, {-25, 0}, {23, 0}, 0, 0, 1, 0, 0,
             0, 0, 0},
    KindInfo{KIND_DIGITAL_VOLTMETER, F::TwoTerminal, "Digital voltmeter", "数字电压表", 197,
             {36, 35}, NONE, S::Entry0, {-17, 29}, {17, 29}, {-17, 29}, {17, 29}, 0, 1e12, 0, 0, 0,
             0, 0, 0},
    KindInfo{KIND_DIGITAL_AMMETER, F::TwoTerminal, "Digital ammeter", "数字电流表", 197, {36, 35},
             NONE, S::Entry0, {-17, 29}, {17, 29}, {-17, 29}, {17, 29}, 0, 1e-50, 0, 0, 0, 0, 0, 0},
    KindInfo{KIND_BULB, F::TwoTerminal, "Bulb", "电灯1", 197, {30, 30}, NONE, S::All, {-11, 8},
             {1, 19}, {-25, 0}, {25, 0}, 0, 10, 0, 1.5, 10, 8, 0, 0},
    KindInfo{KIND_SPST_SWITCH, F::TwoTerminal, "Single-pole single-throw switche", "单刀单掷开关",
             197, {47, 28}, {28, 47}, S::Turned, {-36, 15}, {33, 15}, {-36, 15}, {33, 15}, 1, 1e-80,
             0, 0, 0, 0, 0, 0},
    KindInfo{KIND_FUSE, F::TwoTerminal, "Fuse", "保险丝", 197, {34, 7}, {7, 34}, S::Turned,
             {-30, 0}, {29, 0}, {-30, 0}, {29, 0}, 0, 1e-80, 0, 1, 0, 0, 0, 0},
    KindInfo{KIND_SLIDE_RHEOSTAT, F::Rheostat, "Slide resistor", "电阻1", 48, NONE, NONE, S::All,
             NONE, NONE, NONE, NONE, 0, 50, 0, 0, 0, 0, 0, 0},
    KindInfo{KIND_RESISTANCE_WIRE, F::TwoTerminal, "Wire resistor", "电阻丝", 197, {40, 12},
             {12, 40}, S::Turned, {-37, 0}, {37, 0}, {-37, 0}, {37, 0}, 0, 1, 0, 0, 1e-06, 1, 1e-06,
             0},
    KindInfo{KIND_RESISTANCE_BOX, F::TwoTerminal, "Rehostat", "变阻箱", 197, {61, 38}, {38, 61},
             S::Turned, {-56, -18}, {-56, 16}, {0, -30}, {0, 30}, 0, 999999, 0, 0, 0, 0, 0, 0},
    KindInfo{KIND_DRY_CELL, F::TwoTerminal, "1.5 V battery", "干电池", 197, {47, 14}, {14, 47},
             S::Turned, {-43, 0}, {43, 0}, {-43, 0}, {43, 0}, 0, 0, 1.5, 0, 0, 0, 0, 0},
    KindInfo{KIND_STORAGE_BATTERY, F::TwoTerminal, "Storage battery", "蓄电池", 197, {32, 41},
             NONE, S::Entries0to3, {-12, -33}, {12, -33}, {-12, 0}, {12, 0}, 0, 0, 2, 0, 0, 0, 0,
             0},
    KindInfo{KIND_BATTERY_SET, F::TwoTerminal, "Batter set", "干电池组", 197, {52, 18}, {18, 52},
             S::Turned, {-48, 0}, {48, 0}, {-48, 0}, {48, 0}, 0, 0, 6, 0, 4, 0, 0, 0},
    KindInfo{KIND_STORAGE_BATTERY_SET, F::TwoTerminal, "Storage battery set", "蓄电池组", 197,
             {43, 49}, NONE, S::All, {-22, -29}, {22, -41}, {-35, 0}, {35, 0}, 0, 0, 6, 0, 3, 0, 0,
             0},
    KindInfo{KIND_9V_BATTERY, F::TwoTerminal, "9V battery", "九伏电池", 197, {20, 40}, {40, 20},
             S::Turned, {-8, -34}, {8, -34}, {-8, 0}, {8, 0}, 0, 0, 9, 0, 0, 0, 0, 0},
    KindInfo{KIND_POINTER_VOLTMETER, F::Voltmeter, "Pointer voltmeter", "R1", 197, NONE, NONE,
             S::All, NONE, NONE, NONE, NONE, 0, 0, 0, 0, 0, 0, 0, 0},
    KindInfo{KIND_POINTER_AMMETER, F::Ammeter, "Pointer ammeter", "R1", 197, NONE, NONE, S::All,
             NONE, NONE, NONE, NONE, 0, 0, 0, 0, 0, 0, 0, 0},
    KindInfo{KIND_GALVANOMETER, F::TwoTerminal, "Microdetector", "灵敏电流计", 197, {60, 54},
             NONE, S::Entry0, {-37, 50}, {33, 50}, {-37, 50}, {33, 50}, 0, 95, 0, 0, 1, 0, 0, 0},
    KindInfo{KIND_DIGITAL_OHMMETER, F::TwoTerminal, "Digital ohmmeter", "数字欧姆表", 197,
             {36, 35}, NONE, S::Entry0, {-17, 29}, {17, 29}, {-17, 29}, {17, 29}, 0, 10, 1, 0, 0,
             0, 0, 0},
    KindInfo{KIND_MULTIMETER, F::TwoTerminal, "Multimeter", "万用表", 197, {156, 160}, NONE,
             S::All, {148, 85}, {148, 120}, {148, 85}, {148, 120}, 1, 0, 0, 0, 6, 0, 0, 0},
    KindInfo{KIND_SIGNAL_LIGHT, F::TwoTerminal, "Signal light", "信号灯", 197, {31, 13}, {13, 31},
             S::Turned, {-24, 0}, {21, 0}, {-24, 0}, {21, 0}, 0, 1, 0, 0, 0.1, 65280, 0, 0},
    KindInfo{KIND_BELL, F::TwoTerminal, "Electric ring", "电铃", 197, {26, 34}, {34, 26},
             S::Turned, {-18, -29}, {16, -29}, {-18, 0}, {16, 0}, 0, 20, 0, 0, 0.5, 0, 0, 0},
    KindInfo{KIND_SPDT_SWITCH, F::Spdt, "Single-pole double-throw switche", "单刀双掷开关", 48,
             NONE, NONE, S::All, NONE, NONE, NONE, NONE, 0, 0, 0, 0, 0, 0, 0, 0},
    KindInfo{KIND_RELAY, F::Relay, "Electromagnetic relay", "电磁继电器", 48, NONE, NONE, S::All,
             NONE, NONE, NONE, NONE, 0, 0, 0, 0, 0, 0, 0, 0},
    KindInfo{KIND_DIODE, F::TwoTerminal, "Diode", "二极管", 197, {33, 8}, {8, 33}, S::Turned,
             {-26, 0}, {28, 0}, {-26, 0}, {28, 0}, 0, 0, 0, 0, 0, 0, 0, 0},
    KindInfo{KIND_STRAIGHT_LEAD, F::TwoTerminal, "Straight lead", "引出线", 197, {42, 6}, {6, 42},
             S::Turned, {-36, 0}, {36, 0}, {-36, 0}, {36, 0}, 0, 0, 0, 0, 0, 0, 0, 0},
    KindInfo{KIND_COIL_AND_MAGNET, F::TwoTerminal, "coil and magnet", "线圈与磁铁", 197, {45, 44},
             NONE, S::All, {40, -32}, {40, 21}, {40, -32}, {40, 21}, 0, 1, 0, 0, 195, 6, 6, 0},
    KindInfo{KIND_CUTTING_ROD, F::TwoTerminal, "cutting magnetic line of force",
             "金属杆切割磁力线", 197, {135, 44}, NONE, S::All, {126, -40}, {126, 39}, {126, -40},
             {126, 39}, 0, 0.1, 0, 0, 135, 0.1, 0, 0.5},
    KindInfo{KIND_AC_GENERATOR, F::TwoTerminal, "AC generator", "交流发电机", 197, {83, 57}, NONE,
             S::All, {6, 68}, {-13, 93}, {6, 68}, {-13, 93}, 0, 1, 0, 0, 0, 5, 5, 0},
    KindInfo{KIND_DC_MOTOR, F::TwoTerminal, "DC electr motor", "直流电动机", 197, {83, 57}, NONE,
             S::All, {3, 72}, {-13, 93}, {3, 72}, {-13, 93}, 0, 1, 0, 0, 0, 5, 0, 0},
    KindInfo{KIND_DC_GENERATOR, F::TwoTerminal, "DC generator", "直流发电机", 197, {83, 57}, NONE,
             S::All, {3, 72}, {-13, 93}, {3, 72}, {-13, 93}, 0, 1, 0, 0, 0, 5, 5, 0},
    KindInfo{KIND_NOTE, F::Note, "Document Note", "", 97, NONE, NONE, S::All, NONE, NONE, NONE,
             NONE, 0, 0, 0, 0, 0, 0, 0, 0},
    KindInfo{KIND_BLACK_BOX, F::BlackBox, "Black Box", "", 99, NONE, NONE, S::All, NONE, NONE,
             NONE, NONE, 0, 0, 0, 0, 0, 0, 0, 0},
};
// clang-format on

static_assert(std::is_sorted(KINDS.begin(), KINDS.end(),
                             [](const KindInfo& a, const KindInfo& b) { return a.kind < b.kind; }));

}  // namespace

std::span<const KindInfo> AllKinds() {
  return KINDS;
}

const KindInfo* FindKind(int32_t kind) {
  auto it = std::lower_bound(KINDS.begin(), KINDS.end(), kind,
                             [](const KindInfo& k, int32_t code) { return k.kind < code; });
  return (it != KINDS.end() && it->kind == kind) ? &*it : nullptr;
}

bool IsSource(int32_t kind) {
  switch (kind) {
    case KIND_VOLTAGE_SUPPLY:
    case KIND_DRY_CELL:
    case KIND_STORAGE_BATTERY:
    case KIND_BATTERY_SET:
    case KIND_STORAGE_BATTERY_SET:
    case KIND_9V_BATTERY:
      return true;
    default:
      return false;
  }
}

}  // namespace voltaro

namespace voltaro {

void SpreadHalfSize(std::array<Offset, POSE_ENTRIES>& half_size, Offset size, Offset turned,
                    SizeSpread spread) {
  switch (spread) {
    case SizeSpread::Turned:
      for (int e : {0, 1, 4, 5}) half_size[e] = size;
      for (int e : {2, 3, 6, 7}) half_size[e] = turned;
      break;
    case SizeSpread::All:
      half_size.fill(size);
      break;
    case SizeSpread::Entry0:
      half_size[0] = size;
      break;
    case SizeSpread::Entries0to3:
      for (int e = 0; e < 4; ++e) half_size[e] = size;
      break;
  }
}

}  // namespace voltaro
