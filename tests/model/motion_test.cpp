// The rod on its rails and the turning machines, stepped with a fake clock.

#include "model/motion.h"

#include <gtest/gtest.h>

#include "model/kinds.h"

namespace voltaro {
namespace {

TEST(Rod, StepFollowsTheSpeed) {
  struct Case {
    double speed, step;
  };
  const Case cases[] = {{1.5, 1},      {-1.5, -1}, {100, 20}, {-100, -20},
                        {0.01, 0.005}, {0.04, 1},  {6, 3},    {0, 0}};
  for (const Case& c : cases) EXPECT_EQ(RodStep(c.speed), c.step) << c.speed;
}

TEST(Rod, MovesOncePerHundredMillisecondsAndWrapsAround) {
  ElementRecord rod;
  rod.kind = KIND_CUTTING_ROD;
  rod.param1 = 235;
  rod.param3 = 4;  // 2 pixels a step
  int64_t stamp = 0;
  StepRod(rod, stamp, 99);  // not yet: 99 ms is not more than 99
  EXPECT_EQ(rod.param1, 235);
  StepRod(rod, stamp, 100);
  EXPECT_EQ(rod.param1, 5);  // 237 is past the end of the rails
  EXPECT_EQ(stamp, 100);
  StepRod(rod, stamp, 150);
  EXPECT_EQ(rod.param1, 5);
  rod.param3 = -4;
  StepRod(rod, stamp, 250);
  EXPECT_EQ(rod.param1, 236);
}

TEST(Machines, AngleAdvancesAndReturnsToZeroAfterAFullTurn) {
  ElementRecord gen;
  gen.kind = KIND_AC_GENERATOR;
  gen.param3 = 5;
  int64_t stamp = 0;
  for (int step = 1; step <= 31; ++step) StepMachine(gen, stamp, 100 * step);
  EXPECT_NEAR(gen.param1, 31 * 0.2, 1e-12);
  StepMachine(gen, stamp, 3200);
  EXPECT_EQ(gen.param1, 0);

  ElementRecord slow;
  slow.kind = KIND_DC_GENERATOR;
  slow.param1 = 6.27;
  slow.param3 = 1;
  stamp = 0;
  StepMachine(slow, stamp, 500);
  EXPECT_EQ(slow.param1, 0);
}

TEST(Machines, MotorTurnsWithItsCurrentUpToTheLimit) {
  struct Case {
    double current, speed, step;
  };
  const Case cases[] = {{25, 10, 0.5}, {-25, -10, -0.5}, {2, 2, 0.1}, {0, 0, 0}};
  for (const Case& c : cases) {
    ElementRecord motor;
    motor.kind = KIND_DC_MOTOR;
    motor.current = c.current;
    int64_t stamp = 0;
    StepMachine(motor, stamp, 1000);
    EXPECT_EQ(motor.param3, c.speed);
    EXPECT_DOUBLE_EQ(motor.param1, c.step);
  }
}

TEST(Machines, NegativeSpeedDoesNotWrap) {
  ElementRecord gen;
  gen.kind = KIND_AC_GENERATOR;
  gen.param3 = -5;
  int64_t stamp = 0;
  StepMachine(gen, stamp, 100);
  EXPECT_DOUBLE_EQ(gen.param1, -0.2);
}

}  // namespace
}  // namespace voltaro
