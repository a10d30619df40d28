#pragma once
// An example experiment run by the timer without the bench window, the two
// measurement windows on it, and the desktop's answers given by the test.

#include <gtest/gtest.h>

#include <QFile>
#include <QListWidgetItem>
#include <memory>
#include <optional>
#include <string>

#include "app/chart_window.h"
#include "app/measurements_window.h"
#include "document/experiment_file.h"
#include "model/analysis.h"
#include "model/headless_timer.h"
#include "model/tables.h"
#include "support/temp_folder.h"

namespace voltaro {

class FakePrompts : public MeasurementPrompts {
 public:
  QString save_path(QWidget*, const QString&, const QString& suffix) override {
    suffixes << suffix;
    return path;
  }
  void error(QWidget*, const QString& message) override { errors << message; }
  void set_clipboard(const QString& text) override { clipboard = text; }

  QString path;  // what the save dialog answers
  QStringList suffixes, errors;
  QString clipboard;
};

struct WindowsFixture : ::testing::Test {
  std::unique_ptr<Bench> bench = std::make_unique<Bench>();
  std::optional<HeadlessTimer> timer;
  FakePrompts prompts;
  ChartWindow chart{*bench, prompts};
  MeasurementsWindow table{*bench, prompts};
  testing::TempFolder folder;

  // Opens an example as the window does: the bench replaced, the windows told.
  void open(const char* file) {
    timer.reset();
    timer.emplace(*bench);
    const std::string path = std::string(VOLTARO_EXAMPLES) + "/" + file;
    ASSERT_EQ(ReadExperimentFile(*bench, path), OpenOutcome::Opened) << path;
    timer->open();
    chart.bench_replaced();
    table.bench_replaced();
  }
  // Ticks of the bench's timer, each followed by the windows.
  void tick(int ticks = 1) {
    for (int i = 0; i < ticks; ++i) {
      timer->tick();
      chart.on_tick(timer->seconds());
      table.on_tick(timer->seconds());
    }
  }
  // Ticks a quantity in a window's list by its label ("Bulb 1 current").
  static void choose(QuantityChooser* chooser, const std::string& label, bool on = true) {
    QListWidgetItem* item = chooser->item_labelled(label);
    ASSERT_NE(item, nullptr) << label;
    item->setCheckState(on ? Qt::Checked : Qt::Unchecked);
  }
  // Deletes the first pointer ammeter as the edit commands do at the core.
  void delete_ammeter() {
    bench->ammeters[0].in_use = 0;
    CompactAmmeters(*bench);
    Settle(*bench);
  }
  QByteArray file_bytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
};

}  // namespace voltaro
