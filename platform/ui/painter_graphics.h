// Internal to the platform layer: drawing through a QPainter, the image
// behind a Picture, and the program's colours and strings in Qt's types.
#pragma once
#include <QImage>
#include <QPainter>
#include <memory>

#include "platform/ui/picture.h"

namespace fw {

inline QColor ToQColor(Color c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); }
inline QString ToQString(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// Graphics over a Qt paint device of a given size. Either borrows a painter
// that is already active on the device (a widget's paint event), setting it up
// once and leaving it set up, or opens its own painter on the device for each
// drawing call (a picture, whose image must stay readable between calls). Everything outside (0, 0,
// width, height) is clipped; anti-aliasing is off, so every drawing call sets exact pixels.
class PainterGraphics : public Graphics {
 public:
  // Draws through painter, which stays active while this object draws.
  PainterGraphics(QPainter& painter, int width, int height);
  // Opens a painter on device for each drawing call.
  PainterGraphics(QPaintDevice* device, int width, int height);

  int Width() const override { return width_; }
  int Height() const override { return height_; }
  void FillRect(int x, int y, int w, int h) override;
  void DrawRect(int x, int y, int w, int h) override;
  void DrawPicture(const PictureRef& pic, int x, int y) override;
  void DrawString(const std::string& text, int x, int y) override;
  int StringWidth(const std::string& text) override;

  // The font DrawString uses for the current TextFont, TextSize and Bold.
  QFont CurrentFont() const;

 private:
  // Exact pixels: no smoothing, source-over.
  static void SetUp(QPainter& p);
  template <typename F>
  void WithPainter(F draw);
  // Fills the part of (x, y, w, h) that lies inside the surface.
  void FillClipped(QPainter& p, long long x, long long y, long long w, long long h);

  QPainter* borrowed_ = nullptr;
  QPaintDevice* device_ = nullptr;
  int width_;
  int height_;
};

// The font a Graphics' TextFont, TextSize and Bold stand for: "System" (or no
// name) is the desktop's default sans-serif family; sizes are pixel sizes;
// glyphs are drawn in one colour, without smoothing.
QFont FontFor(const std::string& family, int pixelSize, bool bold);

struct Picture::Impl {
  QImage image;  // Format_RGB32, never reallocated after construction
  std::unique_ptr<PainterGraphics> graphics;
};

}  // namespace fw
