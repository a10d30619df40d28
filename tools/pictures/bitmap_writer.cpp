#include "bitmap_writer.h"

#include <QFile>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace voltaro::pictures {

namespace {

struct Bin {
  QRgb colour;
  int count;
};

int channel(QRgb c, int k) {
  return k == 0 ? qRed(c) : k == 1 ? qGreen(c) : qBlue(c);
}

// Median cut over the weighted colours, then a few rounds of moving each
// palette entry to the mean of the colours it serves.
std::vector<QRgb> choose_palette(std::vector<Bin> bins, size_t size) {
  if (bins.size() <= size) {
    std::vector<QRgb> exact;
    for (const Bin& b : bins) exact.push_back(b.colour);
    return exact;
  }
  struct Box {
    size_t begin, end;
  };
  std::vector<Box> boxes{{0, bins.size()}};
  auto spread = [&](const Box& box, int& widest) {
    int best = -1;
    for (int k = 0; k < 3; ++k) {
      int lo = 255, hi = 0;
      for (size_t i = box.begin; i < box.end; ++i) {
        lo = std::min(lo, channel(bins[i].colour, k));
        hi = std::max(hi, channel(bins[i].colour, k));
      }
      if (hi - lo > best) {
        best = hi - lo;
        widest = k;
      }
    }
    long weight = 0;
    for (size_t i = box.begin; i < box.end; ++i) weight += bins[i].count;
    // Split busy boxes first, and wide ones among them.
    return static_cast<double>(best) * std::sqrt(static_cast<double>(weight));
  };
  while (boxes.size() < size) {
    int pick = -1, axis = 0;
    double best = 0;
    for (size_t b = 0; b < boxes.size(); ++b) {
      if (boxes[b].end - boxes[b].begin < 2) continue;
      int k = 0;
      double s = spread(boxes[b], k);
      if (s > best) {
        best = s;
        pick = static_cast<int>(b);
        axis = k;
      }
    }
    if (pick < 0) break;
    Box box = boxes[pick];
    std::sort(bins.begin() + box.begin, bins.begin() + box.end, [axis](const Bin& a, const Bin& b) {
      return channel(a.colour, axis) < channel(b.colour, axis);
    });
    long total = 0;
    for (size_t i = box.begin; i < box.end; ++i) total += bins[i].count;
    long half = 0;
    size_t cut = box.begin + 1;
    for (size_t i = box.begin; i < box.end - 1; ++i) {
      half += bins[i].count;
      cut = i + 1;
      if (half * 2 >= total) break;
    }
    boxes[pick] = {box.begin, cut};
    boxes.push_back({cut, box.end});
  }
  std::vector<std::array<double, 3>> centres;
  for (const Box& box : boxes) {
    std::array<double, 3> sum{0, 0, 0};
    double weight = 0;
    for (size_t i = box.begin; i < box.end; ++i) {
      for (int k = 0; k < 3; ++k) sum[k] += channel(bins[i].colour, k) * bins[i].count;
      weight += bins[i].count;
    }
    centres.push_back({sum[0] / weight, sum[1] / weight, sum[2] / weight});
  }
  for (int round = 0; round < 4; ++round) {
    std::vector<std::array<double, 4>> acc(centres.size(), {0, 0, 0, 0});
    for (const Bin& b : bins) {
      size_t best = 0;
      double best_d = 1e30;
      for (size_t c = 0; c < centres.size(); ++c) {
        double d = 0;
        for (int k = 0; k < 3; ++k) {
          double e = channel(b.colour, k) - centres[c][k];
          d += e * e;
        }
        if (d < best_d) {
          best_d = d;
          best = c;
        }
      }
      for (int k = 0; k < 3; ++k) acc[best][k] += channel(b.colour, k) * b.count;
      acc[best][3] += b.count;
    }
    for (size_t c = 0; c < centres.size(); ++c) {
      if (acc[c][3] > 0) {
        for (int k = 0; k < 3; ++k) centres[c][k] = acc[c][k] / acc[c][3];
      }
    }
  }
  std::vector<QRgb> palette;
  for (const auto& c : centres) {
    palette.push_back(qRgb(static_cast<int>(c[0] + 0.5), static_cast<int>(c[1] + 0.5),
                           static_cast<int>(c[2] + 0.5)));
  }
  return palette;
}

void put16(QByteArray& b, uint16_t v) {
  b.append(static_cast<char>(v & 0xff));
  b.append(static_cast<char>(v >> 8));
}

void put32(QByteArray& b, uint32_t v) {
  for (int i = 0; i < 4; ++i) b.append(static_cast<char>((v >> (8 * i)) & 0xff));
}

}  // namespace

