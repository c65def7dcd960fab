#include "tools/paint_controls.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include "tools/paint_style.h"
#include "tools/pixel_font.h"

namespace tools {
namespace {

const QColor kCream(0xEE, 0xE4, 0xC4);

void Antialiased(QPainter& p) { p.setRenderHint(QPainter::Antialiasing, true); }

}  // namespace

QImage PaintRoundButton(QColor face) {
  QImage img = NewImage(13, 12, colors::kPlate);
  DrawRoundCap(img, QRectF(1, 0.5, 11, 11), face);
  return img;
}

QImage PaintStepFace(int velocity) {
  QImage img = NewImage(15, 16, colors::kWell);
  const QColor off(0x56, 0x49, 0x47);
  DrawKey(img, QRectF(0, 0, 15, 16), off, 2.5);
  if (velocity <= 0) {
    // An unlit pad: a faint dark window where the light would be.
    QPainter p(&img);
    p.fillRect(QRect(3, 3, 9, 10), off.darker(125));
    p.fillRect(QRect(3, 3, 9, 1), off.darker(150));
    return img;
  }
  // A lit pad fills from the bottom: fully for an accent, two thirds for a
  // normal note, a third for a ghost note, each dimmer than the last.
  QColor lit;
  double fill;
  if (velocity >= 100) {
    lit = QColor(0xFF, 0xC4, 0x20);
    fill = 1.0;
  } else if (velocity >= 50) {
    lit = QColor(0xD0, 0x7A, 0x18);
    fill = 0.62;
  } else {
    lit = QColor(0x8E, 0x4A, 0x1C);
    fill = 0.34;
  }
  QPainter p(&img);
  Antialiased(p);
  QPainterPath body;
  body.addRoundedRect(QRectF(1, 1, 13, 14), 2, 2);
  p.setClipPath(body);
  const double top = 1 + 14 * (1.0 - fill);
  QLinearGradient g(0, top, 0, 15);
  g.setColorAt(0.0, lit.lighter(velocity >= 100 ? 130 : 115));
  g.setColorAt(1.0, lit.darker(120));
  p.fillRect(QRectF(1, top, 13, 15 - top), g);
  if (velocity >= 100) {
    QRadialGradient glow(7.5, 7, 6);
    glow.setColorAt(0.0, QColor(255, 250, 220, 230));
    glow.setColorAt(1.0, QColor(255, 220, 120, 0));
    p.fillRect(QRectF(1, 1, 13, 14), glow);
  }
  return img;
}

QImage PaintArrow(bool up) {
  QImage img = NewImage(13, 9, colors::kPlate);
  DrawKey(img, QRectF(0, 0, 13, 9), colors::kKeyFace, 1.5);
  QPainter p(&img);
  Antialiased(p);
  p.setPen(Qt::NoPen);
  p.setBrush(colors::kYellow);
  QPolygonF tri;
  if (up) {
    tri << QPointF(6.5, 1.8) << QPointF(10.4, 7.0) << QPointF(2.6, 7.0);
  } else {
    tri << QPointF(6.5, 7.2) << QPointF(10.4, 2.0) << QPointF(2.6, 2.0);
  }
  p.drawPolygon(tri);
  return img;
}

QImage PaintPlayIcon() {
  QImage img = NewImage(12, 12, QColor(0x1A, 0x0E, 0x0F));
  QPainter p(&img);
  Antialiased(p);
  p.setPen(QPen(QColor(0x55, 0x30, 0x32), 1.0));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(QRectF(0.5, 0.5, 11, 11), 2, 2);
  QRadialGradient g(4.5, 5.5, 6);
  g.setColorAt(0.0, QColor(255, 190, 170));
  g.setColorAt(0.4, QColor(240, 40, 30));
  g.setColorAt(1.0, QColor(150, 10, 10));
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  QPolygonF tri;
  tri << QPointF(3.5, 2.5) << QPointF(9.5, 6.0) << QPointF(3.5, 9.5);
  p.drawPolygon(tri);
  return img;
}

QImage PaintClearButton(bool wholePattern) {
  QImage img = NewImage(13, 12, colors::kPlate);
  const QColor face = wholePattern ? QColor(0x8C, 0x2A, 0x2A) : colors::kKeyFace;
  DrawKey(img, QRectF(0, 0, 13, 12), face, 2.0);
  QPainter p(&img);
  Antialiased(p);
  p.setPen(
      QPen(wholePattern ? kCream : QColor(0xE0, 0x70, 0x70), 1.6, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(4.2, 3.7), QPointF(8.8, 8.3));
  p.drawLine(QPointF(8.8, 3.7), QPointF(4.2, 8.3));
  return img;
}

QImage PaintRowPad() {
  QImage img = NewImage(13, 12, colors::kPlate);
  DrawKey(img, QRectF(0, 0, 13, 12), QColor(0xB0, 0xA4, 0x98), 2.5);
  QPainter p(&img);
  Antialiased(p);
  QRadialGradient dimple(6.5, 6.5, 4);
  dimple.setColorAt(0.0, QColor(0x8A, 0x7E, 0x74));
  dimple.setColorAt(1.0, QColor(0xA8, 0x9C, 0x90));
  p.setPen(Qt::NoPen);
  p.setBrush(dimple);
  p.drawEllipse(QRectF(3, 2.5, 7, 7));
  return img;
}

QImage PaintPanBar(QColor color) {
  QImage img = NewImage(12, 9, QColor(0x14, 0x0B, 0x0C));
  QPainter p(&img);
  p.fillRect(QRect(1, 1, 10, 7), color);
  p.fillRect(QRect(1, 1, 10, 1), Mix(color, Qt::white, 0.55));
  p.fillRect(QRect(1, 7, 10, 1), color.darker(160));
  p.fillRect(QRect(10, 2, 1, 5), color.darker(130));
  return img;
}

QImage PaintTextKey(int w, int h, const std::string& text, QColor ink) {
  QImage img = NewImage(w, h, colors::kPlate);
  DrawKey(img, QRectF(0, 0, w, h), colors::kKeyFace, h > 12 ? 3.0 : 1.5);
  const int textHeight = PixelTextHeight(PixelFont::Regular);
  const int y = (h - textHeight + 1) / 2;
  DrawPixelTextCentred(img, w / 2, y, text, ink);
  return img;
}

QImage PaintVolumeKnob() {
  QImage img = NewImage(19, 10, colors::kWell);
  DrawKey(img, QRectF(0, 0, 19, 10), QColor(0xC4, 0xBA, 0xB0), 1.5);
  QPainter p(&img);
  p.fillRect(QRect(2, 2, 15, 1), QColor(0x8E, 0x84, 0x7C));
  p.fillRect(QRect(2, 7, 15, 1), QColor(0x8E, 0x84, 0x7C));
  p.fillRect(QRect(1, 4, 17, 2), QColor(0xE0, 0x30, 0x28));
  return img;
}

QImage PaintDice() {
  QImage img = NewImage(24, 17, colors::kPlate);
  QPainter p(&img);
  Antialiased(p);
  // A second die behind, turned away, gives the button its width.
  p.setPen(QPen(QColor(0x22, 0x14, 0x14), 1.0));
  p.setBrush(QColor(0xB8, 0xAE, 0x9C));
  p.drawRoundedRect(QRectF(1.5, 4.5, 11, 11), 2.5, 2.5);
  QLinearGradient face(7, 0, 22, 16);
  face.setColorAt(0.0, QColor(0xFB, 0xF6, 0xEA));
  face.setColorAt(1.0, QColor(0xD2, 0xC8, 0xB4));
  p.setBrush(face);
  p.drawRoundedRect(QRectF(7.5, 0.5, 15, 15), 3, 3);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xB0, 0x18, 0x18));
  const QPointF pips[] = {{11, 4}, {19, 4}, {15, 8}, {11, 12}, {19, 12}};
  for (const QPointF& c : pips) p.drawEllipse(c, 1.5, 1.5);
  p.setBrush(QColor(0x30, 0x28, 0x24));
  p.drawEllipse(QPointF(4.5, 12.5), 1.1, 1.1);
  return img;
}

