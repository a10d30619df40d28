#pragma once
// One picture the generator makes: its artwork on a transparent canvas and
// how the bench expects to find it on disk.

#include <QImage>
#include <QPoint>
#include <QString>
#include <vector>

namespace voltaro::pictures {

// What stands where the apparatus is not.
enum class Backdrop {
  Key,     // the bench keys out the colour of the bottom-left pixel
  White,   // the bench keys out pure white
  Opaque,  // drawn as it is, every pixel counts
};

enum class Depth { Palette8, Rgb24 };

enum class Folder { Obj, Bin };

struct Picture {
  QString file;
  QImage art;  // ARGB32 premultiplied; alpha 0 where the bench shows through
  Backdrop backdrop = Backdrop::Key;
  Depth depth = Depth::Palette8;
  Folder folder = Folder::Obj;
  // Points the bench attaches wires to or draws on (terminals, needle
  // pivots); the contact sheet marks them so a misplaced post shows at once.
  std::vector<QPoint> marks;
};

// The key colour of the apparatus pictures: a light grey-blue that no
// apparatus uses, so keying it out never eats a piece of the drawing.
inline constexpr QRgb KEY_COLOUR = 0xffc8d0e0;  // RGB(200, 208, 224)

// Each family of apparatus adds its pictures to the list.
void add_sources(std::vector<Picture>& out);
void add_passives(std::vector<Picture>& out);
void add_meters(std::vector<Picture>& out);
void add_multimeter(std::vector<Picture>& out);
void add_switchgear(std::vector<Picture>& out);
void add_lamps(std::vector<Picture>& out);
void add_induction(std::vector<Picture>& out);
void add_windows(std::vector<Picture>& out);
void add_box(std::vector<Picture>& out);

}  // namespace voltaro::pictures
