#include "app/platform.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QSoundEffect>
#include <QUrl>

#include "document/gbk.h"

namespace voltaro {

std::string DesktopClipboard::text() {
  // The desktop holds Unicode; the bench reads and writes GBK with CR LF.
  QString text = QGuiApplication::clipboard()->text();
  return Utf8ToGbk(text.toStdString());
}

void DesktopClipboard::set_text(std::string gbk) {
  QGuiApplication::clipboard()->setText(QString::fromStdString(GbkToUtf8(gbk)));
}

DesktopSound::DesktopSound(QString program_dir) : dir_(std::move(program_dir)) {}
DesktopSound::~DesktopSound() = default;

QSoundEffect* DesktopSound::effect(std::string_view sound) {
  const bool fuse = sound == SOUND_FUSE_BLOWS;
  std::unique_ptr<QSoundEffect>& slot = fuse ? fuse_ : bell_;
  if (!slot) {
    // Made on first use, so a bench that never rings never opens the
    // sound device.
    slot = std::make_unique<QSoundEffect>();
    slot->setSource(
        QUrl::fromLocalFile(dir_ + "/" + QString::fromUtf8(sound.data(), sound.size())));
  }
  return slot.get();
}

void DesktopSound::play(std::string_view sound) {
  last_played = std::string(sound);
  if (qEnvironmentVariable("QT_QPA_PLATFORM") == "offscreen") return;
  effect(sound)->play();
}

void DesktopSound::stop() {
  for (auto* e : {fuse_.get(), bell_.get()}) {
    if (e) e->stop();
  }
}

}  // namespace voltaro
