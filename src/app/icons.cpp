#include "app/icons.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <algorithm>
#include <cmath>

namespace voltaro {
namespace {

const QColor INK(40, 60, 90);
const QColor ACCENT(200, 70, 40);

void Page(QPainter& p) {
  p.setPen(QPen(INK, 1.2));
  p.setBrush(Qt::white);
  QPainterPath path;
  path.moveTo(5, 2);
  path.lineTo(14, 2);
  path.lineTo(19, 7);
  path.lineTo(19, 21);
  path.lineTo(5, 21);
  path.closeSubpath();
  p.drawPath(path);
  p.drawLine(14, 2, 14, 7);
  p.drawLine(14, 7, 19, 7);
}

void Arrow(QPainter& p, QPointF from, QPointF to) {
  p.drawLine(from, to);
  const QPointF d = (to - from) / std::hypot(to.x() - from.x(), to.y() - from.y());
  const QPointF n(-d.y(), d.x());
  p.drawLine(to, to - 4 * d + 3 * n);
  p.drawLine(to, to - 4 * d - 3 * n);
}

}  // namespace

QIcon ToolIcon(const QString& hint) {
  QPixmap pixmap(24, 24);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  QFont font("Liberation Sans");
  font.setPixelSize(9);
  font.setBold(true);
  p.setFont(font);
  if (hint == "New") {
    Page(p);
    p.setPen(QPen(ACCENT, 2));
    p.drawLine(15, 15, 21, 15);
    p.drawLine(18, 12, 18, 18);
  } else if (hint == "Open") {
    p.setPen(QPen(INK, 1.2));
    p.setBrush(QColor(240, 200, 90));
    p.drawRect(2, 7, 18, 13);
    p.setBrush(QColor(250, 220, 120));
    p.drawPolygon(QPolygonF({QPointF(5, 11), QPointF(22, 11), QPointF(19, 20), QPointF(2, 20)}));
  } else if (hint == "Save") {
    p.setPen(QPen(INK, 1.2));
    p.setBrush(QColor(70, 110, 170));
    p.drawRoundedRect(3, 3, 18, 18, 2, 2);
    p.setBrush(Qt::white);
    p.drawRect(7, 3, 10, 7);
    p.setBrush(QColor(200, 210, 230));
    p.drawRect(6, 13, 12, 8);
  } else if (hint == "Print") {
    p.setPen(QPen(INK, 1.2));
    p.setBrush(Qt::white);
    p.drawRect(7, 2, 10, 8);
    p.setBrush(QColor(180, 185, 195));
    p.drawRoundedRect(2, 9, 20, 9, 2, 2);
    p.setBrush(Qt::white);
    p.drawRect(7, 15, 10, 7);
  } else if (hint == "Undo" || hint == "Redo") {
    // A hooked arrow that turns back; Redo's turns on.
    if (hint == "Redo") {
      p.translate(24, 0);
      p.scale(-1, 1);
    }
    p.setPen(QPen(INK, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath hook;
    hook.moveTo(17, 20);
    hook.cubicTo(23, 13, 19, 5, 7, 8);
    p.drawPath(hook);
    p.setPen(QPen(ACCENT, 2.2, Qt::SolidLine, Qt::RoundCap));
    Arrow(p, QPointF(9, 7.6), QPointF(4, 9));
  } else if (hint == "Rotate") {
    p.setPen(QPen(INK, 2));
    p.drawArc(QRectF(4, 4, 16, 16), 60 * 16, 280 * 16);
    p.setPen(QPen(ACCENT, 2));
    Arrow(p, QPointF(17, 5), QPointF(16, 8));
  } else if (hint == "Repair components") {
    p.setPen(QPen(INK, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(6, 18, 15, 9);
    p.setPen(QPen(INK, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(17, 7), 4, 4);
    p.setPen(QPen(ACCENT, 2));
    p.drawLine(15, 5, 19, 9);
  } else if (hint == "Delete") {
    p.setPen(QPen(ACCENT, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(6, 6, 18, 18);
    p.drawLine(18, 6, 6, 18);
  } else if (hint == "Show components box") {
    p.setPen(QPen(INK, 1.2));
    p.setBrush(QColor(220, 225, 235));
    p.drawRect(4, 2, 16, 20);
    p.setBrush(QColor(90, 140, 90));
    for (int y : {5, 11, 17}) p.drawRect(7, y, 10, 3);
  } else if (hint == "Document Note") {
    p.setPen(QPen(INK, 1.2));
    p.setBrush(QColor(255, 245, 170));
    p.drawRect(3, 4, 18, 16);
    for (int y : {8, 12, 16}) p.drawLine(6, y, 18, y);
  } else if (hint == "Black Box") {
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(QColor(40, 40, 40));
    p.drawRect(4, 6, 16, 12);
    p.setPen(QPen(Qt::white, 1));
    p.drawText(QRectF(4, 6, 16, 12), Qt::AlignCenter, "?");
    p.setPen(QPen(INK, 2));
    p.drawLine(0, 12, 4, 12);
    p.drawLine(20, 12, 24, 12);
  } else if (hint == "Object Diagram/Circuit Diagram") {
    p.setPen(QPen(INK, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRect(5, 8, 14, 8);
    p.drawLine(1, 12, 5, 12);
    p.drawLine(19, 12, 23, 12);
  } else if (hint == "Display the Direction of the Current") {
    p.setPen(QPen(INK, 2));
    p.drawLine(2, 12, 22, 12);
    p.setPen(QPen(ACCENT, 2));
    Arrow(p, QPointF(6, 12), QPointF(16, 12));
  } else if (hint == "Zoom") {
    p.setPen(QPen(INK, 2));
    p.setBrush(QColor(210, 230, 250));
    p.drawEllipse(QPointF(10, 10), 6.5, 6.5);
    p.setPen(QPen(INK, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(15, 15, 21, 21);
  } else if (hint == "Calculator") {
    p.setPen(QPen(INK, 1.2));
    p.setBrush(QColor(200, 205, 215));
    p.drawRoundedRect(4, 2, 16, 20, 2, 2);
    p.setBrush(QColor(190, 230, 190));
    p.drawRect(7, 5, 10, 4);
    p.setBrush(INK);
    for (int y : {12, 16})
      for (int x : {7, 11, 15}) p.drawRect(x, y, 2, 2);
  } else if (hint == "Home Page") {
    p.setPen(QPen(INK, 1.2));
    p.setBrush(QColor(240, 240, 230));
    p.drawPolygon(QPolygonF({QPointF(12, 3), QPointF(22, 12), QPointF(2, 12)}));
    p.drawRect(5, 12, 14, 9);
    p.setBrush(ACCENT);
    p.drawRect(10, 15, 4, 6);
  } else if (hint == "Mail to Us") {
    p.setPen(QPen(INK, 1.2));
    p.setBrush(Qt::white);
    p.drawRect(2, 6, 20, 13);
    p.drawLine(2, 6, 12, 14);
    p.drawLine(22, 6, 12, 14);
  } else if (hint == "User guide") {
    p.setPen(QPen(INK, 1.2));
    p.setBrush(QColor(70, 110, 170));
    p.drawEllipse(QPointF(12, 12), 9.5, 9.5);
    p.setPen(Qt::white);
    QFont big = font;
    big.setPixelSize(14);
    p.setFont(big);
    p.drawText(QRectF(2, 2, 20, 20), Qt::AlignCenter, "?");
  }
  p.end();
  return QIcon(pixmap);
}

QImage CaptionedPicture(const QImage& picture, const QString& caption, QFont font) {
  const int width = std::max(picture.width(), 50);
  const QStringList words = caption.split(' ', Qt::SkipEmptyParts);
  int pixels = 10;
  for (; pixels > 7; --pixels) {
    font.setPixelSize(pixels);
    const QFontMetrics m(font);
    bool fits = true;
    for (const QString& w : words) fits = fits && m.horizontalAdvance(w) <= width;
    if (fits) break;
  }
  font.setPixelSize(pixels);
  const QFontMetrics m(font);
  const QRect text =
      m.boundingRect(QRect(0, 0, width, 1000), Qt::AlignHCenter | Qt::TextWordWrap, caption);
  QImage out(width, picture.height() + 1 + text.height(), QImage::Format_ARGB32_Premultiplied);
  out.fill(Qt::transparent);
  QPainter p(&out);
  p.drawImage((width - picture.width()) / 2, 0, picture);
  p.setFont(font);
  p.setPen(Qt::black);
  p.drawText(QRect(0, picture.height() + 1, width, text.height()),
             Qt::AlignHCenter | Qt::TextWordWrap, caption);
  p.end();
  return out;
}

}  // namespace voltaro
