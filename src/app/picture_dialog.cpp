#include "app/picture_dialog.h"

namespace voltaro {
namespace {

const char* const BITMAP_FILTER = "图片文件 (*.bmp)";
const char* const JPEG_FILTER = "图片文件 (*.jpg)";

}  // namespace

PictureFileDialog::PictureFileDialog(QWidget* parent)
    : QFileDialog(parent, "保存为图片", ".", QString(BITMAP_FILTER) + ";;" + QString(JPEG_FILTER)) {
  setAcceptMode(QFileDialog::AcceptSave);
  setDefaultSuffix("bmp");
}

void PictureFileDialog::accept() {
  // The filter may have been changed since the dialog opened, by the user
  // or not; the ending follows the one chosen at the moment of saving.
  setDefaultSuffix(selectedNameFilter() == JPEG_FILTER ? "jpg" : "bmp");
  QFileDialog::accept();
}

}  // namespace voltaro
