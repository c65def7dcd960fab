// The main window's skin, 670 x 478: the plates behind the control groups, the
// headings no control shows, the scales and the beat groups of the step grid.
#pragma once
#include <QImage>

namespace tools {

QImage PaintSkin();

}  // namespace tools
