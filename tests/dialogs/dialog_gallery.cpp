// Opens every dialog on a sample bench and checks what a pupil would see
// at once: its caption, every caption and button text shown in full, and
// every control inside the window. Draws each dialog into a PNG of its own
// and all of them onto one sheet, to look at: dialog_gallery <folder>.
// Exits with 1 when a check fails.

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPainter>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

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
#include "model/placement.h"
#include "model/tables.h"
#include "render/pictures.h"

using namespace voltaro;

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: dialog_gallery <folder>\n");
    return 2;
  }
  const QString out = QString::fromLocal8Bit(argv[1]);
  QDir().mkpath(out);
  const QString bin = QStringLiteral(VOLTARO_BIN_DIR);

  PictureSet pictures;
  if (const auto missing = pictures.load((bin + "/obj").toStdString())) {
    std::fprintf(stderr, "missing picture %s\n", missing->c_str());
    return 1;
  }
  auto bench = std::make_unique<Bench>();
  InitBenchTables(*bench);
  Bench& b = *bench;
  const auto place = [&b](int32_t kind) { return PlaceComponent(b, kind, 300, 300).index; };
  const auto el = [&b, &place](int32_t kind) -> ElementRecord& { return b.elements[place(kind)]; };

  bool voltmeter_low = false, ammeter_low = true;
  NoteRecord& note = b.notes[0];
  note.in_use = 1;
  note.lines = {"Ohm's law:", "U = R x I"};
  note.font_height = -16;
  note.font_name = "DejaVu Sans";
  NoteRecord& fresh_note = b.notes[1];
  BlackBoxRecord& box = b.black_boxes[0];
  box.in_use = 1;
  box.color = 0x404040;
  box.password = "x";

  struct Shown {
    QString name, caption;
    std::function<QDialog*()> make;
  };
  const std::vector<Shown> dialogs = {
      {"Form2", "Fixed resistor",
       [&] { return new Form2(nullptr, pictures, el(KIND_FIXED_RESISTOR)); }},
      {"Form3", "self-defined voltage supply",
       [&] { return new Form3(nullptr, pictures, el(KIND_VOLTAGE_SUPPLY)); }},
      {"Form7", "Slide resistor",
       [&] { return new Form7(nullptr, pictures, b, place(KIND_SLIDE_RHEOSTAT)); }},
      {"Form9", "1.5V Battery", [&] { return new Form9(nullptr, pictures, el(KIND_DRY_CELL)); }},
      {"Form10", "Bulb seting", [&] { return new Form10(nullptr, pictures, el(KIND_BULB)); }},
      {"Form11", "Resistance wire",
       [&] { return new Form11(nullptr, pictures, el(KIND_RESISTANCE_WIRE)); }},
      {"Form12", "Rheostats",
       [&] {
         const int i = place(KIND_RESISTANCE_BOX);
         b.elements[i].resistance = 4705;
         return new Form12(nullptr, pictures, bin + "/obj", b, i);
       }},
      {"Form13", "Microdetectors",
       [&] { return new Form13(nullptr, pictures, el(KIND_GALVANOMETER)); }},
      {"Form14", "Storage battery",
       [&] { return new Form14(nullptr, pictures, el(KIND_STORAGE_BATTERY)); }},
      {"Form15", "Electric rings", [&] { return new Form15(nullptr, pictures, el(KIND_BELL)); }},
      {"Form16", "9V battery", [&] { return new Form16(nullptr, pictures, el(KIND_9V_BATTERY)); }},
      {"Form17", "Fuses", [&] { return new Form17(nullptr, pictures, el(KIND_FUSE)); }},
      {"Form18", "Battery set",
       [&] { return new Form18(nullptr, pictures, el(KIND_BATTERY_SET)); }},
      {"Form19", "Storage battery set",
       [&] { return new Form19(nullptr, pictures, el(KIND_STORAGE_BATTERY_SET)); }},
      {"Form20", "Effect at rated capacity", [&] { return new Form20(nullptr, pictures); }},
      {"Form21", "Signal lights",
       [&] { return new Form21(nullptr, pictures, el(KIND_SIGNAL_LIGHT)); }},
      {"Form22", "Electromagnetic relays",
       [&] { return new Form22(nullptr, pictures, b.relays[place(KIND_RELAY)]); }},
      {"Form24", "Pointer voltmeters",
       [&] {
         return new Form24(nullptr, pictures, b.voltmeters[place(KIND_POINTER_VOLTMETER)],
                           voltmeter_low);
       }},
      {"Form25", "Pointer ammeters",
       [&] {
         return new Form25(nullptr, pictures, b.ammeters[place(KIND_POINTER_AMMETER)], ammeter_low);
       }},
      {"Form26", "Coil and magnet",
       [&] { return new Form26(nullptr, pictures, el(KIND_COIL_AND_MAGNET)); }},
      {"Form27", "Cutting magnetic line of force",
       [&] { return new Form27(nullptr, pictures, el(KIND_CUTTING_ROD)); }},
      {"Form28", "AC generator",
       [&] { return new Form28(nullptr, pictures, el(KIND_AC_GENERATOR)); }},
      {"Form29", "DC generator",
       [&] { return new Form29(nullptr, pictures, el(KIND_DC_GENERATOR)); }},
      {"Form30", "Black box setting", [&] { return new Form30(nullptr, box); }},
      {"Form31", "Open black box", [&] { return new Form31(nullptr, box); }},
      {"Form32", "Choice bulbs ", [&] { return new Form32(nullptr, pictures, el(KIND_BULB)); }},
      {"Form5", "About Zentrik Voltaro", [&] { return new Form5(nullptr, bin); }},
      {"Form6", "Document Note", [&] { return new Form6(nullptr, note); }},
      {"Form6-new", "Document Note", [&] { return new Form6(nullptr, fresh_note); }},
      {"Form6-font", "Font",
       [&] {
         QFont f(QStringLiteral("DejaVu Sans"));
         f.setPointSize(12);
         return new NoteFontDialog(nullptr, {f, QColor(0, 0, 160)});
       }},
  };

  std::vector<std::pair<QString, QImage>> shots;
  int faults = 0;
  const auto fault = [&faults](const QString& dialog, const QString& what) {
    std::fprintf(stderr, "%s: %s\n", qPrintable(dialog), qPrintable(what));
    ++faults;
  };
  for (const Shown& shown : dialogs) {
    std::unique_ptr<QDialog> d(shown.make());
    d->show();
    d->adjustSize();
    QApplication::processEvents();
    if (d->windowTitle() != shown.caption) {
      fault(shown.name, QString("caption \"%1\", not \"%2\"").arg(d->windowTitle(), shown.caption));
    }
    for (QWidget* w : d->findChildren<QWidget*>()) {
      if (!w->isVisibleTo(d.get())) continue;
      // What scrolls inside a list or a scroll area may reach past it.
      bool scrolled = false;
      for (QWidget* up = w->parentWidget(); up && up != d.get(); up = up->parentWidget()) {
        scrolled |= qobject_cast<QAbstractScrollArea*>(up) != nullptr;
      }
      if (scrolled) continue;
      const QRect at(w->mapTo(d.get(), QPoint(0, 0)), w->size());
      const QString label =
          w->objectName().isEmpty() ? QString(w->metaObject()->className()) : w->objectName();
      if (!d->rect().contains(at)) fault(shown.name, label + " reaches outside the window");
      QString text;
      if (auto* l = qobject_cast<QLabel*>(w); l && !l->wordWrap() && l->pixmap().isNull()) {
        text = l->text();
      } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
        text = b->text();
      }
      if (!text.isEmpty() && w->width() < w->minimumSizeHint().width()) {
        fault(shown.name, QString("\"%1\" is cut off").arg(text));
      }
    }
    const QImage shot = d->grab().toImage();
    if (!shot.save(out + "/" + shown.name + ".png")) {
      std::fprintf(stderr, "could not write %s\n", qPrintable(shown.name));
      return 1;
    }
    shots.emplace_back(shown.name + " \u2014 " + d->windowTitle(), shot);
    d->close();
  }

  // All of them on one sheet, in rows, each under its name.
  const int sheet_width = 1800, gap = 16, caption = 22;
  int x = gap, y = gap, row_height = 0;
  std::vector<QPoint> at;
  for (const auto& [name, shot] : shots) {
    if (x + shot.width() > sheet_width - gap) {
      x = gap;
      y += row_height + gap;
      row_height = 0;
    }
    at.emplace_back(x, y);
    x += shot.width() + gap;
    row_height = std::max(row_height, shot.height() + caption);
  }
  QImage sheet(sheet_width, y + row_height + gap, QImage::Format_RGB32);
  sheet.fill(QColor(90, 96, 104));
  QPainter p(&sheet);
  p.setPen(Qt::white);
  for (size_t i = 0; i < shots.size(); ++i) {
    p.drawText(at[i] + QPoint(0, 15), shots[i].first);
    p.drawImage(at[i] + QPoint(0, caption), shots[i].second);
  }
  p.end();
  if (!sheet.save(out + "/all.png")) return 1;
  return faults == 0 ? 0 : 1;
}
