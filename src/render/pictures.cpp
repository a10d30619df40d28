#include "render/pictures.h"

namespace voltaro {
namespace {

constexpr int FIRST_INDUCTION = static_cast<int>(Pic::Coil0);

QImage Read(const std::string& path) {
  QImage image;
  // The files are Windows bitmaps whatever their extension says.
  image.load(QString::fromStdString(path), "BMP");
  return image;
}

}  // namespace

const QImage& BoxButtonPicture(const PictureSet& pictures, const BoxPicture& picture) {
  if (picture.own != BoxPic::Count) return pictures.box(picture.own);
  if (picture.bulb > 0) return pictures.bulb(picture.bulb);
  return pictures.keyed(picture.apparatus);
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
    const std::string file = dir + PictureFile(static_cast<Pic>(i));
    raw_[i] = Read(file);
    if (raw_[i].isNull()) return file;
    const bool induction = i >= FIRST_INDUCTION;
    const bool opaque = i == static_cast<int>(Pic::Rod);
    const QRgb key = induction ? qRgb(255, 255, 255) : raw_[i].pixel(0, raw_[i].height() - 1);
    keyed_[i] = opaque ? raw_[i].convertToFormat(QImage::Format_ARGB32_Premultiplied)
                       : KeyedCopy(raw_[i], key);
  }
  for (int step = 0; step < BULB_PICTURES; ++step) {
    const QImage raw = Read(dir + BulbPictureFile(step));
    if (raw.isNull()) return dir + BulbPictureFile(step);
    bulbs_[step] = KeyedCopy(raw, qRgb(255, 255, 255));
  }
  for (int i = 0; i < BOX_PICTURES; ++i) {
    const std::string file = dir + BoxPictureFile(static_cast<BoxPic>(i));
    const QImage raw = Read(file);
    if (raw.isNull()) return file;
    box_[i] = KeyedCopy(raw, raw.pixel(0, raw.height() - 1));
  }
  return std::nullopt;
}

}  // namespace voltaro
