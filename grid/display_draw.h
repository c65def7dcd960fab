// Drawing primitives of the step-line display, over any picture. The window's
// methods (makeline, deleteline, DrawBlackLines, drawswinglines, ...) call
// these with its own picture and values. Each sets its pen itself right
// before it draws.
#pragma once
#include "platform/ui/picture.h"

namespace grid {

// A step line: (x .. x + length - 1, y) in RGB(red, green, 0).
void DrawStepLine(fw::Picture& pic, int x, int y, int length, int red, int green);

// Erases a step line and the gap column left of it: (x - 1 .. x + 14, y).
void EraseStepLine(fw::Picture& pic, int x, int y);

// Blackens the whole row band y over the full width of the display.
void EraseRowBand(fw::Picture& pic, int y);

// Separator columns: a 2-pixel black column at x = 16 s - 1 for s = 1..numBeats.
void DrawSeparators(fw::Picture& pic, int numBeats);

// Swing gaps: a black column at x = 16 s - 1 for every odd step s up to
// numBeats, 3, 4, 5, 6, 7, 9 (8.5 rounded), 10 or 11 pixels wide at swing
// levels 1..8; nothing at level 0 or any value outside 1..8.
void DrawSwingGaps(fw::Picture& pic, int swing, int numBeats);

// Blackens (0, 0, width, height) and leaves the pen yellow.
void ClearToBlack(fw::Picture& pic, int width, int height);

// The dim shading right of the pattern length, from x = 16 * numBeats.
void ShadeTail(fw::Picture& pic, int numBeats);

}  // namespace grid
