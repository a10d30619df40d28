#include "app/drawing_dialog.h"

#include "render/bench_renderer.h"
#include "render/export.h"

namespace voltaro {
namespace {

const char* const FILTERS[][2] = {
    {"SVG drawing (*.svg)", "svg"},
    {"PDF drawing (*.pdf)", "pdf"},
    {"PNG picture (*.png)", "png"},
};

}  // namespace

DrawingFileDialog::DrawingFileDialog(QWidget* parent) : QFileDialog(parent, "Export Drawing") {
  QStringList filters;
  for (const auto& f : FILTERS) filters << f[0];
  setNameFilters(filters);
  setAcceptMode(QFileDialog::AcceptSave);
  setDefaultSuffix(FILTERS[0][1]);
}

QStringList DrawingFileDialog::PictureSizes() {
  QStringList sizes;
  for (int scale = 1; scale <= MAX_DRAWING_SCALE; ++scale) {
    sizes << QStringLiteral("%1\u00d7 (%2 \u00d7 %3 pixels)")
                 .arg(scale)
                 .arg(scale * BenchRenderer::WIDTH)
                 .arg(scale * BenchRenderer::HEIGHT);
  }
  return sizes;
}

void DrawingFileDialog::accept() {
  // The ending follows the filter chosen at the moment of saving.
  for (const auto& f : FILTERS) {
    if (selectedNameFilter() == f[0]) setDefaultSuffix(f[1]);
  }
  QFileDialog::accept();
}

}  // namespace voltaro
