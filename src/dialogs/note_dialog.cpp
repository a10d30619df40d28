#include "dialogs/note_dialog.h"

#include <QFontDialog>
#include <QFontInfo>
#include <QFontMetrics>
#include <cmath>

namespace voltaro {
namespace {

// The pitch values a note keeps: default or fixed.
constexpr int8_t PITCH_DEFAULT = 0;
constexpr int8_t PITCH_FIXED = 2;
// The character set a new note gets: the system's default.
constexpr uint8_t DEFAULT_CHARSET = 1;

}  // namespace

QFont FontOfNote(const NoteFont& n) {
  QFont f(QString::fromStdString(n.name));
  if (n.height != 0) {
    f.setPixelSize(std::abs(n.height));
  } else {
    f.setPointSize(n.size > 0 ? n.size : 10);
  }
  f.setBold(n.style & FONT_BOLD);
  f.setItalic(n.style & FONT_ITALIC);
  f.setUnderline(n.style & FONT_UNDERLINE);
  f.setStrikeOut(n.style & FONT_STRIKE_OUT);
  if (n.pitch == PITCH_FIXED) f.setFixedPitch(true);
  return f;
}

NoteFont NoteFontFor(const QFont& font, const NoteFont& kept) {
  const QFontInfo info(font);
  NoteFont n;
  n.charset = kept.charset;
  n.color = kept.color;
  // The bench lays out notes by character height in pixels, negative as a
  // character (not cell) height.
  n.height = -(font.pixelSize() > 0 ? font.pixelSize() : info.pixelSize());
  n.size = static_cast<int32_t>(std::lround(info.pointSizeF()));
  n.pitch = info.fixedPitch() ? PITCH_FIXED : PITCH_DEFAULT;
  n.style = (font.bold() ? FONT_BOLD : 0) | (font.italic() ? FONT_ITALIC : 0) |
            (font.underline() ? FONT_UNDERLINE : 0) | (font.strikeOut() ? FONT_STRIKE_OUT : 0);
  n.name = font.family().toStdString();
  return n;
}

std::optional<QFont> PickFont(QWidget* parent, const QFont& initial) {
  bool ok = false;
  const QFont f = QFontDialog::getFont(&ok, initial, parent);
  if (!ok) return std::nullopt;
  return f;
}

Form6::Form6(QWidget* parent, NoteRecord& note)
    : BenchDialog(parent, QStringLiteral("Document Note")), record_(note) {
  hide_picture();
  Label1 = new QLabel(QStringLiteral("Document Note:"));
  add_widget(Label1);
  Memo1 = new QPlainTextEdit;
  Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
  Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo1->setMinimumSize(380, 200);
  add_widget(Memo1);
  Font = add_side_button(QStringLiteral("Font"));

  if (record_.in_use == 0) {
    // A new note starts in the dialog's own lettering.
    NoteFont fresh;
    fresh.charset = DEFAULT_CHARSET;
    set_note_font(NoteFontFor(Label1->font(), fresh));
    Memo1->clear();
  } else {
    Memo1->clear();
    set_note_font(NoteFontOf(record_));
    QStringList lines;
    for (const std::string& line : record_.lines) lines << QString::fromStdString(line);
    Memo1->setPlainText(lines.join('\n'));
  }
  Memo1->setFocus();

  connect(Font, &QPushButton::clicked, this, [this] {
    if (const auto chosen = pick_font(this, Memo1->font())) {
      set_note_font(NoteFontFor(*chosen, font_));
    }
  });
}

void Form6::set_note_font(const NoteFont& font) {
  font_ = font;
  Memo1->setFont(FontOfNote(font_));
  QPalette pal = Memo1->palette();
  pal.setColor(QPalette::Text, ColorOfBenchValue(font_.color));
  Memo1->setPalette(pal);
}

void Form6::ok() {
  std::vector<std::string> lines = SplitNoteText(Memo1->toPlainText().toStdString());
  if (const auto error = CheckNoteText(lines)) {
    show_message(this, QString::fromStdString(error->message));
    Memo1->setFocus();
    return;
  }
  // The frame is as wide as the widest line in the very font the bench
  // draws the note in.
  const QFontMetrics metrics(FontOfNote(font_));
  int width = 0;
  for (const std::string& line : lines) {
    width = std::max(width, metrics.horizontalAdvance(QString::fromStdString(line)));
  }
  StoreNote(font_, std::move(lines), width, record_);
  accept();
}

}  // namespace voltaro
