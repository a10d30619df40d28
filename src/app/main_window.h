#pragma once
// The bench window: the bench picture in its scroll box, the menus and tool
// bar, the components box, the timer, the magnifier and the documents.

#include <QDesktopServices>
#include <QMainWindow>
#include <QPrinter>
#include <QTimer>
#include <memory>

#include "app/autosave.h"
#include "app/bench_zoom.h"
#include "app/chart_window.h"
#include "app/components_box.h"
#include "app/document_commands.h"
#include "app/guide_window.h"
#include "app/measurements_window.h"
#include "app/modal_port.h"
#include "app/platform.h"
#include "app/recent_experiments.h"
#include "app/side_windows.h"
#include "app/undo_history.h"
#include "interaction/bench_interaction.h"
#include "render/bench_renderer.h"

class QAction;
class QMenu;
class QScrollArea;
class QStackedWidget;

namespace voltaro {

// What the status bar says when Save as Picture writes nothing.
inline constexpr const char* PICTURE_NAME_REFUSED =
    "Nothing was written: a picture's name ends in .bmp or .jpg";
inline constexpr const char* PICTURE_NOT_WRITTEN =
    "Nothing was written: the picture could not be saved there";
// What it says when Export Drawing writes nothing.
inline constexpr const char* DRAWING_NAME_REFUSED =
    "Nothing was written: a drawing's name ends in .svg, .pdf, .png, .bmp or .jpg";
inline constexpr const char* DRAWING_NOT_WRITTEN =
    "Nothing was written: the drawing could not be saved there";

// The commands of the Edit menu, which the bench's context menu offers too.
struct EditActions {
  QAction* undo = nullptr;
  QAction* redo = nullptr;
  QAction* copy = nullptr;
  QAction* cut = nullptr;
  QAction* paste = nullptr;
  QAction* del = nullptr;
  QAction* repair = nullptr;
  QAction* properties = nullptr;
};

// The menu items the window enables, checks or triggers after building
// its menus.
struct WindowActions {
  QAction* save = nullptr;
  QAction* save_as = nullptr;
  QAction* components_box = nullptr;  // the View menu's check item
  QAction* chart = nullptr;           // View > Chart
  QAction* measurements = nullptr;    // View > Measurements
  EditActions edit;                   // the Edit menu
  EditActions context;                // the bench's context menu
};

class TForm1 : public QMainWindow, public UiPort, public DocumentView, public PaintListener {
  Q_OBJECT
 public:
  // `modal` answers every modal question; the window does not own it.
  TForm1(const QString& program_dir, const PictureSet& pictures, ModalPort& modal,
         ClipboardPort& clipboard, QWidget* parent = nullptr);
  ~TForm1() override;

  // Opens the experiment named on the command line (at the first show).
  void OpenAtStart(const QString& path);

  // Keeps the recent experiments in the program's settings; without them
  // the list lasts for this run only.
  void keep_recent_in(QSettings* settings) { recent_.keep_in(settings); }
  RecentExperiments& recent() { return recent_; }
  // Opens one of the recent experiments; one that is no longer there
  // leaves the list, and the status bar says so.
  void OpenRecent(const QString& path);
  // Keeps unsaved work in a recovery file in `folder`, written at most
  // `interval_ms` after a change. Without it no work is kept.
  void start_autosave(const QString& folder, int interval_ms = AUTOSAVE_INTERVAL_MS);
  Autosave* autosave() { return autosave_.get(); }
  // At start-up: offers, in one question, the newest work that a run which
  // did not end cleanly left behind. Yes opens it untitled; either way its
  // recovery file goes. True when work was recovered.
  bool OfferRecovery();

  // One tick of the 100 ms timer.
  void Timer1Timer();

  Bench& bench() { return *bench_; }
  BenchRenderer& renderer() { return *renderer_; }
  BenchInteraction& mouse() { return *interaction_; }
  DocumentCommands& documents() { return *documents_; }
  UndoHistory& history() { return *history_; }
  TForm8& components_box() { return *box_; }
  Form_big& magnifier() { return *magnifier_; }
  Form4& warning() { return *warning_; }
  ChartWindow& chart() { return *chart_; }
  MeasurementsWindow& measurements() { return *measurements_; }
  DesktopSound& sound() { return *sound_; }
  const WindowActions& actions() const { return actions_; }
  BenchZoom& zoom() { return *zoom_; }
  BenchView& view() { return *view_; }
  QMenu* edit_menu() const { return edit_menu_; }
  // Runs the enabling rule of the Edit and context menus. It also runs
  // before every key press is matched against the shortcuts, so Del,
  // Ctrl+C and the others do what their menu items would do now.
  void UpdateEditMenus();

