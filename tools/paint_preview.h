// A picture of the whole main window as the program will show it: the skin
// with every control's picture at its place and its text drawn roughly as the
// window draws it. For judging the artwork; the program never uses it.
#pragma once
#include <QImage>

namespace tools {

QImage PaintPreview();

}  // namespace tools
