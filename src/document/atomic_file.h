#pragma once
// Replacing a file so that it is either the old one or the complete new one,
// never a torn mixture: a full disk or a pulled plug must not cost the pupil
// the experiment saved before.

#include <filesystem>
#include <string_view>

namespace voltaro {

// Writes `bytes` to a new file beside the file `name` stands for (symbolic
// links followed to their final target), flushes it to the disk and renames
// it over that target, which keeps its permissions. Returns false, with the
// target untouched and no leftover file, when any step fails, when the
// target exists but is no regular file (a folder, a pipe, a device) or when
// we may not write to it.
bool ReplaceFileAtomically(const std::filesystem::path& name, std::string_view bytes);

}  // namespace voltaro
