// Writes one crowded bench twice, as an experiment file for voltaro-cli and
// as the same network in SPICE for ngspice, so that the two can be timed as
// whole processes on exactly the same circuit; then checks that they found
// the same operating point.
//
//   voltaro_solve_bench_files write PREFIX [VARIABLES]
//       writes PREFIX.ele and PREFIX.cir (VARIABLES as the bench counts
//       them, 463 unless given)
//   voltaro_solve_bench_files check PREFIX VOLTARO.json NGSPICE.txt
//       compares a few readings of `voltaro-cli solve --json` with the
//       operating point ngspice printed; exit 1 when they differ.
//
// The SPICE network is the branch list the analysis itself solves: every
// branch a resistance in series with a voltage source (the source also
// measures the branch current), every wire, hidden link and ground link an
// ideal connection, and terminal A of the first branch the ground.

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <memory>
#include <nlohmann/json.hpp>
#include <numeric>
#include <sstream>
#include <string>
#include <vector>

#include "document/experiment_file.h"
#include "document/geometry.h"
#include "model/analysis.h"
#include "model/analysis_scratch.h"
#include "model/netlist.h"
#include "model/tables.h"
#include "support/max_benches.h"

namespace voltaro {
namespace {

// Series loops of ten parts (two cells, a switch, a fuse, a resistor, a bulb,
// an ammeter, a resistance wire, a diode and a bell) until the next loop
// would not fit, then voltmeters and second wires up to `variables`.
bool BuildSolveBench(Bench& bench, int variables) {
  testing::BenchBuilder b(bench);
  for (int s = 0; testing::CountedVariables(bench) + 40 <= variables; ++s) {
    testing::AddTenPartLoop(b, s);
  }
  return b.top_up(variables, true);
}

// "n17", "m3": a SPICE name of a letter and a number.
std::string Name(char letter, int number) {
  std::string name(1, letter);
  name += std::to_string(number);
  return name;
}

// Reads the experiment as `voltaro-cli solve` does and settles it.
std::unique_ptr<Bench> LoadSettled(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  auto bench = std::make_unique<Bench>();
  if (DecodeExperiment(*bench, bytes) != OpenOutcome::Opened) return nullptr;
  RefreshElementGeometry(*bench);
  Settle(*bench);
  return bench;
}

// The network of the settled bench: SPICE node names of the branch
// terminals, with the wires' ends joined.
class Network {
 public:
  // False when a terminal id is shared by two branch ends: the analysis gives
  // such ends potentials of their own, which no SPICE node can express.
  bool build(Bench& bench) {
    if (!BuildBranchList(bench)) return false;
    GroundFloatingParts(bench);
    branches_ = CountBranches(bench);
    for (int i = 0; i < branches_; ++i) {
      const BranchRecord& b = bench.branches[i];
      for (const int32_t id : {b.node_a, b.node_b}) {
        if (!slot_.emplace(id, static_cast<int>(slot_.size())).second) return false;
      }
      branch_.push_back(b);
    }
    parent_.resize(slot_.size());
    std::iota(parent_.begin(), parent_.end(), 0);
    for (int i = 0; i < CountWires(bench); ++i) {
      const WireRecord& w = bench.wires[i];
      const auto a = slot_.find(w.node_a), b = slot_.find(w.node_b);
      if (a != slot_.end() && b != slot_.end()) join(a->second, b->second);
    }
    RemoveGroundLinks(bench);
    return branches_ > 0;
  }

  // "0" for the terminals joined to terminal A of branch 0, else "n" and
  // the smallest terminal id so joined.
  std::string node(int32_t id) {
    const int root = find(slot_.at(id));
    if (root == find(slot_.at(branch_[0].node_a))) return "0";
    int32_t smallest = id;
    for (const auto& [other, slot] : slot_) {
      if (find(slot) == root) smallest = std::min(smallest, other);
    }
    return Name('n', smallest);
  }

  // V(a) - V(b) = R * I + emf: a resistor into a source whose current is I.
  // Resistances no meter could show (a closed contact's 1e-80 ohm, the
  // ammeter's 1e-50 ohm) are left out, as the wires are: SPICE's nodal
  // matrix cannot hold their conductance beside that of a bulb.
  std::string netlist() {
    std::ostringstream out;
    out.precision(17);
    out << "voltaro solve bench: " << branches_ << " branches\n";
    for (int i = 0; i < branches_; ++i) {
      const BranchRecord& b = branch_[i];
      const std::string a = node(b.node_a), m = Name('m', i);
      const bool resistor = std::fabs(b.resistance) > 1e-30;
      if (resistor) out << "R" << i << " " << a << " " << m << " " << b.resistance << "\n";
      out << "V" << i << " " << (resistor ? m : a) << " " << node(b.node_b) << " DC " << b.emf
          << "\n";
    }
    out << ".op\n.end\n";
    return out.str();
  }

