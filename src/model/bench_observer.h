#pragma once
// What the bench tells whoever shows it. The window's drawing is the one
// observer in the program; tests count the calls.

namespace voltaro {

struct Bench;

class BenchObserver {
 public:
  // The analysis has just run: show the bench anew. The drawing is where the
  // state rules (diodes, fuses, bulbs, relays, machines) run, in drawing
  // order; a bench that nobody shows runs them on its own.
  virtual void analysed(Bench& bench) = 0;
  // Closing a gap in the two-terminal table moved the record of slot `from`
  // to slot `to`; whatever belongs to a slot moves with it.
  virtual void element_moved(int from, int to) = 0;
  // A whole experiment has just replaced the bench (a file read): everything
  // kept per record is to be made afresh. The analysis follows.
  virtual void replaced(Bench& bench) = 0;

 protected:
  ~BenchObserver() = default;
};

}  // namespace voltaro
