// The generated pictures as the bench will read them: Windows bitmaps with
// a 256-colour palette, of the size the bench geometry implies, with every
// terminal drawn where the placement offsets put the wire ends.

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QString>
#include <cstdint>
#include <iterator>
#include <vector>

namespace {

const QString OBJ = QStringLiteral(VOLTARO_OBJ_DIR "/");
const QString BIN = QStringLiteral(VOLTARO_BIN_DIR "/");
const QString ICONS = QStringLiteral(VOLTARO_ICON_DIR "/");

enum class Backdrop { BottomLeft, White, Opaque };

struct Header {
  bool ok = false;
  int width = 0, height = 0, bits = 0, compression = -1;
};

Header read_header(const QString& path) {
  QFile f(path);
  Header h;
  if (!f.open(QIODevice::ReadOnly)) return h;
  const QByteArray b = f.read(54);
  if (b.size() < 54 || !b.startsWith("BM")) return h;
  auto u16 = [&](int at) {
    return static_cast<int>(static_cast<uint8_t>(b[at]) | static_cast<uint8_t>(b[at + 1]) << 8);
  };
  auto i32 = [&](int at) { return static_cast<int32_t>(u16(at) | u16(at + 2) << 16); };
  h.ok = true;
  h.width = i32(18);
  h.height = i32(22);
  h.bits = u16(28);
  h.compression = i32(30);
  return h;
}

// A picture in bench terms: where the component's centre (x, y) falls in
// the picture (the drawing offset of its routine), and the offsets of the
// points the bench draws to (terminals, needle pivots, the knob).
struct Apparatus {
  const char* file;
  int width, height;
  Backdrop backdrop;
  QPoint centre;
  std::vector<QPoint> anchors;
};

void PrintTo(const Apparatus& a, std::ostream* os) {
  *os << a.file;
}

const std::vector<Apparatus>& apparatus() {
  // clang-format off
  static const std::vector<Apparatus> all = {
      // Drawn at (x - w, y - h).
      {"ptdz1.obj", 84, 22, Backdrop::BottomLeft, {42, 11}, {{-37, 0}, {35, 0}}},
      {"cjdy1.obj", 82, 42, Backdrop::BottomLeft, {41, 21}, {{-25, -19}, {23, -19}}},
      {"dzs1.obj", 80, 24, Backdrop::BottomLeft, {40, 12}, {{-37, 0}, {37, 0}}},
      {"bzx.obj", 122, 76, Backdrop::BottomLeft, {61, 38}, {{-56, -18}, {-56, 16}}},
      {"gdc1.obj", 94, 28, Backdrop::BottomLeft, {47, 14}, {{-43, 0}, {43, 0}}},
      {"xdc.obj", 64, 82, Backdrop::BottomLeft, {32, 41}, {{-12, -33}, {12, -33}}},
      {"gdcz.obj", 104, 36, Backdrop::BottomLeft, {52, 18}, {{-48, 0}, {48, 0}}},
      // Placement and the geometry refresh give the storage battery set
      // slightly different terminals; both must land on its posts.
      {"xdcz.obj", 86, 98, Backdrop::BottomLeft, {43, 49},
       {{-22, -29}, {22, -41}, {-23, -29}, {19, -41}}},
      {"9vdc.obj", 40, 80, Backdrop::BottomLeft, {20, 40}, {{-8, -34}, {8, -34}}},
      {"ejg1.obj", 66, 16, Backdrop::BottomLeft, {33, 8}, {{-26, 0}, {28, 0}}},
      {"yincx.obj", 84, 12, Backdrop::BottomLeft, {42, 6}, {{-36, 0}, {36, 0}}},
      {"wanyb.obj", 312, 320, Backdrop::BottomLeft, {156, 160},
       {{148, 85}, {148, 120}, {-12, 85}, {-12, 32}}},
      // Drawn at (x - w, y - h + 1).
      {"dyb00.obj", 72, 70, Backdrop::BottomLeft, {36, 34}, {{-17, 29}, {17, 29}}},
      {"dlb00.obj", 72, 70, Backdrop::BottomLeft, {36, 34}, {{-17, 29}, {17, 29}}},
      {"omb00.obj", 72, 70, Backdrop::BottomLeft, {36, 34}, {{-17, 29}, {17, 29}}},
      {"lmdlj1.obj", 120, 108, Backdrop::BottomLeft, {60, 53}, {{-37, 50}, {33, 50}, {-1, 16}}},
      {"kg_1k.obj", 94, 56, Backdrop::BottomLeft, {47, 27}, {{-36, 15}, {33, 15}}},
      {"kg_1h.obj", 94, 56, Backdrop::BottomLeft, {47, 27}, {{-36, 15}, {33, 15}}},
      {"bxs1.obj", 68, 14, Backdrop::BottomLeft, {34, 6}, {{-30, 0}, {29, 0}}},
      {"bxs2.obj", 68, 14, Backdrop::BottomLeft, {34, 6}, {{-30, 0}, {29, 0}}},
      {"xhd1.obj", 62, 26, Backdrop::BottomLeft, {31, 12}, {{-24, 0}, {21, 0}, {-2, 0}}},
      {"dl_bz.obj", 52, 68, Backdrop::BottomLeft, {26, 33}, {{-18, -29}, {16, -29}}},
      // Meters on their own tables: face at (x - 60, y - 54), needle pivot
      // (x - 1, y + 16), terminals common, middle and high range.
      {"3_15vdyb.obj", 120, 108, Backdrop::BottomLeft, {60, 54},
       {{-37, 50}, {6, 50}, {33, 50}, {-1, 16}}},
      {"06_3adlb.obj", 120, 108, Backdrop::BottomLeft, {60, 54},
       {{-37, 50}, {6, 50}, {33, 50}, {-1, 16}}},
      // Double-throw switches at (x - 53, y - 34), relays at (x - 43, y - 29),
      // the rheostat at (x - 67, y - 22).
      {"ddszkg_k.obj", 106, 68, Backdrop::BottomLeft, {53, 34}, {{-48, 9}, {0, 27}, {46, 9}}},
      {"ddszkg_z.obj", 106, 68, Backdrop::BottomLeft, {53, 34}, {{-48, 9}, {0, 27}, {46, 9}}},
      {"ddszkg_y.obj", 106, 68, Backdrop::BottomLeft, {53, 34}, {{-48, 9}, {0, 27}, {46, 9}}},
      {"jdq_k.obj", 86, 58, Backdrop::BottomLeft, {43, 29},
       {{-36, 24}, {-10, 24}, {38, -2}, {38, 12}}},
      {"jdq_h.obj", 86, 58, Backdrop::BottomLeft, {43, 29},
       {{-36, 24}, {-10, 24}, {38, -2}, {38, 12}}},
      {"hdbzq1.obj", 134, 44, Backdrop::BottomLeft, {67, 22},
       {{-63, -15}, {62, -15}, {-30, 15}, {28, 15}}},
      // Induction apparatus, white keyed out; the rod is drawn as it is.
      {"xianquan0.obj", 90, 88, Backdrop::White, {45, 43}, {{40, -32}, {40, 21}}},
      {"xianquan1.obj", 90, 88, Backdrop::White, {45, 43}, {{40, -32}, {40, 21}}},
      {"citie0.obj", 40, 150, Backdrop::White, {20, 75}, {{0, -60}, {0, 60}}},
      {"citie1.obj", 40, 150, Backdrop::White, {20, 75}, {{0, -60}, {0, 60}}},
      {"qiege0.obj", 270, 88, Backdrop::White, {135, 43}, {{126, -40}, {126, 39}}},
      {"qiege1.obj", 270, 88, Backdrop::White, {135, 43}, {{126, -40}, {126, 39}}},
      {"jinshugan.obj", 5, 84, Backdrop::Opaque, {2, 42}, {}},
      {"djct_n.obj", 60, 114, Backdrop::White, {30, 57}, {}},
      {"djct_s.obj", 66, 113, Backdrop::White, {33, 56}, {}},
  };
  // clang-format on
  return all;
}

class ApparatusPicture : public ::testing::TestWithParam<Apparatus> {};

TEST_P(ApparatusPicture, IsAnEightBitPaletteBitmapOfItsSize) {
  const Apparatus& a = GetParam();
  const Header h = read_header(OBJ + a.file);
  ASSERT_TRUE(h.ok) << "missing or not a bitmap";
  EXPECT_EQ(h.bits, 8);
  EXPECT_EQ(h.compression, 0);
  EXPECT_EQ(h.width, a.width);
  EXPECT_EQ(h.height, a.height);  // positive: rows bottom-up, as the turning expects
  QImage img;
  ASSERT_TRUE(img.load(OBJ + a.file, "BMP"));
  EXPECT_EQ(img.format(), QImage::Format_Indexed8);
  EXPECT_EQ(img.size(), QSize(a.width, a.height));
}

TEST_P(ApparatusPicture, TerminalsLandOnTheApparatus) {
  const Apparatus& a = GetParam();
  QImage img;
  ASSERT_TRUE(img.load(OBJ + a.file, "BMP"));
  const QRgb white = qRgb(255, 255, 255);
  const QRgb key = a.backdrop == Backdrop::BottomLeft ? img.pixel(0, img.height() - 1) : white;
  for (const QPoint& offset : a.anchors) {
    const QPoint at = a.centre + offset;
    ASSERT_TRUE(img.rect().contains(at)) << at.x() << "," << at.y();
    EXPECT_NE(img.pixel(at), key) << "terminal at offset " << offset.x() << "," << offset.y()
                                  << " would be see-through";
  }
}

TEST_P(ApparatusPicture, BackdropIsWhatTheBenchKeysOut) {
  const Apparatus& a = GetParam();
  QImage img;
  ASSERT_TRUE(img.load(OBJ + a.file, "BMP"));
  const QRgb white = qRgb(255, 255, 255);
  const QRgb bottom_left = img.pixel(0, img.height() - 1);
  switch (a.backdrop) {
    case Backdrop::BottomLeft:
      // The key must not be white: white parts of the apparatus (dials,
      // porcelain) would vanish with it.
      EXPECT_NE(bottom_left, white);
      break;
    case Backdrop::White:
      EXPECT_EQ(bottom_left, white);
      break;
    case Backdrop::Opaque:
      for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
          ASSERT_NE(img.pixel(x, y), white) << "hole at " << x << "," << y;
        }
      }
      break;
  }
}

