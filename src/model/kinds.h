#pragma once
// The kind table: every fact about a component kind in one row. Its code
// and table, its words in the components box and the "&Components" menu and
// the pictures there, its geometry, placement limit and electrical defaults,
// and which drawing routine, which dialog and which turn rule are its own.
// The drawing and the dialogs each keep one table from these ids to their
// routines; everything else asks this table.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "model/bench.h"
#include "model/picture_names.h"

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

// Which half_size entries a kind's body size goes into.
enum class SizeSpread {
  Turned,      // size in entries 0, 1, 4, 5; the turned size in 2, 3, 6, 7
  All,         // size in all eight entries
  Entry0,      // size in entry 0 only
  Entries0to3  // size in entries 0 to 3 only
};

// The body and terminals of a two-terminal kind in its unturned pose.
struct Geometry {
  Offset half_size{}, half_size_turned{};
  SizeSpread spread = SizeSpread::All;
  Offset a_object{}, b_object{};    // terminal offsets, object view
  Offset a_circuit{}, b_circuit{};  // terminal offsets, circuit view
};

// What "Rotate" does to a kind.
enum class RotateRule {
  Fixed,        // it stays as it stands
  QuarterTurn,  // a quarter turn each time: pose 1, 3, 5, 7, 1, ...
  Flip,         // it stands upright and only flips: pose 1, 3, 1, ...
};

// The routine that draws a kind, by its name in the drawing; the drawing
// keeps the routine of each.
enum class Drawing {
  Draw_dianzu,
  Draw_dianyuan,
  Draw_dianyabiao,
  Draw_dianliubiao,
  Draw_diandeng,
  Draw_dddzkg,
  Draw_baoxiansi,
  Draw_hdbzq,
  Draw_dianzusi,
  Draw_bianzuxiang,
  Draw_gandianchi,
  Draw_xudianchi,
  Draw_gandianchizu,
  Draw_xudianchizu,
  Draw_9vdianchi,
  Draw_3_15vbiao,
  Draw_06_3abiao,
  Draw_lmdlj,
  Draw_oumubiao,
  Draw_wanyongbiao,
  Draw_xinhaodeng,
  Draw_dianling,
  Draw_ddszkg,
  Draw_dcjdq,
  Draw_erjiguan,
  Draw_yinchuxian,
  Draw_xianquan_and_citie,
  Draw_qiege_and_jinshugan,
  Draw_JLFDJ,
  Draw_ZLDDJ,
  Draw_ZLFDJ,
  Draw_zhu_shi_s,
  Draw_heihezi,
  Count
};
constexpr int DRAWINGS = static_cast<int>(Drawing::Count);

// The dialog "Propertiy" opens for a kind, by its form's name; the dialogs
// keep the form of each.
enum class Dialog {
  None,  // the kind has no settings to make
  Form2,
  Form3,
  Form6,
  Form7,
  Form9,
  Form10,
  Form11,
  Form12,
  Form13,
  Form14,
  Form15,
  Form16,
  Form17,
  Form18,
  Form19,
  Form21,
  Form22,
  Form24,
  Form25,
  Form26,
  Form27,
  Form28,
  Form29,
  Count
};
constexpr int DIALOGS = static_cast<int>(Dialog::Count);

// A group of the components box, and the submenu of the "&Components" menu
// that offers the same kinds.
enum class KindGroup {
  None,
  PowerSupply,
  Resistors,
  Instruments,
  Switches,
  Outputs,
  Induction,
  Others
};

struct GroupInfo {
  KindGroup group;
  std::string_view box_title;
  std::string_view menu_title;  // empty: the menu has no such submenu
};

// The picture on a kind's button in the components box.
struct BoxPicture {
  Pic apparatus = Pic::Count;  // one of the bench's pictures,
  int bulb = 0;                // or, above 0, that bulb picture,
  BoxPic own = BoxPic::Count;  // or one the box has of its own
};

struct KindInfo {
  int32_t kind;
  Family family;
  // The "&Components" menu item and the box button's hint.
  std::string_view caption;
  // The component's name in charts, tables of readings and traces, where
  // the caption is not the plain English a pupil's table wants.
  std::string_view reading_name = {};
  // The record's name, UTF-8.
  std::string_view designation = {};

  // Components box and menu: the group, the place in it (box and menu
  // alike), the button's picture, the caption under it where it has one,
  // its hint where that differs from `caption`, and whether the menu offers
  // the kind too.
  KindGroup group = KindGroup::None;
  int place = 0;
  BoxPicture box_picture = {};
  std::string_view box_caption = {};
  std::string_view box_hint = {};
  bool in_menu = false;

  // Highest slot index placement may use.
  int placement_limit = 0;
  // Two-terminal geometry as placed, and where it differs, the geometry
  // that the records of a file are brought to after reading.
  Geometry geometry = {};
  std::optional<Geometry> file_geometry = std::nullopt;
  // Electrical defaults of a fresh two-terminal record; what param1..param4
  // mean is in model/parameters.h.
  int32_t is_open = 0;
  double resistance = 0, emf = 0, max_current = 0;
  double param1 = 0, param2 = 0, param3 = 0, param4 = 0;
  // A source whose current a short circuit drives past the limit.
  bool source = false;

  Drawing drawing = Drawing::Count;
  // The element picture of the object view (make_fact_two_obj_pic), or
  // Pic::Count when the drawing routine paints the kind from the shared
  // pictures itself.
  Pic picture = Pic::Count;
  Dialog dialog = Dialog::None;
  RotateRule rotate = RotateRule::Fixed;
};

// The whole table, in kind-code order.
std::span<const KindInfo> AllKinds();

// The entry of one kind, or nullptr for an unknown code.
const KindInfo* FindKind(int32_t kind);

// The groups of the components box, top to bottom, which are also the
// submenus of the "&Components" menu, left to right.
std::span<const GroupInfo> KindGroups();

// The kinds of one group in their order there.
std::vector<const KindInfo*> KindsInGroup(KindGroup group);

// True for the sources whose current a short circuit drives past the limit.
bool IsSource(int32_t kind);

// The turn rule of a kind; unknown codes stay as they stand.
RotateRule RotateRuleOf(int32_t kind);

// The pose after one "Rotate" under `rule`.
int32_t RotatedPose(RotateRule rule, int32_t pose);

// Writes a body size into the half_size entries that `spread` names.
void SpreadHalfSize(std::array<Offset, POSE_ENTRIES>& half_size, Offset size, Offset turned,
                    SizeSpread spread);

}  // namespace voltaro
