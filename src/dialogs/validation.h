#pragma once
// What the property dialogs accept. Each dialog's boxes are checked in the
// order the pupil reads them; the result is either the values its record
// receives or the first box that is wrong, with the message shown for it.
// No widgets here: the dialogs only move texts in and values out.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/bench.h"

namespace voltaro {

// ---- Numbers in boxes ------------------------------------------------------

// A real number as typed: optional sign, digits with a full stop, optional
// exponent ("2.5", "-3", "1E-6"); spaces around it are ignored. The locale
// never matters. "nan", "inf" and values beyond a double ("1e999") are
// refused: one of them in a record would poison every result on the bench.
std::optional<double> TypedReal(std::string_view text);
// A whole number as typed: optional sign and decimal digits, within int32.
std::optional<int32_t> TypedInteger(std::string_view text);
// A value as a box shows it: general format, up to 15 significant digits.
std::string ValueText(double value);
// Whether a value worked out from the boxes (a bulb's resistance from its
// rating, a wire's from its size) is a number a record can hold: finite
// and above zero. Products and quotients of accepted boxes can overflow to
// infinity or underflow to zero.
bool FinitePositive(double value);

// ---- Messages ----------------------------------------------------------------
// Each dialog has its own wording, spaces and full stops included.

inline constexpr const char* MSG_POSITIVE = "Please enter a real number ( > 0).";
inline constexpr const char* MSG_POSITIVE_SPACED = "Please enter a real number ( > 0 ).";
inline constexpr const char* MSG_NON_NEGATIVE = "Please enter a real number ( >= 0).";
inline constexpr const char* MSG_NON_NEGATIVE_SPACED = "Please enter a real number ( >= 0 ).";
inline constexpr const char* MSG_NON_NEGATIVE_BARE = "Please enter a real number ( >= 0 )";
inline constexpr const char* MSG_REAL = "Please enter a real number.";
inline constexpr const char* MSG_INTEGER = "Please enter a integer.";
inline constexpr const char* MSG_AMMETER_RANGE = "Please enter a real number ( >0 and <=100).";
inline constexpr const char* MSG_EMPTY_NOTE = "Please enter document note.";
inline constexpr const char* MSG_WRONG_PASSWORD = "Password error!Please try again.";

// ---- Results -------------------------------------------------------------------

struct FieldError {
  int field = 0;  // the box that failed; each dialog numbers its boxes below
  std::string message;
  // The supply's voltage box is set to "0" and keeps no focus of its own.
  bool reset_to_zero = false;
};

template <class Values>
struct Checked {
  // Complete when there is no error. After an error only the dialogs that
  // keep what was converted before the failing box fill part of it.
  Values values{};
  std::optional<FieldError> error;
  bool ok() const { return !error.has_value(); }
};

// ---- Sources and resistors ------------------------------------------------------

// Fixed resistor (Form2). Boxes: 0 resistance.
struct FixedResistorInput {
  std::string resistance, name;
  bool show_params = false;
};
struct FixedResistorValues {
  double resistance = 0;
  std::string name;
  int32_t show_params = 0;
};
Checked<FixedResistorValues> CheckFixedResistor(const FixedResistorInput& in);
void Store(const FixedResistorValues& v, ElementRecord& e);

// Self-defined voltage supply (Form3). Boxes: 0 voltage, 1 internal
// resistance. The voltage is kept as soon as it is read, even when the
// resistance then fails; a voltage that is no number puts "0" in its box.
struct SupplyInput {
  std::string voltage, resistance;
  bool show_params = false;
};
struct SupplyValues {
  std::optional<double> emf, resistance;
  std::optional<int32_t> show_params;
};
Checked<SupplyValues> CheckVoltageSupply(const SupplyInput& in);
void Store(const SupplyValues& v, ElementRecord& e);

// Single cells: 1.5 V battery (Form9), storage battery (Form14), 9 V battery
// (Form16). Boxes: 0 internal resistance.
struct CellInput {
  std::string resistance;
  bool show_params = false;
};
struct CellValues {
  double resistance = 0;
  int32_t show_params = 0;
};
Checked<CellValues> CheckDryCell(const CellInput& in);
Checked<CellValues> CheckStorageBattery(const CellInput& in);
Checked<CellValues> CheckNineVoltBattery(const CellInput& in);
void Store(const CellValues& v, ElementRecord& e);

// Battery set (Form18, cells of 1.5 V) and storage battery set (Form19,
// cells of 2 V). Boxes: 0 single internal resistance, 1 number of cells.
struct BatterySetInput {
  std::string single_resistance, count;
  bool show_params = false;
};
struct BatterySetValues {
  double single_resistance = 0;  // param2
  double count = 0;              // param1
  double resistance = 0, emf = 0;
  int32_t show_params = 0;
};
Checked<BatterySetValues> CheckBatterySet(const BatterySetInput& in);
Checked<BatterySetValues> CheckStorageBatterySet(const BatterySetInput& in);
void Store(const BatterySetValues& v, ElementRecord& e);

// Slide resistor (Form7). Boxes: 0 total resistance. The slipper position
// is a percentage, 0 at coil end A.
struct SlideResistorInput {
  std::string total;
  int position = 0;
  bool show_params = false;
};
struct SlideResistorValues {
  double resistance = 0, slider = 0, coil_resistance_1 = 0, coil_resistance_2 = 0;
  int32_t show_params = 0;
};
Checked<SlideResistorValues> CheckSlideResistor(const SlideResistorInput& in);
// The rheostat while its slipper moves in the dialog: the typed total when
// it is a valid one, otherwise the total the record already has, so a half
// typed box never puts a negative coil on the bench.
SlideResistorValues SlipperMoved(const SlideResistorInput& in, const RheostatRecord& r);
// The slipper position the dialog shows for a record, to the nearest
// percent (0.29 is 29 %, not the 28 that 0.29 x 100 truncates to).
int SlipperPosition(double slider);
void Store(const SlideResistorValues& v, RheostatRecord& r);

// Resistance wire (Form11). Boxes: 0 resistivity, 1 length, 2 section.
struct ResistanceWireInput {
  std::string resistivity, length, section;
  bool show_params = false;
};
struct ResistanceWireValues {
  double resistivity = 0, length = 0, section = 0, resistance = 0;
  int32_t show_params = 0;
};
Checked<ResistanceWireValues> CheckResistanceWire(const ResistanceWireInput& in);
// The answer beside the formula: "12.5 ohm".
std::string WireAnswerText(double resistance);
void Store(const ResistanceWireValues& v, ElementRecord& e);

// Resistance box (Form12): six decade dials, units first. A dial's pointer
// is a pie segment whose start angle (degrees) encodes its digit: 90 for 0,
// 36 degrees less for each step up.
inline constexpr int DECADE_DIALS = 6;
using DialDigits = std::array<int, DECADE_DIALS>;
int DialAngle(int digit);
int DialDigit(int angle);
// A left click turns the dial one digit up, a right click one down; 9 and
// 0 follow each other both ways.
int TurnDial(int angle, bool left_click);
// The dials for a resistance: its whole ohms, held to 0 .. 999999.
DialDigits DialDigitsOf(double resistance);
int DialValue(const DialDigits& digits);

// ---- Instruments and outputs ------------------------------------------------------

// Bulb (Form10). Boxes: 0 rated voltage, 1 rated power, 2 maximum current.
// All three are read before any is tested. The effect is the brightness
// picture (0 .. 10) the bulb shows at its rated power.
struct BulbInput {
  std::string voltage, power, current;
  int effect = 0;
  bool show_params = false;
};
struct BulbValues {
  double resistance = 0, power = 0, max_current = 0;
  int32_t effect = 0;
  int32_t show_params = 0;
};
// `bulb` is the record the dialog was opened on: while the voltage box
// still shows what the dialog put there (three digits), the bulb's own
// voltage is used, so OK alone never shifts its resistance.
Checked<BulbValues> CheckBulb(const BulbInput& in, const ElementRecord& bulb);
// The rated voltage shown for a bulb: sqrt(resistance x power), three
// significant digits.
std::string RatedVoltageText(const ElementRecord& bulb);
// The effect index a record holds, within 0 .. 10.
int EffectIndex(double param2);
// The bulb picture (PictureSet step 1 .. 10) the effect button shows;
// effects 0 and 1 both show the dimmest glow.
int EffectPicture(int effect);
// Only the pictures 3 .. 10 can be chosen as an effect.
inline constexpr int FIRST_CHOOSABLE_EFFECT = 3;
inline constexpr int LAST_CHOOSABLE_EFFECT = 10;
void Store(const BulbValues& v, ElementRecord& e);

// The ratings offered when a bulb is placed (Form32).
struct BulbChoice {
  const char* caption;
  bool for_lighting;  // the "Used for lighting" group, else "Used in Lab"
  double resistance, power;
  int32_t effect;
  double max_current;
};
std::span<const BulbChoice> BulbChoices();
void Store(const BulbChoice& c, ElementRecord& e);

// Fuse (Form17). Boxes: 0 rated current.
struct FuseInput {
  std::string current;
  bool show_params = false;
};
struct FuseValues {
  double max_current = 0;
  int32_t show_params = 0;
};
Checked<FuseValues> CheckFuse(const FuseInput& in);
void Store(const FuseValues& v, ElementRecord& e);

// Electric bell (Form15). Boxes: 0 resistance, 1 rated current.
struct BellInput {
  std::string resistance, current;
  bool show_params = false;
};
struct BellValues {
  double resistance = 0, rated_current = 0;  // rated current is param1
  int32_t show_params = 0;
};
Checked<BellValues> CheckBell(const BellInput& in);
void Store(const BellValues& v, ElementRecord& e);

// Signal light (Form21). Boxes: 0 resistance, 1 rated current. The colour
// is a bench colour value (red in the low byte).
struct SignalLightInput {
  std::string resistance, current;
  int32_t color = 0;
  bool show_params = false;
};
struct SignalLightValues {
  double resistance = 0, rated_current = 0;  // param1
  int32_t color = 0;                         // param2
  int32_t show_params = 0;
};
Checked<SignalLightValues> CheckSignalLight(const SignalLightInput& in);
void Store(const SignalLightValues& v, ElementRecord& e);

// Electromagnetic relay (Form22). Boxes: 0 coil resistance, 1 pick-up
// current.
struct RelayInput {
  std::string coil_resistance, pickup_current;
  bool show_params = false;
};
struct RelayValues {
  double coil_resistance = 0, pickup_current = 0;
  int32_t show_params = 0;
};
Checked<RelayValues> CheckRelay(const RelayInput& in);
void Store(const RelayValues& v, RelayRecord& r);

// Galvanometer (Form13). Boxes: 0 internal resistance. The rate is the
// needle's scale factor, one of the six list entries.
inline constexpr std::array<const char*, 6> RATE_CAPTIONS = {"×0.01", "×0.1", "×1",
                                                             "×10",   "×100", "×1000"};
double RateValue(int index);
// The list entry whose rate equals `param1` within 1e-6, or -1.
int RateIndexOf(double param1);
struct GalvanometerInput {
  std::string resistance;
  int rate_index = -1;  // -1: no entry chosen, the rate stays
};
struct GalvanometerValues {
  double resistance = 0;
  std::optional<double> rate;
};
Checked<GalvanometerValues> CheckGalvanometer(const GalvanometerInput& in);
void Store(const GalvanometerValues& v, ElementRecord& e);

// Pointer voltmeter 0-3-15 V (Form24) and pointer ammeter 0-0.6-3 A (Form25).
// One box per range, only the chosen one visible. Boxes: 0 low range,
// 1 high range.
inline constexpr int32_t LOW_RANGE = 3;
inline constexpr int32_t HIGH_RANGE = 4;
struct DualMeterInput {
  std::string resistance;  // the box of the chosen range
  bool low_range = false;
};
struct DualMeterValues {
  int32_t range_in_use = HIGH_RANGE;
  double range_resistance_1 = 0, range_resistance_2 = 0;
};
Checked<DualMeterValues> CheckPointerVoltmeter(const DualMeterInput& in);
Checked<DualMeterValues> CheckPointerAmmeter(const DualMeterInput& in);
// What the range's box shows for a record: the meter's resistance on that
// range, so that reopening shows what was typed.
std::string ShownMeterResistance(const DualMeterRecord& m, bool voltmeter, bool low_range);
// What "Default" puts into the range's box.
std::string DefaultMeterResistance(bool voltmeter, bool low_range);
void Store(const DualMeterValues& v, DualMeterRecord& m);

// ---- Induction apparatus ------------------------------------------------------------

// Coil and magnet (Form26). Boxes: 0 coil resistance. Turns and strength
// are track bar positions 0 .. 11; the record keeps them as 1 .. 12, negative
// for the second coil or magnet.
struct CoilControls {
  bool second_coil = false;
  int turns = 0;
  bool second_magnet = false;
  int strength = 0;
};
struct CoilInput {
  std::string resistance;
  CoilControls controls;
};
struct CoilValues {
  double resistance = 0, param2 = 0, param3 = 0;
};
Checked<CoilValues> CheckCoilAndMagnet(const CoilInput& in);
CoilControls CoilControlsOf(const ElementRecord& e);
void Store(const CoilValues& v, ElementRecord& e);

// Metal rod cutting magnetic lines (Form27). Boxes, in the order they are
// checked: resistance, induction, speed, length. Each value is stored as
// soon as it passes, so a later failing box leaves the earlier ones written.
enum RodField { ROD_RESISTANCE = 0, ROD_INDUCTION = 1, ROD_SPEED = 2, ROD_LENGTH = 3 };
struct RodInput {
  std::string resistance, induction, speed, length;
  bool inward = true;
  bool show_speed = false, show_force = false;
};
struct RodValues {
  std::optional<double> resistance, speed, length, induction;  // induction signed
  std::optional<int32_t> show_params;
};
Checked<RodValues> CheckCuttingRod(const RodInput& in);
// The boxes, direction and check boxes for a record.
RodInput RodInputOf(const ElementRecord& e);
void Store(const RodValues& v, ElementRecord& e);

// AC and DC generators (Form28, Form29): three track bars and a check box,
// each written into the record as soon as it moves.
struct GeneratorControls {
  int induction = 0;  // 0 .. 10
  int speed = 11;     // 0 .. 21, 11 standing still
  int angle = 0;      // 0 .. 36, steps of 10 degrees
  bool show_direction = false;
};
struct GeneratorValues {
  double angle = 0, induction = 0, speed = 0;  // param1, param2, param3
  int32_t show_params = 0;
};
GeneratorValues GeneratorValuesOf(const GeneratorControls& c);
// The track bars for a record. The angle goes to the nearest step of a
// full turn, so an angle written by the dialog reopens on the same step.
GeneratorControls GeneratorControlsOf(const ElementRecord& e);
void Store(const GeneratorValues& v, ElementRecord& e);

// ---- Black boxes and notes --------------------------------------------------------

void StoreBlackBox(int32_t color, const std::string& password, BlackBoxRecord& b);
// Exact, case-sensitive comparison.
bool PasswordMatches(const BlackBoxRecord& b, std::string_view typed);

// The lines of a note's text box. A final line break starts no line of its
// own, as in the text box's own line count; "\r\n" counts as one break.
std::vector<std::string> SplitNoteText(std::string_view text);
// Refuses a note without a line that has any text in it.
std::optional<FieldError> CheckNoteText(const std::vector<std::string>& lines);
// The note's frame height: lines at a pitch of 1.1 font heights.
int32_t NoteHeight(size_t line_count, int32_t font_height);

// A note's font as the record keeps it.
struct NoteFont {
  uint8_t charset = 0;
  int32_t color = 0;
  int32_t height = 0;  // negative: character height in pixels
  int8_t pitch = 0;
  int32_t size = 0;   // points
  uint8_t style = 0;  // FONT_BOLD | FONT_ITALIC | ...
  std::string name;
};
NoteFont NoteFontOf(const NoteRecord& n);
// An accepted note: in use, with its font, lines and frame. `width` is the
// widest line measured in the note's font.
void StoreNote(const NoteFont& font, std::vector<std::string> lines, int32_t width, NoteRecord& n);

}  // namespace voltaro
