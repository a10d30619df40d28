#pragma once
// Writing the bench to a file: the bench picture as last drawn (Save as
// Picture), and a clean drawing of the bench for paper and slides (Export
// Drawing).

#include <QImage>
#include <QString>

namespace voltaro {

class BenchRenderer;

enum class ExportOutcome { Written, Failed, NotAPictureName };

// Writes the picture as a Windows bitmap when the name ends in "p" or "P",
// as JPEG when it ends in "g" or "G"; any other name writes nothing. Only
// the last letter counts, so "bench.png" is written as JPEG.
ExportOutcome SaveBenchPicture(const QImage& image, const QString& file_name);

// What a drawing's file name asks for, by its ending (in any case).
enum class DrawingFormat { Png, Bmp, Jpg, Svg, Pdf, Unknown };
DrawingFormat DrawingFormatOf(const QString& file_name);

constexpr int MAX_DRAWING_SCALE = 4;

// Writes the bench as it stands, in its present view, with no selection
// outlined: as an SVG or a one-page PDF drawing, in which wires, symbols
// and text stay lines and letters and the apparatus pictures go in drawn
// four times larger; or as a bitmap painted `scale` (1 to 4) times larger
// than the bench. A name with another ending writes nothing; a file is
// replaced only once its new content is complete.
ExportOutcome ExportDrawing(BenchRenderer& renderer, const QString& file_name, int scale);

}  // namespace voltaro
