#pragma once
// The bench picture: one 1024 x 768 image repainted whole from the bench
// tables after every analysis and every change, in either view; zoomed, a
// larger picture of which what the window shows is repainted.

#include <QImage>
#include <QRect>
#include <QRegion>
#include <array>
#include <functional>

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

// How the bench is painted onto a device other than its own 1:1 image.
struct PaintTarget {
  // Device pixels per bench pixel; the painter maps bench pixels to the
  // device already.
  double scale = 1;
  // An SVG or PDF page: shapes stay shapes, and pictures go in drawn at
  // the largest picture scale.
  bool vector = false;
  // The red outline of what is selected; a drawing for paper has none.
  bool selection = true;
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
  // first (state rules, moving apparatus), then the picture the window
  // shows (zoomed, the part of it that is shown).
  void Draw_obj();
  // Rebuilds the element picture of one two-terminal slot for its kind, pose
  // and the current view.
  void make_fact_two_obj_pic(int slot);
  // Rebuilds the element pictures of every used slot.
  void rebuild_all_pictures();

  void toggle_circuit_view();
  void toggle_current_direction();

  // The 1:1 bench picture that Save as Picture, printing and the tests
  // read. While the window shows the bench at another scale it is painted
  // only when asked for, from the bench as it stands: a picture kept of the
  // bench, whoever asks for it.
  const QImage& image() const;
  // The picture the window shows: the bench painted at the view scale, the
  // 1:1 picture itself at scale 1. Painted whole before it is handed out.
  const QImage& view_image() const;
  // The same picture, sure to show the bench as it stands only within
  // `part` (in its pixels): what a window showing that part needs.
  const QImage& view_image(const QRect& part);
  double view_scale() const { return view_scale_; }
  // Device pixels per bench pixel of the window's picture (its zoom times
  // the screen's pixel ratio). Repaints that picture at once; nothing on
  // the bench changes.
  void set_view_scale(double scale);
  // The part of the window's picture that the window shows, in its pixels.
  // A zoomed bench is far larger than any screen: each redraw paints only
  // this part, and the rest when it is first asked for (view_image(part)),
  // as the window scrolls it into view. Until a window says otherwise, the
  // whole picture is shown.
  void set_shown(const QRect& part) { shown_ = part; }

  // Paints the bench as it stands, reading it only, onto a painter that
  // maps bench pixels to its device.
  void paint_onto(QPainter& p, const PaintTarget& target);
  // The square of the bench `span` pixels wide round `centre`, painted
  // `side` device pixels wide, with white off the bench.
  QImage paint_square(Point centre, int span, int side);

  // Draws the mouse's feedback (drag outlines, the black-box band, the
  // rubber line, the dots of a wire being drawn) in XOR onto the picture the
  // window shows, through `draw` in bench pixels: drawn a second time at the
  // same place, it is gone again. The next repaint takes it away too.
  void draw_feedback(const std::function<void(QPainter&)>& draw);

  QImage& element_picture(int slot) { return element_pictures_[slot]; }
  MotionStamps& motion() { return motion_; }
  // Outlines what `owner` holds selected from the next repaint on; the
  // mouse handling lends its selection here and takes it back (nullptr)
  // before it goes. Without an owner nothing is outlined.
  void follow_selection(const Selection* owner) { selection_ = owner ? owner : &nothing_selected_; }

  void set_listener(PaintListener* listener) { listener_ = listener; }

 private:
  // Paints the 1:1 picture; nothing but the picture and what is kept for
  // painting changes.
  void paint();
  // Paints the part of the window's picture that is shown, the rest being
  // left for later.
  void paint_view();
  // Paints `part` of the window's picture, with the feedback drawn since the
  // redraw over it.
  void paint_view_part(const QRegion& part);
  void paint_passes(PaintContext& c);

  Bench& bench_;
  PaintListener* listener_ = nullptr;
  const PictureSet& pictures_;
  Clock* clock_;
  QImage image_;
  bool image_current_ = true;
  double view_scale_ = 1;
  QImage view_;
  QRect shown_;  // none: the whole picture
  // The parts of view_ that show the bench as of the last redraw.
  QRegion current_;
  // The XOR feedback drawn onto view_ since the last redraw, in XOR onto
  // black, kept while parts of view_ are yet to be painted so that those
  // parts show it too once they are; none while nothing was drawn.
  QImage feedback_;
  const Selection nothing_selected_;
  const Selection* selection_ = &nothing_selected_;
  std::array<QImage, TWO_TERMINAL_SLOTS> element_pictures_;
  StatePictures state_pictures_;
  TurnedPictures turned_;
  Stamps stamps_;
  // Laid-out text for each kind of picture, since a layout is made for the
  // painter's scale: the 1:1 picture, the window's, and the rest.
  TextLayouts texts_, view_texts_, other_texts_;
  MotionStamps motion_;
  int applying_rules_ = 0;  // redraws inside the state rules of another
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
using SymbolRoutine = void (*)(QPainter& p, const ElementRecord& e, int cx, int cy);
// What a two-terminal component's element picture shows before it is turned
// for the pose: an apparatus picture, a bulb picture, or a circuit symbol
// drawn round the unturned centre (entry 1 of half_size) on a canvas of
// `size`, in black with a pen of width 2 (a blank canvas without a symbol).
struct ElementLook {
  Pic picture = Pic::Count;
  int bulb = -1;
  SymbolRoutine symbol = nullptr;
  QSize size = {};
};
// The look make_fact_two_obj_pic composes for a record in a view.
ElementLook LookOf(const ElementRecord& e, bool circuit_view, const PictureSet& pics);
// The look as a 1:1 picture, not yet turned.
QImage ComposeLook(const ElementLook& look, const ElementRecord& e, const PictureSet& pics);
QImage ComposeElementPicture(const ElementRecord& e, bool circuit_view, const PictureSet& pics);
// Draws a look turned for the record's pose with its top-left corner at
// (x, y), at the scale the bench is painted at: pictures drawn at the
// picture scale, symbols as lines.
void DrawLook(PaintContext& c, const ElementRecord& e, const ElementLook& look, int x, int y);
// Turns a picture for a pose: 3 a quarter turn counter-clockwise, 5 a half
// turn, 7 a quarter turn clockwise; kinds that only flip flip at pose 3.
QImage TurnForPose(const QImage& picture, int32_t kind, int32_t pose);
QImage TurnCounterClockwise(const QImage& picture);
QImage TurnClockwise(const QImage& picture);

}  // namespace voltaro
