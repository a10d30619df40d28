#pragma once
// Replacing a file so that it is either the old one or the complete new one,
// never a torn mixture: a full disk or a pulled plug must not cost the pupil
// the experiment saved before.

#include <filesystem>
#include <string_view>

namespace voltaro {

// Writes `bytes` to a new file beside `target`, flushes it to the disk and
// renames it over `target`. Returns false, with `target` untouched and no
// leftover file, when any step fails.
bool ReplaceFileAtomically(const std::filesystem::path& target, std::string_view bytes);

}  // namespace voltaro
