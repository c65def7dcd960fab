#include "tools/paint_style.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <algorithm>

namespace tools {

QImage NewImage(int w, int h, QColor fill) {
  QImage img(w, h, QImage::Format_RGB32);
  img.fill(fill);
  return img;
}

QColor Mix(QColor a, QColor b, double t) {
  auto m = [t](int x, int y) {
    return std::clamp(static_cast<int>(x + (y - x) * t + 0.5), 0, 255);
  };
  return QColor(m(a.red(), b.red()), m(a.green(), b.green()), m(a.blue(), b.blue()));
}

void DrawPlate(QImage& img, QRect r, QColor face, QColor hi, QColor lo) {
  QPainter p(&img);
  p.fillRect(r, face);
  p.fillRect(QRect(r.left(), r.top(), r.width(), 1), hi);
  p.fillRect(QRect(r.left(), r.top(), 1, r.height()), hi);
  p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), lo);
  p.fillRect(QRect(r.right(), r.top(), 1, r.height()), lo);
}

void DrawWell(QImage& img, QRect r, QColor face) {
  DrawPlate(img, r, face, colors::kPlateLo.darker(130), colors::kPlateHi);
}

void DrawKey(QImage& img, QRectF r, QColor face, double radius) {
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing, true);
  QLinearGradient sheen(r.topLeft(), r.bottomLeft());
  sheen.setColorAt(0.0, face.lighter(135));
  sheen.setColorAt(0.45, face);
  sheen.setColorAt(1.0, face.darker(150));
  p.setPen(QPen(face.darker(260), 1.0));
  p.setBrush(sheen);
  p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
}

void DrawRoundCap(QImage& img, QRectF r, QColor face) {
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing, true);
  QRadialGradient g(r.left() + r.width() * 0.35, r.top() + r.height() * 0.3, r.width() * 0.75);
  g.setColorAt(0.0, face.lighter(175));
  g.setColorAt(0.35, face);
  g.setColorAt(1.0, face.darker(220));
  p.setPen(QPen(QColor(0x14, 0x0B, 0x0C), 1.0));
  p.setBrush(g);
  p.drawEllipse(r.adjusted(0.5, 0.5, -0.5, -0.5));
}

void DrawLamp(QImage& img, QRectF r, QColor glow, bool lit) {
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing, true);
  const QPointF c = r.center();
  QRadialGradient g(c.x() - r.width() * 0.12, c.y() - r.height() * 0.15, r.width() * 0.6);
  if (lit) {
    g.setColorAt(0.0, QColor(255, 255, 235));
    g.setColorAt(0.3, glow.lighter(120));
    g.setColorAt(1.0, glow.darker(140));
  } else {
    g.setColorAt(0.0, Mix(glow, QColor(0, 0, 0), 0.55));
    g.setColorAt(1.0, Mix(glow, QColor(0, 0, 0), 0.85));
  }
  p.setPen(QPen(QColor(0x10, 0x08, 0x08), 1.0));
  p.setBrush(g);
  p.drawEllipse(r.adjusted(0.5, 0.5, -0.5, -0.5));
}

}  // namespace tools
