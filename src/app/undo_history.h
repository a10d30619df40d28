#pragma once
// Undo and Redo of the pupil's steps, on Qt's undo stack. Every step keeps
// the bench as it stood when the action began (with whatever the analysis
// did since the step before: a fuse that blew since) and as the action left
// it, so undoing the switch that blew a fuse brings back the intact fuse
// with the switch open.

#include <QString>
#include <QUndoStack>
#include <functional>
#include <memory>

#include "document/bench_snapshot.h"
#include "interaction/bench_interaction.h"

namespace voltaro {

// The most steps kept, and the most memory they may hold together; the
// oldest steps go first.
constexpr int UNDO_STEP_LIMIT = 1000;
constexpr size_t UNDO_BYTE_LIMIT = size_t{64} << 20;

class UndoHistory : public StepObserver {
 public:
  // Listens to the mouse handling's actions from now on.
  UndoHistory(Bench& bench, BenchInteraction& mouse);
  ~UndoHistory();
  UndoHistory(const UndoHistory&) = delete;
  UndoHistory& operator=(const UndoHistory&) = delete;

  QUndoStack& stack() { return stack_; }
  // New and Open: a fresh history, nothing to undo or redo.
  void StartAfresh();

  // The memory the steps hold, in bytes, and the limit the oldest steps
  // are dropped at (tests lower it).
  size_t bytes() const { return store_.bytes(); }
  void set_byte_limit(size_t limit) { byte_limit_ = limit; }

  // Called whenever a step changed the bench or was undone or redone.
  std::function<void()> bench_changed;

  // StepObserver.
  void action_begins() override;
  void action_ends(std::optional<Step> step) override;

 private:
  class StepCommand;
  struct StepData {
    Snapshot before, after;
  };
  // Undo and Redo: the bench as it stood, nothing held or selected.
  void put_back(const Snapshot& snapshot);
  void keep_within_byte_limit();

  Bench& bench_;
  BenchInteraction& mouse_;
  SnapshotStore store_;
  QUndoStack stack_;
  size_t byte_limit_ = UNDO_BYTE_LIMIT;
  // The bench as the running action found it; empty between actions and
  // once an Undo or Redo inside the action has put another bench back.
  Snapshot before_;
  // The latest bench a step or Undo or Redo left: the next action usually
  // finds the bench so, and then shares its snapshot.
  Snapshot latest_;
  // Pushing and rebuilding call the commands' redo() and undo(); the bench
  // is already as they would make it.
  bool quiet_ = false;
};

}  // namespace voltaro
