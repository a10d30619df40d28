#include "document/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
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

// New files get the usual rw-r--r--; a replaced file keeps its own mode, so
// saving never changes who may read the experiment.
mode_t ModeFor(const std::filesystem::path& target) {
  struct stat st {};
  if (::stat(target.c_str(), &st) == 0 && S_ISREG(st.st_mode)) return st.st_mode & 07777;
  return 0644;
}

void SyncFolder(const std::filesystem::path& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

bool ReplaceFileAtomically(const std::filesystem::path& target, std::string_view bytes) {
  std::filesystem::path folder = target.parent_path();
  if (folder.empty()) folder = ".";
  // The temporary file must live in the target's folder: only a rename
  // within one file system replaces the target in one step.
  std::string name = ".";
  name.append(target.filename().string()).append(".XXXXXX");
  std::string temp = (folder / name).string();
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) return false;

  bool ok = WriteAll(fd, bytes);
  ok = ok && ::fchmod(fd, ModeFor(target)) == 0;
  ok = ok && ::fsync(fd) == 0;
  ok = (::close(fd) == 0) && ok;
  ok = ok && ::rename(temp.c_str(), target.c_str()) == 0;
  if (!ok) {
    ::unlink(temp.c_str());
    return false;
  }
  SyncFolder(folder);
  return true;
}

}  // namespace voltaro
