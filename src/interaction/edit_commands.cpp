// The commands that act on the selection: Delete, Repair, Properties, Copy,
// Cut and Paste, and which of them the menus offer.

#include "interaction/bench_interaction.h"
#include "interaction/black_box_guard.h"
#include "model/analysis.h"
#include "model/kinds.h"
#include "model/tables.h"

namespace voltaro {
namespace {

// Frees every wire (of any state) that ends on one of these terminals.
void FreeWiresOf(Bench& bench, std::initializer_list<int32_t> terminals) {
  for (int i = 0; i < WIRE_SLOTS && bench.wires[i].state != WIRE_FREE;) {
    const WireRecord& w = bench.wires[i];
    bool touches = false;
    for (int32_t t : terminals) touches |= w.node_a == t || w.node_b == t;
    if (touches) {
      bench.wires[i].state = WIRE_FREE;
      CompactWires(bench);  // the next wire moves into this slot
    } else {
      ++i;
    }
  }
}

bool HasPropertyDialog(int32_t kind) {
  const KindInfo* info = FindKind(kind);
  return info && info->dialog != Dialog::None;
}

}  // namespace

bool BenchInteraction::guarded_by_black_box() {
  const bool guarded = wire_selected && selected_wire >= 0 && selected_wire < WIRE_SLOTS
                           ? WireReachesUnderBox(bench_, bench_.wires[selected_wire])
                           : ComponentReachesUnderBox(bench_, selected_kind, selected_index);
  if (guarded) ui_.status_message(WIRED_INTO_BLACK_BOX);
  return guarded;
}

void BenchInteraction::Delete() {
  Action action(*this, Step::Delete);
  // Deleting a part wired into a closed black box would take the hidden
  // wires with it and give the puzzle away.
  if (guarded_by_black_box()) return;
  if (wire_selected && selected_wire >= 0 && selected_wire < WIRE_SLOTS) {
    bench_.wires[selected_wire].state = WIRE_FREE;
    CompactWires(bench_);
    wire_selected = false;
    selected_wire = -1;
  } else if (selected_index >= 0) {
    const int i = selected_index;
    const KindInfo* info = FindKind(selected_kind);
    const Family family = info ? info->family : Family::BlackBox;
    if (family == Family::TwoTerminal && i < TWO_TERMINAL_SLOTS && bench_.elements[i].in_use()) {
      FreeWiresOf(bench_, {bench_.elements[i].node_a, bench_.elements[i].node_b});
      bench_.elements[i].pose = 0;
      CompactElements(bench_);
    } else if (family == Family::Rheostat && i < RHEOSTAT_SLOTS && bench_.rheostats[i].in_use) {
      const RheostatRecord& r = bench_.rheostats[i];
      FreeWiresOf(bench_, {r.node_bar_a, r.node_bar_b, r.node_coil_a, r.node_coil_b});
      bench_.rheostats[i].in_use = 0;
      CompactRheostats(bench_);
    } else if ((family == Family::Voltmeter || family == Family::Ammeter) && i < METER_SLOTS) {
      auto& meters = family == Family::Voltmeter ? bench_.voltmeters : bench_.ammeters;
      if (meters[i].in_use) {
        FreeWiresOf(bench_, {meters[i].node_common, meters[i].node_mid, meters[i].node_high});
        meters[i].in_use = 0;
        family == Family::Voltmeter ? CompactVoltmeters(bench_) : CompactAmmeters(bench_);
      }
    } else if (family == Family::Spdt && i < SPDT_SLOTS && bench_.spdts[i].in_use) {
      const SpdtRecord& s = bench_.spdts[i];
      FreeWiresOf(bench_, {s.node_t1, s.node_common, s.node_t2});
      bench_.spdts[i].in_use = 0;
      CompactSpdts(bench_);
    } else if (family == Family::Relay && i < RELAY_SLOTS && bench_.relays[i].in_use) {
      const RelayRecord& r = bench_.relays[i];
      FreeWiresOf(bench_, {r.node_coil_a, r.node_coil_b, r.node_contact_a, r.node_contact_b});
      bench_.relays[i].in_use = 0;
      CompactRelays(bench_);
    } else if (family == Family::Note && i < NOTE_SLOTS && bench_.notes[i].in_use) {
      bench_.notes[i].in_use = 0;
      CompactNotes(bench_);
    }
    selected_kind = 0;
    selected_index = -1;
  } else {
    selected_kind = 0;
  }
  doing(bench_);
}

void BenchInteraction::Repair() {
  Action action(*this, Step::Repair);
  if ((selected_kind == KIND_BULB || selected_kind == KIND_FUSE) && selected_index >= 0 &&
      selected_index < TWO_TERMINAL_SLOTS) {
    bench_.elements[selected_index].is_open = 0;
    doing(bench_);
  }
}

void BenchInteraction::Properties() {
  // Dialogs that show their changes on the bench while open (the slide
  // rheostat's, the resistance box's) make one step with what is confirmed.
  Action action(*this, Step::Properties);
  if (selected_index < 0 || !HasPropertyDialog(selected_kind)) return;
  const int32_t kind = selected_kind;
  dialogs_.edit_properties(kind, selected_index);
  const KindInfo* info = FindKind(kind);
  if (info && info->family == Family::TwoTerminal) renderer_.make_fact_two_obj_pic(selected_index);
  if (kind == KIND_NOTE) {
    redraw();
  } else {
    doing(bench_);
  }
}

void BenchInteraction::Copy() {
  CopyToClipboard(bench_, selected_kind, selected_index, clipboard_, nullptr);
}

void BenchInteraction::Cut() {
  Action action(*this, Step::Cut);
  if (guarded_by_black_box()) return;
  if (CopyToClipboard(bench_, selected_kind, selected_index, clipboard_, nullptr)) Delete();
}

void BenchInteraction::Paste() {
  Action action(*this, Step::Paste);
  const PasteResult r = PasteFromClipboard(bench_, clipboard_, mouse_pos, nullptr);
  switch (r.outcome) {
    case PasteOutcome::TableFull:
      ui_.status_message("The bench is full: nothing was pasted");
      return;
    case PasteOutcome::NoWireRoom:
      ui_.status_message("The bench is full: no room for more wires");
      return;
    default:
      break;
  }
  // A pasted component's picture is made from its record, so it is right
  // even when the text came from another program.
  if (r.outcome == PasteOutcome::Pasted) {
    renderer_.rebuild_all_pictures();
    redraw();
  }
}

EditMenuState BenchInteraction::MenuState() {
  EditMenuState m;
  const bool e = selected_kind != 0;
  m.copy = m.cut = m.del = m.repair = m.properties = e;
  if (wire_selected) m.del = true;
  m.paste = IsBenchClipboardText(clipboard_.text());
  return m;
}

}  // namespace voltaro
