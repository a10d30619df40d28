#pragma once
// "Document Note": the text and font of a note on the bench.

#include <QPlainTextEdit>

#include "dialogs/dialog_frame.h"
#include "model/bench.h"

namespace voltaro {

// The font a note is drawn in, as the bench draws it.
QFont FontOfNote(const NoteFont& font);
// The record's font fields for a chosen font; the colour and character set
// are kept from `kept`.
NoteFont NoteFontFor(const QFont& font, const NoteFont& kept);

// The font dialog. Tests replace it.
using FontPicker = std::function<std::optional<QFont>(QWidget* parent, const QFont& initial)>;
std::optional<QFont> PickFont(QWidget* parent, const QFont& initial);

class Form6 : public BenchDialog {
  Q_OBJECT
 public:
  Form6(QWidget* parent, NoteRecord& note);
  QLabel* Label1;         // "Document Note:"
  QPlainTextEdit* Memo1;  // the text
  QPushButton* Font;      // opens the font dialog
  FontPicker pick_font = PickFont;

  const NoteFont& note_font() const { return font_; }
  // The text box takes this font; OK stores it.
  void set_note_font(const NoteFont& font);

 protected:
  void ok() override;

 private:
  NoteRecord& record_;
  NoteFont font_;
};

}  // namespace voltaro
