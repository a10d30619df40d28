// GB18030 text on disk (GBK bytes for every character GBK holds), UTF-8 in
// memory, and damaged bytes kept as they were.

#include "document/gbk.h"

#include <gtest/gtest.h>

#include "document/clipboard.h"
#include "document/experiment_file.h"
#include "document/lines.h"
#include "model/kinds.h"
#include "support/temp_folder.h"
#include "support/test_bench.h"

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

// Characters GBK cannot hold take GB18030's four bytes; the euro sign keeps
// GBK's single byte 0x80, which every file written so far carries and
// every GBK program reads.
TEST(GbkText, EveryOtherCharacterSurvivesInGb18030) {
  constexpr TextCase cases[] = {
      {"µ", "\x81\x30\x85\x38"},
      {"²", "\x81\x30\x85\x35"},
      {"½", "\x81\x30\x86\x35"},
      {"€", "\x80"},
      {"ß", "\x81\x30\x89\x38"},
      {"5 µA, 10², ½",
       "5 \x81\x30\x85\x38"
       "A, 10\x81\x30\x85\x35, \x81\x30\x86\x35"},
      {"R\xF0\x9F\x98\x80"
       "1",
       "R\x94\x39\xFC\x36"
       "1"},                                     // an emoji, beyond the first 65536 characters
      {"\xF3\xA0\x80\x81", "\xD3\x36\x95\x39"},  // a language tag, dropped by GBK
      {"\xE4\xB4\x98", "\xFE\x9D"},              // a character GB18030 added to GBK's pairs
      {"电µ路", "\xB5\xE7\x81\x30\x85\x38\xC2\xB7"},
  };
  for (const TextCase& c : cases) {
    SCOPED_TRACE(c.utf8);
    EXPECT_EQ(Utf8ToGbk(c.utf8), c.gbk);
    EXPECT_EQ(GbkToUtf8(c.gbk), c.utf8);
  }
  // GB18030's own spelling of the euro sign reads as one too, and is
  // written back the way GBK programs read it.
  EXPECT_EQ(GbkToUtf8("5\xA2\xE3"), "5€");
  EXPECT_EQ(Utf8ToGbk(GbkToUtf8("5\xA2\xE3")), "5\x80");
}

// Bytes that are no character: a name cut in the middle of a character, a
// lead byte before a blank, the user-defined area, a lone 0xFF, four-byte
// sequences cut short or broken, and the four bytes GB18030 gives the
// characters that stand for raw bytes in memory.
TEST(GbkText, UndecodableBytesSurviveAndShowAsReplacement) {
  struct Case {
    std::string gbk;
    std::string shown;
  } const cases[] = {
      {"\xFF", "\xEF\xBF\xBD"},
      {"R\xB5", "R\xEF\xBF\xBD"},
      {"\x81 1", "\xEF\xBF\xBD 1"},
      // FE FE is the user-defined area; in GB18030 the second FE and the
      // "c" after it are a character of their own.
      {"ab\xFE\xFE"
       "cd",
       "ab\xEF\xBF\xBD\xE3\xA7\x9F"
       "d"},
      {"ab\xFE\xFE cd", "ab\xEF\xBF\xBD\xEF\xBF\xBD cd"},
      {"\xB5\xE7\xFF\xC2\xB7", "电\xEF\xBF\xBD路"},
      {std::string("\xB5\x00", 2), std::string("\xEF\xBF\xBD\x00", 4)},
      {"\x81\x30\x85",
       "\xEF\xBF\xBD"
       "0\xEF\xBF\xBD"},
      {"\x81\x30\xFF\x30",
       "\xEF\xBF\xBD"
       "0\xEF\xBF\xBD"
       "0"},
      {"\xE3\x32\x8D\x38",
       "\xEF\xBF\xBD"
       "2\xEF\xBF\xBD"
       "8"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.shown);
    const std::string utf8 = GbkToUtf8(c.gbk);
    EXPECT_EQ(Utf8ToGbk(utf8), c.gbk);
    EXPECT_EQ(DisplayText(utf8), c.shown);
  }
}

