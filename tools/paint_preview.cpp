#include "tools/paint_preview.h"

#include <QFont>
#include <QPainter>
#include <string>

#include "layout/main_window_defs.h"
#include "tools/asset_table.h"
#include "tools/paint_skin.h"

namespace tools {
namespace {

// The main window's geometry the pictures are drawn around.
namespace mw = ::layout::main_window;

struct Placed {
  int number, x, y;
};

struct Text {
  int x, y, w, h;
  const char* text;
  int align;  // 0 left, 1 centre, 2 right
  QRgb color;
  int size;
  bool bold;
};

// A pattern to show on the grid: rows 1..4 of a rock beat.
int DemoVelocity(int row, int step) {
  const char* rows[5] = {nullptr, "X.......X.x.....X.......X.x.....",
                         "....X.......X.......X.......X...", "X.x.X.x.X.x.X.x.X.x.X.x.X.x.X.x.",
                         "..............g..............x.."};
  if (row > 4) return 0;
  const char c = rows[row][step - 1];
  return c == 'X' ? 100 : c == 'x' ? 50 : c == 'g' ? 10 : 0;
}

void DrawText(QPainter& p, const Text& t) {
  QFont f("DejaVu Sans");
  f.setPixelSize(t.size);
  f.setBold(t.bold);
  f.setStyleStrategy(QFont::NoAntialias);
  p.setFont(f);
  p.setPen(QColor(t.color));
  const int flags = Qt::AlignTop | (t.align == 1   ? Qt::AlignHCenter
                                    : t.align == 2 ? Qt::AlignRight
                                                   : Qt::AlignLeft);
  p.drawText(QRect(t.x, t.y, t.w, t.h), flags, t.text);
}

}  // namespace

QImage PaintPreview() {
  QImage img = PaintAsset(205);
  QPainter p(&img);
  auto put = [&p](int number, int x, int y) { p.drawImage(x, y, PaintAsset(number)); };
  // Display: a few step lines, then the strip with the lamp at step 5.
  p.fillRect(QRect(133, 68, 512, 128), Qt::black);
  for (int s = 1; s <= 32; ++s) {
    for (int row = 1; row <= 4; ++row) {
      const int v = DemoVelocity(row, s);
      if (!v) continue;
      const int div = v == 100 ? 1 : v == 50 ? 2 : 4;
      p.fillRect(QRect(133 + (s - 1) * 16, 68 + 124 - (row - 1) * 12, 15, 1),
                 QColor(255 / div, 255 / div, 0));
    }
  }
  put(181, 133, 203);
  put(182, 133 + 4 * 16, 203);
  for (int row = 1; row <= 10; ++row) {
    for (int s = 1; s <= 32; ++s) {
      const int v = DemoVelocity(row, s);
      const int number = v == 100 ? 179 : v == 50 ? 170 : v == 10 ? 173 : 176;
      put(number, mw::CellLeft(s), mw::kCellTops[row - 1]);
    }
    put(184, 7, mw::kPadTops[row - 1]);
    put(203, 653, mw::kClearTops[row - 1]);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(row == 3 ? 0x96 : 0xFF, 0xFF, 0));
    p.drawEllipse(QRect(23, mw::kLampTops[row - 1], 6, 6));
    p.setRenderHint(QPainter::Antialiasing, false);
  }
  const Placed controls[] = {
      {175, 494, 29},  {171, 574, 446}, {172, 574, 456}, {171, 527, 19},  {172, 527, 29},
      {169, 607, 29},  {168, 607, 14},  {202, 571, 18},  {195, 86, 181},  {190, 81, 436},
      {189, 69, 436},  {191, 57, 436},  {188, 45, 436},  {192, 33, 436},  {169, 124, 434},
      {194, 86, 145},  {171, 86, 116},  {172, 86, 126},  {193, 64, 198},  {198, 165, 458},
      {200, 214, 458}, {199, 263, 458}, {201, 20, 64},   {206, 382, 436},
  };
  for (const Placed& c : controls) put(c.number, c.x, c.y);
  // The Play button: a plain bevel with the icon and its caption.
  p.fillRect(QRect(523, 446, 39, 18), QColor(0xD8, 0xD4, 0xCC));
  put(174, 527, 449);
  const Text texts[] = {
      {588, 446, 37, 20, "120", 1, 0xDBD200, 16, false},
      {482, 9, 41, 20, "Pattern", 0, 0x00FF00, 10, false},
      {544, 18, 18, 20, "1", 1, 0xDBD200, 10, false},
      {630, 446, 23, 20, "BPM", 0, 0x00FF00, 10, false},
      {625, 10, 27, 20, "Save", 0, 0xDBD200, 9, false},
      {625, 25, 27, 20, "Load", 0, 0xDBD200, 9, false},
      {368, 17, 101, 20, "My Pattern", 2, 0xDBD200, 9, false},
      {65, 164, 54, 20, "Octaves", 1, 0xDBD200, 9, false},
      {20, 432, 11, 15, "L", 0, 0x00FF00, 9, false},
      {101, 430, 14, 20, "R", 0, 0xFF0000, 9, false},
      {11, 448, 100, 10, "Snare.wav", 1, 0xA25E63, 9, false},
      {113, 445, 37, 20, "Rst Pan", 0, 0xDBD200, 9, false},
      {67, 145, 20, 12, "Bts", 0, 0xDBD200, 9, false},
      {106, 145, 15, 12, "8", 0, 0xDBD200, 9, false},
      {67, 119, 20, 12, "Sw", 0, 0xDBD200, 9, false},
      {106, 119, 15, 12, "0", 0, 0xDBD200, 9, false},
      {8, 187, 43, 20, "100", 1, 0xDBD200, 9, false},
      {358, 453, 64, 20, "Note Repeat", 1, 0xDBD200, 9, false},
      {377, 420, 24, 20, "Off", 1, 0xDBD200, 9, false},
      {165, 439, 143, 12, "Default Kit", 2, 0xB4686E, 9, false},
      {535, 450, 27, 12, "Play", 1, 0x000000, 9, false},
  };
  for (const Text& t : texts) DrawText(p, t);
  const char* names[11] = {"",         "Kick.wav",   "Snare.wav",   "ClosedHat.wav", "OpenHat.wav",
                           "Clap.wav", "LowTom.wav", "HighTom.wav", "RimShot.wav",   "Cowbell.wav",
                           "Crash.wav"};
  for (int row = 1; row <= 10; ++row) {
    DrawText(p, {35, mw::kLabelTops[row - 1], 86, 20, names[row], 0, 0xB4686E, 9, true});
  }
  return img;
}

}  // namespace tools
