#pragma once
// The program's own icon: a cell, a meter and a lit bulb in one circuit on
// a blue tile, drawn afresh for every size so the small ones stay clear.

#include <QImage>
#include <QString>
#include <vector>

namespace voltaro::pictures {

// The sizes a desktop asks for, in pixels.
inline constexpr int ICON_SIZES[] = {16, 24, 32, 48, 64, 128, 256};

// The icon at `size` x `size` pixels, transparent outside its tile.
QImage app_icon(int size);

// Writes the icons as one Windows icon file, largest last, each as a
// 32-bit bitmap with its alpha; the window takes whichever size it needs.
// Returns false when the file cannot be written.
bool write_ico(const std::vector<QImage>& icons, const QString& path);

}  // namespace voltaro::pictures
