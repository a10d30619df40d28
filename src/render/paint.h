#pragma once
// What every drawing routine of the bench shares: the painter, the bench,
// the pictures, the selection, and small helpers that draw the way the bench
// counts pixels (rectangles from corner to corner, text from its top-left).

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QStaticText>
#include <QString>
#include <array>
#include <compare>
#include <cstdint>
#include <initializer_list>
#include <map>
#include <utility>

#include "model/bench.h"
#include "render/pictures.h"

namespace voltaro {

// What is selected on the bench; the mouse handling owns it, drawing reads it.
struct Selection {
  int32_t selected_kind = 0;  // a kind code, 1000 note, 2000 black box, -1 wire, 0 none
  int selected_index = -1;
  bool wire_selected = false;
  int selected_wire = -1;
};

// The switch, the fuse and the bulb change their look with their state, so
// their element pictures are composed on every redraw. The composed and
// turned pictures are kept by everything they are made from, and a redraw
// in which nothing of that changed takes the kept one.
struct StatePictureKey {
  int32_t kind, state, pose, view;
  int32_t cx, cy, a_dx, b_dx;  // where the symbol is drawn
  auto operator<=>(const StatePictureKey&) const = default;
};
using StatePictures = std::map<StatePictureKey, QImage>;

// Small shapes that recur all over the bench (a wire's bend dots and
// arrowheads, the rings of meter symbols and switch contacts) are rasterised
// once into a see-through stamp and copied after that. A copy covers exactly
// the pixels a fresh drawing would, since the raster of a shape is the same
// under whole-pixel shifts: on a picture whose every bench pixel is a whole
// number of its pixels (the bench itself, or the window's picture zoomed to
// 200 %, 300 %, 400 %). Painted at another scale or on a page, and where it
// would reach off the bench, a shape is drawn afresh all the same.
class Stamps {
 public:
  // Names a shape together with its pen and brush.
  using Key = std::array<int64_t, 6>;

  // Draws at (x, y) the shape that `draw(painter, ox, oy)` paints round
  // (ox, oy), setting its own pen and brush, within `reach` pixels.
  template <class Draw>
  void draw(QPainter& p, const Key& key, int x, int y, int reach, Draw draw) {
    const int scale = WholeScale(p);
    const QPaintDevice* device = p.device();
    if (scale == 0 || x < reach || y < reach || (x + reach) * scale >= device->width() ||
        (y + reach) * scale >= device->height()) {
      draw(p, x, y);
      return;
    }
    auto it = stamps_.find({key, scale});
    if (it == stamps_.end()) {
      const int side = (2 * reach + 1) * scale;
      QImage stamp(side, side, QImage::Format_ARGB32_Premultiplied);
      stamp.fill(Qt::transparent);
      QPainter sp(&stamp);
      sp.scale(scale, scale);
      draw(sp, reach, reach);
      sp.end();
      it = stamps_.emplace(std::pair{key, scale}, std::move(stamp)).first;
    }
    if (scale == 1) {
      p.drawImage(x - reach, y - reach, it->second);
    } else {
      // The stamp's pixels go straight onto the device's.
      const QTransform bench = p.transform();
      p.resetTransform();
      p.drawImage((x - reach) * scale, (y - reach) * scale, it->second);
      p.setTransform(bench);
    }
  }

 private:
  // How many device pixels a bench pixel is when the painter maps bench
  // pixels onto a picture by a whole number alone, else 0.
  static int WholeScale(const QPainter& p);

  std::map<std::pair<Key, int>, QImage> stamps_;
};

// Text in the bench's own styles (captions, readings, symbol letters) is
// laid out once and kept while it is shown, since from one redraw to the
// next nearly all of it stays the same. Text not drawn in a redraw is
// dropped after it.
class TextLayouts {
 public:
  // Draws `text` in `font`, one of the bench's text styles, with its
  // top-left corner at (x, y) in the painter's pen.
  void draw(QPainter& p, const QFont& font, int x, int y, const QString& text);
  // Forgets the text that was not drawn since the last sweep.
  void sweep();

