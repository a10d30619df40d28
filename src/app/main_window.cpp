#include "app/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QMoveEvent>
#include <QPainter>
#include <QProcess>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QStatusBar>
#include <QUrl>
#include <QWindow>

#include "model/timer.h"
#include "render/export.h"

namespace voltaro {
namespace {

QWidget* StartPicture(const QString& program_dir) {
  QImage picture(409, 265, QImage::Format_RGB32);
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient sky(0, 0, 0, 265);
  sky.setColorAt(0, QColor(235, 242, 250));
  sky.setColorAt(1, QColor(200, 215, 235));
  p.fillRect(picture.rect(), sky);
  const QImage logo(program_dir + "/show.bmp");
  if (!logo.isNull()) {
    p.drawImage(QRect(20, 20, 150, 150 * logo.height() / std::max(1, logo.width())), logo);
  }
  QFont title("Liberation Sans");
  title.setPixelSize(30);
  title.setBold(true);
  p.setFont(title);
  p.setPen(QColor(30, 50, 90));
  p.drawText(QRect(180, 40, 220, 40), Qt::AlignLeft, "Zentrik");
  p.drawText(QRect(180, 76, 220, 40), Qt::AlignLeft, "Voltaro");
  QFont text("Liberation Sans");
  text.setPixelSize(14);
  p.setFont(text);
  p.drawText(QRect(180, 124, 215, 60), Qt::TextWordWrap, "The circuit bench for school physics.");
  p.drawText(QRect(20, 205, 370, 50), Qt::TextWordWrap,
             "Choose New to set up an experiment, or Open to load one.");
  p.end();
  auto* label = new QLabel;
  label->setObjectName("Image2");
  label->setPixmap(QPixmap::fromImage(picture));
  label->setAlignment(Qt::AlignCenter);
  return label;
}

}  // namespace

TForm1::TForm1(const QString& program_dir, const PictureSet& pictures, ModalPort& modal,
               ClipboardPort& clipboard, QWidget* parent)
    : QMainWindow(parent),
      program_dir_(program_dir),
      pictures_(pictures),
      modal_(modal),
      clipboard_(clipboard),
      bench_(std::make_unique<Bench>()),
      sound_(std::make_unique<DesktopSound>(program_dir)) {
  setObjectName("TForm1");
  setWindowTitle("Zentrik Voltaro V3.0");
  bench_->sound = sound_.get();
  renderer_ = std::make_unique<BenchRenderer>(*bench_, pictures_, &clock_);
  renderer_->attach();
  interaction_ = std::make_unique<BenchInteraction>(*bench_, *renderer_, *this, modal_, clipboard_);
  history_ = std::make_unique<UndoHistory>(*bench_, *interaction_);
  documents_ = std::make_unique<DocumentCommands>(*bench_, modal_, *this);

  box_ = new TForm8(pictures_, this);
  magnifier_ = new Form_big(this);
  warning_ = new Form4(program_dir_, this);
  chart_ = new ChartWindow(*bench_, measurement_prompts_, this);
  measurements_ = new MeasurementsWindow(*bench_, measurement_prompts_, this);

  stack_ = new QStackedWidget;
  QWidget* start_picture = StartPicture(program_dir_);
  view_ = new BenchView(*renderer_);
  scroll_ = new QScrollArea;
  scroll_->setWidget(view_);
  scroll_->setBackgroundRole(QPalette::Dark);
  // A bench smaller than the window, zoomed out or fitted to a screen,
  // stands in the middle.
  scroll_->setAlignment(Qt::AlignCenter);
  zoom_ = new BenchZoom(*scroll_, *view_, *renderer_);
  // A wire being drawn is dropped, its rubber line with it, as by any
  // command.
  zoom_->before_change = [this] { interaction_->AbandonWire(); };
  stack_->addWidget(start_picture);
  stack_->addWidget(scroll_);
  stack_->setCurrentWidget(start_picture);
  auto* central = new QWidget;
  auto* column = new QVBoxLayout(central);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  build_menus();
  build_tool_bar();
  column->addWidget(tool_bar_);
  column->addWidget(stack_, 1);
  setCentralWidget(central);
  statusBar();
  resize(1100, 820);

  view_->pressed = [this](int b, int x, int y) { interaction_->Image1MouseDown(b, 0, x, y); };
  view_->moved = [this](int x, int y) { interaction_->Image1MouseMove(0, x, y); };
  view_->released = [this](int b, int x, int y) { interaction_->Image1MouseUp(b, 0, x, y); };
  view_->double_clicked = [this] { interaction_->Image1DblClick(); };
  renderer_->set_listener(this);
  magnifier_->paint_bench = [this](QPoint centre, int span, int side) {
    return renderer_->paint_square({centre.x(), centre.y()}, span, side);
  };
  box_->kind_chosen = [this](int32_t kind) { choose_kind(kind); };
  box_->visibility_changed = [this](bool shown) { actions_.components_box->setChecked(shown); };

  timer_.setInterval(100);
  connect(&timer_, &QTimer::timeout, this, [this] { Timer1Timer(); });
  timer_.start();

  // Escape drops the wire being drawn and what was picked in the box; an
  // open menu or dialog takes its Escape first.
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, [this] { interaction_->Escape(); });

