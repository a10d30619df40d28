// The chart on the example benches: traces chosen from the bench's list,
// drawn tick by tick, paused, cleared, exported, and frozen when their
// instrument leaves the bench.

#include <QChartView>
#include <QImage>
#include <QValueAxis>
#include <cmath>

#include "document/values.h"
#include "model/kinds.h"
#include "support/test_bench.h"
#include "windows_fixture.h"

namespace voltaro {
namespace {

struct Chart : WindowsFixture {
  void SetUp() override {
    open("ac_generator.ele");
    chart.show();
  }
  // The values of one column of the exported table, from its second row on.
  std::vector<double> column(const CsvTable& table, size_t c) {
    std::vector<double> out;
    for (size_t row = 1; row < table.size(); ++row) {
      out.push_back(ParseReal(table[row].at(c)).value_or(NAN));
    }
    return out;
  }
  // Pixels of a trace's colour in the chart as Save as PNG writes it.
  int pixels_of(const QImage& image, QColor colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) n += image.pixelColor(x, y) == colour;
    }
    return n;
  }
};

// The bulb's current on the AC generator swings both ways: a sine, on an
// axis of amperes, against time in seconds.
TEST_F(Chart, ChosenCurrentDrawsTheGeneratorsSine) {
  tick(5);
  choose(chart.chooser(), "Bulb 1 current");
  tick(60);
  EXPECT_EQ(chart.legend(), QStringList{"Bulb 1 current (A)"});
  EXPECT_EQ(chart.time_axis()->titleText(), "Time (s)");
  ASSERT_NE(chart.value_axis("A"), nullptr);
  EXPECT_EQ(chart.value_axis("A")->titleText(), "Current (A)");
  EXPECT_EQ(chart.value_axis("V"), nullptr) << "no trace in volts";

  const CsvTable table = chart.traces_table();
  EXPECT_EQ(table[0], (CsvRow{"Time (s)", "Bulb 1 current (A)"}));
  // The trace has the ticks from before it was chosen too.
  EXPECT_EQ(table.size(), 66u);
  int sign_changes = 0;
  const std::vector<double> amps = column(table, 1);
  for (size_t i = 1; i < amps.size(); ++i) sign_changes += (amps[i] > 0) != (amps[i - 1] > 0);
  EXPECT_GE(sign_changes, 2);
  const auto [low, high] = std::minmax_element(amps.begin(), amps.end());
  EXPECT_LE(chart.value_axis("A")->min(), *low);
  EXPECT_GE(chart.value_axis("A")->max(), *high);

  // A voltage gets an axis of its own.
  choose(chart.chooser(), "Bulb 1 voltage");
  EXPECT_EQ(chart.legend().size(), 2);
  ASSERT_NE(chart.value_axis("V"), nullptr);
  EXPECT_EQ(chart.value_axis("V")->titleText(), "Voltage (V)");
  choose(chart.chooser(), "Bulb 1 current", false);
  EXPECT_EQ(chart.legend(), QStringList{"Bulb 1 voltage (V)"});
  EXPECT_EQ(chart.value_axis("A"), nullptr);
}

TEST_F(Chart, PauseClearAndTheTimeShown) {
  choose(chart.chooser(), "Bulb 1 current");
  tick(100);
  EXPECT_EQ(chart.time_axis()->max(), 30) << "the first half minute stands still";
  EXPECT_EQ(chart.time_axis()->min(), 0);
  chart.set_paused(true);
  tick(10);
  EXPECT_EQ(chart.recording().rows(), 100u);
  chart.set_paused(false);
  tick(10);
  EXPECT_EQ(chart.recording().rows(), 110u);

  chart.set_time_window(5);
  EXPECT_DOUBLE_EQ(chart.time_axis()->max() - chart.time_axis()->min(), 5);
  // 5 s of ticks, the line joined to the one just before from the left edge.
  EXPECT_LE(chart.traces_table().size(), 1u + 51u);
  EXPECT_GE(chart.traces_table().size(), 1u + 40u);
  chart.set_time_window(3600);
  EXPECT_EQ(chart.time_window(), ChartWindow::LONGEST);
  chart.set_time_window(1);
  EXPECT_EQ(chart.time_window(), 5);

  chart.clear();
  EXPECT_EQ(chart.recording().rows(), 0u);
  EXPECT_EQ(chart.legend(), QStringList{"Bulb 1 current (A)"}) << "the trace stays chosen";
  tick();
  EXPECT_EQ(chart.recording().times(), std::vector<double>{0}) << "time starts again";
}

// Six minutes of ticks: the chart keeps the five the widest window shows
// and a minute at most besides, and the time goes on rising.
TEST_F(Chart, LetsGoOfWhatNoWindowShows) {
  choose(chart.chooser(), "Bulb 1 current");
  chart.set_time_window(300);
  tick(3700);
  const std::vector<double>& times = chart.recording().times();
  EXPECT_GE(times.front(), times.back() - 360.0001);
  EXPECT_LE(times.front(), times.back() - 300);
  EXPECT_TRUE(std::is_sorted(times.begin(), times.end()));
  EXPECT_NEAR(chart.time_axis()->max(), times.back(), 1e-9);
}

// A closed chart records nothing; shown again, it goes on.
TEST_F(Chart, RecordsOnlyWhileShown) {
  tick(3);
  chart.hide();
  tick(3);
  EXPECT_EQ(chart.recording().rows(), 3u);
  chart.show();
  tick(3);
  EXPECT_EQ(chart.recording().rows(), 6u);
}

