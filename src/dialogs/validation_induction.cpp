// What the dialogs of the induction apparatus, the black boxes and the
// document notes accept.

#include <algorithm>
#include <cmath>

#include "dialogs/validation.h"

namespace voltaro {
namespace {

constexpr double TWO_PI = 2 * 3.141592653589793;
constexpr int ANGLE_STEPS = 36;  // a full turn of the coil in steps of 10 degrees

int Truncated(double v, int low, int high) {
  if (!std::isfinite(v)) return low;
  return static_cast<int>(std::clamp(v, static_cast<double>(low), static_cast<double>(high)));
}

// A box that must hold a number above zero: a text that is no number gets
// the plain message, a number out of range the range message.
std::optional<FieldError> PositiveBox(const std::string& text, int field, double& out) {
  const auto v = TypedReal(text);
  if (!v) return FieldError{field, MSG_REAL, false};
  if (*v <= 0) return FieldError{field, MSG_POSITIVE_SPACED, false};
  out = *v;
  return std::nullopt;
}

}  // namespace

// ---- Coil and magnet ---------------------------------------------------------------

Checked<CoilValues> CheckCoilAndMagnet(const CoilInput& in) {
  Checked<CoilValues> out;
  const auto r = TypedReal(in.resistance);
  if (!r || *r <= 0) {
    out.error = FieldError{0, MSG_POSITIVE_SPACED, false};
    return out;
  }
  // The magnitude is the number of turns (or the magnet's strength) in
  // steps 1 .. 12; the sign says which of the two coils (magnets) it is.
  const CoilControls& c = in.controls;
  const double turns = std::clamp(c.turns, 0, 11) + 1;
  const double strength = std::clamp(c.strength, 0, 11) + 1;
  out.values = {*r, c.second_coil ? -turns : turns, c.second_magnet ? -strength : strength};
  return out;
}

CoilControls CoilControlsOf(const ElementRecord& e) {
  CoilControls c;
  c.second_coil = e.param2 < 0;
  c.turns = Truncated(std::fabs(e.param2) - 1, 0, 11);
  c.second_magnet = e.param3 < 0;
  c.strength = Truncated(std::fabs(e.param3) - 1, 0, 11);
  return c;
}

void Store(const CoilValues& v, ElementRecord& e) {
  e.resistance = v.resistance;
  e.param2 = v.param2;
  e.param3 = v.param3;
}

// ---- Metal rod ------------------------------------------------------------------------

Checked<RodValues> CheckCuttingRod(const RodInput& in) {
  Checked<RodValues> out;
  RodValues& v = out.values;
  double resistance = 0, induction = 0, length = 0;
  if ((out.error = PositiveBox(in.resistance, ROD_RESISTANCE, resistance))) return out;
  v.resistance = resistance;
  if ((out.error = PositiveBox(in.induction, ROD_INDUCTION, induction))) return out;
  // The speed may be negative: the rod then runs the other way.
  const auto speed = TypedReal(in.speed);
  if (!speed) {
    out.error = FieldError{ROD_SPEED, MSG_REAL, false};
    return out;
  }
  v.speed = *speed;
  if ((out.error = PositiveBox(in.length, ROD_LENGTH, length))) return out;
  v.length = length;
  // A field into the bench is positive.
  v.induction = in.inward ? induction : -induction;
  v.show_params = (in.show_speed ? 1 : 0) | (in.show_force ? 2 : 0);
  return out;
}

RodInput RodInputOf(const ElementRecord& e) {
  RodInput in;
  in.resistance = ValueText(e.resistance);
  in.induction = ValueText(std::fabs(e.param2));
  in.speed = ValueText(e.param3);
  in.length = ValueText(e.param4);
  in.inward = e.param2 >= 0;
  in.show_speed = (e.show_params & 1) != 0;
  in.show_force = (e.show_params & 2) != 0;
  return in;
}

void Store(const RodValues& v, ElementRecord& e) {
  if (v.resistance) e.resistance = *v.resistance;
  if (v.speed) e.param3 = *v.speed;
  if (v.length) e.param4 = *v.length;
  if (v.induction) e.param2 = *v.induction;
  if (v.show_params) e.show_params = *v.show_params;
}

// ---- Generators -------------------------------------------------------------------------

GeneratorValues GeneratorValuesOf(const GeneratorControls& c) {
  GeneratorValues v;
  v.induction = c.induction;
  v.speed = c.speed - 11;
  v.angle = c.angle * 2 * 3.141592653589793 / ANGLE_STEPS;
  v.show_params = c.show_direction ? 1 : 0;
  return v;
}

GeneratorControls GeneratorControlsOf(const ElementRecord& e) {
  GeneratorControls c;
  c.induction = Truncated(e.param2, 0, 10);
  c.speed = Truncated(e.param3 + 11, 0, 21);
  // A running coil may have turned past a full turn, or below zero when it
  // runs backwards; the bar shows where it stands within one turn.
  double angle = std::isfinite(e.param1) ? e.param1 : 0;
  if (angle < 0 || angle > TWO_PI) {
    angle = std::fmod(angle, TWO_PI);
    if (angle < 0) angle += TWO_PI;
  }
  // Nearest step, not the step below: 110 degrees divided back by 10
  // degrees comes out a hair under 11.
  c.angle = std::clamp(static_cast<int>(std::lround(angle * ANGLE_STEPS / TWO_PI)), 0, 36);
  c.show_direction = e.show_params != 0;
  return c;
}

void Store(const GeneratorValues& v, ElementRecord& e) {
  e.param1 = v.angle;
  e.param2 = v.induction;
  e.param3 = v.speed;
  e.show_params = v.show_params;
}

// ---- Black boxes ----------------------------------------------------------------------

void StoreBlackBox(int32_t color, const std::string& password, BlackBoxRecord& b) {
  b.password = password;
  b.color = color;
}

bool PasswordMatches(const BlackBoxRecord& b, std::string_view typed) {
  return b.password == typed;
}

// ---- Notes ----------------------------------------------------------------------------

std::vector<std::string> SplitNoteText(std::string_view text) {
  std::vector<std::string> lines;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.emplace_back(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

std::optional<FieldError> CheckNoteText(const std::vector<std::string>& lines) {
  const bool any_text =
      std::any_of(lines.begin(), lines.end(), [](const std::string& l) { return !l.empty(); });
  if (!any_text) return FieldError{0, MSG_EMPTY_NOTE, false};
  return std::nullopt;
}

int32_t NoteHeight(size_t line_count, int32_t font_height) {
  return static_cast<int32_t>(std::fabs(static_cast<double>(line_count) * font_height * 1.1));
}

NoteFont NoteFontOf(const NoteRecord& n) {
  return {n.font_charset, n.font_color, n.font_height, n.font_pitch,
          n.font_size,    n.font_style, n.font_name};
}

void StoreNote(const NoteFont& font, std::vector<std::string> lines, int32_t width, NoteRecord& n) {
  n.in_use = 1;
  n.font_charset = font.charset;
  n.font_color = font.color;
  n.font_height = font.height;
  n.font_pitch = font.pitch;
  n.font_size = font.size;
  n.font_style = font.style;
  n.font_name = font.name;
  n.height = NoteHeight(lines.size(), font.height);
  n.lines = std::move(lines);
  n.width = std::max(0, width);
}

}  // namespace voltaro
