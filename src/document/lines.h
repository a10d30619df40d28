#pragma once
// The line lists that experiment files and clipboard text are made of: one
// value per line, GB18030 text (GBK wherever GBK holds the character), CR LF
// line ends.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace voltaro {

// Splits GBK text into its lines. CR LF, a lone CR and a lone LF each end a
// line; a last line without an ending still counts, an ending at the very
// end does not start another line.
std::vector<std::string> SplitLines(std::string_view text);

// Collects lines and gives them as GBK text, each line followed by CR LF.
class LineWriter {
 public:
  void integer(int32_t value);
  void real(double value);
  void flag(bool value);
  // A string value from memory (UTF-8). A line break inside it would split
  // the record and shift every later value, so breaks become blanks.
  void text(std::string_view utf8);

  int line_count() const { return lines_; }
  const std::string& bytes() const { return out_; }

 private:
  void line(std::string_view gbk);
  std::string out_;
  int lines_ = 0;
};

// Takes values from the front of a line list. The first value that is
// missing or malformed makes the reader fail; once failed it stays failed
// and hands out zeros, so a record can be read straight through and checked
// once at its end.
class LineReader {
 public:
  explicit LineReader(std::vector<std::string> lines) : lines_(std::move(lines)) {}

  int32_t integer();
  // A position, offset or extent on the bench, brought within
  // LARGEST_COORDINATE: a component a damaged file puts a thousand million
  // pixels away is just as far out of sight at the limit.
  int32_t coordinate();
  // A node, branch or wire id; an id above LARGEST_ID leaves no room for
  // new ones and makes the reader fail.
  int32_t id();
  double real();
  bool flag();
  std::string text();  // the line as UTF-8
  void skip();
  // A record count: an integer from 0 to `capacity`.
  int count(int capacity);
  // A bad value found by the caller (a point count past the wire's room).
  void fail() { failed_ = true; }

  bool failed() const { return failed_; }
  bool at_end() const { return next_ >= lines_.size(); }

 private:
  const std::string* take();
  std::vector<std::string> lines_;
  size_t next_ = 0;
  bool failed_ = false;
};

}  // namespace voltaro
