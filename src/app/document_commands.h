#pragma once
// The life of the one experiment the window holds: New, Open, Save, Save as
// and Quit, with their questions, behind a port so that tests answer them.

#include <QString>

#include "model/bench.h"

namespace voltaro {

enum class Answer { Yes, No, Cancel };

// The modal questions and file dialogs of the document commands.
class DocumentPrompts {
 public:
  virtual ~DocumentPrompts() = default;
  // A Yes/No/Cancel question titled "Confirm".
  virtual Answer confirm(const QString& question) = 0;
  // A Yes/No question of the program's own; true for Yes.
  virtual bool ask(const QString& question) = 0;
  // The open and save dialogs; an empty path means cancelled.
  virtual QString open_path() = 0;
  virtual QString save_path() = 0;
  // "open failed!", "save failed!"
  virtual void error(const QString& message) = 0;
};

// The window's side of the document commands.
class DocumentView {
 public:
  // Shows the bench and enables the document controls.
  virtual void show_bench() = 0;
  // The bench was emptied or read. `shown`: reading has made every picture
  // and painted the bench once already; an emptied bench is still to show.
  virtual void bench_replaced(bool shown) = 0;
  // The experiment was opened from this file or saved to it.
  virtual void file_used(const QString& path) = 0;

 protected:
  ~DocumentView() = default;
};

class DocumentCommands {
 public:
  DocumentCommands(Bench& bench, DocumentPrompts& prompts, DocumentView& view)
      : bench_(bench), prompts_(prompts), view_(view) {}

  // Each returns false when the user cancelled or the command failed.
  bool New();
  bool Open();
  bool Save();
  bool SaveAs();
  // Whether the window may close: asks to save an open document first.
  bool MayQuit();
  // Opens the experiment named on the command line, without questions.
  bool OpenAtStart(const QString& path);
  // Open without the dialog: a file of the recent experiments.
  bool OpenFile(const QString& path);
  // Opens recovered work untitled, without questions: it is saved under a
  // name of the pupil's choosing.
  bool OpenRecovered(const QString& path);

  QString current_file_name;
  bool document_open = false;

 private:
  bool read(const QString& path);
  // Open once the questions are answered and the file is chosen.
  bool open(const QString& path);
  // Asks whether to save; false when the user cancelled.
  bool offer_save(const QString& question);

  Bench& bench_;
  DocumentPrompts& prompts_;
  DocumentView& view_;
};

}  // namespace voltaro
