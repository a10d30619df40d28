#pragma once
// "保存为图片": the save dialog of Save as Picture.

#include <QFileDialog>

namespace voltaro {

// Offers the bitmap and the JPEG filter. A name typed without an ending
// gets the ending of the filter chosen, so that "bench_pic" is saved as
// "bench_pic.bmp", or "bench_pic.jpg" under the JPEG filter.
class PictureFileDialog : public QFileDialog {
  Q_OBJECT
 public:
  explicit PictureFileDialog(QWidget* parent);

 protected:
  void accept() override;
};

}  // namespace voltaro