// The instrument's trace stays as it was and says that it is gone; the
// other traces go on.
TEST_F(Chart, DeletedInstrumentLeavesItsTraceFrozenAndMarked) {
  open("ohms_law.ele");
  choose(chart.chooser(), "Pointer ammeter 1");
  choose(chart.chooser(), "Pointer voltmeter 1");
  tick(10);
  delete_ammeter();
  tick(10);
  EXPECT_EQ(chart.legend(), (QStringList{"Pointer ammeter 1 (A) (removed from the bench)",
                                         "Pointer voltmeter 1 (V)"}));
  QListWidgetItem* item = chart.chooser()->item_labelled("Pointer ammeter 1");
  ASSERT_NE(item, nullptr) << "still listed, to be unticked";
  EXPECT_EQ(item->text(), "Pointer ammeter 1 (A) (removed from the bench)");
  EXPECT_EQ(item->checkState(), Qt::Checked);
  const CsvTable table = chart.traces_table();
  ASSERT_EQ(table.size(), 21u);
  EXPECT_NE(table[10][1], "") << "the last reading before the delete";
  EXPECT_EQ(table[11][1], "");
  EXPECT_EQ(table[20][1], "");
  EXPECT_NE(table[20][2], "");

  // Clear lets go of it: nothing of it is left to show.
  chart.clear();
  EXPECT_EQ(chart.legend(), QStringList{"Pointer voltmeter 1 (V)"});
  EXPECT_EQ(chart.chooser()->item_labelled("Pointer ammeter 1"), nullptr);
}

// A multimeter turned from a voltage range to the current range is still on
// the bench: its voltage trace stops and says so; its current starts anew.
TEST(ChartOfAMultimeter, TurnedToAnotherKindOfRange) {
  testing::TestBench t;
  const int supply = t.element(KIND_VOLTAGE_SUPPLY, 10, 5);
  const int meter = t.place(KIND_MULTIMETER, 400, 200);
  t.wire(t.b(supply), t.a(meter));
  t.wire(t.b(meter), t.a(supply));
  t.el(meter).param1 = 3;  // 10 V
  t.settle();
  FakePrompts prompts;
  ChartWindow chart(t.bench, prompts);
  chart.show();
  WindowsFixture::choose(chart.chooser(), "Multimeter 1");
  chart.on_tick(0.1);
  t.el(meter).param1 = 2;  // 100 mA
  t.settle();
  chart.on_tick(0.2);
  EXPECT_EQ(chart.legend(), QStringList{"Multimeter 1 (V) (not measured now)"});
  ASSERT_NE(chart.chooser()->item(0), nullptr);
  EXPECT_EQ(chart.chooser()->item(0)->text(), "Multimeter 1 (A)");
}

TEST_F(Chart, NewBenchClearsEverything) {
  choose(chart.chooser(), "Bulb 1 current");
  tick(10);
  open("ohms_law.ele");
  EXPECT_TRUE(chart.legend().isEmpty());
  EXPECT_EQ(chart.recording().rows(), 0u);
  EXPECT_EQ(chart.chooser()->item_labelled("Bulb 1 current"), nullptr);
  EXPECT_NE(chart.chooser()->item_labelled("Pointer ammeter 1"), nullptr);
}

// Export CSV writes what the chart shows, which the CSV reader reads back
// cell for cell; Save as PNG writes the picture with the traces in it.
TEST_F(Chart, ExportsTheTracesAndThePicture) {
  choose(chart.chooser(), "Bulb 1 current");
  choose(chart.chooser(), "AC generator 1 voltage");
  tick(40);
  prompts.path = QString::fromStdString((folder.path / "traces.csv").string());
  chart.export_csv();
  const std::optional<CsvTable> back =
      ReadCsv(file_bytes(prompts.path).toStdString(), CsvEncoding::Utf8);
  ASSERT_TRUE(back);
  EXPECT_EQ(*back, chart.traces_table());
  EXPECT_EQ(back->at(0).at(2), "AC generator 1 voltage (V)");
  // The bench's numbers to the 15 digits it writes everywhere.
  const QuantityKey bulb = chart.chooser()->chosen().at(0).key;
  const double amps = *chart.recording().value(39, *chart.recording().column_of(bulb));
  EXPECT_NEAR(*ParseReal(back->at(40).at(1)), amps, 1e-14 * std::fabs(amps));

  prompts.path = QString::fromStdString((folder.path / "chart.png").string());
  chart.export_png();
  const QImage picture(prompts.path);
  ASSERT_FALSE(picture.isNull());
  EXPECT_EQ(picture.size(), chart.view()->size() * chart.view()->devicePixelRatio());
  EXPECT_GT(pixels_of(picture, QColor(200, 30, 30)), 100) << "the first trace's line";
  EXPECT_TRUE(prompts.errors.isEmpty());
  EXPECT_EQ(prompts.suffixes, (QStringList{"csv", "png"}));
}

// A place that cannot be written says so and leaves what is there alone;
// a cancelled dialog writes nothing.
TEST_F(Chart, ExportThatCannotBeWrittenSaysSo) {
  tick(3);
  std::filesystem::create_directory(folder.path / "a folder");
  for (const char* name : {"a folder", "no such folder/traces.csv"}) {
    prompts.path = QString::fromStdString((folder.path / name).string());
    chart.export_csv();
    chart.export_png();
  }
  EXPECT_EQ(prompts.errors.size(), 4);
  EXPECT_EQ(prompts.errors.value(0), EXPORT_NOT_WRITTEN);
  EXPECT_TRUE(std::filesystem::is_directory(folder.path / "a folder"));
  prompts.path.clear();
  chart.export_csv();
  EXPECT_EQ(prompts.errors.size(), 4);
  EXPECT_EQ(folder.entries().size(), 1u);
}

}  // namespace
}  // namespace voltaro
