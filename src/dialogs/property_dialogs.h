#pragma once
// The one door from the bench window to every dialog of this folder. The
// desktop's answers to the window's modal questions forward to these:
//
//   edit_properties(kind, index) -> EditProperties(owner, bench, pictures, kind, index)
//   choose_bulb(slot)            -> ChooseBulb(owner, bench, pictures, slot)
//   edit_note(index)             -> EditNote(owner, bench, index)
//   set_up_black_box(index)      -> SetUpBlackBox(owner, bench, index)
//   password_matches(index)      -> OpenBlackBoxPassword(owner, bench, index)
//   "&About the software"        -> ShowAbout(owner, program_dir)
//
// Each shows its dialog modally over `owner` (the window's timer keeps
// ticking meanwhile) and returns when it closes. The dialogs write only the
// record; the caller runs the analysis afterwards as it always does. The
// slide resistor and resistance box dialogs run `doing` themselves while
// their controls move, and the generator dialogs write their record as the
// track bars move.
//
// A two-terminal component's picture carries its parameter caption, so
// after EditProperties on a two-terminal kind the window rebuilds that
// slot's picture (BenchRenderer::make_fact_two_obj_pic).

#include <QString>
#include <QWidget>
#include <cstdint>

#include "interaction/ui_port.h"
#include "model/bench.h"

namespace voltaro {

class PictureSet;

// The property dialog of component `index` of kind `kind` (an index into
// its kind's table); a note (kind 1000) opens the note dialog. Cancelled at
// once when the kind has no dialog or the index is no record in use. The
// resistance box's face is read from the obj folder beside the program.
DialogOutcome EditProperties(QWidget* owner, Bench& bench, const PictureSet& pictures, int32_t kind,
                             int index);
// "Choice bulbs " for the bulb just placed in two-terminal slot `slot`.
void ChooseBulb(QWidget* owner, Bench& bench, const PictureSet& pictures, int slot);
// "Document Note" for note `index`: a new note when its in_use is 0.
DialogOutcome EditNote(QWidget* owner, Bench& bench, int index);
// "Black box setting" for the box just drawn. On Cancelled the caller
// removes the box.
DialogOutcome SetUpBlackBox(QWidget* owner, Bench& bench, int index);
// "Open black box": true when the box's password was typed. The caller
// removes the box.
bool OpenBlackBoxPassword(QWidget* owner, Bench& bench, int index);
// The about window; `program_dir` holds "show.bmp".
void ShowAbout(QWidget* owner, const QString& program_dir);

}  // namespace voltaro
