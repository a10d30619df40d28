// Operating the bench while it is live: the rheostat's slider, the magnet in
// the coil, the multimeter's range knob, switches and black boxes.

#include <algorithm>
#include <cmath>
#include <utility>

#include "interaction/bench_interaction.h"
#include "model/analysis.h"
#include "model/kinds.h"
#include "model/tables.h"

namespace voltaro {

bool BenchInteraction::grab_slider(int x, int y) {
  for (int i = 0; i < RHEOSTAT_SLOTS && bench_.rheostats[i].in_use; ++i) {
    const RheostatRecord& r = bench_.rheostats[i];
    const int k = Trunc(60 * r.slider);
    if (r.x + k - 43 < x && x < r.x + k - 15 && r.y - 22 < y && y < r.y + 2) {
      slider_drag = true;
      slider_index = i;
      return true;
    }
  }
  return false;
}

bool BenchInteraction::grab_magnet(int x, int y) {
  for (int i = 0; i < TWO_TERMINAL_SLOTS && bench_.elements[i].in_use(); ++i) {
    const ElementRecord& e = bench_.elements[i];
    if (e.kind != KIND_COIL_AND_MAGNET) continue;
    if (e.x - 32 < x && x < e.x + 8 && e.y - e.param1 < y && y < e.y - 45) {
      magnet_drag = true;
      magnet_index = i;
      magnet_last_y = y;
      return true;
    }
  }
  return false;
}

void BenchInteraction::after_analysis_view() {
  if (ui_.magnifier_visible()) ui_.refresh_magnifier();
}

void BenchInteraction::drag_slider(int x) {
  Action action(*this, Step::MoveSlider);
  RheostatRecord& r = bench_.rheostats[slider_index];
  // The knob travels 60 pixels; the slider moves in hundredths.
  const double slider = std::trunc((x - r.x + 31) * 100.0 / 60) * 0.01;
  r.slider = std::clamp(slider, 0.0, 1.0);
  DoingWhileDragging(bench_);
  after_analysis_view();
}

void BenchInteraction::drag_magnet(int y) {
  Action action(*this, Step::MoveMagnet);
  ElementRecord& e = bench_.elements[magnet_index];
  const int dy = y - magnet_last_y;
  const double old = std::trunc(e.param1);
  e.param1 = std::clamp(e.param1 - dy, 120.0, 195.0);
  // Only the change of flux in this one step induces an emf: a pulse.
  e.emf = (e.param1 - old) * e.param2 * e.param3 * 0.005;
  magnet_last_y = y;
  DoingWhileDragging(bench_);
  after_analysis_view();
}

bool BenchInteraction::on_multimeter_knob(int slot, int x, int y) const {
  if (slot < 0 || slot >= TWO_TERMINAL_SLOTS) return false;
  const ElementRecord& e = std::as_const(bench_).elements[slot];
  return e.x - 48 < x && x < e.x + 24 && e.y + 49 < y && y < e.y + 121;
}

void BenchInteraction::step_multimeter(int slot, int step) {
  changed(Step::TurnKnob);
  double& range = bench_.elements[slot].param1;
  range += step;
  if (range > 7.5) range = 0;
  if (range < -0.5) range = 7;
  doing(bench_);
}

void BenchInteraction::Image1DblClick() {
  Action action(*this, Step::Switch);
  if (selected_index < 0) return;
  if (selected_kind == KIND_SPST_SWITCH && selected_index < TWO_TERMINAL_SLOTS) {
    button_down = false;
    int32_t& open = bench_.elements[selected_index].is_open;
    open = open == 1 ? 0 : 1;
    bench_.analysis_pending = 1;
  } else if (selected_kind == KIND_SPDT_SWITCH && selected_index < SPDT_SLOTS) {
    bench_.spdts[selected_index].position = spdt_click_zone;
    bench_.analysis_pending = 1;
  }
}

void BenchInteraction::OpenBlackBox() {
  Action action(*this, Step::OpenBlackBox);
  if (selected_kind == KIND_BLACK_BOX && selected_index >= 0 && selected_index < BLACK_BOX_SLOTS &&
      bench_.black_boxes[selected_index].in_use) {
    const bool open = bench_.black_boxes[selected_index].password.empty() ||
                      dialogs_.password_matches(selected_index);
    if (open) {
      bench_.black_boxes[selected_index].in_use = 0;
      CompactBlackBoxes(bench_);
      selected_kind = 0;
      selected_index = -1;
    }
  }
  redraw();
  button_down = false;
}

}  // namespace voltaro
