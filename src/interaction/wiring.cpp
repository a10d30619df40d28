// Drawing wires terminal to terminal, with bends, and finding them again.

#include <cmath>
#include <cstdlib>

#include "interaction/bench_interaction.h"
#include "interaction/black_box_guard.h"
#include "model/kinds.h"
#include "model/tables.h"

namespace voltaro {
namespace {

double Distance(Point a, Point b) {
  return std::hypot(a.x - b.x, a.y - b.y);
}

// The pointer is on the segment when going round by it is at most a pixel
// longer than the segment itself.
bool OnSegment(Point s, Point p, Point q) {
  const double length = std::trunc(Distance(p, q));
  return std::fabs(Distance(s, p) + Distance(s, q) - length) <= 1;
}

}  // namespace

int BenchInteraction::terminal_at(int x, int y) const {
  int32_t hit = 0;
  ForEachTerminal(bench_, bench_.circuit_view ? 1 : 0, [&](int32_t id, Point t) {
    if (std::abs(x - t.x) < 6 && std::abs(y - t.y) < 6) {
      hit = id;
      return true;
    }
    return false;
  });
  return hit;
}

WireStep BenchInteraction::do_creat_dianxian(int x, int y) {
  if (!wire_in_progress) {
    // The wire being drawn is kept apart until it is finished, so the
    // selection stays as it was: an index of the wire table in it would
    // point the knob, the switches and the red outline at another record.
    if (CountWires(bench_) >= WIRE_SLOTS) return WireStep::None;
    const int32_t terminal = terminal_at(x, y);
    if (terminal == 0) return WireStep::None;
    drawing_ = WireRecord{};
    drawing_.node_a = terminal;
    do_found_lian1(x, y);
    return WireStep::Drawing;
  }
  const int32_t terminal = terminal_at(x, y);
  if (terminal != 0) {
    drawing_.node_b = terminal;
    // A wire cannot end where it started; drawing goes on.
    if (terminal == drawing_.node_a) return WireStep::Drawing;
    do_found_lian2();
    return WireStep::Finished;
  }
  if (drawing_.point_count >= WIRE_POINTS - 1) {
    // The hundredth bend drops the wire.
    drawing_.point_count = 0;
    wire_in_progress = false;
    return WireStep::None;
  }
  drawing_.points[drawing_.point_count++] = {x, y};
  xor_dot(x, y);
  wire_anchor = last_mouse = {x, y};
  return WireStep::Drawing;
}

void BenchInteraction::do_found_lian1(int x, int y) {
  wire_in_progress = true;
  xor_dot(x, y);
  wire_anchor = last_mouse = {x, y};
}

void BenchInteraction::do_found_lian2() {
  // The wire being drawn is kept here, not in the table, until it is
  // finished: commands run meanwhile (Delete, Paste, an analysis adding its
  // ground links) change the wire table and would otherwise overwrite it.
  wire_in_progress = false;
  const int slot = CountWires(bench_);
  if (slot >= WIRE_SLOTS) {
    ui_.status_message("The bench is full: no room for more wires");
    return;
  }
  if (!IsTerminal(bench_, drawing_.node_a)) return;  // its start was deleted meanwhile
  changed(Step::DrawWire);
  WireRecord& w = bench_.wires[slot];
  w = drawing_;
  w.wire_id = bench_.take_id();
  w.state = WIRE_DRAWN;
  w.color = wire_color;
}

void BenchInteraction::drop_wire() {
  wire_in_progress = false;
  drawing_.point_count = 0;
}

void BenchInteraction::AbandonWire() {
  if (!wire_in_progress) return;
  drop_wire();
  redraw();
}

void BenchInteraction::Escape() {
  AbandonWire();
  if (pending_kind == 0 && !band_active) return;
  if (band_active) {
    band_active = false;
    redraw();
  }
  if (pending_kind == KIND_MAGNIFIER) ui_.restore_cursor();
  pending_kind = 0;
  ui_.reset_components_box();
}

int BenchInteraction::wire_under(int x, int y, bool right_release) const {
  const Point s{x, y};
  const int view = bench_.circuit_view ? 1 : 0;
  for (int i = 0; i < WIRE_SLOTS && bench_.wires[i].state != WIRE_FREE; ++i) {
    const WireRecord& w = bench_.wires[i];
    // A wire that leads under a closed black box cannot be taken hold of.
    if (w.state != WIRE_DRAWN || WireReachesUnderBox(bench_, w)) continue;
    const Point a = TerminalPosition(bench_, w.node_a, view).value_or(Point{0, 0});
    const Point b = TerminalPosition(bench_, w.node_b, view).value_or(Point{0, 0});
    const int n = std::clamp(w.point_count, 0, WIRE_POINTS);
    if (n == 0) {
      if (OnSegment(s, a, b)) return i;
      continue;
    }
    if (OnSegment(s, a, w.points[0]) || OnSegment(s, b, w.points[n - 1])) return i;
    for (int k = 0; k + 1 < n; ++k) {
      const Point q = w.points[k + 1];
      if (OnSegment(s, w.points[k], q)) return i;
      if (right_release && std::abs(x - q.x) < 4 && std::abs(y - q.y) < 4) return i;
    }
  }
  return -1;
}

void BenchInteraction::ChooseWireColor() {
  Action action(*this, Step::WireColor);
  int32_t color = wire_color;
  if (!dialogs_.pick_color(color)) return;
  wire_color = color;
  // The new colour shows at the next redraw.
  if (wire_selected && selected_wire >= 0) bench_.wires[selected_wire].color = color;
}

}  // namespace voltaro
