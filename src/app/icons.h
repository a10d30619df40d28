#pragma once
// The tool bar's own button pictures, drawn small and clear.

#include <QFont>
#include <QIcon>
#include <QImage>
#include <QString>

namespace voltaro {

// The icon for a tool button by its hint ("New", "Open", "Rotate", ...).
QIcon ToolIcon(const QString& hint);

// `picture` with `caption` written under it in black, word-wrapped to the
// picture's width (at least 50 pixels) in `font` at 10 pixels or less, as
// small as needed (down to 7) for the longest word to fit: for buttons too
// narrow for a caption on one line.
QImage CaptionedPicture(const QImage& picture, const QString& caption, QFont font);

}  // namespace voltaro
