// Row pan colours and the pan bars.
#include "engine/window1.h"

bool Window1::RedBar_MouseDown(fw::Control&, int, int) { return true; }
bool Window1::OrangeBar_MouseDown(fw::Control&, int, int) { return true; }
bool Window1::Yellowbar_MouseDown(fw::Control&, int, int) { return true; }
bool Window1::Limebar_MouseDown(fw::Control&, int, int) { return true; }
bool Window1::GreenBar_MouseDown(fw::Control&, int, int) { return true; }
bool Window1::Canvas8_MouseDown(fw::Control&, int, int) { return true; }
void Window1::ApplyPansFromColors() {}
