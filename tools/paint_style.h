// The look shared by every picture: the panel's colours and the few shapes
// (plates, wells, keys, round caps, lamps) everything is built from.
#pragma once
#include <QColor>
#include <QImage>
#include <QRect>

namespace tools {

namespace colors {
inline const QColor kBack(0x40, 0x25, 0x27);       // the window's back colour
inline const QColor kPlate(0x4B, 0x2C, 0x2F);      // raised plates behind controls
inline const QColor kPlateHi(0x6E, 0x47, 0x4B);    // lit top/left edge of a plate
inline const QColor kPlateLo(0x2A, 0x18, 0x1A);    // shaded bottom/right edge
inline const QColor kWell(0x22, 0x13, 0x14);       // recessed wells and bezels
inline const QColor kYellow(0xDB, 0xD2, 0x00);     // lettering
inline const QColor kGreen(0x00, 0xFF, 0x00);      // lettering
inline const QColor kDimYellow(0x8C, 0x80, 0x20);  // minor marks
inline const QColor kRose(0xB4, 0x68, 0x6E);
inline const QColor kKeyFace(0x5E, 0x52, 0x50);  // grey-brown keys
}  // namespace colors

QImage NewImage(int w, int h, QColor fill);

// Mixes a and b: t = 0 gives a, t = 1 gives b.
QColor Mix(QColor a, QColor b, double t);

// A flat plate with a one-pixel bevel: lit edge top and left, shade bottom and
// right, set pixel-exactly inside `r`.
void DrawPlate(QImage& img, QRect r, QColor face = colors::kPlate, QColor hi = colors::kPlateHi,
               QColor lo = colors::kPlateLo);

// A sunken well: shade top and left, lit edge bottom and right.
void DrawWell(QImage& img, QRect r, QColor face = colors::kWell);

// A raised key with rounded corners and a soft top-to-bottom sheen, on the
// pixels already in the image (the corners show them).
void DrawKey(QImage& img, QRectF r, QColor face, double radius = 2.0);

// A round cap lit from the upper left, with a dark rim.
void DrawRoundCap(QImage& img, QRectF r, QColor face);

// A round lamp: glass of `glow` with a bright centre when lit, dark when not.
void DrawLamp(QImage& img, QRectF r, QColor glow, bool lit);

}  // namespace tools