INSTANTIATE_TEST_SUITE_P(Obj, ApparatusPicture, ::testing::ValuesIn(apparatus()),
                         [](const ::testing::TestParamInfo<Apparatus>& info) {
                           return QString(info.param.file).replace('.', '_').toStdString();
                         });

TEST(KeyedPictures, ShareOneBackgroundColour) {
  // One key for all: a picture whose corner is covered by apparatus would
  // key out that apparatus colour instead, punching holes in it.
  QRgb first = 0;
  for (const Apparatus& a : apparatus()) {
    if (a.backdrop != Backdrop::BottomLeft) continue;
    QImage img;
    ASSERT_TRUE(img.load(OBJ + a.file, "BMP")) << a.file;
    const QRgb key = img.pixel(0, img.height() - 1);
    if (first == 0) first = key;
    EXPECT_EQ(key, first) << a.file;
  }
}

TEST(BoxPictures, AreSmallKeyedPalettePictures) {
  // The components box's own pictures of the induction apparatus: two to a
  // row in a box 126 pixels wide, keyed like the apparatus pictures.
  QImage resistor;
  ASSERT_TRUE(resistor.load(OBJ + "ptdz1.obj", "BMP"));
  const QRgb key = resistor.pixel(0, resistor.height() - 1);
  for (const char* file :
       {"box_coil.bmp", "box_rod.bmp", "box_motor.bmp", "box_dcgen.bmp", "box_acgen.bmp"}) {
    const Header h = read_header(OBJ + file);
    ASSERT_TRUE(h.ok) << file;
    EXPECT_EQ(h.bits, 8) << file;
    QImage img;
    ASSERT_TRUE(img.load(OBJ + file, "BMP")) << file;
    EXPECT_LE(img.width(), 50) << file;
    EXPECT_EQ(img.pixel(0, img.height() - 1), key) << file;
  }
}