TEST(GbkText, BrokenUtf8BecomesAQuestionMark) {
  EXPECT_EQ(Utf8ToGbk("a\xC3"
                      "b"),
            "a?b");
  EXPECT_EQ(DisplayText("a\xC3"
                        "b"),
            "a\xEF\xBF\xBD"
            "b");
}

// The desktop's clipboard holds Unicode: the bench's bytes are turned into
// it on Copy and back on Paste, as the window's clipboard does.
class UnicodeClipboard : public ClipboardPort {
 public:
  std::string text() override { return Utf8ToGbk(unicode); }
  void set_text(std::string gbk) override { unicode = GbkToUtf8(gbk); }
  std::string unicode;
};

// What a teacher types into a note or a name comes back from Save and Open
// and from Copy and Paste, and the Chinese words around it keep their GBK
// bytes.
TEST(GbkText, TypedCharactersSurviveFilesAndTheClipboard) {
  const std::vector<std::string> typed = {"5 µA, 10², ½", "µ ² ½ € ß", "电阻 R₁ = 5 Ω"};
  testing::TestBench t;
  const int r = t.place(KIND_FIXED_RESISTOR);
  t.el(r).name = "R₁ 5 µΩ";
  NoteRecord& n = t.bench.notes[0];
  n.in_use = 1;
  n.font_name = "宋体";
  n.lines = typed;

  const std::string text = ExperimentText(t.bench);
  EXPECT_NE(text.find("\r\n5 \x81\x30\x85\x38"
                      "A, 10\x81\x30\x85\x35, \x81\x30\x86\x35\r\n"),
            std::string::npos);
  EXPECT_NE(text.find("\r\n\xCB\xCE\xCC\xE5\r\n"), std::string::npos);  // 宋体 as GBK has it

  testing::TempFolder folder;
  ASSERT_TRUE(WriteExperimentFile(t.bench, folder.path / "typed.ele"));
  testing::TestBench back;
  ASSERT_EQ(ReadExperimentFile(back.bench, folder.path / "typed.ele"), OpenOutcome::Opened);
  EXPECT_EQ(back.bench.notes[0].lines, typed);
  EXPECT_EQ(back.el(0).name, "R₁ 5 µΩ");

  UnicodeClipboard clipboard;
  for (int32_t kind : {KIND_NOTE, KIND_FIXED_RESISTOR}) {
    ASSERT_TRUE(CopyToClipboard(back.bench, kind, 0, clipboard, nullptr));
    ASSERT_EQ(PasteFromClipboard(back.bench, clipboard, {300, 300}, nullptr).outcome,
              PasteOutcome::Pasted);
  }
  EXPECT_NE(clipboard.unicode.find("R₁ 5 µΩ"), std::string::npos);
  EXPECT_EQ(back.bench.notes[1].lines, typed);
  EXPECT_EQ(back.el(1).name, "R₁ 5 µΩ");
}

// A file written by a GBK program carries the euro sign as the byte 0x80:
// it reads as the euro sign, as it always did, and is saved the same way.
TEST(GbkText, AGbkFileWithTheEuroByteReadsAsEuro) {
  testing::TestBench t;
  NoteRecord& n = t.bench.notes[0];
  n.in_use = 1;
  n.lines = {"5€"};
  const std::string text = ExperimentText(t.bench);
  ASSERT_NE(text.find("\r\n5\x80\r\n"), std::string::npos);
  testing::TestBench back;
  ASSERT_EQ(DecodeExperiment(back.bench, text), OpenOutcome::Opened);
  EXPECT_EQ(back.bench.notes[0].lines, std::vector<std::string>{"5€"});
  EXPECT_EQ(ExperimentText(back.bench), text);
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
