// The analysis runs ten times a second while a generator turns; once a bench
// has been analysed, running it again must not touch the heap at all.

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "model/analysis.h"
#include "model/analysis_scratch.h"
#include "support/max_benches.h"

namespace {
std::atomic<long> allocations{0};

void* Allocate(std::size_t size) {
  ++allocations;
  return std::malloc(size ? size : 1);
}
void* AllocateAligned(std::size_t size, std::align_val_t align) {
  ++allocations;
  const std::size_t a = static_cast<std::size_t>(align);
  return std::aligned_alloc(a, (size + a - 1) / a * a);
}
}  // namespace

void* operator new(std::size_t size) {
  if (void* p = Allocate(size)) return p;
  throw std::bad_alloc();
}
void* operator new[](std::size_t size) {
  return operator new(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  return Allocate(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  return Allocate(size);
}
void* operator new(std::size_t size, std::align_val_t align) {
  if (void* p = AllocateAligned(size, align)) return p;
  throw std::bad_alloc();
}
void* operator new[](std::size_t size, std::align_val_t align) {
  return operator new(size, align);
}
void operator delete(void* p) noexcept {
  std::free(p);
}
void operator delete[](void* p) noexcept {
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
  std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
  std::free(p);
}
void operator delete(void* p, std::align_val_t) noexcept {
  std::free(p);
}
void operator delete[](void* p, std::align_val_t) noexcept {
  std::free(p);
}
void operator delete(void* p, std::size_t, std::align_val_t) noexcept {
  std::free(p);
}
void operator delete[](void* p, std::size_t, std::align_val_t) noexcept {
  std::free(p);
}

namespace voltaro {
namespace {

using testing::MaxBench;

TEST(AnalysisAllocation, RunsAfterTheFirstAllocateNothing) {
  for (MaxBench which :
       {MaxBench::SchoolMix, MaxBench::ManyComponents, MaxBench::ManyWires, MaxBench::LoopRich}) {
    SCOPED_TRACE(std::string(testing::MaxBenchName(which)));
    Bench bench;
    testing::BuildMaxBench(bench, which);
    doing(bench);
    int resistor = 0;
    while (bench.elements[resistor].kind != KIND_FIXED_RESISTOR) ++resistor;
    // A changed resistor makes a full elimination; an unchanged bench only
    // carries its right-hand side through the last one.
    for (bool changed : {true, false, true, false}) {
      if (changed) bench.elements[resistor].resistance *= 1.5;
      const long before = allocations.load();
      doing(bench);
      EXPECT_EQ(allocations.load() - before, 0) << (changed ? "changed" : "unchanged");
      EXPECT_EQ(bench.scratch->system.replayed(), !changed);
    }
    EXPECT_NE(bench.status, STATUS_NOT_SOLVED);
  }
}

// The counter itself must see what it is meant to see.
TEST(AnalysisAllocation, CounterSeesAnAllocation) {
  const long before = allocations.load();
  auto* p = new Bench;
  delete p;
  EXPECT_GT(allocations.load() - before, 0);
}

}  // namespace
}  // namespace voltaro
