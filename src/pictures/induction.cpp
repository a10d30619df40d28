// Induction apparatus: the coil and its two bar magnets, the rails in a
// magnetic field with the rod that slides on them, and the two pole pieces
// of the generators and the motor. The bench keys out pure white in all of
// them except the rod, which it draws as it is.

#include <QPainterPath>
#include <QPolygonF>
#include <cmath>

#include "kit.h"

namespace voltaro::pictures {

namespace {

const QColor NORTH(205, 40, 40);
const QColor SOUTH(40, 80, 180);

Picture coil(const QString& file, bool reversed) {
  // 90 x 88, drawn one pixel lower than its half size; posts (85, 11) and
  // (85, 64). The magnet slides in and out over picture x 13 to 53: the
  // winding covers that band so the part of the magnet inside stays hidden.
  // The second coil is wound the other way round.
  return drawn(
      file, 90, 88, {{85, 11}, {85, 64}},
      [reversed](QPainter& p) {
        const QColor enamel = reversed ? QColor(70, 130, 80) : QColor(190, 100, 50);
        const double cx = 33;
        // Bobbin flanges, seen a little from above.
        auto flange = [&](double y) {
          const QRectF f(cx - 30, y, 60, 8);
          p.setPen(QPen(QColor(30, 30, 30), 0.8));
          p.setBrush(cylinder_y(f, QColor(60, 58, 56)));
          p.drawRoundedRect(f, 3, 3);
        };
        // Terminal brackets and leads first, so the coil stands in front.
        p.setPen(QPen(QColor(70, 70, 70), 0.8));
        p.setBrush(cylinder_x(QRectF(58, 8, 27, 6), QColor(60, 58, 56)));
        p.drawRect(QRectF(58, 8, 27, 6));
        p.setBrush(cylinder_x(QRectF(58, 61, 27, 6), QColor(60, 58, 56)));
        p.drawRect(QRectF(58, 61, 27, 6));
        flange(2);
        const QRectF winding(cx - 25, 8, 50, 70);
        p.setPen(QPen(shade(enamel, 0.4), 0.8));
        p.setBrush(cylinder_y(winding, enamel));
        p.drawRect(winding);
        p.setPen(QPen(shade(enamel, 0.65), 0.6));
        for (double y = 9; y < 78; y += 2.2) {
          const double slant = reversed ? -1.6 : 1.6;
          p.drawLine(QPointF(winding.left() + 0.5, y), QPointF(winding.right() - 0.5, y + slant));
        }
        flange(78);
        // The winding's two ends go out to the posts.
        p.setPen(QPen(shade(enamel, 0.8), 1.4));
        p.drawLine(QPointF(56, 12), QPointF(80, 11));
        p.drawLine(QPointF(56, 74), QPointF(72, 66));
        p.drawLine(QPointF(72, 66), QPointF(80, 64));
        // A printed arrow on the top flange shows which way the turns go.
        const double dir = reversed ? -1 : 1;
        p.setPen(QPen(QColor(235, 235, 235), 1, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(cx - 10 * dir, 6), QPointF(cx + 10 * dir, 6));
        p.drawLine(QPointF(cx + 10 * dir, 6), QPointF(cx + 6 * dir, 4));
        binding_post(p, {85, 11}, ink::red, 4);
        binding_post(p, {85, 64}, ink::black, 4);
      },
      Backdrop::White);
}

Picture magnet(const QString& file, bool north_down) {
  // 40 x 150, a bar magnet hanging point down into the coil.
  return drawn(
      file, 40, 150, {},
      [north_down](QPainter& p) {
        const QRectF bar(2, 1, 36, 148);
        const QColor top = north_down ? SOUTH : NORTH;
        const QColor bottom = north_down ? NORTH : SOUTH;
        QPainterPath outline;
        outline.addRoundedRect(bar, 4, 4);
        p.save();
        p.setClipPath(outline);
        p.setPen(Qt::NoPen);
        p.setBrush(cylinder_y(bar, top));
        p.drawRect(QRectF(bar.left(), bar.top(), bar.width(), bar.height() / 2));
        p.setBrush(cylinder_y(bar, bottom));
        p.drawRect(QRectF(bar.left(), bar.center().y(), bar.width(), bar.height() / 2));
        p.restore();
        p.setPen(QPen(QColor(30, 30, 30), 1));
        p.setBrush(Qt::NoBrush);
        p.drawPath(outline);
        text_at(p, {20, 22}, north_down ? "S" : "N", 20, QColor(250, 250, 250), true);
        text_at(p, {20, 128}, north_down ? "N" : "S", 20, QColor(250, 250, 250), true);
      },
      Backdrop::White);
}

Picture rails(const QString& file, bool inward) {
  // 270 x 88, drawn one pixel lower than its half size. The rod slides
  // between picture x 5 and 241 and rests on both rails; the ends of the
  // rails are the posts (261, 3) and (261, 82). Crosses: the field points
  // into the bench; dots: out of it.
  return drawn(
      file, 270, 88, {{261, 3}, {261, 82}},
      [inward](QPainter& p) {
        // The field region between the rails.
        const QRectF field(2, 9, 252, 68);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(236, 242, 250));
        p.drawRect(field);
        const QColor mark(70, 90, 150);
        for (double y = 18; y < 76; y += 17) {
          for (double x = 14; x < 252; x += 20) {
            if (inward) {
              p.setPen(QPen(mark, 1.2, Qt::SolidLine, Qt::RoundCap));
              p.drawLine(QPointF(x - 3, y - 3), QPointF(x + 3, y + 3));
              p.drawLine(QPointF(x - 3, y + 3), QPointF(x + 3, y - 3));
            } else {
              p.setPen(QPen(mark, 1));
              p.setBrush(Qt::NoBrush);
              p.drawEllipse(QPointF(x, y), 3.5, 3.5);
              p.setPen(Qt::NoPen);
              p.setBrush(mark);
              p.drawEllipse(QPointF(x, y), 1.4, 1.4);
            }
          }
        }
        text_at(p, {246, 44}, "B", 11, mark, true);
        // Two brass rails, joined to the posts at their right-hand ends.
        for (double y : {3.0, 82.0}) {
          const QRectF rail(1, y - 2.5, 258, 5);
          p.setPen(QPen(shade(ink::brass, 0.45), 0.7));
          p.setBrush(cylinder_x(rail, ink::brass));
          p.drawRoundedRect(rail, 1.5, 1.5);
          binding_post(p, {261, y}, y < 40 ? ink::red : ink::black, 4.5);
        }
      },
      Backdrop::White);
}

Picture rod() {
  // 5 x 84, opaque: a round copper rod lying across both rails.
  Picture pic = drawn(
      "jinshugan.obj", 5, 84, {},
      [](QPainter& p) {
        p.setRenderHint(QPainter::Antialiasing, false);
        const QRectF r(0, 0, 5, 84);
        p.setPen(Qt::NoPen);
        p.setBrush(cylinder_y(r, QColor(180, 110, 60)));
        p.drawRect(r);
        // Darker collars where it rides on the rails.
        p.setBrush(cylinder_y(r, QColor(120, 70, 40)));
        p.drawRect(QRectF(0, 0, 5, 3));
        p.drawRect(QRectF(0, 79, 5, 5));
      },
      Backdrop::Opaque);
  return pic;
}

// A pole piece of the field magnet, a block seen from the front with its
// top face receding up and to the right like the machine's axle. The face
// toward the armature is hollowed to the armature's round.
Picture pole(const QString& file, bool north) {
  const int w = north ? 60 : 66, h = north ? 114 : 113;
  return drawn(
      file, w, h, {},
      [north, w, h](QPainter& p) {
        const QColor body = north ? NORTH : SOUTH;
        const QPointF depth(16, -20);
        const double top = 20, bottom = h - 1.0;
        // North stands to the left of the armature, its hollow on the right;
        // south in front to the right, its hollow on the left.
        const double outer = north ? 1 : w - 1 - depth.x();
        const double inner = north ? 40 : 5;
        const double hollow = north ? -13 : 13;  // how far the middle of the face is cut back
        const QPainterPath front = hollow_pole_face(outer, inner, top, bottom, hollow);
        QPolygonF top_face;
        top_face << QPointF(outer, top) << QPointF(inner, top) << QPointF(inner, top) + depth
                 << QPointF(outer, top) + depth;
        p.setPen(QPen(shade(body, 0.4), 0.8));
        if (north) {
          // The hollow face toward the armature shows, the back edge of it
          // curving like the front.
          QPainterPath face;
          face.moveTo(inner, top);
          face.quadTo(inner + hollow * 2, (top + bottom) / 2, inner, bottom);
          face.lineTo(QPointF(inner, bottom) + depth);
          face.quadTo(QPointF(inner + hollow * 2, (top + bottom) / 2) + depth,
                      QPointF(inner, top) + depth);
          face.closeSubpath();
          p.setBrush(shade(body, 0.55));
          p.drawPath(face);
        } else {
          QPolygonF side;
          side << QPointF(outer, top) << QPointF(outer, top) + depth
               << QPointF(outer, bottom) + depth << QPointF(outer, bottom);
          p.setBrush(shade(body, 0.55));
          p.drawPolygon(side);
        }
        p.setBrush(shade(body, 1.35));
        p.drawPolygon(top_face);
        QLinearGradient g(QPointF(outer, 0), QPointF(inner, 0));
        g.setColorAt(0, shade(body, 0.85));
        g.setColorAt(1, shade(body, 1.15));
        p.setBrush(g);
        p.drawPath(front);
        const double letter_x = north ? 16 : (outer + inner) / 2 + 4;
        text_at(p, {letter_x, (top + bottom) / 2}, north ? "N" : "S", 22, QColor(250, 250, 250),
                true);
      },
      Backdrop::White);
}

}  // namespace

void add_induction(std::vector<Picture>& out) {
  out.push_back(coil("xianquan0.obj", false));
  out.push_back(coil("xianquan1.obj", true));
  out.push_back(magnet("citie0.obj", true));
  out.push_back(magnet("citie1.obj", false));
  out.push_back(rails("qiege0.obj", true));
  out.push_back(rails("qiege1.obj", false));
  out.push_back(rod());
  out.push_back(pole("djct_n.obj", true));
  out.push_back(pole("djct_s.obj", false));
}

}  // namespace voltaro::pictures
