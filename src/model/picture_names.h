#pragma once
// The names of the apparatus pictures in the obj folder beside the program.
// The kind table names the picture of each kind by these; loading and
// drawing them is the drawing's business.

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
// The file name of a components-box picture.
const char* BoxPictureFile(BoxPic pic);
// The file name of bulb picture 0 (burnt) to 10.
std::string BulbPictureFile(int step);

}  // namespace voltaro