QImage PaintRepeatSwitch(bool on) {
  QImage img = NewImage(13, 12, colors::kPlate);
  DrawKey(img, QRectF(0, 0, 13, 12), QColor(0x3A, 0x30, 0x2E), 2.0);
  QPainter p(&img);
  const QColor cell = on ? QColor(0x40, 0xFF, 0x40) : QColor(0x2C, 0x4A, 0x2C);
  const QColor rim = on ? QColor(0x20, 0x90, 0x20) : QColor(0x22, 0x30, 0x22);
  for (int row = 0; row < 2; ++row) {
    for (int col = 0; col < 2; ++col) {
      const QRect r(3 + col * 4, 2 + row * 4, 3, 3);
      p.fillRect(r, rim);
      p.fillRect(r.adjusted(0, 0, -1, -1), cell);
    }
  }
  return img;
}

QImage PaintLightStrip() {
  QImage img = NewImage(512, 15, colors::kWell);
  for (int s = 0; s < 32; ++s) {
    const bool beat = s % 4 == 0;
    QPainter p(&img);
    Antialiased(p);
    p.setPen(QPen(beat ? QColor(0x70, 0x62, 0x30) : QColor(0x3E, 0x2A, 0x2A), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(s * 16 + 3, 2, 10, 10));
    p.end();
    DrawLamp(img, QRectF(s * 16 + 4, 3, 8, 8), QColor(0xFF, 0x30, 0x20), false);
  }
  return img;
}

QImage PaintLight() {
  QImage img = NewImage(16, 15, colors::kWell);
  QPainter p(&img);
  Antialiased(p);
  QRadialGradient halo(8, 7, 7.5);
  halo.setColorAt(0.0, QColor(0xFF, 0x50, 0x30, 200));
  halo.setColorAt(1.0, QColor(0xFF, 0x30, 0x20, 0));
  p.fillRect(img.rect(), halo);
  p.end();
  DrawLamp(img, QRectF(4, 3, 8, 8), QColor(0xFF, 0x38, 0x20), true);
  return img;
}

QImage PaintAppIcon() {
  QImage img = NewImage(64, 64, colors::kBack);
  {
    QPainter p(&img);
    Antialiased(p);
    QLinearGradient body(0, 0, 0, 64);
    body.setColorAt(0.0, QColor(0x5C, 0x36, 0x3A));
    body.setColorAt(1.0, QColor(0x30, 0x1B, 0x1D));
    p.setPen(QPen(QColor(0x18, 0x0C, 0x0D), 1.5));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(1, 1, 62, 62), 9, 9);
    // The step-line display with a few traces.
    p.setPen(QPen(QColor(0x10, 0x08, 0x08), 1));
    p.setBrush(Qt::black);
    p.drawRect(QRectF(8.5, 8.5, 47, 19));
  }
  QPainter p(&img);
  const int traces[][3] = {{10, 25, 0}, {18, 13, 1}, {26, 25, 0}, {34, 19, 2},
                           {42, 25, 0}, {50, 13, 1}, {14, 19, 2}, {46, 19, 2}};
  for (const auto& t : traces) {
    const QColor c = t[2] == 0   ? QColor(255, 255, 0)
                     : t[2] == 1 ? QColor(255, 150, 0)
                                 : QColor(150, 255, 0);
    p.fillRect(QRect(t[0], t[1], 5, 1), c);
  }
  p.end();
  // Two rows of step pads, some of them lit.
  const int lit[2][8] = {{100, 0, 50, 0, 100, 0, 50, 10}, {0, 0, 100, 0, 0, 0, 100, 0}};
  for (int row = 0; row < 2; ++row) {
    for (int col = 0; col < 8; ++col) {
      QImage face = PaintStepFace(lit[row][col])
                        .scaled(6, 7, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
      QPainter q(&img);
      q.drawImage(8 + col * 6, 34 + row * 9, face);
    }
  }
  DrawPixelTextCentred(img, 32, 53, "TAKTORA", colors::kYellow, PixelFont::Small);
  return img;
}

}  // namespace tools
