#include "document/clipboard.h"

#include "document/field_io.h"
#include "document/gbk.h"
#include "document/lines.h"
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

bool InUse(const ElementRecord& e) {
  return e.in_use();
}
bool InUse(const auto& record) {
  return record.in_use != 0;
}

// The clipboard text of the record in `index` of its table: the tag line,
// the family's word, its kind code, then the fields. Nothing for a free
// slot or one past the table.
template <class Table>
std::optional<std::string> RecordText(const Table& table, int index, std::string_view word,
                                      int32_t code) {
  if (index >= static_cast<int>(table.size()) || !InUse(table[index])) return std::nullopt;
  LineWriter out;
  out.text(CLIPBOARD_TAG);
  out.text(word);
  out.integer(code);
  WriteFields(out, Layout::Clipboard, table[index]);
  return out.bytes();
}

// --- Paste, one family at a time. Each reads the whole text into a copy of
// the slot it will fill before it changes anything. x and y travel in the
// text, but a paste puts the object at the pointer instead.

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
  ReadFields(in, Layout::Clipboard, e);
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

// A rheostat, meter, switch or relay. Those with hidden links are pasted
// only while there are wire slots for the links.
template <class Table>
PasteResult PastePart(Bench& bench, Table& table, int slot, int limit, bool has_links,
                      LineReader& in, Point at) {
  typename Table::value_type r = StartRecord(table, slot);
  ReadFields(in, Layout::Clipboard, r);
  if (in.failed()) return {PasteOutcome::Malformed};
  if (slot > limit) return {PasteOutcome::TableFull};
  if (has_links && !RoomForLinks(bench)) return {PasteOutcome::NoWireRoom};
  r.in_use = 1;  // on the bench whatever the text says: hidden links need an owner
  r.x = at.x;
  r.y = at.y;
  TakeFreshIds(bench, r);
  table[slot] = std::move(r);
  return Added(bench, slot);
}

PasteResult PasteNote(Bench& bench, LineReader& in, Point at) {
  const int slot = CountNotes(bench);
  NoteRecord n;
  ReadFields(in, Layout::Clipboard, n);
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
  switch (*family) {
    case Family::TwoTerminal:
      if (index >= TWO_TERMINAL_SLOTS) return std::nullopt;
      return RecordText(bench.elements, index, WORD_ELEMENT, bench.elements[index].kind);
    case Family::Rheostat:
      return RecordText(bench.rheostats, index, WORD_RHEOSTAT, KIND_SLIDE_RHEOSTAT);
    case Family::Voltmeter:
      return RecordText(bench.voltmeters, index, WORD_VOLTMETER, KIND_POINTER_VOLTMETER);
    case Family::Ammeter:
      return RecordText(bench.ammeters, index, WORD_AMMETER, KIND_POINTER_AMMETER);
    case Family::Spdt:
      return RecordText(bench.spdts, index, WORD_SWITCH, KIND_SPDT_SWITCH);
    case Family::Relay:
      return RecordText(bench.relays, index, WORD_RELAY, KIND_RELAY);
    case Family::Note:
      return RecordText(bench.notes, index, WORD_NOTE, KIND_NOTE);
    case Family::BlackBox:
      break;
  }
  return std::nullopt;
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
      return PastePart(bench, bench.rheostats, CountRheostats(bench), PASTE_LIMIT_RHEOSTAT, true,
                       in, at);
    case Family::Voltmeter:
      return PastePart(bench, bench.voltmeters, CountMeters(bench.voltmeters), PASTE_LIMIT_METER,
                       true, in, at);
    case Family::Ammeter:
      return PastePart(bench, bench.ammeters, CountMeters(bench.ammeters), PASTE_LIMIT_METER, true,
                       in, at);
    case Family::Spdt:
      return PastePart(bench, bench.spdts, CountSpdts(bench), PASTE_LIMIT_SWITCH, true, in, at);
    case Family::Relay:
      return PastePart(bench, bench.relays, CountRelays(bench), PASTE_LIMIT_RELAY, false, in, at);
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
