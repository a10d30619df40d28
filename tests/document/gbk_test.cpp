// GBK text on disk, UTF-8 in memory, and damaged bytes kept as they were.

#include "document/gbk.h"

#include <gtest/gtest.h>

#include "document/lines.h"

namespace voltaro {
namespace {

struct TextCase {
  const char* utf8;
  const char* gbk;
};

// Header words, section tags and component names the files carry; their GBK
// bytes are fixed by files already in pupils' hands.
constexpr TextCase KNOWN[] = {
    {"电路部分", "\xB5\xE7\xC2\xB7\xB2\xBF\xB7\xD6"},
    {"电磁继电器", "\xB5\xE7\xB4\xC5\xBC\xCC\xB5\xE7\xC6\xF7"},
    {"多行注释", "\xB6\xE0\xD0\xD0\xD7\xA2\xCA\xCD"},
    {"黑盒子", "\xBA\xDA\xBA\xD0\xD7\xD3"},
    {"数字电压表", "\xCA\xFD\xD7\xD6\xB5\xE7\xD1\xB9\xB1\xED"},
    {"Brenvoltastica电路2.00.651278",
     "Brenvoltastica\xB5\xE7\xC2\xB7"
     "2.00.651278"},
    {"fact_two_obj", "fact_two_obj"},
    {"", ""},
};

TEST(GbkText, KnownWordsHaveTheirFileBytes) {
  for (const TextCase& c : KNOWN) {
    SCOPED_TRACE(c.utf8);
    EXPECT_EQ(Utf8ToGbk(c.utf8), c.gbk);
    EXPECT_EQ(GbkToUtf8(c.gbk), c.utf8);
  }
}

// Bytes that are no GBK character: a name cut in the middle of a character,
// a lead byte before a blank, the user-defined area, a lone 0xFF.
TEST(GbkText, UndecodableBytesSurviveAndShowAsReplacement) {
  struct Case {
    std::string gbk;
    std::string shown;
  } const cases[] = {
      {"\xFF", "\xEF\xBF\xBD"},
      {"R\xB5", "R\xEF\xBF\xBD"},
      {"\x81 1", "\xEF\xBF\xBD 1"},
      {"ab\xFE\xFE"
       "cd",
       "ab\xEF\xBF\xBD\xEF\xBF\xBD"
       "cd"},
      {"\xB5\xE7\xFF\xC2\xB7", "电\xEF\xBF\xBD路"},
      {std::string("\xB5\x00", 2), std::string("\xEF\xBF\xBD\x00", 4)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.shown);
    const std::string utf8 = GbkToUtf8(c.gbk);
    EXPECT_EQ(Utf8ToGbk(utf8), c.gbk);
    EXPECT_EQ(DisplayText(utf8), c.shown);
  }
}

TEST(GbkText, CharactersGbkCannotHoldBecomeQuestionMarks) {
  EXPECT_EQ(Utf8ToGbk("R\xF0\x9F\x98\x80"
                      "1"),
            "R?1");  // an emoji
  EXPECT_EQ(Utf8ToGbk("a\xC3"
                      "b"),
            "a?b");  // a broken UTF-8 sequence
  EXPECT_EQ(DisplayText("a\xC3"
                        "b"),
            "a\xEF\xBF\xBD"
            "b");
}

TEST(Lines, EveryKindOfLineEndEndsALine) {
  struct Case {
    const char* text;
    std::vector<std::string> lines;
  } const cases[] = {
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\rb\nc", {"a", "b", "c"}},
      {"a\n\nb\n", {"a", "", "b"}},
      {"a\r\r\nb", {"a", "", "b"}},
      {"\r\n", {""}},
      {"", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(SplitLines(c.text), c.lines);
  }
}

TEST(Lines, WriterEndsEveryLineWithCrLfAndKeepsRecordsWhole) {
  LineWriter out;
  out.integer(-3);
  out.real(0.00001);
  out.flag(true);
  out.text("电阻");
  out.text("two\r\nlines");
  EXPECT_EQ(out.bytes(), "-3\r\n1E-5\r\n1\r\n\xB5\xE7\xD7\xE8\r\ntwo  lines\r\n");
  EXPECT_EQ(out.line_count(), 5);
}

TEST(Lines, ReaderFailsOnTheFirstBadValueAndStaysFailed) {
  LineReader in(SplitLines("12\r\n0,5\r\nabc\r\n7\r\n"));
  EXPECT_EQ(in.integer(), 12);
  EXPECT_EQ(in.real(), 0.5);
  EXPECT_FALSE(in.failed());
  EXPECT_EQ(in.integer(), 0);
  EXPECT_TRUE(in.failed());
  EXPECT_EQ(in.integer(), 0);  // the good "7" is not handed out any more
  EXPECT_TRUE(in.failed());

  LineReader counts(SplitLines("-1\r\n"));
  counts.count(10);
  EXPECT_TRUE(counts.failed());
  LineReader short_text(SplitLines("x\r\n"));
  short_text.text();
  short_text.text();
  EXPECT_TRUE(short_text.failed());
}

}  // namespace
}  // namespace voltaro
