// The multimeter: a pointer instrument with a range knob.
//
// The bench draws the needle and the knob's pointer on top of this picture.
// Its needle turns about picture point (144, 192), hidden under the panel,
// and shows above picture row 132; zero is at 135 degrees and full scale at
// 45. The knob turns about (144, 245); position n points 45 degrees
// clockwise of straight up per step, so each range is printed where the
// knob points at it.

#include <QFontMetricsF>
#include <QPainterPath>
#include <cmath>

#include "kit.h"

namespace voltaro::pictures {

namespace {

// Pixel centres of the points the bench draws from.
const QPointF NEEDLE_PIVOT(144.5, 192.5);
const QPointF KNOB(144.5, 245.5);
constexpr double WINDOW_BOTTOM = 132;
constexpr double ZERO = 135, FULL = 45;
// Each kind of range has its colour on the knob and on the scale it is read
// on: green ohms, red milliamperes, blue volts.
const QColor OHM_INK(20, 110, 50), AMP_INK(170, 40, 30);

// Needle angle for a fraction of full deflection.
double deflected(double fraction) {
  return ZERO - (ZERO - FULL) * fraction;
}

// The resistance ranges put an internal 1 V cell behind 14.8, 148 or 1480
// ohm: the needle deflects by 14.8 / (14.8 + R) on the x1 range, so the
// scale is printed in x1 ohms with 15 at its middle.
double ohm_fraction(double ohm) {
  return 14.8 / (14.8 + ohm);
}

void ohm_scale(QPainter& p) {
  const double r = 166;
  arc(p, NEEDLE_PIVOT, r, FULL, ZERO, 1.0);
  const double minor[] = {0.5, 1.5, 3, 4, 6, 7, 8, 9, 12, 25, 40, 150, 300, 500, 1000};
  for (double v : minor) tick(p, NEEDLE_PIVOT, deflected(ohm_fraction(v)), r, r + 4, 0.7);
  const double labelled[] = {0, 1, 2, 5, 10, 15, 20, 30, 50, 100, 200};
  for (double v : labelled) {
    const double a = deflected(ohm_fraction(v));
    tick(p, NEEDLE_PIVOT, a, r, r + 7, 1.1);
    number_at(p, NEEDLE_PIVOT, a, r + 14, QString::number(v), 9, OHM_INK, true);
  }
  tick(p, NEEDLE_PIVOT, ZERO, r, r + 7, 1.1);
  number_at(p, NEEDLE_PIVOT, ZERO, r + 14, "\u221e", 12, OHM_INK, true);
  number_at(p, NEEDLE_PIVOT, ZERO + 6, r + 2, "\u03a9", 11, OHM_INK, true);
}

// Mirror band under the resistance scale: the pupil reads with the needle
// covering its own reflection.
void mirror(QPainter& p) {
  QPainterPath band;
  const double outer = 160, inner = 154;
  const QRectF o(NEEDLE_PIVOT.x() - outer, NEEDLE_PIVOT.y() - outer, 2 * outer, 2 * outer);
  const QRectF i(NEEDLE_PIVOT.x() - inner, NEEDLE_PIVOT.y() - inner, 2 * inner, 2 * inner);
  band.arcMoveTo(o, FULL);
  band.arcTo(o, FULL, ZERO - FULL);
  band.arcTo(i, ZERO, FULL - ZERO);
  band.closeSubpath();
  QLinearGradient g(QPointF(0, 30), QPointF(300, 30));
  for (int k = 0; k <= 6; ++k) {
    g.setColorAt(k / 6.0, k % 2 ? QColor(235, 238, 242) : QColor(175, 182, 190));
  }
  p.setPen(QPen(QColor(120, 125, 130), 0.6));
  p.setBrush(g);
  p.drawPath(band);
}

// The linear scale shared by the current range and the three voltage
// ranges. Full scale is what the knob's label says: 100 mA, 10 V, 50 V or
// 250 V. Each range has its own row of numbers ending in that figure, so
// the pupil reads the milliamperes or volts straight off the row, with no
// factor to remember: the current row, red like its knob label, nearest
// the arc, the volt rows below it.
void linear_scale(QPainter& p) {
  const double r = 148;
  arc(p, NEEDLE_PIVOT, r, FULL, ZERO, 1.0);
  for (int i = 0; i <= 50; ++i) {
    const double a = deflected(i / 50.0);
    const double len = i % 10 == 0 ? 8 : i % 5 == 0 ? 6 : 3.5;
    tick(p, NEEDLE_PIVOT, a, r - len, r, i % 10 == 0 ? 1.1 : 0.7);
  }
  const struct Row {
    double radius;
    int full_scale;
    QColor colour;
  } rows[] = {
      {133, 100, AMP_INK}, {122, 10, ink::print}, {111, 50, ink::print}, {100, 250, ink::print}};
  for (const Row& row : rows) {
    for (int i = 0; i <= 5; ++i) {
      number_at(p, NEEDLE_PIVOT, deflected(i / 5.0), row.radius,
                QString::number(row.full_scale * i / 5), 8.5, row.colour, true);
    }
  }
  number_at(p, NEEDLE_PIVOT, ZERO + 7, 134, "mA", 8, AMP_INK, true);
  number_at(p, NEEDLE_PIVOT, ZERO + 7, 115, "V", 10, ink::blue, true);
  text_at(p, {258, 122}, "DC", 8, ink::print, true);
}

// One range of the knob: a dot where the pointer rests and its name beyond.
void range_label(QPainter& p, int position, const QString& text, const QColor& colour) {
  // Knob positions turn clockwise from straight up; in the scale's own
  // counter-clockwise degrees that is 90 - 45 n.
  const double a = 90 - 45.0 * position;
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawEllipse(at_angle(KNOB, a, 41.5), 1.8, 1.8);
  const QFont f = font_px(10, true);
  const QFontMetricsF m(f);
  const double w = m.horizontalAdvance(text), h = m.capHeight();
  const double rad = a * M_PI / 180;
  const double reach = 47 + std::abs(std::cos(rad)) * w / 2 + std::abs(std::sin(rad)) * h / 2;
  p.restore();
  text_at(p, at_angle(KNOB, a, reach), text, 10, colour, true);
}

void range_knob(QPainter& p) {
  // The bench draws the knob's pointer as a thin dark red triangle that
  // reaches 36 pixels out from the centre: the knob is a light cap with a
  // dark knurled rim just beyond that reach, so the pointer stands out on
  // it in every position.
  QRadialGradient skirt(KNOB, 40);
  skirt.setColorAt(0.9, QColor(40, 40, 42));
  skirt.setColorAt(1.0, QColor(80, 80, 82));
  p.setPen(QPen(QColor(5, 5, 5), 1));
  p.setBrush(skirt);
  p.drawEllipse(KNOB, 39, 39);
  p.setPen(QPen(QColor(95, 95, 98), 0.8));
  for (int i = 0; i < 48; ++i) tick(p, KNOB, i * 7.5, 37.6, 38.8, 0.8);
  QRadialGradient top(KNOB - QPointF(12, 12), 56);
  top.setColorAt(0, QColor(250, 250, 246));
  top.setColorAt(0.6, QColor(214, 214, 208));
  top.setColorAt(1, QColor(170, 170, 166));
  p.setPen(QPen(QColor(90, 90, 92), 0.8));
  p.setBrush(top);
  p.drawEllipse(KNOB, 37.5, 37.5);
  // A shallow dish in the middle of the cap.
  p.setPen(QPen(QColor(150, 150, 146), 0.8));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(KNOB, 12, 12);
  range_label(p, 0, "\u03a9\u00d710", OHM_INK);
  range_label(p, 1, "\u03a9\u00d71", OHM_INK);
  range_label(p, 2, "100mA", AMP_INK);
  range_label(p, 3, "10V", ink::blue);
  range_label(p, 4, "50V", ink::blue);
  range_label(p, 5, "250V", ink::blue);
  range_label(p, 6, "OFF", ink::print);
  range_label(p, 7, "\u03a9\u00d7100", OHM_INK);
}

// A banana socket in the panel, with its colour ring.
void socket(QPainter& p, QPointF at, const QColor& ring) {
  p.save();
  p.setPen(QPen(shade(ring, 0.5), 1));
  p.setBrush(cylinder_y(QRectF(at.x() - 6.5, at.y() - 6.5, 13, 13), ring));
  p.drawEllipse(at, 6.5, 6.5);
  QRadialGradient hole(at, 4);
  hole.setColorAt(0, QColor(0, 0, 0));
  hole.setColorAt(1, QColor(60, 60, 60));
  p.setBrush(hole);
  p.setPen(QPen(QColor(190, 170, 110), 1.1));
  p.drawEllipse(at, 3.5, 3.5);
  p.restore();
}

Picture multimeter() {
  // 312 x 320; sockets A (304, 245) "+" and B (304, 280) "COM".
  return drawn("wanyb.obj", 312, 320, {{144, 192}, {144, 245}, {304, 245}, {304, 280}},
               [](QPainter& p) {
                 const QRectF body(1, 1, 310, 318);
                 QLinearGradient g(body.topLeft(), body.bottomLeft());
                 g.setColorAt(0, QColor(74, 78, 84));
                 g.setColorAt(1, QColor(44, 46, 50));
                 p.setPen(QPen(QColor(15, 15, 18), 1.2));
                 p.setBrush(g);
                 p.drawRoundedRect(body, 12, 12);
                 // Front panel below the window.
                 const QRectF panel(8, 138, 296, 174);
                 p.setPen(QPen(QColor(25, 25, 28), 0.8));
                 p.setBrush(QColor(200, 200, 194));
                 p.drawRoundedRect(panel, 6, 6);
                 // The window and its dial face.
                 const QRectF face(8, 6, 280, WINDOW_BOTTOM - 6);
                 QLinearGradient fg(face.topLeft(), face.bottomLeft());
                 fg.setColorAt(0, QColor(250, 248, 236));
                 fg.setColorAt(1, QColor(236, 232, 214));
                 p.setPen(QPen(QColor(10, 10, 10), 1.5));
                 p.setBrush(fg);
                 p.drawRoundedRect(face, 6, 6);
                 ohm_scale(p);
                 mirror(p);
                 linear_scale(p);
                 // The needle's pivot lies far below the window, so the
                 // needle comes up from under the window's lower edge
                 // wherever it stands: a shadow along that edge, no boss.
                 QLinearGradient lip(QPointF(0, WINDOW_BOTTOM - 7), QPointF(0, WINDOW_BOTTOM));
                 lip.setColorAt(0, QColor(0, 0, 0, 0));
                 lip.setColorAt(1, QColor(0, 0, 0, 90));
                 p.setPen(Qt::NoPen);
                 p.setBrush(lip);
                 p.drawRect(QRectF(9, WINDOW_BOTTOM - 7, 278, 6.5));
                 // Glass reflection.
                 QPainterPath shine;
                 shine.moveTo(14, 10);
                 shine.lineTo(90, 10);
                 shine.lineTo(40, 70);
                 shine.lineTo(12, 70);
                 shine.closeSubpath();
                 p.setBrush(QColor(255, 255, 255, 36));
                 p.drawPath(shine);
                 // Maker's plate and the two adjusters.
                 text_at(p, {76, 158}, "ZENTRIK", 13, ink::print, true);
                 text_at(p, {76, 173}, "MULTIMETER", 8, ink::print, true);
                 screw(p, {144.5, 152}, 5, 0);
                 text_at(p, {144.5, 164}, "ZERO", 6, ink::print, true);
                 QRadialGradient adj(QPointF(246, 160), 14);
                 adj.setColorAt(0, QColor(100, 100, 100));
                 adj.setColorAt(1, QColor(20, 20, 20));
                 p.setPen(QPen(QColor(0, 0, 0), 1));
                 p.setBrush(adj);
                 p.drawEllipse(QPointF(250, 164), 11, 11);
                 p.setPen(QPen(QColor(230, 230, 230), 1.5, Qt::SolidLine, Qt::RoundCap));
                 p.drawLine(QPointF(250, 164), QPointF(250, 155));
                 text_at(p, {250, 184}, "0\u03a9 ADJ", 7, OHM_INK, true);
                 range_knob(p);
                 socket(p, {304.5, 245.5}, QColor(200, 35, 30));
                 socket(p, {304.5, 280.5}, QColor(40, 40, 40));
                 text_at(p, {284, 245.5}, "+", 12, QColor(200, 35, 30), true);
                 text_at(p, {282, 280.5}, "COM", 7, ink::print, true);
               });
}

}  // namespace

void add_multimeter(std::vector<Picture>& out) {
  out.push_back(multimeter());
}

}  // namespace voltaro::pictures
