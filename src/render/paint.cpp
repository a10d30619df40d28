#include "render/paint.h"

#include <QFontMetrics>
#include <algorithm>
#include <cmath>

#include "model/format.h"
#include "model/tables.h"

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

int Stamps::WholeScale(const QPainter& p) {
  const QTransform t = p.transform();
  if (p.device()->devType() != QInternal::Image || t.type() > QTransform::TxScale) return 0;
  const int scale = static_cast<int>(t.m11());
  const bool whole = scale >= 1 && scale <= 8 && t.m11() == scale && t.m22() == scale &&
                     t.dx() == 0 && t.dy() == 0;
  return whole ? scale : 0;
}

QColor BenchColor(int32_t v) {
  return QColor(v & 0xff, (v >> 8) & 0xff, (v >> 16) & 0xff);
}

// The text styles are made once and kept for the run (never destroyed, as
// they would outlive the application's font cache); the painter then finds
// each font's glyphs without looking the font up again.
const QFont& CaptionFont() {
  static const QFont* font = new QFont(BenchFont(13, false));
  return *font;
}
const QFont& DigitsFont() {
  static const QFont* font = new QFont(BenchFont(13, true));
  return *font;
}
const QFont& SymbolFont() {
  static const QFont* font = new QFont(BenchFont(24, false));
  return *font;
}
const QFont& ArrowLabelFont() {
  return CaptionFont();
}

void TextAt(QPainter& p, int x, int y, const QString& text) {
  p.drawText(x, y + QFontMetrics(p.font()).ascent(), text);
}

void TextAt(PaintContext& c, const QFont& style, int x, int y, const QString& text) {
  c.texts.draw(c.p, style, x, y, text);
}

void TextLayouts::draw(QPainter& p, const QFont& font, int x, int y, const QString& text) {
  auto it = layouts_.find({&font, text});
  if (it == layouts_.end()) {
    QStaticText layout(text);
    layout.setTextFormat(Qt::PlainText);
    it = layouts_.emplace(std::pair{&font, text}, Layout{layout}).first;
  }
  it->second.drawn = true;
  p.setFont(font);
  // A laid-out text stands with its top-left corner at the point, as the
  // bench places text.
  p.drawStaticText(x, y, it->second.text);
}

void TextLayouts::sweep() {
  for (auto it = layouts_.begin(); it != layouts_.end();) {
    if (it->second.drawn) {
      it->second.drawn = false;
      ++it;
    } else {
      it = layouts_.erase(it);
    }
  }
}

void Pen(QPainter& p, const QColor& color, int width, Qt::PenStyle style) {
  // Square caps take in the end pixel of every line, as a needle's tip needs.
  QPen pen(color, width, style, Qt::SquareCap, Qt::MiterJoin);
  p.setPen(pen);
}

void Line(QPainter& p, int x1, int y1, int x2, int y2) {
  p.drawLine(x1, y1, x2, y2);
}

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

void StampedEllipse(PaintContext& c, int x1, int y1, int x2, int y2) {
  const QPen pen = c.p.pen();
  const QBrush brush = c.p.brush();
  const int64_t fill = brush.style() == Qt::NoBrush ? -1 : int64_t{brush.color().rgba()};
  const int64_t stroke =
      pen.width() * 65536 + pen.style() * 1024 + pen.capStyle() + pen.joinStyle();
  const Stamps::Key key{3, x2 - x1, y2 - y1, pen.color().rgba(), stroke, fill};
  const int reach = std::max(x2 - x1, y2 - y1) + pen.width() + 1;
  c.stamps.draw(c.p, key, x1, y1, reach, [&](QPainter& p, int ox, int oy) {
    p.setPen(pen);
    p.setBrush(brush);
    Ellipse(p, ox, oy, ox + x2 - x1, oy + y2 - y1);
  });
}

void DrawPicture(PaintContext& c, int x, int y, Pic pic) {
  if (c.one_to_one) {
    c.p.drawImage(x, y, c.pics.keyed(pic));
  } else {
    DrawScaled(c.p, x, y, c.pics.keyed(pic, c.picture_scale));
  }
}

void DrawScaled(QPainter& p, int x, int y, const QImage& picture) {
  const double ratio = picture.devicePixelRatio();
  p.drawImage(QRectF(x, y, picture.width() / ratio, picture.height() / ratio), picture);
}

void SelectionOutline(QPainter& p, int x1, int y1, int x2, int y2) {
  Pen(p, QColor(255, 0, 0));
  Frame(p, x1, y1, x2, y2);
}

QString CaptionLine(const char* label, double value, const char* unit) {
  return QString::fromUtf8(label) + QString::fromStdString(FormatGeneral(value, 15)) +
         QString::fromUtf8(unit);
}

void Captions(PaintContext& c, int x, int y, std::initializer_list<QString> lines) {
  c.p.setPen(CAPTION_BLUE);
  for (const QString& line : lines) {
    TextAt(c, CaptionFont(), x, y, line);
    y += 15;
  }
}

int Trunc(double v) {
  if (!(v > -1e6)) return v != v ? 0 : -1000000;
  if (v > 1e6) return 1000000;
  return static_cast<int>(v);
}

Offset HalfSize(const ElementRecord& e) {
  return e.half_size[PoseEntry(e.pose, 0)];
}

}  // namespace voltaro
