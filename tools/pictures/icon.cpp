// The program's icon. A teacher finds the bench among other programs by a
// picture of what it does: a cell drives a current round a copper loop,
// through a meter whose red needle stands over to the right, and lights a
// bulb. Everything is drawn on a 256-unit square and scaled; lines keep at
// least a pixel or so at the small sizes, and below 32 pixels the fine
// print (ticks, the cell's "+") is left out because it would only blur.

#include "icon.h"

#include <QFile>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

#include "pictures/kit.h"

namespace voltaro::pictures {

namespace {

constexpr double UNITS = 256;

struct Style {
  double unit_px;  // pixels per unit
  bool fine;       // room for ticks and marks
  // A width in units that is never thinner than `min_px` pixels.
  double width(double units, double min_px) const { return std::max(units, min_px / unit_px); }
};

const QColor COPPER(214, 132, 60);
const QColor NEEDLE(220, 30, 30);
const QColor CELL_GREEN(40, 140, 70);

void tile(QPainter& p, const Style& s) {
  const double inset = s.width(6, 0.5);
  const QRectF r(inset, inset, UNITS - 2 * inset, UNITS - 2 * inset);
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0, QColor(70, 104, 196));
  g.setColorAt(1, QColor(30, 52, 124));
  p.setPen(QPen(QColor(18, 30, 76), s.width(4, 1)));
  p.setBrush(g);
  p.drawRoundedRect(r, 46, 46);
  // A soft sheen across the upper half, as on a glazed tile.
  if (s.fine) {
    QLinearGradient sheen(QPointF(0, r.top()), QPointF(0, 128));
    sheen.setColorAt(0, QColor(255, 255, 255, 60));
    sheen.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(sheen);
    p.drawRoundedRect(r.adjusted(6, 6, -6, -128), 40, 40);
  }
}

// The copper loop the three pieces sit on.
void loop(QPainter& p, const Style& s, const QRectF& r) {
  const double w = s.width(11, 1.6);
  p.setBrush(Qt::NoBrush);
  p.setPen(
      QPen(shade(COPPER, 0.45), w + s.width(3, 0.6), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawRoundedRect(r, 22, 22);
  p.setPen(QPen(COPPER, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawRoundedRect(r, 22, 22);
  if (s.fine) {
    p.setPen(QPen(shade(COPPER, 1.5), w * 0.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawRoundedRect(r.translated(-w * 0.15, -w * 0.15), 22, 22);
  }
}

// A 1.5 V cell standing in the loop's left side, + pole up.
void cell(QPainter& p, const Style& s, QPointF centre) {
  const QRectF body(centre.x() - 19, centre.y() - 36, 38, 72);
  p.setPen(QPen(shade(CELL_GREEN, 0.35), s.width(3, 0.8)));
  p.setBrush(cylinder_y(body, CELL_GREEN));
  p.drawRoundedRect(body, 6, 6);
  // The brass pole at the top and the zinc bottom.
  const QRectF pole(centre.x() - 8, body.top() - 10, 16, 12);
  p.setBrush(cylinder_y(pole, ink::brass));
  p.setPen(QPen(shade(ink::brass, 0.45), s.width(2, 0.6)));
  p.drawRoundedRect(pole, 3, 3);
  const QRectF foot(body.left(), body.bottom() - 12, body.width(), 12);
  p.setBrush(cylinder_y(foot, ink::steel));
  p.setPen(Qt::NoPen);
  p.drawRect(foot.adjusted(s.width(1.5, 0.5), 0, -s.width(1.5, 0.5), -s.width(1.5, 0.5)));
  if (s.fine) {
    p.setPen(QPen(QColor(250, 250, 240), 4.5, Qt::SolidLine, Qt::RoundCap));
    const QPointF plus(centre.x(), body.top() + 20);
    p.drawLine(plus - QPointF(8, 0), plus + QPointF(8, 0));
    p.drawLine(plus - QPointF(0, 8), plus + QPointF(0, 8));
  }
}

// A round panel meter sitting on the top of the loop, its needle well up
// the scale: a current is flowing.
void meter(QPainter& p, const Style& s, QPointF centre, double radius) {
  QRadialGradient rim(centre - QPointF(radius * 0.3, radius * 0.3), radius * 1.4);
  rim.setColorAt(0, QColor(96, 100, 108));
  rim.setColorAt(1, QColor(30, 32, 36));
  p.setPen(QPen(QColor(12, 12, 16), s.width(3, 0.8)));
  p.setBrush(rim);
  p.drawEllipse(centre, radius, radius);
  const double face = radius - s.width(9, 1);
  QLinearGradient fg(centre - QPointF(0, face), centre + QPointF(0, face));
  fg.setColorAt(0, QColor(252, 250, 238));
  fg.setColorAt(1, QColor(232, 226, 204));
  p.setPen(Qt::NoPen);
  p.setBrush(fg);
  p.drawEllipse(centre, face, face);

  const QPointF pivot = centre + QPointF(0, face * 0.42);
  const double scale_r = face * 0.98;
  p.setPen(QPen(ink::print, s.width(3, 0.8), Qt::SolidLine, Qt::FlatCap));
  p.setBrush(Qt::NoBrush);
  const QRectF arc_box(pivot.x() - scale_r * 0.8, pivot.y() - scale_r * 0.8, scale_r * 1.6,
                       scale_r * 1.6);
  if (s.fine) {
    p.drawArc(arc_box, 40 * 16, 100 * 16);
    for (int i = 0; i <= 10; ++i) {
      const double a = 140 - 10.0 * i;
      const double len = i % 5 == 0 ? 12 : 7;
      tick(p, pivot, a, scale_r * 0.8, scale_r * 0.8 + len, i % 5 == 0 ? 3.2 : 2.2);
    }
  }
  // The needle, with its shadow on the dial.
  const double a = 62;
  const QPointF tip = at_angle(pivot, a, scale_r * 0.92);
  if (s.fine) {
    p.setPen(QPen(QColor(0, 0, 0, 50), 4.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(pivot + QPointF(3, 3), tip + QPointF(3, 3));
  }
  p.setPen(QPen(NEEDLE, s.width(4.5, 1.1), Qt::SolidLine, Qt::RoundCap));
  p.drawLine(pivot, tip);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(25, 25, 28));
  const double boss = s.width(8, 1.2);
  p.drawEllipse(pivot, boss, boss);
  if (s.fine) {
    // Glass over the dial.
    QPainterPath shine;
    shine.addEllipse(centre - QPointF(face * 0.25, face * 0.45), face * 0.55, face * 0.3);
    p.setBrush(QColor(255, 255, 255, 60));
    p.drawPath(shine);
  }
}

// A lit bulb on the loop's right side: the globe above, its screw cap
// sitting on the wire, and a warm glow all round.
void bulb(QPainter& p, const Style& s, QPointF cap_centre, double globe) {
  const QPointF centre = cap_centre - QPointF(0, globe + 10);
  QRadialGradient halo(centre, globe * 2.1);
  halo.setColorAt(0, QColor(255, 248, 190, 230));
  halo.setColorAt(0.45, QColor(255, 220, 90, 130));
  halo.setColorAt(1, QColor(255, 200, 60, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(halo);
  p.drawEllipse(centre, globe * 2.1, globe * 2.1);

  QPainterPath glass;
  glass.addEllipse(centre, globe, globe);
  QPainterPath neck;
  neck.moveTo(centre + QPointF(-globe * 0.62, globe * 0.7));
  neck.lineTo(cap_centre + QPointF(-globe * 0.42, -14));
  neck.lineTo(cap_centre + QPointF(globe * 0.42, -14));
  neck.lineTo(centre + QPointF(globe * 0.62, globe * 0.7));
  neck.closeSubpath();
  glass = glass.united(neck);
  QRadialGradient lit(centre - QPointF(globe * 0.15, globe * 0.2), globe * 1.1);
  lit.setColorAt(0, QColor(255, 255, 250));
  lit.setColorAt(0.5, QColor(255, 240, 150));
  lit.setColorAt(1, QColor(250, 190, 60));
  p.setPen(QPen(QColor(190, 120, 20), s.width(2.5, 0.7)));
  p.setBrush(lit);
  p.drawPath(glass);
  if (s.fine) {
    // The coiled filament on its two supports, white hot.
    QPainterPath f;
    f.moveTo(centre + QPointF(-11, 22));
    f.lineTo(centre + QPointF(-11, 0));
    for (int k = 1; k <= 12; ++k) {
      const double x = -11 + 22.0 * k / 12;
      f.lineTo(centre + QPointF(x, k % 2 ? -5 : 0));
    }
    f.lineTo(centre + QPointF(11, 22));
    p.setPen(QPen(QColor(255, 150, 30), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(f);
  }
  // The screw cap.
  const QRectF cap(cap_centre.x() - globe * 0.45, cap_centre.y() - 15, globe * 0.9, 26);
  p.setPen(QPen(shade(ink::steel, 0.4), s.width(2, 0.6)));
  p.setBrush(cylinder_y(cap, ink::steel));
  p.drawRoundedRect(cap, 3, 3);
  if (s.fine) {
    p.setPen(QPen(shade(ink::steel, 0.55), 2.2));
    for (int k = 1; k <= 3; ++k) {
      const double y = cap.top() + cap.height() * k / 4;
      p.drawLine(QPointF(cap.left() + 1, y - 2), QPointF(cap.right() - 1, y + 2));
    }
  }
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(40, 40, 40));
  p.drawEllipse(QPointF(cap_centre.x(), cap.bottom() + 2), globe * 0.18, 5);
}

}  // namespace

QImage app_icon(int size) {
  QImage image = canvas(size, size);
  QPainter p;
  begin(p, image);
  const Style s{size / UNITS, size >= 32};
  p.scale(s.unit_px, s.unit_px);
  tile(p, s);
  // The small sizes keep the same picture, larger in the tile.
  const QRectF wire = s.fine ? QRectF(58, 90, 138, 120) : QRectF(44, 96, 164, 112);
  loop(p, s, wire);
  cell(p, s, QPointF(wire.left(), wire.center().y() + 4));
  meter(p, s, QPointF(wire.center().x() - 6, wire.top() - 6), s.fine ? 58 : 74);
  bulb(p, s, QPointF(wire.right(), wire.center().y() + 24), s.fine ? 30 : 38);
  p.end();
  return image;
}

bool write_ico(const std::vector<QImage>& icons, const QString& path) {
  QByteArray out;
  auto u8 = [&](int v) { out.append(static_cast<char>(v & 0xff)); };
  auto u16 = [&](int v) {
    u8(v);
    u8(v >> 8);
  };
  auto u32 = [&](qint64 v) {
    u16(static_cast<int>(v & 0xffff));
    u16(static_cast<int>(v >> 16 & 0xffff));
  };
  const int count = static_cast<int>(icons.size());
  u16(0);
  u16(1);  // an icon, not a cursor
  u16(count);
  // Each entry: a 40-byte header, the colour rows and the 1-bit mask rows
  // (each row padded to four bytes), both bottom-up.
  auto mask_row = [](int w) { return (w + 31) / 32 * 4; };
  qint64 offset = 6 + 16 * count;
  for (const QImage& icon : icons) {
    const int w = icon.width(), h = icon.height();
    const qint64 bytes = 40 + qint64(w) * h * 4 + qint64(mask_row(w)) * h;
    u8(w >= 256 ? 0 : w);
    u8(h >= 256 ? 0 : h);
    u8(0);
    u8(0);
    u16(1);
    u16(32);
    u32(bytes);
    u32(offset);
    offset += bytes;
  }
  for (const QImage& icon : icons) {
    const QImage argb = icon.convertToFormat(QImage::Format_ARGB32);
    const int w = argb.width(), h = argb.height();
    u32(40);
    u32(w);
    u32(2 * h);  // colour rows and mask rows together
    u16(1);
    u16(32);
    u32(0);
    u32(qint64(w) * h * 4);
    for (int k = 0; k < 4; ++k) u32(0);
    for (int y = h - 1; y >= 0; --y) {
      for (int x = 0; x < w; ++x) {
        const QRgb c = argb.pixel(x, y);
        u8(qBlue(c));
        u8(qGreen(c));
        u8(qRed(c));
        u8(qAlpha(c));
      }
    }
    for (int y = h - 1; y >= 0; --y) {
      QByteArray row(mask_row(w), '\0');
      for (int x = 0; x < w; ++x) {
        if (qAlpha(argb.pixel(x, y)) == 0)
          row[x / 8] = static_cast<char>(row[x / 8] | 0x80 >> x % 8);
      }
      out.append(row);
    }
  }
  QFile f(path);
  return f.open(QIODevice::WriteOnly) && f.write(out) == out.size();
}

}  // namespace voltaro::pictures
