// The drawing's table of the kinds: for each drawing routine the kind table
// names, the routine itself, its place in the redraw and the symbol of its
// element picture. Rows of one pass stand in the order they are painted.

#include "render/bench_renderer.h"

namespace voltaro {
namespace {

using D = Drawing;
using P = DrawPass;

// clang-format off
constexpr DrawingRoutine ROUTINES[] = {
    {.id = D::Draw_qiege_and_jinshugan, .pass = P::Rods, .slot = Draw_qiege_and_jinshugan},
    {.id = D::Draw_xianquan_and_citie, .pass = P::Coils, .slot = Draw_xianquan_and_citie},
    {.id = D::Draw_dianzu, .pass = P::TwoObj, .slot = Draw_dianzu, .symbol = ResistorSymbol},
    {.id = D::Draw_dianyuan, .pass = P::TwoObj, .slot = Draw_dianyuan,
     .symbol = VoltageSupplySymbol},
    {.id = D::Draw_dianyabiao, .pass = P::TwoObj, .slot = Draw_dianyabiao},
    {.id = D::Draw_dianliubiao, .pass = P::TwoObj, .slot = Draw_dianliubiao},
    // The bulb's symbol is drawn round (30, 30).
    {.id = D::Draw_diandeng, .pass = P::TwoObj, .slot = Draw_diandeng, .symbol = BulbSymbol,
     .symbol_size = {60, 60}},
    {.id = D::Draw_dddzkg, .pass = P::TwoObj, .slot = Draw_dddzkg},
    {.id = D::Draw_baoxiansi, .pass = P::TwoObj, .slot = Draw_baoxiansi},
    {.id = D::Draw_dianzusi, .pass = P::TwoObj, .slot = Draw_dianzusi,
     .symbol = ResistanceWireSymbol},
    {.id = D::Draw_bianzuxiang, .pass = P::TwoObj, .slot = Draw_bianzuxiang,
     .symbol = ResistanceBoxSymbol},
    {.id = D::Draw_gandianchi, .pass = P::TwoObj, .slot = Draw_gandianchi,
     .symbol = DryCellSymbol},
    {.id = D::Draw_xudianchi, .pass = P::TwoObj, .slot = Draw_xudianchi,
     .symbol = StorageBatterySymbol},
    {.id = D::Draw_gandianchizu, .pass = P::TwoObj, .slot = Draw_gandianchizu,
     .symbol = BatterySetSymbol},
    {.id = D::Draw_xudianchizu, .pass = P::TwoObj, .slot = Draw_xudianchizu,
     .symbol = StorageBatterySetSymbol},
    {.id = D::Draw_9vdianchi, .pass = P::TwoObj, .slot = Draw_9vdianchi,
     .symbol = NineVoltBatterySymbol},
    {.id = D::Draw_lmdlj, .pass = P::TwoObj, .slot = Draw_lmdlj},
    {.id = D::Draw_oumubiao, .pass = P::TwoObj, .slot = Draw_oumubiao},
    {.id = D::Draw_wanyongbiao, .pass = P::TwoObj, .slot = Draw_wanyongbiao,
     .same_picture_in_both_views = true},
    {.id = D::Draw_xinhaodeng, .pass = P::TwoObj, .slot = Draw_xinhaodeng,
     .symbol = SignalLightSymbol},
    {.id = D::Draw_dianling, .pass = P::TwoObj, .slot = Draw_dianling, .symbol = BellSymbol},
    {.id = D::Draw_erjiguan, .pass = P::TwoObj, .slot = Draw_erjiguan, .symbol = DiodeSymbol},
    {.id = D::Draw_yinchuxian, .pass = P::TwoObj, .slot = Draw_yinchuxian,
     .same_picture_in_both_views = true},
    {.id = D::Draw_ddszkg, .pass = P::Tables, .table = Draw_ddszkg},
    {.id = D::Draw_dcjdq, .pass = P::Tables, .table = Draw_dcjdq},
    {.id = D::Draw_hdbzq, .pass = P::Tables, .table = Draw_hdbzq},
    {.id = D::Draw_3_15vbiao, .pass = P::Tables, .table = Draw_3_15vbiao},
    {.id = D::Draw_06_3abiao, .pass = P::Tables, .table = Draw_06_3abiao},
    {.id = D::Draw_JLFDJ, .pass = P::Machines, .slot = Draw_JLFDJ},
    {.id = D::Draw_ZLDDJ, .pass = P::Machines, .slot = Draw_ZLDDJ},
    {.id = D::Draw_ZLFDJ, .pass = P::Machines, .slot = Draw_ZLFDJ},
    {.id = D::Draw_zhu_shi_s, .pass = P::Notes, .table = Draw_zhu_shi_s},
    {.id = D::Draw_heihezi, .pass = P::BlackBoxes, .table = Draw_heihezi},
};
// clang-format on

// Each routine the kind table can name has exactly one row, painting slot
// by slot or walking its table as its pass does.
constexpr std::array<int, DRAWINGS> ROW = [] {
  std::array<int, DRAWINGS> row{};
  row.fill(-1);
  for (int i = 0; i < static_cast<int>(std::size(ROUTINES)); ++i) {
    const int id = static_cast<int>(ROUTINES[i].id);
    row[id] = row[id] == -1 ? i : -2;
  }
  return row;
}();

constexpr bool Complete() {
  for (int r : ROW) {
    if (r < 0) return false;
  }
  return true;
}
// Whether each row paints the way its pass walks (slot or table) is checked
// by the kind table's tests: a sanitizer build cannot compare the addresses
// of functions while compiling.
static_assert(Complete(), "every drawing routine needs exactly one row");

}  // namespace

const DrawingRoutine& RoutineFor(Drawing id) {
  return ROUTINES[ROW[static_cast<int>(id)]];
}

const DrawingRoutine* RoutineOfKind(int32_t kind) {
  const KindInfo* info = FindKind(kind);
  return info ? &RoutineFor(info->drawing) : nullptr;
}

void PaintPass(PaintContext& c, DrawPass pass) {
  const Bench& bench = c.bench;
  for (const DrawingRoutine& d : ROUTINES) {
    if (d.pass == pass && d.table) d.table(c);
  }
  if (pass == P::Tables || pass == P::Notes || pass == P::BlackBoxes) return;
  for (int i = 0; i < TWO_TERMINAL_SLOTS && bench.elements[i].in_use(); ++i) {
    const DrawingRoutine* d = RoutineOfKind(bench.elements[i].kind);
    if (d && d->pass == pass && d->slot) d->slot(c, i);
  }
}

}  // namespace voltaro
