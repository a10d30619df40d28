// Draws every picture of the bench and synthesises its two sounds:
//
//   voltaro_pictures --obj DIR --bin DIR [--icons DIR] [--contact-sheet FILE.png]
//                    [--only NAME] [--scale N]
//
// The apparatus pictures, bulb pictures and sounds go to the obj folder the
// bench loads them from; the warning and about pictures and the window's
// icon file go beside the program. The desktop's icons go to
// DIR/hicolor/NxN/apps, laid out as an icon theme. The contact sheet shows
// everything at twice its size.

#include <QDir>
#include <QGuiApplication>
#include <QImageReader>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "bitmap_writer.h"
#include "contact_sheet.h"
#include "icon.h"
#include "pictures/picture.h"
#include "sounds.h"
#include "windows.h"

using namespace voltaro::pictures;

namespace {

bool write_picture(const Picture& pic, const QString& path, QImage& written) {
  const QImage flat = flatten(art(pic), pic.backdrop);
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

// Every size of the icon as a PNG in the icon theme's layout, and all of
// them in one icon file beside the program for its window.
bool write_icons(const QString& theme_dir, const QString& bin_dir, std::vector<SheetEntry>& sheet) {
  bool ok = true;
  std::vector<QImage> icons;
  for (int size : ICON_SIZES) {
    const QImage icon = app_icon(size);
    icons.push_back(icon);
    const QString dir = QStringLiteral("%1/hicolor/%2x%2/apps").arg(theme_dir).arg(size);
    const QString path = dir + "/zentrik-voltaro.png";
    if (!QDir().mkpath(dir) || !icon.save(path, "PNG")) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
      ok = false;
    }
    sheet.push_back({"zentrik-voltaro.png", icon, {}});
  }
  const QString ico = bin_dir + "/zentrik-voltaro.ico";
  if (!write_ico(icons, ico)) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(ico));
    ok = false;
  }
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  QString obj_dir, bin_dir, icon_dir, sheet_path, only;
  int scale = 2;
  const QStringList args = app.arguments();
  for (int i = 1; i + 1 < args.size(); i += 2) {
    if (args[i] == "--obj")
      obj_dir = args[i + 1];
    else if (args[i] == "--bin")
      bin_dir = args[i + 1];
    else if (args[i] == "--icons")
      icon_dir = args[i + 1];
    else if (args[i] == "--contact-sheet")
      sheet_path = args[i + 1];
    else if (args[i] == "--only")
      only = args[i + 1];
    else if (args[i] == "--scale")
      scale = std::max(1, args[i + 1].toInt());
  }
  if (obj_dir.isEmpty() || bin_dir.isEmpty()) {
    std::fprintf(stderr,
                 "usage: voltaro_pictures --obj DIR --bin DIR [--icons DIR] "
                 "[--contact-sheet FILE.png] [--only NAME] [--scale N]\n");
    return 2;
  }
  QDir().mkpath(obj_dir);
  QDir().mkpath(bin_dir);

  std::vector<Picture> pictures = apparatus_pictures();
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
  if (!icon_dir.isEmpty()) ok = write_icons(icon_dir, bin_dir, sheet) && ok;
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
