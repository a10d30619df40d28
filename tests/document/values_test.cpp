// Numbers as experiment files and clipboard text hold them.

#include "document/values.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <locale>

namespace voltaro {
namespace {

constexpr double INF = std::numeric_limits<double>::infinity();

struct RealCase {
  double value;
  const char* text;
};

// The resistances, emfs and currents a bench really holds, and where the
// notation switches between fixed and scientific.
constexpr RealCase REALS[] = {
    {0, "0"},
    {50, "50"},
    {0.5, "0.5"},
    {-0.5, "-0.5"},
    {1.5, "1.5"},
    {0.0001, "0.0001"},
    {0.00001, "1E-5"},
    {4e-8, "4E-8"},
    {1e-80, "1E-80"},
    {1e14, "100000000000000"},
    {1e15, "1E15"},
    {1.5e20, "1.5E20"},
    {999999, "999999"},
    {0.1 + 0.2, "0.3"},
    {1.0 / 3.0, "0.333333333333333"},
    {INF, "INF"},
    {-INF, "-INF"},
};

TEST(RealValues, AreWrittenInGeneralFormatAndReadBack) {
  for (const RealCase& c : REALS) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(FormatReal(c.value), c.text);
    const std::optional<double> back = ParseReal(c.text);
    ASSERT_TRUE(back.has_value());
    // Fifteen digits do not hold every double; what comes back must write
    // the same line again.
    EXPECT_EQ(FormatReal(*back), c.text);
  }
  EXPECT_EQ(FormatReal(std::nan("")), "NAN");
  EXPECT_TRUE(std::isnan(ParseReal("NAN").value()));
}

TEST(RealValues, ReaderAcceptsOtherSpellingsOfTheSameNumber) {
  const RealCase cases[] = {
      {0.5, "0,5"},     {-1.25, "-1,25"}, {1e-5, "1e-5"},
      {1e-5, "1E-05"},  {2e20, "2E+20"},  {3, "+3"},
      {0.5, ".5"},      {7, " 7 "},       {INF, "1E400"},
      {-INF, "-1E400"}, {0, "1E-400"},    {4.94065645841247e-324, "4.94065645841247E-324"},
  };
  for (const RealCase& c : cases) {
    SCOPED_TRACE(c.text);
    const std::optional<double> got = ParseReal(c.text);
    ASSERT_TRUE(got.has_value());
    EXPECT_EQ(*got, c.value);
  }
}

TEST(RealValues, ReaderRefusesWhatIsNoNumber) {
  for (const char* text : {"", " ", "abc", "1.5.5", "1,5,5", "1.5,5", "1E", "--1", "+-1", "-+1",
                           "0x10", "1 5", "5V", "1e5e5", "-"}) {
    SCOPED_TRACE(text);
    EXPECT_FALSE(ParseReal(text).has_value());
  }
}

TEST(IntegerValues, AreReadOnlyWhenTheyAreWhole32BitNumbers) {
  struct Case {
    const char* text;
    std::optional<int32_t> value;
  } const cases[] = {
      {"0", 0},
      {"-37", -37},
      {"9843250", 9843250},
      {"2147483647", 2147483647},
      {"-2147483648", std::numeric_limits<int32_t>::min()},
      {"+5", 5},
      {" 12 ", 12},
      {"2147483648", std::nullopt},
      {"-2147483649", std::nullopt},
      {"1.5", std::nullopt},
      {"1E3", std::nullopt},
      {"", std::nullopt},
      {"-", std::nullopt},
      {"+-5", std::nullopt},
      {"12abc", std::nullopt},
      {"fact_two_obj", std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ParseInteger(c.text), c.value);
  }
  EXPECT_EQ(FormatInteger(-2147483647 - 1), "-2147483648");
  EXPECT_EQ(FormatInteger(45), "45");
}

TEST(FlagValues, OnlyOneSetsTheFlag) {
  EXPECT_EQ(FormatFlag(true), "1");
  EXPECT_EQ(FormatFlag(false), "0");
  EXPECT_TRUE(ParseFlag("1"));
  for (const char* text : {"0", "2", "", " 1", "1 ", "-1", "true"}) {
    SCOPED_TRACE(text);
    EXPECT_FALSE(ParseFlag(text));
  }
}

// A pupil's computer set to a comma as the decimal mark must still write
// and read files with a full stop.
TEST(RealValues, IgnoreTheProgramLocale) {
  struct CommaPoint : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
  };
  const std::locale before =
      std::locale::global(std::locale(std::locale::classic(), new CommaPoint));
  const std::string written = FormatReal(1234.5);
  const std::optional<double> read = ParseReal("0.25");
  std::locale::global(before);
  EXPECT_EQ(written, "1234.5");
  EXPECT_EQ(read, 0.25);
}

}  // namespace
}  // namespace voltaro
