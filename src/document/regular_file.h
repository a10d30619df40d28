#pragma once
// Reading a whole experiment from the disk. Only a plain file is read: a
// folder, a pipe or a device named by mistake must give a message, not a
// program that hangs on /dev/zero or dies on a folder.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

namespace voltaro {

// The bytes of the regular file at `path` (a link is followed), or nothing
// when it is no regular file, cannot be read or holds more than `max_bytes`.
// A pipe or a device is never opened for reading, so this never blocks.
std::optional<std::string> ReadRegularFile(const std::filesystem::path& path, size_t max_bytes);

}  // namespace voltaro
