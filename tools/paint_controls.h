// The pictures of the buttons, pads, faces and lamps, each at the size of the
// control that shows it.
#pragma once
#include <QColor>
#include <QImage>
#include <string>

namespace tools {

// Small round push button, 13 x 12.
QImage PaintRoundButton(QColor face);
// Step cell face, 15 x 16: velocity 0 (off), 10, 50 or 100.
QImage PaintStepFace(int velocity);
// Arrow key, 13 x 9.
QImage PaintArrow(bool up);
// Icon of the Play button, 12 x 12.
QImage PaintPlayIcon();
// Clear key, 13 x 12: the pattern's (red) or a row's (grey).
QImage PaintClearButton(bool wholePattern);
// Row trigger pad, 13 x 12.
QImage PaintRowPad();
// Pan bar, 12 x 9.
QImage PaintPanBar(QColor color);
// Text key: "SAVE PICT" 59 x 20, the kit keys 45 x 10.
QImage PaintTextKey(int w, int h, const std::string& text, QColor ink);
// Fader cap of the volume control, 19 x 10.
QImage PaintVolumeKnob();
// Dice button, 24 x 17.
QImage PaintDice();
// Note-repeat switch, 13 x 12, off or on.
QImage PaintRepeatSwitch(bool on);

// Step pointer strip, 512 x 15, and its lit lamp, 16 x 15.
QImage PaintLightStrip();
QImage PaintLight();
// Application icon, 64 x 64.
QImage PaintAppIcon();

}  // namespace tools
