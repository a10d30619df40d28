// Press, move and release on the bench: placing, selecting and dragging.

#include "interaction/bench_interaction.h"

#include <cmath>
#include <cstdlib>

#include "document/geometry.h"
#include "interaction/black_box_guard.h"
#include "interaction/hit_test.h"
#include "model/analysis.h"
#include "model/kinds.h"
#include "model/placement.h"
#include "model/tables.h"

namespace voltaro {
namespace {

// Puts the record's centre (a note's corner) at p; whether it moved.
bool MoveTo(Bench& bench, int32_t kind, int index, Point p) {
  auto set = [&](int32_t& x, int32_t& y) {
    const bool moved = x != p.x || y != p.y;
    x = p.x;
    y = p.y;
    return moved;
  };
  switch (kind) {
    case KIND_SLIDE_RHEOSTAT:
      return set(bench.rheostats[index].x, bench.rheostats[index].y);
    case KIND_POINTER_VOLTMETER:
      return set(bench.voltmeters[index].x, bench.voltmeters[index].y);
    case KIND_POINTER_AMMETER:
      return set(bench.ammeters[index].x, bench.ammeters[index].y);
    case KIND_SPDT_SWITCH:
      return set(bench.spdts[index].x, bench.spdts[index].y);
    case KIND_RELAY:
      return set(bench.relays[index].x, bench.relays[index].y);
    case KIND_NOTE:
      return set(bench.notes[index].x, bench.notes[index].y);
    default:
      break;
  }
  const KindInfo* info = FindKind(kind);
  if (info && info->family == Family::TwoTerminal)
    return set(bench.elements[index].x, bench.elements[index].y);
  return false;
}

const char* TableName(Family f) {
  switch (f) {
    case Family::TwoTerminal:
      return "no room for another component";
    case Family::Rheostat:
      return "no room for another slide rheostat";
    case Family::Voltmeter:
    case Family::Ammeter:
      return "no room for another pointer meter";
    case Family::Spdt:
      return "no room for another double-throw switch";
    case Family::Relay:
      return "no room for another relay";
    default:
      return "no room left";
  }
}

}  // namespace

BenchInteraction::BenchInteraction(Bench& bench, BenchRenderer& renderer, UiPort& ui,
                                   DialogPort& dialogs, ClipboardPort& clipboard)
    : bench_(bench), renderer_(renderer), ui_(ui), dialogs_(dialogs), clipboard_(clipboard) {
  renderer_.follow_selection(this);
}

BenchInteraction::~BenchInteraction() {
  renderer_.follow_selection(nullptr);
}

void BenchInteraction::Select(int32_t kind, int index) {
  selected_kind = kind;
  selected_index = index;
  wire_selected = false;
  selected_wire = -1;
}

void BenchInteraction::StartOver() {
  LetGo();
  pending_kind = 0;
}

void BenchInteraction::redraw() {
  renderer_.Draw_obj();
}

bool BenchInteraction::inside_black_box(int x, int y, int* index) const {
  const int box = BlackBoxAt(bench_, {x, y});
  if (box >= 0 && index) *index = box;
  return box >= 0;
}

void BenchInteraction::press(int button, int x, int y) {
  mouse_pos = {x, y};
  dragging = slider_drag = magnet_drag = false;
  wire_selected = false;
  selected_wire = -1;
  // What a black box hides cannot be touched.
  if (inside_black_box(x, y)) return;

  if (button == LEFT_BUTTON) {
    button_down = true;
    if (pending_kind == 0) {
      if (grab_slider(x, y) || grab_magnet(x, y)) return;
      switch (do_creat_dianxian(x, y)) {
        case WireStep::Drawing:
          return;
        case WireStep::Finished:
          bench_.analysis_pending = 1;
          return;
        case WireStep::None:
          break;
      }
      if (find_obj_to_move(x, y) != Grab::Nothing) {
        redraw();
        return;
      }
    }
    selected_index = -1;
    switch (pending_kind) {
      case 0:
        break;
      case KIND_MAGNIFIER:
        zoom_centre = {x, y};
        ui_.show_magnifier(zoom_centre);
        ui_.restore_cursor();
        pending_kind = 0;
        break;
      case KIND_NOTE: {
        const int index = CountNotes(bench_);
        if (index <= FindKind(KIND_NOTE)->placement_limit) {
          NoteRecord& note = bench_.notes[index];
          note.in_use = 0;
          note.lines.clear();
          note.x = x;
          note.y = y;
          selected_index = index;
          changed(Step::Note);
          dialogs_.edit_note(index);
        } else {
          ui_.status_message("The bench is full: no room for another note");
        }
        pending_kind = 0;
        break;
      }
      case KIND_BLACK_BOX:
        start_band(x, y);
        break;
      default:
        place(x, y);
        break;
    }
  } else if (button == RIGHT_BUTTON) {
    if (find_obj_to_move(x, y) != Grab::Nothing) redraw();
    drop_wire();
    pending_kind = 0;
    ui_.reset_components_box();
  }
  DerivePoseGeometry(bench_);
  redraw();
}

void BenchInteraction::place(int x, int y) {
  const PlaceResult r = PlaceComponent(bench_, pending_kind, x, y);
  if (r.outcome != PlaceOutcome::Placed) {
    // The press places nothing and the mode stays, but the pupil is told why.
    const KindInfo* info = FindKind(pending_kind);
    if (info && r.outcome == PlaceOutcome::TableFull) {
      ui_.status_message(std::string("The bench is full: ") + TableName(info->family));
    } else if (r.outcome == PlaceOutcome::NoWireRoom) {
      ui_.status_message("The bench is full: no room for more wires");
    }
    return;
  }
  const int32_t kind = pending_kind;
  changed(Step::Place);
  selected_index = r.index;
  pending_kind = 0;
  ui_.reset_components_box();
  if (FindKind(kind)->family == Family::TwoTerminal) {
    if (kind == KIND_BULB) dialogs_.choose_bulb(r.index);
    renderer_.make_fact_two_obj_pic(r.index);
  }
}

void BenchInteraction::start_band(int x, int y) {
  if (CountBlackBoxes(bench_) >= BLACK_BOX_SLOTS) {
    ui_.status_message("The bench is full: no room for another black box");
    return;
  }
  band_active = true;
  band_start = last_mouse = {x, y};
  band_rectangle(last_mouse);
}

Grab BenchInteraction::find_obj_to_move(int x, int y) {
  // Bend points of drawn wires come first, so a point near a component can
  // still be grabbed.
  for (int w = 0; w < WIRE_SLOTS && bench_.wires[w].state != WIRE_FREE; ++w) {
    const WireRecord& wire = bench_.wires[w];
    if (wire.state != WIRE_DRAWN || WireReachesUnderBox(bench_, wire)) continue;
    for (int k = 0; k < wire.point_count && k < WIRE_POINTS; ++k) {
      if (std::abs(x - wire.points[k].x) < 9 && std::abs(y - wire.points[k].y) < 9) {
        wire_selected = true;
        selected_wire = w;
        dragging = true;
        selected_kind = -1;
        selected_index = k;
        return Grab::WirePoint;
      }
    }
  }
  Hit hit;
  ForEachObjectAt(bench_, {x, y}, HitPurpose::Press, [&](const Hit& h) {
    hit = h;
    return true;
  });
  // Wire segments lie above notes but below everything else.
  if (hit.kind == 0 || hit.kind == KIND_NOTE) {
    const int w = wire_under(x, y, false);
    if (w >= 0) {
      wire_selected = true;
      selected_wire = w;
      selected_kind = -1;
      return Grab::Nothing;
    }
  }
  selected_kind = hit.kind;
  if (hit.kind == 0) return Grab::Nothing;
  if (hit.kind == KIND_SPDT_SWITCH) {
    spdt_click_zone = y < hit.centre.y - 10 ? 0 : x < hit.centre.x ? 1 : 2;
  }
  selected_index = hit.index;
  last_mouse = {x, y};
  grab_offset = {x - hit.centre.x, y - hit.centre.y};
  dragging = true;
  drag_outline(hit.centre.x, hit.centre.y);
  return Grab::Object;
}

void BenchInteraction::Image1MouseMove(int, int x, int y) {
  mouse_pos = {x, y};
  if (band_active && button_down) {
    band_rectangle(last_mouse);
    last_mouse = {x, y};
    band_rectangle(last_mouse);
    return;
  }
  if (slider_drag) {
    drag_slider(x);
    return;
  }
  if (magnet_drag) {
    drag_magnet(y);
    return;
  }
  if (wire_in_progress) rubber_line({x, y});
  if (!button_down || !dragging) return;
  if (selected_kind == -1) {
    // A bend point follows the pointer live.
    if (selected_wire >= 0 && selected_index >= 0 && selected_index < WIRE_POINTS) {
      Action action(*this, Step::MoveBend);
      bench_.wires[selected_wire].points[selected_index] = {x, y};
      redraw();
    }
    return;
  }
  if (selected_kind == 0) return;
  // The object stays put until the drop; only its outline follows.
  drag_outline(last_mouse.x - grab_offset.x, last_mouse.y - grab_offset.y);
  drag_outline(x - grab_offset.x, y - grab_offset.y);
  last_mouse = {x, y};
}

void BenchInteraction::release(int button, int x, int y) {
  mouse_pos = {x, y};
  slider_drag = magnet_drag = false;
  if (pending_kind == KIND_BLACK_BOX && band_active && x != band_start.x && y != band_start.y) {
    finish_band(x, y);
  }
  if (button == LEFT_BUTTON && selected_kind != 0 && button_down && dragging) drop(x, y);
  if (button == RIGHT_BUTTON) {
    right_release(x, y);
    return;
  }
  button_down = false;
  if (!wire_in_progress) redraw();
  if (button == LEFT_BUTTON && selected_kind == KIND_MULTIMETER && selected_index >= 0 &&
      on_multimeter_knob(selected_index, x, y)) {
    step_multimeter(selected_index, -1);
  }
  if (ui_.magnifier_visible()) ui_.refresh_magnifier();
}

void BenchInteraction::finish_band(int x, int y) {
  const int index = CountBlackBoxes(bench_);
  if (index < BLACK_BOX_SLOTS) {
    BlackBoxRecord& b = bench_.black_boxes[index];
    b = BlackBoxRecord{};
    b.in_use = 1;
    b.x = std::min(x, band_start.x);
    b.y = std::min(y, band_start.y);
    b.width = std::abs(x - band_start.x);
    b.height = std::abs(y - band_start.y);
    selected_index = index;
    changed(Step::BlackBox);
    if (dialogs_.set_up_black_box(index) == DialogOutcome::Cancelled) {
      // A box the teacher cancelled is not left on the bench.
      bench_.black_boxes[index].in_use = 0;
      CompactBlackBoxes(bench_);
      selected_index = -1;
    }
  }
  band_active = false;
  pending_kind = 0;
}

void BenchInteraction::drop(int x, int y) {
  dragging = false;
  if (selected_kind == -1) return;  // a bend point has moved already
  // Nothing can be dropped off the bench.
  if (x <= 0) x = 10;
  if (y <= 0) y = 10;
  if (x >= BenchRenderer::WIDTH) x = BenchRenderer::WIDTH - 10;
  if (y >= BenchRenderer::HEIGHT) y = BenchRenderer::HEIGHT - 10;
  // A click that grabs a part and lets go where it took hold is no move.
  if (MoveTo(bench_, selected_kind, selected_index, {x - grab_offset.x, y - grab_offset.y})) {
    changed(Step::Move);
  }
}

void BenchInteraction::right_release(int x, int y) {
  int box = -1;
  if (inside_black_box(x, y, &box)) {
    button_down = true;
    selected_index = box;
    selected_kind = KIND_BLACK_BOX;
    ui_.show_black_box_menu({x, y + 65});
    return;
  }
  const int w = wire_under(x, y, true);
  if (w >= 0) {
    wire_selected = true;
    selected_wire = w;
    selected_kind = 0;
    redraw();
    ui_.show_context_menu({x, y});
    return;
  }
  // Later records lie on top, so the last hit wins here; a right release
  // on a multimeter's range knob turns it instead of opening the menu.
  bool knob_turned = false;
  ForEachObjectAt(bench_, {x, y}, HitPurpose::Menu, [&](const Hit& h) {
    selected_kind = h.kind;
    selected_index = h.index;
    knob_turned = h.kind == KIND_MULTIMETER && on_multimeter_knob(h.index, x, y);
    return knob_turned;
  });
  if (knob_turned) {
    step_multimeter(selected_index, +1);
    button_down = false;
    return;
  }
  button_down = false;
  ui_.show_context_menu({x, y});
}

void BenchInteraction::Rotate() {
  Action action(*this, Step::Rotate);
  if (selected_index < 0) return;
  DerivePoseGeometry(bench_);
  const KindInfo* info = FindKind(selected_kind);
  if (info && info->family == Family::TwoTerminal && selected_index < TWO_TERMINAL_SLOTS) {
    ElementRecord& e = bench_.elements[selected_index];
    const RotateRule rule = RotateRuleOf(e.kind);
    if (rule != RotateRule::Fixed) {
      e.pose = RotatedPose(rule, e.pose);
      renderer_.make_fact_two_obj_pic(selected_index);
    }
  }
  redraw();
}

}  // namespace voltaro
