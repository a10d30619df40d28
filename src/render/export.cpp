#include "render/export.h"

namespace voltaro {

ExportOutcome SaveBenchPicture(const QImage& image, const QString& name) {
  if (name.isEmpty()) return ExportOutcome::NotAPictureName;
  const QChar last = name.back().toLower();
  const char* format = last == 'p' ? "BMP" : last == 'g' ? "JPG" : nullptr;
  if (!format) return ExportOutcome::NotAPictureName;
  return image.save(name, format) ? ExportOutcome::Written : ExportOutcome::Failed;
}

}  // namespace voltaro
