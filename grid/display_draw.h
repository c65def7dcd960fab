// Drawing primitives of the step-line display, over any picture. The window's
// methods (makeline, deleteline, DrawBlackLines, drawswinglines, ...) call
// these with its own picture and values. Each sets its pen itself right
// before it draws.
#pragma once
#include "platform/picture.h"

namespace grid {

// A step line: (x .. x + length - 1, y) in RGB(red, green, 0).
void DrawStepLine(fw::Picture& pic, int x, int y, int length, int red, int green);

// Erases a step line and the gap column left of it: (x - 1 .. x + 14, y).
void EraseStepLine(fw::Picture& pic, int x, int y);

// Blackens the whole row band y over the full width of the display.
void EraseRowBand(fw::Picture& pic, int y);

// Separator columns: a 2-pixel black column at x = 16 s - 1 for s = 1..numBeats.
void DrawSeparators(fw::Picture& pic, int numBeats);

// Pixel width of the swing gaps at a swing level (0 for level 0 and any value
// outside 1..8).
int SwingGapWidth(int swing);

// Swing gaps: a black column SwingGapWidth(swing) wide at x = 16 s - 1 for
// every odd step s up to numBeats.
void DrawSwingGaps(fw::Picture& pic, int swing, int numBeats);

// Blackens (0, 0, width, height) and leaves the pen yellow.
void ClearToBlack(fw::Picture& pic, int width, int height);

// The dim shading right of the pattern length, from x = 16 * numBeats.
void ShadeTail(fw::Picture& pic, int numBeats);

}  // namespace grid
