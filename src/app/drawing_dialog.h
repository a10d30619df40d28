#pragma once
// "Export Drawing": the save dialog of Export Drawing.

#include <QFileDialog>
#include <QStringList>

namespace voltaro {

// Offers the SVG, PDF and PNG filters. A name typed without an ending gets
// the ending of the filter chosen, so that "circuit" is saved as
// "circuit.svg", or "circuit.pdf" under the PDF filter.
class DrawingFileDialog : public QFileDialog {
  Q_OBJECT
 public:
  explicit DrawingFileDialog(QWidget* parent);
  // The sizes a PNG picture can be painted at, 1 to 4 times the bench's.
  static QStringList PictureSizes();

 protected:
  void accept() override;
};

}  // namespace voltaro