 private:
  struct Layout {
    QStaticText text;
    bool drawn = false;
  };
  std::map<std::pair<const QFont*, QString>, Layout> layouts_;
};

// Apparatus and bulb pictures turned for a pose at a scale, kept while the
// bench is painted at that scale: by picture (bulbs after the apparatus),
// scale, pose and whether the kind flips instead of turning.
using TurnedPictures = std::map<std::array<int, 4>, QImage>;

struct PaintContext {
  QPainter& p;
  Bench& bench;
  const PictureSet& pics;
  const Selection& selection;
  std::array<QImage, TWO_TERMINAL_SLOTS>& element_pictures;
  StatePictures& state_pictures;
  Stamps& stamps;
  TextLayouts& texts;
  TurnedPictures& turned;
  // Painted 1:1 onto the bench's own image, where the element pictures are
  // copied pixel for pixel. Otherwise the bench is painted larger or
  // smaller, or onto a page, and each component's look is drawn afresh:
  // symbols as lines, apparatus pictures drawn at `picture_scale`.
  bool one_to_one = true;
  int picture_scale = 1;
  // An SVG or PDF page, where a wire is one line, not stripes of pixels.
  bool vector = false;
  bool circuit_view() const { return bench.circuit_view != 0; }
  bool selected(int32_t kind, int index) const {
    return selection.selected_kind == kind && selection.selected_index == index;
  }
};

// A bench colour value: red in the low byte, then green, then blue.
QColor BenchColor(int32_t value);

// The four text styles of the bench.
const QFont& CaptionFont();     // parameter captions, blue
const QFont& DigitsFont();      // meter digits, bold, yellow on black
const QFont& SymbolFont();      // the letter inside a meter symbol
const QFont& ArrowLabelFont();  // the letter at the rod's current arrow, blue
const QColor CAPTION_BLUE(0, 0, 255);

// Text with its top-left corner at (x, y), in the painter's font and pen.
void TextAt(QPainter& p, int x, int y, const QString& text);
// The same in one of the bench's text styles, laid out once while shown.
void TextAt(PaintContext& c, const QFont& style, int x, int y, const QString& text);
void Pen(QPainter& p, const QColor& color, int width = 1, Qt::PenStyle style = Qt::SolidLine);
void Line(QPainter& p, int x1, int y1, int x2, int y2);
// The outline of the rectangle whose corners are (x1, y1) and (x2 - 1, y2 - 1).
void Frame(QPainter& p, int x1, int y1, int x2, int y2);
// The same rectangle filled with the brush and outlined with the pen.
void Box(QPainter& p, int x1, int y1, int x2, int y2, const QColor& fill);
// The ellipse inside the box (x1, y1)-(x2, y2).
void Ellipse(QPainter& p, int x1, int y1, int x2, int y2);
// The same ellipse in the painter's pen and brush, copied from a stamp.
void StampedEllipse(PaintContext& c, int x1, int y1, int x2, int y2);
// An apparatus picture with its top-left corner at (x, y): the one read,
// painting 1:1, else the one drawn at the picture scale.
void DrawPicture(PaintContext& c, int x, int y, Pic pic);
// A picture drawn at a scale (its device pixel ratio) over the part of the
// bench it stands for, its top-left corner at (x, y).
void DrawScaled(QPainter& p, int x, int y, const QImage& picture);

// A red outline around the body of a selected component.
void SelectionOutline(QPainter& p, int x1, int y1, int x2, int y2);

// "label" + value + "unit", the value in general format with up to 15
// significant digits.
QString CaptionLine(const char* label, double value, const char* unit);
// Caption lines in the caption style, the first at (x, y), each next 15
// pixels lower.
void Captions(PaintContext& c, int x, int y, std::initializer_list<QString> lines);

// A computed coordinate, truncated toward zero; a value that is not a
// number or lies far off the bench lands at a safe distance instead.
int Trunc(double v);

// Half size of a two-terminal record in its pose.
Offset HalfSize(const ElementRecord& e);

}  // namespace voltaro
