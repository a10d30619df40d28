// Draws every dialog, opened on a sample bench, into a PNG of its own and
// all of them onto one sheet, to look at: dialog_gallery <folder>.

#include <QApplication>
#include <QDir>
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

  const std::vector<std::pair<QString, std::function<QDialog*()>>> dialogs = {
      {"Form2", [&] { return new Form2(nullptr, pictures, el(KIND_FIXED_RESISTOR)); }},
      {"Form3", [&] { return new Form3(nullptr, pictures, el(KIND_VOLTAGE_SUPPLY)); }},
      {"Form7", [&] { return new Form7(nullptr, pictures, b, place(KIND_SLIDE_RHEOSTAT)); }},
      {"Form9", [&] { return new Form9(nullptr, pictures, el(KIND_DRY_CELL)); }},
      {"Form10", [&] { return new Form10(nullptr, pictures, el(KIND_BULB)); }},
      {"Form11", [&] { return new Form11(nullptr, pictures, el(KIND_RESISTANCE_WIRE)); }},
      {"Form12",
       [&] {
         const int i = place(KIND_RESISTANCE_BOX);
         b.elements[i].resistance = 4705;
         return new Form12(nullptr, pictures, bin + "/obj", b, i);
       }},
      {"Form13", [&] { return new Form13(nullptr, pictures, el(KIND_GALVANOMETER)); }},
      {"Form14", [&] { return new Form14(nullptr, pictures, el(KIND_STORAGE_BATTERY)); }},
      {"Form15", [&] { return new Form15(nullptr, pictures, el(KIND_BELL)); }},
      {"Form16", [&] { return new Form16(nullptr, pictures, el(KIND_9V_BATTERY)); }},
      {"Form17", [&] { return new Form17(nullptr, pictures, el(KIND_FUSE)); }},
      {"Form18", [&] { return new Form18(nullptr, pictures, el(KIND_BATTERY_SET)); }},
      {"Form19", [&] { return new Form19(nullptr, pictures, el(KIND_STORAGE_BATTERY_SET)); }},
      {"Form20", [&] { return new Form20(nullptr, pictures); }},
      {"Form21", [&] { return new Form21(nullptr, pictures, el(KIND_SIGNAL_LIGHT)); }},
      {"Form22", [&] { return new Form22(nullptr, pictures, b.relays[place(KIND_RELAY)]); }},
      {"Form24",
       [&] {
         return new Form24(nullptr, pictures, b.voltmeters[place(KIND_POINTER_VOLTMETER)],
                           voltmeter_low);
       }},
      {"Form25",
       [&] {
         return new Form25(nullptr, pictures, b.ammeters[place(KIND_POINTER_AMMETER)], ammeter_low);
       }},
      {"Form26", [&] { return new Form26(nullptr, pictures, el(KIND_COIL_AND_MAGNET)); }},
      {"Form27", [&] { return new Form27(nullptr, pictures, el(KIND_CUTTING_ROD)); }},
      {"Form28", [&] { return new Form28(nullptr, pictures, el(KIND_AC_GENERATOR)); }},
      {"Form29", [&] { return new Form29(nullptr, pictures, el(KIND_DC_GENERATOR)); }},
      {"Form30", [&] { return new Form30(nullptr, box); }},
      {"Form31", [&] { return new Form31(nullptr, box); }},
      {"Form32", [&] { return new Form32(nullptr, pictures, el(KIND_BULB)); }},
      {"Form5", [&] { return new Form5(nullptr, bin); }},
      {"Form6", [&] { return new Form6(nullptr, note); }},
      {"Form6-new", [&] { return new Form6(nullptr, fresh_note); }},
      {"Form6-font",
       [&] {
         QFont f(QStringLiteral("DejaVu Sans"));
         f.setPointSize(12);
         return new NoteFontDialog(nullptr, {f, QColor(0, 0, 160)});
       }},
  };

  std::vector<std::pair<QString, QImage>> shots;
  for (const auto& [name, make] : dialogs) {
    std::unique_ptr<QDialog> d(make());
    d->show();
    d->adjustSize();
    QApplication::processEvents();
    const QImage shot = d->grab().toImage();
    if (!shot.save(out + "/" + name + ".png")) {
      std::fprintf(stderr, "could not write %s\n", qPrintable(name));
      return 1;
    }
    shots.emplace_back(name + " \u2014 " + d->windowTitle(), shot);
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
  return sheet.save(out + "/all.png") ? 0 : 1;
}
