// The induction apparatus: the magnet in the coil, the rod on its rails in a
// magnetic field, and the turning generators and motor with their coil,
// brushes, rings or commutator and the arrows of the induced voltage.

#include <cmath>
#include <optional>

#include "model/format.h"
#include "model/parameters.h"
#include "render/bench_renderer.h"

namespace voltaro {
namespace {

constexpr double PI = 3.141592653589793;

struct PointF {
  double x, y;
  PointF operator+(PointF o) const { return {x + o.x, y + o.y}; }
  PointF operator-(PointF o) const { return {x - o.x, y - o.y}; }
  PointF operator*(double k) const { return {x * k, y * k}; }
  QPoint px() const { return {Trunc(x), Trunc(y)}; }
};

void Segment(QPainter& p, PointF a, PointF b) {
  p.drawLine(a.px(), b.px());
}

void Polyline(QPainter& p, std::initializer_list<PointF> points) {
  const PointF* prev = nullptr;
  for (const PointF& pt : points) {
    if (prev) Segment(p, *prev, pt);
    prev = &pt;
  }
}

void Arrow(QPainter& p, PointF from, PointF to, PointF head1, PointF head2) {
  Segment(p, from, to);
  Segment(p, to, head1);
  Segment(p, to, head2);
}

// A filled disc of radius r round a point.
void Disc(QPainter& p, PointF centre, int r, const QColor& fill) {
  Pen(p, Qt::black);
  p.setBrush(fill);
  const QPoint c = centre.px();
  p.drawEllipse(c.x() - r, c.y() - r, 2 * r - 1, 2 * r - 1);
  p.setBrush(Qt::NoBrush);
}

// The commutator: a disc split along the diameter at screen angle t + pi/2.
// Each half is the segment joined to the coil side of its colour, so the
// red half faces the red side's lead, which leaves the axis at screen
// angle t, and the blue half faces the blue side's.
void Commutator(QPainter& p, PointF centre, double t) {
  const QPoint c = centre.px();
  const QRect box(c.x() - 9, c.y() - 9, 18, 18);
  // Screen angles grow clockwise; Qt's grow counter-clockwise.
  const int start = static_cast<int>(std::lround(-(t + PI / 2) * 180 / PI * 16));
  Pen(p, Qt::black);
  p.setBrush(QColor(250, 120, 120));
  p.drawPie(box, start, 180 * 16);
  p.setBrush(QColor(120, 120, 250));
  p.drawPie(box, start, -180 * 16);
  p.setBrush(Qt::NoBrush);
}

}  // namespace

void Draw_xianquan_and_citie(PaintContext& c, int slot) {
  QPainter& p = c.p;
  const ElementRecord& e = c.bench.elements[slot];
  const Offset h = HalfSize(e);
  // Clear the magnet's track so it can move up and down.
  Pen(p, Qt::white);
  Box(p, e.x - 32, e.y - 195, e.x + 8, e.y - h.dy + 1, Qt::white);
  DrawPicture(c, e.x - 32, Trunc(e.y - MagnetPosition(e)),
              MagnetChoice(e) >= 0 ? Pic::Magnet0 : Pic::Magnet1);
  // The coil hides the part of the magnet inside it.
  DrawPicture(c, e.x - h.dx, e.y - h.dy + 1, CoilChoice(e) >= 0 ? Pic::Coil0 : Pic::Coil1);
  DrawElementOutline(c, slot);
}

void Draw_qiege_and_jinshugan(PaintContext& c, int slot) {
  QPainter& p = c.p;
  const ElementRecord& e = c.bench.elements[slot];
  const Offset h = HalfSize(e);
  const int x = e.x, y = e.y;
  DrawPicture(c, x - h.dx, y - h.dy + 1, MagneticInduction(e) >= 0 ? Pic::Rails0 : Pic::Rails1);
  DrawPicture(c, Trunc(x - h.dx + RodPosition(e)), y - h.dy + 3, Pic::Rod);

  const double r = x - h.dx + RodPosition(e) + 2;
  Pen(p, Qt::black);
  if (std::fabs(e.current) > 0.0001) {
    const int shaft = Trunc(r) - 10;
    const int tip = e.current > 0 ? y + 15 : y - 15;
    const int back = e.current > 0 ? y + 5 : y - 5;
    Line(p, shaft, e.current > 0 ? y - 15 : y + 15, shaft, tip);
    Line(p, Trunc(r - 10), tip, Trunc(r - 13), back);
    Line(p, Trunc(r - 10), tip, Trunc(r - 7), back);
    p.setPen(CAPTION_BLUE);
    TextAt(c, ArrowLabelFont(), Trunc(x - h.dx - 18 + RodPosition(e)), y - 5, "I");
  }

  const bool speed = (e.show_params & 1) != 0;
  const bool force = (e.show_params & 2) != 0;
  double f = MagneticInduction(e) * e.current * RodLength(e);
  if (std::fabs(f) < 1e-8) f = 0;
  p.setPen(CAPTION_BLUE);
  if (speed) {
    TextAt(c, CaptionFont(), x - h.dx, y - h.dy - (force ? 30 : 15),
           "speed = " + QString::fromStdString(FormatGeneral(RodSpeed(e), 3)) + "m/s");
    Pen(p, QColor(0, 0, 250));
    const int dir = RodSpeed(e) > 0.00001 ? 1 : RodSpeed(e) < -0.00001 ? -1 : 0;
    if (dir != 0) {
      Arrow(p, {r, y - 10.0}, {r + 40 * dir, y - 10.0}, {r + 30 * dir, y - 13.0},
            {r + 30 * dir, y - 7.0});
      TextAt(c, CaptionFont(), Trunc(r + 45 * dir), y - 10, "V");
    }
  }
  if (force) {
    p.setPen(CAPTION_BLUE);
    TextAt(c, CaptionFont(), x - h.dx, y - h.dy - 15,
           "ampere force on metal rod = " + QString::fromStdString(FormatGeneral(f, 3)) + "Newton");
    Pen(p, QColor(250, 0, 0));
    const int dir = f > 1e-8 ? 1 : f < -1e-8 ? -1 : 0;
    if (dir != 0) {
      Arrow(p, {r, y + 10.0}, {r + 40 * dir, y + 10.0}, {r + 30 * dir, y + 7.0},
            {r + 30 * dir, y + 13.0});
      TextAt(c, CaptionFont(), Trunc(r + 45 * dir), y + 10, "F");
    }
  }
  DrawElementOutline(c, slot);
}

namespace {

// What tells the machines apart on the bench: the AC generator's two slip
// rings, or the commutator of the DC machines; and for the generators the
// voltage induced in the coil, whose arrows show when the parameters do.
enum class Brushes { SlipRings, Commutator };

void Machine(PaintContext& c, int slot, Brushes brushes, std::optional<double> induced) {
  QPainter& p = c.p;
  const ElementRecord& e = c.bench.elements[slot];
  const Offset h = HalfSize(e);
  const double x = e.x, y = e.y;
  const double t = CoilAngle(e);
  const bool dc = brushes == Brushes::Commutator;

  DrawPicture(c, e.x - h.dx, e.y - h.dy, Pic::PoleN);
  // The axis, seen at a slant; every point below lies on it.
  Pen(p, Qt::black, 1, Qt::DashDotLine);
  Line(p, e.x - 88, e.y + 108, Trunc(x + 33), Trunc(y - 40.5));
  const PointF a1{x - 70.4, y + 86.4}, a2{x - 52.8, y + 64.8}, a3{x - 48.4, y + 59.4},
      a4{x - 17.6, y + 21.6}, a5{x + 17.6, y - 21.6};

  // Brushes and their leads out to the terminals.
  Pen(p, Qt::black, 2);
  const PointF near_ring = dc ? a2 : a3;
  Polyline(p, {near_ring + PointF{6, 0}, near_ring + PointF{14, 8}, near_ring + PointF{60, 8}});
  if (dc) {
    Polyline(p, {a2 + PointF{-6, 0}, a2 + PointF{-14, 8}, PointF{a2.x - 14, a1.y + 8},
                 a1 + PointF{17, 8}, a1 + PointF{63, 8}});
  } else {
    Polyline(p, {a1 + PointF{9, 0}, a1 + PointF{17, 8}, a1 + PointF{63, 8}});
  }
  Pen(p, Qt::black, 1);
  Segment(p, near_ring + PointF{55, 5}, near_ring + PointF{55, 11});
  Segment(p, a1 + PointF{58, 5}, a1 + PointF{58, 11});

  if (!dc && t < PI) Disc(p, a3, 6, QColor(250, 100, 100));

  // The coil: a rectangular loop turning about the axis, drawn in two halves.
  const auto half = [&](double s, const QColor& side, const QColor& light) {
    const PointF u{s * std::cos(t), s * std::sin(t)};
    for (auto [color, width] : {std::pair{side, 3}, std::pair{light, 1}}) {
      Pen(p, color, width);
      Polyline(p, {a2 + u * 9, a4 + u * 9, a4 + u * 40, a5 + u * 40, a5});
    }
  };
  half(+1, QColor(200, 50, 50), QColor(250, 150, 150));
  half(-1, QColor(50, 50, 180), QColor(170, 170, 250));

  if (e.show_params == 1 && induced) {
    const double emf = *induced;
    double peak = std::fabs(MagneticInduction(e) * TurningSpeed(e) * 0.1);
    if (peak < 1e-8) peak = 1e-8;
    const PointF v = PointF{31.9, -39.15} * (emf / peak);
    const PointF u{std::cos(t), std::sin(t)};
    const PointF side_a{x - 16.5, y + 20.25}, side_b{x + 16.5, y - 20.25};
    Pen(p, Qt::black, 2);
    if (emf > 1e-8) {
      const PointF e1 = side_a + u * 40 + v;
      Arrow(p, side_a + u * 40, e1, e1 + PointF{-10, 6}, e1 + PointF{-4, 11});
      const PointF e2 = side_b - u * 40 - v;
      Arrow(p, side_b - u * 40, e2, e2 + PointF{10, -6}, e2 + PointF{4, -11});
    } else if (emf < -1e-8) {
      const PointF e1 = side_b + u * 40 + v;
      Arrow(p, side_b + u * 40, e1, e1 + PointF{10, -6}, e1 + PointF{4, -11});
      const PointF e2 = side_a - u * 40 - v;
      Arrow(p, side_a - u * 40, e2, e2 + PointF{-10, 6}, e2 + PointF{-4, 11});
    }
  }

  if (dc) {
    Commutator(p, a2, t);
  } else {
    if (t >= PI) Disc(p, a3, 6, QColor(250, 100, 100));
    Disc(p, a1, 9, QColor(120, 120, 250));
  }
  DrawPicture(c, e.x + 18, e.y - h.dy + 1, Pic::PoleS);
  Pen(p, Qt::black, 1);
  DrawElementOutline(c, slot);
}

}  // namespace

void Draw_JLFDJ(PaintContext& c, int slot) {
  Machine(c, slot, Brushes::SlipRings, c.bench.elements[slot].emf);
}

void Draw_ZLFDJ(PaintContext& c, int slot) {
  // The arrows follow the voltage in the coil, which changes its sign with
  // each half turn; the commutator keeps the terminals' polarity.
  const ElementRecord& e = c.bench.elements[slot];
  Machine(c, slot, Brushes::Commutator,
          std::sin(CoilAngle(e) - PI / 2) * MagneticInduction(e) * TurningSpeed(e) * 0.1);
}

void Draw_ZLDDJ(PaintContext& c, int slot) {
  Machine(c, slot, Brushes::Commutator, std::nullopt);
}

}  // namespace voltaro
