#include "render/pictures.h"

namespace voltaro {
namespace {

constexpr const char* FILES[PICTURE_COUNT] = {
    "ptdz1.obj",     "cjdy1.obj",     "dzs1.obj",     "bzx.obj",    "gdc1.obj",
    "xdc.obj",       "gdcz.obj",      "xdcz.obj",     "9vdc.obj",   "ejg1.obj",
    "yincx.obj",     "dyb00.obj",     "dlb00.obj",    "omb00.obj",  "wanyb.obj",
    "lmdlj1.obj",    "3_15vdyb.obj",  "06_3adlb.obj", "kg_1k.obj",  "kg_1h.obj",
    "ddszkg_k.obj",  "ddszkg_z.obj",  "ddszkg_y.obj", "bxs1.obj",   "bxs2.obj",
    "jdq_k.obj",     "jdq_h.obj",     "xhd1.obj",     "dl_bz.obj",  "hdbzq1.obj",
    "xianquan0.obj", "xianquan1.obj", "citie0.obj",   "citie1.obj", "qiege0.obj",
    "qiege1.obj",    "jinshugan.obj", "djct_n.obj",   "djct_s.obj",
};

constexpr const char* BOX_FILES[BOX_PICTURES] = {
    "box_coil.bmp", "box_rod.bmp", "box_motor.bmp", "box_dcgen.bmp", "box_acgen.bmp",
};

constexpr int FIRST_INDUCTION = static_cast<int>(Pic::Coil0);

QImage Read(const std::string& path) {
  QImage image;
  // The files are Windows bitmaps whatever their extension says.
  image.load(QString::fromStdString(path), "BMP");
  return image;
}

}  // namespace

const char* PictureFile(Pic pic) {
  return FILES[static_cast<int>(pic)];
}

std::string BulbPictureFile(int step) {
  return step == 0 ? "bulb_burnt.bmp" : "bulb" + std::to_string(step) + ".bmp";
}

QImage KeyedCopy(const QImage& image, QRgb key) {
  QImage out = image.convertToFormat(QImage::Format_ARGB32);
  key |= 0xff000000u;
  for (int y = 0; y < out.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < out.width(); ++x) {
      if ((row[x] | 0xff000000u) == key) row[x] = 0;
    }
  }
  return out.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

std::optional<std::string> PictureSet::load(const std::string& obj_dir) {
  const std::string dir = obj_dir.empty() || obj_dir.back() == '/' ? obj_dir : obj_dir + "/";
  for (int i = 0; i < PICTURE_COUNT; ++i) {
    raw_[i] = Read(dir + FILES[i]);
    if (raw_[i].isNull()) return dir + FILES[i];
    const bool induction = i >= FIRST_INDUCTION;
    const bool opaque = i == static_cast<int>(Pic::Rod);
    const QRgb key = induction ? qRgb(255, 255, 255) : raw_[i].pixel(0, raw_[i].height() - 1);
    keyed_[i] = opaque ? raw_[i].convertToFormat(QImage::Format_ARGB32_Premultiplied)
                       : KeyedCopy(raw_[i], key);
  }
  for (int step = 0; step < BULB_PICTURES; ++step) {
    bulbs_raw_[step] = Read(dir + BulbPictureFile(step));
    if (bulbs_raw_[step].isNull()) return dir + BulbPictureFile(step);
    bulbs_[step] = KeyedCopy(bulbs_raw_[step], qRgb(255, 255, 255));
  }
  for (int i = 0; i < BOX_PICTURES; ++i) {
    const QImage raw = Read(dir + BOX_FILES[i]);
    if (raw.isNull()) return dir + BOX_FILES[i];
    box_[i] = KeyedCopy(raw, raw.pixel(0, raw.height() - 1));
  }
  return std::nullopt;
}

}  // namespace voltaro
