#include "app/main_window.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QProcess>
#include <QScrollArea>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QStatusBar>
#include <QToolButton>
#include <QUrl>

#include "app/icons.h"
#include "model/analysis.h"
#include "model/kinds.h"
#include "model/timer.h"
#include "render/export.h"

namespace voltaro {
namespace {

const char* HOME_PAGE = "https://www.zentrik-voltaro.example/";
const char* MAIL = "mailto:bench@zentrik-voltaro.example?subject=Zentrik%20Voltaro";

// The swatch beside "wire color": a click chooses the colour of new wires.
class Swatch : public QFrame {
 public:
  std::function<void()> clicked;
  void set_color(int32_t value) {
    setStyleSheet(QString("background: %1; border: 1px solid #555;").arg(BenchColor(value).name()));
  }

 protected:
  void mouseReleaseEvent(QMouseEvent*) override {
    if (clicked) clicked();
  }
};

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

QCursor ZoomCursor() {
  QPixmap pixmap(32, 32);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(Qt::black, 2));
  p.setBrush(QColor(255, 255, 255, 160));
  p.drawEllipse(QPointF(12, 12), 9, 9);
  p.setPen(QPen(Qt::black, 4, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(19, 19, 28, 28);
  p.setPen(QPen(Qt::black, 2));
  p.drawLine(8, 12, 16, 12);
  p.drawLine(12, 8, 12, 16);
  p.end();
  return QCursor(pixmap, 12, 12);
}

struct MenuKind {
  const char* caption;
  int32_t kind;
};

struct ComponentsSubmenu {
  const char* title;
  std::vector<MenuKind> items;
};

const std::vector<ComponentsSubmenu>& ComponentsMenu() {
  static const std::vector<ComponentsSubmenu> menu = {
      {"Power supply",
       {{"1.5 V battery", 21},
        {"Batter set", 23},
        {"Storage battery", 22},
        {"Storage battery set", 24},
        {"9V battery", 25},
        {"Self-defined voltage supply", 2}}},
      {"Resistors",
       {{"Fixed resistor", 1}, {"Slide resistor", 12}, {"Wire resistor", 13}, {"Rehostat", 14}}},
      {"Instruments ",
       {{"Pointer ammeter", 51},
        {"Pointer voltmeter", 41},
        {"Microdetector", 52},
        {"Digital ammeter", 5},
        {"Digital voltmeter", 4},
        {"Digital ohmmeter", 53}}},
      {"Switches",
       {{"Single-pole single-throw switche", 7}, {"Single-pole double-throw switche", 71}}},
      {"Outputs", {{"Bulb", 6}, {"Signal light", 61}, {"Electric ring", 62}}},
      {"Others", {{"Fuse", 8}, {"Diode", 82}, {"Electromagnetic relay", 81}}},
  };
  return menu;
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
  interaction_ = std::make_unique<BenchInteraction>(*bench_, *renderer_, *this, clipboard_);
  documents_ = std::make_unique<DocumentCommands>(*bench_, modal_);
  bench_->element_picture_needed = [this](int slot) { renderer_->make_fact_two_obj_pic(slot); };

  box_ = new TForm8(pictures_, this);
  magnifier_ = new Form_big(this);
  warning_ = new Form4(program_dir_, this);

  auto* stack = new QStackedWidget;
  start_picture_ = StartPicture(program_dir_);
  view_ = new BenchView(renderer_->image());
  scroll_ = new QScrollArea;
  scroll_->setWidget(view_);
  scroll_->setBackgroundRole(QPalette::Dark);
  stack->addWidget(start_picture_);
  stack->addWidget(scroll_);
  stack->setCurrentWidget(start_picture_);
  auto* central = new QWidget;
  auto* column = new QVBoxLayout(central);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  build_menus();
  build_tool_bar();
  column->addWidget(tool_bar_);
  column->addWidget(stack, 1);
  setCentralWidget(central);
  statusBar();
  resize(1100, 820);

  view_->pressed = [this](int b, int x, int y) { interaction_->Image1MouseDown(b, 0, x, y); };
  view_->moved = [this](int x, int y) { interaction_->Image1MouseMove(0, x, y); };
  view_->released = [this](int b, int x, int y) { interaction_->Image1MouseUp(b, 0, x, y); };
  view_->double_clicked = [this] { interaction_->Image1DblClick(); };
  renderer_->after_draw = [this] {
    view_->update();
    if (magnifier_->isVisible()) refresh_magnifier();
  };
  box_->kind_chosen = [this](int32_t kind) { choose_kind(kind); };
  box_->visibility_changed = [this](bool shown) { box_check_->setChecked(shown); };

  documents_->show_bench = [this, stack] {
    enable_document_controls();
    stack->setCurrentWidget(scroll_);
    box_->show();
  };
  documents_->bench_replaced = [this] {
    interaction_->selected_kind = 0;
    interaction_->selected_index = -1;
    interaction_->wire_selected = false;
    interaction_->set_pending_kind(0);
    renderer_->rebuild_all_pictures();
    renderer_->Draw_obj();
  };

  timer_.setInterval(100);
  connect(&timer_, &QTimer::timeout, this, [this] { Timer1Timer(); });
  timer_.start();
}

TForm1::~TForm1() {
  timer_.stop();
  bench_->sound = nullptr;
}

QAction* TForm1::action(const QString& text) const {
  for (const auto& [name, action] : actions_) {
    if (name == text) return action;
  }
  return nullptr;
}

void TForm1::build_menus() {
  const auto add = [this](QMenu* menu, const QString& text, auto&& slot,
                          const QKeySequence& keys = {}) {
    QAction* a = menu->addAction(text);
    if (!keys.isEmpty()) a->setShortcut(keys);
    connect(a, &QAction::triggered, this, slot);
    actions_.push_back({QString(menu->title()).remove('&') + "/" + QString(text).remove('&'), a});
    return a;
  };
  QMenu* file = menuBar()->addMenu("&File");
  add(file, "&New", [this] { documents_->New(); });
  add(file, "&Open", [this] { documents_->Open(); });
  document_actions_.push_back(add(file, "&Save", [this] { documents_->Save(); }));
  document_actions_.push_back(add(file, "Save &as", [this] { documents_->SaveAs(); }));
  file->addSeparator();
  add(file, "Save as &Picture", [this] { SavePicture(); });
  add(file, "Print Set&up", [this] { modal_.page_setup(printer_); });
  add(file, "&Print", [this] {
    if (modal_.print_dialog(printer_)) PrintBench(printer_);
  });
  file->addSeparator();
  add(file, "&Quit", [this] { close(); });

  // The Edit menu and the bench's context menu offer the same commands.
  const auto edit_items = [this, &add](QMenu* menu, bool with_keys) {
    add(menu, "Display the Direction of the Current",
        [this] { renderer_->toggle_current_direction(); });
    add(menu, "Object Diagram/Circuit Diagram", [this] { renderer_->toggle_circuit_view(); });
    menu->addSeparator();
    add(
        menu, "&Copy", [this] { interaction_->Copy(); },
        with_keys ? QKeySequence("Ctrl+C") : QKeySequence());
    add(
        menu, "C&ut", [this] { interaction_->Cut(); },
        with_keys ? QKeySequence("Ctrl+X") : QKeySequence());
    add(
        menu, "&Paste", [this] { interaction_->Paste(); },
        with_keys ? QKeySequence("Ctrl+V") : QKeySequence());
    if (with_keys) menu->addSeparator();
    add(
        menu, "&Delete", [this] { interaction_->Delete(); },
        with_keys ? QKeySequence(Qt::Key_Delete) : QKeySequence());
    menu->addSeparator();
    add(
        menu, "Repair components", [this] { interaction_->Repair(); },
        with_keys ? QKeySequence("Ctrl+R") : QKeySequence());
    add(
        menu, "Propertiy", [this] { interaction_->Properties(); },
        with_keys ? QKeySequence("Ctrl+A") : QKeySequence());
  };
  edit_menu_ = menuBar()->addMenu("&Edit");
  edit_items(edit_menu_, true);
  connect(edit_menu_, &QMenu::aboutToShow, this, [this] { UpdateEditMenus(); });
  context_menu_ = new QMenu("Bench", this);
  edit_items(context_menu_, false);
  black_box_menu_ = new QMenu("Black box", this);
  add(black_box_menu_, "Open Black Box", [this] { interaction_->OpenBlackBox(); });

  QMenu* components = menuBar()->addMenu("&Components");
  for (const ComponentsSubmenu& sub : ComponentsMenu()) {
    QMenu* m = components->addMenu(sub.title);
    for (const MenuKind& item : sub.items) {
      const int32_t kind = item.kind;
      add(m, item.caption, [this, kind] { interaction_->set_pending_kind(kind); });
    }
  }
  QMenu* view = menuBar()->addMenu("&View");
  QAction* bar =
      add(view, "&Tool Bar", [this](bool on) { tool_bar_->setFixedHeight(on ? 33 : 0); });
  bar->setCheckable(true);
  bar->setChecked(true);
  box_check_ = add(view, "&Components box", [this](bool on) { box_->setVisible(on); });
  box_check_->setCheckable(true);
  QMenu* internet = menuBar()->addMenu("&Internet");
  add(internet, "Home &Page", [] { QDesktopServices::openUrl(QUrl(HOME_PAGE)); });
  add(internet, "&Mail to Us", [] { QDesktopServices::openUrl(QUrl(MAIL)); });
  QMenu* help = menuBar()->addMenu("&Help");
  add(help, "&About the software", [this] { modal_.show_about(); });
  add(help, "&User guide", [this] { open_user_guide(); });

  for (QMenu* m : {edit_menu_, components, view}) document_widgets_.push_back(m);
  for (QMenu* m : {edit_menu_, components, view}) m->menuAction()->setEnabled(false);
  for (QAction* a : document_actions_) a->setEnabled(false);
}

void TForm1::build_tool_bar() {
  tool_bar_ = new QWidget;
  tool_bar_->setObjectName("ToolBar");
  tool_bar_->setFixedHeight(33);
  auto* row = new QHBoxLayout(tool_bar_);
  row->setContentsMargins(4, 4, 4, 4);
  row->setSpacing(2);
  const auto bevel = [row] {
    auto* line = new QFrame;
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Raised);
    row->addWidget(line);
  };
  static const QStringList documents = {"Show components box",
                                        "Display the Direction of the Current",
                                        "Zoom",
                                        "Document Note",
                                        "Black Box",
                                        "Object Diagram/Circuit Diagram",
                                        "Print",
                                        "Save",
                                        "Repair components",
                                        "Delete"};
  const auto button = [this, row](const QString& hint, auto&& slot) {
    auto* b = new QToolButton;
    b->setObjectName(hint);
    b->setToolTip(hint);
    b->setIcon(ToolIcon(hint));
    b->setFixedSize(25, 25);
    b->setIconSize(QSize(20, 20));
    b->setAutoRaise(true);
    connect(b, &QToolButton::clicked, this, slot);
    row->addWidget(b);
    if (documents.contains(hint)) {
      b->setEnabled(false);
      document_widgets_.push_back(b);
    }
  };
  button("New", [this] { documents_->New(); });
  button("Open", [this] { documents_->Open(); });
  button("Save", [this] { documents_->Save(); });
  button("Print", [this] {
    if (modal_.print_dialog(printer_)) PrintBench(printer_);
  });
  bevel();
  button("Rotate", [this] { interaction_->Rotate(); });
  button("Repair components", [this] { interaction_->Repair(); });
  button("Delete", [this] { interaction_->Delete(); });
  button("Show components box", [this] { box_check_->trigger(); });
  button("Document Note", [this] { interaction_->set_pending_kind(KIND_NOTE); });
  button("Black Box", [this] { interaction_->set_pending_kind(KIND_BLACK_BOX); });
  bevel();
  row->addWidget(new QLabel("wire color"));
  auto* swatch = new Swatch;
  swatch->setObjectName("Shape1");
  swatch->setFixedSize(22, 18);
  swatch->set_color(interaction_->wire_color);
  swatch->clicked = [this, swatch] {
    interaction_->ChooseWireColor();
    swatch->set_color(interaction_->wire_color);
  };
  swatch_ = swatch;
  row->addWidget(swatch);
  bevel();
  button("Object Diagram/Circuit Diagram", [this] { renderer_->toggle_circuit_view(); });
  button("Display the Direction of the Current", [this] { renderer_->toggle_current_direction(); });
  button("Zoom", [this] {
    view_->setCursor(ZoomCursor());
    interaction_->set_pending_kind(KIND_MAGNIFIER);
  });
  bevel();
  button("Calculator", [this] { start_calculator(); });
  bevel();
  button("Home Page", [] { QDesktopServices::openUrl(QUrl(HOME_PAGE)); });
  button("Mail to Us", [] { QDesktopServices::openUrl(QUrl(MAIL)); });
  button("User guide", [this] { open_user_guide(); });
  row->addStretch();
}

void TForm1::enable_document_controls() {
  for (QWidget* w : document_widgets_) {
    if (auto* menu = qobject_cast<QMenu*>(w)) {
      menu->menuAction()->setEnabled(true);
    } else {
      w->setEnabled(true);
    }
  }
  for (QAction* a : document_actions_) a->setEnabled(true);
}

void TForm1::OpenAtStart(const QString& path) {
  documents_->OpenAtStart(path);
}

void TForm1::UpdateEditMenus() {
  const EditMenuState s = interaction_->MenuState();
  for (const QString& menu : {QString("Edit/"), QString("Bench/")}) {
    action(menu + "Copy")->setEnabled(s.copy);
    action(menu + "Cut")->setEnabled(s.cut);
    action(menu + "Paste")->setEnabled(s.paste);
    action(menu + "Delete")->setEnabled(s.del);
    action(menu + "Repair components")->setEnabled(s.repair);
    action(menu + "Propertiy")->setEnabled(s.properties);
  }
}

void TForm1::Timer1Timer() {
  TickContext c;
  c.wire_in_progress = interaction_->wire_in_progress;
  c.button_down = interaction_->button_down;
  c.slider_drag = interaction_->slider_drag;
  c.magnet_drag = interaction_->magnet_drag;
  c.warning_visible = [this] { return warning_->isVisible(); };
  c.show_warning = [this] {
    warning_->Label1->setText(SHORT_CIRCUIT_TEXT);
    modal_.show_warning(*warning_);
  };
  TimerTick(*bench_, c);
}

void TForm1::choose_kind(int32_t kind) {
  interaction_->set_pending_kind(kind);
}

void TForm1::SavePicture() {
  const QString path = modal_.picture_path();
  if (path.isEmpty()) return;
  SaveBenchPicture(renderer_->image(), path);
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
  QDesktopServices::openUrl(QUrl::fromLocalFile(program_dir_ + "/ehelp/index.htm"));
}

void TForm1::start_calculator() {
  for (const char* name : {"gnome-calculator", "kcalc", "galculator", "mate-calc", "xcalc"}) {
    const QString program = QStandardPaths::findExecutable(name);
    if (!program.isEmpty()) {
      QProcess::startDetached(program, {});
      return;
    }
  }
}

void TForm1::closeEvent(QCloseEvent* event) {
  if (documents_->MayQuit()) {
    timer_.stop();
    box_->hide();
    magnifier_->hide();
    event->accept();
  } else {
    event->ignore();
  }
}

// What the mouse handling asks of the window.
void TForm1::choose_bulb(int slot) {
  modal_.choose_bulb(slot);
}
DialogOutcome TForm1::edit_note(int index) {
  return modal_.edit_note(index);
}
DialogOutcome TForm1::set_up_black_box(int index) {
  return modal_.set_up_black_box(index);
}
bool TForm1::password_matches(int index) {
  return modal_.password_matches(index);
}
DialogOutcome TForm1::edit_properties(int32_t kind, int index) {
  return modal_.edit_properties(kind, index);
}
bool TForm1::pick_color(int32_t& color) {
  return modal_.pick_color(color);
}

void TForm1::show_context_menu(Point at) {
  UpdateEditMenus();
  modal_.popup(*context_menu_, view_->mapToGlobal(QPoint(at.x, at.y)));
}

void TForm1::show_black_box_menu(Point at) {
  modal_.popup(*black_box_menu_, view_->mapToGlobal(QPoint(at.x, at.y)));
}

void TForm1::show_magnifier(Point centre) {
  magnifier_->copy_from(renderer_->image(), QPoint(centre.x, centre.y));
  magnifier_->show();
}

void TForm1::refresh_magnifier() {
  const Point c = interaction_->zoom_centre;
  magnifier_->copy_from(renderer_->image(), QPoint(c.x, c.y));
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
void TForm1::status_message(const std::string& text) {
  statusBar()->showMessage(QString::fromStdString(text), 5000);
}
void TForm1::picture_changed() {
  view_->update();
}

}  // namespace voltaro
