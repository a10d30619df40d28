#pragma once
// Platform services the model needs, as small ports with one real
// implementation in the window and a fake in the tests.

#include <cstdint>
#include <string_view>

namespace voltaro {

// The two sounds of the bench, as file names under the program folder.
constexpr std::string_view SOUND_FUSE_BLOWS = "obj/bd.wav";
constexpr std::string_view SOUND_BELL = "obj/dl.wav";

class SoundPlayer {
 public:
  virtual ~SoundPlayer() = default;
  // Starts a sound without waiting for it; a sound already playing is replaced.
  virtual void play(std::string_view sound) = 0;
  // Stops whatever is playing.
  virtual void stop() = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual int64_t now_ms() = 0;
};

}  // namespace voltaro
