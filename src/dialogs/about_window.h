#pragma once
// The about window: the program's name, version and picture. A click on the
// home-page line opens it in the browser; a click anywhere else closes the
// window.

#include <QDialog>
#include <QLabel>

namespace voltaro {

inline constexpr const char* PROGRAM_NAME = "Zentrik Voltaro";
inline constexpr const char* PROGRAM_VERSION = "V3.0";
inline constexpr const char* HOME_PAGE = "https://www.zentrik-voltaro.example/";

class Form5 : public QDialog {
  Q_OBJECT
 public:
  // `program_dir` is the folder of the program, where "show.bmp" lies.
  Form5(QWidget* parent, const QString& program_dir);
  QLabel* Image1;    // show.bmp
  QLabel* HomePage;  // the maker's home page

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace voltaro
