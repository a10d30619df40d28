#include "render/bench_renderer.h"

#include <algorithm>
#include <cmath>

#include "model/behaviour.h"

namespace voltaro {
namespace {

// The whole-number scale of the pictures for a bench painted `scale` times
// larger: the next one up, so a picture is never enlarged.
int PictureScaleFor(double scale) {
  return std::clamp(static_cast<int>(std::ceil(scale - 0.01)), 1, PictureSet::MAX_PICTURE_SCALE);
}

bool WholeNumber(double scale) {
  return std::fabs(scale - std::round(scale)) < 1e-9;
}

}  // namespace

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
  // The drawing's changes come first and in drawing order. A diode that
  // turns re-runs the analysis from inside them, and that run's redraw only
  // applies its own changes: the picture is painted once, by the outermost
  // redraw, when the bench has come to rest.
  ++applying_rules_;
  ApplyStateRules(bench_, clock_ ? &motion_ : nullptr, clock_ ? clock_->now_ms() : 0);
  --applying_rules_;
  if (applying_rules_ > 0) return;
  if (view_scale_ == 1) {
    paint();
  } else {
    paint_view();
  }
  if (listener_) listener_->painted();
}

const QImage& BenchRenderer::view_image() const {
  if (view_scale_ == 1) return image_;
  return const_cast<BenchRenderer*>(this)->view_image(view_.rect());
}

const QImage& BenchRenderer::view_image(const QRect& part) {
  if (view_scale_ == 1) return image_;
  paint_view_part(QRegion(part & view_.rect()) - current_);
  return view_;
}

const QImage& BenchRenderer::image() const {
  // Painting it reads the bench and fills only what is kept for painting.
  if (!image_current_) const_cast<BenchRenderer*>(this)->paint();
  return image_;
}

void BenchRenderer::set_view_scale(double scale) {
  if (scale == view_scale_ || !(scale > 0)) return;
  view_scale_ = scale;
  feedback_ = QImage();
  if (scale == 1) {
    view_ = QImage();
    paint();
  } else {
    view_ = QImage(static_cast<int>(std::ceil(WIDTH * scale)),
                   static_cast<int>(std::ceil(HEIGHT * scale)), QImage::Format_RGB32);
    paint_view();
  }
  if (listener_) listener_->painted();
}

void BenchRenderer::paint_passes(PaintContext& c) {
  QPainter& p = c.p;
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
}

void BenchRenderer::paint() {
  if (painting_) return;
  painting_ = true;
  QPainter p(&image_);
  PaintContext c{p,       bench_, pictures_, *selection_, element_pictures_, state_pictures_,
                 stamps_, texts_, turned_};
  paint_passes(c);
  p.end();
  texts_.sweep();
  image_current_ = true;
  painting_ = false;
}

void BenchRenderer::paint_view() {
  if (painting_) return;
  current_ = QRegion();
  feedback_ = QImage();
  paint_view_part(QRegion(shown_.isNull() ? view_.rect() : shown_ & view_.rect()));
  // The 1:1 picture no longer shows the bench as it stands.
  image_current_ = false;
}

void BenchRenderer::paint_view_part(const QRegion& part) {
  if (painting_ || part.isEmpty()) return;
  painting_ = true;
  QPainter p(&view_);
  p.setClipRegion(part);
  p.save();
  p.scale(view_scale_, view_scale_);
  if (!WholeNumber(view_scale_)) p.setRenderHint(QPainter::SmoothPixmapTransform);
  PaintContext c{p,       bench_,      pictures_, *selection_, element_pictures_, state_pictures_,
                 stamps_, view_texts_, turned_};
  c.one_to_one = false;
  c.picture_scale = PictureScaleFor(view_scale_);
  paint_passes(c);
  p.restore();
  if (!feedback_.isNull()) {
    // Over the bench, the feedback as it stands on the rest of the picture.
    p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    p.drawImage(0, 0, feedback_);
  }
  p.end();
  view_texts_.sweep();
  current_ += part;
  painting_ = false;
}

void BenchRenderer::paint_onto(QPainter& p, const PaintTarget& target) {
  if (painting_) return;
  painting_ = true;
  p.save();
  if (!target.vector && !WholeNumber(target.scale)) {
    p.setRenderHint(QPainter::SmoothPixmapTransform);
  }
  PaintContext c{p,
                 bench_,
                 pictures_,
                 target.selection ? *selection_ : nothing_selected_,
                 element_pictures_,
                 state_pictures_,
                 stamps_,
                 other_texts_,
                 turned_};
  // At scale 1 the element pictures serve, as on the bench's own picture.
  c.one_to_one = !target.vector && target.scale == 1;
  c.picture_scale = target.vector ? PictureSet::MAX_PICTURE_SCALE : PictureScaleFor(target.scale);
  c.vector = target.vector;
  paint_passes(c);
  p.restore();
  other_texts_.sweep();
  painting_ = false;
}

QImage BenchRenderer::paint_square(Point centre, int span, int side) {
  QImage square(side, side, QImage::Format_RGB32);
  square.fill(Qt::white);
  const double scale = static_cast<double>(side) / span;
  QPainter p(&square);
  p.scale(scale, scale);
  p.translate(-(centre.x - span / 2), -(centre.y - span / 2));
  paint_onto(p, {.scale = scale});
  return square;
}

void BenchRenderer::draw_feedback(const std::function<void(QPainter&)>& draw) {
  const auto onto = [&](QImage& picture) {
    QPainter p(&picture);
    if (view_scale_ != 1) p.scale(view_scale_, view_scale_);
    p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    p.setBrush(Qt::NoBrush);
    draw(p);
  };
  if (view_scale_ == 1) {
    onto(image_);
    return;
  }
  onto(view_);
  if (!(QRegion(view_.rect()) - current_).isEmpty()) {
    // Parts yet to be painted must show it too once they are.
    if (feedback_.isNull()) {
      feedback_ = QImage(view_.size(), QImage::Format_RGB32);
      feedback_.fill(Qt::black);
    }
    onto(feedback_);
  }
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
