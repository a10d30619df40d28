#pragma once
// The equation system of one analysis run: a tableau of every terminal
// potential, branch current and wire current, solved by Gauss-Jordan
// elimination with full pivoting.

#include <cstdint>
#include <memory>
#include <vector>

namespace voltaro {

// What the last analysis run found.
enum SolveStatus : int32_t {
  STATUS_SOLVED = 0,     // every equation holds one variable
  STATUS_DEPENDENT = 1,  // an equation was left empty
  STATUS_COUPLED = 2,    // an equation still couples several variables
  // Nothing could be calculated: values that are not numbers in a bench too
  // large to eliminate the plain way (see EquationSystem::DENSE_LIMIT).
  STATUS_NOT_SOLVED = 3,
};

namespace solver {
template <class Matrix>
class Elimination;
}

class EquationSystem {
 public:
  // Where a value that is not finite turns up, skipping zero factors is no
  // longer exact and the rest of the elimination is done the plain way over
  // the whole matrix. That is done up to this size; a larger system with
  // such values is given up (see gave_up()).
  static constexpr int DENSE_LIMIT = 499;

  // Storage grows with the largest system ever built and is kept, so that a
  // bench analysed once is analysed again without touching the heap.
  EquationSystem();
  ~EquationSystem();
  EquationSystem(const EquationSystem&) = delete;
  EquationSystem& operator=(const EquationSystem&) = delete;

  // Starts an empty system of n rows and n columns: every coefficient, right-
  // hand side and solution entry 0..n is cleared.
  void reset(int n);
  int size() const { return n_; }

  // Coefficient of variable `col` in equation `row`, both in 1..size();
  // anything outside the system is not kept and reads as 0.
  void set(int row, int col, double value);
  double get(int row, int col) const;
  void set_rhs(int row, double value) { rhs_[row] = value; }
  double rhs(int row) const { return rhs_[row]; }
  double solution(int col) const { return solution_[col]; }

  // Eliminates with full pivoting: the largest remaining coefficient of the
  // rows not yet used is the next pivot, ties going to the one met last in
  // row-major order; elimination stops at the first all-zero search. Then
  // each row gives the variable of its first non-zero coefficient.
  //
  // The result is bit for bit that of the plain dense elimination (up to the
  // sign of zeros). A network's tableau is mostly empty, so only the work
  // that can change a value is done: rows whose factor is zero and columns
  // where the pivot row is zero are passed over, and each row's largest
  // coefficient is kept up to date instead of searched for again.
  //
  // When the coefficients written since reset() are exactly those of the
  // last system solved, as while a generator turns and only its emf moves,
  // the pivots and factors cannot differ: the recorded elimination is run
  // again on the new right-hand side alone.
  void solve();

  // STATUS_SOLVED when every row holds exactly one coefficient; else, by the
  // first row that does not, STATUS_DEPENDENT when it holds none and
  // STATUS_COUPLED when it holds several.
  SolveStatus classify() const;

  // How the last solve() went. Finished densely: an infinite or undefined
  // value appeared (a bench with a NaN resistance, say), where passing over
  // a zero factor is no longer exact. Replayed: only the right-hand side was
  // new and the recorded elimination was run on it. Gave up: such a value
  // appeared in a system larger than DENSE_LIMIT; the solution is all zero.
  bool finished_densely() const { return dense_; }
  bool replayed() const { return replayed_; }
  bool gave_up() const { return gave_up_; }

 private:
  template <class Matrix>
  friend class solver::Elimination;
  struct Workspace;
  struct Storage;

  void clear_written();

  int n_ = 0;
  // Rows below this bound may hold coefficients that are not +0.
  int extent_ = 0;
  bool dense_ = false;
  bool replayed_ = false;
  bool gave_up_ = false;
  // Up to DENSE_LIMIT the coefficients are kept whole, above it row by row.
  bool rows_kept_ = false;
  std::unique_ptr<Storage> m_;
  std::vector<double> rhs_;
  std::vector<double> solution_;
  std::unique_ptr<Workspace> w_;
};

}  // namespace voltaro
