#pragma once
// The saved fields of every bench record, each listed once, in the order
// its lines stand. Saving, opening, Copy and Paste all walk these lists
// (with the visitors of field_io.h), so a field added here is written, read,
// copied and pasted alike: one line per field.
//
// Each line names how its value is read back: `text`, `integer`, `real`,
// `coordinate` (a position, offset or extent, kept within
// LARGEST_COORDINATE) or `id` (a node, branch or wire id, at most
// LARGEST_ID). Ids belong to one bench, so they stand in files only; every
// other field says with its tags whether the clipboard carries it too.

#include <array>
#include <concepts>
#include <cstdint>
#include <type_traits>

#include "model/bench.h"

namespace voltaro {

// Where a field's line stands besides the experiment file.
enum FieldTag : unsigned {
  FILE_ONLY = 0,
  // Clipboard text carries it as well: what a pasted copy needs to look and
  // behave like the original. A part's kind is not among them: the clipboard
  // names it on a line of its own before the fields.
  ON_CLIPBOARD = 1,
  // Version 2 files lack the line; reading one keeps what the record held.
  SINCE_V3 = 2,
};

// The four style bits of a note's font, in the order of their flag lines.
constexpr std::array<uint8_t, 4> FONT_STYLE_BITS = {FONT_BOLD, FONT_ITALIC, FONT_UNDERLINE,
                                                    FONT_STRIKE_OUT};

// A record of type R, read-only (written out) or not (read in).
template <class T, class R>
concept RecordOf = std::same_as<std::remove_const_t<T>, R>;

// The eight pose entries of a part's geometry, dx (or half width) then dy.
void PoseOffsets(auto& io, auto& offsets, unsigned tags) {
  for (auto& o : offsets) {
    io.coordinate(o.dx, tags);
    io.coordinate(o.dy, tags);
  }
}

// Section "fact_two_obj": a two-terminal part. Its analysis results are
// worked out afresh after every change and never stored.
void Fields(auto& io, RecordOf<ElementRecord> auto& e) {
  io.text(e.name, ON_CLIPBOARD);
  io.integer(e.kind, FILE_ONLY);
  io.integer(e.pose, ON_CLIPBOARD);
  io.integer(e.show_params, ON_CLIPBOARD);
  io.integer(e.is_open, ON_CLIPBOARD);
  io.coordinate(e.x, ON_CLIPBOARD);
  io.coordinate(e.y, ON_CLIPBOARD);
  io.id(e.node_a);
  io.id(e.node_b);
  io.id(e.branch_id);
  io.real(e.resistance, ON_CLIPBOARD);
  io.real(e.emf, ON_CLIPBOARD);
  io.real(e.max_current, ON_CLIPBOARD);
  io.real(e.param1, ON_CLIPBOARD);
  io.real(e.param2, ON_CLIPBOARD);
  io.real(e.param3, ON_CLIPBOARD);
  io.real(e.param4, ON_CLIPBOARD);
  PoseOffsets(io, e.term_a_offset, ON_CLIPBOARD);
  PoseOffsets(io, e.term_b_offset, ON_CLIPBOARD);
  PoseOffsets(io, e.half_size, ON_CLIPBOARD);
}

// Section "hdbzq": a slide rheostat. Its terminal offsets are fixed by its
// picture and never stored.
void Fields(auto& io, RecordOf<RheostatRecord> auto& r) {
  io.text(r.name, ON_CLIPBOARD);
  io.coordinate(r.x, ON_CLIPBOARD);
  io.coordinate(r.y, ON_CLIPBOARD);
  io.integer(r.in_use, ON_CLIPBOARD);
  io.integer(r.show_params, ON_CLIPBOARD);
  io.real(r.resistance, ON_CLIPBOARD);
  io.real(r.max_current, ON_CLIPBOARD);
  io.real(r.slider, ON_CLIPBOARD);
  io.real(r.bar_resistance_1, ON_CLIPBOARD);
  io.real(r.bar_resistance_2, ON_CLIPBOARD);
  io.real(r.coil_resistance_1, ON_CLIPBOARD);
  io.real(r.coil_resistance_2, ON_CLIPBOARD);
  for (auto& branch : r.branch_id) io.id(branch);
  io.id(r.node_bar_a);
  io.id(r.node_bar_a_in);
  io.id(r.node_bar_b_in);
  io.id(r.node_bar_b);
  io.id(r.node_coil_a);
  io.id(r.node_coil_a_in);
  io.id(r.node_slider);
  io.id(r.node_coil_b);
}

// Section "dianxian": a wire, drawn or hidden. Wires are never copied.
void Fields(auto& io, RecordOf<WireRecord> auto& w) {
  io.text(w.name, FILE_ONLY);
  io.integer(w.color, FILE_ONLY);
  io.id(w.node_a);
  io.id(w.node_b);
  const int points = io.count(w.point_count, WIRE_POINTS, FILE_ONLY);
  for (int i = 0; i < points; ++i) {
    io.coordinate(w.points[i].x, FILE_ONLY);
    io.coordinate(w.points[i].y, FILE_ONLY);
  }
  io.integer(w.state, FILE_ONLY);
  io.id(w.wire_id);
}

// Sections "0_3_15Vbiao" and "0_06_3abiao": a pointer voltmeter or ammeter.
void Fields(auto& io, RecordOf<DualMeterRecord> auto& m) {
  io.text(m.name, ON_CLIPBOARD);
  io.coordinate(m.x, ON_CLIPBOARD);
  io.coordinate(m.y, ON_CLIPBOARD);
  io.real(m.range_resistance_1, ON_CLIPBOARD | SINCE_V3);
  io.real(m.range_resistance_2, ON_CLIPBOARD | SINCE_V3);
  io.integer(m.in_use, ON_CLIPBOARD);
  io.integer(m.range_in_use, ON_CLIPBOARD);
  io.id(m.node_common);
  io.id(m.node_common_in);
  io.id(m.node_mid);
  io.id(m.node_high);
  io.id(m.branch_id_1);
  io.id(m.branch_id_2);
}

// Section "ddszkg": a single-pole double-throw switch.
void Fields(auto& io, RecordOf<SpdtRecord> auto& s) {
  io.text(s.name, ON_CLIPBOARD);
  io.coordinate(s.x, ON_CLIPBOARD);
  io.coordinate(s.y, ON_CLIPBOARD);
  io.integer(s.in_use, ON_CLIPBOARD);
  io.integer(s.show_params, ON_CLIPBOARD);
  io.integer(s.position, ON_CLIPBOARD);
  io.id(s.node_t1);
  io.id(s.node_common);
  io.id(s.node_common_in);
  io.id(s.node_t2);
  io.id(s.branch_id_1);
  io.id(s.branch_id_2);
}

// Section "电磁继电器": an electromagnetic relay.
void Fields(auto& io, RecordOf<RelayRecord> auto& r) {
  io.text(r.name, ON_CLIPBOARD);
  io.coordinate(r.x, ON_CLIPBOARD);
  io.coordinate(r.y, ON_CLIPBOARD);
  io.integer(r.in_use, ON_CLIPBOARD);
  io.integer(r.show_params, ON_CLIPBOARD);
  io.integer(r.contact_closed, ON_CLIPBOARD);
  io.real(r.coil_resistance, ON_CLIPBOARD);
  io.real(r.pickup_current, ON_CLIPBOARD);
  io.id(r.node_coil_a);
  io.id(r.node_coil_b);
  io.id(r.node_contact_a);
  io.id(r.node_contact_b);
  io.id(r.coil_branch_id);
  io.id(r.contact_branch_id);
}

// Section "多行注释": a note. It has no name line; the clipboard carries all
// of it.
void Fields(auto& io, RecordOf<NoteRecord> auto& n) {
  io.integer(n.in_use, ON_CLIPBOARD);
  io.coordinate(n.x, ON_CLIPBOARD);
  io.coordinate(n.y, ON_CLIPBOARD);
  io.coordinate(n.width, ON_CLIPBOARD);
  io.coordinate(n.height, ON_CLIPBOARD);
  io.integer(n.font_charset, ON_CLIPBOARD);
  io.integer(n.font_color, ON_CLIPBOARD);
  // The font's height and size are extents on the bench as well.
  io.coordinate(n.font_height, ON_CLIPBOARD);
  io.integer(n.font_pitch, ON_CLIPBOARD);
  io.coordinate(n.font_size, ON_CLIPBOARD);
  io.flags(n.font_style, FONT_STYLE_BITS, ON_CLIPBOARD);
  io.text(n.font_name, ON_CLIPBOARD);
  io.text_list(n.lines, ON_CLIPBOARD);
}

// Section "黑盒子": a black box. Black boxes are never copied.
void Fields(auto& io, RecordOf<BlackBoxRecord> auto& b) {
  io.integer(b.in_use, FILE_ONLY);
  io.coordinate(b.x, FILE_ONLY);
  io.coordinate(b.y, FILE_ONLY);
  io.coordinate(b.width, FILE_ONLY);
  io.coordinate(b.height, FILE_ONLY);
  io.integer(b.color, FILE_ONLY);
  io.text(b.password, FILE_ONLY);
}

}  // namespace voltaro
