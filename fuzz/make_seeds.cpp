// Writes the seed inputs of both fuzz programs and their dictionary, all
// made by the bench's own writers: a saved experiment for a circuit of every
// kind, the clipboard text of every copyable kind, and the fixture files of
// the tests as they are.
//
//   make_seeds <tests/data folder> <fuzz folder>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "benches.h"
#include "document/clipboard.h"
#include "document/experiment_file.h"
#include "document/gbk.h"
#include "model/analysis.h"
#include "model/kinds.h"
#include "model/placement.h"
#include "model/tables.h"

namespace fs = std::filesystem;
using namespace voltaro;
using namespace voltaro::fuzz;

namespace {

void Write(const fs::path& path, std::string_view bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

bool Placeable(const KindInfo& k) {
  return k.family != Family::Note && k.family != Family::BlackBox;
}

void AddNote(Bench& bench, std::vector<std::string> lines, uint8_t style) {
  NoteRecord& n = bench.notes[CountNotes(bench)];
  n.in_use = 1;
  n.x = 40;
  n.y = 480 + 40 * CountNotes(bench);
  n.width = 160;
  n.height = 14 * static_cast<int32_t>(lines.size());
  n.font_charset = 134;
  n.font_color = 255;
  n.font_height = -13;
  n.font_pitch = -2;
  n.font_size = 10;
  n.font_style = style;
  n.font_name = "宋体";
  n.lines = std::move(lines);
}

void AddBlackBox(Bench& bench, std::string password) {
  BlackBoxRecord& box = bench.black_boxes[CountBlackBoxes(bench)];
  box = {1, 300, 300, 120, 90, 8421504, std::move(password)};
}

// A 6 V battery set driving the component round a loop, one wire with
// bends, analysed until it rests: a fuse may blow, a bulb burn out.
void SeriesCircuit(Bench& bench, int32_t kind) {
  const int cell = Place(bench, KIND_BATTERY_SET, 120, 160);
  const int part = Place(bench, kind, 360, 160);
  const SeriesEnds c = EndsOf(bench, KIND_BATTERY_SET, cell);
  const SeriesEnds p = EndsOf(bench, kind, part);
  ConnectTerminals(bench, c.b, p.a);
  ConnectTerminals(bench, p.b, c.a, {{360, 320}, {120, 320}});
  Settle(bench);
}

// Every kind once, in one chain closed into a loop, with notes and black
// boxes.
void EveryKind(Bench& bench) {
  std::vector<SeriesEnds> chain;
  int32_t x = 80;
  for (const KindInfo& k : AllKinds()) {
    if (!Placeable(k)) continue;
    chain.push_back(EndsOf(bench, k.kind, Place(bench, k.kind, x, 200 + (x % 3) * 100)));
    x += 90;
  }
  for (size_t i = 0; i < chain.size(); ++i) {
    ConnectTerminals(bench, chain[i].b, chain[(i + 1) % chain.size()].a);
  }
  AddNote(bench, {"第一行", "", "R = U / I"}, FONT_BOLD | FONT_UNDERLINE);
  AddNote(bench, {}, FONT_ITALIC | FONT_STRIKE_OUT);
  AddBlackBox(bench, "密码");
  AddBlackBox(bench, "");
  Settle(bench);
}

// Text GBK cannot hold, in GB18030's four-byte form: a note and a name a
// teacher types with units and fractions, an emoji, and the euro sign.
void TypedText(Bench& bench) {
  const int r = Place(bench, KIND_FIXED_RESISTOR, 200, 200);
  bench.elements[r].name = "R₁ 5 µΩ";
  AddNote(bench, {"5 µA, 10², ½", "µ ² ½ € ß", "\xF0\x9F\x98\x80"}, 0);
}

std::string Escaped(std::string_view bytes) {
  std::string out;
  for (unsigned char c : bytes) {
    if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\') {
      out += static_cast<char>(c);
    } else {
      char hex[5];
      std::snprintf(hex, sizeof hex, "\\x%02X", c);
      out += hex;
    }
  }
  return out;
}

std::string Dictionary() {
  std::vector<std::string> words;
  for (std::string_view header :
       {"Brenvoltastica 电路部分 v2.0.0.0", "Brenvoltastica 电路部分 v3.0.0.0",
        "Brenvoltastica 电路部分 v3.0 Omaris Tevlin", "Brenvoltastica 电路部分 v3.2 Omaris Tevlin"}) {
    words.push_back(Utf8ToGbk(header));
  }
  for (std::string_view tag : {"fact_two_obj", "hdbzq", "dianxian", "0_3_15Vbiao", "0_06_3abiao",
                               "ddszkg", "电磁继电器", "多行注释", "黑盒子", "over"}) {
    words.push_back(Utf8ToGbk(tag));
  }
  words.push_back(Utf8ToGbk(CLIPBOARD_TAG));
  for (std::string_view word :
       {"3_15vbiao", "06_3abiao", "dcjdq", "zhu_shi_s", "12", "41", "51", "71", "81", "1000",
        "2000"}) {
    words.emplace_back(word);
  }
  for (std::string_view number :
       {"INF", "-INF", "NAN", "1E-5", "4E-8", "1E15", "1E308", "1E309", "1E-320", "-1E-400",
        "0.5", "0,5", "-0.5", "1E14", "100000000000000", "2147483647", "-2147483648",
        "2147483648", "1E-80", "+1"}) {
    words.emplace_back(number);
  }
  // GB18030: four-byte characters (µ, an emoji, the last code point), the
  // euro sign in both spellings, and the four bytes of a character that
  // stands for a raw byte in memory.
  for (std::string_view bytes : {"\x81\x30\x85\x38", "\x94\x39\xFC\x36", "\xE3\x32\x9A\x35",
                                 "\xA2\xE3", "\x80", "\xE3\x32\x8D\x38"}) {
    words.emplace_back(bytes);
  }
  words.emplace_back("\r\n");
  std::string out = "# Section tags, header lines (GBK), clipboard words, numbers and GB18030.\n";
  int n = 0;
  for (const std::string& w : words) out += "w" + std::to_string(++n) + "=\"" + Escaped(w) + "\"\n";
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s <tests/data folder> <fuzz folder>\n", argv[0]);
    return 2;
  }
  const fs::path fixtures = argv[1];
  const fs::path fuzz = argv[2];
  const fs::path files = fuzz / "corpus" / "experiment_file";
  const fs::path pastes = fuzz / "corpus" / "paste";
  fs::create_directories(files);
  fs::create_directories(pastes);

