// Copy and Paste of bench objects through clipboard text.

#include "document/clipboard.h"

#include <gtest/gtest.h>

#include <functional>

#include "document/experiment_file.h"
#include "document/gbk.h"
#include "document/lines.h"
#include "model/analysis.h"
#include "model/kinds.h"
#include "model/tables.h"
#include "support/recording_observer.h"
#include "support/test_bench.h"

namespace voltaro {
namespace {

using testing::TestBench;

class FakeClipboard : public ClipboardPort {
 public:
  std::string text() override { return content; }
  void set_text(std::string gbk) override {
    content = std::move(gbk);
    ++sets;
  }
  std::string content;
  int sets = 0;
};

class FakeHolder : public PictureHolder {
 public:
  void keep(int slot) override { kept.push_back(slot); }
  void give(int slot) override { given.push_back(slot); }
  std::vector<int> kept, given;
};

std::string Join(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

// One object of every family that can be copied, each in slot 0 of its table.
struct SourceBench : TestBench {
  SourceBench() {
    const int r = place(KIND_FIXED_RESISTOR, 120, 80);
    el(r).name = GbkToUtf8("R\xFF");  // a damaged byte must travel too
    el(r).resistance = 4.7e-5;
    place(KIND_SLIDE_RHEOSTAT, 300, 80);
    bench.rheostats[0].slider = 0.75;
    place(KIND_POINTER_VOLTMETER, 400, 80);
    place(KIND_POINTER_AMMETER, 500, 80);
    place(KIND_SPDT_SWITCH, 600, 80);
    bench.spdts[0].position = 1;
    place(KIND_RELAY, 700, 80);
    bench.relays[0].pickup_current = 0.25;
    NoteRecord& n = bench.notes[0];
    n = NoteRecord{
        1, 40, 500, 90, 28, 134, 255, -13, 0, 10, FONT_ITALIC, "宋体", {"第一行", "U = I R"}};
    // Analysed once, as every bench on screen is, so that a later analysis
    // changes no copied value; from then on the analyses are counted.
    doing(bench);
    observer.state_rules = false;
    observer.analyses = 0;
  }
  testing::RecordingObserver observer{bench, true};
  const int& redraws = observer.analyses;
};

struct FamilyCase {
  int32_t kind;
  const char* word;
  const char* code;
  size_t lines;
  int32_t ids;  // ids a paste hands out
  int links;    // hidden links a paste adds
};

// The ids of the object in `slot` of the family's table, in the order a
// paste hands them out.
std::vector<int32_t> IdsOf(const Bench& b, int32_t kind, int slot) {
  switch (kind) {
    case KIND_SLIDE_RHEOSTAT: {
      const RheostatRecord& r = b.rheostats[slot];
      return {r.node_bar_a,   r.node_bar_a_in, r.branch_id[0], r.node_bar_b_in,
              r.node_bar_b,   r.branch_id[1],  r.node_coil_a,  r.node_coil_a_in,
              r.branch_id[2], r.node_slider,   r.node_coil_b,  r.branch_id[3]};
    }
    case KIND_POINTER_VOLTMETER:
    case KIND_POINTER_AMMETER: {
      const DualMeterRecord& m =
          kind == KIND_POINTER_VOLTMETER ? b.voltmeters[slot] : b.ammeters[slot];
      return {m.node_common, m.node_common_in, m.branch_id_1,
              m.node_mid,    m.node_high,      m.branch_id_2};
    }
    case KIND_SPDT_SWITCH: {
      const SpdtRecord& s = b.spdts[slot];
      return {s.node_t1, s.node_common, s.branch_id_1, s.node_common_in, s.node_t2, s.branch_id_2};
    }
    case KIND_RELAY: {
      const RelayRecord& r = b.relays[slot];
      return {r.node_coil_a,    r.node_coil_b,    r.coil_branch_id,
              r.node_contact_a, r.node_contact_b, r.contact_branch_id};
    }
    case KIND_NOTE:
      return {};
    default: {
      const ElementRecord& e = b.elements[slot];
      return {e.node_a, e.node_b, e.branch_id};
    }
  }
}

constexpr FamilyCase FAMILIES[] = {
    {KIND_FIXED_RESISTOR, "fact_two_obj", "1", 64, 3, 0},
    {KIND_SLIDE_RHEOSTAT, "hdbzq", "12", 15, 15, 3},
    {KIND_POINTER_VOLTMETER, "3_15vbiao", "41", 10, 7, 1},
    {KIND_POINTER_AMMETER, "06_3abiao", "51", 10, 7, 1},
    {KIND_SPDT_SWITCH, "ddszkg", "71", 9, 7, 1},
    {KIND_RELAY, "dcjdq", "81", 11, 6, 0},
    {KIND_NOTE, "zhu_shi_s", "1000", 21, 0, 0},
};

TEST(Copy, EachFamilyWritesItsTagWordCodeAndFields) {
  SourceBench s;
  for (const FamilyCase& f : FAMILIES) {
    SCOPED_TRACE(f.word);
    const std::optional<std::string> text = CopyText(s.bench, f.kind, 0);
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(text->substr(text->size() - 2), "\r\n");
    const std::vector<std::string> lines = SplitLines(*text);
    EXPECT_EQ(lines.size(), f.lines);
    EXPECT_EQ(lines[0],
              "Brenvoltastica\xB5\xE7\xC2\xB7"
              "2.00.651278");
    EXPECT_EQ(lines[1], f.word);
    EXPECT_EQ(lines[2], f.code);
  }
  const std::vector<std::string> resistor = SplitLines(*CopyText(s.bench, KIND_FIXED_RESISTOR, 0));
  EXPECT_EQ(resistor[3], "R\xFF");
  EXPECT_EQ(resistor[7], "120");  // x
  EXPECT_EQ(resistor[9], "4.7E-5");
  const std::vector<std::string> note = SplitLines(*CopyText(s.bench, KIND_NOTE, 0));
  EXPECT_EQ(note[19], Utf8ToGbk("第一行"));
}

TEST(Paste, GivesFreshIdsAndHiddenLinksAndPutsTheObjectAtThePointer) {
  for (const FamilyCase& f : FAMILIES) {
    SCOPED_TRACE(f.word);
    SourceBench s;
    const std::string text = *CopyText(s.bench, f.kind, 0);
    const int32_t ids_before = s.bench.next_id;
    const int wires_before = CountWires(s.bench);

    const PasteResult r = PasteText(s.bench, text, {555, 444}, nullptr);
    ASSERT_EQ(r.outcome, PasteOutcome::Pasted);
    EXPECT_EQ(r.index, 1);
    EXPECT_EQ(CountWires(s.bench) - wires_before, f.links);
    EXPECT_EQ(s.redraws, 1);
    // The object's own ids first, then its links', one after the other.
    std::vector<int32_t> given = IdsOf(s.bench, f.kind, 1);
    for (int w = wires_before; w < CountWires(s.bench); ++w) {
      EXPECT_EQ(s.bench.wires[w].state, WIRE_HIDDEN_LINK);
      given.push_back(s.bench.wires[w].wire_id);
    }
    std::vector<int32_t> fresh(f.ids);
    for (int i = 0; i < f.ids; ++i) fresh[i] = ids_before + 1 + i;
    EXPECT_EQ(given, fresh);
    // The analysis after the paste may take more ids to tie islands down.
    EXPECT_GE(s.bench.next_id - ids_before, f.ids);
    // The new object is the copied one, moved to the pointer.
    const std::string unchanged = *CopyText(s.bench, f.kind, 0);
    EXPECT_EQ(unchanged, text);
    std::vector<std::string> moved = SplitLines(*CopyText(s.bench, f.kind, 1));
    std::vector<std::string> original = SplitLines(text);
    ASSERT_EQ(moved.size(), original.size());
    int differ = 0;
    for (size_t i = 0; i < moved.size(); ++i) differ += moved[i] != original[i];
    EXPECT_EQ(differ, 2);  // x and y
    EXPECT_NE(std::find(moved.begin(), moved.end(), "555"), moved.end());
  }
}

TEST(Paste, ATextMarkingTheObjectFreeStillPutsItOnTheBench) {
  // The line that says whether the record is in use (the pose of a
  // two-terminal component): a pasted object never lands invisible, with
  // hidden links that nothing on the bench owns.
  struct Case {
    int32_t kind;
    size_t line;
  };
  const Case cases[] = {
      {KIND_FIXED_RESISTOR, 4}, {KIND_SLIDE_RHEOSTAT, 6}, {KIND_POINTER_VOLTMETER, 8},
      {KIND_SPDT_SWITCH, 6},    {KIND_RELAY, 6},          {KIND_NOTE, 3}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.kind);
    SourceBench s;
    std::vector<std::string> lines = SplitLines(*CopyText(s.bench, c.kind, 0));
    lines[c.line] = "0";
    std::string text;
    for (const std::string& l : lines) text += l + "\r\n";
    ASSERT_EQ(PasteText(s.bench, text, {300, 300}, nullptr).outcome, PasteOutcome::Pasted);
    EXPECT_TRUE(CopyText(s.bench, c.kind, 1).has_value());
  }
}

TEST(Paste, HiddenLinksJoinTheRightNodes) {
  SourceBench s;
  const int w = CountWires(s.bench);
  PasteText(s.bench, *CopyText(s.bench, KIND_SLIDE_RHEOSTAT, 0), {0, 0}, nullptr);
  const RheostatRecord& r = s.bench.rheostats[1];
  EXPECT_EQ(r.branch_id[3] - r.node_bar_a, 11);
  const int32_t joined[][2] = {{r.node_bar_a_in, r.node_slider},
                               {r.node_bar_b_in, r.node_slider},
                               {r.node_coil_a_in, r.node_slider}};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(s.bench.wires[w + i].node_a, joined[i][0]);
    EXPECT_EQ(s.bench.wires[w + i].node_b, joined[i][1]);
  }
  PasteText(s.bench, *CopyText(s.bench, KIND_POINTER_AMMETER, 0), {0, 0}, nullptr);
  const DualMeterRecord& m = s.bench.ammeters[1];
  EXPECT_EQ(s.bench.wires[w + 3].node_a, m.node_common_in);
  EXPECT_EQ(s.bench.wires[w + 3].node_b, m.node_mid);
  PasteText(s.bench, *CopyText(s.bench, KIND_SPDT_SWITCH, 0), {0, 0}, nullptr);
  const SpdtRecord& sw = s.bench.spdts[1];
  EXPECT_EQ(s.bench.wires[w + 4].node_a, sw.node_common);
  EXPECT_EQ(s.bench.wires[w + 4].node_b, sw.node_common_in);
}

TEST(Paste, TwiceAtOnePlaceMakesTwoObjectsWithTheirOwnIds) {
  SourceBench s;
  FakeClipboard clipboard;
  FakeHolder holder;
  ASSERT_TRUE(CopyToClipboard(s.bench, KIND_FIXED_RESISTOR, 0, clipboard, &holder));
  EXPECT_EQ(holder.kept, std::vector<int>{0});
  EXPECT_EQ(PasteFromClipboard(s.bench, clipboard, {50, 60}, &holder).index, 1);
  EXPECT_EQ(PasteFromClipboard(s.bench, clipboard, {50, 60}, &holder).index, 2);
  EXPECT_EQ(holder.given, (std::vector<int>{1, 2}));
  const ElementRecord& a = s.el(1);
  const ElementRecord& b = s.el(2);
  EXPECT_EQ(a.x, b.x);
  EXPECT_EQ(a.y, b.y);
  EXPECT_EQ(a.kind, KIND_FIXED_RESISTOR);
  EXPECT_EQ(a.name, s.el(0).name);
  EXPECT_GT(b.node_a, a.branch_id);
  EXPECT_EQ(s.el(0).x, 120);
}

TEST(Copy, NothingCopyableLeavesTheClipboardAlone) {
  SourceBench s;
  FakeClipboard clipboard;
  clipboard.content = "from another program";
  FakeHolder holder;
  const struct {
    int32_t kind;
    int index;
  } cases[] = {{KIND_NONE, 0},   {KIND_BLACK_BOX, 0},       {KIND_FIXED_RESISTOR, 1},
               {KIND_RELAY, -1}, {KIND_RELAY, RELAY_SLOTS}, {KIND_MAGNIFIER, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.kind);
    EXPECT_FALSE(CopyToClipboard(s.bench, c.kind, c.index, clipboard, &holder));
  }
  EXPECT_EQ(clipboard.content, "from another program");
  EXPECT_EQ(clipboard.sets, 0);
  EXPECT_TRUE(CopyToClipboard(s.bench, KIND_RELAY, 0, clipboard, &holder));
  EXPECT_TRUE(holder.kept.empty());  // only two-terminal pictures are held
}

// A paste that is refused changes nothing at all: no record, no id, no
// analysis.
void ExpectUnchanged(SourceBench& s, const std::function<PasteOutcome()>& paste,
                     PasteOutcome want) {
  const std::string before = ExperimentText(s.bench);
  const int32_t ids = s.bench.next_id;
  EXPECT_EQ(paste(), want);
  EXPECT_EQ(ExperimentText(s.bench), before);
  EXPECT_EQ(s.bench.next_id, ids);
  EXPECT_EQ(s.redraws, 0);
}

TEST(Paste, StopsAtEachFamilysLimit) {
  struct Case {
    const char* what;
    int32_t kind;
    std::function<void(SourceBench&)> fill;
    bool refused;
  } const cases[] = {
      {"198 two-terminal components", KIND_FIXED_RESISTOR,
       [](SourceBench& s) {
         while (CountElements(s.bench) < 198) s.place(KIND_BULB);
       },
       true},
      {"197 two-terminal components", KIND_FIXED_RESISTOR,
       [](SourceBench& s) {
         while (CountElements(s.bench) < 197) s.place(KIND_BULB);
       },
       false},
      {"48 rheostats", KIND_SLIDE_RHEOSTAT,
       [](SourceBench& s) {
         while (CountRheostats(s.bench) < 48) s.place(KIND_SLIDE_RHEOSTAT);
       },
       true},
      {"47 rheostats", KIND_SLIDE_RHEOSTAT,
       [](SourceBench& s) {
         while (CountRheostats(s.bench) < 47) s.place(KIND_SLIDE_RHEOSTAT);
       },
       false},
      {"98 notes", KIND_NOTE,
       [](SourceBench& s) {
         for (int i = 1; i < 98; ++i) s.bench.notes[i] = s.bench.notes[0];
       },
       true},
      {"49 relays", KIND_RELAY,
       [](SourceBench& s) {
         while (CountRelays(s.bench) < 49) s.place(KIND_RELAY);
       },
       true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SourceBench s;
    const std::string text = *CopyText(s.bench, c.kind, 0);
    c.fill(s);
    if (c.refused) {
      ExpectUnchanged(
          s,
          [&] {
            return PasteText(s.bench, text, {1, 1}, nullptr).outcome;
          },
          PasteOutcome::TableFull);
    } else {
      EXPECT_EQ(PasteText(s.bench, text, {1, 1}, nullptr).outcome, PasteOutcome::Pasted);
    }
  }
}

TEST(Paste, NeedsWireRoomForHiddenLinks) {
  for (const int32_t kind : {KIND_SLIDE_RHEOSTAT, KIND_POINTER_VOLTMETER, KIND_SPDT_SWITCH}) {
    SCOPED_TRACE(kind);
    for (const int wires : {495, 496}) {
      SourceBench s;
      const std::string text = *CopyText(s.bench, kind, 0);
      for (int w = CountWires(s.bench); w < wires; ++w) s.bench.wires[w].state = WIRE_DRAWN;
      if (wires == 496) {
        ExpectUnchanged(
            s,
            [&] {
              return PasteText(s.bench, text, {1, 1}, nullptr).outcome;
            },
            PasteOutcome::NoWireRoom);
      } else {
        EXPECT_EQ(PasteText(s.bench, text, {1, 1}, nullptr).outcome, PasteOutcome::Pasted);
      }
    }
  }
}

TEST(Paste, MalformedTextIsRejectedWithoutTouchingTheBench) {
  SourceBench probe;
  std::vector<std::pair<std::string, std::string>> cases = {
      {"kind is not a number", Join({"tag", "fact_two_obj", "x"})},
      {"kind line missing", Join({"tag", "fact_two_obj"})},
      {"empty clipboard", ""},
  };
  for (const FamilyCase& f : FAMILIES) {
    std::vector<std::string> lines = SplitLines(*CopyText(probe.bench, f.kind, 0));
    lines.pop_back();
    cases.emplace_back(std::string(f.word) + " cut before its last field", Join(lines));
  }
  std::vector<std::string> bad_real = SplitLines(*CopyText(probe.bench, KIND_RELAY, 0));
  bad_real.back() = "0.1A";
  cases.emplace_back("relay pick-up current with a unit", Join(bad_real));

  for (const auto& [what, text] : cases) {
    SCOPED_TRACE(what);
    SourceBench s;
    FakeHolder holder;
    ExpectUnchanged(
        s,
        [&] {
          return PasteText(s.bench, text, {1, 1}, &holder).outcome;
        },
        PasteOutcome::Malformed);
    EXPECT_TRUE(holder.given.empty());
  }
}

TEST(Paste, UnknownKindAddsNothingButAnalysesAgain) {
  for (const char* code : {"3", "2000", "-2"}) {
    SCOPED_TRACE(code);
    SourceBench s;
    const std::string before = ExperimentText(s.bench);
    EXPECT_EQ(
        PasteText(s.bench, Join({"tag", "fact_two_obj", code, "name"}), {1, 1}, nullptr).outcome,
        PasteOutcome::UnknownKind);
    EXPECT_EQ(ExperimentText(s.bench), before);
    EXPECT_EQ(s.redraws, 1);
  }
}

TEST(Paste, TheTagLineOnlyDecidesWhetherPasteIsOffered) {
  SourceBench s;
  std::vector<std::string> lines = SplitLines(*CopyText(s.bench, KIND_RELAY, 0));
  const std::string tag = lines[0];
  lines[0] = "some other program";
  lines[1] = "anything";
  EXPECT_EQ(PasteText(s.bench, Join(lines), {1, 1}, nullptr).outcome, PasteOutcome::Pasted);

  const struct {
    std::string text;
    bool offered;
  } cases[] = {
      {tag + "\r\nfact_two_obj\r\n1\r\n", true},
      {tag, true},
      {tag + "\nx", true},
      {tag + " \r\n", false},
      {"Brenvoltastica电路2.00.651278\r\n", false},  // UTF-8, not GBK
      {"", false},
      {"fact_two_obj\r\n" + tag, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(IsBenchClipboardText(c.text), c.offered);
  }
}

}  // namespace
}  // namespace voltaro
