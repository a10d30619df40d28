#pragma once
// The bench picture: one 1024 x 768 image repainted whole from the bench
// tables after every analysis and every change, in either view.

#include <QImage>
#include <array>

#include "model/bench.h"
#include "model/bench_observer.h"
#include "model/kinds.h"
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

// Where in the redraw a routine paints (Draw_obj, in this order): every rod,
// then every coil and magnet, then the other two-terminal components
// (Draw_two_obj), then the tables of their own, then the turning machines,
// the notes, the wires, and the black boxes over everything.
enum class DrawPass { Rods, Coils, TwoObj, Tables, Machines, Notes, BlackBoxes };

// The drawing's side of a kind: what its routine paints and when, and how
// the element picture of its two-terminal records is made.
struct DrawingRoutine {
  Drawing id;
  DrawPass pass;
  // A two-terminal kind is painted slot by slot; the other kinds walk their
  // own table.
  void (*slot)(PaintContext& c, int slot) = nullptr;
  void (*table)(PaintContext& c) = nullptr;
  // The circuit-view symbol drawn into the element picture round its
  // unturned centre (cx, cy), terminal ticks included, with a black pen of
  // width 2 and no brush set; nullptr where the routine draws the symbol
  // itself.
  void (*symbol)(QPainter& p, const ElementRecord& e, int cx, int cy) = nullptr;
  // The symbol's picture size where the kind has no apparatus picture.
  QSize symbol_size = {};
  // The apparatus picture stands for the kind in the circuit view too.
  bool same_picture_in_both_views = false;
};

// The routine of a drawing id, and of a kind (nullptr for unknown codes).
const DrawingRoutine& RoutineFor(Drawing id);
const DrawingRoutine* RoutineOfKind(int32_t kind);
// Paints everything that belongs to one pass: the tables of the pass's
// routines, then the two-terminal slots whose kinds' routines paint in it.
void PaintPass(PaintContext& c, DrawPass pass);

// The common frame of a two-terminal component: its element picture with
// the top-left corner at (x - w, y - h + dy), and the red outline when it is
// selected (plain.cpp).
void DrawElementPicture(PaintContext& c, int slot, int dy);
void DrawElementOutline(PaintContext& c, int slot);

// The routines of the kinds, by the kind table's names for them; defined in
// the files of their families.
// plain.cpp: resistors, sources, diode and straight lead.
void Draw_dianzu(PaintContext& c, int slot);
void Draw_dianyuan(PaintContext& c, int slot);
void Draw_dianzusi(PaintContext& c, int slot);
void Draw_bianzuxiang(PaintContext& c, int slot);
void Draw_gandianchi(PaintContext& c, int slot);
void Draw_xudianchi(PaintContext& c, int slot);
void Draw_gandianchizu(PaintContext& c, int slot);
void Draw_xudianchizu(PaintContext& c, int slot);
void Draw_9vdianchi(PaintContext& c, int slot);
void Draw_erjiguan(PaintContext& c, int slot);
void Draw_yinchuxian(PaintContext& c, int slot);
// instruments.cpp: meters.
void Draw_dianyabiao(PaintContext& c, int slot);
void Draw_dianliubiao(PaintContext& c, int slot);
void Draw_oumubiao(PaintContext& c, int slot);
void Draw_lmdlj(PaintContext& c, int slot);
void Draw_wanyongbiao(PaintContext& c, int slot);
void Draw_3_15vbiao(PaintContext& c);
void Draw_06_3abiao(PaintContext& c);
// switches.cpp: switches, fuse, lamps, bell, relay and slide rheostat.
void Draw_diandeng(PaintContext& c, int slot);
void Draw_dddzkg(PaintContext& c, int slot);
void Draw_baoxiansi(PaintContext& c, int slot);
void Draw_xinhaodeng(PaintContext& c, int slot);
void Draw_dianling(PaintContext& c, int slot);
void Draw_ddszkg(PaintContext& c);
void Draw_dcjdq(PaintContext& c);
void Draw_hdbzq(PaintContext& c);
// induction.cpp: the induction apparatus.
void Draw_xianquan_and_citie(PaintContext& c, int slot);
void Draw_qiege_and_jinshugan(PaintContext& c, int slot);
void Draw_JLFDJ(PaintContext& c, int slot);
void Draw_ZLDDJ(PaintContext& c, int slot);
void Draw_ZLFDJ(PaintContext& c, int slot);
// wires.cpp: notes, wires and black boxes.
void Draw_zhu_shi_s(PaintContext& c);
void DrawWires(PaintContext& c);
void Draw_heihezi(PaintContext& c);

// The circuit-view symbols of the kinds whose element picture holds one
// (element_pictures.cpp).
void ResistorSymbol(QPainter& p, const ElementRecord& e, int cx, int cy);
void VoltageSupplySymbol(QPainter& p, const ElementRecord& e, int cx, int cy);
void DryCellSymbol(QPainter& p, const ElementRecord& e, int cx, int cy);
void NineVoltBatterySymbol(QPainter& p, const ElementRecord& e, int cx, int cy);
void StorageBatterySymbol(QPainter& p, const ElementRecord& e, int cx, int cy);
void BatterySetSymbol(QPainter& p, const ElementRecord& e, int cx, int cy);
void StorageBatterySetSymbol(QPainter& p, const ElementRecord& e, int cx, int cy);
void ResistanceWireSymbol(QPainter& p, const ElementRecord& e, int cx, int cy);
void ResistanceBoxSymbol(QPainter& p, const ElementRecord& e, int cx, int cy);
void BulbSymbol(QPainter& p, const ElementRecord& e, int cx, int cy);
void SignalLightSymbol(QPainter& p, const ElementRecord& e, int cx, int cy);
void BellSymbol(QPainter& p, const ElementRecord& e, int cx, int cy);
void DiodeSymbol(QPainter& p, const ElementRecord& e, int cx, int cy);

// Element pictures (element_pictures.cpp).
QImage ComposeElementPicture(const ElementRecord& e, bool circuit_view, const PictureSet& pics);
// Turns a picture for a pose: 3 a quarter turn counter-clockwise, 5 a half
// turn, 7 a quarter turn clockwise; kinds that only flip flip at pose 3.
QImage TurnForPose(const QImage& picture, int32_t kind, int32_t pose);
QImage TurnCounterClockwise(const QImage& picture);
QImage TurnClockwise(const QImage& picture);

}  // namespace voltaro
