// The shared look of the step grid: where a row's line lies in the step-line
// display, which face a step cell shows, which pen draws a step's line and
// which colour a row name takes.
// Every path that draws a step (a click, a full redraw, a pad hit, a pan
// change) goes through these, so they all draw the same pixels.
#pragma once
#include <optional>

#include "platform/ui/picture.h"

namespace grid {

constexpr int kRows = 10;
constexpr int kSteps = 32;
constexpr int kStepWidth = 16;  // pixels of the display per step
constexpr int kLineLength = 15;
constexpr int kDisplayWidth = 512;
constexpr int kDisplayHeight = 128;
constexpr int kRowOneY = 124;

// y of row r's lines: row 1 is always at 124, the others lie at
// bottompixel - r * linemodifier.
int RowY(int row, int bottompixel, int linemodifier);

// Left x of step s's line.
constexpr int StepX(int step) { return kStepWidth * step - kStepWidth; }

// Pen of a step line: red and green (blue is always 0).
struct Pen {
  int red = 0;
  int green = 0;
};

// The pen for a velocity in a row of pan colour (red, green): full strength
// at 100, each component halved at 50 and quartered at 10 (in floating point,
// then converted by the one Double-to-Integer rule). Any other velocity has
// no pen of its own: the caller keeps the pen it has.
std::optional<Pen> PenForVelocity(int red, int green, int velocity);

// The face of a step cell that is on at this velocity: bluebuttonon at 100,
// twothirdsvolume at 50, halfvolume at 10; nullptr for any other velocity
// (the face stays as it is).
fw::PictureRef FaceForVelocity(int velocity);

// The face of a step that is off.
fw::PictureRef OffFace();

// The colour of a row name whose row holds a sound file, and of one emptied
// (by Backspace, or because its kit sound is missing).
constexpr fw::Color kLoadedRowNameColor = 0xB4686E;
constexpr fw::Color kEmptyRowNameColor = 0x63393D;

}  // namespace grid