TEST(CoilPictures, HideTheMagnetInsideTheWinding) {
  // The magnet is drawn first over picture x 13 to 52 and the coil over
  // it: any see-through pixel in the winding would show the magnet.
  for (const char* file : {"xianquan0.obj", "xianquan1.obj"}) {
    QImage img;
    ASSERT_TRUE(img.load(OBJ + file, "BMP")) << file;
    for (int y = 8; y < 78; ++y) {
      for (int x = 13; x < 53; ++x) {
        ASSERT_NE(img.pixel(x, y), qRgb(255, 255, 255)) << file << " at " << x << "," << y;
      }
    }
  }
}

double mean_brightness(const QImage& img) {
  double sum = 0;
  for (int y = 0; y < img.height(); ++y) {
    for (int x = 0; x < img.width(); ++x) sum += qGray(img.pixel(x, y));
  }
  return sum / (img.width() * img.height());
}

TEST(BulbPictures, TenStepsGetBrighterAndTheBurntBulbIsThere) {
  double previous = -1;
  for (int step = 1; step <= 10; ++step) {
    const QString file = OBJ + QStringLiteral("bulb%1.bmp").arg(step);
    QImage img;
    ASSERT_TRUE(img.load(file, "BMP")) << step;
    ASSERT_EQ(img.size(), QSize(29, 49)) << step;
    // White is see-through; the terminals at (3, 32) and (15, 43) are not.
    EXPECT_EQ(img.pixel(0, 48), qRgb(255, 255, 255)) << step;
    EXPECT_NE(img.pixel(3, 32), qRgb(255, 255, 255)) << step;
    EXPECT_NE(img.pixel(15, 43), qRgb(255, 255, 255)) << step;
    const double b = mean_brightness(img);
    EXPECT_GT(b, previous) << "step " << step << " is not brighter than the step before";
    previous = b;
  }
  QImage burnt;
  ASSERT_TRUE(burnt.load(OBJ + "bulb_burnt.bmp", "BMP"));
  EXPECT_EQ(burnt.size(), QSize(29, 49));
  QImage cold;
  ASSERT_TRUE(cold.load(OBJ + "bulb1.bmp", "BMP"));
  EXPECT_NE(burnt, cold);
}

