#include "document/atomic_file.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <optional>
#include <string>

namespace voltaro {
namespace {

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

// The file a name finally stands for: links are followed one by one (a
// relative link from its own folder), so a link to an experiment saves the
// experiment, and a dangling link creates the file it points to, as any
// program writing through the link would. Nothing for a chain of links that
// does not end.
std::optional<std::filesystem::path> FinalTarget(std::filesystem::path path) {
  for (int hops = 0; hops < 40; ++hops) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    std::string target(PATH_MAX, '\0');
    const ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
    if (n < 0 || static_cast<size_t>(n) >= target.size()) return std::nullopt;
    target.resize(static_cast<size_t>(n));
    path = path.parent_path() / target;  // an absolute target replaces the folder
  }
  return std::nullopt;
}

void SyncFolder(const std::filesystem::path& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

bool ReplaceFileAtomically(const std::filesystem::path& name, std::string_view bytes) {
  const std::optional<std::filesystem::path> target = FinalTarget(name);
  if (!target) return false;

  // Only a plain file is replaced: a folder, a pipe or a device that the
  // name stands for is left as it is. A replaced file keeps its mode and, as
  // far as we may, its group, so saving never changes who may read the
  // experiment; new files get the usual rw-r--r--.
  struct stat old {};
  const bool exists = ::stat(target->c_str(), &old) == 0;
  if (exists && !S_ISREG(old.st_mode)) return false;
  if (!exists && errno != ENOENT) return false;
  // A file its owner made read-only is a worksheet to keep, not to replace.
  if (exists && ::access(target->c_str(), W_OK) != 0) return false;

  std::filesystem::path folder = target->parent_path();
  if (folder.empty()) folder = ".";
  // The temporary file must live in the target's folder: only a rename
  // within one file system replaces the target in one step.
  std::string name_template = ".";
  name_template.append(target->filename().string()).append(".XXXXXX");
  std::string temp = (folder / name_template).string();
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) return false;

  bool ok = WriteAll(fd, bytes);
  if (exists && ::fchown(fd, static_cast<uid_t>(-1), old.st_gid) != 0) {
    // Only the group can change hands here, and only to one of ours; when
    // it cannot, the file takes our group as any new file would.
  }
  ok = ok && ::fchmod(fd, exists ? (old.st_mode & 07777) : 0644) == 0;
  ok = ok && ::fsync(fd) == 0;
  ok = (::close(fd) == 0) && ok;
  ok = ok && ::rename(temp.c_str(), target->c_str()) == 0;
  if (!ok) {
    ::unlink(temp.c_str());
    return false;
  }
  SyncFolder(folder);
  return true;
}

}  // namespace voltaro
