#include "kit.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

namespace voltaro::pictures {

QImage canvas(int width, int height) {
  QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

void begin(QPainter& p, QImage& image) {
  p.begin(&image);
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setRenderHint(QPainter::TextAntialiasing, true);
  p.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

QFont font_px(double pixels, bool bold) {
  QFont f(QStringLiteral("Liberation Sans"));
  f.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
  f.setBold(bold);
  f.setHintingPreference(QFont::PreferFullHinting);
  return f;
}

QColor shade(const QColor& c, double factor) {
  auto scale = [factor](int v) {
    const double out = factor <= 1 ? v * factor : v + (255 - v) * (factor - 1);
    return std::clamp(static_cast<int>(std::lround(out)), 0, 255);
  };
  return QColor(scale(c.red()), scale(c.green()), scale(c.blue()), c.alpha());
}

void text_at(QPainter& p, QPointF centre, const QString& text, double pixels, const QColor& colour,
             bool bold) {
  p.save();
  p.setFont(font_px(pixels, bold));
  p.setPen(colour);
  const QRectF box(centre.x() - 200, centre.y() - 100, 400, 200);
  p.drawText(box, Qt::AlignCenter, text);
  p.restore();
}

QBrush cylinder_x(const QRectF& r, const QColor& base) {
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0.0, shade(base, 0.75));
  g.setColorAt(0.28, shade(base, 1.45));
  g.setColorAt(0.45, base);
  g.setColorAt(1.0, shade(base, 0.5));
  return QBrush(g);
}

QBrush cylinder_y(const QRectF& r, const QColor& base) {
  QLinearGradient g(r.topLeft(), r.topRight());
  g.setColorAt(0.0, shade(base, 0.7));
  g.setColorAt(0.3, shade(base, 1.45));
  g.setColorAt(0.5, base);
  g.setColorAt(1.0, shade(base, 0.5));
  return QBrush(g);
}

void binding_post(QPainter& p, QPointF at, const QColor& cap, double radius) {
  p.save();
  // Brass nut under the knob.
  QRadialGradient nut(at - QPointF(radius * 0.4, radius * 0.4), radius * 1.4);
  nut.setColorAt(0, shade(ink::brass, 1.5));
  nut.setColorAt(1, shade(ink::brass, 0.6));
  p.setPen(QPen(shade(ink::brass, 0.4), 0.8));
  p.setBrush(nut);
  p.drawEllipse(at, radius, radius);
  // Insulated knob on top.
  const double k = radius * 0.62;
  QRadialGradient knob(at - QPointF(k * 0.4, k * 0.4), k * 1.3);
  knob.setColorAt(0, shade(cap, 1.6));
  knob.setColorAt(1, shade(cap, 0.7));
  p.setPen(QPen(shade(cap, 0.45), 0.7));
  p.setBrush(knob);
  p.drawEllipse(at, k, k);
  p.restore();
}

void post_side(QPainter& p, QPointF at, const QColor& cap, double width, double height) {
  p.save();
  const double w = width, h = height;
  // Washer at the foot, threaded stem, knurled knob on top.
  const QPointF top = at - QPointF(0, h * 0.28);
  const QRectF washer(top.x() - w * 0.6, top.y() + h * 0.8, w * 1.2, h * 0.2);
  const QRectF stem(top.x() - w * 0.2, top.y() + h * 0.5, w * 0.4, h * 0.35);
  const QRectF knob(top.x() - w / 2, top.y(), w, h * 0.56);
  p.setPen(QPen(shade(ink::brass, 0.45), 0.7));
  p.setBrush(cylinder_y(washer, ink::brass));
  p.drawRoundedRect(washer, 1, 1);
  p.setBrush(cylinder_y(stem, ink::brass));
  p.drawRect(stem);
  p.setPen(QPen(shade(cap, 0.4), 0.7));
  p.setBrush(cylinder_y(knob, cap));
  p.drawRoundedRect(knob, w * 0.2, w * 0.2);
  p.setPen(QPen(shade(cap, 0.55), 0.6));
  for (double x = knob.left() + w * 0.25; x < knob.right() - 0.5; x += w * 0.25) {
    p.drawLine(QPointF(x, knob.top() + 1), QPointF(x, knob.bottom() - 1));
  }
  p.restore();
}

QPainterPath hollow_pole_face(double outer, double inner, double top, double bottom,
                              double hollow) {
  QPainterPath front;
  front.moveTo(outer, top);
  front.lineTo(inner, top);
  front.quadTo(inner + hollow * 2, (top + bottom) / 2, inner, bottom);
  front.lineTo(outer, bottom);
  front.closeSubpath();
  return front;
}

void screw(QPainter& p, QPointF at, double radius, double slot_degrees) {
  p.save();
  QRadialGradient head(at - QPointF(radius * 0.35, radius * 0.35), radius * 1.5);
  head.setColorAt(0, shade(ink::steel, 1.5));
  head.setColorAt(1, shade(ink::steel, 0.55));
  p.setPen(QPen(shade(ink::steel, 0.4), 0.6));
  p.setBrush(head);
  p.drawEllipse(at, radius, radius);
  const double a = slot_degrees * M_PI / 180;
  const QPointF d(std::cos(a) * radius * 0.8, -std::sin(a) * radius * 0.8);
  p.setPen(QPen(shade(ink::steel, 0.3), std::max(0.8, radius * 0.28), Qt::SolidLine, Qt::FlatCap));
  p.drawLine(at - d, at + d);
  p.restore();
}

void board(QPainter& p, const QRectF& top, double front, const QColor& wood) {
  p.save();
  const QRectF edge(top.left(), top.bottom() - 1, top.width(), front + 1);
  QLinearGradient face(top.topLeft(), top.bottomLeft());
  face.setColorAt(0, shade(wood, 1.12));
  face.setColorAt(1, shade(wood, 0.95));
  p.setPen(QPen(shade(wood, 0.5), 0.8));
  p.setBrush(shade(wood, 0.7));
  p.drawRoundedRect(edge, 1.5, 1.5);
  p.setBrush(face);
  p.drawRoundedRect(top, 2, 2);
  // A few grain lines along the board.
  p.setPen(QPen(shade(wood, 0.86), 0.6));
  const int lines = std::max(1, static_cast<int>(top.height() / 7));
  for (int i = 1; i <= lines; ++i) {
    const double y = top.top() + top.height() * i / (lines + 1);
    QPainterPath grain(QPointF(top.left() + 3, y));
    grain.cubicTo(top.left() + top.width() * 0.3, y - 1.2, top.left() + top.width() * 0.6, y + 1.2,
                  top.right() - 3, y);
    p.setBrush(Qt::NoBrush);
    p.drawPath(grain);
  }
  p.restore();
}

QPointF at_angle(QPointF pivot, double degrees, double radius) {
  const double a = degrees * M_PI / 180;
  return {pivot.x() + radius * std::cos(a), pivot.y() - radius * std::sin(a)};
}

void tick(QPainter& p, QPointF pivot, double degrees, double r_in, double r_out, double width) {
  p.save();
  p.setPen(QPen(ink::print, width, Qt::SolidLine, Qt::FlatCap));
  p.drawLine(at_angle(pivot, degrees, r_in), at_angle(pivot, degrees, r_out));
  p.restore();
}

void arc(QPainter& p, QPointF pivot, double radius, double from_degrees, double to_degrees,
         double width) {
  p.save();
  p.setPen(QPen(ink::print, width, Qt::SolidLine, Qt::FlatCap));
  p.setBrush(Qt::NoBrush);
  const QRectF box(pivot.x() - radius, pivot.y() - radius, 2 * radius, 2 * radius);
  // Qt counts arcs counter-clockwise in sixteenths of a degree, as we do.
  p.drawArc(box, static_cast<int>(std::lround(from_degrees * 16)),
            static_cast<int>(std::lround((to_degrees - from_degrees) * 16)));
  p.restore();
}

void number_at(QPainter& p, QPointF pivot, double degrees, double radius, const QString& text,
               double pixels, const QColor& colour, bool bold) {
  text_at(p, at_angle(pivot, degrees, radius), text, pixels, colour, bold);
}

}  // namespace voltaro::pictures