QImage to_palette(const QImage& flat, Backdrop backdrop) {
  const bool keyed = backdrop != Backdrop::Opaque;
  const QRgb key = backdrop_key(backdrop);
  std::unordered_map<QRgb, int> counts;
  for (int y = 0; y < flat.height(); ++y) {
    for (int x = 0; x < flat.width(); ++x) {
      const QRgb c = flat.pixel(x, y) | 0xff000000;
      if (!keyed || c != key) ++counts[c];
    }
  }
  std::vector<Bin> bins;
  for (const auto& [colour, count] : counts) bins.push_back({colour, count});
  std::sort(bins.begin(), bins.end(),
            [](const Bin& a, const Bin& b) { return a.colour < b.colour; });
  std::vector<QRgb> palette = choose_palette(bins, keyed ? 255 : 256);
  if (keyed) {
    for (QRgb& c : palette) {
      if ((c | 0xff000000) == key) c = beside_key(key);
    }
    palette.insert(palette.begin(), key);
  }
  QVector<QRgb> table(palette.begin(), palette.end());
  while (table.size() < 256) table.push_back(qRgb(0, 0, 0));

  QImage indexed(flat.size(), QImage::Format_Indexed8);
  indexed.setColorTable(table);
  std::unordered_map<QRgb, uint8_t> nearest;
  const int first = keyed ? 1 : 0;
  for (int y = 0; y < flat.height(); ++y) {
    uchar* row = indexed.scanLine(y);
    for (int x = 0; x < flat.width(); ++x) {
      const QRgb c = flat.pixel(x, y) | 0xff000000;
      if (keyed && c == key) {
        row[x] = 0;
        continue;
      }
      auto found = nearest.find(c);
      if (found == nearest.end()) {
        int best = first;
        int best_d = 1 << 30;
        for (int i = first; i < static_cast<int>(palette.size()); ++i) {
          const int dr = qRed(c) - qRed(palette[i]), dg = qGreen(c) - qGreen(palette[i]),
                    db = qBlue(c) - qBlue(palette[i]);
          const int d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
          if (d < best_d) {
            best_d = d;
            best = i;
          }
        }
        found = nearest.emplace(c, static_cast<uint8_t>(best)).first;
      }
      row[x] = found->second;
    }
  }
  return indexed;
}

bool write_bmp8(const QImage& indexed, const QString& path) {
  const int w = indexed.width(), h = indexed.height();
  const int stride = (w + 3) & ~3;
  const uint32_t header = 14 + 40 + 256 * 4;
  const uint32_t pixels = static_cast<uint32_t>(stride) * h;
  QByteArray b;
  b.reserve(header + pixels);
  b.append("BM");
  put32(b, header + pixels);
  put32(b, 0);
  put32(b, header);
  put32(b, 40);
  put32(b, w);
  put32(b, h);  // positive height: rows stored bottom-up
  put16(b, 1);
  put16(b, 8);
  put32(b, 0);  // no compression
  put32(b, pixels);
  put32(b, 3780);  // 96 dots per inch
  put32(b, 3780);
  put32(b, 256);
  put32(b, 0);
  const QVector<QRgb> table = indexed.colorTable();
  for (int i = 0; i < 256; ++i) {
    const QRgb c = i < table.size() ? table[i] : 0;
    b.append(static_cast<char>(qBlue(c)));
    b.append(static_cast<char>(qGreen(c)));
    b.append(static_cast<char>(qRed(c)));
    b.append('\0');
  }
  for (int y = h - 1; y >= 0; --y) {
    b.append(reinterpret_cast<const char*>(indexed.constScanLine(y)), w);
    for (int pad = w; pad < stride; ++pad) b.append('\0');
  }
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  return file.write(b) == b.size();
}

}  // namespace voltaro::pictures
