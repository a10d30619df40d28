#pragma once
// The bench picture: one 1024 x 768 image repainted whole from the bench
// tables after every analysis and every change, in either view.

#include <QImage>
#include <array>

#include "model/bench.h"
#include "model/bench_observer.h"
#include "model/motion.h"
#include "model/ports.h"
#include "render/paint.h"
#include "render/pictures.h"

namespace voltaro {

// Told each time the picture has been painted anew (the window shows it and
// the magnifier copies from it).
class PaintListener {
 public:
  virtual void painted() = 0;

 protected:
  ~PaintListener() = default;
};

class BenchRenderer : public BenchObserver {
 public:
  static constexpr int WIDTH = 1024;
  static constexpr int HEIGHT = 768;

  // The clock paces the moving apparatus; without one nothing moves.
  BenchRenderer(Bench& bench, const PictureSet& pictures, Clock* clock);
  ~BenchRenderer();

  // Makes this picture the bench's observer: it repaints after every
  // analysis, and its element pictures follow their records.
  void attach();

  // BenchObserver.
  void analysed(Bench&) override { Draw_obj(); }
  void element_moved(int from, int to) override;
  void replaced(Bench&) override { rebuild_all_pictures(); }

  // Repaints the whole bench: the changes the drawing makes to the bench
  // first (state rules, moving apparatus), then the picture.
  void Draw_obj();
  // Rebuilds the element picture of one two-terminal slot for its kind, pose
  // and the current view.
  void make_fact_two_obj_pic(int slot);
  // Rebuilds the element pictures of every used slot.
  void rebuild_all_pictures();

  void toggle_circuit_view();
  void toggle_current_direction();

  const QImage& image() const { return image_; }
  QImage& image() { return image_; }
  QImage& element_picture(int slot) { return element_pictures_[slot]; }
  MotionStamps& motion() { return motion_; }
  // Outlines what `owner` holds selected from the next repaint on; the
  // mouse handling lends its selection here and takes it back (nullptr)
  // before it goes. Without an owner nothing is outlined.
  void follow_selection(const Selection* owner) { selection_ = owner ? owner : &nothing_selected_; }

  void set_listener(PaintListener* listener) { listener_ = listener; }

 private:
  void paint();

  Bench& bench_;
  PaintListener* listener_ = nullptr;
  const PictureSet& pictures_;
  Clock* clock_;
  QImage image_;
  const Selection nothing_selected_;
  const Selection* selection_ = &nothing_selected_;
  std::array<QImage, TWO_TERMINAL_SLOTS> element_pictures_;
  StatePictures state_pictures_;
  Stamps stamps_;
  TextLayouts texts_;
  MotionStamps motion_;
  bool painting_ = false;
};

// The common frame of a two-terminal component: its element picture with
// the top-left corner at (x - w, y - h + dy), and the red outline when it is
// selected (plain.cpp).
void DrawElementPicture(PaintContext& c, int slot, int dy);
void DrawElementOutline(PaintContext& c, int slot);

// Draws each family of components; defined in the files named after them.
void DrawPlainElement(PaintContext& c, int slot);          // plain.cpp
void DrawInstrumentElement(PaintContext& c, int slot);     // instruments.cpp
void DrawPointerMeters(PaintContext& c);                   // instruments.cpp
void DrawSwitchingElement(PaintContext& c, int slot);      // switches.cpp
void Draw_ddszkg(PaintContext& c);                         // switches.cpp
void Draw_dcjdq(PaintContext& c);                          // switches.cpp
void Draw_hdbzq(PaintContext& c);                          // switches.cpp
void Draw_xianquan_and_citie(PaintContext& c, int slot);   // induction.cpp
void Draw_qiege_and_jinshugan(PaintContext& c, int slot);  // induction.cpp
void DrawMachine(PaintContext& c, int slot);               // induction.cpp
void Draw_zhu_shi_s(PaintContext& c);                      // wires.cpp
void DrawWires(PaintContext& c);                           // wires.cpp
void Draw_heihezi(PaintContext& c);                        // wires.cpp

// Element pictures (element_pictures.cpp).
QImage ComposeElementPicture(const ElementRecord& e, bool circuit_view, const PictureSet& pics);
// Turns a picture for a pose: 3 a quarter turn counter-clockwise, 5 a half
// turn, 7 a quarter turn clockwise; storage batteries flip at pose 3 only.
QImage TurnForPose(const QImage& picture, int32_t kind, int32_t pose);
QImage TurnCounterClockwise(const QImage& picture);
QImage TurnClockwise(const QImage& picture);

}  // namespace voltaro