  // "&User guide": the desktop's opener shows the guide in a web browser;
  // when there is no opener, or it finds no browser, the guide opens in
  // the program's own window.
  void open_user_guide();
  // What reaches outside the program, replaced by tests: the program that
  // hands the guide to a browser, the desktop's opener of web and mail
  // addresses, the calculators looked for.
  QString guide_opener = "xdg-open";
  std::function<bool(const QUrl&)> open_address = QDesktopServices::openUrl;
  QStringList calculators = {"gnome-calculator", "kcalc", "galculator", "mate-calc", "xcalc"};
  GuideWindow* guide_window() const { return guide_; }

  // File commands without their menus, for the tool bar and tests. A
  // picture that is not written is said so in the status bar.
  void SavePicture();
  bool PrintBench(QPrinter& printer);
  // "Export Drawing…": the bench as a drawing for paper or slides.
  void ExportBenchDrawing();

 protected:
  void closeEvent(QCloseEvent* event) override;
  // The components box moves with the window.
  void moveEvent(QMoveEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 public:
  // UiPort: what the mouse handling asks of the window; it asks its dialogs
  // of the modal port directly.
  void show_context_menu(Point at) override;
  void show_black_box_menu(Point at) override;
  void show_magnifier(Point centre) override;
  void refresh_magnifier() override;
  bool magnifier_visible() override;
  void restore_cursor() override;
  void reset_components_box() override;
  void status_message(const std::string& text) override;
  void picture_changed() override;

  // DocumentView and PaintListener.
  void show_bench() override;
  void bench_replaced(bool shown) override;
  void file_used(const QString& path) override;
  void painted() override;

 private:
  void build_menus();
  // Undo and Redo at the top of a menu; `with_keys` gives them their keys.
  void add_undo_items(QMenu* menu, EditActions& items, bool with_keys);
  void build_tool_bar();
  void enable_document_controls();
  void choose_kind(int32_t kind);
  void show_guide_window();
  // Puts the components box beside the window, on the right where the
  // screen has room, else on the left, else over the bench's left edge.
  void place_components_box();
  void start_calculator();
  void show_analysis_state();
  void fill_recent_menu();

  QString program_dir_;
  const PictureSet& pictures_;
  ModalPort& modal_;
  ClipboardPort& clipboard_;
  std::unique_ptr<Bench> bench_;
  std::unique_ptr<DesktopSound> sound_;
  DesktopClock clock_;
  std::unique_ptr<BenchRenderer> renderer_;
  std::unique_ptr<BenchInteraction> interaction_;
  std::unique_ptr<UndoHistory> history_;
  std::unique_ptr<DocumentCommands> documents_;
  QPrinter printer_;
  QTimer timer_;

  QStackedWidget* stack_ = nullptr;
  QScrollArea* scroll_ = nullptr;
  BenchView* view_ = nullptr;
  BenchZoom* zoom_ = nullptr;
  TForm8* box_ = nullptr;
  Form_big* magnifier_ = nullptr;
  bool showing_unsolved_ = false;
  Form4* warning_ = nullptr;
  GuideWindow* guide_ = nullptr;
  DesktopMeasurementPrompts measurement_prompts_;
  ChartWindow* chart_ = nullptr;
  MeasurementsWindow* measurements_ = nullptr;
  QMenu* edit_menu_ = nullptr;
  QMenu* context_menu_ = nullptr;
  QMenu* black_box_menu_ = nullptr;
  QMenu* recent_menu_ = nullptr;
  RecentExperiments recent_;
  QString recovery_folder_;
  std::unique_ptr<Autosave> autosave_;
  bool box_placed_ = false;
  QWidget* tool_bar_ = nullptr;
  std::vector<QWidget*> document_widgets_;
  WindowActions actions_;
};

}  // namespace voltaro
