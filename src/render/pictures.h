#pragma once
// The apparatus pictures read from the obj folder beside the program, and
// the bulb pictures, each ready to be drawn with its transparent colour.

#include <QImage>
#include <array>
#include <optional>
#include <string>

namespace voltaro {

enum class Pic {
  // Drawn with the colour of their bottom-left pixel as transparent colour.
  Resistor,
  VoltageSupply,
  ResistanceWire,
  ResistanceBox,
  DryCell,
  StorageBattery,
  BatterySet,
  StorageBatterySet,
  NineVoltBattery,
  Diode,
  StraightLead,
  DigitalVoltmeter,
  DigitalAmmeter,
  DigitalOhmmeter,
  Multimeter,
  Galvanometer,
  PointerVoltmeter,
  PointerAmmeter,
  SwitchOpen,
  SwitchClosed,
  SpdtMiddle,
  SpdtLeft,
  SpdtRight,
  FuseIntact,
  FuseBlown,
  RelayOpen,
  RelayClosed,
  SignalLight,
  Bell,
  Rheostat,
  // Induction apparatus: white is transparent, the rod is opaque.
  Coil0,
  Coil1,
  Magnet0,
  Magnet1,
  Rails0,
  Rails1,
  Rod,
  PoleN,
  PoleS,
  Count
};

constexpr int PICTURE_COUNT = static_cast<int>(Pic::Count);

// The components box's own pictures of the induction apparatus, drawn for
// the button size (the bench pictures of these are too big, or the same
// for all three machines).
enum class BoxPic { CoilAndMagnet, CuttingRod, DcMotor, DcGenerator, AcGenerator, Count };
constexpr int BOX_PICTURES = static_cast<int>(BoxPic::Count);
// Brightness steps 1..10 and the burnt bulb (index 0).
constexpr int BULB_PICTURES = 11;

// The file name of a picture in the obj folder.
const char* PictureFile(Pic pic);
// The file name of bulb picture 0 (burnt) to 10.
std::string BulbPictureFile(int step);

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
  const QImage& bulb_raw(int step) const { return bulbs_raw_[step]; }
  // A components-box picture, its bottom-left colour made see-through.
  const QImage& box(BoxPic pic) const { return box_[static_cast<int>(pic)]; }

 private:
  std::array<QImage, PICTURE_COUNT> raw_;
  std::array<QImage, PICTURE_COUNT> keyed_;
  std::array<QImage, BULB_PICTURES> bulbs_;
  std::array<QImage, BULB_PICTURES> bulbs_raw_;
  std::array<QImage, BOX_PICTURES> box_;
};

// A copy of `image` in which every pixel of colour `key` is transparent.
QImage KeyedCopy(const QImage& image, QRgb key);

}  // namespace voltaro