TEST(WindowPictures, LoadFromWhereTheProgramLooks) {
  struct Case {
    QString path;
    bool palette;
  };
  const Case cases[] = {
      {OBJ + "Formbzx.obj", true},
      {BIN + "warning.bmp", false},
      {BIN + "show.bmp", false},
  };
  for (const Case& c : cases) {
    const Header h = read_header(c.path);
    ASSERT_TRUE(h.ok) << c.path.toStdString();
    if (c.palette) {
      EXPECT_EQ(h.bits, 8) << c.path.toStdString();
    }
    QImage img;
    ASSERT_TRUE(img.load(c.path, "BMP")) << c.path.toStdString();
    EXPECT_GE(img.width(), 64);
    EXPECT_GE(img.height(), 64);
  }
}

// The desktop finds the icon the desktop entry names in the icon theme's
// folders, one square PNG per size; the window takes its icon from the one
// icon file beside the program, which must hold the same pictures. Outside
// the rounded tile the icon is see-through, so it sits on any panel.
TEST(ProgramIcon, EverySizeInTheThemeAndInTheWindowsIconFile) {
  const int sizes[] = {16, 24, 32, 48, 64, 128, 256};
  QImageReader ico(BIN + "zentrik-voltaro.ico", "ico");
  ASSERT_EQ(ico.imageCount(), static_cast<int>(std::size(sizes)));
  for (int i = 0; i < static_cast<int>(std::size(sizes)); ++i) {
    const int size = sizes[i];
    SCOPED_TRACE(size);
    QImage png;
    ASSERT_TRUE(png.load(ICONS + QStringLiteral("hicolor/%1x%1/apps/zentrik-voltaro.png").arg(size),
                         "PNG"));
    ASSERT_EQ(png.size(), QSize(size, size));
    png = png.convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(qAlpha(png.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(png.pixel(size - 1, size - 1)), 0);
    EXPECT_EQ(qAlpha(png.pixel(size / 2, size / 2)), 255);

    ASSERT_TRUE(ico.jumpToImage(i));
    const QImage from_ico = ico.read().convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(from_ico, png) << "the icon file's picture differs from the PNG";
  }
}

}  // namespace
