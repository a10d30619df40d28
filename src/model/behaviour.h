#pragma once
// What follows from a solution: diodes that block or conduct, fuses that
// blow, bulbs that burn out or glow, relays that pick up, bells that ring,
// sources that are short-circuited.

#include "model/bench.h"

namespace voltaro {

// Each rule looks at one record after an analysis and changes its state when
// the results call for it. They run while the bench is drawn, in drawing
// order, just before the record is drawn.
void UpdateDiode(Bench& bench, int slot);
void UpdateFuse(Bench& bench, int slot);
void UpdateBulb(Bench& bench, int slot);
void UpdateRelay(Bench& bench, int index);

struct MotionStamps;

// Every change the redraw makes to the bench, in drawing order: the rod's
// step, the state rules of bulbs, fuses and diodes, the relays, the rheostat
// terminals of the view, the machines' steps. Without stamps nothing moves.
void ApplyStateRules(Bench& bench, MotionStamps* motion = nullptr, int64_t now_ms = 0);

// The bulb picture to show: 0 for a burnt bulb, else 1 (dark) to 10.
int BulbPicture(const ElementRecord& bulb);

// A signal light is lit while it carries at least its rated current.
bool SignalLightLit(const ElementRecord& light);

// A bell rings while it carries at least its rated current (never with a
// rating of 0).
bool BellRinging(const ElementRecord& bell);

// Slot of the first bell that rings, or -1.
int FirstRingingBell(const Bench& bench);

// Slot of the first source driven past the short-circuit current, or -1.
int ShortCircuitedSource(const Bench& bench);

}  // namespace voltaro
