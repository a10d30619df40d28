#pragma once
// Copy and Paste of one bench object through the system clipboard as text:
// a tag line, the object's section word, its kind code, then its editable
// fields one per line, in GB18030 (GBK bytes for every character GBK holds)
// with CR LF line ends. Ids never travel; a pasted object gets fresh ones.

#include <optional>
#include <string>
#include <string_view>

#include "model/bench.h"

namespace voltaro {

// First line of every bench clipboard text (UTF-8 here, GBK on the clipboard).
constexpr std::string_view CLIPBOARD_TAG = "Brenvoltastica电路2.00.651278";

// The system clipboard, holding text in the bench's form (GBK, CR LF). The
// window converts to and from the platform's text.
class ClipboardPort {
 public:
  virtual ~ClipboardPort() = default;
  // The clipboard's text; empty when it holds none.
  virtual std::string text() = 0;
  // Replaces the clipboard's content.
  virtual void set_text(std::string gbk) = 0;
};

// The one element picture the program keeps between Copy and Paste: the
// clipboard carries only text, so a pasted component takes the picture of
// the last one copied.
class PictureHolder {
 public:
  virtual ~PictureHolder() = default;
  // Copy: keep the picture of this two-terminal slot.
  virtual void keep(int slot) = 0;
  // Paste: give the kept picture to this two-terminal slot.
  virtual void give(int slot) = 0;
};

// True when the text's first line is the tag line: Paste is offered only then.
bool IsBenchClipboardText(std::string_view gbk_text);

// The clipboard text of the selected object: a two-terminal component (its
// kind), slide rheostat (12), pointer voltmeter (41) or ammeter (51), SPDT
// switch (71), relay (81) or note (1000), at `index` of its table. Nothing
// for any other selection or a free slot.
std::optional<std::string> CopyText(const Bench& bench, int32_t selected_kind, int index);

// Puts CopyText on the clipboard and, for a two-terminal component, its
// picture into the holder (which may be null). With nothing copyable the
// clipboard keeps what it had. Returns whether anything was copied.
bool CopyToClipboard(const Bench& bench, int32_t selected_kind, int index, ClipboardPort& clipboard,
                     PictureHolder* holder);

enum class PasteOutcome {
  Pasted,
  UnknownKind,  // line 3 names no family: nothing added, the bench analysed again
  TableFull,    // the family's table is at its paste limit: nothing changes
  NoWireRoom,   // no wire slot left for the object's hidden links: nothing changes
  Malformed,    // line 3 is not an integer or the text ends early: nothing changes
};

struct PasteResult {
  PasteOutcome outcome = PasteOutcome::Malformed;
  int index = -1;  // slot of the new object in its table
};

// Makes a new object from clipboard text at `at` (the last pointer position
// on the bench), with fresh ids and its hidden links, then analyses the
// bench. Lines 1 and 2 are not looked at.
PasteResult PasteText(Bench& bench, std::string_view gbk_text, Point at, PictureHolder* holder);

// PasteText with the clipboard's text.
PasteResult PasteFromClipboard(Bench& bench, ClipboardPort& clipboard, Point at,
                               PictureHolder* holder);

}  // namespace voltaro
