// Placeholder bodies so the program links while these are being written.
#include "engine/window1.h"

void Window1::OpenDefaultKit() {}
void Window1::OpenDefaultPattern() {}
bool Window1::LPattern_MouseDown(fw::Control&, int, int) { return false; }
bool Window1::SavePattern_MouseDown(fw::Control&, int, int) { return false; }
bool Window1::KitLoad_MouseDown(fw::Control&, int, int) { return false; }
bool Window1::KitSave_MouseDown(fw::Control&, int, int) { return false; }
bool Window1::KitNew_MouseDown(fw::Control&, int, int) { return false; }
void Window1::KitName1_MouseEnter(fw::Control&) {}
void Window1::KitName1_MouseExit(fw::Control&) {}
bool Window1::SavePicture_MouseDown(fw::Control&, int, int) { return false; }
