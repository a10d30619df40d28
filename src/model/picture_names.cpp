#include "model/picture_names.h"

namespace voltaro {
namespace {

constexpr const char* FILES[PICTURE_COUNT] = {
    "ptdz1.obj",     "cjdy1.obj",     "dzs1.obj",     "bzx.obj",    "gdc1.obj",
    "xdc.obj",       "gdcz.obj",      "xdcz.obj",     "9vdc.obj",   "ejg1.obj",
    "yincx.obj",     "dyb00.obj",     "dlb00.obj",    "omb00.obj",  "wanyb.obj",
    "lmdlj1.obj",    "3_15vdyb.obj",  "06_3adlb.obj", "kg_1k.obj",  "kg_1h.obj",
    "ddszkg_k.obj",  "ddszkg_z.obj",  "ddszkg_y.obj", "bxs1.obj",   "bxs2.obj",
    "jdq_k.obj",     "jdq_h.obj",     "xhd1.obj",     "dl_bz.obj",  "hdbzq1.obj",
    "xianquan0.obj", "xianquan1.obj", "citie0.obj",   "citie1.obj", "qiege0.obj",
    "qiege1.obj",    "jinshugan.obj", "djct_n.obj",   "djct_s.obj",
};

constexpr const char* BOX_FILES[BOX_PICTURES] = {
    "box_coil.bmp", "box_rod.bmp", "box_motor.bmp", "box_dcgen.bmp", "box_acgen.bmp",
};

}  // namespace

const char* PictureFile(Pic pic) {
  return FILES[static_cast<int>(pic)];
}

const char* BoxPictureFile(BoxPic pic) {
  return BOX_FILES[static_cast<int>(pic)];
}

std::string BulbPictureFile(int step) {
  return step == 0 ? "bulb_burnt.bmp" : "bulb" + std::to_string(step) + ".bmp";
}

}  // namespace voltaro
