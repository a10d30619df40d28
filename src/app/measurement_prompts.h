#pragma once
// What the chart and the table of measurements ask of the desktop: where to
// save a file, a message when it could not be written, and the clipboard.
// The desktop answers with its dialogs; tests answer instead.

#include <QString>

class QWidget;

namespace voltaro {

// What the windows say when an export writes nothing.
inline constexpr const char* EXPORT_NOT_WRITTEN =
    "Nothing was written: the file could not be saved there.";

class MeasurementPrompts {
 public:
  virtual ~MeasurementPrompts() = default;
  // A save dialog over `owner` for files ending in `suffix` ("csv",
  // "png"); empty when cancelled.
  virtual QString save_path(QWidget* owner, const QString& title, const QString& suffix) = 0;
  virtual void error(QWidget* owner, const QString& message) = 0;
  // Puts text on the desktop's clipboard, where spreadsheets paste it from.
  virtual void set_clipboard(const QString& text) = 0;
};

class DesktopMeasurementPrompts : public MeasurementPrompts {
 public:
  QString save_path(QWidget* owner, const QString& title, const QString& suffix) override;
  void error(QWidget* owner, const QString& message) override;
  void set_clipboard(const QString& text) override;
};

// Writes the bytes over the file at `path` (all or nothing); false when
// they could not be written.
bool WriteExport(const QString& path, const QByteArray& bytes);

}  // namespace voltaro
