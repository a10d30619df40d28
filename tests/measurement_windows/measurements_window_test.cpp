// The table of measurements on the Ohm's-law example: readings recorded at
// three slider positions with F9, plotted, fitted, copied and exported, and
// a column frozen when its instrument leaves the bench.

#include <QComboBox>
#include <QHeaderView>
#include <QTableWidget>
#include <QTest>
#include <cmath>

#include "app/fit_plot.h"
#include "document/values.h"
#include "model/format.h"
#include "model/kinds.h"
#include "windows_fixture.h"

namespace voltaro {
namespace {

struct Measurements : WindowsFixture {
  void SetUp() override {
    open("ohms_law.ele");
    table.show();
    table.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&table));
    tick();
  }
  // The slider moved, the bench settled, the readings recorded with F9.
  void record_at(double slider) {
    bench->rheostats[0].slider = slider;
    Settle(*bench);
    tick();
    QTest::keyClick(table.table_view(), Qt::Key_F9);
  }
  const ElementRecord& resistor() {
    for (const ElementRecord& e : bench->elements) {
      if (e.kind == KIND_FIXED_RESISTOR) return e;
    }
    ADD_FAILURE() << "no resistor";
    return bench->elements[0];
  }
  QString heading(int column) { return table.table_view()->horizontalHeaderItem(column)->text(); }
};

// The opened bench comes with its instruments' readings ticked, the
// voltmeter first: the current plotted against the voltage at once.
TEST_F(Measurements, OhmsLawFromSliderToResistance) {
  EXPECT_EQ(table.table_view()->columnCount(), 3);
  EXPECT_EQ(heading(0), "Time (s)");
  EXPECT_EQ(heading(1), "Pointer voltmeter 1 (V)");
  EXPECT_EQ(heading(2), "Pointer ammeter 1 (A)");
  for (double slider : {0.2, 0.5, 0.8}) record_at(slider);
  ASSERT_EQ(table.table_view()->rowCount(), 3);
  EXPECT_NE(table.table_view()->item(0, 1)->text(), table.table_view()->item(2, 1)->text());

  FitPlot& plot = *table.plot();
  EXPECT_EQ(plot.x_choice()->currentText(), "Pointer voltmeter 1 (V)");
  EXPECT_EQ(plot.y_choice()->currentText(), "Pointer ammeter 1 (A)");
  ASSERT_TRUE(plot.fit());
  EXPECT_EQ(plot.fit()->points, 3u);
  // The ammeter carries the voltmeter's current too: the meters give the
  // resistor and the voltmeter in parallel.
  const double r = resistor().resistance, meter = bench->voltmeters[0].range_resistance_1;
  const double parallel = r * meter / (r + meter);
  EXPECT_NEAR(1 / plot.fit()->slope, parallel, 1e-9 * parallel);
  EXPECT_TRUE(plot.result().contains("Resistance R = 1 / slope = ")) << plot.result().toStdString();

  // The resistor's own current against its own voltage gives its value;
  // the rows already taken hold every reading of the bench.
  choose(table.chooser(), "Fixed resistor 1 voltage");
  choose(table.chooser(), "Fixed resistor 1 current");
  EXPECT_EQ(table.table_view()->columnCount(), 5);
  plot.x_choice()->setCurrentIndex(2);
  plot.y_choice()->setCurrentIndex(3);
  emit plot.x_choice()->activated(2);
  ASSERT_TRUE(plot.fit());
  // Current from A to B against the voltage of A over B: a resistor's
  // slope is 1 / R whichever way round it was placed.
  EXPECT_NEAR(1 / plot.fit()->slope, r, 1e-9 * r);
  EXPECT_NEAR(plot.fit()->intercept, 0, 1e-12);

  // Voltage against current: the slope itself.
  plot.x_choice()->setCurrentIndex(3);
  plot.y_choice()->setCurrentIndex(2);
  emit plot.x_choice()->activated(3);
  ASSERT_TRUE(plot.fit());
  EXPECT_NEAR(plot.fit()->slope, r, 1e-9 * r);
  EXPECT_TRUE(plot.result().contains("Resistance R = slope = "));
}

