#pragma once
// "Document Note": the text and font of a note on the bench.

#include <QFontDialog>
#include <QPlainTextEdit>

#include "dialogs/dialog_frame.h"
#include "model/bench.h"

namespace voltaro {

// The font a note is drawn in, as the bench draws it.
QFont FontOfNote(const NoteFont& font);
// The record's font fields for a chosen font; the character set is kept
// from `kept`.
NoteFont NoteFontFor(const QFont& font, const QColor& color, const NoteFont& kept);

// What the font dialog gives: the lettering and its colour.
struct FontChoice {
  QFont font;
  QColor color;
};
// The toolkit's font dialog has no colour, so it is shown inside this one
// with the colour swatch under it.
class NoteFontDialog : public QDialog {
  Q_OBJECT
 public:
  NoteFontDialog(QWidget* parent, const FontChoice& initial);
  FontChoice choice() const;

 private:
  QFontDialog* fonts_;
  ColorSwatch* swatch_;
};

// The font dialog, with the colour of the letters under it. Tests replace it.
using FontPicker =
    std::function<std::optional<FontChoice>(QWidget* parent, const FontChoice& initial)>;
std::optional<FontChoice> PickFont(QWidget* parent, const FontChoice& initial);

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
