#pragma once
// One page with every picture at twice its size and its file name, so the
// whole set can be looked over at once.

#include <QImage>
#include <QString>
#include <vector>

#include "pictures/picture.h"

namespace voltaro::pictures {

struct SheetEntry {
  QString file;
  QImage as_written;  // read back from disk, keyed colour already shown as bench white
  std::vector<QPoint> marks;
};

QImage contact_sheet(const std::vector<SheetEntry>& entries, int scale = 2);

// Pieces put together the way the bench draws them (magnet in the coil,
// rod on the rails, a turning armature between the poles, needles on the
// meter scales), so a picture that does not fit its drawing shows up.
std::vector<SheetEntry> bench_previews(const std::vector<SheetEntry>& pictures);

}  // namespace voltaro::pictures
