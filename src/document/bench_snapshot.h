#pragma once
// A bench as it stood at one moment, to be put back when a change is taken
// back: its experiment text and its id counter. An undo history holds a
// snapshot before and after every step, on a bench of hundreds of records
// of which one step touches a few, so the text is kept in pieces (one per
// record) and the snapshots of one store share every piece they have in
// common.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "model/bench.h"

namespace voltaro {

class PiecePool;

class Snapshot {
 public:
  Snapshot() = default;  // holds no bench

  bool empty() const { return body_ == nullptr; }
  // The experiment text, byte for byte as saving would write it.
  std::string text() const;
  int32_t next_id() const;

  // The same text and id counter.
  friend bool operator==(const Snapshot& a, const Snapshot& b);

 private:
  friend class SnapshotStore;
  struct Body;
  std::shared_ptr<const Body> body_;
};

class SnapshotStore {
 public:
  SnapshotStore();
  ~SnapshotStore();
  SnapshotStore(const SnapshotStore&) = delete;
  SnapshotStore& operator=(const SnapshotStore&) = delete;

  Snapshot capture(const Bench& bench);
  // The memory that the snapshots of this store still alive hold together,
  // in bytes: each shared piece once, and every snapshot's list of pieces.
  size_t bytes() const;

 private:
  std::shared_ptr<PiecePool> pool_;
};

// Puts the bench back exactly as the snapshot holds it (tables, ids, id
// counter; the view stays as it is) and shows it as opening does: the
// observer told that the bench was replaced, then the analysis. False, with
// an empty bench, only for a snapshot that holds no bench.
bool RestoreSnapshot(Bench& bench, const Snapshot& snapshot);

}  // namespace voltaro
