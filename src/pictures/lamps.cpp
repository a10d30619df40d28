// Lamps and the bell: the signal light, the electric bell and the eleven
// bulb pictures (ten brightness steps and a burnt-out bulb).

#include <QPainterPath>
#include <QPolygonF>
#include <cmath>

#include "kit.h"

namespace voltaro::pictures {

namespace {

Picture signal_light() {
  // 62 x 26, drawn one pixel lower than its half size. When the lamp
  // carries its rated current the bench fills the lens, picture (18, 1) to
  // (40, 23), with the lamp's colour. Posts (7, 12) and (52, 12).
  return drawn("xhd1.obj", 62, 26, {{7, 12}, {52, 12}}, [](QPainter& p) {
    const QRectF holder(1, 4, 60, 17);
    p.setPen(QPen(QColor(20, 20, 24), 0.8));
    p.setBrush(cylinder_x(holder, QColor(70, 74, 82)));
    p.drawRoundedRect(holder, 4, 4);
    const QPointF lens(29, 12);
    // Chrome bezel.
    QRadialGradient bezel(lens - QPointF(3, 3), 15);
    bezel.setColorAt(0, QColor(245, 245, 248));
    bezel.setColorAt(1, QColor(110, 112, 118));
    p.setPen(QPen(QColor(60, 60, 66), 0.8));
    p.setBrush(bezel);
    p.drawEllipse(lens, 12.6, 11.6);
    // The unlit lens: dark faceted glass.
    QRadialGradient glass(lens - QPointF(3, 3), 12);
    glass.setColorAt(0, QColor(150, 160, 150));
    glass.setColorAt(1, QColor(60, 68, 62));
    p.setPen(QPen(QColor(30, 34, 30), 0.7));
    p.setBrush(glass);
    p.drawEllipse(lens, 10.5, 10.5);
    p.setPen(QPen(QColor(40, 46, 42, 150), 0.5));
    for (int r = 3; r < 10; r += 3) p.drawEllipse(lens, r, r);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 110));
    p.drawEllipse(QPointF(25.5, 8.5), 3, 2);
    binding_post(p, {7, 12}, ink::black, 4);
    binding_post(p, {52, 12}, ink::red, 4);
  });
}

Picture electric_bell() {
  // 52 x 68, a bell on a narrow wall board, drawn one pixel lower than its
  // half size; screws (8, 4) and (42, 4) on brass lugs that stand out from
  // the board's top corners. Wires come up to the screws from below, in the
  // clear beside the board: the same wire then meets the bell's symbol
  // squarely in the circuit view, where its terminals sit on the leads
  // straight below the screws.
  return drawn("dl_bz.obj", 52, 68, {{8, 4}, {42, 4}}, [](QPainter& p) {
    const QRectF wall(13, 0.5, 24, 66);
    QLinearGradient g(wall.topLeft(), wall.topRight());
    g.setColorAt(0, shade(ink::wood, 1.1));
    g.setColorAt(1, shade(ink::wood, 0.8));
    p.setPen(QPen(shade(ink::wood, 0.5), 0.8));
    p.setBrush(g);
    p.drawRoundedRect(wall, 3, 3);
    // The terminal lugs.
    for (const QRectF& lug : {QRectF(3, 0.5, 13, 7), QRectF(34, 0.5, 13, 7)}) {
      p.setPen(QPen(shade(ink::brass, 0.45), 0.7));
      p.setBrush(cylinder_x(lug, ink::brass));
      p.drawRoundedRect(lug, 2, 2);
    }
    // The gong.
    const QPointF gong(25, 52);
    QRadialGradient metal(gong - QPointF(5, 5), 17);
    metal.setColorAt(0, QColor(255, 250, 225));
    metal.setColorAt(0.4, QColor(215, 185, 95));
    metal.setColorAt(1, QColor(130, 100, 40));
    p.setPen(QPen(QColor(100, 75, 30), 0.8));
    p.setBrush(metal);
    p.drawEllipse(gong, 13, 13);
    p.setBrush(QColor(90, 70, 30));
    p.drawEllipse(gong, 2, 2);
    // Leads from the lugs down to the electromagnet.
    p.setPen(QPen(ink::copper, 1.1));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(15, 7), QPointF(17, 12));
    p.drawLine(QPointF(35, 7), QPointF(33, 12));
    // Two coils of the horseshoe magnet with their iron yoke.
    const QColor iron(110, 116, 124);
    p.setPen(QPen(shade(iron, 0.45), 0.7));
    p.setBrush(cylinder_x(QRectF(15, 11, 20, 4), iron));
    p.drawRect(QRectF(15, 11, 20, 4));
    for (double x : {16.0, 26.0}) {
      const QRectF coil(x, 14, 8, 15);
      p.setPen(QPen(shade(ink::copper, 0.4), 0.7));
      p.setBrush(cylinder_y(coil, ink::copper));
      p.drawRoundedRect(coil, 1.5, 1.5);
      p.setPen(QPen(shade(ink::copper, 0.7), 0.5));
      for (double y = 16; y < 29; y += 2) p.drawLine(QPointF(x + 0.5, y), QPointF(x + 7.5, y));
    }
    // Armature on its spring, and the hammer rod down to the gong.
    p.setPen(QPen(shade(iron, 0.45), 0.7));
    p.setBrush(cylinder_x(QRectF(14, 30.5, 20, 3.5), iron));
    p.drawRect(QRectF(14, 30.5, 20, 3.5));
    p.setPen(QPen(QColor(150, 150, 155), 1.2));
    p.drawLine(QPointF(34, 32), QPointF(35.5, 32));
    p.drawLine(QPointF(35.5, 32), QPointF(35.5, 14));
    p.setPen(QPen(QColor(60, 60, 66), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(24, 34), QPointF(28, 43));
    QRadialGradient ball(QPointF(29, 44), 3.5);
    ball.setColorAt(0, QColor(170, 170, 176));
    ball.setColorAt(1, QColor(40, 40, 44));
    p.setPen(QPen(QColor(20, 20, 22), 0.6));
    p.setBrush(ball);
    p.drawEllipse(QPointF(29.5, 45), 3.2, 3.2);
    screw(p, {8, 4}, 3.2, 30);
    screw(p, {42, 4}, 3.2, 120);
  });
}

