// The step-line display picture and its canvas.
#include "engine/window1.h"
#include "platform/ui/color.h"

void Window1::Canvas1_Open(fw::Control&) {
  p = fw::NewPicture(512, 128, 32);
  fw::Graphics& g = p->Graphics();
  g.ForeColor = fw::RGB(0, 0, 0);
  g.FillRect(0, 0, 512, 128);
}

void Window1::Canvas1_Paint(fw::Control&, fw::Graphics& g) { g.DrawPicture(p, 0, 0); }
