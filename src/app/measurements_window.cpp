#include "app/measurements_window.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QTableWidget>
#include <algorithm>
#include <set>
#include <utility>

#include "app/fit_plot.h"
#include "document/recording_table.h"
#include "document/values.h"
#include "model/format.h"

namespace voltaro {

MeasurementsWindow::MeasurementsWindow(const Bench& bench, MeasurementPrompts& prompts,
                                       QWidget* owner)
    : QWidget(owner, Qt::Tool), bench_(bench), prompts_(prompts) {
  setObjectName("MeasurementsWindow");
  setWindowTitle("Measurements");
  recording_.follow([](const QuantityKey&) { return true; });

  chooser_ = new QuantityChooser;
  chooser_->changed = [this] { columns_changed(); };
  auto* side = new QWidget;
  auto* left = new QVBoxLayout(side);
  left->setContentsMargins(0, 0, 0, 0);
  left->addWidget(new QLabel("Readings to record:"));
  left->addWidget(chooser_);

  auto* record_button = new QPushButton("&Record (F9)");
  record_button->setObjectName("Record");
  record_button->setToolTip(
      "Adds a row with the readings of now. F9 does it from the bench too while this window is "
      "open.");
  connect(record_button, &QPushButton::clicked, this, [this] { record(); });
  auto* delete_button = new QPushButton("&Delete rows");
  delete_button->setObjectName("DeleteRows");
  connect(delete_button, &QPushButton::clicked, this, [this] { delete_rows(); });
  auto* copy_button = new QPushButton("Co&py table");
  copy_button->setObjectName("CopyTable");
  copy_button->setToolTip("Copies the table for a spreadsheet, columns apart by tabs");
  connect(copy_button, &QPushButton::clicked, this, [this] { copy_table(); });
  auto* csv_button = new QPushButton("E&xport CSV...");
  connect(csv_button, &QPushButton::clicked, this, [this] { export_csv(); });
  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {record_button, delete_button, copy_button, csv_button}) {
    buttons->addWidget(b);
  }
  buttons->addStretch();

  table_ = new QTableWidget;
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  auto* middle = new QWidget;
  auto* rows = new QVBoxLayout(middle);
  rows->setContentsMargins(0, 0, 0, 0);
  rows->addLayout(buttons);
  rows->addWidget(table_, 1);

  plot_ = new FitPlot;
  plot_->axes_chosen = [this] { plot_->plot(recording_); };

  auto* split = new QSplitter;
  split->addWidget(side);
  split->addWidget(middle);
  split->addWidget(plot_);
  split->setSizes({300, 420, 460});
  auto* all = new QHBoxLayout(this);
  all->addWidget(split);
  resize(1180, 620);

  // F9 records from every window of the program while this one is open:
  // the pupil's hand is on the bench's slider.
  auto* f9 =
      new QShortcut(QKeySequence(Qt::Key_F9), this, nullptr, nullptr, Qt::ApplicationShortcut);
  connect(f9, &QShortcut::activated, this, [this] { record(); });
  // Del in the table deletes rows, not what is selected on the bench.
  table_->installEventFilter(this);
  columns_changed();
}

