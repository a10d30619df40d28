// Instrument faces: the two dual-range pointer meters, the centre-zero
// galvanometer and the three digital meters.
//
// The pointer meters share one face. The bench pivots their red needle at
// picture point (59, 70), 60 pixels long, and turns it from 143.664 degrees
// for zero to 36.336 degrees for full scale, linear in the reading; the
// scale printed here follows that same rule, so the needle stands on the
// printed value.

#include <QPainterPath>
#include <QPolygonF>
#include <cmath>
#include <functional>

#include "kit.h"

namespace voltaro::pictures {

namespace {

constexpr double ZERO_DEGREES = 143.664;
constexpr double SWEEP_DEGREES = 107.328;  // from zero to full scale

// The bakelite case: body with the glass-covered dial, and the terminal
// ledge along the front with its posts. `pivot` is where the needle turns.
void meter_case(QPainter& p, QPointF pivot, const std::vector<QPointF>& posts,
                const std::vector<QString>& post_labels, const std::vector<QColor>& caps) {
  const QColor bakelite = ink::bakelite;
  const QRectF ledge(4, 88, 112, 19);
  p.setPen(QPen(QColor(0, 0, 0), 0.8));
  p.setBrush(shade(bakelite, 0.75));
  p.drawRoundedRect(ledge, 4, 4);
  const QRectF body(1, 1, 118, 91);
  QLinearGradient g(body.topLeft(), body.bottomLeft());
  g.setColorAt(0, shade(bakelite, 1.5));
  g.setColorAt(1, bakelite);
  p.setBrush(g);
  p.drawRoundedRect(body, 7, 7);
  // Dial face under the glass.
  const QRectF face(6, 6, 108, 74);
  QLinearGradient fg(face.topLeft(), face.bottomLeft());
  fg.setColorAt(0, ink::cream);
  fg.setColorAt(1, shade(ink::cream, 0.92));
  p.setPen(QPen(QColor(10, 10, 10), 1));
  p.setBrush(fg);
  p.drawRoundedRect(face, 4, 4);
  // Pivot boss and the zero-adjust screw under the window.
  QRadialGradient boss(pivot - QPointF(1.5, 1.5), 5);
  boss.setColorAt(0, QColor(110, 110, 110));
  boss.setColorAt(1, QColor(15, 15, 15));
  p.setPen(Qt::NoPen);
  p.setBrush(boss);
  p.drawEllipse(pivot, 4.2, 4.2);
  screw(p, QPointF(pivot.x(), 86), 2.6, 0);
  for (size_t i = 0; i < posts.size(); ++i) {
    text_at(p, QPointF(posts[i].x(), 93.5), post_labels[i], 7, QColor(240, 240, 240), true);
    binding_post(p, posts[i], caps[i], 4.3);
  }
}

// A light reflection across the glass, drawn last.
void glass(QPainter& p) {
  QPainterPath shine;
  shine.moveTo(10, 8);
  shine.lineTo(40, 8);
  shine.lineTo(18, 40);
  shine.lineTo(8, 40);
  shine.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 40));
  p.drawPath(shine);
}

// Thirty divisions between the zero and full-scale angles (around `mid`
// for a centre-zero scale), longer marks every five and every ten.
void scale_marks(QPainter& p, QPointF pivot, double from_degrees, double to_degrees) {
  arc(p, pivot, 56, to_degrees, from_degrees, 1.0);
  for (int i = 0; i <= 30; ++i) {
    const double a = from_degrees + (to_degrees - from_degrees) * i / 30.0;
    if (i % 10 == 0)
      tick(p, pivot, a, 47, 56, 1.3);
    else if (i % 5 == 0)
      tick(p, pivot, a, 50, 56, 1.0);
    else
      tick(p, pivot, a, 52.5, 56, 0.7);
  }
}

Picture dual_range_meter(const QString& file, const QString& symbol,
                         const std::vector<QString>& upper, const std::vector<QString>& lower,
                         const std::vector<QString>& post_labels) {
  // 120 x 108; posts at (23, 104) common, (66, 104) and (93, 104), the
  // offsets the bench gives the three terminals.
  const QPointF pivot(59.5, 70.5);  // centre of pixel (59, 70)
  return drawn(file, 120, 108, {{59, 70}, {23, 104}, {66, 104}, {93, 104}}, [=](QPainter& p) {
    meter_case(p, pivot, {{23, 104}, {66, 104}, {93, 104}}, post_labels,
               {ink::black, ink::red, ink::red});
    scale_marks(p, pivot, ZERO_DEGREES, ZERO_DEGREES - SWEEP_DEGREES);
    for (int i = 0; i <= 3; ++i) {
      const double a = ZERO_DEGREES - SWEEP_DEGREES * i / 3.0;
      number_at(p, pivot, a, 41.5, upper[i], 8.5, ink::print, true);
      number_at(p, pivot, a, 31.5, lower[i], 7, ink::blue, true);
    }
    text_at(p, {59, 50}, symbol, 13, ink::print, true);
    text_at(p, {18, 72}, "DC", 6, ink::print, true);
    text_at(p, {100, 72}, "2.5", 6, ink::print);
    glass(p);
  });
}