  // Key presses reach the shortcuts only after the focus has been offered
  // them as a shortcut override; that is the moment to enable the items.
  qApp->installEventFilter(this);
}

TForm1::~TForm1() {
  timer_.stop();
  // The history puts benches back into the window's bench and picture.
  history_.reset();
  bench_->sound = nullptr;
}

void TForm1::enable_document_controls() {
  for (QWidget* w : document_widgets_) {
    if (auto* menu = qobject_cast<QMenu*>(w)) {
      menu->menuAction()->setEnabled(true);
    } else {
      w->setEnabled(true);
    }
  }
  for (QAction* a : {actions_.save, actions_.save_as}) a->setEnabled(true);
}

void TForm1::OpenAtStart(const QString& path) {
  documents_->OpenAtStart(path);
}

void TForm1::UpdateEditMenus() {
  const EditMenuState s = interaction_->MenuState();
  for (const EditActions& menu : {actions_.edit, actions_.context}) {
    menu.copy->setEnabled(s.copy);
    menu.cut->setEnabled(s.cut);
    menu.paste->setEnabled(s.paste);
    menu.del->setEnabled(s.del);
    menu.repair->setEnabled(s.repair);
    menu.properties->setEnabled(s.properties);
  }
}

void TForm1::Timer1Timer() {
  TickContext c;
  const InteractionView& mouse = interaction_->view();
  c.wire_in_progress = mouse.wire_in_progress;
  c.button_down = mouse.button_down;
  c.slider_drag = mouse.slider_drag;
  c.magnet_drag = mouse.magnet_drag;
  c.warning_visible = [this] { return warning_->isVisible(); };
  c.show_warning = [this] {
    warning_->Label1->setText(SHORT_CIRCUIT_TEXT);
    modal_.show_warning(*warning_);
  };
  TimerTick(*bench_, c);
  const double seconds = static_cast<double>(clock_.now_ms()) / 1000;
  chart_->on_tick(seconds);
  measurements_->on_tick(seconds);
}

void TForm1::choose_kind(int32_t kind) {
  interaction_->AbandonWire();
  interaction_->set_pending_kind(kind);
}

void TForm1::SavePicture() {
  const QString path = modal_.picture_path();
  if (path.isEmpty()) return;
  switch (SaveBenchPicture(renderer_->image(), path)) {
    case ExportOutcome::Written:
      break;
    case ExportOutcome::NotAPictureName:
      status_message(PICTURE_NAME_REFUSED);
      break;
    case ExportOutcome::Failed:
      status_message(PICTURE_NOT_WRITTEN);
      break;
  }
}

void TForm1::ExportBenchDrawing() {
  const DrawingTarget target = modal_.drawing_target();
  if (target.path.isEmpty()) return;
  switch (ExportDrawing(*renderer_, target.path, target.scale)) {
    case ExportOutcome::Written:
      break;
    case ExportOutcome::NotAPictureName:
      status_message(DRAWING_NAME_REFUSED);
      break;
    case ExportOutcome::Failed:
      status_message(DRAWING_NOT_WRITTEN);
      break;
  }
}

bool TForm1::PrintBench(QPrinter& printer) {
  QPainter p;
  if (!p.begin(&printer)) return false;
  // The whole width of the page, the bench's shape kept, from the top left.
  const int width = p.viewport().width();
  const QRect target(0, 0, width, width * BenchRenderer::HEIGHT / BenchRenderer::WIDTH);
  p.drawImage(target, renderer_->image());
  return p.end();
}

void TForm1::open_user_guide() {
  const QString opener = QStandardPaths::findExecutable(guide_opener);
  if (opener.isEmpty()) {
    show_guide_window();
    return;
  }
  // The opener says whether a browser took the guide only by how it ends;
  // a browser kept open keeps it running, which is fine.
  auto* process = new QProcess(this);
  connect(process, &QProcess::errorOccurred, this, [this, process](QProcess::ProcessError e) {
    if (e != QProcess::FailedToStart) return;
    show_guide_window();
    process->deleteLater();
  });
  connect(process, &QProcess::finished, this,
          [this, process](int code, QProcess::ExitStatus status) {
            if (status != QProcess::NormalExit || code != 0) show_guide_window();
            process->deleteLater();
          });
  process->start(opener, {QUrl::fromLocalFile(program_dir_ + "/ehelp/index.htm").toString()});
}

