// Switchgear: the knife switch, the double-throw switch, the relay and the
// slide rheostat.

#include <QPainterPath>
#include <QPolygonF>
#include <cmath>

#include "kit.h"

namespace voltaro::pictures {

namespace {

const QColor BRASS_STRIP(205, 165, 80);
const QColor PORCELAIN(238, 236, 228);

// A flat brass strip lying on the board between two points.
void strip(QPainter& p, QPointF a, QPointF b, double width = 3) {
  p.save();
  p.setPen(QPen(shade(BRASS_STRIP, 0.55), width + 1, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(a, b);
  p.setPen(QPen(BRASS_STRIP, width, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(a, b);
  p.setPen(QPen(shade(BRASS_STRIP, 1.4), 0.8, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(a - QPointF(0, width * 0.25), b - QPointF(0, width * 0.25));
  p.restore();
}

// A pair of spring jaws standing on the board; the blade drops between them.
void jaws(QPainter& p, QPointF foot, double height) {
  p.save();
  const QRectF back(foot.x() - 3, foot.y() - height, 6, height);
  p.setPen(QPen(shade(ink::brass, 0.45), 0.7));
  p.setBrush(cylinder_y(back, ink::brass));
  p.drawRoundedRect(back, 1, 1);
  p.setBrush(shade(ink::brass, 0.7));
  p.drawRect(QRectF(foot.x() - 4.5, foot.y() - 1.5, 9, 3));
  p.restore();
}

// The copper blade with its insulated grip, hinged at `hinge` and turned
// `degrees` up from lying to the right.
void blade(QPainter& p, QPointF hinge, double length, double degrees) {
  p.save();
  p.translate(hinge);
  p.rotate(-degrees);
  const QRectF metal(-2, -2, length + 2, 4);
  p.setPen(QPen(shade(ink::copper, 0.45), 0.7));
  p.setBrush(cylinder_x(metal, QColor(215, 130, 70)));
  p.drawRoundedRect(metal, 1, 1);
  // The grip stands up from the free end, square to the blade.
  const QRectF grip(length - 5, -12, 6, 10);
  p.setPen(QPen(QColor(10, 10, 10), 0.7));
  p.setBrush(cylinder_y(grip, QColor(40, 40, 42)));
  p.drawRoundedRect(grip, 2.5, 2.5);
  QRadialGradient ball(QPointF(length - 3, -13.5), 4);
  ball.setColorAt(0, QColor(240, 110, 100));
  ball.setColorAt(1, QColor(150, 20, 20));
  p.setBrush(ball);
  p.drawEllipse(QPointF(length - 2, -12.5), 3.4, 3.4);
  // Pivot pin through the hinge jaws.
  p.setBrush(shade(ink::steel, 1.2));
  p.setPen(QPen(shade(ink::steel, 0.4), 0.6));
  p.drawEllipse(QPointF(0, 0), 2, 2);
  p.restore();
}

Picture knife_switch(const QString& file, bool closed) {
  // 94 x 56, drawn one pixel lower than its half size; posts A (11, 42)
  // and B (80, 42) on the base.
  return drawn(file, 94, 56, {{11, 42}, {80, 42}}, [closed](QPainter& p) {
    board(p, QRectF(1, 30, 92, 20), 4, PORCELAIN);
    const QPointF hinge(30, 34), clip(68, 34);
    strip(p, {11, 42}, {30, 42});
    strip(p, {30, 42}, {30, 36});
    strip(p, {80, 42}, {68, 42});
    strip(p, {68, 42}, {68, 36});
    jaws(p, {68, 39}, 9);
    jaws(p, {30, 39}, 9);
    blade(p, hinge, 39, closed ? 0 : 30);
    // The front jaw of the clip covers the blade once it is home.
    if (closed) {
      const QRectF front(66, 31, 4, 8);
      p.setPen(QPen(shade(ink::brass, 0.45), 0.7));
      p.setBrush(cylinder_y(front, ink::brass));
      p.drawRoundedRect(front, 1, 1);
    }
    binding_post(p, {11, 42}, ink::black, 4.2);
    binding_post(p, {80, 42}, ink::red, 4.2);
  });
}

Picture double_throw(const QString& file, int position) {
  // 106 x 68; posts 1 (5, 43), common (53, 61) and 2 (99, 43). Position 0
  // leaves the blade standing up and to the right, 1 throws it into the
  // left clip, 2 into the right one.
  return drawn(file, 106, 68, {{5, 43}, {53, 61}, {99, 43}}, [position](QPainter& p) {
    board(p, QRectF(0.5, 30, 105, 34), 3.5, PORCELAIN);
    const QPointF hinge(53, 40);
    strip(p, {5, 43}, {20, 43});
    strip(p, {20, 43}, {20, 42});
    strip(p, {99, 43}, {86, 43});
    strip(p, {53, 61}, {53, 44});
    jaws(p, {20, 45}, 9);
    jaws(p, {86, 45}, 9);
    jaws(p, {53, 45}, 9);
    const double angle = position == 0 ? 68 : position == 1 ? 180 : 0;
    if (position == 1) {
      // Thrown to the left the grip must still stand up from the board.
      p.save();
      p.translate(hinge);
      p.scale(-1, 1);
      blade(p, QPointF(0, 0), 35, 0);
      p.restore();
    } else {
      blade(p, hinge, 35, angle);
    }
    for (double x : {20.0, 86.0}) {
      const bool home = (position == 1 && x < 50) || (position == 2 && x > 50);
      if (!home) continue;
      const QRectF front(x - 2, 37, 4, 8);
      p.setPen(QPen(shade(ink::brass, 0.45), 0.7));
      p.setBrush(cylinder_y(front, ink::brass));
      p.drawRoundedRect(front, 1, 1);
    }
    text_at(p, {13, 54}, "1", 8, ink::print, true);
    text_at(p, {93, 54}, "2", 8, ink::print, true);
    binding_post(p, {5, 43}, ink::black, 4.2);
    binding_post(p, {99, 43}, ink::black, 4.2);
    binding_post(p, {53, 61}, ink::red, 4.2);
  });
}

Picture relay(const QString& file, bool closed) {
  // 86 x 58; coil posts (7, 53) and (33, 53) on the base, contact posts
  // (81, 27) and (81, 41) on the terminal block at the right.
  return drawn(file, 86, 58, {{7, 53}, {33, 53}, {81, 27}, {81, 41}}, [closed](QPainter& p) {
    board(p, QRectF(1, 44, 84, 11), 2.5);
    // Iron yoke: up the left side of the coil to the armature hinge.
    const QColor iron(110, 116, 124);
    p.setPen(QPen(shade(iron, 0.45), 0.7));
    p.setBrush(cylinder_y(QRectF(2, 12, 5, 34), iron));
    p.drawRect(QRectF(2, 12, 5, 34));
    // The coil on its iron core.
    const QRectF core(15, 15, 10, 4);
    p.setBrush(cylinder_y(core, iron));
    p.drawRect(core);
    const QRectF coil(10, 19, 20, 26);
    p.setPen(QPen(shade(ink::copper, 0.4), 0.7));
    p.setBrush(cylinder_y(coil, ink::copper));
    p.drawRoundedRect(coil, 2, 2);
    p.setPen(QPen(shade(ink::copper, 0.7), 0.5));
    for (double y = 21; y < 44; y += 2) p.drawLine(QPointF(10.5, y), QPointF(29.5, y + 0.6));
    p.setPen(QPen(shade(ink::copper, 0.5), 1.1));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(12, 44), QPointF(7, 50));
    p.drawLine(QPointF(28, 44), QPointF(33, 50));
    // Fixed contact on its bracket from post B, and the terminal block.
    const QRectF block(73, 18, 12, 30);
    p.setPen(QPen(QColor(120, 110, 90), 0.7));
    p.setBrush(cylinder_y(block, PORCELAIN));
    p.drawRoundedRect(block, 2, 2);
    strip(p, {80, 41}, {58, 41}, 2.5);
    strip(p, {58, 41}, {58, 22}, 2.5);
    p.setPen(QPen(QColor(120, 120, 125), 0.6));
    p.setBrush(QColor(225, 225, 230));
    p.drawEllipse(QRectF(54.5, 19, 7, 3.5));
    // The armature: an iron lever hinged on the yoke, pulled down onto the
    // core when the coil carries the pick-up current, pressing its silver
    // contact onto the fixed one.
    const double tilt = closed ? 0 : 7;
    p.save();
    p.translate(4.5, 12.5);
    p.rotate(-tilt);
    p.setPen(QPen(shade(iron, 0.45), 0.7));
    p.setBrush(cylinder_x(QRectF(-2, -2, 59, 4.5), iron));
    p.drawRoundedRect(QRectF(-2, -2, 59, 4.5), 1, 1);
    p.setPen(QPen(QColor(120, 120, 125), 0.6));
    p.setBrush(QColor(225, 225, 230));
    p.drawEllipse(QRectF(50, 2.2, 7, 3.5));
    const QPointF braid_end = QPointF(56, 0);
    p.restore();
    // Flexible braid from the armature to post A.
    const double a = tilt * M_PI / 180;
    const QPointF end(4.5 + braid_end.x() * std::cos(a), 12.5 - braid_end.x() * std::sin(a));
    QPainterPath braid(end);
    braid.cubicTo(end + QPointF(10, -2), QPointF(68, 30), QPointF(80, 27));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(shade(ink::copper, 0.6), 2.2, Qt::DotLine, Qt::RoundCap));
    p.drawPath(braid);
    p.setPen(QPen(ink::copper, 1.0));
    p.drawPath(braid);
    // Hinge pin.
    p.setPen(QPen(shade(ink::steel, 0.4), 0.6));
    p.setBrush(shade(ink::steel, 1.2));
    p.drawEllipse(QPointF(4.5, 12.5), 2, 2);
    binding_post(p, {7, 53}, ink::black, 3.6);
    binding_post(p, {33, 53}, ink::black, 3.6);
    binding_post(p, {81, 27}, ink::red, 3.6);
    binding_post(p, {81, 41}, ink::red, 3.6);
  });
}

Picture slide_rheostat() {
  // 134 x 44; bar posts (4, 7) and (129, 7) at the ends of the slider bar,
  // coil posts (37, 37) and (95, 37) at the ends of the winding. The bench
  // draws the slider itself on the bar, between picture x 36 and 96.
  return drawn("hdbzq1.obj", 134, 44, {{4, 7}, {129, 7}, {37, 37}, {95, 37}}, [](QPainter& p) {
    // Porcelain tube between the two end stands.
    const QRectF tube(14, 15, 106, 18);
    p.setPen(QPen(QColor(150, 140, 120), 0.7));
    p.setBrush(cylinder_x(tube, QColor(236, 226, 200)));
    p.drawRoundedRect(tube, 3, 3);
    // The winding: close turns of enamelled wire over the slider's travel.
    const QRectF winding(33, 15.5, 66, 17);
    p.setBrush(cylinder_x(winding, QColor(176, 110, 60)));
    p.setPen(Qt::NoPen);
    p.drawRect(winding);
    p.setPen(QPen(QColor(120, 70, 35), 0.55));
    for (double x = 33.5; x < 99; x += 1.5) {
      p.drawLine(QPointF(x, 15.8), QPointF(x + 0.7, 32.2));
    }
    // Bare track where the slider's contact has worn the enamel off.
    p.setPen(QPen(QColor(230, 200, 150), 1.2));
    p.drawLine(QPointF(33, 16.2), QPointF(99, 16.2));
    // Coil end leads down to their posts.
    p.setPen(QPen(shade(ink::brass, 0.6), 1.4));
    p.drawLine(QPointF(35, 31), QPointF(37, 35));
    p.drawLine(QPointF(97, 31), QPointF(95, 35));
    // The end stands stop short of the coil posts' level: in the circuit
    // view the coil's terminals lie straight above the bar's, so a wire to
    // a coil post comes up past the stand's foot and turns in under the
    // tube, in the clear.
    for (double x : {1.5, 120.5}) {
      const QRectF stand(x, 3, 12, 28);
      p.setPen(QPen(QColor(50, 55, 60), 0.8));
      p.setBrush(cylinder_y(stand, QColor(96, 104, 112)));
      p.drawRoundedRect(stand, 1.5, 1.5);
      p.setBrush(QColor(70, 76, 82));
      p.drawRoundedRect(QRectF(x - 1, 29.5, 14, 3.5), 1.5, 1.5);
      screw(p, QPointF(x + 6, 20), 2.2, 45);
    }
    // Square slider bar above the tube.
    const QRectF bar(2, 5, 130, 4.5);
    p.setPen(QPen(QColor(60, 62, 66), 0.6));
    p.setBrush(cylinder_x(bar, QColor(175, 180, 188)));
    p.drawRect(bar);
    binding_post(p, {4, 7}, ink::black, 3.4);
    binding_post(p, {129, 7}, ink::black, 3.4);
    binding_post(p, {37, 37}, ink::black, 3.4);
    binding_post(p, {95, 37}, ink::black, 3.4);
  });
}

}  // namespace

void add_switchgear(std::vector<Picture>& out) {
  out.push_back(knife_switch("kg_1k.obj", false));
  out.push_back(knife_switch("kg_1h.obj", true));
  out.push_back(double_throw("ddszkg_k.obj", 0));
  out.push_back(double_throw("ddszkg_z.obj", 1));
  out.push_back(double_throw("ddszkg_y.obj", 2));
  out.push_back(relay("jdq_k.obj", false));
  out.push_back(relay("jdq_h.obj", true));
  out.push_back(slide_rheostat());
}

}  // namespace voltaro::pictures