Picture galvanometer() {
  // 120 x 108, drawn one pixel lower than the dual-range meters: the needle
  // pivots at picture point (59, 69); posts at (23, 103) and (93, 103).
  // Centre zero at 90 degrees; the needle moves 183880 degrees per ampere
  // of reading (current times the rate), so 18.388 degrees, one numbered
  // division, is 100 uA at the rate x1 the galvanometer comes with. The
  // scale says so: its numbers count hundreds of microamperes.
  const QPointF pivot(59.5, 69.5);  // centre of pixel (59, 69)
  return drawn("lmdlj1.obj", 120, 108, {{59, 69}, {23, 103}, {93, 103}}, [=](QPainter& p) {
    p.translate(0, -1);
    meter_case(p, pivot + QPointF(0, 1), {{23, 104}, {93, 104}}, {"\u2212", "+"},
               {ink::black, ink::red});
    p.translate(0, 1);
    const double per_division = 18.388;
    const double edge = 90 + 3 * per_division;
    arc(p, pivot, 56, 90 - 3 * per_division, edge, 1.0);
    for (int i = -15; i <= 15; ++i) {
      const double a = 90 - per_division * i / 5.0;
      if (i % 5 == 0)
        tick(p, pivot, a, 47, 56, i == 0 ? 1.6 : 1.3);
      else
        tick(p, pivot, a, 52, 56, 0.7);
    }
    for (int d = -3; d <= 3; ++d) {
      number_at(p, pivot, 90 - per_division * d, 41.5, QString::number(std::abs(d)), 8.5,
                ink::print, true);
    }
    text_at(p, {59, 50}, "G", 14, ink::print, true);
    text_at(p, {21, 71}, "\u00d7100\u00b5A", 7, ink::print, true);
    glass(p);
  });
}

Picture digital_meter(const QString& file, const QString& function, const QColor& accent,
                      const QString& a_label, const QString& b_label) {
  // 72 x 70, drawn one pixel lower than its half size: the bench paints the
  // black reading window over picture (8, 29) to (64, 46) and clamps wires
  // at the sockets (19, 63) and (53, 63).
  return drawn(file, 72, 70, {{19, 63}, {53, 63}}, [=](QPainter& p) {
    const QRectF body(2, 1.5, 68, 67);
    QLinearGradient g(body.topLeft(), body.bottomLeft());
    g.setColorAt(0, QColor(96, 102, 112));
    g.setColorAt(1, QColor(58, 62, 70));
    p.setPen(QPen(QColor(25, 25, 30), 1));
    p.setBrush(g);
    p.drawRoundedRect(body, 6, 6);
    // Coloured nameplate with the quantity measured.
    const QRectF plate(7, 5, 58, 17);
    p.setPen(QPen(shade(accent, 0.5), 0.8));
    p.setBrush(cylinder_x(plate, accent));
    p.drawRoundedRect(plate, 3, 3);
    text_at(p, {24, 13.5}, function, 12, Qt::white, true);
    text_at(p, {49, 11}, "DIGITAL", 5.5, QColor(245, 245, 245), true);
    text_at(p, {49, 17}, "METER", 5.5, QColor(245, 245, 245), true);
    // Bezel round the reading window; the window itself is the bench's.
    const QRectF bezel(5, 26, 62, 23);
    p.setPen(QPen(QColor(20, 20, 22), 0.8));
    p.setBrush(QColor(150, 156, 164));
    p.drawRoundedRect(bezel, 2.5, 2.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(12, 12, 12));
    p.drawRect(QRectF(8, 29, 56, 17));
    text_at(p, {19, 53.5}, a_label, 6, QColor(235, 235, 235), true);
    text_at(p, {53, 53.5}, b_label, 6, QColor(255, 150, 140), true);
    binding_post(p, {19, 63}, ink::black, 4.5);
    binding_post(p, {53, 63}, ink::red, 4.5);
  });
}

}  // namespace

void add_meters(std::vector<Picture>& out) {
  out.push_back(digital_meter("dyb00.obj", "V", QColor(40, 90, 170), "COM", "V"));
  out.push_back(digital_meter("dlb00.obj", "A", QColor(180, 45, 40), "COM", "A"));
  out.push_back(digital_meter("omb00.obj", "\u03a9", QColor(40, 130, 80), "COM", "\u03a9"));
  out.push_back(galvanometer());
  // The terminal at offset dx 6 is the voltmeter's 3 V post but the
  // ammeter's 0.6 A post: the ammeter's low range runs through both of its
  // sections.
  out.push_back(dual_range_meter("3_15vdyb.obj", "V", {"0", "1", "2", "3"}, {"0", "5", "10", "15"},
                                 {"\u2212", "3", "15"}));
  out.push_back(dual_range_meter("06_3adlb.obj", "A", {"0", "1", "2", "3"},
                                 {"0", "0.2", "0.4", "0.6"}, {"\u2212", "0.6", "3"}));
}

}  // namespace voltaro::pictures
