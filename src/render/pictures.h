#pragma once
// The apparatus pictures read from the obj folder beside the program, and
// the bulb pictures, each ready to be drawn with its transparent colour.
// Their names and files are in model/picture_names.h.

#include <QImage>
#include <array>
#include <map>
#include <optional>
#include <string>
#include <utility>

#include "model/kinds.h"
#include "model/picture_names.h"

namespace voltaro {

class PictureSet {
 public:
  // Reads every picture from `obj_dir`. Returns the name of the first file
  // that is missing or unreadable, or nothing when all were read.
  std::optional<std::string> load(const std::string& obj_dir);

  // The picture as read (one byte per pixel where the file has a palette).
  const QImage& raw(Pic pic) const { return raw_[static_cast<int>(pic)]; }
  // The picture with its transparent colour made see-through.
  const QImage& keyed(Pic pic) const { return keyed_[static_cast<int>(pic)]; }
  // Bulb picture 0 (burnt) to 10, white made see-through.
  const QImage& bulb(int step) const { return bulbs_[step]; }
  // A components-box picture, its bottom-left colour made see-through.
  const QImage& box(BoxPic pic) const { return box_[static_cast<int>(pic)]; }

  // The same keyed apparatus and bulb pictures for a bench painted `scale`
  // times larger (a whole number, 1 to MAX_PICTURE_SCALE): drawn afresh by
  // the drawing that made the obj files, so their lines and lettering are
  // as sharp as the bench's own, and made see-through by the same rules.
  // Each is drawn the first time it is asked for at its scale; its device
  // pixel ratio is the scale, so it covers the same part of the bench as
  // the picture read. Scale 1 gives the pictures read.
  const QImage& keyed(Pic pic, int scale) const;
  const QImage& bulb(int step, int scale) const;
  static constexpr int MAX_PICTURE_SCALE = 4;

 private:
  const QImage& scaled(int index, int scale) const;

  std::array<QImage, PICTURE_COUNT> raw_;
  std::array<QImage, PICTURE_COUNT> keyed_;
  std::array<QImage, BULB_PICTURES> bulbs_;
  std::array<QImage, BOX_PICTURES> box_;
  // By picture (bulbs after the apparatus) and scale.
  mutable std::map<std::pair<int, int>, QImage> scaled_;
};

// The picture on a kind's button in the components box, as the kind table
// names it.
const QImage& BoxButtonPicture(const PictureSet& pictures, const BoxPicture& picture);

// A copy of `image` in which every pixel of colour `key` is transparent.
QImage KeyedCopy(const QImage& image, QRgb key);

}  // namespace voltaro
