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

// The record that the dialog of `kind` would edit is there: a record in
// use in the kind's table, of that very kind. A note's dialog also takes a
// free slot, for a new note.
bool RecordThere(const Bench& bench, const KindInfo& kind, int index) {
  if (index < 0) return false;
  switch (kind.family) {
    case Family::TwoTerminal:
      return index < TWO_TERMINAL_SLOTS && bench.elements[index].in_use() &&
             bench.elements[index].kind == kind.kind;
    case Family::Rheostat:
      return index < RHEOSTAT_SLOTS && bench.rheostats[index].in_use;
    case Family::Voltmeter:
      return index < METER_SLOTS && bench.voltmeters[index].in_use;
    case Family::Ammeter:
      return index < METER_SLOTS && bench.ammeters[index].in_use;
    case Family::Spdt:
      return index < SPDT_SLOTS && bench.spdts[index].in_use;
    case Family::Relay:
      return index < RELAY_SLOTS && bench.relays[index].in_use;
    case Family::Note:
      return index < NOTE_SLOTS;
    case Family::BlackBox:
      break;
  }
  return false;
}

// How each dialog the kind table names is made for the record at `index`,
// which RecordThere has found.
struct DialogRow {
  Dialog id;
  std::unique_ptr<QDialog> (*make)(QWidget* owner, Bench& bench, const PictureSet& pictures,
                                   int index);
};

template <class Form>
std::unique_ptr<QDialog> OnElement(QWidget* o, Bench& b, const PictureSet& p, int i) {
  return std::make_unique<Form>(o, p, b.elements[i]);
}

// clang-format off
constexpr DialogRow DIALOG_ROWS[] = {
    {Dialog::None, nullptr},
    {Dialog::Form2, OnElement<Form2>},
    {Dialog::Form3, OnElement<Form3>},
    {Dialog::Form6, [](QWidget* o, Bench& b, const PictureSet&, int i) -> std::unique_ptr<QDialog> {
       return std::make_unique<Form6>(o, b.notes[i]);
     }},
    {Dialog::Form7, [](QWidget* o, Bench& b, const PictureSet& p, int i) -> std::unique_ptr<QDialog> {
       return std::make_unique<Form7>(o, p, b, i);
     }},
    {Dialog::Form9, OnElement<Form9>},
    {Dialog::Form10, OnElement<Form10>},
    {Dialog::Form11, OnElement<Form11>},
    // The resistance box's face is read from the obj folder beside the
    // program.
    {Dialog::Form12, [](QWidget* o, Bench& b, const PictureSet& p, int i) -> std::unique_ptr<QDialog> {
       const QString obj_dir = QCoreApplication::applicationDirPath() + QStringLiteral("/obj");
       return std::make_unique<Form12>(o, p, obj_dir, b, i);
     }},
    {Dialog::Form13, OnElement<Form13>},
    {Dialog::Form14, OnElement<Form14>},
    {Dialog::Form15, OnElement<Form15>},
    {Dialog::Form16, OnElement<Form16>},
    {Dialog::Form17, OnElement<Form17>},
    {Dialog::Form18, OnElement<Form18>},
    {Dialog::Form19, OnElement<Form19>},
    {Dialog::Form21, OnElement<Form21>},
    {Dialog::Form22, [](QWidget* o, Bench& b, const PictureSet& p, int i) -> std::unique_ptr<QDialog> {
       return std::make_unique<Form22>(o, p, b.relays[i]);
     }},
    {Dialog::Form24, [](QWidget* o, Bench& b, const PictureSet& p, int i) -> std::unique_ptr<QDialog> {
       return std::make_unique<Form24>(o, p, b.voltmeters[i], LastRanges().voltmeter_low);
     }},
    {Dialog::Form25, [](QWidget* o, Bench& b, const PictureSet& p, int i) -> std::unique_ptr<QDialog> {
       return std::make_unique<Form25>(o, p, b.ammeters[i], LastRanges().ammeter_low);
     }},
    {Dialog::Form26, OnElement<Form26>},
    {Dialog::Form27, OnElement<Form27>},
    {Dialog::Form28, OnElement<Form28>},
    {Dialog::Form29, OnElement<Form29>},
};
// clang-format on

constexpr bool RowsInOrder() {
  if (std::size(DIALOG_ROWS) != static_cast<size_t>(DIALOGS)) return false;
  for (int i = 0; i < DIALOGS; ++i) {
    if (DIALOG_ROWS[i].id != static_cast<Dialog>(i) || (i > 0) != (DIALOG_ROWS[i].make != nullptr))
      return false;
  }
  return true;
}
static_assert(RowsInOrder(), "every dialog the kind table names needs its row, in order");

}  // namespace

DialogOutcome EditProperties(QWidget* owner, Bench& bench, const PictureSet& pictures, int32_t kind,
                             int index) {
  const KindInfo* info = FindKind(kind);
  if (!info || info->dialog == Dialog::None || !RecordThere(bench, *info, index)) {
    return DialogOutcome::Cancelled;
  }
  const std::unique_ptr<QDialog> dialog =
      DIALOG_ROWS[static_cast<int>(info->dialog)].make(owner, bench, pictures, index);
  return Run(*dialog);
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
