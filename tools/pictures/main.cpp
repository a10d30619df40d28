// Draws every picture of the bench and synthesises its two sounds:
//
//   voltaro_pictures --obj DIR --bin DIR [--contact-sheet FILE.png] [--only NAME] [--scale N]
//
// The apparatus pictures, bulb pictures and sounds go to the obj folder the
// bench loads them from; the warning and about pictures go beside the
// program. The contact sheet shows everything at twice its size.

#include <QDir>
#include <QGuiApplication>
#include <QImageReader>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "bitmap_writer.h"
#include "contact_sheet.h"
#include "picture.h"
#include "sounds.h"

using namespace voltaro::pictures;

namespace {

bool write_picture(const Picture& pic, const QString& path, QImage& written) {
  const QImage flat = flatten(pic);
  if (pic.backdrop == Backdrop::Key && flat.pixel(0, flat.height() - 1) != KEY_COLOUR) {
    std::fprintf(stderr, "%s: the bottom-left pixel must show the key colour\n",
                 qPrintable(pic.file));
    return false;
  }
  const bool ok = pic.depth == Depth::Palette8 ? write_bmp8(to_palette(flat, pic.backdrop), path)
                                               : flat.save(path, "BMP");
  if (!ok) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
  }
  QImageReader reader(path, "BMP");
  written = reader.read().convertToFormat(QImage::Format_RGB32);
  if (pic.backdrop == Backdrop::Key) {
    for (int y = 0; y < written.height(); ++y) {
      for (int x = 0; x < written.width(); ++x) {
        if (written.pixel(x, y) == KEY_COLOUR) written.setPixel(x, y, qRgb(255, 255, 255));
      }
    }
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  QString obj_dir, bin_dir, sheet_path, only;
  int scale = 2;
  const QStringList args = app.arguments();
  for (int i = 1; i + 1 < args.size(); i += 2) {
    if (args[i] == "--obj")
      obj_dir = args[i + 1];
    else if (args[i] == "--bin")
      bin_dir = args[i + 1];
    else if (args[i] == "--contact-sheet")
      sheet_path = args[i + 1];
    else if (args[i] == "--only")
      only = args[i + 1];
    else if (args[i] == "--scale")
      scale = std::max(1, args[i + 1].toInt());
  }
  if (obj_dir.isEmpty() || bin_dir.isEmpty()) {
    std::fprintf(stderr,
                 "usage: voltaro_pictures --obj DIR --bin DIR [--contact-sheet FILE.png] "
                 "[--only NAME] [--scale N]\n");
    return 2;
  }
  QDir().mkpath(obj_dir);
  QDir().mkpath(bin_dir);

  std::vector<Picture> pictures;
  add_sources(pictures);
  add_passives(pictures);
  add_meters(pictures);
  add_multimeter(pictures);
  add_switchgear(pictures);
  add_lamps(pictures);
  add_induction(pictures);
  add_windows(pictures);
  add_box(pictures);

  bool ok = true;
  std::vector<SheetEntry> sheet;
  for (const Picture& pic : pictures) {
    if (!only.isEmpty() && !pic.file.startsWith(only)) continue;
    const QString dir = pic.folder == Folder::Obj ? obj_dir : bin_dir;
    QImage written;
    if (!write_picture(pic, dir + "/" + pic.file, written)) {
      ok = false;
      continue;
    }
    sheet.push_back({pic.file, written, pic.marks});
  }
  ok = write_wav(fuse_pop(), obj_dir + "/bd.wav") && ok;
  ok = write_wav(bell_ring(), obj_dir + "/dl.wav") && ok;
  const std::vector<SheetEntry> previews = bench_previews(sheet);
  sheet.insert(sheet.end(), previews.begin(), previews.end());
  if (!sheet_path.isEmpty() && !contact_sheet(sheet, scale).save(sheet_path, "PNG")) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(sheet_path));
    ok = false;
  }
  return ok ? 0 : 1;
}
