#include "render/paint.h"

#include <QFontMetrics>
#include <algorithm>
#include <cmath>

#include "model/format.h"

namespace voltaro {
namespace {

// Arial's metric twin on our machines.
QFont BenchFont(int pixels, bool bold) {
  QFont f(QStringLiteral("Liberation Sans"));
  f.setPixelSize(pixels);
  f.setBold(bold);
  f.setHintingPreference(QFont::PreferFullHinting);
  return f;
}

}  // namespace

QColor BenchColor(int32_t v) { return QColor(v & 0xff, (v >> 8) & 0xff, (v >> 16) & 0xff); }

QFont CaptionFont() { return BenchFont(13, false); }
QFont DigitsFont() { return BenchFont(13, true); }
QFont SymbolFont() { return BenchFont(24, false); }
QFont ArrowLabelFont() { return BenchFont(13, false); }

void TextAt(QPainter& p, int x, int y, const QString& text) {
  p.drawText(x, y + QFontMetrics(p.font()).ascent(), text);
}

void Pen(QPainter& p, const QColor& color, int width, Qt::PenStyle style) {
  // Square caps take in the end pixel of every line, as a needle's tip needs.
  QPen pen(color, width, style, Qt::SquareCap, Qt::MiterJoin);
  p.setPen(pen);
}

void Line(QPainter& p, int x1, int y1, int x2, int y2) { p.drawLine(x1, y1, x2, y2); }

void Frame(QPainter& p, int x1, int y1, int x2, int y2) {
  p.setBrush(Qt::NoBrush);
  p.drawRect(std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1) - 1, std::abs(y2 - y1) - 1);
}

void Box(QPainter& p, int x1, int y1, int x2, int y2, const QColor& fill) {
  p.setBrush(fill);
  p.drawRect(std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1) - 1, std::abs(y2 - y1) - 1);
  p.setBrush(Qt::NoBrush);
}

void Ellipse(QPainter& p, int x1, int y1, int x2, int y2) {
  p.drawEllipse(x1, y1, x2 - x1 - 1, y2 - y1 - 1);
}

void SelectionOutline(QPainter& p, int x1, int y1, int x2, int y2) {
  Pen(p, QColor(255, 0, 0));
  Frame(p, x1, y1, x2, y2);
}

QString CaptionLine(const char* label, double value, const char* unit) {
  return QString::fromUtf8(label) + QString::fromStdString(FormatGeneral(value, 15)) +
         QString::fromUtf8(unit);
}

void Captions(QPainter& p, int x, int y, std::initializer_list<QString> lines) {
  p.setFont(CaptionFont());
  p.setPen(CAPTION_BLUE);
  for (const QString& line : lines) {
    TextAt(p, x, y, line);
    y += 15;
  }
}

int Trunc(double v) {
  if (!(v > -1e6)) return v != v ? 0 : -1000000;
  if (v > 1e6) return 1000000;
  return static_cast<int>(v);
}

Offset HalfSize(const ElementRecord& e) {
  return e.half_size[std::clamp(e.pose - 1, 0, POSE_ENTRIES - 1)];
}

}  // namespace voltaro
