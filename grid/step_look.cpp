#include "grid/step_look.h"

#include "app/assets.h"
#include "platform/base/numbers.h"

namespace grid {

int RowY(int row, int bottompixel, int linemodifier) {
  if (row == 1) return kRowOneY;
  return bottompixel - row * linemodifier;
}

std::optional<Pen> PenForVelocity(int red, int green, int velocity) {
  auto scaled = [](int component, double divisor) {
    return fw::ToInteger(static_cast<double>(component) / divisor);
  };
  switch (velocity) {
    case 100:
      return Pen{red, green};
    case 50:
      return Pen{scaled(red, 2.0), scaled(green, 2.0)};
    case 10:
      return Pen{scaled(red, 4.0), scaled(green, 4.0)};
    default:
      return std::nullopt;
  }
}

fw::PictureRef FaceForVelocity(int velocity) {
  switch (velocity) {
    case 100:
      return bluebuttonon();
    case 50:
      return twothirdsvolume();
    case 10:
      return halfvolume();
    default:
      return nullptr;
  }
}

fw::PictureRef OffFace() { return greenbutton(); }

}  // namespace grid
