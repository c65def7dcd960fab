// Row labels (sound loading) and row pads (audition and live recording).
#include "engine/window1.h"

bool Window1::StaticText3_MouseDown(fw::Control&, int, int) { return true; }
bool Window1::Canvas2_MouseDown(fw::Control&, int, int) { return true; }
