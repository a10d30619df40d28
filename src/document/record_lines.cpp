#include "document/record_lines.h"

namespace voltaro {

void WriteOffsets(LineWriter& out, const std::array<Offset, POSE_ENTRIES>& offsets) {
  for (const Offset& o : offsets) {
    out.integer(o.dx);
    out.integer(o.dy);
  }
}

void ReadOffsets(LineReader& in, std::array<Offset, POSE_ENTRIES>& offsets) {
  for (Offset& o : offsets) {
    o.dx = in.coordinate();
    o.dy = in.coordinate();
  }
}

void WriteNote(LineWriter& out, const NoteRecord& n) {
  for (int32_t v : {n.in_use, n.x, n.y, n.width, n.height, int32_t{n.font_charset}, n.font_color,
                    n.font_height, int32_t{n.font_pitch}, n.font_size}) {
    out.integer(v);
  }
  for (uint8_t bit : {FONT_BOLD, FONT_ITALIC, FONT_UNDERLINE, FONT_STRIKE_OUT}) {
    out.flag((n.font_style & bit) != 0);
  }
  out.text(n.font_name);
  out.integer(static_cast<int32_t>(n.lines.size()));
  for (const std::string& line : n.lines) out.text(line);
}

void ReadNote(LineReader& in, NoteRecord& n) {
  n.in_use = in.integer();
  n.x = in.coordinate();
  n.y = in.coordinate();
  n.width = in.coordinate();
  n.height = in.coordinate();
  n.font_charset = static_cast<uint8_t>(in.integer());
  n.font_color = in.integer();
  // The font's height and size are extents on the bench as well.
  n.font_height = in.coordinate();
  n.font_pitch = static_cast<int8_t>(in.integer());
  n.font_size = in.coordinate();
  n.font_style = 0;
  for (uint8_t bit : {FONT_BOLD, FONT_ITALIC, FONT_UNDERLINE, FONT_STRIKE_OUT}) {
    if (in.flag()) n.font_style |= bit;
  }
  n.font_name = in.text();
  const int32_t lines = in.integer();
  if (lines < 0) in.fail();
  n.lines.clear();
  // A count larger than the lines left fails on the first missing line, so
  // a damaged count cannot make the list grow without end.
  for (int32_t i = 0; i < lines && !in.failed(); ++i) {
    std::string line = in.text();
    if (!in.failed()) n.lines.push_back(std::move(line));
  }
}

}  // namespace voltaro
