#pragma once
// Writing the bench picture to a file.

#include <QImage>
#include <QString>

namespace voltaro {

enum class ExportOutcome { Written, Failed, NotAPictureName };

// Writes the picture as a Windows bitmap when the name ends in "p" or "P",
// as JPEG when it ends in "g" or "G"; any other name writes nothing. Only
// the last letter counts, so "bench.png" is written as JPEG.
ExportOutcome SaveBenchPicture(const QImage& image, const QString& file_name);

}  // namespace voltaro
