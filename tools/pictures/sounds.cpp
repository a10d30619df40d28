#include "sounds.h"

#include <QFile>
#include <algorithm>
#include <cmath>
#include <random>

namespace voltaro::pictures {

namespace {

std::vector<int16_t> to_pcm(const std::vector<double>& wave, double peak) {
  double top = 1e-9;
  for (double v : wave) top = std::max(top, std::abs(v));
  std::vector<int16_t> out;
  out.reserve(wave.size());
  for (double v : wave) out.push_back(static_cast<int16_t>(std::lround(v / top * peak * 32767)));
  return out;
}

void put16(QByteArray& b, uint16_t v) {
  b.append(static_cast<char>(v & 0xff));
  b.append(static_cast<char>(v >> 8));
}

void put32(QByteArray& b, uint32_t v) {
  for (int i = 0; i < 4; ++i) b.append(static_cast<char>((v >> (8 * i)) & 0xff));
}

}  // namespace

std::vector<int16_t> fuse_pop() {
  // A thin wire melting gives a sharp crack of broadband noise with a short
  // low thump under it, all gone within a third of a second.
  const int n = SAMPLE_RATE * 3 / 10;
  std::mt19937 noise_source(1987);
  std::uniform_real_distribution<double> noise(-1.0, 1.0);
  std::vector<double> wave(n);
  double low = 0;
  for (int i = 0; i < n; ++i) {
    const double t = static_cast<double>(i) / SAMPLE_RATE;
    const double attack = std::min(1.0, t / 0.002);
    const double crack = noise(noise_source) * std::exp(-t / 0.025);
    low += 0.08 * (noise(noise_source) - low);  // a rumble: noise through a gentle low-pass
    const double thump = std::sin(2 * M_PI * 90 * t) * std::exp(-t / 0.06);
    const double tail = low * 1.6 * std::exp(-t / 0.09);
    wave[i] = attack * (0.75 * crack + 0.55 * thump + tail);
  }
  return to_pcm(wave, 0.85);
}

std::vector<int16_t> bell_ring() {
  // The hammer of an electric bell strikes the gong about twenty times a
  // second. Each strike excites the gong's partials, which are not
  // harmonic for a metal dome; the interrupter makes the level flutter.
  const int n = SAMPLE_RATE;  // one second
  const double strike_rate = 21.0;
  struct Partial {
    double ratio, level, decay;
  };
  const Partial partials[] = {
      {1.0, 1.0, 0.45},   {2.32, 0.55, 0.30}, {4.25, 0.35, 0.18},
      {6.63, 0.20, 0.10}, {9.38, 0.10, 0.06},
  };
  const double base = 1180.0;
  std::vector<double> wave(n, 0.0);
  const double strike_period = 1.0 / strike_rate;
  for (double start = 0; start < 0.92; start += strike_period) {
    const int first = static_cast<int>(start * SAMPLE_RATE);
    for (int i = first; i < n; ++i) {
      const double t = static_cast<double>(i - first) / SAMPLE_RATE;
      double v = 0;
      for (const Partial& p : partials) {
        v += p.level * std::sin(2 * M_PI * base * p.ratio * t) * std::exp(-t / p.decay);
      }
      // The click of the hammer itself.
      v += 0.4 * std::sin(2 * M_PI * 3100 * t) * std::exp(-t / 0.003);
      wave[i] += 0.35 * v;
    }
  }
  for (int i = 0; i < n; ++i) {
    const double t = static_cast<double>(i) / SAMPLE_RATE;
    const double tremolo = 0.8 + 0.2 * std::sin(2 * M_PI * 7.0 * t);
    const double fade_in = std::min(1.0, t / 0.004);
    const double fade_out = std::min(1.0, (1.0 - t) / 0.05);
    wave[i] *= tremolo * fade_in * fade_out;
  }
  return to_pcm(wave, 0.8);
}

bool write_wav(const std::vector<int16_t>& samples, const QString& path) {
  const uint32_t data_bytes = static_cast<uint32_t>(samples.size() * 2);
  QByteArray b;
  b.append("RIFF");
  put32(b, 36 + data_bytes);
  b.append("WAVE");
  b.append("fmt ");
  put32(b, 16);
  put16(b, 1);  // PCM
  put16(b, 1);  // mono
  put32(b, SAMPLE_RATE);
  put32(b, SAMPLE_RATE * 2);
  put16(b, 2);
  put16(b, 16);
  b.append("data");
  put32(b, data_bytes);
  for (int16_t s : samples) put16(b, static_cast<uint16_t>(s));
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  return file.write(b) == b.size();
}

}  // namespace voltaro::pictures
