#include "contact_sheet.h"

#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <functional>

#include "pictures/kit.h"

namespace voltaro::pictures {

QImage contact_sheet(const std::vector<SheetEntry>& entries, int scale) {
  const int SCALE = scale;
  constexpr int GAP = 16, CAPTION = 18, PAGE_WIDTH = 1800;
  // Lay the pictures out in rows, left to right.
  struct Placed {
    QPoint at;
    const SheetEntry* entry;
  };
  std::vector<Placed> placed;
  int x = GAP, y = GAP, row_height = 0;
  for (const SheetEntry& e : entries) {
    const int w = std::max(e.as_written.width() * SCALE, 90);
    const int h = e.as_written.height() * SCALE + CAPTION;
    if (x + w + GAP > PAGE_WIDTH && x > GAP) {
      x = GAP;
      y += row_height + GAP;
      row_height = 0;
    }
    placed.push_back({QPoint(x, y), &e});
    x += w + GAP;
    row_height = std::max(row_height, h);
  }
  QImage sheet(PAGE_WIDTH, y + row_height + GAP, QImage::Format_RGB32);
  sheet.fill(QColor(228, 228, 222));
  QPainter p(&sheet);
  for (const Placed& s : placed) {
    const QImage& img = s.entry->as_written;
    const QRect frame(s.at, img.size() * SCALE);
    p.fillRect(frame, Qt::white);  // the bench
    p.drawImage(frame, img);       // nearest pixels: every pixel stays visible
    p.setPen(QColor(170, 170, 170));
    p.setBrush(Qt::NoBrush);
    p.drawRect(frame.adjusted(-1, -1, 0, 0));
    // Where the bench clamps wires or pivots needles.
    p.setPen(QPen(QColor(230, 0, 200), 1));
    for (const QPoint& m : s.entry->marks) {
      const QPoint c = s.at + m * SCALE + QPoint(1, 1);
      p.drawLine(c + QPoint(-4, 0), c + QPoint(4, 0));
      p.drawLine(c + QPoint(0, -4), c + QPoint(0, 4));
    }
    p.setPen(QColor(20, 20, 20));
    p.setFont(font_px(12));
    p.drawText(QRect(s.at.x(), frame.bottom() + 2, 400, CAPTION - 2), Qt::AlignLeft | Qt::AlignTop,
               QStringLiteral("%1  %2x%3").arg(s.entry->file).arg(img.width()).arg(img.height()));
  }
  return sheet;
}

}  // namespace voltaro::pictures