TEST_F(Measurements, DeletedRowsLeaveTheTableAndTheFit) {
  for (double slider : {0.2, 0.5, 0.8}) record_at(slider);
  const QString last = table.table_view()->item(2, 2)->text();
  table.table_view()->selectRow(0);
  table.delete_rows();
  ASSERT_EQ(table.table_view()->rowCount(), 2);
  EXPECT_EQ(table.table_view()->item(1, 2)->text(), last);
  EXPECT_EQ(table.plot()->fit()->points, 2u);

  table.table_view()->selectRow(1);
  table.table_view()->setFocus();
  QTest::keyClick(table.table_view(), Qt::Key_Delete);
  EXPECT_EQ(table.table_view()->rowCount(), 1);
  EXPECT_FALSE(table.plot()->fit());
  EXPECT_TRUE(table.plot()->result().startsWith("No line yet"))
      << table.plot()->result().toStdString();
}

// Copy puts tab-separated rows on the clipboard; Export CSV writes a file
// that the CSV reader reads back cell for cell.
TEST_F(Measurements, CopiedAndExportedTables) {
  record_at(0.3);
  record_at(0.6);
  table.copy_table();
  const QStringList lines = prompts.clipboard.split("\r\n");
  ASSERT_EQ(lines.size(), 4) << prompts.clipboard.toStdString();  // and the last line's end
  EXPECT_EQ(lines[0], "Time (s)\tPointer voltmeter 1 (V)\tPointer ammeter 1 (A)");
  const QStringList cells = lines[2].split('\t');
  ASSERT_EQ(cells.size(), 3);
  EXPECT_EQ(cells[2].toStdString(), table.table()[2][2]);
  EXPECT_EQ(table.table_view()->item(1, 2)->text().toStdString(),
            FormatGeneral(*ParseReal(cells[2].toStdString()), 6));
  EXPECT_TRUE(ParseReal(cells[1].toStdString()));
  EXPECT_EQ(lines[3], "");

  prompts.path = QString::fromStdString((folder.path / "ohm.csv").string());
  table.export_csv();
  const QByteArray bytes = file_bytes(prompts.path);
  EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF")) << "marked as UTF-8 for spreadsheets";
  const std::optional<CsvTable> back = ReadCsv(bytes.toStdString(), CsvEncoding::Utf8);
  ASSERT_TRUE(back);
  EXPECT_EQ(*back, table.table());
  EXPECT_EQ(back->size(), 3u);
  EXPECT_TRUE(prompts.errors.isEmpty());
}

// The ammeter leaves the bench: its column keeps the readings taken and is
// marked; the rows recorded afterwards have nothing in it.
TEST_F(Measurements, DeletedInstrumentLeavesItsColumnFrozenAndMarked) {
  record_at(0.3);
  record_at(0.6);
  delete_ammeter();
  tick();
  EXPECT_EQ(heading(2), "Pointer ammeter 1 (A) (removed from the bench)");
  table.record();
  ASSERT_EQ(table.table_view()->rowCount(), 3);
  EXPECT_NE(table.table_view()->item(1, 2)->text(), "");
  EXPECT_EQ(table.table_view()->item(2, 2)->text(), "");
  EXPECT_NE(table.table_view()->item(2, 1)->text(), "") << "the voltmeter goes on";
  EXPECT_EQ(table.plot()->fit()->points, 2u);
}

// New and Open start an empty table; a bench opened later brings its own
// instruments ticked.
TEST_F(Measurements, NewBenchClearsTheTable) {
  record_at(0.3);
  table.hide();
  open("ac_generator.ele");
  EXPECT_EQ(table.recording().rows(), 0u);
  EXPECT_TRUE(table.chooser()->chosen().empty());
  table.show();
  EXPECT_EQ(table.table_view()->rowCount(), 0);
  EXPECT_EQ(table.table_view()->columnCount(), 1) << "the AC example has no instrument";
  EXPECT_NE(table.chooser()->item_labelled("Bulb 1 current"), nullptr);
  EXPECT_FALSE(table.plot()->fit());
}

}  // namespace
}  // namespace voltaro
