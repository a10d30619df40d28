#include "render/bench_renderer.h"

#include "model/behaviour.h"

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

  // Draw_two_obj is the TwoObj pass; wires go between the notes and the
  // black boxes, which hide whatever lies under them.
  for (DrawPass pass : {DrawPass::Rods, DrawPass::Coils, DrawPass::TwoObj, DrawPass::Tables,
                        DrawPass::Machines, DrawPass::Notes}) {
    PaintPass(c, pass);
  }
  DrawWires(c);
  PaintPass(c, DrawPass::BlackBoxes);
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
