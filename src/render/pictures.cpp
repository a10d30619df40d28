#include "render/pictures.h"

#include <algorithm>

#include "pictures/picture.h"

namespace voltaro {
namespace {

constexpr int FIRST_INDUCTION = static_cast<int>(Pic::Coil0);

// An apparatus picture made see-through: the induction apparatus lose their
// white, the rod nothing, the others the colour of their bottom-left pixel.
QImage KeyedApparatus(const QImage& raw, int index) {
  if (index == static_cast<int>(Pic::Rod)) {
    return raw.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  }
  const bool induction = index >= FIRST_INDUCTION;
  return KeyedCopy(raw, induction ? qRgb(255, 255, 255) : raw.pixel(0, raw.height() - 1));
}

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
    keyed_[i] = KeyedApparatus(raw_[i], i);
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

const QImage& PictureSet::keyed(Pic pic, int scale) const {
  return scale <= 1 ? keyed(pic) : scaled(static_cast<int>(pic), scale);
}

const QImage& PictureSet::bulb(int step, int scale) const {
  return scale <= 1 ? bulb(step) : scaled(PICTURE_COUNT + step, scale);
}

const QImage& PictureSet::scaled(int index, int scale) const {
  scale = std::min(scale, MAX_PICTURE_SCALE);
  auto it = scaled_.find({index, scale});
  if (it != scaled_.end()) return it->second;
  const bool bulb = index >= PICTURE_COUNT;
  const std::string file =
      bulb ? BulbPictureFile(index - PICTURE_COUNT) : PictureFile(static_cast<Pic>(index));
  const pictures::Picture* drawing = pictures::find_picture(QString::fromStdString(file));
  QImage picture;
  if (drawing) {
    const QImage flat = pictures::flatten(pictures::art(*drawing, scale), drawing->backdrop);
    picture = bulb ? KeyedCopy(flat, qRgb(255, 255, 255)) : KeyedApparatus(flat, index);
  } else {
    // A picture the drawing does not know stays as read, enlarged.
    const QImage& read = bulb ? bulbs_[index - PICTURE_COUNT] : keyed_[index];
    picture = read.scaled(read.size() * scale);
  }
  picture.setDevicePixelRatio(scale);
  return scaled_.emplace(std::pair{index, scale}, std::move(picture)).first->second;
}

}  // namespace voltaro
