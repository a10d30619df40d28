// The two sounds as the platform's player will read them: 16-bit PCM mono
// wave files of the right length, audible, and ending without a click.

#include <gtest/gtest.h>

#include <QFile>
#include <QString>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

struct Wave {
  int format = 0, channels = 0, rate = 0, bits = 0;
  std::vector<int16_t> samples;
};

uint32_t le32(const QByteArray& b, int at) {
  uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = v << 8 | static_cast<uint8_t>(b[at + i]);
  return v;
}

uint16_t le16(const QByteArray& b, int at) {
  return static_cast<uint16_t>(static_cast<uint8_t>(b[at]) | static_cast<uint8_t>(b[at + 1]) << 8);
}

// Walks the RIFF chunks; an empty result means the file is not a wave file.
bool read_wave(const QString& path, Wave& w) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return false;
  const QByteArray b = f.readAll();
  if (b.size() < 12 || b.left(4) != "RIFF" || b.mid(8, 4) != "WAVE") return false;
  bool have_format = false;
  for (int at = 12; at + 8 <= b.size();) {
    const QByteArray id = b.mid(at, 4);
    const int size = static_cast<int>(le32(b, at + 4));
    const int body = at + 8;
    if (body + size > b.size()) return false;
    if (id == "fmt ") {
      w.format = le16(b, body);
      w.channels = le16(b, body + 2);
      w.rate = static_cast<int>(le32(b, body + 4));
      w.bits = le16(b, body + 14);
      have_format = true;
    } else if (id == "data") {
      for (int i = 0; i + 1 < size; i += 2)
        w.samples.push_back(static_cast<int16_t>(le16(b, body + i)));
    }
    at = body + size + (size & 1);
  }
  return have_format && !w.samples.empty();
}

TEST(Sounds, ArePcmMonoOfTheirLengthAudibleAndEndQuietly) {
  struct Case {
    const char* file;
    double min_seconds, max_seconds;
  };
  // The fuse pops; the bell rings for about a second and is restarted by
  // every timer tick while it carries its current.
  const Case cases[] = {{"bd.wav", 0.15, 0.6}, {"dl.wav", 0.7, 1.6}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    Wave w;
    ASSERT_TRUE(read_wave(QStringLiteral(VOLTARO_OBJ_DIR "/") + c.file, w));
    EXPECT_EQ(w.format, 1);  // PCM
    EXPECT_EQ(w.channels, 1);
    EXPECT_EQ(w.rate, 22050);
    EXPECT_EQ(w.bits, 16);
    const double seconds = static_cast<double>(w.samples.size()) / w.rate;
    EXPECT_GE(seconds, c.min_seconds);
    EXPECT_LE(seconds, c.max_seconds);
    int peak = 0;
    for (int16_t s : w.samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
    EXPECT_GT(peak, 32767 / 4) << "too quiet to hear over a classroom";
    EXPECT_LT(peak, 32767) << "clipped";
    // The last 5 ms must be near silence, or the player ends on a click.
    const size_t tail = static_cast<size_t>(w.rate / 200);
    int tail_peak = 0;
    for (size_t i = w.samples.size() - tail; i < w.samples.size(); ++i) {
      tail_peak = std::max(tail_peak, std::abs(static_cast<int>(w.samples[i])));
    }
    EXPECT_LT(tail_peak, peak / 10);
  }
}

}  // namespace
