#include "app/document_commands.h"

#include "document/experiment_file.h"
#include "model/tables.h"

namespace voltaro {

bool DocumentCommands::offer_save(const QString& question) {
  if (!document_open) return true;
  switch (prompts_.confirm(question)) {
    case Answer::Cancel:
      return false;
    case Answer::Yes:
      Save();
      return true;  // goes on whatever the save did
    case Answer::No:
      return true;
  }
  return true;
}

bool DocumentCommands::New() {
  if (!offer_save("Save changes to?")) return false;
  InitBenchTables(bench_);
  current_file_name.clear();
  view_.bench_replaced(false);
  view_.show_bench();
  document_open = true;
  return true;
}

bool DocumentCommands::read(const QString& path) {
  const OpenOutcome outcome = ReadExperimentFile(bench_, path.toStdString());
  if (outcome != OpenOutcome::Opened) {
    // The bench is empty again: nothing half read can be saved over the file.
    view_.bench_replaced(false);
    prompts_.error("open failed!");
    return false;
  }
  view_.bench_replaced(true);
  document_open = true;
  return true;
}

bool DocumentCommands::Open() {
  if (!offer_save("Save the current?")) return false;
  const QString path = prompts_.open_path();
  if (path.isEmpty()) return false;
  return open(path);
}

bool DocumentCommands::OpenFile(const QString& path) {
  if (!offer_save("Save the current?")) return false;
  return open(path);
}

bool DocumentCommands::open(const QString& path) {
  view_.show_bench();
  current_file_name.clear();
  if (!read(path)) return false;
  current_file_name = path;
  view_.file_used(path);
  return true;
}

bool DocumentCommands::OpenAtStart(const QString& path) {
  view_.show_bench();
  current_file_name = path;
  if (read(path)) {
    view_.file_used(path);
    return true;
  }
  // A file that failed to open must not be saved over with an empty bench.
  current_file_name.clear();
  return false;
}

bool DocumentCommands::OpenRecovered(const QString& path) {
  view_.show_bench();
  current_file_name.clear();
  return read(path);
}

bool DocumentCommands::Save() {
  if (current_file_name.isEmpty()) return SaveAs();
  if (!WriteExperimentFile(bench_, current_file_name.toStdString())) {
    prompts_.error("save failed!");
    return false;
  }
  view_.file_used(current_file_name);
  return true;
}

bool DocumentCommands::SaveAs() {
  const QString path = prompts_.save_path();
  if (path.isEmpty()) return false;
  current_file_name = path;
  return Save();
}

bool DocumentCommands::MayQuit() {
  // Closing never loses a pupil's work without asking.
  if (!document_open) return true;
  switch (prompts_.confirm("Save changes to?")) {
    case Answer::Cancel:
      return false;
    case Answer::No:
      return true;
    case Answer::Yes:
      return Save();
  }
  return true;
}

}  // namespace voltaro
