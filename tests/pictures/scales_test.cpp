// The apparatus and bulb pictures drawn larger, as the bench draws them
// when it is shown or exported larger: the same picture, laid out the same,
// only finer. Reduced back to its own size, a picture drawn at 2 or 4 times
// its size differs from the one drawn at its size only by the smoothing of
// its edges.

#include <gtest/gtest.h>

#include <QImage>
#include <cstdlib>

#include "pictures/picture.h"

namespace voltaro::pictures {
namespace {

// Each pixel the average of the k x k pixels it stands for.
QImage Reduced(const QImage& big, int k) {
  QImage out(big.width() / k, big.height() / k, QImage::Format_ARGB32_Premultiplied);
  for (int y = 0; y < out.height(); ++y) {
    for (int x = 0; x < out.width(); ++x) {
      int sum[4] = {0, 0, 0, 0};
      for (int dy = 0; dy < k; ++dy) {
        for (int dx = 0; dx < k; ++dx) {
          const QRgb c = big.pixel(x * k + dx, y * k + dy);
          sum[0] += qRed(c);
          sum[1] += qGreen(c);
          sum[2] += qBlue(c);
          sum[3] += qAlpha(c);
        }
      }
      const int n = k * k;
      out.setPixel(x, y, qRgba(sum[0] / n, sum[1] / n, sum[2] / n, sum[3] / n));
    }
  }
  return out;
}

TEST(PictureScales, APictureDrawnLargerReducesToItself) {
  ASSERT_EQ(apparatus_pictures().size(), 39u + 11u);
  for (const Picture& pic : apparatus_pictures()) {
    const QImage own = art(pic, 1).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int scale : {2, 4}) {
      SCOPED_TRACE(pic.file.toStdString() + " at " + std::to_string(scale));
      const QImage big = art(pic, scale);
      ASSERT_EQ(big.size(), pic.size * scale);
      const QImage back = Reduced(big.convertToFormat(QImage::Format_ARGB32_Premultiplied), scale);
      double difference = 0;
      int edge_moved = 0;
      for (int y = 0; y < own.height(); ++y) {
        for (int x = 0; x < own.width(); ++x) {
          const QRgb a = own.pixel(x, y), b = back.pixel(x, y);
          difference += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                        std::abs(qBlue(a) - qBlue(b)) + std::abs(qAlpha(a) - qAlpha(b));
          // Where the bench shows through at one size, it does at the other.
          if ((qAlpha(a) < 100) != (qAlpha(b) < 100)) ++edge_moved;
        }
      }
      const int pixels = own.width() * own.height();
      EXPECT_LT(difference / pixels / 4, 6.0);
      EXPECT_LT(static_cast<double>(edge_moved) / pixels, 0.01);
    }
  }
}

// Flattened for the bench, a larger picture keeps its backdrop in the key
// colour in the bottom-left corner, where the bench looks for it.
TEST(PictureScales, TheKeyColourStaysInTheCorner) {
  for (const Picture& pic : apparatus_pictures()) {
    if (pic.backdrop != Backdrop::Key) continue;
    SCOPED_TRACE(pic.file.toStdString());
    const QImage flat = flatten(art(pic, 3), pic.backdrop);
    EXPECT_EQ(flat.pixel(0, flat.height() - 1), KEY_COLOUR);
  }
}

}  // namespace
}  // namespace voltaro::pictures
