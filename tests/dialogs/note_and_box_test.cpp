// The note dialog, the black-box windows and the about window.

#include <QFontMetrics>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QTest>

#include "dialog_fixture.h"
#include "dialogs/about_window.h"
#include "dialogs/black_box_dialogs.h"
#include "dialogs/note_dialog.h"
#include "dialogs/property_dialogs.h"

namespace voltaro::testing {
namespace {

TEST(NoteDialogWidget, EmptyLinesAreRefusedAndNothingIsStored) {
  DialogBench t;
  NoteRecord& note = t.bench.notes[0];
  Form6 d(nullptr, note);
  t.hear(d);
  d.Memo1->setPlainText("\n\n\n");
  d.ok_button()->click();
  EXPECT_EQ(t.messages, QStringList{MSG_EMPTY_NOTE});
  EXPECT_EQ(note.in_use, 0);
  EXPECT_TRUE(d.isVisible());
}

TEST(NoteDialogWidget, ChosenFontGivesTheFrame) {
  DialogBench t;
  NoteRecord& note = t.bench.notes[0];
  Form6 d(nullptr, note);
  t.hear(d);
  d.pick_font = [](QWidget*, const FontChoice& initial) {
    EXPECT_EQ(initial.color, QColor(Qt::black));  // a new note starts black
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(13);
    f.setBold(true);
    return std::optional<FontChoice>({f, QColor(0, 128, 0)});
  };
  d.Font->click();
  EXPECT_EQ(d.note_font().height, -13);
  EXPECT_EQ(d.Memo1->font().pixelSize(), 13);
  d.Memo1->setPlainText("\nOhm's law\nU = R I");
  d.ok_button()->click();
  ASSERT_EQ(d.result(), QDialog::Accepted);
  EXPECT_EQ(note.in_use, 1);
  EXPECT_EQ(note.lines, (std::vector<std::string>{"", "Ohm's law", "U = R I"}));
  EXPECT_EQ(note.font_height, -13);
  EXPECT_EQ(note.font_style, FONT_BOLD);
  EXPECT_EQ(note.font_color, 128 << 8);
  EXPECT_EQ(note.height, 42);
  const QFontMetrics m(FontOfNote(NoteFontOf(note)));
  EXPECT_EQ(note.width, std::max(m.horizontalAdvance("Ohm's law"), m.horizontalAdvance("U = R I")));
  EXPECT_GT(note.width, 0);
}

TEST(NoteDialogWidget, ExistingNoteOpensWithItsTextAndFont) {
  DialogBench t;
  NoteRecord& note = t.bench.notes[0];
  note.in_use = 1;
  note.lines = {"first", "second"};
  note.font_height = -20;
  note.font_color = 255;
  note.font_name = "DejaVu Serif";
  note.font_style = FONT_ITALIC;
  Form6 d(nullptr, note);
  EXPECT_EQ(d.Memo1->toPlainText(), "first\nsecond");
  EXPECT_EQ(d.Memo1->font().pixelSize(), 20);
  EXPECT_TRUE(d.Memo1->font().italic());
  d.ok_button()->click();
  EXPECT_EQ(note.font_color, 255);  // the colour stays with the note
  EXPECT_EQ(note.font_name, "DejaVu Serif");
  EXPECT_EQ(note.height, 44);
}

TEST(NoteDialogWidget, CancelLeavesANewNoteFree) {
  DialogBench t;
  WhenModalOpens([](BenchDialog& d) {
    static_cast<Form6&>(d).Memo1->setPlainText("never kept");
    d.reject();
  });
  EXPECT_EQ(EditNote(nullptr, t.bench, 0), DialogOutcome::Cancelled);
  EXPECT_EQ(t.bench.notes[0].in_use, 0);
  EXPECT_TRUE(t.bench.notes[0].lines.empty());
}

TEST(BlackBoxWidgets, SettingStoresColourAndPasswordTypedUnseen) {
  DialogBench t;
  BlackBoxRecord& box = t.bench.black_boxes[0];
  box.in_use = 1;
  box.password = "old";
  Form30 d(nullptr, box);
  t.hear(d);
  EXPECT_EQ(d.Edit1->echoMode(), QLineEdit::Password);
  EXPECT_TRUE(d.Edit1->text().isEmpty());
  QColor offered;
  d.pick_color = [&offered](QWidget*, const QColor& initial) {
    offered = initial;
    return std::optional<QColor>(QColor(0, 0, 255));
  };
  QMouseEvent release(QEvent::MouseButtonRelease, QPointF(4, 4), QPointF(4, 4), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(d.Shape1, &release);
  EXPECT_EQ(offered, QColor(0, 0, 0));  // the dialog starts from the box's colour
  d.Edit1->setText("Kirchhoff");
  d.ok_button()->click();
  EXPECT_EQ(box.password, "Kirchhoff");
  EXPECT_EQ(box.color, 0xff0000);  // blue sits in the high byte
}

TEST(BlackBoxWidgets, SettingCancelledIsReported) {
  DialogBench t;
  t.bench.black_boxes[0].in_use = 1;
  WhenModalOpens([](BenchDialog& d) { d.reject(); });
  EXPECT_EQ(SetUpBlackBox(nullptr, t.bench, 0), DialogOutcome::Cancelled);
}

TEST(BlackBoxWidgets, WrongPasswordIsRefusedAndTheBoxEmptied) {
  DialogBench t;
  BlackBoxRecord& box = t.bench.black_boxes[0];
  box.in_use = 1;
  box.password = "Volta";
  Form31 d(nullptr, box);
  t.hear(d);
  EXPECT_EQ(d.Edit1->echoMode(), QLineEdit::Password);
  d.Edit1->setText("volta");
  d.ok_button()->click();
  EXPECT_EQ(t.messages, QStringList{MSG_WRONG_PASSWORD});
  EXPECT_TRUE(d.Edit1->text().isEmpty());
  EXPECT_NE(d.result(), QDialog::Accepted);
  EXPECT_EQ(box.in_use, 1);

  d.Edit1->setText("Volta");
  d.ok_button()->click();
  EXPECT_EQ(d.result(), QDialog::Accepted);
  EXPECT_EQ(box.in_use, 1);  // removing it is the bench's business
}

TEST(BlackBoxWidgets, OpeningThroughTheEntryPoint) {
  DialogBench t;
  t.bench.black_boxes[0].in_use = 1;
  t.bench.black_boxes[0].password = "Volta";
  WhenModalOpens([](BenchDialog& d) {
    static_cast<Form31&>(d).Edit1->setText("Volta");
    d.ok_button()->click();
  });
  EXPECT_TRUE(OpenBlackBoxPassword(nullptr, t.bench, 0));
  EXPECT_FALSE(OpenBlackBoxPassword(nullptr, t.bench, 1));  // no box there
}

TEST(AboutWindow, ShowsTheProgramAndClosesOnAClick) {
  Form5 about(nullptr, QStringLiteral(VOLTARO_BIN_DIR));
  about.show();
  EXPECT_FALSE(about.Image1->pixmap().isNull());
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(10, 10), QPointF(10, 10), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(about.Image1, &press);
  EXPECT_FALSE(about.isVisible());
}

}  // namespace
}  // namespace voltaro::testing

namespace voltaro::testing {
namespace {

TEST(NoteFontDialog, ConfirmedUnchangedKeepsTheLettering) {
  for (bool bold : {false, true}) {
    SCOPED_TRACE(bold);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPointSize(12);
    f.setBold(bold);
    NoteFontDialog d(nullptr, {f, QColor(0, 0, 160)});
    const FontChoice c = d.choice();
    EXPECT_EQ(c.font.family(), f.family());
    EXPECT_EQ(c.font.pointSize(), 12);
    EXPECT_EQ(c.font.bold(), bold);
    EXPECT_FALSE(c.font.italic());
    EXPECT_EQ(c.color, QColor(0, 0, 160));
  }
}

// Enter anywhere in the font chooser confirms the whole font dialog and
// Escape cancels it; neither may leave the dialog open without its chooser.
TEST(NoteFontDialog, EnterConfirmsAndEscapeCancelsFromInsideTheChooser) {
  const struct {
    Qt::Key key;
    int result;
  } keys[] = {{Qt::Key_Return, QDialog::Accepted},
              {Qt::Key_Enter, QDialog::Accepted},
              {Qt::Key_Escape, QDialog::Rejected}};
  QFont f(QStringLiteral("DejaVu Sans"));
  f.setPointSize(12);
  // The boxes and lists of the chooser, in a fixed order.
  const auto boxes_of = [](const NoteFontDialog& d) {
    QList<QWidget*> inside;
    for (QWidget* w : d.findChildren<QLineEdit*>()) inside << w;
    for (QWidget* w : d.findChildren<QListView*>()) inside << w;
    return inside;
  };
  const qsizetype boxes = boxes_of(NoteFontDialog(nullptr, {f, Qt::black})).size();
  ASSERT_GE(boxes, 6);  // family, style and size, each a box and a list
  for (const auto& k : keys) {
    for (qsizetype box = 0; box < boxes; ++box) {
      SCOPED_TRACE(::testing::Message() << "key " << k.key << ", box " << box);
      NoteFontDialog d(nullptr, {f, Qt::black});
      d.show();
      QWidget* target = boxes_of(d)[box];
      if (!target->isVisible()) continue;
      target->setFocus();
      QTest::keyClick(target, k.key);
      EXPECT_EQ(d.result(), k.result);
      EXPECT_FALSE(d.isVisible());
    }
  }
}

}  // namespace
}  // namespace voltaro::testing
