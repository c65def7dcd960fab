// The program's pictures by number, from the Qt resources that the asset
// build embeds.
#include "platform/ui/resources.h"

#include <QFile>
#include <QString>

namespace fw {

PictureRef GetPicture(int number) {
  QString path = QStringLiteral(":/assets/pict/%1.png").arg(number);
  if (!QFile::exists(path)) return nullptr;
  return Picture::Load(path.toStdString());
}

}  // namespace fw
