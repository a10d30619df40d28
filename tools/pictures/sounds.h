#pragma once
// The two sounds of the bench, synthesised: the pop of a fuse wire melting
// and the ring of an electric bell.

#include <QString>
#include <cstdint>
#include <vector>

namespace voltaro::pictures {

inline constexpr int SAMPLE_RATE = 22050;

std::vector<int16_t> fuse_pop();
std::vector<int16_t> bell_ring();

// Writes 16-bit PCM mono at SAMPLE_RATE. Returns false when the file cannot
// be written.
bool write_wav(const std::vector<int16_t>& samples, const QString& path);

}  // namespace voltaro::pictures
