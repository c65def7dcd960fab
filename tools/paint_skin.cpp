#include "tools/paint_skin.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <string>

#include "layout/main_window_defs.h"
#include "tools/paint_style.h"
#include "tools/pixel_font.h"

namespace tools {
namespace {

// The main window's geometry the pictures are drawn around.
namespace mw = ::layout::main_window;

using namespace colors;

// A heading centred on `centreX`.
void Heading(QImage& img, int centreX, int y, const std::string& text, QColor ink,
             PixelFont font = PixelFont::Regular) {
  DrawPixelTextCentred(img, centreX, y, text, ink, font);
}

// A heading at the left with a thin rule running on to `right`.
void RuledHeading(QImage& img, int x, int y, int right, const std::string& text, QColor ink) {
  DrawPixelText(img, x, y, text, ink);
  const int end = x + PixelTextWidth(text, PixelFont::Regular) + 4;
  QPainter p(&img);
  p.fillRect(QRect(end, y + 3, right - end + 1, 1), Mix(ink, kPlate, 0.6));
}

void Logo(QImage& img) {
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setRenderHint(QPainter::TextAntialiasing, true);
  QFont f("DejaVu Sans");
  f.setPixelSize(27);
  f.setBold(true);
  f.setItalic(true);
  f.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
  p.setFont(f);
  p.setPen(QColor(0x18, 0x0C, 0x0D));
  p.drawText(QPointF(14, 33), "TAKTORA");
  QLinearGradient g(0, 12, 0, 36);
  g.setColorAt(0.0, QColor(0xF4, 0xEA, 0x40));
  g.setColorAt(1.0, QColor(0xB8, 0xA8, 0x00));
  p.setPen(QPen(QBrush(g), 1));
  p.drawText(QPointF(12, 31), "TAKTORA");
  p.end();
  DrawPixelText(img, 14, 36, "32 STEP DRUM MACHINE", kGreen);
  QPainter q(&img);
  q.fillRect(QRect(14, 45, 148, 1), Mix(kGreen, kBack, 0.55));
}

// Rows of round holes, like a small speaker grille.
void Grille(QImage& img, QRect r) {
  DrawPlate(img, r);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setPen(Qt::NoPen);
  for (int y = r.top() + 5, row = 0; y <= r.bottom() - 4; y += 5, ++row) {
    for (int x = r.left() + 5 + (row % 2) * 2; x <= r.right() - 4; x += 5) {
      p.setBrush(kWell);
      p.drawEllipse(QPointF(x + 0.5, y + 0.5), 1.5, 1.5);
    }
  }
}

void TitleBand(QImage& img) {
  Logo(img);
  // The bank's name shows in a display window at the right of the title.
  DrawPixelText(img, 334, 6, "BANK", kGreen, PixelFont::Small);
  DrawWell(img, QRect(332, 15, 141, 17));
  // The pattern box.
  DrawPlate(img, QRect(476, 4, 189, 46));
  DrawWell(img, QRect(542, 17, 22, 14));  // pattern number
  Heading(img, 500, 43, "CLR", kYellow, PixelFont::Small);
  Heading(img, 583, 39, "RANDOM", kYellow, PixelFont::Small);
  Heading(img, 533, 40, "SEL", kYellow, PixelFont::Small);
  Heading(img, 636, 42, "BANK", kGreen, PixelFont::Small);
}

void Screen(QImage& img) {
  // One bezel around the step-line display and the pointer strip below it.
  DrawPlate(img, QRect(126, 58, 526, 162), kWell, kPlateLo, kPlateHi);
  QPainter p(&img);
  p.fillRect(QRect(129, 61, 520, 156), QColor(0x12, 0x09, 0x0A));
  p.fillRect(QRect(133, 68, 512, 128), Qt::black);
  p.fillRect(QRect(133, 203, 512, 15), kWell);
}

void VolumeColumn(QImage& img) {
  DrawPlate(img, QRect(3, 49, 54, 169));
  Heading(img, 30, 53, "VOLUME", kYellow);
  // The fader's slot: the knob's centre travels y 69..169.
  DrawWell(img, QRect(27, 72, 6, 98), QColor(0x10, 0x08, 0x08));
  QPainter p(&img);
  for (int v = 0; v <= 10; ++v) {
    const int y = 69 + v * 10;
    const bool major = v % 5 == 0;
    const QColor tick = major ? kYellow : kDimYellow;
    p.fillRect(QRect(major ? 19 : 21, y, major ? 6 : 4, 1), tick);
    p.fillRect(QRect(35, y, major ? 6 : 4, 1), tick);
  }
  p.end();
  DrawPixelText(img, 6, 67, "100", kYellow, PixelFont::Small);
  DrawPixelText(img, 9, 117, "50", kYellow, PixelFont::Small);
  DrawPixelText(img, 13, 167, "0", kYellow, PixelFont::Small);
  DrawWell(img, QRect(9, 186, 42, 17));  // the volume figure
}

void TimingColumn(QImage& img) {
  Grille(img, QRect(61, 49, 62, 57));
  DrawPlate(img, QRect(61, 107, 62, 113));
  Heading(img, 92, 110, "SWING", kGreen, PixelFont::Small);
  DrawWell(img, QRect(103, 117, 19, 14));
  Heading(img, 92, 138, "LENGTH", kGreen, PixelFont::Small);
  DrawWell(img, QRect(103, 144, 19, 14));
  Heading(img, 92, 158, "INTERVAL", kGreen, PixelFont::Small);
}

void RowPanel(QImage& img) {
  DrawPlate(img, QRect(3, 222, 122, 199));
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing, true);
  for (int row = 1; row <= 10; ++row) {
    // A socket for the row's lamp.
    p.setPen(QPen(kPlateLo, 1));
    p.setBrush(kWell);
    p.drawEllipse(QPointF(26, mw::kLampTops[row - 1] + 3), 4.5, 4.5);
  }
  p.setRenderHint(QPainter::Antialiasing, false);
  for (int row = 1; row <= 10; ++row) {
    // The name window of the row.
    const int top = mw::kLabelTops[row - 1] - 1;
    p.end();
    DrawWell(img, QRect(33, top, 89, 14), QColor(0x2C, 0x19, 0x1B));
    p.begin(&img);
  }
  p.fillRect(QRect(6, 322, 116, 1), kPlateLo);
  p.fillRect(QRect(6, 323, 116, 1), kPlateHi);
}

void GridPanel(QImage& img) {
  DrawPlate(img, QRect(128, 222, 523, 199), QColor(0x35, 0x1F, 0x21));
  QPainter p(&img);
  const QColor tones[2] = {QColor(0x5A, 0x36, 0x39), QColor(0x48, 0x2B, 0x2E)};
  for (int g = 0; g < 8; ++g) {
    const int left = mw::CellLeft(4 * g + 1) - 1;
    const int right = mw::CellLeft(4 * g + 4) + 15;
    const QColor tone = tones[(g / 2) % 2 == 0 ? 0 : 1];
    p.fillRect(QRect(left, 226, right - left + 1, 193), tone);
    p.fillRect(QRect(left, 226, right - left + 1, 1), tone.lighter(125));
  }
  // Between the lower and the upper block of rows.
  for (int g = 0; g < 8; ++g) {
    const int left = mw::CellLeft(4 * g + 1) - 1;
    const int right = mw::CellLeft(4 * g + 4) + 15;
    p.fillRect(QRect(left, 321, right - left + 1, 3), QColor(0x2A, 0x18, 0x1A));
  }
  // The column of clear buttons.
  p.end();
  DrawPlate(img, QRect(650, 222, 18, 199));
  Heading(img, 659, 224, "CLR", kYellow, PixelFont::Small);
}

// Beat numbers over the grid, in the band between the strip and row 10.
void BeatNumbers(QImage& img) {
  for (int g = 0; g < 8; ++g) {
    const int left = mw::CellLeft(4 * g + 1);
    const int right = mw::CellLeft(4 * g + 4) + 14;
    const QColor ink = g % 4 == 0 ? kYellow : kGreen;
    DrawPixelTextCentred(img, (left + right + 1) / 2, 221, std::to_string(g + 1), ink,
                         PixelFont::Small);
  }
}

void BottomPanels(QImage& img) {
  // Pan.
  DrawPlate(img, QRect(3, 424, 151, 51));
  Heading(img, 62, 427, "PAN", kYellow);
  DrawWell(img, QRect(9, 447, 104, 12));  // the selected row's name
  // Kit.
  DrawPlate(img, QRect(158, 424, 156, 51));
  RuledHeading(img, 165, 428, 307, "KIT", kYellow);
  DrawWell(img, QRect(163, 437, 147, 16), QColor(0x30, 0x1C, 0x1D));
  // Note repeat: the switch sits in a well of its own.
  DrawWell(img, QRect(379, 433, 19, 18));
  // Transport and tempo.
  DrawPlate(img, QRect(440, 424, 226, 51));
  Heading(img, 542, 436, "START", kGreen, PixelFont::Small);
  RuledHeading(img, 574, 428, 660, "TEMPO", kYellow);
  DrawWell(img, QRect(586, 444, 42, 23));
  Grille(img, QRect(446, 430, 70, 39));
}

}  // namespace

QImage PaintSkin() {
  QImage img = NewImage(670, 478, kBack);
  {
    QPainter p(&img);
    p.fillRect(QRect(0, 0, 670, 1), kPlateHi);
    p.fillRect(QRect(0, 0, 1, 478), kPlateHi);
    p.fillRect(QRect(0, 477, 670, 1), kPlateLo);
    p.fillRect(QRect(669, 0, 1, 478), kPlateLo);
  }
  TitleBand(img);
  Screen(img);
  VolumeColumn(img);
  TimingColumn(img);
  RowPanel(img);
  GridPanel(img);
  BeatNumbers(img);
  BottomPanels(img);
  return img;
}

}  // namespace tools
