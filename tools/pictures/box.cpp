// The components box's own pictures of the induction apparatus: small
// drawings made for the button size, one per apparatus, so that the coil
// and magnet, the rod on its rails and the three machines can be told apart
// at a glance. The machines share the field magnet and the loop and differ
// where they differ in the classroom: slip rings and a sine wave for the AC
// generator, a split-ring commutator and a one-way wave for the DC
// generator, a commutator and a turning arrow for the motor.

#include <QPainterPath>
#include <QPolygonF>
#include <cmath>

#include "pictures/kit.h"
#include "windows.h"

namespace voltaro::pictures {

namespace {

// The pictures are 48 x 36; they are drawn on a grid of 54 x 40 units.
constexpr int W = 48, H = 36;
constexpr double GRID_W = 54, GRID_H = 40;

template <typename Draw>
Picture small(const QString& file, Draw draw) {
  return drawn(file, W, H, {}, [draw](QPainter& p) {
    p.scale(W / GRID_W, H / GRID_H);
    draw(p);
  });
}

const QColor NORTH(205, 40, 40);
const QColor SOUTH(40, 80, 180);
const QColor LOOP_RED(200, 50, 50);
const QColor LOOP_BLUE(50, 50, 180);

// A pole block with its face hollowed toward the loop.
void pole_block(QPainter& p, double left, double right, bool north) {
  const QColor body = north ? NORTH : SOUTH;
  const double top = 12, bottom = 33;
  const double inner = north ? right : left, outer = north ? left : right;
  const double hollow = north ? -3.5 : 3.5;
  const QPainterPath front = hollow_pole_face(outer, inner, top, bottom, hollow);
  QPolygonF lid;
  lid << QPointF(outer, top) << QPointF(inner, top) << QPointF(inner + 3, top - 3)
      << QPointF(outer + 3, top - 3);
  p.setPen(QPen(shade(body, 0.4), 0.7));
  p.setBrush(shade(body, 1.35));
  p.drawPolygon(lid);
  QLinearGradient g(QPointF(outer, 0), QPointF(inner, 0));
  g.setColorAt(0, shade(body, 0.8));
  g.setColorAt(1, shade(body, 1.15));
  p.setBrush(g);
  p.drawPath(front);
  text_at(p, {(outer + inner) / 2 + (north ? -1 : 1), 23}, north ? "N" : "S", 9, Qt::white, true);
}

// The field magnet and the loop turning between its poles, its two sides
// in the bench's colours, and the axle down to what sits on it at (27, 36).
void machine_core(QPainter& p) {
  pole_block(p, 1, 15, true);
  pole_block(p, 39, 53, false);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(40, 40, 40), 0.8, Qt::DashLine));
  p.drawLine(QPointF(27, 10), QPointF(27, 33));
  p.setPen(QPen(LOOP_RED, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPolyline(QPolygonF({QPointF(25, 32), QPointF(19, 30), QPointF(19, 14), QPointF(27, 12)}));
  p.setPen(QPen(LOOP_BLUE, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPolyline(QPolygonF({QPointF(29, 32), QPointF(35, 30), QPointF(35, 14), QPointF(27, 12)}));
}

// Two slip rings on the axle, one above the other, each with its brush.
void slip_rings(QPainter& p) {
  for (double y : {33.5, 37.5}) {
    p.setPen(QPen(QColor(120, 40, 40), 0.7));
    p.setBrush(y < 35 ? QColor(250, 100, 100) : QColor(120, 120, 250));
    p.drawEllipse(QPointF(27, y), 4.5, 1.6);
    p.setPen(QPen(ink::black, 1.2));
    p.drawLine(QPointF(y < 35 ? 31.5 : 22.5, y), QPointF(y < 35 ? 37 : 17, y));
  }
}

// A split-ring commutator: a drum of two halves with a brush at each side.
void commutator(QPainter& p) {
  const QRectF drum(23, 32, 8, 7.5);
  p.setPen(QPen(QColor(60, 30, 30), 0.7));
  p.setBrush(QColor(250, 120, 120));
  p.drawPie(drum, 90 * 16, 180 * 16);
  p.setBrush(QColor(120, 120, 250));
  p.drawPie(drum, 270 * 16, 180 * 16);
  p.setPen(QPen(ink::black, 1.6));
  p.drawLine(QPointF(17, 35.75), QPointF(22.5, 35.75));
  p.drawLine(QPointF(31.5, 35.75), QPointF(37, 35.75));
}

// The output the generator gives, drawn over the loop: one period of a
// sine for the AC generator, two humps that never go below the line for
// the DC generator.
void wave(QPainter& p, bool alternating) {
  const double x0 = 16, x1 = 38, axis = 5, amp = 3.2;
  p.setPen(QPen(QColor(120, 120, 120), 0.6));
  p.drawLine(QPointF(x0, axis), QPointF(x1, axis));
  QPainterPath curve(QPointF(x0, axis));
  for (int i = 1; i <= 40; ++i) {
    const double t = i / 40.0;
    double v = std::sin(2 * M_PI * t);
    if (!alternating) v = std::fabs(v);
    curve.lineTo(x0 + (x1 - x0) * t, axis - amp * v);
  }
  p.setPen(QPen(ink::black, 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(curve);
}

Picture ac_generator() {
  return small("box_acgen.bmp", [](QPainter& p) {
    machine_core(p);
    slip_rings(p);
    wave(p, true);
  });
}

Picture dc_generator() {
  return small("box_dcgen.bmp", [](QPainter& p) {
    machine_core(p);
    commutator(p);
    wave(p, false);
  });
}

Picture dc_motor() {
  return small("box_motor.bmp", [](QPainter& p) {
    machine_core(p);
    commutator(p);
    // The way the loop turns.
    p.setPen(QPen(QColor(20, 120, 40), 1.3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(17, 2, 20, 8), 190 * 16, -200 * 16);
    const QPointF tip(36.8, 6.8);
    p.drawLine(tip, tip + QPointF(-3.2, -0.6));
    p.drawLine(tip, tip + QPointF(0.9, -3));
  });
}

Picture coil_and_magnet() {
  // The coil lying on its side with a bar magnet being pushed into it, the
  // leads going off to a meter.
  return small("box_coil.bmp", [](QPainter& p) {
    const QColor enamel(190, 100, 50);
    const QRectF winding(24, 8, 26, 24);
    p.setPen(QPen(QColor(30, 30, 30), 0.7));
    p.setBrush(cylinder_x(QRectF(22, 6, 3.5, 28), QColor(60, 58, 56)));
    p.drawRoundedRect(QRectF(22, 6, 3.5, 28), 1, 1);
    p.setPen(QPen(shade(enamel, 0.4), 0.7));
    p.setBrush(cylinder_x(winding, enamel));
    p.drawRect(winding);
    p.setPen(QPen(shade(enamel, 0.65), 0.5));
    for (double x = 25.5; x < 50; x += 2) p.drawLine(QPointF(x, 8.5), QPointF(x + 1, 31.5));
    p.setPen(QPen(QColor(30, 30, 30), 0.7));
    p.setBrush(cylinder_x(QRectF(49, 6, 3.5, 28), QColor(60, 58, 56)));
    p.drawRoundedRect(QRectF(49, 6, 3.5, 28), 1, 1);
    // The magnet: S behind, N going in first.
    const QRectF bar(2, 15, 24, 10);
    p.setPen(Qt::NoPen);
    p.setBrush(cylinder_x(bar, SOUTH));
    p.drawRect(QRectF(2, 15, 12, 10));
    p.setBrush(cylinder_x(bar, NORTH));
    p.drawRect(QRectF(14, 15, 12, 10));
    p.setPen(QPen(QColor(30, 30, 30), 0.7));
    p.setBrush(Qt::NoBrush);
    p.drawRect(bar);
    text_at(p, {8, 20}, "S", 8, Qt::white, true);
    text_at(p, {19.5, 20}, "N", 8, Qt::white, true);
    // The push.
    p.setPen(QPen(QColor(20, 120, 40), 1.3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(3, 9), QPointF(16, 9));
    p.drawLine(QPointF(16, 9), QPointF(13, 7));
    p.drawLine(QPointF(16, 9), QPointF(13, 11));
    // Leads from the winding's ends.
    p.setPen(QPen(shade(ink::copper, 0.7), 1.5));
    p.drawLine(QPointF(30, 32), QPointF(30, 39));
    p.drawLine(QPointF(44, 32), QPointF(44, 39));
  });
}

Picture cutting_rod() {
  // Two rails in a field into the page, the rod lying across them and the
  // way it is pushed.
  return small("box_rod.bmp", [](QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(236, 242, 250));
    p.drawRect(QRectF(1, 7, 52, 26));
    const QColor mark(70, 90, 150);
    p.setPen(QPen(mark, 0.9, Qt::SolidLine, Qt::RoundCap));
    for (double y : {13.5, 26.5}) {
      for (double x : {6.0, 15.0, 42.0, 50.0}) {
        p.drawLine(QPointF(x - 2, y - 2), QPointF(x + 2, y + 2));
        p.drawLine(QPointF(x - 2, y + 2), QPointF(x + 2, y - 2));
      }
    }
    for (double y : {5.0, 35.0}) {
      const QRectF rail(1, y - 2, 52, 4);
      p.setPen(QPen(shade(ink::brass, 0.45), 0.6));
      p.setBrush(cylinder_x(rail, ink::brass));
      p.drawRoundedRect(rail, 1, 1);
    }
    const QRectF rod(23, 2, 4, 36);
    p.setPen(QPen(QColor(90, 50, 25), 0.6));
    p.setBrush(cylinder_y(rod, QColor(180, 110, 60)));
    p.drawRect(rod);
    p.setPen(QPen(QColor(0, 0, 250), 1.3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(29, 20), QPointF(38, 20));
    p.drawLine(QPointF(38, 20), QPointF(35, 17.5));
    p.drawLine(QPointF(38, 20), QPointF(35, 22.5));
  });
}

}  // namespace

void add_box(std::vector<Picture>& out) {
  out.push_back(coil_and_magnet());
  out.push_back(cutting_rod());
  out.push_back(dc_motor());
  out.push_back(dc_generator());
  out.push_back(ac_generator());
}

}  // namespace voltaro::pictures