  for (const auto& entry : fs::directory_iterator(fixtures)) {
    if (entry.path().extension() == ".ele") {
      fs::copy_file(entry.path(), files / ("fixture-" + entry.path().filename().string()),
                    fs::copy_options::overwrite_existing);
    }
  }

  auto bench = std::make_unique<Bench>();
  auto fresh = [&]() -> Bench& {
    InitBenchTables(*bench);
    return *bench;
  };
  Write(files / "seed-empty.ele", ExperimentText(fresh()));
  for (const KindInfo& k : AllKinds()) {
    if (!Placeable(k)) continue;
    SeriesCircuit(fresh(), k.kind);
    Write(files / ("seed-kind-" + std::to_string(k.kind) + ".ele"), ExperimentText(*bench));
  }
  TypedText(fresh());
  Write(files / "seed-gb18030.ele", ExperimentText(*bench));
  Write(pastes / "seed-gb18030-note.txt", *CopyText(*bench, KIND_NOTE, 0));
  Write(pastes / "seed-gb18030-name.txt", *CopyText(*bench, KIND_FIXED_RESISTOR, 0));
  EveryKind(fresh());
  Write(files / "seed-every-kind.ele", ExperimentText(*bench));

  // Every copyable object of the every-kind bench, as Copy puts it on the
  // clipboard.
  for (const KindInfo& k : AllKinds()) {
    if (k.family == Family::BlackBox) continue;
    int slot = 0;
    if (k.family == Family::TwoTerminal) {
      while (slot < TWO_TERMINAL_SLOTS - 1 && bench->elements[slot].kind != k.kind) ++slot;
    }
    const std::optional<std::string> text = CopyText(*bench, k.kind, slot);
    if (text) Write(pastes / ("seed-kind-" + std::to_string(k.kind) + ".txt"), *text);
  }

  Write(fuzz / "dictionary.txt", Dictionary());
  return 0;
}
