// Pixel-exact drawing through a QPainter.
#include "platform/ui/painter_graphics.h"

#include <QFontMetrics>
#include <algorithm>

namespace fw {

QFont FontFor(const std::string& family, int pixelSize, bool bold) {
  QFont font;
  if (family.empty() || family == "System") {
    font.setFamily(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
  } else {
    font.setFamily(QString::fromStdString(family));
  }
  font.setPixelSize(std::clamp(pixelSize, 1, 1000));
  font.setBold(bold);
  font.setStyleStrategy(QFont::NoAntialias);
  return font;
}

PainterGraphics::PainterGraphics(QPainter& painter, int width, int height)
    : borrowed_(&painter), width_(std::max(width, 0)), height_(std::max(height, 0)) {
  SetUp(painter);
}

PainterGraphics::PainterGraphics(QPaintDevice* device, int width, int height)
    : device_(device), width_(std::max(width, 0)), height_(std::max(height, 0)) {}

void PainterGraphics::SetUp(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setRenderHint(QPainter::TextAntialiasing, false);
  p.setRenderHint(QPainter::SmoothPixmapTransform, false);
  p.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

template <typename F>
void PainterGraphics::WithPainter(F draw) {
  if (width_ == 0 || height_ == 0) return;
  if (borrowed_) {
    draw(*borrowed_);
    return;
  }
  if (!device_) return;
  QPainter p(device_);
  if (!p.isActive()) return;
  SetUp(p);
  draw(p);
}

QFont PainterGraphics::CurrentFont() const { return FontFor(TextFont, TextSize, Bold); }

void PainterGraphics::FillClipped(QPainter& p, long long x, long long y, long long w, long long h) {
  if (w <= 0 || h <= 0) return;
  const long long left = std::max(x, 0LL);
  const long long top = std::max(y, 0LL);
  const long long right = std::min(x + w, static_cast<long long>(width_));
  const long long bottom = std::min(y + h, static_cast<long long>(height_));
  if (right <= left || bottom <= top) return;
  p.fillRect(QRect(static_cast<int>(left), static_cast<int>(top), static_cast<int>(right - left),
                   static_cast<int>(bottom - top)),
             ToQColor(ForeColor));
}

void PainterGraphics::FillRect(int x, int y, int w, int h) {
  WithPainter([&](QPainter& p) { FillClipped(p, x, y, w, h); });
}

void PainterGraphics::DrawRect(int x, int y, int w, int h) {
  if (w <= 0 || h <= 0) return;
  WithPainter([&](QPainter& p) {
    const long long X = x, Y = y, W = w, H = h;
    FillClipped(p, X, Y, W, 1);                     // top edge
    if (H > 1) FillClipped(p, X, Y + H - 1, W, 1);  // bottom edge
    if (H > 2) {
      FillClipped(p, X, Y + 1, 1, H - 2);                     // left edge
      if (W > 1) FillClipped(p, X + W - 1, Y + 1, 1, H - 2);  // right edge
    }
  });
}

void PainterGraphics::DrawPicture(const PictureRef& pic, int x, int y) {
  if (!pic) return;
  const QImage& image = pic->impl().image;
  if (image.isNull()) return;
  WithPainter([&](QPainter& p) {
    const long long left = std::max<long long>(x, 0);
    const long long top = std::max<long long>(y, 0);
    const long long right = std::min<long long>(static_cast<long long>(x) + image.width(), width_);
    const long long bottom =
        std::min<long long>(static_cast<long long>(y) + image.height(), height_);
    if (right <= left || bottom <= top) return;
    const QRect source(static_cast<int>(left - x), static_cast<int>(top - y),
                       static_cast<int>(right - left), static_cast<int>(bottom - top));
    // Drawing a picture onto itself reads from a copy of the source part.
    if (device_ == static_cast<const QPaintDevice*>(&image)) {
      p.drawImage(QPoint(static_cast<int>(left), static_cast<int>(top)), image.copy(source));
    } else {
      p.drawImage(QPoint(static_cast<int>(left), static_cast<int>(top)), image, source);
    }
  });
}

void PainterGraphics::DrawString(const std::string& text, int x, int y) {
  if (text.empty()) return;
  WithPainter([&](QPainter& p) {
    p.setClipRect(QRect(0, 0, width_, height_), Qt::IntersectClip);
    p.setFont(CurrentFont());
    p.setPen(ToQColor(ForeColor));
    p.drawText(QPoint(x, y), ToQString(text));
  });
}

int PainterGraphics::StringWidth(const std::string& text) {
  QFontMetrics metrics(CurrentFont());
  return metrics.horizontalAdvance(ToQString(text));
}

}  // namespace fw
