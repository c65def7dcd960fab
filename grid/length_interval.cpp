// Pattern length and interval mode buttons.
#include "engine/window1.h"

bool Window1::Canvas10_MouseDown(fw::Control&, int, int) { return true; }
bool Window1::Canvas7_MouseDown(fw::Control&, int, int) { return true; }
void Window1::ApplyIntervalModeText() {}
