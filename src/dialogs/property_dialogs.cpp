#include "dialogs/property_dialogs.h"

#include <QCoreApplication>
#include <memory>

#include "dialogs/about_window.h"
#include "dialogs/black_box_dialogs.h"
#include "dialogs/bulb_dialogs.h"
#include "dialogs/induction_dialogs.h"
#include "dialogs/meter_dialogs.h"
#include "dialogs/note_dialog.h"
#include "dialogs/output_dialogs.h"
#include "dialogs/resistor_dialogs.h"
#include "dialogs/source_dialogs.h"
#include "model/kinds.h"

namespace voltaro {
namespace {

DialogOutcome Run(QDialog& dialog) {
  return dialog.exec() == QDialog::Accepted ? DialogOutcome::Accepted : DialogOutcome::Cancelled;
}

// The pointer meters' range buttons stay as they were when the dialog last
// closed: the dialog lives as long as the program does.
struct RangeButtons {
  bool voltmeter_low = false;
  bool ammeter_low = false;
};
RangeButtons& LastRanges() {
  static RangeButtons last;
  return last;
}

}  // namespace

DialogOutcome EditProperties(QWidget* owner, Bench& bench, const PictureSet& pictures, int32_t kind,
                             int index) {
  if (kind == KIND_NOTE) return EditNote(owner, bench, index);
  if (index < 0) return DialogOutcome::Cancelled;
  const QString obj_dir = QCoreApplication::applicationDirPath() + QStringLiteral("/obj");
  QWidget* o = owner;
  const PictureSet& p = pictures;

  if (kind == KIND_SLIDE_RHEOSTAT) {
    if (index >= RHEOSTAT_SLOTS || !bench.rheostats[index].in_use) return DialogOutcome::Cancelled;
    Form7 d(o, p, bench, index);
    return Run(d);
  }
  if (kind == KIND_POINTER_VOLTMETER || kind == KIND_POINTER_AMMETER) {
    const bool volt = kind == KIND_POINTER_VOLTMETER;
    auto& meters = volt ? bench.voltmeters : bench.ammeters;
    if (index >= METER_SLOTS || !meters[index].in_use) return DialogOutcome::Cancelled;
    if (volt) {
      Form24 d(o, p, meters[index], LastRanges().voltmeter_low);
      return Run(d);
    }
    Form25 d(o, p, meters[index], LastRanges().ammeter_low);
    return Run(d);
  }
  if (kind == KIND_RELAY) {
    if (index >= RELAY_SLOTS || !bench.relays[index].in_use) return DialogOutcome::Cancelled;
    Form22 d(o, p, bench.relays[index]);
    return Run(d);
  }

  if (index >= TWO_TERMINAL_SLOTS || !bench.elements[index].in_use() ||
      bench.elements[index].kind != kind) {
    return DialogOutcome::Cancelled;
  }
  ElementRecord& e = bench.elements[index];
  std::unique_ptr<QDialog> d;
  switch (kind) {
    case KIND_FIXED_RESISTOR:
      d = std::make_unique<Form2>(o, p, e);
      break;
    case KIND_VOLTAGE_SUPPLY:
      d = std::make_unique<Form3>(o, p, e);
      break;
    case KIND_RESISTANCE_WIRE:
      d = std::make_unique<Form11>(o, p, e);
      break;
    case KIND_RESISTANCE_BOX:
      d = std::make_unique<Form12>(o, p, obj_dir, bench, index);
      break;
    case KIND_DRY_CELL:
      d = std::make_unique<Form9>(o, p, e);
      break;
    case KIND_STORAGE_BATTERY:
      d = std::make_unique<Form14>(o, p, e);
      break;
    case KIND_BATTERY_SET:
      d = std::make_unique<Form18>(o, p, e);
      break;
    case KIND_STORAGE_BATTERY_SET:
      d = std::make_unique<Form19>(o, p, e);
      break;
    case KIND_9V_BATTERY:
      d = std::make_unique<Form16>(o, p, e);
      break;
    case KIND_BULB:
      d = std::make_unique<Form10>(o, p, e);
      break;
    case KIND_FUSE:
      d = std::make_unique<Form17>(o, p, e);
      break;
    case KIND_GALVANOMETER:
      d = std::make_unique<Form13>(o, p, e);
      break;
    case KIND_SIGNAL_LIGHT:
      d = std::make_unique<Form21>(o, p, e);
      break;
    case KIND_BELL:
      d = std::make_unique<Form15>(o, p, e);
      break;
    case KIND_COIL_AND_MAGNET:
      d = std::make_unique<Form26>(o, p, e);
      break;
    case KIND_CUTTING_ROD:
      d = std::make_unique<Form27>(o, p, e);
      break;
    case KIND_AC_GENERATOR:
      d = std::make_unique<Form28>(o, p, e);
      break;
    case KIND_DC_GENERATOR:
      d = std::make_unique<Form29>(o, p, e);
      break;
    default:
      return DialogOutcome::Cancelled;  // no settings to make
  }
  return Run(*d);
}

void ChooseBulb(QWidget* owner, Bench& bench, const PictureSet& pictures, int slot) {
  if (slot < 0 || slot >= TWO_TERMINAL_SLOTS || bench.elements[slot].kind != KIND_BULB) return;
  Form32 d(owner, pictures, bench.elements[slot]);
  d.exec();
}

DialogOutcome EditNote(QWidget* owner, Bench& bench, int index) {
  if (index < 0 || index >= NOTE_SLOTS) return DialogOutcome::Cancelled;
  Form6 d(owner, bench.notes[index]);
  return Run(d);
}

DialogOutcome SetUpBlackBox(QWidget* owner, Bench& bench, int index) {
  if (index < 0 || index >= BLACK_BOX_SLOTS) return DialogOutcome::Cancelled;
  Form30 d(owner, bench.black_boxes[index]);
  return Run(d);
}

bool OpenBlackBoxPassword(QWidget* owner, Bench& bench, int index) {
  if (index < 0 || index >= BLACK_BOX_SLOTS || !bench.black_boxes[index].in_use) return false;
  Form31 d(owner, bench.black_boxes[index]);
  return Run(d) == DialogOutcome::Accepted;
}

void ShowAbout(QWidget* owner, const QString& program_dir) {
  Form5 d(owner, program_dir);
  d.exec();
}

}  // namespace voltaro
