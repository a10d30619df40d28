// Sources: the adjustable supply, dry cells, the battery set, storage
// batteries and the 9 V battery. Terminal B is the positive pole of every
// source, so its post is the red one and its mark the "+".

#include <QPainterPath>
#include <QPolygonF>

#include "kit.h"

namespace voltaro::pictures {

namespace {

// A dry cell lying along x: zinc can in a printed sleeve, the carbon
// button (+) at the right end.
void dry_cell(QPainter& p, const QRectF& body, const QColor& sleeve, bool printed) {
  p.save();
  const double button_w = std::max(3.0, body.height() * 0.22);
  const QRectF button(body.right() - 1, body.center().y() - body.height() * 0.2, button_w + 1,
                      body.height() * 0.4);
  p.setPen(QPen(shade(ink::steel, 0.45), 0.7));
  p.setBrush(cylinder_x(button, ink::steel));
  p.drawRoundedRect(button, 1, 1);
  p.setPen(QPen(shade(sleeve, 0.4), 0.8));
  p.setBrush(cylinder_x(body, sleeve));
  p.drawRoundedRect(body, 2.5, 2.5);
  // Metal rims at both ends of the sleeve.
  const double rim = std::max(2.0, body.width() * 0.05);
  p.setBrush(cylinder_x(body, ink::steel));
  p.drawRoundedRect(QRectF(body.left(), body.top(), rim, body.height()), 1.5, 1.5);
  p.drawRoundedRect(QRectF(body.right() - rim, body.top(), rim, body.height()), 1.5, 1.5);
  // A light band printed round the sleeve, and the marks.
  const QColor band = shade(sleeve, 1.6);
  const QRectF stripe(body.left() + body.width() * 0.62, body.top(), body.width() * 0.1,
                      body.height());
  p.setPen(Qt::NoPen);
  p.setBrush(cylinder_x(stripe, band));
  p.drawRect(stripe);
  if (printed) {
    const double px = body.height() * 0.55;
    text_at(p, QPointF(body.right() - rim - px * 0.6, body.center().y()), "+", px, Qt::white, true);
    text_at(p, QPointF(body.left() + rim + px * 0.55, body.center().y()), "\u2212", px, Qt::white,
            true);
    text_at(p, QPointF(body.left() + body.width() * 0.38, body.center().y()), "1.5V",
            body.height() * 0.5, Qt::white, true);
  }
  p.restore();
}

// The spring plate at the end of a cell holder, with the binding screw the
// wire goes under.
void holder_end(QPainter& p, const QRectF& plate, QPointF screw_at) {
  p.save();
  p.setPen(QPen(shade(ink::steel, 0.4), 0.8));
  p.setBrush(cylinder_y(plate, ink::steel));
  p.drawRoundedRect(plate, 1.2, 1.2);
  screw(p, screw_at, plate.width() * 0.55, 60);
  p.restore();
}

// A holder tray under cells lying in a row.
void holder_tray(QPainter& p, const QRectF& tray) {
  p.save();
  QLinearGradient g(tray.topLeft(), tray.bottomLeft());
  g.setColorAt(0, QColor(70, 72, 78));
  g.setColorAt(1, QColor(34, 35, 38));
  p.setPen(QPen(QColor(20, 20, 22), 0.8));
  p.setBrush(g);
  p.drawRoundedRect(tray, 2, 2);
  p.restore();
}

Picture voltage_supply() {
  // 82 x 42, posts A (16, 2) and B (64, 2) on top of the case.
  return drawn("cjdy1.obj", 82, 42, {{16, 2}, {64, 2}}, [](QPainter& p) {
    const QColor metal(92, 110, 128);
    // Top face of the case, seen slightly from above.
    QPolygonF top;
    top << QPointF(5, 8) << QPointF(77, 8) << QPointF(80, 14) << QPointF(2, 14);
    p.setPen(QPen(shade(metal, 0.45), 0.8));
    p.setBrush(shade(metal, 1.25));
    p.drawPolygon(top);
    const QRectF front(2, 14, 78, 26);
    QLinearGradient g(front.topLeft(), front.bottomLeft());
    g.setColorAt(0, metal);
    g.setColorAt(1, shade(metal, 0.7));
    p.setBrush(g);
    p.drawRoundedRect(front, 2, 2);
    // Cream front plate with the controls.
    const QRectF plate(6, 17, 70, 20);
    p.setPen(QPen(shade(ink::cream, 0.6), 0.6));
    p.setBrush(ink::cream);
    p.drawRoundedRect(plate, 1.5, 1.5);
    text_at(p, {16, 22}, "\u2212", 9, ink::black, true);
    text_at(p, {64, 22}, "+", 9, ink::red, true);
    text_at(p, {16, 32}, "DC", 8, ink::print);
    // Voltage knob with its printed arc of settings.
    const QPointF knob(40, 27);
    arc(p, knob, 8.5, -40, 220, 0.6);
    for (int i = 0; i <= 6; ++i) tick(p, knob, 220 - i * 260.0 / 6, 8.5, 10, 0.6);
    p.setPen(QPen(QColor(10, 10, 10), 0.8));
    QRadialGradient kg(knob - QPointF(2, 2), 8);
    kg.setColorAt(0, QColor(110, 110, 110));
    kg.setColorAt(1, QColor(20, 20, 20));
    p.setBrush(kg);
    p.drawEllipse(knob, 6.5, 6.5);
    p.setPen(QPen(Qt::white, 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(knob, at_angle(knob, 120, 5.5));
    // Pilot lamp.
    QRadialGradient lamp(QPointF(62, 30), 3);
    lamp.setColorAt(0, QColor(255, 190, 160));
    lamp.setColorAt(1, QColor(190, 20, 10));
    p.setPen(QPen(QColor(90, 10, 5), 0.6));
    p.setBrush(lamp);
    p.drawEllipse(QPointF(63, 31), 2.6, 2.6);
    text_at(p, {70.5, 31}, "ON", 6, ink::print);
    post_side(p, {16, 3}, ink::black, 8, 9);
    post_side(p, {64, 3}, ink::red, 8, 9);
  });
}

Picture dry_cell_in_holder() {
  // 94 x 28, screws A (4, 14) and B (90, 14) on the end plates.
  return drawn("gdc1.obj", 94, 28, {{4, 14}, {90, 14}}, [](QPainter& p) {
    holder_tray(p, QRectF(1, 19, 92, 7));
    dry_cell(p, QRectF(9, 5, 72, 18), QColor(40, 120, 70), true);
    holder_end(p, QRectF(1, 3, 6, 22), {4, 14});
    holder_end(p, QRectF(87, 3, 6, 22), {90, 14});
  });
}

Picture battery_set() {
  // 104 x 36, cells in a holder; screws A (4, 18) and B (100, 18). The set
  // holds as many cells as its dialog says, so the tray names the cell, not
  // a count; the poles are marked at the ends, + at B.
  return drawn("gdcz.obj", 104, 36, {{4, 18}, {100, 18}}, [](QPainter& p) {
    holder_tray(p, QRectF(1, 23, 102, 11));
    for (int i = 0; i < 4; ++i) {
      dry_cell(p, QRectF(9 + i * 22, 10, 18.5, 15), QColor(40, 120, 70), false);
    }
    text_at(p, {52, 29}, "1.5V cells", 7.5, QColor(235, 235, 235), true);
    text_at(p, {14, 28.5}, "\u2212", 11, QColor(240, 240, 240), true);
    text_at(p, {90, 28.5}, "+", 11, QColor(255, 90, 75), true);
    holder_end(p, QRectF(1, 6, 6, 24), {4, 18});
    holder_end(p, QRectF(97, 6, 6, 24), {100, 18});
  });
}

// A lead-acid cell's case seen from the front and slightly above: lid as a
// parallelogram, ribbed front. No lettering but + and -, which read the
// same when the bench mirrors the picture.
void acid_case(QPainter& p, const QPolygonF& lid, const QRectF& front, const QColor& body) {
  p.save();
  p.setPen(QPen(shade(body, 0.4), 0.8));
  p.setBrush(shade(body, 1.35));
  p.drawPolygon(lid);
  QLinearGradient g(front.topLeft(), front.topRight());
  g.setColorAt(0, shade(body, 0.8));
  g.setColorAt(0.35, shade(body, 1.15));
  g.setColorAt(1, shade(body, 0.6));
  p.setBrush(g);
  p.drawRect(front);
  p.setPen(QPen(shade(body, 0.65), 0.7));
  for (double x = front.left() + 4; x < front.right() - 2; x += 5) {
    p.drawLine(QPointF(x, front.top() + 12), QPointF(x, front.bottom() - 4));
  }
  p.restore();
}

Picture storage_battery() {
  // 64 x 82, posts A (20, 8) and B (44, 8) on the lid.
  return drawn("xdc.obj", 64, 82, {{20, 8}, {44, 8}}, [](QPainter& p) {
    const QColor body(58, 66, 60);
    QPolygonF lid;
    lid << QPointF(8, 4) << QPointF(60, 4) << QPointF(56, 20) << QPointF(4, 20);
    acid_case(p, lid, QRectF(4, 20, 52, 60), body);
    // Right-hand side face, in the same light as the lid.
    QPolygonF side;
    side << QPointF(56, 20) << QPointF(60, 4) << QPointF(60, 64) << QPointF(56, 80);
    p.setPen(QPen(shade(body, 0.4), 0.8));
    p.setBrush(shade(body, 0.55));
    p.drawPolygon(side);
    // Vent plug between the posts.
    p.setBrush(QColor(200, 70, 40));
    p.setPen(QPen(QColor(90, 30, 15), 0.6));
    p.drawEllipse(QPointF(32, 12), 3.5, 2.2);
    text_at(p, {20, 28}, "\u2212", 10, QColor(235, 235, 235), true);
    text_at(p, {44, 28}, "+", 10, QColor(255, 110, 100), true);
    // Level marks of the acid, moulded into the front.
    p.setPen(QPen(shade(body, 1.6), 0.7));
    p.drawLine(QPointF(8, 38), QPointF(52, 38));
    p.drawLine(QPointF(8, 44), QPointF(52, 44));
    post_side(p, {20, 8}, QColor(70, 70, 70), 8, 10);
    post_side(p, {44, 8}, ink::red, 8, 10);
  });
}

Picture storage_battery_set() {
  // 86 x 98: three cells in one crate seen from the front-left, the lid
  // receding up and to the right. A (21, 20) is the first cell's - post at
  // the front, B (63, 8) the last cell's + post at the back.
  return drawn("xdcz.obj", 86, 98, {{21, 20}, {63, 8}}, [](QPainter& p) {
    const QColor body(58, 66, 60);
    const double shear = 22.0 / 24.0;  // x gained per pixel of depth
    auto on_lid = [shear](double front_x, double depth) {
      return QPointF(front_x + shear * depth, 28 - depth);
    };
    const double cell = 18.5, x0 = 4.45;
    QPolygonF lid;
    lid << on_lid(x0, 0) << on_lid(x0 + 3 * cell, 0) << on_lid(x0 + 3 * cell, 24) << on_lid(x0, 24);
    acid_case(p, lid, QRectF(x0, 28, 3 * cell, 68), body);
    QPolygonF side;
    side << on_lid(x0 + 3 * cell, 0) << on_lid(x0 + 3 * cell, 24) << QPointF(82, 72)
         << QPointF(x0 + 3 * cell, 96);
    p.setPen(QPen(shade(body, 0.4), 0.8));
    p.setBrush(shade(body, 0.55));
    p.drawPolygon(side);
    // Walls between the cells, on the lid and down the front.
    p.setPen(QPen(shade(body, 0.45), 1));
    for (int i = 1; i < 3; ++i) {
      const double x = x0 + i * cell;
      p.drawLine(on_lid(x, 0), on_lid(x, 24));
      p.drawLine(QPointF(x, 28), QPointF(x, 96));
    }
    // Each cell: - post at the front of its lid, + post at the back, and a
    // lead strap from one cell's + to the next cell's -.
    std::vector<QPointF> minus, plus;
    for (int i = 0; i < 3; ++i) {
      const double cx = x0 + cell * (i + 0.5) - 0.8;
      minus.push_back(on_lid(cx, 8.7));
      plus.push_back(on_lid(cx - 10.5, 20) + QPointF(11, 0));
    }
    p.setPen(QPen(QColor(95, 95, 100), 3.4, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 2; ++i) p.drawLine(plus[i], minus[i + 1]);
    p.setPen(QPen(QColor(185, 185, 190), 1.4, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 2; ++i) p.drawLine(plus[i], minus[i + 1]);
    for (int i = 0; i < 3; ++i) {
      const bool outer_minus = i == 0, outer_plus = i == 2;
      post_side(p, plus[i], outer_plus ? ink::red : QColor(90, 90, 90), outer_plus ? 8 : 5,
                outer_plus ? 10 : 6);
      post_side(p, minus[i], outer_minus ? QColor(60, 60, 60) : QColor(90, 90, 90),
                outer_minus ? 8 : 5, outer_minus ? 10 : 6);
    }
    text_at(p, {13, 36}, "\u2212", 10, QColor(235, 235, 235), true);
    text_at(p, {51, 36}, "+", 10, QColor(255, 110, 100), true);
  });
}

Picture nine_volt() {
  // 40 x 80, snaps A (12, 6) and B (28, 6) on top.
  return drawn("9vdc.obj", 40, 80, {{12, 6}, {28, 6}}, [](QPainter& p) {
    const QRectF body(4, 11, 32, 67);
    // Metal top plate, then the printed wrapper.
    p.setPen(QPen(QColor(60, 60, 66), 0.8));
    p.setBrush(cylinder_y(body, QColor(40, 46, 70)));
    p.drawRoundedRect(body, 3, 3);
    const QRectF cap(4, 11, 32, 7);
    p.setBrush(cylinder_y(cap, ink::steel));
    p.drawRoundedRect(cap, 2.5, 2.5);
    const QRectF band(4.6, 44, 30.8, 14);
    p.setPen(Qt::NoPen);
    p.setBrush(cylinder_y(band, QColor(235, 170, 30)));
    p.drawRect(band);
    text_at(p, {20, 32}, "9V", 13, Qt::white, true);
    text_at(p, {20, 51}, "6F22", 7, QColor(40, 30, 10), true);
    // The - snap is the larger hexagon, the + snap the small round stud.
    QPolygonF hex;
    for (int i = 0; i < 6; ++i) {
      hex << QPointF(12 + 5.2 * std::cos(M_PI / 3 * i), 6.5 + 4.2 * std::sin(M_PI / 3 * i));
    }
    p.setPen(QPen(QColor(70, 70, 76), 0.8));
    p.setBrush(cylinder_y(QRectF(6, 2, 12, 9), ink::steel));
    p.drawPolygon(hex);
    p.setBrush(QColor(90, 92, 98));
    p.drawEllipse(QPointF(12, 6.5), 2.2, 1.6);
    const QRectF stud(25, 3, 6, 8);
    p.setBrush(cylinder_y(stud, ink::steel));
    p.drawRoundedRect(stud, 2.5, 2.5);
    text_at(p, {12, 15}, "\u2212", 7, ink::black, true);
    text_at(p, {28, 15}, "+", 7, ink::red, true);
  });
}

}  // namespace

void add_sources(std::vector<Picture>& out) {
  out.push_back(voltage_supply());
  out.push_back(dry_cell_in_holder());
  out.push_back(battery_set());
  out.push_back(storage_battery());
  out.push_back(storage_battery_set());
  out.push_back(nine_volt());
}

}  // namespace voltaro::pictures
