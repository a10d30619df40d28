#pragma once
// The life of the one experiment the window holds: New, Open, Save, Save as
// and Quit, with their questions, behind a port so that tests answer them.

#include <QString>
#include <functional>

#include "model/bench.h"

namespace voltaro {

enum class Answer { Yes, No, Cancel };

// The modal questions and file dialogs of the document commands.
class DocumentPrompts {
 public:
  virtual ~DocumentPrompts() = default;
  // A Yes/No/Cancel question titled "Confirm".
  virtual Answer confirm(const QString& question) = 0;
  // The open and save dialogs; an empty path means cancelled.
  virtual QString open_path() = 0;
  virtual QString save_path() = 0;
  // "open failed!", "save failed!"
  virtual void error(const QString& message) = 0;
};

class DocumentCommands {
 public:
  DocumentCommands(Bench& bench, DocumentPrompts& prompts) : bench_(bench), prompts_(prompts) {}

  // Each returns false when the user cancelled or the command failed.
  bool New();
  bool Open();
  bool Save();
  bool SaveAs();
  // Whether the window may close: asks to save an open document first.
  bool MayQuit();
  // Opens the experiment named on the command line, without questions.
  bool OpenAtStart(const QString& path);

  QString current_file_name;
  bool document_open = false;

  // The window shows the bench and enables its document controls.
  std::function<void()> show_bench;
  // The bench was emptied or read: pictures to rebuild, redraw.
  std::function<void()> bench_replaced;

 private:
  bool read(const QString& path);
  // Asks whether to save; false when the user cancelled.
  bool offer_save(const QString& question);

  Bench& bench_;
  DocumentPrompts& prompts_;
};

}  // namespace voltaro
