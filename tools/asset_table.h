// The program's 31 pictures: resource number, name, size and painter.
#pragma once
#include <QImage>
#include <functional>
#include <vector>

namespace tools {

struct AssetPicture {
  int number;
  const char* name;
  int width;
  int height;
  std::function<QImage()> paint;
};

const std::vector<AssetPicture>& AssetPictures();

// The painted picture of that number (a null image for an unknown number).
QImage PaintAsset(int number);

}  // namespace tools
