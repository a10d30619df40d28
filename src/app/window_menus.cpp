// The bench window's menus and tool bar: every item in its order, with its
// caption, shortcut and hint, wired to the commands it runs.

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>
#include <QUndoStack>
#include <QUrl>

#include "app/icons.h"
#include "app/main_window.h"
#include "model/kinds.h"

namespace voltaro {
namespace {

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

}  // namespace

const char* const HOME_PAGE = "https://www.zentrik-voltaro.example/";
const char* const MAIL = "mailto:bench@zentrik-voltaro.example?subject=Zentrik%20Voltaro";

void TForm1::build_menus() {
  const auto add = [this](QMenu* menu, const QString& text, auto&& slot,
                          const QKeySequence& keys = {}) {
    QAction* a = menu->addAction(text);
    if (!keys.isEmpty()) a->setShortcut(keys);
    // A command given while a wire is being drawn drops the wire first.
    connect(a, &QAction::triggered, this, [this] { interaction_->AbandonWire(); });
    connect(a, &QAction::triggered, this, slot);
    return a;
  };
  QMenu* file = menuBar()->addMenu("&File");
  add(file, "&New", [this] { documents_->New(); });
  add(file, "&Open", [this] { documents_->Open(); });
  actions_.save = add(file, "&Save", [this] { documents_->Save(); });
  actions_.save_as = add(file, "Save &as", [this] { documents_->SaveAs(); });
  file->addSeparator();
  add(file, "Save as &Picture", [this] { SavePicture(); });
  add(file, "Print Set&up", [this] { modal_.page_setup(printer_); });
  add(file, "&Print", [this] {
    if (modal_.print_dialog(printer_)) PrintBench(printer_);
  });
  add(file, "Export Drawing\u2026", [this] { ExportBenchDrawing(); });
  file->addSeparator();
  recent_menu_ = file->addMenu("Recent &experiments");
  connect(recent_menu_, &QMenu::aboutToShow, this, [this] { fill_recent_menu(); });
  fill_recent_menu();
  add(file, "&Quit", [this] { close(); });

  // The Edit menu and the bench's context menu offer the same commands.
  const auto edit_items = [this, &add](QMenu* menu, EditActions& items, bool with_keys) {
    add_undo_items(menu, items, with_keys);
    add(menu, "Display the Direction of the Current",
        [this] { renderer_->toggle_current_direction(); });
    add(menu, "Object Diagram/Circuit Diagram", [this] { renderer_->toggle_circuit_view(); });
    menu->addSeparator();
    items.copy = add(
        menu, "&Copy", [this] { interaction_->Copy(); },
        with_keys ? QKeySequence("Ctrl+C") : QKeySequence());
    items.cut = add(
        menu, "C&ut", [this] { interaction_->Cut(); },
        with_keys ? QKeySequence("Ctrl+X") : QKeySequence());
    items.paste = add(
        menu, "&Paste", [this] { interaction_->Paste(); },
        with_keys ? QKeySequence("Ctrl+V") : QKeySequence());
    if (with_keys) menu->addSeparator();
    items.del = add(
        menu, "&Delete", [this] { interaction_->Delete(); },
        with_keys ? QKeySequence(Qt::Key_Delete) : QKeySequence());
    menu->addSeparator();
    items.repair = add(
        menu, "Repair components", [this] { interaction_->Repair(); },
        with_keys ? QKeySequence("Ctrl+R") : QKeySequence());
    items.properties = add(
        menu, "Propertiy", [this] { interaction_->Properties(); },
        with_keys ? QKeySequence("Ctrl+A") : QKeySequence());
  };
  edit_menu_ = menuBar()->addMenu("&Edit");
  edit_items(edit_menu_, actions_.edit, true);
  connect(edit_menu_, &QMenu::aboutToShow, this, [this] { UpdateEditMenus(); });
  context_menu_ = new QMenu("Bench", this);
  edit_items(context_menu_, actions_.context, false);
  black_box_menu_ = new QMenu("Black box", this);
  add(black_box_menu_, "Open Black Box", [this] { interaction_->OpenBlackBox(); });

  QMenu* components = menuBar()->addMenu("&Components");
  for (const GroupInfo& g : KindGroups()) {
    if (g.menu_title.empty()) continue;
    QMenu* m = components->addMenu(QString::fromUtf8(g.menu_title.data(), g.menu_title.size()));
    for (const KindInfo* k : KindsInGroup(g.group)) {
      if (!k->in_menu) continue;
      const int32_t kind = k->kind;
      add(m, QString::fromUtf8(k->caption.data(), k->caption.size()),
          [this, kind] { interaction_->set_pending_kind(kind); });
    }
  }
  QMenu* view = menuBar()->addMenu("&View");
  QAction* bar =
      add(view, "&Tool Bar", [this](bool on) { tool_bar_->setFixedHeight(on ? 33 : 0); });
  bar->setCheckable(true);
  bar->setChecked(true);
  actions_.components_box = add(view, "&Components box", [this](bool on) { box_->setVisible(on); });
  actions_.components_box->setCheckable(true);
  const auto show_tool = [](QWidget* w) {
    w->show();
    w->raise();
    w->activateWindow();
  };
  actions_.chart = add(view, "C&hart", [this, show_tool] { show_tool(chart_); });
  actions_.measurements =
      add(view, "&Measurements", [this, show_tool] { show_tool(measurements_); });
  // The bench larger or smaller, for a projector or a small screen.
  view->addSeparator();
  add(view, "Zoom In", [this] {
    zoom_->zoom_in();
  })->setShortcuts({QKeySequence("Ctrl++"), QKeySequence("Ctrl+=")});
  add(view, "Zoom Out", [this] { zoom_->zoom_out(); })->setShortcut(QKeySequence("Ctrl+-"));
  add(view, "Actual Size", [this] { zoom_->actual_size(); })->setShortcut(QKeySequence("Ctrl+0"));
  add(view, "Fit to Window", [this] { zoom_->fit_to_window(); });
  QAction* full_screen = add(
      view, "Full Screen", [this](bool on) { on ? showFullScreen() : showNormal(); },
      QKeySequence(Qt::Key_F11));
  full_screen->setCheckable(true);
  QMenu* internet = menuBar()->addMenu("&Internet");
  add(internet, "Home &Page", [this] { open_address(QUrl(HOME_PAGE)); });
  add(internet, "&Mail to Us", [this] { open_address(QUrl(MAIL)); });
  QMenu* help = menuBar()->addMenu("&Help");
  add(help, "&About the software", [this] { modal_.show_about(); });
  add(help, "&User guide", [this] { open_user_guide(); });

  for (QMenu* m : {edit_menu_, components, view}) document_widgets_.push_back(m);
  for (QMenu* m : {edit_menu_, components, view}) m->menuAction()->setEnabled(false);
  for (QAction* a : {actions_.save, actions_.save_as}) a->setEnabled(false);
}

void TForm1::add_undo_items(QMenu* menu, EditActions& items, bool with_keys) {
  // Each names the step it takes back or does again: "Undo Delete".
  QUndoStack& stack = history_->stack();
  items.undo = stack.createUndoAction(menu, "U&ndo");
  items.redo = stack.createRedoAction(menu, "&Redo");
  if (with_keys) {
    items.undo->setShortcut(QKeySequence("Ctrl+Z"));
    items.redo->setShortcuts({QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")});
  }
  menu->addAction(items.undo);
  menu->addAction(items.redo);
  menu->addSeparator();
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
    connect(b, &QToolButton::clicked, this, [this] { interaction_->AbandonWire(); });
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
  button("Show components box", [this] { actions_.components_box->trigger(); });
  button("Document Note", [this] { interaction_->set_pending_kind(KIND_NOTE); });
  button("Black Box", [this] { interaction_->set_pending_kind(KIND_BLACK_BOX); });
  bevel();
  row->addWidget(new QLabel("wire color"));
  auto* swatch = new Swatch;
  swatch->setObjectName("Shape1");
  swatch->setFixedSize(22, 18);
  swatch->set_color(interaction_->view().wire_color);
  swatch->clicked = [this, swatch] {
    interaction_->ChooseWireColor();
    swatch->set_color(interaction_->view().wire_color);
  };
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
  button("Home Page", [this] { open_address(QUrl(HOME_PAGE)); });
  button("Mail to Us", [this] { open_address(QUrl(MAIL)); });
  button("User guide", [this] { open_user_guide(); });
  bevel();
  // The hints name the step, as the menu items do.
  const QUndoStack& stack = history_->stack();
  for (auto [hint, a] : {std::pair{"Undo", stack.createUndoAction(this, "Undo")},
                         std::pair{"Redo", stack.createRedoAction(this, "Redo")}}) {
    auto* b = new QToolButton;
    b->setObjectName(hint);
    a->setIcon(ToolIcon(hint));
    b->setDefaultAction(a);
    b->setFixedSize(25, 25);
    b->setIconSize(QSize(20, 20));
    b->setAutoRaise(true);
    row->addWidget(b);
  }
  row->addStretch();
}

}  // namespace voltaro
