// voltaro-cli-render: the picture of an experiment, for `voltaro-cli render`.
// A program of its own so that solving and converting never load Qt's
// libraries: voltaro-cli hands `render` over to it, arguments unchanged.
//
//   voltaro-cli-render FILE.ele OUT [--circuit] [--current-direction] [--scale N]
//
// OUT's ending says what is written: .png, .bmp or .jpg a picture painted N
// (1 to 4) times larger than the bench, .svg or .pdf a drawing.

#include <QGuiApplication>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "cli/load.h"
#include "model/analysis.h"
#include "render/bench_renderer.h"
#include "render/export.h"
#include "render/pictures.h"

namespace {

using namespace voltaro;
using namespace voltaro::cli;

// The scale of --scale: a whole number from 1 to 4, or 0.
int ScaleArgument(const std::string& text) {
  if (text.size() != 1 || text[0] < '1' || text[0] > '0' + MAX_DRAWING_SCALE) return 0;
  return text[0] - '0';
}

int Render(const std::vector<std::string>& args, const std::string& program_dir) {
  bool circuit = false, arrows = false;
  int scale = 1;
  std::vector<std::string> files;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--circuit") {
      circuit = true;
    } else if (a == "--current-direction") {
      arrows = true;
    } else if (a == "--scale" && i + 1 < args.size()) {
      scale = ScaleArgument(args[++i]);
      if (scale == 0) return Usage();
    } else if (a.rfind("--", 0) == 0) {
      return Usage();
    } else {
      files.push_back(a);
    }
  }
  if (files.size() != 2) return Usage();
  const QString out = QString::fromStdString(files[1]);
  if (DrawingFormatOf(out) == DrawingFormat::Unknown) {
    std::cerr << "a picture's name ends in .png, .bmp, .jpg, .svg or .pdf\n";
    return EXIT_USAGE;
  }
  // A file that cannot be read says so before anything else is looked for.
  auto bench = std::make_unique<Bench>();
  if (!Load(*bench, files[0])) return EXIT_OPEN_FAILED;
  // Pictures are painted without a screen.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  int argc = 1;
  char name[] = "voltaro-cli";
  char* argv[] = {name, nullptr};
  QGuiApplication app(argc, argv);

  PictureSet pictures;
  if (auto missing = pictures.load(program_dir + "/obj")) {
    std::cerr << "cannot read the picture " << *missing << "\n";
    return EXIT_OPEN_FAILED;
  }
  bench->circuit_view = circuit ? 1 : 0;
  bench->show_current_direction = arrows ? 1 : 0;
  BenchRenderer renderer(*bench, pictures, nullptr);
  renderer.attach();
  renderer.rebuild_all_pictures();
  Settle(*bench);
  if (ExportDrawing(renderer, out, scale) != ExportOutcome::Written) {
    std::cerr << "save failed!\n";
    return EXIT_SAVE_FAILED;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  return Render(std::vector<std::string>(argv + 1, argv + argc), ProgramDir(argv[0]));
}
