// What the dialogs of the induction apparatus, the black boxes and the notes
// accept and write.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "dialogs/validation.h"

namespace voltaro {
namespace {

constexpr double PI = 3.141592653589793;

RodInput Rod(const char* r, const char* b, const char* v, const char* l) {
  return RodInput{r, b, v, l};
}

// ---- Induction apparatus ------------------------------------------------------------------

TEST(InductionDialogs, CoilAndMagnetSignsChooseTheSecondOne) {
  struct Case {
    CoilControls controls;
    double param2, param3;
  } cases[] = {
      {{true, 0, false, 5}, -1, 6},
      {{false, 11, true, 11}, 12, -12},
      {{false, 5, false, 0}, 6, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.param2);
    const auto r = CheckCoilAndMagnet({"2", c.controls});
    ASSERT_TRUE(r.ok());
    ElementRecord e;
    Store(r.values, e);
    EXPECT_EQ(e.param2, c.param2);
    EXPECT_EQ(e.param3, c.param3);
    EXPECT_EQ(e.resistance, 2);
    const CoilControls back = CoilControlsOf(e);
    EXPECT_EQ(back.second_coil, c.controls.second_coil);
    EXPECT_EQ(back.turns, c.controls.turns);
    EXPECT_EQ(back.second_magnet, c.controls.second_magnet);
    EXPECT_EQ(back.strength, c.controls.strength);
  }
}

TEST(InductionDialogs, RodTakesANegativeSpeedAndTheFieldDirection) {
  RodInput in = Rod("0.1", "0.5", "-2", "0.4");
  in.inward = false;
  in.show_force = true;
  const auto r = CheckCuttingRod(in);
  ASSERT_TRUE(r.ok());
  ElementRecord e;
  Store(r.values, e);
  EXPECT_EQ(e.param3, -2);  // the rod runs the other way
  EXPECT_EQ(e.param2, -0.5);
  EXPECT_EQ(e.param4, 0.4);
  EXPECT_EQ(e.resistance, 0.1);
  EXPECT_EQ(e.show_params, 2);

  const RodInput back = RodInputOf(e);
  EXPECT_EQ(back.induction, "0.5");
  EXPECT_FALSE(back.inward);
  EXPECT_FALSE(back.show_speed);
  EXPECT_TRUE(back.show_force);
}

TEST(InductionDialogs, RodKeepsTheBoxesThatPassedBeforeAFailure) {
  ElementRecord e;
  e.resistance = 9;
  e.param2 = 9;
  e.param3 = 9;
  e.param4 = 9;
  Store(CheckCuttingRod(Rod("0.2", "0.1", "3", "-1")).values, e);
  EXPECT_EQ(e.resistance, 0.2);
  EXPECT_EQ(e.param3, 3);
  EXPECT_EQ(e.param4, 9);
  EXPECT_EQ(e.param2, 9);  // the induction is written only at the end
}

TEST(InductionDialogs, GeneratorTrackBars) {
  GeneratorControls c;
  c.induction = 7;
  c.speed = 11;
  c.angle = 18;
  c.show_direction = true;
  const GeneratorValues v = GeneratorValuesOf(c);
  EXPECT_EQ(v.speed, 0);  // standing still
  EXPECT_EQ(v.induction, 7);
  EXPECT_EQ(v.angle, PI);
  EXPECT_EQ(v.show_params, 1);
  c.speed = 0;
  EXPECT_EQ(GeneratorValuesOf(c).speed, -11);
  c.speed = 21;
  EXPECT_EQ(GeneratorValuesOf(c).speed, 10);
}

TEST(InductionDialogs, GeneratorAngleReopensOnItsOwnStep) {
  // 110 degrees is 11 x 2 pi / 36; times 36 / 2 pi that is a hair under 11,
  // so a truncating dialog would turn the coil back by 10 degrees.
  for (int step = 0; step <= 36; ++step) {
    SCOPED_TRACE(step);
    ElementRecord e;
    Store(GeneratorValuesOf({5, 11, step, false}), e);
    EXPECT_EQ(GeneratorControlsOf(e).angle, step);
  }
  ElementRecord e;
  e.param1 = PI;
  EXPECT_EQ(GeneratorControlsOf(e).angle, 18);
  // A coil running backwards has a negative angle; it shows where it stands.
  e.param1 = -PI / 2;
  EXPECT_EQ(GeneratorControlsOf(e).angle, 27);
  e.param3 = -11;
  e.param2 = 12;
  EXPECT_EQ(GeneratorControlsOf(e).speed, 0);
  EXPECT_EQ(GeneratorControlsOf(e).induction, 10);
}

// ---- Black boxes and notes ----------------------------------------------------------------

TEST(BlackBoxDialogs, PasswordMustMatchExactly) {
  BlackBoxRecord b;
  StoreBlackBox(255, "Ohm", b);
  EXPECT_EQ(b.color, 255);
  EXPECT_TRUE(PasswordMatches(b, "Ohm"));
  for (const char* wrong : {"ohm", "Ohm ", "", "Ohms"}) {
    SCOPED_TRACE(wrong);
    EXPECT_FALSE(PasswordMatches(b, wrong));
  }
}

TEST(NoteDialog, TextIsSplitIntoLines) {
  struct Case {
    const char* text;
    std::vector<std::string> lines;
  } cases[] = {
      {"", {}},
      {"one", {"one"}},
      {"one\ntwo", {"one", "two"}},
      {"one\r\ntwo\r\n", {"one", "two"}},
      {"\n\n\n", {"", "", ""}},
      {"\nsecond", {"", "second"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(SplitNoteText(c.text), c.lines);
  }
}

TEST(NoteDialog, EmptyNotesAreRefused) {
  for (const char* text : {"", "\n\n\n", "\r\n"}) {
    SCOPED_TRACE(text);
    const auto error = CheckNoteText(SplitNoteText(text));
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->message, MSG_EMPTY_NOTE);
  }
  EXPECT_FALSE(CheckNoteText(SplitNoteText("\nsecond")).has_value());
}

TEST(NoteDialog, FrameHeightIsLinesAtTheLinePitch) {
  EXPECT_EQ(NoteHeight(3, -13), 42);  // 42.9, fraction dropped
  EXPECT_EQ(NoteHeight(1, 20), 22);
  EXPECT_EQ(NoteHeight(0, -13), 0);

  NoteRecord n;
  NoteFont font;
  font.height = -13;
  font.name = "Sans";
  font.style = FONT_BOLD | FONT_ITALIC;
  StoreNote(font, {"", "b", "c"}, 57, n);
  EXPECT_EQ(n.in_use, 1);
  EXPECT_EQ(n.height, 42);
  EXPECT_EQ(n.width, 57);
  EXPECT_EQ(n.lines, (std::vector<std::string>{"", "b", "c"}));
  EXPECT_EQ(n.font_style, FONT_BOLD | FONT_ITALIC);
  EXPECT_EQ(NoteFontOf(n).name, "Sans");
}

}  // namespace
}  // namespace voltaro
