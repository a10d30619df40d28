#include "app/undo_history.h"

#include <vector>

namespace voltaro {

class UndoHistory::StepCommand : public QUndoCommand {
 public:
  StepCommand(UndoHistory& history, std::shared_ptr<const StepData> data, const QString& name)
      : QUndoCommand(name), history_(history), data_(std::move(data)) {}

  void undo() override {
    if (!history_.quiet_) history_.put_back(data_->before);
  }
  void redo() override {
    if (!history_.quiet_) history_.put_back(data_->after);
  }
  const std::shared_ptr<const StepData>& data() const { return data_; }

 private:
  UndoHistory& history_;
  std::shared_ptr<const StepData> data_;
};

UndoHistory::UndoHistory(Bench& bench, BenchInteraction& mouse) : bench_(bench), mouse_(mouse) {
  stack_.setUndoLimit(UNDO_STEP_LIMIT);
  mouse_.set_step_observer(this);
}

UndoHistory::~UndoHistory() {
  mouse_.set_step_observer(nullptr);
  quiet_ = true;
  stack_.clear();
}

void UndoHistory::StartAfresh() {
  quiet_ = true;
  stack_.clear();
  quiet_ = false;
  before_ = Snapshot();
  latest_ = Snapshot();
}

void UndoHistory::action_begins() {
  Snapshot now = store_.capture(bench_);
  before_ = now == latest_ ? latest_ : std::move(now);
}

void UndoHistory::action_ends(std::optional<Step> step) {
  if (before_.empty()) return;  // an Undo or Redo inside the action took over
  Snapshot before = std::move(before_);
  before_ = Snapshot();
  // An action that changed nothing, or only what follows from the last step
  // (geometry brought up to date), is no step.
  if (!step) return;
  Snapshot after = store_.capture(bench_);
  if (after == before) return;
  latest_ = after;
  auto data = std::make_shared<const StepData>(StepData{std::move(before), std::move(after)});
  quiet_ = true;
  stack_.push(new StepCommand(*this, std::move(data), QString::fromUtf8(StepName(*step))));
  quiet_ = false;
  keep_within_byte_limit();
  if (bench_changed) bench_changed();
}

void UndoHistory::put_back(const Snapshot& snapshot) {
  before_ = Snapshot();
  // Nothing stays selected or held: the records it named may be gone.
  mouse_.LetGo();
  RestoreSnapshot(bench_, snapshot);
  latest_ = snapshot;
  if (bench_changed) bench_changed();
}

void UndoHistory::keep_within_byte_limit() {
  if (store_.bytes() <= byte_limit_ || stack_.count() <= 1) return;
  // Qt's stack drops its oldest commands by count only: the steps kept are
  // pushed again onto an empty stack. A push has just dropped everything
  // above the current step, so every step is on the undo side.
  std::vector<std::shared_ptr<const StepData>> steps;
  std::vector<QString> names;
  for (int i = 0; i < stack_.count(); ++i) {
    const auto* command = static_cast<const StepCommand*>(stack_.command(i));
    steps.push_back(command->data());
    names.push_back(command->text());
  }
  quiet_ = true;
  stack_.clear();
  size_t first = 0;
  while (store_.bytes() > byte_limit_ && first + 1 < steps.size()) steps[first++].reset();
  for (size_t i = first; i < steps.size(); ++i) {
    stack_.push(new StepCommand(*this, std::move(steps[i]), names[i]));
  }
  quiet_ = false;
}

}  // namespace voltaro
