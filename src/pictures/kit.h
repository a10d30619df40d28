#pragma once
// Small drawing helpers shared by every picture: canvases, fonts, the
// binding posts and screws that every piece of apparatus carries, boards,
// cylinders and printed meter scales.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <vector>

#include "picture.h"

namespace voltaro::pictures {

// Colours of the school laboratory.
namespace ink {
inline const QColor black{25, 25, 28};
inline const QColor print{30, 30, 40};  // printed scales and labels
inline const QColor red{200, 30, 30};   // positive posts, N poles
inline const QColor blue{40, 70, 170};  // S poles, labels
inline const QColor brass{200, 160, 70};
inline const QColor copper{190, 100, 50};
inline const QColor steel{160, 165, 172};
inline const QColor wood{196, 150, 96};
inline const QColor bakelite{52, 48, 46};
inline const QColor cream{246, 242, 226};      // meter dials
inline const QColor case_grey{116, 124, 134};  // instrument cases
}  // namespace ink

// A transparent canvas of the given size, and a painter on it with smooth
// edges switched on.
QImage canvas(int width, int height);
void begin(QPainter& p, QImage& image);

QFont font_px(double pixels, bool bold = false);
QColor shade(const QColor& c, double factor);  // < 1 darker, > 1 lighter

// Text centred on a point.
void text_at(QPainter& p, QPointF centre, const QString& text, double pixels, const QColor& colour,
             bool bold = false);

// Gradients that make a flat shape look round: a cylinder lying along x
// (lit from above) or standing along y (lit from the left).
QBrush cylinder_x(const QRectF& r, const QColor& base);
QBrush cylinder_y(const QRectF& r, const QColor& base);

// A terminal seen from above: brass nut with a coloured knob; `at` is where
// the wire is clamped.
void binding_post(QPainter& p, QPointF at, const QColor& cap, double radius = 4.5);

// A terminal standing up, seen from the side: a knurled knob centred on
// `at` (where the wire is clamped), threaded stem and washer below it.
void post_side(QPainter& p, QPointF at, const QColor& cap, double width = 8, double height = 10);

// A slotted screw head.
void screw(QPainter& p, QPointF at, double radius, double slot_degrees = 30);

// The front of a magnet's pole block, from `outer` to `inner` between `top`
// and `bottom`, its face at `inner` cut back by `hollow` in the middle
// (negative toward smaller x) to wrap round an armature or a loop.
QPainterPath hollow_pole_face(double outer, double inner, double top, double bottom,
                              double hollow);

// A varnished wooden board seen slightly from above: the top face and the
// front edge below it.
void board(QPainter& p, const QRectF& top, double front, const QColor& wood = ink::wood);

// Printed meter scales. Angles are degrees counter-clockwise from the x axis
// (90 = straight up), the way the needle formulas count them.
QPointF at_angle(QPointF pivot, double degrees, double radius);
void tick(QPainter& p, QPointF pivot, double degrees, double r_in, double r_out, double width);
void arc(QPainter& p, QPointF pivot, double radius, double from_degrees, double to_degrees,
         double width);
void number_at(QPainter& p, QPointF pivot, double degrees, double radius, const QString& text,
               double pixels, const QColor& colour = ink::print, bool bold = false);

// A picture whose artwork `draw` paints, in picture pixels, on a canvas of
// the given size; `marks` are the points the bench uses (terminals,
// pivots), in picture coordinates.
template <typename Draw>
Picture drawn(const QString& file, int width, int height, std::vector<QPoint> marks, Draw draw,
              Backdrop backdrop = Backdrop::Key) {
  Picture pic;
  pic.file = file;
  pic.size = QSize(width, height);
  pic.draw = std::move(draw);
  pic.backdrop = backdrop;
  pic.marks = std::move(marks);
  return pic;
}

}  // namespace voltaro::pictures
