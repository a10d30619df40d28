#pragma once
// The experiment file (*.ele): the whole bench as one value per line, in
// GB18030 (GBK bytes for every character GBK holds) with CR LF line ends.
// Versions 2, 3 and 3.2 are read; 3.2 is written.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/bench.h"

namespace voltaro {

// File versions, as named by the header line.
enum FileVersion : int {
  FILE_VERSION_2 = 2,
  FILE_VERSION_3 = 3,
  FILE_VERSION_32 = 32,
};

// The header every file is written with (UTF-8 here, GBK in the file).
constexpr std::string_view HEADER_V32 = "Brenvoltastica 电路部分 v3.2 Omaris Tevlin";

// The largest experiment file read or written. A full bench with every
// number at its widest (200 components, 500 wires of 100 bends, 400 meters
// and every other table full) takes about 1.7 MB; the rest leaves room for
// some 14 MB of names and note text, far more than anyone types, while a
// file of gigabytes named by mistake is refused before it fills the memory.
constexpr size_t LARGEST_EXPERIMENT_FILE = 16 * 1024 * 1024;

// What became of an attempt to open an experiment. Every outcome but Opened
// leaves an empty bench, so nothing half read can be saved over the file.
enum class OpenOutcome {
  Opened,
  CannotRead,  // the file could not be opened or read
  BadHeader,   // the first line names no version we know; nothing was read
  Damaged,     // a value line is missing or malformed, a count is too big, or an
               // id is above LARGEST_ID and leaves no room for new ones
};

// The version a header line (GBK bytes) names, or 0 for a line we refuse.
int HeaderVersion(std::string_view gbk_line);

// The bench as the bytes of a version 3.2 file. With `piece_ends`, also
// where each piece of the text ends: the header, each section's tag and
// count, each record, the closing line. Snapshots of the bench keep the
// pieces apart, so that records which did not change are shared.
std::string ExperimentText(const Bench& bench, std::vector<size_t>* piece_ends = nullptr);

// What reading puts right in records that older files carry wrong (the
// meter ranges a version 2 file lacks are filled in either way).
enum class Repairs {
  OldFiles,  // the storage batteries' turned-twice terminals
  None,      // the text is our own, of a bench as it stood: taken as it is
};

// Empties the bench and fills its tables from the bytes of a file, with the
// repairs asked for and next_id set to the largest id read. Nothing else: no
// geometry, pictures or analysis. On any outcome but Opened the bench is
// left empty.
OpenOutcome DecodeExperiment(Bench& bench, std::string_view gbk_text,
                             Repairs repairs = Repairs::OldFiles);

// DecodeExperiment, then on success what opening a document does: the
// built-in geometry, the observer told that the bench was replaced (it makes
// every picture once), and the analysis (which shows the bench once).
OpenOutcome ReadExperimentText(Bench& bench, std::string_view gbk_text);

// The bytes of an experiment file: a regular file (links followed) of at
// most LARGEST_EXPERIMENT_FILE bytes. Nothing for a folder, a pipe, a
// device, a file too large, or one that cannot be read.
std::optional<std::string> ReadExperimentBytes(const std::filesystem::path& path);

// Reads an experiment file into the bench as ReadExperimentText does; a file
// ReadExperimentBytes refuses is CannotRead.
OpenOutcome ReadExperimentFile(Bench& bench, const std::filesystem::path& path);

// Saves the bench to `path`. The file is replaced only once the new one has
// been written completely; on failure (false) the old file is untouched.
// A bench whose file would pass LARGEST_EXPERIMENT_FILE is not saved, so
// that nothing is written that could not be opened again.
bool WriteExperimentFile(const Bench& bench, const std::filesystem::path& path);

}  // namespace voltaro
