#include "model/kinds.h"

#include <algorithm>

namespace voltaro {
namespace {

using F = Family;
using S = SizeSpread;
using G = KindGroup;
using D = Drawing;
using R = RotateRule;

// One row per kind, in kind-code order. The geometry is what hit tests and
// wire ends use; the storage battery set's terminals sit a little
// differently in files than where placement puts them.
// clang-format off
constexpr std::array KINDS = {
    KindInfo{.kind = KIND_FIXED_RESISTOR, .family = F::TwoTerminal, .caption = "Fixed resistor",
             .designation = "电阻",
             .group = G::Resistors, .place = 0, .box_picture = {.apparatus = Pic::Resistor},
             .in_menu = true, .placement_limit = 197,
             .geometry = {{42, 11}, {11, 41}, S::Turned, {-37, 0}, {35, 0}, {-37, 0}, {35, 0}},
             .resistance = 1,
             .drawing = D::Draw_dianzu, .picture = Pic::Resistor, .dialog = Dialog::Form2,
             .rotate = R::QuarterTurn},
    KindInfo{.kind = KIND_VOLTAGE_SUPPLY, .family = F::TwoTerminal,
             .caption = "Self-defined voltage supply", .reading_name = "Voltage supply", .designation = "电源",
             .group = G::PowerSupply, .place = 5, .box_picture = {.apparatus = Pic::VoltageSupply},
             .in_menu = true, .placement_limit = 197,
             .geometry = {{41, 21}, {21, 41}, S::Turned, {-25, -19}, {23, -19}, {-25, 0}, {23, 0}},
             .emf = 1, .source = true,
             .drawing = D::Draw_dianyuan, .picture = Pic::VoltageSupply, .dialog = Dialog::Form3,
             .rotate = R::QuarterTurn},
    KindInfo{.kind = KIND_DIGITAL_VOLTMETER, .family = F::TwoTerminal,
             .caption = "Digital voltmeter", .designation = "数字电压表",
             .group = G::Instruments, .place = 4,
             .box_picture = {.apparatus = Pic::DigitalVoltmeter}, .in_menu = true,
             .placement_limit = 197,
             .geometry = {{36, 35}, {}, S::Entry0, {-17, 29}, {17, 29}, {-17, 29}, {17, 29}},
             .resistance = 1e12,
             .drawing = D::Draw_dianyabiao, .picture = Pic::DigitalVoltmeter},
    KindInfo{.kind = KIND_DIGITAL_AMMETER, .family = F::TwoTerminal, .caption = "Digital ammeter",
             .designation = "数字电流表",
             .group = G::Instruments, .place = 3,
             .box_picture = {.apparatus = Pic::DigitalAmmeter}, .in_menu = true,
             .placement_limit = 197,
             .geometry = {{36, 35}, {}, S::Entry0, {-17, 29}, {17, 29}, {-17, 29}, {17, 29}},
             .resistance = 1e-50,
             .drawing = D::Draw_dianliubiao, .picture = Pic::DigitalAmmeter},
    KindInfo{.kind = KIND_BULB, .family = F::TwoTerminal, .caption = "Bulb", .designation = "电灯1",
             .group = G::Outputs, .place = 0, .box_picture = {.bulb = 8}, .in_menu = true,
             .placement_limit = 197,
             .geometry = {{30, 30}, {}, S::All, {-11, 8}, {1, 19}, {-25, 0}, {25, 0}},
             .resistance = 10, .max_current = 1.5, .param1 = 10, .param2 = 8,
             .drawing = D::Draw_diandeng, .dialog = Dialog::Form10, .rotate = R::QuarterTurn},
    KindInfo{.kind = KIND_SPST_SWITCH, .family = F::TwoTerminal,
             .caption = "Single-pole single-throw switche", .reading_name = "Switch", .designation = "单刀单掷开关",
             .group = G::Switches, .place = 0, .box_picture = {.apparatus = Pic::SwitchOpen},
             .in_menu = true, .placement_limit = 197,
             .geometry = {{47, 28}, {28, 47}, S::Turned, {-36, 15}, {33, 15}, {-36, 15}, {33, 15}},
             .is_open = 1, .resistance = 1e-80,
             .drawing = D::Draw_dddzkg, .rotate = R::QuarterTurn},
    KindInfo{.kind = KIND_FUSE, .family = F::TwoTerminal, .caption = "Fuse", .designation = "保险丝",
             .group = G::Others, .place = 0, .box_picture = {.apparatus = Pic::FuseIntact},
             .in_menu = true, .placement_limit = 197,
             .geometry = {{34, 7}, {7, 34}, S::Turned, {-30, 0}, {29, 0}, {-30, 0}, {29, 0}},
             .resistance = 1e-80, .max_current = 1,
             .drawing = D::Draw_baoxiansi, .dialog = Dialog::Form17, .rotate = R::QuarterTurn},
    KindInfo{.kind = KIND_SLIDE_RHEOSTAT, .family = F::Rheostat, .caption = "Slide resistor",
             .designation = "电阻1",
             .group = G::Resistors, .place = 1, .box_picture = {.apparatus = Pic::Rheostat},
             .in_menu = true, .placement_limit = 48,
             .resistance = 50,
             .drawing = D::Draw_hdbzq, .dialog = Dialog::Form7},
    KindInfo{.kind = KIND_RESISTANCE_WIRE, .family = F::TwoTerminal, .caption = "Wire resistor", .reading_name = "Resistance wire",
             .designation = "电阻丝",
             .group = G::Resistors, .place = 2, .box_picture = {.apparatus = Pic::ResistanceWire},
             .in_menu = true, .placement_limit = 197,
             .geometry = {{40, 12}, {12, 40}, S::Turned, {-37, 0}, {37, 0}, {-37, 0}, {37, 0}},
             .resistance = 1, .param1 = 1e-06, .param2 = 1, .param3 = 1e-06,
             .drawing = D::Draw_dianzusi, .picture = Pic::ResistanceWire, .dialog = Dialog::Form11,
             .rotate = R::QuarterTurn},
    KindInfo{.kind = KIND_RESISTANCE_BOX, .family = F::TwoTerminal, .caption = "Rehostat", .reading_name = "Resistance box",
             .designation = "变阻箱",
             .group = G::Resistors, .place = 3, .box_picture = {.apparatus = Pic::ResistanceBox},
             .in_menu = true, .placement_limit = 197,
             .geometry = {{61, 38}, {38, 61}, S::Turned, {-56, -18}, {-56, 16}, {0, -30}, {0, 30}},
             .resistance = 999999,
             .drawing = D::Draw_bianzuxiang, .picture = Pic::ResistanceBox,
             .dialog = Dialog::Form12, .rotate = R::QuarterTurn},
    KindInfo{.kind = KIND_DRY_CELL, .family = F::TwoTerminal, .caption = "1.5 V battery",
             .designation = "干电池",
             .group = G::PowerSupply, .place = 0, .box_picture = {.apparatus = Pic::DryCell},
             .in_menu = true, .placement_limit = 197,
             .geometry = {{47, 14}, {14, 47}, S::Turned, {-43, 0}, {43, 0}, {-43, 0}, {43, 0}},
             .emf = 1.5, .source = true,
             .drawing = D::Draw_gandianchi, .picture = Pic::DryCell, .dialog = Dialog::Form9,
             .rotate = R::QuarterTurn},
    KindInfo{.kind = KIND_STORAGE_BATTERY, .family = F::TwoTerminal, .caption = "Storage battery",
             .designation = "蓄电池",
             .group = G::PowerSupply, .place = 2, .box_picture = {.apparatus = Pic::StorageBattery},
             .in_menu = true, .placement_limit = 197,
             .geometry = {{32, 41}, {}, S::Entries0to3, {-12, -33}, {12, -33}, {-12, 0}, {12, 0}},
             .emf = 2, .source = true,
             .drawing = D::Draw_xudianchi, .picture = Pic::StorageBattery,
             .dialog = Dialog::Form14, .rotate = R::Flip},
    KindInfo{.kind = KIND_BATTERY_SET, .family = F::TwoTerminal, .caption = "Batter set", .reading_name = "Battery set",
             .designation = "干电池组",
             .group = G::PowerSupply, .place = 1, .box_picture = {.apparatus = Pic::BatterySet},
             .in_menu = true, .placement_limit = 197,
             .geometry = {{52, 18}, {18, 52}, S::Turned, {-48, 0}, {48, 0}, {-48, 0}, {48, 0}},
             .emf = 6, .param1 = 4, .source = true,
             .drawing = D::Draw_gandianchizu, .picture = Pic::BatterySet, .dialog = Dialog::Form18,
             .rotate = R::QuarterTurn},
    KindInfo{.kind = KIND_STORAGE_BATTERY_SET, .family = F::TwoTerminal,
             .caption = "Storage battery set", .designation = "蓄电池组",
             .group = G::PowerSupply, .place = 3,
             .box_picture = {.apparatus = Pic::StorageBatterySet}, .in_menu = true,
             .placement_limit = 197,
             .geometry = {{43, 49}, {}, S::All, {-22, -29}, {22, -41}, {-35, 0}, {35, 0}},
             .file_geometry =
                 Geometry{{43, 49}, {}, S::Entries0to3, {-23, -29}, {19, -41}, {-35, 0}, {35, 0}},
             .emf = 6, .param1 = 3, .source = true,
             .drawing = D::Draw_xudianchizu, .picture = Pic::StorageBatterySet,
             .dialog = Dialog::Form19, .rotate = R::Flip},
    KindInfo{.kind = KIND_9V_BATTERY, .family = F::TwoTerminal, .caption = "9V battery",
             .designation = "九伏电池",
             .group = G::PowerSupply, .place = 4,
             .box_picture = {.apparatus = Pic::NineVoltBattery}, .in_menu = true,
             .placement_limit = 197,
             .geometry = {{20, 40}, {40, 20}, S::Turned, {-8, -34}, {8, -34}, {-8, 0}, {8, 0}},
             .emf = 9, .source = true,
             .drawing = D::Draw_9vdianchi, .picture = Pic::NineVoltBattery,
             .dialog = Dialog::Form16, .rotate = R::QuarterTurn},
    KindInfo{.kind = KIND_POINTER_VOLTMETER, .family = F::Voltmeter, .caption = "Pointer voltmeter",
             .designation = "R1",
             .group = G::Instruments, .place = 1,
             .box_picture = {.apparatus = Pic::PointerVoltmeter}, .in_menu = true,
             .placement_limit = 197,
             .drawing = D::Draw_3_15vbiao, .dialog = Dialog::Form24},
    KindInfo{.kind = KIND_POINTER_AMMETER, .family = F::Ammeter, .caption = "Pointer ammeter",
             .designation = "R1",
             .group = G::Instruments, .place = 0,
             .box_picture = {.apparatus = Pic::PointerAmmeter}, .in_menu = true,
             .placement_limit = 197,
             .drawing = D::Draw_06_3abiao, .dialog = Dialog::Form25},
    KindInfo{.kind = KIND_GALVANOMETER, .family = F::TwoTerminal, .caption = "Microdetector", .reading_name = "Galvanometer",
             .designation = "灵敏电流计",
             .group = G::Instruments, .place = 2, .box_picture = {.apparatus = Pic::Galvanometer},
             .in_menu = true, .placement_limit = 197,
             .geometry = {{60, 54}, {}, S::Entry0, {-37, 50}, {33, 50}, {-37, 50}, {33, 50}},
             .resistance = 95, .param1 = 1,
             .drawing = D::Draw_lmdlj, .dialog = Dialog::Form13},
    KindInfo{.kind = KIND_DIGITAL_OHMMETER, .family = F::TwoTerminal, .caption = "Digital ohmmeter",
             .designation = "数字欧姆表",
             .group = G::Instruments, .place = 5,
             .box_picture = {.apparatus = Pic::DigitalOhmmeter}, .in_menu = true,
             .placement_limit = 197,
             .geometry = {{36, 35}, {}, S::Entry0, {-17, 29}, {17, 29}, {-17, 29}, {17, 29}},
             .resistance = 10, .emf = 1,
             .drawing = D::Draw_oumubiao, .picture = Pic::DigitalOhmmeter},
    KindInfo{.kind = KIND_MULTIMETER, .family = F::TwoTerminal, .caption = "Multimeter",
             .designation = "万用表",
             .group = G::Instruments, .place = 6, .box_picture = {.apparatus = Pic::Multimeter},
             .placement_limit = 197,
             .geometry = {{156, 160}, {}, S::All, {148, 85}, {148, 120}, {148, 85}, {148, 120}},
             .is_open = 1, .param1 = 6,
             .drawing = D::Draw_wanyongbiao, .picture = Pic::Multimeter},
    KindInfo{.kind = KIND_SIGNAL_LIGHT, .family = F::TwoTerminal, .caption = "Signal light",
             .designation = "信号灯",
             .group = G::Outputs, .place = 1, .box_picture = {.apparatus = Pic::SignalLight},
             .in_menu = true, .placement_limit = 197,
             .geometry = {{31, 13}, {13, 31}, S::Turned, {-24, 0}, {21, 0}, {-24, 0}, {21, 0}},
             .resistance = 1, .param1 = 0.1, .param2 = 65280,
             .drawing = D::Draw_xinhaodeng, .picture = Pic::SignalLight, .dialog = Dialog::Form21,
             .rotate = R::QuarterTurn},
    KindInfo{.kind = KIND_BELL, .family = F::TwoTerminal, .caption = "Electric ring", .reading_name = "Bell",
             .designation = "电铃",
             .group = G::Outputs, .place = 2, .box_picture = {.apparatus = Pic::Bell},
             .in_menu = true, .placement_limit = 197,
             .geometry = {{26, 34}, {34, 26}, S::Turned, {-18, -29}, {16, -29}, {-18, 0}, {16, 0}},
             .resistance = 20, .param1 = 0.5,
             .drawing = D::Draw_dianling, .picture = Pic::Bell, .dialog = Dialog::Form15,
             .rotate = R::QuarterTurn},
    KindInfo{.kind = KIND_SPDT_SWITCH, .family = F::Spdt,
             .caption = "Single-pole double-throw switche", .reading_name = "Two-way switch", .designation = "单刀双掷开关",
             .group = G::Switches, .place = 1, .box_picture = {.apparatus = Pic::SpdtMiddle},
             .in_menu = true, .placement_limit = 48,
             .drawing = D::Draw_ddszkg},
    KindInfo{.kind = KIND_RELAY, .family = F::Relay, .caption = "Electromagnetic relay",
             .designation = "电磁继电器",
             .group = G::Others, .place = 2, .box_picture = {.apparatus = Pic::RelayOpen},
             .box_hint = "electromagnetic relays", .in_menu = true, .placement_limit = 48,
             .drawing = D::Draw_dcjdq, .dialog = Dialog::Form22},
    KindInfo{.kind = KIND_DIODE, .family = F::TwoTerminal, .caption = "Diode",
             .designation = "二极管",
             .group = G::Others, .place = 1, .box_picture = {.apparatus = Pic::Diode},
             .in_menu = true, .placement_limit = 197,
             .geometry = {{33, 8}, {8, 33}, S::Turned, {-26, 0}, {28, 0}, {-26, 0}, {28, 0}},
             .drawing = D::Draw_erjiguan, .picture = Pic::Diode, .rotate = R::QuarterTurn},
    KindInfo{.kind = KIND_STRAIGHT_LEAD, .family = F::TwoTerminal, .caption = "Straight wire", .reading_name = "Straight lead",
             .designation = "引出线",
             .group = G::Others, .place = 3, .box_picture = {.apparatus = Pic::StraightLead},
             .box_caption = "Straight wire", .placement_limit = 197,
             .geometry = {{42, 6}, {6, 42}, S::Turned, {-36, 0}, {36, 0}, {-36, 0}, {36, 0}},
             .drawing = D::Draw_yinchuxian, .picture = Pic::StraightLead,
             .rotate = R::QuarterTurn},
    KindInfo{.kind = KIND_COIL_AND_MAGNET, .family = F::TwoTerminal, .caption = "coil and magnet", .reading_name = "Coil and magnet",
             .designation = "线圈与磁铁",
             .group = G::Induction, .place = 0, .box_picture = {.own = BoxPic::CoilAndMagnet},
             .box_caption = "coil and magnet", .placement_limit = 197,
             .geometry = {{45, 44}, {}, S::All, {40, -32}, {40, 21}, {40, -32}, {40, 21}},
             .resistance = 1, .param1 = 195, .param2 = 6, .param3 = 6,
             .drawing = D::Draw_xianquan_and_citie, .dialog = Dialog::Form26},
    KindInfo{.kind = KIND_CUTTING_ROD, .family = F::TwoTerminal,
             .caption = "cutting magnetic line of force", .reading_name = "Moving rod", .designation = "金属杆切割磁力线",
             .group = G::Induction, .place = 1, .box_picture = {.own = BoxPic::CuttingRod},
             .box_caption = "cut magnetic line", .placement_limit = 197,
             .geometry = {{135, 44}, {}, S::All, {126, -40}, {126, 39}, {126, -40}, {126, 39}},
             .resistance = 0.1, .param1 = 135, .param2 = 0.1, .param4 = 0.5,
             .drawing = D::Draw_qiege_and_jinshugan, .dialog = Dialog::Form27},
    KindInfo{.kind = KIND_AC_GENERATOR, .family = F::TwoTerminal, .caption = "AC generator",
             .designation = "交流发电机",
             .group = G::Induction, .place = 4, .box_picture = {.own = BoxPic::AcGenerator},
             .box_caption = "AC generator", .placement_limit = 197,
             .geometry = {{83, 57}, {}, S::All, {6, 68}, {-13, 93}, {6, 68}, {-13, 93}},
             .resistance = 1, .param2 = 5, .param3 = 5,
             .drawing = D::Draw_JLFDJ, .dialog = Dialog::Form28},
    KindInfo{.kind = KIND_DC_MOTOR, .family = F::TwoTerminal, .caption = "DC electr motor", .reading_name = "DC motor",
             .designation = "直流电动机",
             .group = G::Induction, .place = 2, .box_picture = {.own = BoxPic::DcMotor},
             .box_caption = "DC electr motor", .placement_limit = 197,
             .geometry = {{83, 57}, {}, S::All, {3, 72}, {-13, 93}, {3, 72}, {-13, 93}},
             .resistance = 1, .param2 = 5,
             .drawing = D::Draw_ZLDDJ},
    KindInfo{.kind = KIND_DC_GENERATOR, .family = F::TwoTerminal, .caption = "DC generator",
             .designation = "直流发电机",
             .group = G::Induction, .place = 3, .box_picture = {.own = BoxPic::DcGenerator},
             .box_caption = "DC generator", .placement_limit = 197,
             .geometry = {{83, 57}, {}, S::All, {3, 72}, {-13, 93}, {3, 72}, {-13, 93}},
             .resistance = 1, .param2 = 5, .param3 = 5,
             .drawing = D::Draw_ZLFDJ, .dialog = Dialog::Form29},
    KindInfo{.kind = KIND_NOTE, .family = F::Note, .caption = "Document Note",
             .placement_limit = 97, .drawing = D::Draw_zhu_shi_s, .dialog = Dialog::Form6},
    KindInfo{.kind = KIND_BLACK_BOX, .family = F::BlackBox, .caption = "Black Box",
             .placement_limit = 99, .drawing = D::Draw_heihezi},
};

constexpr std::array GROUPS = {
    GroupInfo{G::PowerSupply, "Power supply", "Power supply"},
    GroupInfo{G::Resistors, "Resistors", "Resistors"},
    GroupInfo{G::Instruments, "Instruments", "Instruments "},
    GroupInfo{G::Switches, "Switches", "Switches"},
    GroupInfo{G::Outputs, "Outputs", "Outputs"},
    GroupInfo{G::Induction, "Electr induction", ""},
    GroupInfo{G::Others, "Others", "Others"},
};
// clang-format on

static_assert(std::is_sorted(KINDS.begin(), KINDS.end(),
                             [](const KindInfo& a, const KindInfo& b) { return a.kind < b.kind; }));

// Every kind names its drawing routine, and no two kinds share a place in
// a group of the components box.
constexpr bool RowsComplete() {
  for (const KindInfo& k : KINDS) {
    if (k.drawing == Drawing::Count) return false;
    for (const KindInfo& o : KINDS) {
      if (&o != &k && k.group != KindGroup::None && o.group == k.group && o.place == k.place)
        return false;
    }
  }
  return true;
}
static_assert(RowsComplete());

// The small codes are looked up by index: the drawing asks for every slot
// on every redraw.
constexpr int SMALL_CODES = 100;
constexpr std::array<int8_t, SMALL_CODES> SMALL_INDEX = [] {
  std::array<int8_t, SMALL_CODES> index{};
  index.fill(-1);
  for (size_t i = 0; i < KINDS.size(); ++i) {
    if (KINDS[i].kind >= 0 && KINDS[i].kind < SMALL_CODES) index[KINDS[i].kind] = int8_t(i);
  }
  return index;
}();

constexpr size_t IndexOf(int32_t kind) {
  size_t i = 0;
  while (KINDS[i].kind != kind) ++i;
  return i;
}
constexpr size_t NOTE_ROW = IndexOf(KIND_NOTE);
constexpr size_t BLACK_BOX_ROW = IndexOf(KIND_BLACK_BOX);

}  // namespace

std::span<const KindInfo> AllKinds() {
  return KINDS;
}

const KindInfo* FindKind(int32_t kind) {
  if (kind >= 0 && kind < SMALL_CODES) {
    const int i = SMALL_INDEX[kind];
    return i < 0 ? nullptr : &KINDS[i];
  }
  if (kind == KIND_NOTE) return &KINDS[NOTE_ROW];
  if (kind == KIND_BLACK_BOX) return &KINDS[BLACK_BOX_ROW];
  return nullptr;
}

std::span<const GroupInfo> KindGroups() {
  return GROUPS;
}

std::vector<const KindInfo*> KindsInGroup(KindGroup group) {
  std::vector<const KindInfo*> kinds;
  for (const KindInfo& k : KINDS) {
    if (k.group == group) kinds.push_back(&k);
  }
  std::sort(kinds.begin(), kinds.end(),
            [](const KindInfo* a, const KindInfo* b) { return a->place < b->place; });
  return kinds;
}

bool IsSource(int32_t kind) {
  const KindInfo* k = FindKind(kind);
  return k && k->source;
}

RotateRule RotateRuleOf(int32_t kind) {
  const KindInfo* k = FindKind(kind);
  return k ? k->rotate : RotateRule::Fixed;
}

int32_t RotatedPose(RotateRule rule, int32_t pose) {
  switch (rule) {
    case RotateRule::QuarterTurn:
      return pose >= 7 ? 1 : pose + 2;
    case RotateRule::Flip:
      return pose == 1 ? 3 : 1;
    case RotateRule::Fixed:
      break;
  }
  return pose;
}

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
