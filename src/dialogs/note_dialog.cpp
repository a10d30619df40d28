#include "dialogs/note_dialog.h"

#include <QFontDialog>
#include <QFontInfo>
#include <QFontMetrics>
#include <QKeyEvent>
#include <cmath>

namespace voltaro {
namespace {

// The pitch values a note keeps: default or fixed.
constexpr int8_t PITCH_DEFAULT = 0;
constexpr int8_t PITCH_FIXED = 2;
// The character set a new note gets: the system's default.
constexpr uint8_t DEFAULT_CHARSET = 1;

// The toolkit's font chooser, without buttons of its own, inside the note's
// font dialog. As a dialog of its own it would take Enter only in its
// lists and then close itself alone; here Enter in any of its boxes and
// lists confirms it, and the font dialog around it with it.
class FontChooser : public QFontDialog {
 public:
  explicit FontChooser(const QFont& start) : QFontDialog(start) {
    setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    setWindowFlags(Qt::Widget);
  }

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
      accept();
      return;
    }
    QFontDialog::keyPressEvent(event);
  }
};

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

NoteFont NoteFontFor(const QFont& font, const QColor& color, const NoteFont& kept) {
  const QFontInfo info(font);
  NoteFont n;
  n.charset = kept.charset;
  n.color = BenchValueOfColor(color);
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

NoteFontDialog::NoteFontDialog(QWidget* parent, const FontChoice& initial) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Font"));
  auto* v = new QVBoxLayout(this);
  v->setContentsMargins(14, 14, 14, 12);
  // Given a font without its style name the font dialog may select the
  // first style of the family (an oblique one), so OK alone would slant
  // the note; naming the style the font really has prevents that.
  QFont start = initial.font;
  if (start.styleName().isEmpty()) start.setStyleName(QFontInfo(start).styleName());
  fonts_ = new FontChooser(start);
  v->addWidget(fonts_);
  auto* row = new QHBoxLayout;
  row->setSpacing(8);
  row->addWidget(new QLabel(QStringLiteral("Color:")));
  swatch_ = new ColorSwatch(initial.color, ColorSwatch::Shape::Square);
  row->addWidget(swatch_);
  row->addStretch(1);
  auto* ok = new QPushButton(QStringLiteral("OK"));
  ok->setDefault(true);
  auto* cancel = new QPushButton(QStringLiteral("Cancel"));
  for (QPushButton* b : {ok, cancel}) {
    b->setMinimumWidth(88);
    row->addWidget(b);
  }
  v->addLayout(row);
  connect(swatch_, &ColorSwatch::clicked, this, [this] {
    if (const auto c = PickColor(this, swatch_->color())) swatch_->set_color(*c);
  });
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  // Enter and Escape inside the chooser end the whole dialog, never the
  // chooser alone, which would leave an empty window.
  connect(fonts_, &QDialog::accepted, this, &QDialog::accept);
  connect(fonts_, &QDialog::rejected, this, &QDialog::reject);
}

FontChoice NoteFontDialog::choice() const {
  return {fonts_->currentFont(), swatch_->color()};
}

std::optional<FontChoice> PickFont(QWidget* parent, const FontChoice& initial) {
  NoteFontDialog dialog(parent, initial);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.choice();
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
    set_note_font(NoteFontFor(Label1->font(), Qt::black, fresh));
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
    const FontChoice now{Memo1->font(), ColorOfBenchValue(font_.color)};
    if (const auto chosen = pick_font(this, now)) {
      set_note_font(NoteFontFor(chosen->font, chosen->color, font_));
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
