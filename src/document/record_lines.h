#pragma once
// Parts of records written the same way in experiment files and on the
// clipboard.

#include <array>

#include "document/lines.h"
#include "model/bench.h"

namespace voltaro {

// The eight offset pairs of a two-terminal record, dx then dy.
void WriteOffsets(LineWriter& out, const std::array<Offset, POSE_ENTRIES>& offsets);
void ReadOffsets(LineReader& in, std::array<Offset, POSE_ENTRIES>& offsets);

// A note record.
void WriteNote(LineWriter& out, const NoteRecord& n);
// Reads a note; a damaged line count fails the reader.
void ReadNote(LineReader& in, NoteRecord& n);

}  // namespace voltaro