// The bulb: a clear globe on an Edison screw. Terminal A is the tab on the
// side of the thread at (3, 32), terminal B the foot contact at (15, 43).
// `glow` runs from 0 (cold) to 1 (full brightness).
void bulb(QPainter& p, double glow, bool burnt) {
  const QPointF centre(14.5, 14.5);
  // Globe and neck.
  QPainterPath globe;
  globe.addEllipse(centre, 12.5, 13);
  QPainterPath neck;
  neck.moveTo(6, 21);
  neck.cubicTo(8, 26, 9, 28, 9, 31);
  neck.lineTo(20, 31);
  neck.cubicTo(20, 28, 21, 26, 23, 21);
  neck.closeSubpath();
  globe = globe.united(neck);
  QRadialGradient glass(burnt || glow <= 0 ? QPointF(11, 9) : QPointF(14.5, 12), 16);
  if (burnt) {
    // The metal of the burnt filament has blackened the inside of the
    // globe: smoky glass, darkest at the top.
    glass.setColorAt(0, QColor(120, 114, 106));
    glass.setColorAt(0.6, QColor(78, 72, 66));
    glass.setColorAt(1, QColor(48, 44, 40));
  } else {
    // A cold bulb is grey glass; as the filament heats, the whole globe
    // fills with warm light, brighter at every step.
    const double t = glow;
    auto mix = [t](int cold, int hot) { return static_cast<int>(cold + (hot - cold) * t); };
    glass.setColorAt(0, QColor(mix(222, 255), mix(226, 255), mix(232, 235)));
    glass.setColorAt(0.55, QColor(mix(170, 255), mix(178, 222), mix(188, 80)));
    glass.setColorAt(1, QColor(mix(120, 238), mix(128, 160), mix(140, 25)));
  }
  p.setPen(QPen(burnt ? QColor(40, 36, 32) : QColor(120, 130, 140), 0.8));
  p.setBrush(glass);
  p.drawPath(globe);
  if (burnt) {
    QRadialGradient soot(QPointF(14.5, 5), 11);
    soot.setColorAt(0, QColor(18, 16, 14, 230));
    soot.setColorAt(1, QColor(18, 16, 14, 0));
    p.save();
    p.setClipPath(globe);
    p.setPen(Qt::NoPen);
    p.setBrush(soot);
    p.drawEllipse(QPointF(14.5, 5), 13, 9);
    p.restore();
  }
  // Support wires from the stem to the filament.
  p.setPen(QPen(QColor(120, 120, 125), 0.7));
  p.drawLine(QPointF(12.5, 29), QPointF(10, 13));
  p.drawLine(QPointF(16.5, 29), QPointF(19, 13));
  p.setPen(QPen(QColor(200, 205, 210), 1.6));
  p.drawLine(QPointF(14.5, 31), QPointF(14.5, 22));
  if (burnt) {
    // The filament has parted in the middle: two light stubs hang from the
    // support wires with a clear gap between them.
    p.setPen(QPen(QColor(235, 230, 215), 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(
        QPolygonF({QPointF(10, 13), QPointF(10.9, 11), QPointF(11.8, 14.5), QPointF(12.6, 17.5)}));
    p.drawPolyline(
        QPolygonF({QPointF(19, 13), QPointF(18.1, 11), QPointF(17.2, 14.5), QPointF(16.6, 12.2)}));
  }
  // The filament: a short coil between the support wires.
  QColor filament;
  if (glow <= 0)
    filament = QColor(90, 90, 95);
  else
    filament =
        QColor::fromHsvF(std::min(0.15, 0.01 + 0.14 * glow), 1.0 - 0.7 * glow, 0.65 + 0.35 * glow);
  if (glow > 0.3) {
    // Light spreading round the hot coil.
    p.save();
    p.setPen(QPen(QColor(255, 170, 40, static_cast<int>(200 * glow)), 3.2, Qt::SolidLine,
                  Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({QPointF(10, 13), QPointF(19, 13)}));
    p.restore();
  }
  QPainterPath coil(QPointF(10, 13));
  const int turns = 5;
  for (int i = 0; i < turns; ++i) {
    const double x = 10 + (i + 0.5) * 9.0 / turns;
    coil.lineTo(x, i % 2 ? 14.5 : 11);
  }
  coil.lineTo(19, 13);
  p.setPen(QPen(filament, 1.0 + 0.6 * glow));
  p.setBrush(Qt::NoBrush);
  if (!burnt) p.drawPath(coil);
  if (glow > 0.4) {
    // A hot filament blooms in the eye, wider the hotter it runs.
    const double r = 3 + 6 * glow;
    QRadialGradient bloom(QPointF(14.5, 13), r);
    bloom.setColorAt(0, QColor(255, 255, 245, static_cast<int>(250 * glow)));
    bloom.setColorAt(0.5, QColor(255, 250, 200, static_cast<int>(160 * glow)));
    bloom.setColorAt(1, QColor(255, 240, 160, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(bloom);
    p.drawEllipse(QPointF(14.5, 13), r, r * 0.8);
  }
  // Highlight on the glass.
  p.setPen(QPen(QColor(255, 255, 255, burnt ? 90 : 170), 1.2, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(5, 4, 14, 16), 110 * 16, 60 * 16);
  // Screw base with its thread, the side tab (A) and the foot (B).
  const QRectF thread(8.5, 30, 12, 11);
  p.setPen(QPen(QColor(90, 90, 96), 0.7));
  p.setBrush(cylinder_y(thread, QColor(185, 188, 194)));
  p.drawRoundedRect(thread, 1.5, 1.5);
  p.setPen(QPen(QColor(100, 100, 106), 0.9));
  for (double y = 32; y < 41; y += 2.5) p.drawLine(QPointF(9, y), QPointF(20, y + 1));
  p.setPen(QPen(QColor(90, 70, 30), 0.6));
  p.setBrush(cylinder_x(QRectF(1, 30.5, 9, 3), ink::brass));
  p.drawRoundedRect(QRectF(1, 30.5, 9, 3), 1, 1);
  p.setPen(QPen(QColor(10, 10, 10), 0.6));
  p.setBrush(QColor(30, 30, 30));
  p.drawRoundedRect(QRectF(10.5, 41, 8, 2.5), 1, 1);
  p.setPen(QPen(QColor(90, 70, 30), 0.6));
  p.setBrush(cylinder_y(QRectF(12, 42.5, 6, 4), ink::brass));
  p.drawRoundedRect(QRectF(12, 42.5, 6, 4), 1.5, 1.5);
}

Picture bulb_picture(const QString& file, double glow, bool burnt) {
  // 29 x 49 on white, the pictures of the rated-brightness chooser.
  return drawn(
      file, 29, 49, {{3, 32}, {15, 43}}, [glow, burnt](QPainter& p) { bulb(p, glow, burnt); },
      Backdrop::White);
}

}  // namespace

void add_lamps(std::vector<Picture>& out) {
  out.push_back(signal_light());
  out.push_back(electric_bell());
  // Step 1 is the cold bulb; steps 2 to 10 glow ever brighter.
  for (int step = 1; step <= 10; ++step) {
    out.push_back(bulb_picture(QStringLiteral("bulb%1.bmp").arg(step), (step - 1) / 9.0, false));
  }
  out.push_back(bulb_picture("bulb_burnt.bmp", 0, true));
}

}  // namespace voltaro::pictures
