// Random presses, moves, releases, double-clicks and edit commands from a
// bench with every kind on it: the tables must stay sound after every step.

#include "support/monkey.h"

#include "fakes.h"

namespace voltaro {
namespace {

using testing::MouseBench;

void Monkey(int steps, unsigned seed) {
  MouseBench t;
  testing::MonkeyHands hands{t.bench, t.renderer, t.mouse};
  std::mt19937 rng(seed);
  testing::PutEveryKind(hands);
  t.clipboard.content.clear();
  for (int step = 0; step < steps; ++step) {
    testing::MonkeyAction(hands, rng);
    testing::ExpectSound(t.bench, step);
    if (::testing::Test::HasFatalFailure()) return;
  }
}

TEST(Monkey, TablesStaySoundUnderRandomMouseWork) {
  Monkey(3000, 20261209);
}

// The full run, for a sanitizer build: ctest -R MonkeyLong.
TEST(MonkeyLong, DISABLED_HundredThousandSteps) {
  Monkey(100000, 7);
}

}  // namespace
}  // namespace voltaro
