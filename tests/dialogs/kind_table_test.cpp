// Every kind in the kind table is whole: it is drawn in both views, its
// button in the components box has a picture, and "Propertiy" opens the
// dialog the kind has, or nothing where it has none.

#include <QDialog>
#include <optional>

#include "dialog_fixture.h"
#include "dialogs/property_dialogs.h"
#include "model/kinds.h"
#include "render/bench_renderer.h"

namespace voltaro::testing {
namespace {

// The dialog each kind opens, by its caption; nullptr for none.
constexpr struct {
  int32_t kind;
  const char* dialog;
} KIND_DIALOGS[] = {
    {KIND_FIXED_RESISTOR, "Fixed resistor"},
    {KIND_VOLTAGE_SUPPLY, "self-defined voltage supply"},
    {KIND_DIGITAL_VOLTMETER, nullptr},
    {KIND_DIGITAL_AMMETER, nullptr},
    {KIND_BULB, "Bulb seting"},
    {KIND_SPST_SWITCH, nullptr},
    {KIND_FUSE, "Fuses"},
    {KIND_SLIDE_RHEOSTAT, "Slide resistor"},
    {KIND_RESISTANCE_WIRE, "Resistance wire"},
    {KIND_RESISTANCE_BOX, "Rheostats"},
    {KIND_DRY_CELL, "1.5V Battery"},
    {KIND_STORAGE_BATTERY, "Storage battery"},
    {KIND_BATTERY_SET, "Battery set"},
    {KIND_STORAGE_BATTERY_SET, "Storage battery set"},
    {KIND_9V_BATTERY, "9V battery"},
    {KIND_POINTER_VOLTMETER, "Pointer voltmeters"},
    {KIND_POINTER_AMMETER, "Pointer ammeters"},
    {KIND_GALVANOMETER, "Microdetectors"},
    {KIND_DIGITAL_OHMMETER, nullptr},
    {KIND_MULTIMETER, nullptr},
    {KIND_SIGNAL_LIGHT, "Signal lights"},
    {KIND_BELL, "Electric rings"},
    {KIND_SPDT_SWITCH, nullptr},
    {KIND_RELAY, "Electromagnetic relays"},
    {KIND_DIODE, nullptr},
    {KIND_STRAIGHT_LEAD, nullptr},
    {KIND_COIL_AND_MAGNET, "Coil and magnet"},
    {KIND_CUTTING_ROD, "Cutting magnetic line of force"},
    {KIND_AC_GENERATOR, "AC generator"},
    {KIND_DC_MOTOR, nullptr},
    {KIND_DC_GENERATOR, "DC generator"},
    {KIND_NOTE, "Document Note"},
    {KIND_BLACK_BOX, nullptr},
};

// One thing of `kind` in the middle of the bench: a component as placed, a
// note with a line of text, a black box drawn over the middle.
int PutOne(DialogBench& t, const KindInfo& kind) {
  Bench& b = t.bench;
  switch (kind.family) {
    case Family::Note:
      b.notes[0].in_use = 1;
      b.notes[0].x = 500;
      b.notes[0].y = 380;
      b.notes[0].lines = {"U = R x I"};
      b.notes[0].font_height = -16;
      b.notes[0].font_name = "DejaVu Sans";
      return 0;
    case Family::BlackBox:
      b.black_boxes[0] = BlackBoxRecord{};
      b.black_boxes[0].in_use = 1;
      b.black_boxes[0].x = 480;
      b.black_boxes[0].y = 360;
      b.black_boxes[0].width = 60;
      b.black_boxes[0].height = 40;
      return 0;
    default:
      return t.place(kind.kind, 512, 384);
  }
}

bool AllWhite(const QImage& image) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  for (int y = 0; y < rgb.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    for (int x = 0; x < rgb.width(); ++x) {
      if ((row[x] & 0xffffff) != 0xffffff) return false;
    }
  }
  return true;
}

TEST(KindTable, EveryKindIsDrawnInBothViews) {
  for (const KindInfo& kind : AllKinds()) {
    SCOPED_TRACE(kind.kind);
    const DrawingRoutine& routine = RoutineFor(kind.drawing);
    EXPECT_EQ(routine.id, kind.drawing);
    // A pass that paints slot by slot calls the slot routine; the others
    // walk the table, and a row with the wrong one would paint nothing.
    const DrawPass pass = routine.pass;
    const bool by_slot = pass == DrawPass::Rods || pass == DrawPass::Coils ||
                         pass == DrawPass::TwoObj || pass == DrawPass::Machines;
    EXPECT_EQ(routine.slot != nullptr, by_slot);
    EXPECT_EQ(routine.table != nullptr, !by_slot);
    for (int view : {0, 1}) {
      DialogBench t;
      t.bench.circuit_view = view;
      PutOne(t, kind);
      BenchRenderer renderer(t.bench, Pictures(), nullptr);
      renderer.rebuild_all_pictures();
      renderer.Draw_obj();
      EXPECT_FALSE(AllWhite(renderer.image())) << (view ? "circuit" : "object") << " view";
    }
  }
}

TEST(KindTable, EveryComponentHasItsPictureInTheComponentsBox) {
  for (const KindInfo& kind : AllKinds()) {
    SCOPED_TRACE(kind.kind);
    // Notes and black boxes are placed from the tool bar.
    if (kind.family == Family::Note || kind.family == Family::BlackBox) {
      EXPECT_EQ(kind.group, KindGroup::None);
      continue;
    }
    EXPECT_NE(kind.group, KindGroup::None);
    EXPECT_FALSE(BoxButtonPicture(Pictures(), kind.box_picture).isNull());
    if (kind.picture != Pic::Count) {
      EXPECT_FALSE(Pictures().keyed(kind.picture).isNull());
    }
  }
}

TEST(KindTable, PropertiesOpensTheDialogOfEachKind) {
  ASSERT_EQ(std::size(KIND_DIALOGS), AllKinds().size());
  for (const auto& expected : KIND_DIALOGS) {
    SCOPED_TRACE(expected.kind);
    const KindInfo* kind = FindKind(expected.kind);
    ASSERT_NE(kind, nullptr);
    DialogBench t;
    const int index = PutOne(t, *kind);
    // Whatever dialog opens is closed at once and its caption kept; when
    // none opens, the closer finds nothing once the call has returned.
    std::optional<QString> opened;
    QTimer::singleShot(0, [&opened] {
      if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
        opened = d->windowTitle();
        d->reject();
      }
    });
    EXPECT_EQ(EditProperties(nullptr, t.bench, Pictures(), expected.kind, index),
              DialogOutcome::Cancelled);
    QCoreApplication::processEvents();
    if (expected.dialog) {
      EXPECT_EQ(opened, QString(expected.dialog));
    } else {
      EXPECT_EQ(opened, std::nullopt);
    }
  }
}

}  // namespace
}  // namespace voltaro::testing
