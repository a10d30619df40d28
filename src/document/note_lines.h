#pragma once
// A note record as value lines: the same in experiment files and on the
// clipboard.

#include "document/lines.h"
#include "model/bench.h"

namespace voltaro {

void WriteNote(LineWriter& out, const NoteRecord& n);
// Reads a note; a damaged line count fails the reader.
void ReadNote(LineReader& in, NoteRecord& n);

}  // namespace voltaro
