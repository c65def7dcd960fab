// Transport, keyboard, pattern selection, tempo, swing and volume handlers.
// Placeholder bodies so the program links while these are being written.
#include "engine/window1.h"

void Window1::Play_Action(fw::Control&) {}
void Window1::StartPlayback() {}
void Window1::disablebuttons() {}
void Window1::enablebuttons() {}
bool Window1::Event_KeyDown(const std::string&) { return false; }
bool Window1::Canvas3_MouseDown(fw::Control&, int, int) { return false; }
bool Window1::Canvas4_MouseDown(fw::Control&, int, int) { return false; }
bool Window1::Canvas5_MouseDown(fw::Control&, int, int) { return false; }
bool Window1::Canvas6_MouseDown(fw::Control&, int, int) { return false; }
bool Window1::SwingUp_MouseDown(fw::Control&, int, int) { return false; }
bool Window1::SwingDown_MouseDown(fw::Control&, int, int) { return false; }
bool Window1::Canvas11_MouseDown(fw::Control&, int, int) { return false; }
void Window1::Canvas11_MouseDrag(fw::Control&, int, int) {}
