#pragma once
// One picture of the bench: how to draw its artwork, at any whole-number
// scale, and how the bench expects to find it on disk.

#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QSize>
#include <QString>
#include <functional>
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
  QSize size;  // in picture pixels, the size of the file
  // Draws the artwork in picture pixels on a transparent canvas, smooth
  // edges on; whatever it leaves transparent is where the bench shows
  // through.
  std::function<void(QPainter&)> draw;
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

// The artwork drawn afresh with every picture pixel `scale` x `scale`
// pixels large: lines, edges and lettering are drawn at that size, not
// enlarged. ARGB32 premultiplied; alpha 0 where the bench shows through.
QImage art(const Picture& picture, int scale = 1);

// The colour that stands for the backdrop in a flattened picture.
QRgb backdrop_key(Backdrop backdrop);
// One step away from the key, so a light part of the apparatus stays solid.
QRgb beside_key(QRgb key);

// The artwork as the bench will see it: apparatus composited over white
// (the bench's own colour, so smoothed edges blend into it) and the
// backdrop filled with the key colour. Opaque apparatus never carries the
// key colour itself.
QImage flatten(const QImage& art, Backdrop backdrop);

// Each family of apparatus adds its pictures to the list.
void add_sources(std::vector<Picture>& out);
void add_passives(std::vector<Picture>& out);
void add_meters(std::vector<Picture>& out);
void add_multimeter(std::vector<Picture>& out);
void add_switchgear(std::vector<Picture>& out);
void add_lamps(std::vector<Picture>& out);
void add_induction(std::vector<Picture>& out);

// Every apparatus picture and bulb picture the bench draws, in the order
// the families above add them; made once.
const std::vector<Picture>& apparatus_pictures();
// The one of them written under `file` ("ptdz1.obj", "bulb3.bmp"), or
// nullptr.
const Picture* find_picture(const QString& file);

}  // namespace voltaro::pictures