bool MeasurementsWindow::eventFilter(QObject* watched, QEvent* event) {
  const bool key = event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress;
  if (watched == table_ && key && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
    // Taken as a key of the table's own, before the bench's Delete sees it.
    event->accept();
    if (event->type() == QEvent::KeyPress) delete_rows();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void MeasurementsWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  quantities_.rename(bench_);
  bench_changed();
}

void MeasurementsWindow::on_tick(double seconds) {
  seconds_ = seconds;
  if (isVisible() && quantities_.refresh(bench_)) bench_changed();
}

void MeasurementsWindow::bench_replaced() {
  recording_.follow([](const QuantityKey&) { return true; });
  origin_.reset();
  quantities_.reset();
  chooser_->forget();
  choose_instruments_ = true;
  if (isVisible()) {
    quantities_.refresh(bench_);
    bench_changed();
  }
  columns_changed();
}

void MeasurementsWindow::bench_changed() {
  chooser_->show_quantities(quantities_);
  // An opened experiment comes with its instruments' readings ticked; an
  // empty bench starts with nothing ticked.
  if (std::exchange(choose_instruments_, false)) {
    for (const Quantity& q : quantities_.now()) {
      if (q.key.measure == Measure::Reading) chooser_->set_chosen(q.key, true);
    }
  }
  fill_table();
}

void MeasurementsWindow::columns_changed() {
  plot_->offer(chooser_->chosen());
  fill_table();
  plot_->plot(recording_);
}

void MeasurementsWindow::record() {
  if (quantities_.refresh(bench_)) bench_changed();
  if (!origin_) origin_ = seconds_;
  recording_.record(bench_, std::max(0.0, seconds_ - *origin_));
  fill_table();
  plot_->plot(recording_);
  table_->scrollToBottom();
}

CsvTable MeasurementsWindow::table() const {
  const std::vector<Quantity>& chosen = chooser_->chosen();
  CsvTable out{{"Time (s)"}};
  for (const Quantity& q : chosen) out[0].push_back(ColumnHeading(q));
  for (size_t row = 0; row < recording_.rows(); ++row) {
    CsvRow cells{FormatReal(recording_.times()[row])};
    for (const Quantity& q : chosen) {
      const std::optional<size_t> column = recording_.column_of(q.key);
      const std::optional<double> v =
          column ? recording_.value(row, *column) : std::optional<double>();
      cells.push_back(v ? FormatReal(*v) : std::string());
    }
    out.push_back(std::move(cells));
  }
  return out;
}

void MeasurementsWindow::fill_table() {
  const CsvTable cells = table();
  const std::vector<Quantity>& chosen = chooser_->chosen();
  table_->setColumnCount(static_cast<int>(cells[0].size()));
  table_->setRowCount(static_cast<int>(cells.size() - 1));
  for (size_t c = 0; c < cells[0].size(); ++c) {
    auto* heading = new QTableWidgetItem(QString::fromStdString(cells[0][c]));
    if (c > 0 && !quantities_.on_bench(chosen[c - 1].key)) {
      // Frozen: no reading comes any more; the rows taken before stay.
      heading->setText(QuantityHeading(chosen[c - 1], quantities_));
      heading->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
    }
    table_->setHorizontalHeaderItem(static_cast<int>(c), heading);
  }
  // Six digits on the screen, as a pupil writes them down; the copy and the
  // file keep all fifteen.
  for (size_t row = 1; row < cells.size(); ++row) {
    for (size_t c = 0; c < cells[row].size(); ++c) {
      const std::optional<double> v = ParseReal(cells[row][c]);
      auto* item = new QTableWidgetItem(v ? QString::fromStdString(FormatGeneral(*v, 6)) : "");
      item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      table_->setItem(static_cast<int>(row - 1), static_cast<int>(c), item);
    }
  }
}

void MeasurementsWindow::delete_rows() {
  std::set<int, std::greater<>> rows;
  for (const QModelIndex& index : table_->selectionModel()->selectedRows()) {
    rows.insert(index.row());
  }
  for (int row : rows) recording_.erase_row(static_cast<size_t>(row));
  table_->clearSelection();
  fill_table();
  plot_->plot(recording_);
}

void MeasurementsWindow::copy_table() {
  prompts_.set_clipboard(QString::fromStdString(TabSeparatedText(table())));
}

void MeasurementsWindow::export_csv() {
  const QString path = prompts_.save_path(this, "Export the measurements as CSV", "csv");
  if (path.isEmpty()) return;
  const std::string bytes = CsvFileBytes(table(), CsvEncoding::Utf8);
  if (!WriteExport(path, QByteArray::fromStdString(bytes))) {
    prompts_.error(this, EXPORT_NOT_WRITTEN);
  }
}

}  // namespace voltaro
