#pragma once
// The equation system of one analysis run: a dense tableau of every terminal
// potential, branch current and wire current, solved by Gauss-Jordan
// elimination with full pivoting.

#include <cstdint>
#include <memory>

namespace voltaro {

class EquationSystem {
 public:
  // Rows and columns are numbered from 1; a system of 500 or more variables
  // is never built.
  static constexpr int MAX_VARIABLES = 499;
  static constexpr int STORAGE = 501;

  EquationSystem();
  ~EquationSystem();
  EquationSystem(const EquationSystem&) = delete;
  EquationSystem& operator=(const EquationSystem&) = delete;

  // Starts an empty system of n rows and n columns: every coefficient, right-
  // hand side and solution entry 0..n is cleared.
  void reset(int n);
  int size() const { return n_; }

  // Coefficient of variable `col` in equation `row`.
  void set(int row, int col, double value);
  double get(int row, int col) const { return m_[index(row, col)]; }
  void set_rhs(int row, double value) { rhs_[row] = value; }
  double rhs(int row) const { return rhs_[row]; }
  double solution(int col) const { return solution_[col]; }

  // Eliminates with full pivoting: the largest remaining coefficient of the
  // rows not yet used is the next pivot, ties going to the one met last in
  // row-major order; elimination stops at the first all-zero search. Then
  // each row gives the variable of its first non-zero coefficient.
  void solve();

  // 0 when every row holds exactly one coefficient, 1 when the first row that
  // does not holds none, 2 when it holds several.
  int classify() const;

 private:
  static int index(int row, int col) { return row * STORAGE + col; }

  int n_ = 0;
  std::unique_ptr<double[]> m_;
  std::unique_ptr<double[]> rhs_;
  std::unique_ptr<double[]> solution_;
  std::unique_ptr<int[]> used_rows_;
};

}  // namespace voltaro
