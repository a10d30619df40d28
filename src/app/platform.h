#pragma once
// The bench's platform services on a real desktop: the clipboard (GBK text
// in the bench, Unicode on the desktop), the two sounds and the clock.

#include <QElapsedTimer>
#include <QString>
#include <memory>

#include "document/clipboard.h"
#include "model/ports.h"

class QSoundEffect;

namespace voltaro {

class DesktopClipboard : public ClipboardPort {
 public:
  std::string text() override;
  void set_text(std::string gbk) override;
};

// Plays the sounds of the obj folder. A machine without a sound device
// stays silent and carries on.
class DesktopSound : public SoundPlayer {
 public:
  explicit DesktopSound(QString program_dir);
  ~DesktopSound() override;
  void play(std::string_view sound) override;
  void stop() override;
  // What was played last, for the window's tests.
  std::string last_played;

 private:
  QSoundEffect* effect(std::string_view sound);
  QString dir_;
  std::unique_ptr<QSoundEffect> fuse_, bell_;
};

class DesktopClock : public Clock {
 public:
  DesktopClock() { timer_.start(); }
  int64_t now_ms() override { return timer_.elapsed(); }

 private:
  QElapsedTimer timer_;
};

}  // namespace voltaro
