#include "render/bench_renderer.h"

#include "model/behaviour.h"
#include "model/kinds.h"

namespace voltaro {

BenchRenderer::BenchRenderer(Bench& bench, const PictureSet& pictures, Clock* clock)
    : bench_(bench),
      pictures_(pictures),
      clock_(clock),
      image_(WIDTH, HEIGHT, QImage::Format_RGB32) {
  image_.fill(Qt::white);
}

BenchRenderer::~BenchRenderer() {
  if (bench_.observer == this) bench_.observer = nullptr;
}

void BenchRenderer::attach() {
  bench_.observer = this;
}

void BenchRenderer::element_moved(int from, int to) {
  std::swap(element_pictures_[from], element_pictures_[to]);
}

void BenchRenderer::Draw_obj() {
  // The drawing's changes come first and in drawing order; a diode that
  // turns re-runs the analysis, which repaints the whole bench inside this
  // pass, so the picture is painted once the bench has come to rest.
  ApplyStateRules(bench_, clock_ ? &motion_ : nullptr, clock_ ? clock_->now_ms() : 0);
  paint();
  if (listener_) listener_->painted();
}

void BenchRenderer::paint() {
  if (painting_) return;
  painting_ = true;
  QPainter p(&image_);
  PaintContext c{p,       bench_, pictures_, *selection_, element_pictures_, state_pictures_,
                 stamps_, texts_};
  p.setPen(Qt::white);
  p.setBrush(Qt::white);
  p.drawRect(0, 0, WIDTH, HEIGHT);
  p.setBrush(Qt::NoBrush);

  const auto each_element = [&](auto&& draw) {
    for (int i = 0; i < TWO_TERMINAL_SLOTS && bench_.elements[i].in_use(); ++i) draw(i);
  };
  each_element([&](int i) {
    if (bench_.elements[i].kind == KIND_CUTTING_ROD) Draw_qiege_and_jinshugan(c, i);
  });
  each_element([&](int i) {
    if (bench_.elements[i].kind == KIND_COIL_AND_MAGNET) Draw_xianquan_and_citie(c, i);
  });
  // Draw_two_obj: every other two-terminal kind, by its own routine.
  each_element([&](int i) {
    switch (bench_.elements[i].kind) {
      case KIND_FIXED_RESISTOR:
      case KIND_VOLTAGE_SUPPLY:
      case KIND_RESISTANCE_WIRE:
      case KIND_RESISTANCE_BOX:
      case KIND_DRY_CELL:
      case KIND_STORAGE_BATTERY:
      case KIND_BATTERY_SET:
      case KIND_STORAGE_BATTERY_SET:
      case KIND_9V_BATTERY:
      case KIND_DIODE:
      case KIND_STRAIGHT_LEAD:
        DrawPlainElement(c, i);
        break;
      case KIND_DIGITAL_VOLTMETER:
      case KIND_DIGITAL_AMMETER:
      case KIND_GALVANOMETER:
      case KIND_DIGITAL_OHMMETER:
      case KIND_MULTIMETER:
        DrawInstrumentElement(c, i);
        break;
      case KIND_BULB:
      case KIND_SPST_SWITCH:
      case KIND_FUSE:
      case KIND_SIGNAL_LIGHT:
      case KIND_BELL:
        DrawSwitchingElement(c, i);
        break;
      default:
        break;
    }
  });
  Draw_ddszkg(c);
  Draw_dcjdq(c);
  Draw_hdbzq(c);
  DrawPointerMeters(c);
  each_element([&](int i) {
    const int32_t k = bench_.elements[i].kind;
    if (k == KIND_AC_GENERATOR || k == KIND_DC_MOTOR || k == KIND_DC_GENERATOR) DrawMachine(c, i);
  });
  Draw_zhu_shi_s(c);
  DrawWires(c);
  Draw_heihezi(c);
  p.end();
  texts_.sweep();
  painting_ = false;
}

void BenchRenderer::make_fact_two_obj_pic(int slot) {
  const ElementRecord& e = bench_.elements[slot];
  element_pictures_[slot] =
      TurnForPose(ComposeElementPicture(e, bench_.circuit_view != 0, pictures_), e.kind, e.pose);
}

void BenchRenderer::rebuild_all_pictures() {
  for (int i = 0; i < TWO_TERMINAL_SLOTS && bench_.elements[i].in_use(); ++i) {
    make_fact_two_obj_pic(i);
  }
}

void BenchRenderer::toggle_circuit_view() {
  bench_.circuit_view = bench_.circuit_view ? 0 : 1;
  rebuild_all_pictures();
  Draw_obj();
}

void BenchRenderer::toggle_current_direction() {
  bench_.show_current_direction = bench_.show_current_direction ? 0 : 1;
  Draw_obj();
}

}  // namespace voltaro
