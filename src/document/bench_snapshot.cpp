#include "document/bench_snapshot.h"

#include <cstring>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "document/experiment_file.h"
#include "model/bench_observer.h"
#include "model/tables.h"

namespace voltaro {
namespace {

// What a hash table spends on each entry besides the piece itself: the
// node, its key and the bucket pointer, as the common libraries lay them out.
constexpr size_t ENTRY_OVERHEAD = 64;
// The control block and allocation of a snapshot's shared body.
constexpr size_t BODY_OVERHEAD = 48;

// Walks the results of the last analysis that the records hold (no file
// holds them), table by table, record by record.
template <class B, class F>
void ForEachResult(B& bench, F&& each) {
  const auto all = [&](auto& values) {
    for (auto& v : values) each(v);
  };
  for (int i = 0; i < CountElements(bench); ++i) {
    auto& e = bench.elements[i];
    each(e.potential_a), each(e.potential_b), each(e.current);
  }
  for (int i = 0; i < CountRheostats(bench); ++i) all(bench.rheostats[i].potential);
  for (int i = 0; i < CountWires(bench); ++i) each(bench.wires[i].current);
  for (int i = 0; i < CountMeters(bench.voltmeters); ++i) all(bench.voltmeters[i].potential);
  for (int i = 0; i < CountMeters(bench.ammeters); ++i) all(bench.ammeters[i].potential);
  for (int i = 0; i < CountSpdts(bench); ++i) all(bench.spdts[i].potential);
  for (int i = 0; i < CountRelays(bench); ++i) {
    all(bench.relays[i].potential);
    each(bench.relays[i].coil_current);
  }
}

std::string ResultBytes(const Bench& bench) {
  std::string bytes;
  ForEachResult(
      bench, [&](const double& v) { bytes.append(reinterpret_cast<const char*>(&v), sizeof v); });
  return bytes;
}

// Back into the records of the tables just read from the same snapshot's
// text, so the counts agree.
void PutResults(Bench& bench, std::string_view bytes) {
  size_t at = 0;
  ForEachResult(bench, [&](double& v) {
    if (at + sizeof v > bytes.size()) return;
    std::memcpy(&v, bytes.data() + at, sizeof v);
    at += sizeof v;
  });
}

}  // namespace

// Every distinct piece of text that some snapshot of a store holds, counted
// by how many hold it.
class PiecePool {
 public:
  struct Piece {
    std::string text;
    size_t uses = 0;
  };

  Piece* take(std::string_view text) {
    auto found = pieces_.find(text);
    if (found == pieces_.end()) {
      auto piece = std::make_unique<Piece>();
      piece->text.assign(text);
      bytes_ += sizeof(Piece) + piece->text.capacity() + ENTRY_OVERHEAD;
      const std::string_view key = piece->text;
      found = pieces_.emplace(key, std::move(piece)).first;
    }
    ++found->second->uses;
    return found->second.get();
  }

  void release(Piece* piece) {
    if (--piece->uses > 0) return;
    bytes_ -= sizeof(Piece) + piece->text.capacity() + ENTRY_OVERHEAD;
    pieces_.erase(std::string_view(piece->text));
  }

  void add_bytes(size_t n) { bytes_ += n; }
  void remove_bytes(size_t n) { bytes_ -= n; }
  size_t bytes() const { return bytes_; }

 private:
  std::unordered_map<std::string_view, std::unique_ptr<Piece>> pieces_;
  size_t bytes_ = 0;
};

using Piece = PiecePool::Piece;

struct Snapshot::Body {
  std::shared_ptr<PiecePool> pool;
  std::vector<Piece*> pieces;
  Piece* results = nullptr;
  int32_t next_id = 0;
  int32_t analysis_pending = 0;
  int32_t status = STATUS_SOLVED;

  size_t own_bytes() const {
    return sizeof(Body) + BODY_OVERHEAD + pieces.capacity() * sizeof(Piece*);
  }

  ~Body() {
    for (Piece* p : pieces) pool->release(p);
    if (results) pool->release(results);
    pool->remove_bytes(own_bytes());
  }
};

std::string Snapshot::text() const {
  if (!body_) return {};
  size_t size = 0;
  for (const Piece* p : body_->pieces) size += p->text.size();
  std::string text;
  text.reserve(size);
  for (const Piece* p : body_->pieces) text += p->text;
  return text;
}

int32_t Snapshot::next_id() const {
  return body_ ? body_->next_id : 0;
}

bool operator==(const Snapshot& a, const Snapshot& b) {
  if (a.body_ == b.body_) return true;
  if (!a.body_ || !b.body_) return false;
  if (a.body_->next_id != b.body_->next_id) return false;
  // One pool holds each distinct piece once, so equal texts are equal lists.
  if (a.body_->pool == b.body_->pool) return a.body_->pieces == b.body_->pieces;
  return a.text() == b.text();
}

SnapshotStore::SnapshotStore() : pool_(std::make_shared<PiecePool>()) {}

SnapshotStore::~SnapshotStore() = default;

Snapshot SnapshotStore::capture(const Bench& bench) {
  std::vector<size_t> ends;
  const std::string text = ExperimentText(bench, &ends);
  auto body = std::make_shared<Snapshot::Body>();
  body->pool = pool_;
  body->next_id = bench.next_id;
  body->analysis_pending = bench.analysis_pending;
  body->status = bench.status;
  body->results = pool_->take(ResultBytes(bench));
  body->pieces.reserve(ends.size());
  size_t start = 0;
  for (size_t end : ends) {
    body->pieces.push_back(pool_->take(std::string_view(text).substr(start, end - start)));
    start = end;
  }
  pool_->add_bytes(body->own_bytes());
  Snapshot snapshot;
  snapshot.body_ = std::move(body);
  return snapshot;
}

size_t SnapshotStore::bytes() const {
  return pool_->bytes();
}

bool RestoreSnapshot(Bench& bench, const Snapshot& snapshot) {
  if (snapshot.empty()) {
    InitBenchTables(bench);
    return false;
  }
  // Our own text of a bench as it stood: nothing in it is put right, so the
  // tables come back exactly as they were.
  if (DecodeExperiment(bench, snapshot.text(), Repairs::None) != OpenOutcome::Opened) return false;
  const Snapshot::Body& body = *snapshot.body_;
  bench.next_id = body.next_id;
  PutResults(bench, body.results->text);
  bench.status = body.status;
  bench.analysis_pending = body.analysis_pending;
  if (bench.observer) {
    bench.observer->replaced(bench);
    bench.observer->analysed(bench);
  }
  return true;
}

}  // namespace voltaro
