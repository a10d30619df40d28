// Passive parts: fixed resistor, resistance wire, resistance box, diode,
// straight lead and the fuse in its holder.

#include <QPainterPath>
#include <QPolygonF>
#include <cmath>

#include "kit.h"

namespace voltaro::pictures {

namespace {

// A tinned lead ending in a crimped eyelet round the point the wire is
// clamped to.
void lead_with_eyelet(QPainter& p, QPointF eyelet, QPointF into_body) {
  p.save();
  p.setPen(QPen(QColor(120, 122, 128), 2.2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(eyelet, into_body);
  p.setPen(QPen(QColor(205, 208, 214), 0.8, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(eyelet + QPointF(0, -0.5), into_body + QPointF(0, -0.5));
  p.setPen(QPen(QColor(90, 92, 98), 1.6));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(eyelet, 3, 3);
  p.setPen(QPen(QColor(210, 212, 218), 0.7));
  p.drawArc(QRectF(eyelet.x() - 3, eyelet.y() - 3, 6, 6), 30 * 16, 120 * 16);
  p.restore();
}

Picture fixed_resistor() {
  // 84 x 22; eyelets A (5, 11) and B (77, 11).
  return drawn("ptdz1.obj", 84, 22, {{5, 11}, {77, 11}}, [](QPainter& p) {
    lead_with_eyelet(p, {5, 11}, {26, 11});
    lead_with_eyelet(p, {77, 11}, {58, 11});
    // Ceramic body with the caps a little fatter than the middle.
    const QColor ceramic(214, 190, 140);
    QPainterPath body;
    body.moveTo(24, 6);
    body.cubicTo(24, 3, 31, 3, 32, 5.5);
    body.lineTo(52, 5.5);
    body.cubicTo(53, 3, 60, 3, 60, 6);
    body.lineTo(60, 16);
    body.cubicTo(60, 19, 53, 19, 52, 16.5);
    body.lineTo(32, 16.5);
    body.cubicTo(31, 19, 24, 19, 24, 16);
    body.closeSubpath();
    p.setPen(QPen(shade(ceramic, 0.45), 0.8));
    p.setBrush(cylinder_x(QRectF(24, 3, 36, 16), ceramic));
    p.drawPath(body);
    // Colour code of 10 ohm: brown, black, black, gold.
    const QColor bands[] = {QColor(120, 60, 20), QColor(20, 20, 20), QColor(20, 20, 20),
                            QColor(212, 168, 40)};
    const double band_x[] = {28, 35, 41, 53};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {
      const double top = (i == 0 || i == 3) ? 3.6 : 5.5;
      const QRectF band(band_x[i], top, 3, 22 - 2 * top);
      p.setBrush(cylinder_x(band, bands[i]));
      p.drawRect(band);
    }
  });
}

Picture resistance_wire() {
  // 80 x 24; posts A (3, 12) and B (77, 12) at the ends of a strip of
  // board, the nichrome wire wound in a loose coil between them.
  return drawn("dzs1.obj", 80, 24, {{3, 12}, {77, 12}}, [](QPainter& p) {
    board(p, QRectF(0.5, 6, 79, 12), 4);
    const QColor nichrome(150, 150, 158);
    p.setPen(QPen(nichrome, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(3, 12), QPointF(10, 12));
    p.drawLine(QPointF(70, 12), QPointF(77, 12));
    // The back half of each turn is darker than the front half.
    for (double x = 10; x < 70; x += 3.5) {
      p.setPen(QPen(shade(nichrome, 0.6), 1.1));
      p.drawLine(QPointF(x, 16), QPointF(x + 1.75, 8));
      p.setPen(QPen(shade(nichrome, 1.35), 1.3));
      p.drawLine(QPointF(x + 1.75, 8), QPointF(x + 3.5, 16));
    }
    text_at(p, {40, 20.5}, "Ni-Cr", 5.5, shade(ink::wood, 0.35), true);
    binding_post(p, {3.5, 12}, ink::black, 3.2);
    binding_post(p, {76.5, 12}, ink::red, 3.2);
  });
}

// A decade knob of the resistance box: black knob with its white index
// mark, the ten steps dotted round it and the multiplier printed above.
void decade_knob(QPainter& p, QPointF c, const QString& multiplier, int digit) {
  p.save();
  for (int d = 0; d < 10; ++d) {
    const QPointF dot = at_angle(c, 90 - 36 * d, 10.5);
    p.setPen(Qt::NoPen);
    p.setBrush(d == 0 ? QColor(250, 220, 90) : QColor(235, 235, 235));
    p.drawEllipse(dot, 0.9, 0.9);
  }
  QRadialGradient g(c - QPointF(2.5, 2.5), 10);
  g.setColorAt(0, QColor(120, 120, 118));
  g.setColorAt(1, QColor(10, 10, 10));
  p.setPen(QPen(QColor(0, 0, 0), 0.8));
  p.setBrush(g);
  p.drawEllipse(c, 7.5, 7.5);
  p.setPen(QPen(QColor(245, 245, 245), 1.4, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(at_angle(c, 90 - 36 * digit, 3), at_angle(c, 90 - 36 * digit, 6.5));
  text_at(p, c - QPointF(0, 15), multiplier, 7, QColor(250, 230, 150));
  p.restore();
}

Picture resistance_box() {
  // 122 x 76, seen from above; posts A (5, 20) and B (5, 54) on the left.
  return drawn("bzx.obj", 122, 76, {{5, 20}, {5, 54}}, [](QPainter& p) {
    const QRectF rim(0.5, 0.5, 121, 75);
    QLinearGradient g(rim.topLeft(), rim.bottomRight());
    g.setColorAt(0, shade(ink::wood, 1.1));
    g.setColorAt(1, shade(ink::wood, 0.75));
    p.setPen(QPen(shade(ink::wood, 0.45), 1));
    p.setBrush(g);
    p.drawRoundedRect(rim, 4, 4);
    const QRectF panel(3, 3, 116, 70);
    p.setPen(QPen(QColor(10, 10, 10), 0.8));
    p.setBrush(QColor(38, 36, 35));
    p.drawRoundedRect(panel, 2, 2);
    const char* multipliers[] = {"\u00d7100000", "\u00d710000", "\u00d71000",
                                 "\u00d7100",    "\u00d710",    "\u00d71"};
    for (int i = 0; i < 6; ++i) {
      const QPointF c(42 + 31 * (i % 3), 27 + 32 * (i / 3));
      decade_knob(p, c, QString::fromUtf8(multipliers[i]), 9);
    }
    text_at(p, {5, 37}, "\u03a9", 7, QColor(250, 230, 150), true);
    binding_post(p, {5, 20}, ink::red, 4.3);
    binding_post(p, {5, 54}, ink::black, 4.3);
  });
}

Picture diode() {
  // 66 x 16; eyelets A (7, 8) anode and B (61, 8) cathode: the silver band
  // sits at the B end, the way the current goes.
  return drawn("ejg1.obj", 66, 16, {{7, 8}, {61, 8}}, [](QPainter& p) {
    lead_with_eyelet(p, {7, 8}, {24, 8});
    lead_with_eyelet(p, {61, 8}, {44, 8});
    const QRectF body(22, 3, 22, 10);
    p.setPen(QPen(QColor(0, 0, 0), 0.8));
    p.setBrush(cylinder_x(body, QColor(45, 45, 50)));
    p.drawRoundedRect(body, 3, 3);
    const QRectF band(37, 3.2, 3.2, 9.6);
    p.setPen(Qt::NoPen);
    p.setBrush(cylinder_x(band, QColor(200, 200, 205)));
    p.drawRect(band);
    // The printed symbol on the body, pointing from A to B.
    p.setPen(QPen(QColor(190, 190, 195), 0.7));
    p.setBrush(QColor(190, 190, 195));
    QPolygonF tri;
    tri << QPointF(27, 5.5) << QPointF(32, 8) << QPointF(27, 10.5);
    p.drawPolygon(tri);
    p.drawLine(QPointF(32.5, 5.5), QPointF(32.5, 10.5));
  });
}

Picture straight_lead() {
  // 84 x 12; crimped ring lugs A (6, 6) and B (78, 6) on a red lead.
  return drawn("yincx.obj", 84, 12, {{6, 6}, {78, 6}}, [](QPainter& p) {
    const QRectF sleeve(12, 3.5, 60, 5);
    p.setPen(QPen(QColor(110, 15, 15), 0.7));
    p.setBrush(cylinder_x(sleeve, QColor(205, 35, 35)));
    p.drawRoundedRect(sleeve, 2.5, 2.5);
    for (double x : {6.0, 78.0}) {
      const double dir = x < 40 ? 1 : -1;
      const QRectF crimp(x + dir * 3 - (dir < 0 ? 6 : 0), 3.8, 6, 4.4);
      p.setPen(QPen(QColor(120, 90, 40), 0.6));
      p.setBrush(cylinder_x(crimp, ink::brass));
      p.drawRect(crimp);
      // The lug's eye, with the terminal screw of whatever it is clamped to
      // showing through.
      p.setPen(QPen(shade(ink::brass, 0.5), 1.2));
      p.setBrush(shade(ink::steel, 0.8));
      p.drawEllipse(QPointF(x, 6), 3.6, 3.6);
      p.setPen(QPen(shade(ink::brass, 1.4), 0.8));
      p.drawArc(QRectF(x - 3.6, 2.4, 7.2, 7.2), 40 * 16, 110 * 16);
    }
  });
}

// The fuse: a porcelain base with brass clamps at both ends and the thin
// lead-tin wire between them; blown, the wire has melted through in the
// middle and left a scorch mark.
Picture fuse(const QString& file, bool blown) {
  // 68 x 14, drawn one pixel lower than its half size; clamp screws
  // A (4, 6) and B (63, 6).
  return drawn(file, 68, 14, {{4, 6}, {63, 6}}, [blown](QPainter& p) {
    p.translate(0, -1);
    const QRectF base(0.5, 1.5, 67, 11);
    p.setPen(QPen(QColor(150, 150, 145), 0.8));
    p.setBrush(cylinder_x(base, QColor(236, 234, 226)));
    p.drawRoundedRect(base, 3, 3);
    const QColor wire(110, 110, 120);
    if (blown) {
      // The wire has melted away over a third of its length: soot on the
      // porcelain round the gap, and two stubs curled back with a bead of
      // solder on each. At 1:1 the gap must read at a glance.
      p.save();
      QPainterPath porcelain;
      porcelain.addRoundedRect(base, 3, 3);
      p.setClipPath(porcelain);
      QRadialGradient scorch(QPointF(34, 7), 14);
      scorch.setColorAt(0, QColor(60, 40, 25, 200));
      scorch.setColorAt(0.5, QColor(90, 65, 45, 150));
      scorch.setColorAt(1, QColor(140, 120, 100, 0));
      p.setPen(Qt::NoPen);
      p.setBrush(scorch);
      p.drawEllipse(QPointF(34, 7), 16, 8);
      p.restore();
      p.setPen(QPen(wire, 1.3, Qt::SolidLine, Qt::RoundCap));
      p.setBrush(Qt::NoBrush);
      QPainterPath left(QPointF(8, 7));
      left.quadTo(18, 7.6, 24, 7.4);
      left.quadTo(26.5, 7.2, 26, 4.8);
      p.drawPath(left);
      QPainterPath right(QPointF(60, 7));
      right.quadTo(50, 7.6, 44, 7.4);
      right.quadTo(41.5, 7.6, 42.5, 10);
      p.drawPath(right);
      p.setPen(QPen(QColor(70, 70, 78), 0.6));
      p.setBrush(QColor(150, 150, 160));
      p.drawEllipse(QPointF(26, 4.6), 1.6, 1.6);
      p.drawEllipse(QPointF(42.6, 10.2), 1.6, 1.6);
    } else {
      p.setPen(QPen(wire, 1.3, Qt::SolidLine, Qt::RoundCap));
      QPainterPath sag(QPointF(8, 7));
      sag.quadTo(34, 8.6, 60, 7);
      p.setBrush(Qt::NoBrush);
      p.drawPath(sag);
    }
    for (double x : {4.0, 63.0}) {
      const QRectF clamp(x - 4, 2.5, 8, 9);
      p.setPen(QPen(shade(ink::brass, 0.5), 0.6));
      p.setBrush(cylinder_x(clamp, ink::brass));
      p.drawRoundedRect(clamp, 1.5, 1.5);
      screw(p, {x, 7}, 3, 45);
    }
  });
}

}  // namespace

void add_passives(std::vector<Picture>& out) {
  out.push_back(fixed_resistor());
  out.push_back(resistance_wire());
  out.push_back(resistance_box());
  out.push_back(diode());
  out.push_back(straight_lead());
  out.push_back(fuse("bxs1.obj", false));
  out.push_back(fuse("bxs2.obj", true));
}

}  // namespace voltaro::pictures
