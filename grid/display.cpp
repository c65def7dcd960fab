// The step-line display: lines, grid marks, swing gaps and the full redraw.
#include "engine/window1.h"

void Window1::PointerCanvas_Paint(fw::Control&, fw::Graphics&) {}
void Window1::makeline() {}
void Window1::deleteline() {}
void Window1::DrawBlackLines() {}
void Window1::drawswinglines() {}
void Window1::ClearDisplay() {}
void Window1::ClearPattern() {}
void Window1::PatternDraw() {}
void Window1::MeterDisplay() {}