namespace voltaro::pictures {

namespace {

QImage find(const std::vector<SheetEntry>& pictures, const QString& file) {
  for (const SheetEntry& e : pictures) {
    if (e.file == file) return e.as_written;
  }
  return {};
}

// The bench draws these pictures with white keyed out.
void put(QPainter& p, const QImage& picture, double x, double y) {
  QImage keyed = picture.convertToFormat(QImage::Format_ARGB32);
  for (int row = 0; row < keyed.height(); ++row) {
    QRgb* line = reinterpret_cast<QRgb*>(keyed.scanLine(row));
    for (int col = 0; col < keyed.width(); ++col) {
      if ((line[col] & 0xffffff) == 0xffffff) line[col] = 0;
    }
  }
  p.drawImage(QPointF(std::trunc(x), std::trunc(y)), keyed);
}

QPointF needle_end(QPointF pivot, double degrees, double length) {
  const double a = degrees * M_PI / 180;
  return {std::trunc(pivot.x() + length * std::cos(a)),
          std::trunc(pivot.y() - length * std::sin(a))};
}

SheetEntry preview(const QString& name, int w, int h, const std::function<void(QPainter&)>& draw) {
  QImage img(w, h, QImage::Format_RGB32);
  img.fill(Qt::white);
  QPainter p(&img);
  draw(p);
  return {name, img, {}};
}

}  // namespace

std::vector<SheetEntry> bench_previews(const std::vector<SheetEntry>& pictures) {
  std::vector<SheetEntry> out;
  const QImage coil = find(pictures, "xianquan0.obj"), magnet = find(pictures, "citie0.obj");
  if (!coil.isNull() && !magnet.isNull()) {
    out.push_back(preview("coil+magnet @150", 110, 260, [&](QPainter& p) {
      const double x = 50, y = 210;
      put(p, magnet, x - 32, y - 150);
      put(p, coil, x - 45, y - 44 + 1);
    }));
  }
  const QImage rails = find(pictures, "qiege0.obj"), rod = find(pictures, "jinshugan.obj");
  if (!rails.isNull() && !rod.isNull()) {
    out.push_back(preview("rod on rails @135", 290, 100, [&](QPainter& p) {
      const double x = 140, y = 48;
      put(p, rails, x - 135, y - 44 + 1);
      p.drawImage(QPointF(x - 135 + 135, y - 44 + 3), rod);
      p.setPen(Qt::black);
      const double r = x - 135 + 135 + 2;
      p.drawLine(QPointF(r - 10, y - 15), QPointF(r - 10, y + 15));
    }));
  }
  const QImage north = find(pictures, "djct_n.obj"), south = find(pictures, "djct_s.obj");
  if (!north.isNull() && !south.isNull()) {
    for (double t : {0.0, 0.8, 1.6}) {
      out.push_back(preview(QStringLiteral("machine t=%1").arg(t), 200, 230, [&](QPainter& p) {
        const double x = 95, y = 80;
        p.setRenderHint(QPainter::Antialiasing, false);
        put(p, north, x - 83, y - 57);
        p.setPen(QPen(Qt::black, 1, Qt::DashDotLine));
        p.drawLine(QPointF(x - 88, y + 108), QPointF(std::trunc(x + 33), std::trunc(y - 40.5)));
        const QPointF a2(x - 52.8, y + 64.8), a4(x - 17.6, y + 21.6), a5(x + 17.6, y - 21.6);
        for (int s : {1, -1}) {
          const QPointF u(s * std::cos(t), s * std::sin(t));
          QPolygonF half;
          half << a2 + 9 * u << a4 + 9 * u << a4 + 40 * u << a5 + 40 * u << a5;
          p.setPen(QPen(s > 0 ? QColor(200, 50, 50) : QColor(50, 50, 180), 3));
          p.drawPolyline(half);
        }
        put(p, south, x + 18, y - 57 + 1);
      }));
    }
  }
  const QImage volts = find(pictures, "3_15vdyb.obj");
  if (!volts.isNull()) {
    out.push_back(preview("needles 0,1,2,3 V", 130, 115, [&](QPainter& p) {
      const double x = 62, y = 57;
      put(p, volts, x - 60, y - 54);
      p.setPen(QColor(255, 0, 0));
      for (double v : {0.0, 1.0, 2.0, 3.0}) {
        const QPointF pivot(x - 1, y + 16);
        p.drawLine(pivot, needle_end(pivot, 143.664 - v / 3 * 107.328, 60));
      }
    }));
  }
  const QImage galvo = find(pictures, "lmdlj1.obj");
  if (!galvo.isNull()) {
    out.push_back(preview("needles -3,0,+2 div", 130, 115, [&](QPainter& p) {
      const double x = 62, y = 56;
      put(p, galvo, x - 60, y - 54 + 1);
      p.setPen(QColor(255, 0, 0));
      for (double d : {-3.0, 0.0, 2.0}) {
        const QPointF pivot(x - 1, y + 16);
        p.drawLine(pivot, needle_end(pivot, 90 - 18.388 * d, 60));
      }
    }));
  }
  const QImage meter = find(pictures, "wanyb.obj");
  if (!meter.isNull()) {
    out.push_back(preview("multimeter range 3, needles 0, 1/2, 1", 320, 330, [&](QPainter& p) {
      const double x = 160, y = 164;
      put(p, meter, x - 156, y - 160);
      const double r = 3, phi0 = r * 2 * M_PI / 8 + M_PI / 2;
      auto on_knob = [&](double phi) {
        return QPointF(x - 12 + std::trunc(36 * std::cos(phi)),
                       y + 85 + std::trunc(36 * std::sin(phi)));
      };
      p.setPen(QColor(100, 0, 0));
      const QPointF P = on_knob(phi0 + M_PI), Q = on_knob(phi0 + 0.2), S = on_knob(phi0 - 0.2);
      p.drawLine(P, Q);
      p.drawLine(P, S);
      p.drawLine(Q, S);
      p.setPen(QColor(255, 0, 0));
      for (double degrees : {135.0, 90.0, 45.0}) {
        const double a = degrees * M_PI / 180;
        p.drawLine(QPointF(x - 12 + std::trunc(60 / std::tan(a)), y - 28),
                   QPointF(x - 12 + std::trunc(180 * std::cos(a)),
                           y + 32 - std::trunc(180 * std::sin(a))));
      }
    }));
  }
  const QImage rheostat = find(pictures, "hdbzq1.obj");
  if (!rheostat.isNull()) {
    out.push_back(preview("rheostat slider 0, 0.5, 1", 150, 60, [&](QPainter& p) {
      const double x = 72, y = 28;
      put(p, rheostat, x - 67, y - 22);
      for (double s : {0.0, 0.5, 1.0}) {
        const double sx = x - 31 + std::trunc(60 * s);
        p.setPen(QPen(QColor(100, 100, 100), 5));
        p.drawLine(QPointF(sx, y - 18), QPointF(sx, y - 9));
        p.setPen(QPen(QColor(200, 200, 200), 2));
        p.drawLine(QPointF(sx, y - 18), QPointF(sx, y - 8));
      }
    }));
  }
  return out;
}

}  // namespace voltaro::pictures
