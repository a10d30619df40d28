#include "render/export.h"

#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <algorithm>

#include "render/bench_renderer.h"

namespace voltaro {
namespace {

constexpr int WIDTH = BenchRenderer::WIDTH, HEIGHT = BenchRenderer::HEIGHT;
// A bench pixel is a screen pixel of 1/96 inch; on paper the drawing keeps
// that size: 1024 x 768 pixels are 768 x 576 points.
constexpr double POINTS_PER_PIXEL = 72.0 / 96.0;

bool WriteSvg(BenchRenderer& renderer, QSaveFile& file) {
  QSvgGenerator svg;
  svg.setOutputDevice(&file);
  svg.setSize(QSize(WIDTH, HEIGHT));
  svg.setViewBox(QRect(0, 0, WIDTH, HEIGHT));
  svg.setTitle("Zentrik Voltaro bench");
  svg.setDescription("A circuit bench drawn by Zentrik Voltaro");
  QPainter p;
  if (!p.begin(&svg)) return false;
  renderer.paint_onto(p, {.scale = 1, .vector = true, .selection = false});
  return p.end();
}

bool WritePdf(BenchRenderer& renderer, QSaveFile& file) {
  QPdfWriter pdf(&file);
  pdf.setTitle("Zentrik Voltaro bench");
  pdf.setCreator("Zentrik Voltaro");
  pdf.setPageSize(QPageSize(QSizeF(WIDTH, HEIGHT) * POINTS_PER_PIXEL, QPageSize::Point, "Bench",
                            QPageSize::ExactMatch));
  pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
  pdf.setResolution(96);
  QPainter p;
  if (!p.begin(&pdf)) return false;
  const double scale = static_cast<double>(pdf.width()) / WIDTH;
  p.scale(scale, scale);
  renderer.paint_onto(p, {.scale = scale, .vector = true, .selection = false});
  return p.end();
}

bool WriteBitmap(BenchRenderer& renderer, QSaveFile& file, int scale, const char* format) {
  QImage picture(WIDTH * scale, HEIGHT * scale, QImage::Format_RGB32);
  picture.fill(Qt::white);
  QPainter p(&picture);
  p.scale(scale, scale);
  renderer.paint_onto(p, {.scale = static_cast<double>(scale), .selection = false});
  p.end();
  return picture.save(&file, format);
}

}  // namespace

ExportOutcome SaveBenchPicture(const QImage& image, const QString& name) {
  if (name.isEmpty()) return ExportOutcome::NotAPictureName;
  const QChar last = name.back().toLower();
  const char* format = last == 'p' ? "BMP" : last == 'g' ? "JPG" : nullptr;
  if (!format) return ExportOutcome::NotAPictureName;
  return image.save(name, format) ? ExportOutcome::Written : ExportOutcome::Failed;
}

DrawingFormat DrawingFormatOf(const QString& name) {
  const QString suffix = name.section('.', -1).toLower();
  if (!name.contains('.')) return DrawingFormat::Unknown;
  if (suffix == "png") return DrawingFormat::Png;
  if (suffix == "bmp") return DrawingFormat::Bmp;
  if (suffix == "jpg" || suffix == "jpeg") return DrawingFormat::Jpg;
  if (suffix == "svg") return DrawingFormat::Svg;
  if (suffix == "pdf") return DrawingFormat::Pdf;
  return DrawingFormat::Unknown;
}

ExportOutcome ExportDrawing(BenchRenderer& renderer, const QString& name, int scale) {
  const DrawingFormat format = DrawingFormatOf(name);
  if (format == DrawingFormat::Unknown) return ExportOutcome::NotAPictureName;
  scale = std::clamp(scale, 1, MAX_DRAWING_SCALE);
  QSaveFile file(name);
  if (!file.open(QIODevice::WriteOnly)) return ExportOutcome::Failed;
  bool written = false;
  switch (format) {
    case DrawingFormat::Svg:
      written = WriteSvg(renderer, file);
      break;
    case DrawingFormat::Pdf:
      written = WritePdf(renderer, file);
      break;
    case DrawingFormat::Png:
      written = WriteBitmap(renderer, file, scale, "PNG");
      break;
    case DrawingFormat::Bmp:
      written = WriteBitmap(renderer, file, scale, "BMP");
      break;
    case DrawingFormat::Jpg:
      written = WriteBitmap(renderer, file, scale, "JPG");
      break;
    case DrawingFormat::Unknown:
      break;
  }
  if (!written) {
    file.cancelWriting();
    return ExportOutcome::Failed;
  }
  return file.commit() ? ExportOutcome::Written : ExportOutcome::Failed;
}

}  // namespace voltaro