void TForm1::show_guide_window() {
  if (!guide_) guide_ = new GuideWindow(program_dir_ + "/ehelp/index.htm", this);
  guide_->show();
  guide_->raise();
  guide_->activateWindow();
}

void TForm1::start_calculator() {
  for (const QString& name : calculators) {
    const QString program = QStandardPaths::findExecutable(name);
    if (!program.isEmpty()) {
      QProcess::startDetached(program, {});
      return;
    }
  }
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride) {
    const auto* widget = qobject_cast<QWidget*>(watched);
    const auto* window = qobject_cast<QWindow*>(watched);
    if ((widget && widget->window() == this) || (window && window == windowHandle())) {
      UpdateEditMenus();
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void TForm1::place_components_box() {
  box_placed_ = true;
  const QRect frame = frameGeometry();
  const QRect screen = this->screen()->availableGeometry();
  // The box's frame is taken to be as thick as the window's.
  const QSize box(box_->width() + frame.width() - width(),
                  box_->height() + frame.height() - height());
  const int gap = 4;
  int x = frame.right() + 1 + gap;
  if (x + box.width() > screen.right() + 1) x = frame.left() - gap - box.width();
  if (x < screen.left()) x = geometry().left() + 1;
  // Level with the top of the bench, and on the screen.
  const int bench_top = mapToGlobal(QPoint(0, centralWidget()->y() + tool_bar_->height())).y();
  const int y = std::clamp(bench_top, screen.top(),
                           std::max(screen.top(), screen.bottom() + 1 - box.height()));
  box_->move(x, y);
}

void TForm1::moveEvent(QMoveEvent* event) {
  QMainWindow::moveEvent(event);
  if (box_placed_) box_->move(box_->pos() + event->pos() - event->oldPos());
}

void TForm1::closeEvent(QCloseEvent* event) {
  if (documents_->MayQuit()) {
    // A clean end: nothing to recover.
    autosave_.reset();
    timer_.stop();
    box_->hide();
    magnifier_->hide();
    chart_->hide();
    measurements_->hide();
    event->accept();
  } else {
    event->ignore();
  }
}

// What the mouse handling asks of the window.
void TForm1::show_context_menu(Point at) {
  UpdateEditMenus();
  modal_.popup(*context_menu_, view_->mapToGlobal(QPointF(at.x, at.y) * view_->zoom()).toPoint());
}

void TForm1::show_black_box_menu(Point at) {
  modal_.popup(*black_box_menu_, view_->mapToGlobal(QPointF(at.x, at.y) * view_->zoom()).toPoint());
}

void TForm1::show_magnifier(Point centre) {
  magnifier_->look_at(QPoint(centre.x, centre.y));
  magnifier_->show();
}

void TForm1::refresh_magnifier() {
  const Point c = interaction_->view().zoom_centre;
  magnifier_->look_at(QPoint(c.x, c.y));
}

bool TForm1::magnifier_visible() {
  return magnifier_->isVisible();
}
void TForm1::restore_cursor() {
  view_->setCursor(Qt::PointingHandCursor);
}
void TForm1::reset_components_box() {
  box_->all_up_keyClick();
}
constexpr char NOT_CALCULATED_MESSAGE[] =
    "This bench cannot be calculated: a value on it is not a number. Every reading shows zero "
    "until the value is put right.";

void TForm1::painted() {
  view_->update();
  if (magnifier_->isVisible()) refresh_magnifier();
  show_analysis_state();
}

void TForm1::show_bench() {
  enable_document_controls();
  stack_->setCurrentWidget(scroll_);
  if (!box_placed_) place_components_box();
  box_->show();
}

void TForm1::bench_replaced(bool shown) {
  chart_->bench_replaced();
  measurements_->bench_replaced();
  interaction_->StartOver();
  history_->StartAfresh();
  // A bench emptied or read from a file holds no work to recover.
  if (autosave_) autosave_->settled();
  if (shown) return;
  renderer_->rebuild_all_pictures();
  renderer_->Draw_obj();
}

// A bench that could not be calculated says so for as long as it stays so;
// its readings all show zero meanwhile.
void TForm1::show_analysis_state() {
  const bool unsolved = bench_->status == STATUS_NOT_SOLVED;
  if (unsolved == showing_unsolved_) return;
  showing_unsolved_ = unsolved;
  if (unsolved) {
    statusBar()->showMessage(QString::fromUtf8(NOT_CALCULATED_MESSAGE));
  } else {
    statusBar()->clearMessage();
  }
}

void TForm1::status_message(const std::string& text) {
  statusBar()->showMessage(QString::fromStdString(text), 5000);
}
void TForm1::picture_changed() {
  view_->update();
}

}  // namespace voltaro
