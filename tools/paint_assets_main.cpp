// Paints the program's pictures into a folder as <number>.png, each at the
// size of the control that shows it. With --preview it instead writes one
// picture of the whole main window (skin and every control's picture in place).
#include <QGuiApplication>
#include <cstdio>
#include <cstring>
#include <string>

#include "tools/asset_table.h"
#include "tools/paint_preview.h"

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc == 3 && std::strcmp(argv[1], "--preview") == 0) {
    if (!tools::PaintPreview().save(argv[2], "PNG")) {
      std::fprintf(stderr, "cannot write %s\n", argv[2]);
      return 1;
    }
    return 0;
  }
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_FOLDER | --preview FILE.png\n", argv[0]);
    return 2;
  }
  for (const tools::AssetPicture& a : tools::AssetPictures()) {
    const QImage img = a.paint();
    if (img.width() != a.width || img.height() != a.height) {
      std::fprintf(stderr, "%s is %d x %d, not %d x %d\n", a.name, img.width(), img.height(),
                   a.width, a.height);
      return 1;
    }
    const std::string path = std::string(argv[1]) + "/" + std::to_string(a.number) + ".png";
    if (!img.save(QString::fromStdString(path), "PNG")) {
      std::fprintf(stderr, "cannot write %s\n", path.c_str());
      return 1;
    }
  }
  return 0;
}
