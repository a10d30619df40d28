#pragma once
// What every drawing routine of the bench shares: the painter, the bench,
// the pictures, the selection, and small helpers that draw the way the bench
// counts pixels (rectangles from corner to corner, text from its top-left).

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QString>
#include <array>
#include <cstdint>
#include <initializer_list>

#include "model/bench.h"
#include "render/pictures.h"

namespace voltaro {

// What is selected on the bench; the mouse handling owns it, drawing reads it.
struct Selection {
  int32_t kind = 0;  // a kind code, 1000 note, 2000 black box, -1 wire, 0 none
  int index = -1;
  bool wire_selected = false;
  int wire = -1;
};

struct PaintContext {
  QPainter& p;
  Bench& bench;
  const PictureSet& pics;
  const Selection& selection;
  std::array<QImage, TWO_TERMINAL_SLOTS>& element_pictures;
  bool circuit_view() const { return bench.circuit_view != 0; }
  bool selected(int32_t kind, int index) const {
    return selection.kind == kind && selection.index == index;
  }
};

// A bench colour value: red in the low byte, then green, then blue.
QColor BenchColor(int32_t value);

// The four text styles of the bench.
QFont CaptionFont();     // parameter captions, blue
QFont DigitsFont();      // meter digits, bold, yellow on black
QFont SymbolFont();      // the letter inside a meter symbol
QFont ArrowLabelFont();  // the letter at the rod's current arrow, blue
const QColor CAPTION_BLUE(0, 0, 255);

// Text with its top-left corner at (x, y), in the painter's font and pen.
void TextAt(QPainter& p, int x, int y, const QString& text);
void Pen(QPainter& p, const QColor& color, int width = 1, Qt::PenStyle style = Qt::SolidLine);
void Line(QPainter& p, int x1, int y1, int x2, int y2);
// The outline of the rectangle whose corners are (x1, y1) and (x2 - 1, y2 - 1).
void Frame(QPainter& p, int x1, int y1, int x2, int y2);
// The same rectangle filled with the brush and outlined with the pen.
void Box(QPainter& p, int x1, int y1, int x2, int y2, const QColor& fill);
// The ellipse inside the box (x1, y1)-(x2, y2).
void Ellipse(QPainter& p, int x1, int y1, int x2, int y2);
// A red outline around the body of a selected component.
void SelectionOutline(QPainter& p, int x1, int y1, int x2, int y2);

// "label" + value + "unit", the value in general format with up to 15
// significant digits.
QString CaptionLine(const char* label, double value, const char* unit);
// Caption lines in the caption style, the first at (x, y), each next 15
// pixels lower.
void Captions(QPainter& p, int x, int y, std::initializer_list<QString> lines);

// A computed coordinate, truncated toward zero; a value that is not a
// number or lies far off the bench lands at a safe distance instead.
int Trunc(double v);

// Half size of a two-terminal record in its pose.
Offset HalfSize(const ElementRecord& e);

}  // namespace voltaro
