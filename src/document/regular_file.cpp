#include "document/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace voltaro {
namespace {

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

}  // namespace

std::optional<std::string> ReadRegularFile(const std::filesystem::path& path, size_t max_bytes) {
  // Look before opening: opening some devices already does something (a
  // tape rewinds, a terminal becomes ours), and opening a pipe waits for a
  // writer.
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  if (static_cast<unsigned long long>(st.st_size) > max_bytes) return std::nullopt;

  // The name may have been swapped for a pipe since: O_NONBLOCK keeps the
  // open from waiting, and the descriptor itself is checked once more.
  const FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (fd.get() < 0 || ::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;

  // Read one byte past the limit, so that a file that grew after the look
  // above is still refused rather than cut short.
  std::string bytes;
  bytes.resize(std::min<size_t>(static_cast<size_t>(st.st_size), max_bytes) + 1);
  size_t got = 0;
  for (;;) {
    if (got == bytes.size()) {
      if (bytes.size() > max_bytes) return std::nullopt;
      bytes.resize(std::min(bytes.size() * 2, max_bytes + 1));
    }
    const ssize_t n = ::read(fd.get(), bytes.data() + got, bytes.size() - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return std::nullopt;
    if (n == 0) break;
    got += static_cast<size_t>(n);
  }
  if (got > max_bytes) return std::nullopt;
  bytes.resize(got);
  return bytes;
}

}  // namespace voltaro
