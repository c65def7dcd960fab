// Pictures in memory, their files, and the clipboard.
#include "platform/ui/picture.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QImageReader>
#include <algorithm>

#include "platform/base/files.h"
#include "platform/ui/painter_graphics.h"

namespace fw {

namespace {

QImage MakeImage(int width, int height) {
  if (width <= 0 || height <= 0) return QImage();
  QImage image(width, height, QImage::Format_RGB32);
  if (!image.isNull()) image.fill(0xFF000000u);
  return image;
}

}  // namespace

Picture::Picture(int width, int height) : impl_(std::make_unique<Impl>()) {
  impl_->image = MakeImage(width, height);
  impl_->graphics =
      std::make_unique<PainterGraphics>(&impl_->image, impl_->image.width(), impl_->image.height());
}

Picture::~Picture() = default;

int Picture::Width() const { return impl_->image.width(); }
int Picture::Height() const { return impl_->image.height(); }

Graphics& Picture::Graphics() { return *impl_->graphics; }

Color Picture::Pixel(int x, int y) const {
  const QImage& image = impl_->image;
  if (x < 0 || y < 0 || x >= image.width() || y >= image.height()) return 0;
  return static_cast<Color>(image.pixel(x, y) & 0xFFFFFFu);
}

void Picture::SetPixel(int x, int y, Color c) {
  QImage& image = impl_->image;
  if (x < 0 || y < 0 || x >= image.width() || y >= image.height()) return;
  image.setPixel(x, y, 0xFF000000u | (c & 0xFFFFFFu));
}

std::string Picture::EncodePNG() const {
  if (impl_->image.isNull()) return {};
  // Into memory: a PNG writer does not report a failed write, so the file is
  // written by the checked path of the files layer.
  QByteArray bytes;
  QBuffer buffer(&bytes);
  if (!buffer.open(QIODevice::WriteOnly) || !impl_->image.save(&buffer, "PNG")) return {};
  return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

PictureRef Picture::Load(const std::string& path) {
  QImageReader reader(QString::fromStdString(path));
  reader.setAutoTransform(false);
  QImage loaded = reader.read();
  if (loaded.isNull()) return nullptr;
  auto pic = std::make_shared<Picture>(loaded.width(), loaded.height());
  if (pic->Width() != loaded.width() || pic->Height() != loaded.height()) return nullptr;
  // Transparent parts come out as they would over black.
  QPainter p(&pic->impl().image);
  p.setCompositionMode(QPainter::CompositionMode_SourceOver);
  p.drawImage(0, 0, loaded);
  return pic;
}

PictureRef NewPicture(int width, int height, int /*depth*/) {
  return std::make_shared<Picture>(width, height);
}

void Clipboard::SetPicture(const PictureRef& pic) {
  if (!pic || pic->impl().image.isNull()) return;
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (!clipboard) return;
  clipboard->setImage(pic->impl().image.copy());
}

// The FolderItem member that belongs with the pictures: the PNG goes
// through the one checked write path.
bool FolderItem::SaveAsPicture(const PictureRef& pic) const {
  if (!pic) {
    lastError_ = "no picture";
    return false;
  }
  if (Directory()) {
    lastError_ = "a folder of that name is in the way";
    return false;
  }
  const std::string png = pic->EncodePNG();
  if (png.empty()) {
    lastError_ = "the picture could not be encoded";
    return false;
  }
  WriteBatch batch;
  if (batch.AddBytes(*this, png) && batch.Commit()) return true;
  lastError_ = batch.LastError();
  return false;
}

}  // namespace fw