  // The SPICE name of the current of the branch with this id, or "".
  std::string current_of(int32_t branch_id) const {
    for (int i = 0; i < branches_; ++i) {
      if (branch_[i].branch_id == branch_id) return Name('v', i) + "#branch";
    }
    return "";
  }

 private:
  int find(int i) {
    while (parent_[i] != i) i = parent_[i] = parent_[parent_[i]];
    return i;
  }
  void join(int a, int b) { parent_[find(a)] = find(b); }

  int branches_ = 0;
  std::vector<BranchRecord> branch_;
  std::map<int32_t, int> slot_;
  std::vector<int> parent_;
};

int Write(const std::string& prefix, int variables) {
  auto bench = std::make_unique<Bench>();
  if (!BuildSolveBench(*bench, variables)) {
    std::cerr << "cannot build a bench of " << variables << " variables\n";
    return 1;
  }
  if (!WriteExperimentFile(*bench, prefix + ".ele")) {
    std::cerr << "cannot write " << prefix << ".ele\n";
    return 1;
  }
  auto settled = LoadSettled(prefix + ".ele");
  Network network;
  if (!settled || !network.build(*settled)) {
    std::cerr << "the bench has no SPICE twin\n";
    return 1;
  }
  std::ofstream(prefix + ".cir") << network.netlist();
  std::cout << prefix << ".ele: " << testing::CountedVariables(*settled) << " variables ("
            << settled->scratch->system.size() << " in the equations), " << CountElements(*settled)
            << " components, " << CountWires(*settled) << " wires\n";
  return 0;
}

// "name value" lines of ngspice's operating point listing, names in lower
// case as ngspice prints them.
std::map<std::string, double> SpiceValues(const std::string& path) {
  std::map<std::string, double> values{{"0", 0.0}};
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    std::string name, value, rest;
    if (!(fields >> name >> value) || (fields >> rest)) continue;
    char* end = nullptr;
    const double v = std::strtod(value.c_str(), &end);
    if (end != value.c_str() && *end == '\0') values[name] = v;
  }
  return values;
}

int Check(const std::string& prefix, const std::string& voltaro_json, const std::string& spice) {
  auto bench = LoadSettled(prefix + ".ele");
  Network network;
  if (!bench || !network.build(*bench)) return 1;
  nlohmann::json report;
  try {
    report = nlohmann::json::parse(std::ifstream(voltaro_json));
  } catch (const nlohmann::json::exception& e) {
    std::cerr << voltaro_json << ": " << e.what() << "\n";
    return 1;
  }
  const auto values = SpiceValues(spice);
  const auto& elements = report.at("elements");
  int bad = 0, compared = 0;
  // Every seventh component: cells, switches, meters and lamps alike.
  for (size_t slot = 3; slot < elements.size(); slot += 7) {
    const ElementRecord& e = bench->elements[slot];
    const std::pair<const char*, std::string> readings[] = {
        {"potential_a", network.node(e.node_a)},
        {"potential_b", network.node(e.node_b)},
        {"current", network.current_of(e.branch_id)}};
    for (const auto& [field, name] : readings) {
      const double ours = elements[slot].at(field).get<double>();
      const auto it = values.find(name);
      const bool found = it != values.end();
      const double theirs = found ? it->second : NAN;
      // ngspice prints seven significant digits.
      const bool same = found && std::fabs(ours - theirs) <= 1e-9 + 1e-6 * std::fabs(theirs);
      std::printf("  slot %3zu %-11s voltaro %14.7g  ngspice %14.7g  %s\n", slot, field, ours,
                  theirs, same ? "same" : "DIFFERENT");
      bad += same ? 0 : 1;
      ++compared;
    }
  }
  std::printf("%d of %d readings agree\n", compared - bad, compared);
  return bad == 0 && compared > 0 ? 0 : 1;
}

}  // namespace
}  // namespace voltaro

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() >= 2 && args.size() <= 3 && args[0] == "write") {
    const int variables = args.size() == 3 ? std::atoi(args[2].c_str()) : 463;
    if (variables > 0) return voltaro::Write(args[1], variables);
  }
  if (args.size() == 4 && args[0] == "check") return voltaro::Check(args[1], args[2], args[3]);
  std::cerr << "usage: voltaro_solve_bench_files write PREFIX [VARIABLES]\n"
               "       voltaro_solve_bench_files check PREFIX VOLTARO.json NGSPICE.txt\n";
  return 2;
}
