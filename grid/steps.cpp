// Step cells: clicks, row and pattern clears, random fill, note repeat, copy/paste.
#include "engine/window1.h"

bool Window1::SR1_MouseDown(fw::Control&, int, int) { return true; }
bool Window1::SR2_MouseDown(fw::Control&, int, int) { return true; }
bool Window1::SR3_MouseDown(fw::Control&, int, int) { return true; }
bool Window1::SR4_MouseDown(fw::Control&, int, int) { return true; }
bool Window1::SR5_MouseDown(fw::Control&, int, int) { return true; }
bool Window1::SR6_MouseDown(fw::Control&, int, int) { return true; }
bool Window1::SR7_MouseDown(fw::Control&, int, int) { return true; }
bool Window1::SR8_MouseDown(fw::Control&, int, int) { return true; }
bool Window1::SR9_MouseDown(fw::Control&, int, int) { return true; }
bool Window1::SR10_MouseDown(fw::Control&, int, int) { return true; }
void Window1::copypattern() {}
void Window1::pastepattern() {}
bool Window1::CR_MouseDown(fw::Control&, int, int) { return true; }
bool Window1::PClear_MouseDown(fw::Control&, int, int) { return true; }
bool Window1::Canvas12_MouseDown(fw::Control&, int, int) { return true; }
bool Window1::Canvas15_MouseDown(fw::Control&, int, int) { return true; }
