// Drawing a picture's artwork at a scale, flattening it the way the bench
// reads it, and the list of every apparatus picture.

#include <QPainter>

#include "pictures/kit.h"

namespace voltaro::pictures {
namespace {

// Below this coverage a smoothed edge pixel counts as backdrop; above it,
// as apparatus blended with the white bench.
constexpr int EDGE_ALPHA = 100;

}  // namespace

QImage art(const Picture& picture, int scale) {
  QImage image = canvas(picture.size.width() * scale, picture.size.height() * scale);
  QPainter p;
  begin(p, image);
  if (scale != 1) p.scale(scale, scale);
  picture.draw(p);
  p.end();
  return image;
}

QRgb backdrop_key(Backdrop backdrop) {
  return backdrop == Backdrop::White ? qRgb(255, 255, 255) : KEY_COLOUR;
}

QRgb beside_key(QRgb c) {
  return qRgb(qRed(c), qGreen(c), qBlue(c) > 0 ? qBlue(c) - 1 : 1);
}

QImage flatten(const QImage& drawn, Backdrop backdrop) {
  const QImage art = drawn.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  QImage flat(art.size(), QImage::Format_RGB32);
  const QRgb key = backdrop_key(backdrop);
  for (int y = 0; y < art.height(); ++y) {
    const QRgb* src = reinterpret_cast<const QRgb*>(art.constScanLine(y));
    QRgb* dst = reinterpret_cast<QRgb*>(flat.scanLine(y));
    for (int x = 0; x < art.width(); ++x) {
      const QRgb p = src[x];
      const int a = qAlpha(p);
      if (backdrop != Backdrop::Opaque && a < EDGE_ALPHA) {
        dst[x] = key;
        continue;
      }
      QRgb over_white = qRgb(qRed(p) + 255 - a, qGreen(p) + 255 - a, qBlue(p) + 255 - a);
      if (backdrop != Backdrop::Opaque && over_white == key) over_white = beside_key(key);
      dst[x] = over_white;
    }
  }
  return flat;
}

const std::vector<Picture>& apparatus_pictures() {
  static const std::vector<Picture>* pictures = [] {
    auto* out = new std::vector<Picture>;
    add_sources(*out);
    add_passives(*out);
    add_meters(*out);
    add_multimeter(*out);
    add_switchgear(*out);
    add_lamps(*out);
    add_induction(*out);
    return out;
  }();
  return *pictures;
}

const Picture* find_picture(const QString& file) {
  for (const Picture& pic : apparatus_pictures()) {
    if (pic.file == file) return &pic;
  }
  return nullptr;
}

}  // namespace voltaro::pictures
