// Pictures and drawing. Drawing is pixel-exact: no anti-aliasing, no blending,
// everything outside the target is clipped.
#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "platform/ui/color.h"

namespace fw {

class Picture;
using PictureRef = std::shared_ptr<Picture>;

// Drawing surface of a picture, or of a control while it paints.
class Graphics {
 public:
  virtual ~Graphics() = default;

  Color ForeColor = 0;  // pen colour of every following draw
  int TextSize = 12;    // pixels
  std::string TextFont = "System";
  bool Bold = false;
  bool UseOldRenderer = false;  // kept for callers; drawing is exact either way

  virtual int Width() const = 0;
  virtual int Height() const = 0;
  // Sets every pixel of the rectangle (x, y, w, h).
  virtual void FillRect(int x, int y, int w, int h) = 0;
  // A one-pixel frame that covers exactly (x, y, w, h): a rectangle one pixel
  // high or two wide is set completely.
  virtual void DrawRect(int x, int y, int w, int h) = 0;
  // The picture at its own size with its top-left corner at (x, y).
  virtual void DrawPicture(const PictureRef& pic, int x, int y) = 0;
  // Text in ForeColor with its baseline at y, in one colour (no smoothing).
  virtual void DrawString(const std::string& text, int x, int y) = 0;
  // Width in pixels that DrawString would take.
  virtual int StringWidth(const std::string& text) = 0;
};

// A 32-bit RGB picture in memory.
class Picture {
 public:
  Picture(int width, int height);
  ~Picture();
  Picture(const Picture&) = delete;
  Picture& operator=(const Picture&) = delete;

  int Width() const;
  int Height() const;
  fw::Graphics& Graphics();         // the same object on every call
  Color Pixel(int x, int y) const;  // 0 outside
  void SetPixel(int x, int y, Color c);

  // The picture as the bytes of a PNG file; empty on failure. Files are
  // written by FolderItem::SaveAsPicture.
  std::string EncodePNG() const;
  // Reads a picture file (PNG and whatever Qt reads); nullptr on failure.
  static PictureRef Load(const std::string& path);

  struct Impl;
  Impl& impl() const { return *impl_; }

 private:
  std::unique_ptr<Impl> impl_;
};

// NewPicture(width, height, depth): depth is accepted as given, pixels are
// always 32 bits. Starts all black.
PictureRef NewPicture(int width, int height, int depth);

// The system clipboard; setting its picture copies the picture as it is now.
class Clipboard {
 public:
  void SetPicture(const PictureRef& pic);
};

}  // namespace fw
