// Two bitmap fonts for the small crisp lettering of the panel: 5 x 7 capitals
// and digits for headings and button faces, and 3 x 5 for the tiniest marks.
// Glyphs are proportional (trimmed to their inked columns) with one pixel of
// spacing; lower-case letters are drawn as capitals.
#pragma once
#include <QColor>
#include <QImage>
#include <string>

namespace tools {

enum class PixelFont { Regular, Small };  // 7 and 5 pixels high

int PixelTextWidth(const std::string& text, PixelFont font);
int PixelTextHeight(PixelFont font);

// Draws `text` with its top-left corner at (x, y), every inked pixel set to
// `color` exactly; pixels outside the image are skipped.
void DrawPixelText(QImage& image, int x, int y, const std::string& text, QColor color,
                   PixelFont font = PixelFont::Regular);

// The same, centred horizontally on `centreX`.
void DrawPixelTextCentred(QImage& image, int centreX, int y, const std::string& text, QColor color,
                          PixelFont font = PixelFont::Regular);

}  // namespace tools
