// The picture in a property dialog is the component exactly as the bench
// draws it (needles, sliders, rails and turning coils included): it is
// drawn on a bench of its own and cut out of the white around it.

#include <memory>

#include "dialogs/dialog_frame.h"
#include "model/kinds.h"
#include "model/placement.h"
#include "model/tables.h"
#include "render/bench_renderer.h"

namespace voltaro {
namespace {

// The smallest rectangle holding every pixel that is not bench white.
QRect DrawnArea(const QImage& image) {
  int left = image.width(), right = -1, top = image.height(), bottom = -1;
  for (int y = 0; y < image.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      if ((row[x] & 0xffffff) == 0xffffff) continue;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  if (right < 0) return {};
  return QRect(QPoint(left, top), QPoint(right, bottom));
}

}  // namespace

QImage ComponentPicture(const PictureSet& pictures, int32_t kind) {
  if (kind == KIND_BULB) return pictures.bulb(1);
  const KindInfo* info = FindKind(kind);
  if (!info || info->family == Family::Note || info->family == Family::BlackBox) return {};

  auto bench = std::make_unique<Bench>();
  InitBenchTables(*bench);
  if (PlaceComponent(*bench, kind, BenchRenderer::WIDTH / 2, BenchRenderer::HEIGHT / 2).outcome !=
      PlaceOutcome::Placed) {
    return {};
  }
  BenchRenderer renderer(*bench, pictures, nullptr);
  renderer.rebuild_all_pictures();
  renderer.Draw_obj();
  const QImage image = renderer.image().convertToFormat(QImage::Format_RGB32);
  const QRect area = DrawnArea(image);
  if (area.isEmpty()) return {};
  return image.copy(area);
}

}  // namespace voltaro
