// Pictures of the program's own windows: the short-circuit warning, the
// about window and the background of the resistance-box dialog.

#include "windows.h"

#include <QPainterPath>
#include <QPolygonF>
#include <cmath>

#include "pictures/kit.h"

namespace voltaro::pictures {

namespace {

Picture warning() {
  // A warning sign with a spark jumping across a shorted pair of leads.
  Picture pic = drawn(
      "warning.bmp", 100, 88, {},
      [](QPainter& p) {
        p.fillRect(QRectF(0, 0, 100, 88), Qt::white);
        QPolygonF sign;
        sign << QPointF(50, 5) << QPointF(95, 83) << QPointF(5, 83);
        QPainterPath rounded;
        rounded.addPolygon(sign);
        rounded.closeSubpath();
        p.setPen(QPen(QColor(20, 20, 20), 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(QColor(255, 204, 0));
        p.drawPath(rounded);
        p.setPen(QPen(QColor(255, 230, 90), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawLine(QPointF(50, 13), QPointF(14, 76));
        // Two leads touching, and the flash where they meet.
        p.setPen(QPen(QColor(20, 20, 20), 3.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(22, 72), QPointF(43, 56));
        p.drawLine(QPointF(78, 72), QPointF(57, 56));
        const QPointF spark(50, 52);
        QPainterPath star;
        for (int i = 0; i < 16; ++i) {
          const double a = M_PI * i / 8 + 0.2;
          const double r = i % 2 ? 6 : 15 + (i % 4 == 0 ? 3 : 0);
          const QPointF pt(spark.x() + r * std::cos(a), spark.y() - r * std::sin(a));
          if (i == 0)
            star.moveTo(pt);
          else
            star.lineTo(pt);
        }
        star.closeSubpath();
        p.setPen(QPen(QColor(200, 40, 10), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(QColor(255, 120, 20));
        p.drawPath(star);
        QRadialGradient core(spark, 7);
        core.setColorAt(0, QColor(255, 255, 230));
        core.setColorAt(1, QColor(255, 200, 60, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(core);
        p.drawEllipse(spark, 7, 7);
        // The lightning bolt above the spark.
        QPolygonF bolt;
        bolt << QPointF(52, 18) << QPointF(41, 37) << QPointF(49, 37) << QPointF(44, 48)
             << QPointF(58, 30) << QPointF(50, 30) << QPointF(57, 18);
        p.setPen(QPen(QColor(20, 20, 20), 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(QColor(20, 20, 20));
        p.drawPolygon(bolt);
      },
      Backdrop::Opaque);
  pic.depth = Depth::Rgb24;
  pic.folder = Folder::Bin;
  return pic;
}

Picture about() {
  // The program's own mark: a lamp lit by a cell in a closed circuit,
  // with the name beside it.
  Picture pic = drawn(
      "show.bmp", 440, 180, {},
      [](QPainter& p) {
        QLinearGradient sky(QPointF(0, 0), QPointF(440, 180));
        sky.setColorAt(0, QColor(18, 40, 86));
        sky.setColorAt(1, QColor(16, 96, 118));
        p.fillRect(QRectF(0, 0, 440, 180), sky);
        // Faint squared paper, like a bench drawing.
        p.setPen(QPen(QColor(255, 255, 255, 22), 1));
        for (int x = 0; x < 440; x += 16) p.drawLine(QPointF(x + 0.5, 0), QPointF(x + 0.5, 180));
        for (int y = 0; y < 180; y += 16) p.drawLine(QPointF(0, y + 0.5), QPointF(440, y + 0.5));
        // The circuit: a loop of wire with a cell on the left side and a lamp
        // on top, glowing.
        const QColor wire(250, 200, 80);
        p.setPen(QPen(wire, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawLine(QPointF(40, 60), QPointF(40, 78));
        p.drawLine(QPointF(40, 102), QPointF(40, 140));
        p.drawLine(QPointF(40, 140), QPointF(140, 140));
        p.drawLine(QPointF(140, 140), QPointF(140, 60));
        p.drawLine(QPointF(140, 60), QPointF(110, 60));
        p.drawLine(QPointF(70, 60), QPointF(40, 60));
        // Cell symbol: long plate and short plate.
        p.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(24, 80), QPointF(56, 80));
        p.setPen(QPen(Qt::white, 7, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(32, 99), QPointF(48, 99));
        // The lamp, with its light.
        const QPointF lamp(90, 60);
        QRadialGradient glow(lamp, 46);
        glow.setColorAt(0, QColor(255, 240, 160, 230));
        glow.setColorAt(0.45, QColor(255, 200, 60, 90));
        glow.setColorAt(1, QColor(255, 180, 40, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawEllipse(lamp, 46, 46);
        p.setPen(QPen(Qt::white, 3.5));
        p.setBrush(QColor(255, 236, 150));
        p.drawEllipse(lamp, 20, 20);
        p.setPen(QPen(QColor(200, 90, 20), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(lamp + QPointF(-12, -12), lamp + QPointF(12, 12));
        p.drawLine(lamp + QPointF(-12, 12), lamp + QPointF(12, -12));
        // The current leaves the cell's long plate, goes round through the lamp
        // and comes back along the bottom.
        p.setPen(QPen(wire, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        QPolygonF head;
        head << QPointF(96, 132) << QPointF(84, 140) << QPointF(96, 148);
        p.drawPolyline(head);
        // The name.
        p.setPen(Qt::white);
        p.setFont(font_px(44, true));
        p.drawText(QRectF(180, 30, 250, 56), Qt::AlignLeft | Qt::AlignVCenter, "Zentrik");
        p.setPen(QColor(255, 214, 90));
        p.drawText(QRectF(180, 76, 250, 56), Qt::AlignLeft | Qt::AlignVCenter, "Voltaro");
        p.setPen(QColor(200, 225, 240));
        p.setFont(font_px(13));
        p.drawText(QRectF(182, 132, 250, 20), Qt::AlignLeft | Qt::AlignVCenter,
                   "V3.0  \u2022  circuit bench for school physics");
      },
      Backdrop::Opaque);
  pic.depth = Depth::Rgb24;
  pic.folder = Folder::Bin;
  return pic;
}

// The six decade dials of the resistance-box dialog. The dialog lays its
// pointers (2 degree pie segments, digit d at 90 - 36 d degrees) over
// these faces, one 56 x 56 square centred on each dial.
struct Dial {
  QPointF centre;
  const char* multiplier;
};
const Dial DIALS[] = {
    {{80, 76}, "\u00d7100000"}, {{190, 76}, "\u00d710000"}, {{300, 76}, "\u00d71000"},
    {{80, 186}, "\u00d7100"},   {{190, 186}, "\u00d710"},   {{300, 186}, "\u00d71"},
};
constexpr double DIAL_RADIUS = 28;

Picture resistance_box_dialog() {
  std::vector<QPoint> centres;
  for (const Dial& d : DIALS) centres.push_back(d.centre.toPoint());
  return drawn(
      "Formbzx.obj", 380, 250, centres,
      [](QPainter& p) {
        // Wooden case round a black panel, as on the bench's resistance box.
        QLinearGradient wood(QPointF(0, 0), QPointF(380, 250));
        wood.setColorAt(0, shade(ink::wood, 1.1));
        wood.setColorAt(1, shade(ink::wood, 0.75));
        p.fillRect(QRectF(0, 0, 380, 250), wood);
        const QRectF panel(8, 8, 364, 234);
        p.setPen(QPen(QColor(10, 10, 10), 1.5));
        p.setBrush(QColor(38, 36, 35));
        p.drawRoundedRect(panel, 6, 6);
        for (const Dial& d : DIALS) {
          const QPointF c = d.centre;
          text_at(p, c - QPointF(0, 52), QString::fromUtf8(d.multiplier), 12, QColor(250, 230, 150),
                  true);
          for (int digit = 0; digit < 10; ++digit) {
            number_at(p, c, 90 - 36 * digit, DIAL_RADIUS + 10, QString::number(digit), 11,
                      QColor(240, 240, 240), true);
          }
          p.setPen(QPen(QColor(235, 235, 235), 1.4, Qt::SolidLine, Qt::FlatCap));
          for (int digit = 0; digit < 10; ++digit) {
            const double a = 90 - 36 * digit;
            p.drawLine(at_angle(c, a, DIAL_RADIUS + 1), at_angle(c, a, DIAL_RADIUS + 4));
          }
          QRadialGradient face(c - QPointF(8, 8), DIAL_RADIUS * 1.5);
          face.setColorAt(0, QColor(250, 248, 236));
          face.setColorAt(1, QColor(200, 196, 180));
          p.setPen(QPen(QColor(0, 0, 0), 1.2));
          p.setBrush(face);
          p.drawEllipse(c, DIAL_RADIUS, DIAL_RADIUS);
          p.setPen(Qt::NoPen);
          p.setBrush(QColor(60, 60, 60));
          p.drawEllipse(c, 3, 3);
        }
        text_at(p, {26, 131}, "\u03a9", 16, QColor(250, 230, 150), true);
        binding_post(p, {26, 76}, ink::red, 9);
        binding_post(p, {26, 186}, ink::black, 9);
      },
      Backdrop::Opaque);
}

}  // namespace

void add_windows(std::vector<Picture>& out) {
  out.push_back(resistance_box_dialog());
  out.push_back(warning());
  out.push_back(about());
}

}  // namespace voltaro::pictures
