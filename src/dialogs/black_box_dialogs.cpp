#include "dialogs/black_box_dialogs.h"

#include <QPainter>

namespace voltaro {

QImage BlackBoxPicture(const QColor& color) {
  QImage image(120, 84, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  // The leads of whatever circuit hides inside, out to two binding posts.
  p.setPen(QPen(QColor(60, 60, 60), 2));
  p.drawLine(QPointF(6, 56), QPointF(30, 56));
  p.drawLine(QPointF(90, 56), QPointF(114, 56));
  for (double x : {8.0, 112.0}) {
    p.setBrush(QColor(200, 40, 30));
    p.drawEllipse(QPointF(x, 56), 5, 5);
  }
  // The box, a little in perspective.
  const QColor top = color.lighter(135);
  p.setPen(QPen(Qt::black, 1.2));
  p.setBrush(top);
  p.drawPolygon(QPolygonF({{26, 22}, {40, 10}, {104, 10}, {90, 22}}));
  p.setBrush(color.darker(125));
  p.drawPolygon(QPolygonF({{90, 22}, {104, 10}, {104, 66}, {90, 78}}));
  p.setBrush(color);
  p.drawRect(QRectF(26, 22, 64, 56));
  QFont f = p.font();
  f.setPixelSize(30);
  f.setBold(true);
  p.setFont(f);
  p.setPen(color.lightness() < 128 ? QColor(235, 235, 235) : QColor(30, 30, 30));
  p.drawText(QRectF(26, 22, 64, 56), Qt::AlignCenter, QStringLiteral("?"));
  return image;
}

Form30::Form30(QWidget* parent, BlackBoxRecord& box)
    : BenchDialog(parent, QStringLiteral("Black box setting")), record_(box) {
  const QColor start = ColorOfBenchValue(record_.color);
  set_picture(BlackBoxPicture(start));
  Shape1 = new ColorSwatch(start, ColorSwatch::Shape::Square);
  add_row(QStringLiteral("ColorL:"), Shape1);
  Edit1 = add_edit(QStringLiteral("Open Passward:"));
  Edit1->setEchoMode(QLineEdit::Password);
  Edit1->clear();
  Edit1->setFocus();
  connect(Shape1, &ColorSwatch::clicked, this, [this] {
    if (const auto c = pick_color(this, Shape1->color())) {
      Shape1->set_color(*c);
      set_picture(BlackBoxPicture(*c));
    }
  });
}

void Form30::ok() {
  StoreBlackBox(BenchValueOfColor(Shape1->color()), Text(Edit1), record_);
  accept();
}

Form31::Form31(QWidget* parent, const BlackBoxRecord& box)
    : BenchDialog(parent, QStringLiteral("Open black box")), record_(box) {
  set_picture(BlackBoxPicture(ColorOfBenchValue(record_.color)));
  Edit1 = add_edit(QStringLiteral("Passward:???"));
  Edit1->setEchoMode(QLineEdit::Password);
  Edit1->clear();
  Edit1->setFocus();
}

void Form31::ok() {
  if (PasswordMatches(record_, Text(Edit1))) {
    accept();
    return;
  }
  show_message(this, QString::fromLatin1(MSG_WRONG_PASSWORD));
  Edit1->clear();
  Edit1->setFocus();
}

}  // namespace voltaro
