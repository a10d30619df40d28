#pragma once
// Writing pictures the way the bench reads them: Windows bitmaps with a
// 256-colour palette and one byte per pixel, the layout the pixel-by-pixel
// quarter turn of the element pictures works on.

#include <QImage>
#include <QString>

#include "pictures/picture.h"

namespace voltaro::pictures {

// Reduces a flattened picture to at most 256 colours. The key colour (when
// the backdrop has one) keeps its own palette entry and no other pixel maps
// to it.
QImage to_palette(const QImage& flat, Backdrop backdrop);

// Writes an 8-bit palette image as an uncompressed Windows bitmap.
// Returns false when the file cannot be written.
bool write_bmp8(const QImage& indexed, const QString& path);

}  // namespace voltaro::pictures
