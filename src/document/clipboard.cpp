#include "document/clipboard.h"

#include "document/gbk.h"
#include "document/lines.h"
#include "document/record_lines.h"
#include "model/analysis.h"
#include "model/kinds.h"
#include "model/placement.h"
#include "model/tables.h"

namespace voltaro {
namespace {

// Highest slot index a pasted object may take in its table. They keep the
// last slots free as placement does, one slot stricter for rheostats.
constexpr int PASTE_LIMIT_ELEMENT = 197;
constexpr int PASTE_LIMIT_METER = 197;
constexpr int PASTE_LIMIT_NOTE = 97;
constexpr int PASTE_LIMIT_RHEOSTAT = 47;
constexpr int PASTE_LIMIT_SWITCH = 48;
constexpr int PASTE_LIMIT_RELAY = 48;
// Highest wire slot the first hidden link of a pasted object may take.
constexpr int PASTE_LIMIT_FIRST_LINK = 495;

constexpr std::string_view WORD_ELEMENT = "fact_two_obj";
constexpr std::string_view WORD_RHEOSTAT = "hdbzq";
constexpr std::string_view WORD_VOLTMETER = "3_15vbiao";
constexpr std::string_view WORD_AMMETER = "06_3abiao";
constexpr std::string_view WORD_SWITCH = "ddszkg";
constexpr std::string_view WORD_RELAY = "dcjdq";
constexpr std::string_view WORD_NOTE = "zhu_shi_s";

std::optional<Family> FamilyOf(int32_t kind) {
  const KindInfo* info = FindKind(kind);
  if (!info || info->family == Family::BlackBox) return std::nullopt;
  return info->family;
}

void StartText(LineWriter& out, std::string_view word, int32_t code) {
  out.text(CLIPBOARD_TAG);
  out.text(word);
  out.integer(code);
}

// --- The fields each family carries, in clipboard order. x and y travel
// but a paste puts the object at the pointer instead.

void WriteElement(LineWriter& out, const ElementRecord& e) {
  out.text(e.name);
  for (int32_t v : {e.pose, e.show_params, e.is_open, e.x, e.y}) out.integer(v);
  for (double v : {e.resistance, e.emf, e.max_current, e.param1, e.param2, e.param3, e.param4}) {
    out.real(v);
  }
  WriteOffsets(out, e.term_a_offset);
  WriteOffsets(out, e.term_b_offset);
  WriteOffsets(out, e.half_size);
}

void ReadElement(LineReader& in, ElementRecord& e) {
  e.name = in.text();
  for (int32_t* v : {&e.pose, &e.show_params, &e.is_open}) *v = in.integer();
  e.x = in.coordinate();
  e.y = in.coordinate();
  for (double* v :
       {&e.resistance, &e.emf, &e.max_current, &e.param1, &e.param2, &e.param3, &e.param4}) {
    *v = in.real();
  }
  ReadOffsets(in, e.term_a_offset);
  ReadOffsets(in, e.term_b_offset);
  ReadOffsets(in, e.half_size);
}

void WriteRheostat(LineWriter& out, const RheostatRecord& r) {
  out.text(r.name);
  for (int32_t v : {r.x, r.y, r.in_use, r.show_params}) out.integer(v);
  for (double v : {r.resistance, r.max_current, r.slider, r.bar_resistance_1, r.bar_resistance_2,
                   r.coil_resistance_1, r.coil_resistance_2}) {
    out.real(v);
  }
}

void ReadRheostat(LineReader& in, RheostatRecord& r) {
  r.name = in.text();
  r.x = in.coordinate();
  r.y = in.coordinate();
  for (int32_t* v : {&r.in_use, &r.show_params}) *v = in.integer();
  for (double* v : {&r.resistance, &r.max_current, &r.slider, &r.bar_resistance_1,
                    &r.bar_resistance_2, &r.coil_resistance_1, &r.coil_resistance_2}) {
    *v = in.real();
  }
}

void WriteMeter(LineWriter& out, const DualMeterRecord& m) {
  out.text(m.name);
  out.integer(m.x);
  out.integer(m.y);
  out.real(m.range_resistance_1);
  out.real(m.range_resistance_2);
  out.integer(m.in_use);
  out.integer(m.range_in_use);
}

void ReadMeter(LineReader& in, DualMeterRecord& m) {
  m.name = in.text();
  m.x = in.coordinate();
  m.y = in.coordinate();
  m.range_resistance_1 = in.real();
  m.range_resistance_2 = in.real();
  m.in_use = in.integer();
  m.range_in_use = in.integer();
}

void WriteSwitch(LineWriter& out, const SpdtRecord& s) {
  out.text(s.name);
  for (int32_t v : {s.x, s.y, s.in_use, s.show_params, s.position}) out.integer(v);
}

void ReadSwitch(LineReader& in, SpdtRecord& s) {
  s.name = in.text();
  s.x = in.coordinate();
  s.y = in.coordinate();
  for (int32_t* v : {&s.in_use, &s.show_params, &s.position}) *v = in.integer();
}

void WriteRelay(LineWriter& out, const RelayRecord& r) {
  out.text(r.name);
  for (int32_t v : {r.x, r.y, r.in_use, r.show_params, r.contact_closed}) out.integer(v);
  out.real(r.coil_resistance);
  out.real(r.pickup_current);
}

void ReadRelay(LineReader& in, RelayRecord& r) {
  r.name = in.text();
  r.x = in.coordinate();
  r.y = in.coordinate();
  for (int32_t* v : {&r.in_use, &r.show_params, &r.contact_closed}) *v = in.integer();
  r.coil_resistance = in.real();
  r.pickup_current = in.real();
}

// --- Paste, one family at a time. Each reads the whole text into a copy of
// the slot it will fill before it changes anything.

bool RoomForLinks(const Bench& bench) {
  return CountWires(bench) <= PASTE_LIMIT_FIRST_LINK;
}

// The record a paste starts from: the free slot itself, so that whatever
// the clipboard does not carry (terminal offsets) keeps the table's
// defaults, or a fresh record when the table is full.
template <class Table>
typename Table::value_type StartRecord(const Table& table, int slot) {
  return slot < static_cast<int>(table.size()) ? table[slot] : typename Table::value_type{};
}

PasteResult Added(Bench& bench, int slot) {
  doing(bench);
  return {PasteOutcome::Pasted, slot};
}

PasteResult PasteElement(Bench& bench, LineReader& in, int32_t kind, Point at,
                         PictureHolder* holder) {
  ElementRecord e;
  ReadElement(in, e);
  if (in.failed()) return {PasteOutcome::Malformed};
  const int slot = CountElements(bench);
  if (slot > PASTE_LIMIT_ELEMENT) return {PasteOutcome::TableFull};
  e.kind = kind;
  e.x = at.x;
  e.y = at.y;
  // A pasted component is on the bench whatever the text says: a record
  // marked free would be invisible yet take part in nothing.
  if (e.pose < 1 || e.pose > POSE_ENTRIES) e.pose = 1;
  TakeFreshIds(bench, e);
  bench.elements[slot] = std::move(e);
  if (holder) holder->give(slot);
  return Added(bench, slot);
}

PasteResult PasteRheostat(Bench& bench, LineReader& in, Point at) {
  const int slot = CountRheostats(bench);
  RheostatRecord r = StartRecord(bench.rheostats, slot);
  ReadRheostat(in, r);
  if (in.failed()) return {PasteOutcome::Malformed};
  if (slot > PASTE_LIMIT_RHEOSTAT) return {PasteOutcome::TableFull};
  if (!RoomForLinks(bench)) return {PasteOutcome::NoWireRoom};
  r.in_use = 1;  // its hidden links need an owner on the bench
  r.x = at.x;
  r.y = at.y;
  TakeFreshIds(bench, r);
  bench.rheostats[slot] = std::move(r);
  return Added(bench, slot);
}

PasteResult PasteMeter(Bench& bench, MeterTable& meters, LineReader& in, Point at) {
  const int slot = CountMeters(meters);
  DualMeterRecord m = StartRecord(meters, slot);
  ReadMeter(in, m);
  if (in.failed()) return {PasteOutcome::Malformed};
  if (slot > PASTE_LIMIT_METER) return {PasteOutcome::TableFull};
  if (!RoomForLinks(bench)) return {PasteOutcome::NoWireRoom};
  m.in_use = 1;  // its hidden links need an owner on the bench
  m.x = at.x;
  m.y = at.y;
  TakeFreshIds(bench, m);
  meters[slot] = std::move(m);
  return Added(bench, slot);
}

PasteResult PasteSwitch(Bench& bench, LineReader& in, Point at) {
  const int slot = CountSpdts(bench);
  SpdtRecord s = StartRecord(bench.spdts, slot);
  ReadSwitch(in, s);
  if (in.failed()) return {PasteOutcome::Malformed};
  if (slot > PASTE_LIMIT_SWITCH) return {PasteOutcome::TableFull};
  if (!RoomForLinks(bench)) return {PasteOutcome::NoWireRoom};
  s.in_use = 1;  // its hidden links need an owner on the bench
  s.x = at.x;
  s.y = at.y;
  TakeFreshIds(bench, s);
  bench.spdts[slot] = std::move(s);
  return Added(bench, slot);
}

PasteResult PasteRelay(Bench& bench, LineReader& in, Point at) {
  const int slot = CountRelays(bench);
  RelayRecord r = StartRecord(bench.relays, slot);
  ReadRelay(in, r);
  if (in.failed()) return {PasteOutcome::Malformed};
  if (slot > PASTE_LIMIT_RELAY) return {PasteOutcome::TableFull};
  r.in_use = 1;  // on the bench, whatever the text says
  r.x = at.x;
  r.y = at.y;
  TakeFreshIds(bench, r);
  bench.relays[slot] = std::move(r);
  return Added(bench, slot);
}

PasteResult PasteNote(Bench& bench, LineReader& in, Point at) {
  const int slot = CountNotes(bench);
  NoteRecord n;
  ReadNote(in, n);
  if (in.failed()) return {PasteOutcome::Malformed};
  if (slot > PASTE_LIMIT_NOTE) return {PasteOutcome::TableFull};
  n.in_use = 1;  // on the bench, whatever the text says
  n.x = at.x;
  n.y = at.y;
  bench.notes[slot] = std::move(n);
  return Added(bench, slot);
}

}  // namespace

bool IsBenchClipboardText(std::string_view gbk_text) {
  const size_t end = gbk_text.find_first_of("\r\n");
  return gbk_text.substr(0, end) == Utf8ToGbk(CLIPBOARD_TAG);
}

std::optional<std::string> CopyText(const Bench& bench, int32_t selected_kind, int index) {
  const std::optional<Family> family = FamilyOf(selected_kind);
  if (!family || index < 0) return std::nullopt;
  LineWriter out;
  switch (*family) {
    case Family::TwoTerminal: {
      if (index >= TWO_TERMINAL_SLOTS || !bench.elements[index].in_use()) return std::nullopt;
      const ElementRecord& e = bench.elements[index];
      StartText(out, WORD_ELEMENT, e.kind);
      WriteElement(out, e);
      break;
    }
    case Family::Rheostat:
      if (index >= RHEOSTAT_SLOTS || !bench.rheostats[index].in_use) return std::nullopt;
      StartText(out, WORD_RHEOSTAT, KIND_SLIDE_RHEOSTAT);
      WriteRheostat(out, bench.rheostats[index]);
      break;
    case Family::Voltmeter:
      if (index >= METER_SLOTS || !bench.voltmeters[index].in_use) return std::nullopt;
      StartText(out, WORD_VOLTMETER, KIND_POINTER_VOLTMETER);
      WriteMeter(out, bench.voltmeters[index]);
      break;
    case Family::Ammeter:
      if (index >= METER_SLOTS || !bench.ammeters[index].in_use) return std::nullopt;
      StartText(out, WORD_AMMETER, KIND_POINTER_AMMETER);
      WriteMeter(out, bench.ammeters[index]);
      break;
    case Family::Spdt:
      if (index >= SPDT_SLOTS || !bench.spdts[index].in_use) return std::nullopt;
      StartText(out, WORD_SWITCH, KIND_SPDT_SWITCH);
      WriteSwitch(out, bench.spdts[index]);
      break;
    case Family::Relay:
      if (index >= RELAY_SLOTS || !bench.relays[index].in_use) return std::nullopt;
      StartText(out, WORD_RELAY, KIND_RELAY);
      WriteRelay(out, bench.relays[index]);
      break;
    case Family::Note:
      if (index >= NOTE_SLOTS || !bench.notes[index].in_use) return std::nullopt;
      StartText(out, WORD_NOTE, KIND_NOTE);
      WriteNote(out, bench.notes[index]);
      break;
    case Family::BlackBox:
      return std::nullopt;
  }
  return out.bytes();
}

bool CopyToClipboard(const Bench& bench, int32_t selected_kind, int index, ClipboardPort& clipboard,
                     PictureHolder* holder) {
  std::optional<std::string> text = CopyText(bench, selected_kind, index);
  if (!text) return false;
  if (holder && FamilyOf(selected_kind) == Family::TwoTerminal) holder->keep(index);
  clipboard.set_text(std::move(*text));
  return true;
}

PasteResult PasteText(Bench& bench, std::string_view gbk_text, Point at, PictureHolder* holder) {
  LineReader in(SplitLines(gbk_text));
  in.skip();  // tag line
  in.skip();  // section word
  const int32_t kind = in.integer();
  if (in.failed()) return {PasteOutcome::Malformed};
  const std::optional<Family> family = FamilyOf(kind);
  if (!family) {
    doing(bench);
    return {PasteOutcome::UnknownKind};
  }
  switch (*family) {
    case Family::TwoTerminal:
      return PasteElement(bench, in, kind, at, holder);
    case Family::Rheostat:
      return PasteRheostat(bench, in, at);
    case Family::Voltmeter:
      return PasteMeter(bench, bench.voltmeters, in, at);
    case Family::Ammeter:
      return PasteMeter(bench, bench.ammeters, in, at);
    case Family::Spdt:
      return PasteSwitch(bench, in, at);
    case Family::Relay:
      return PasteRelay(bench, in, at);
    case Family::Note:
      return PasteNote(bench, in, at);
    case Family::BlackBox:
      break;
  }
  doing(bench);
  return {PasteOutcome::UnknownKind};
}

PasteResult PasteFromClipboard(Bench& bench, ClipboardPort& clipboard, Point at,
                               PictureHolder* holder) {
  return PasteText(bench, clipboard.text(), at, holder);
}

}  // namespace voltaro
