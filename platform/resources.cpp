// The program's resources: pictures and sounds by number, from the Qt
// resources that the asset build embeds.
#include "platform/resources.h"

#include <QFile>
#include <QString>

#include "platform/sound.h"

namespace fw {

PictureRef GetPicture(int number) {
  QString path = QStringLiteral(":/assets/pict/%1.png").arg(number);
  if (!QFile::exists(path)) return nullptr;
  return Picture::Load(path.toStdString());
}

std::shared_ptr<Sound> GetSound(int number) {
  QFile file(QStringLiteral(":/assets/snd/%1.wav").arg(number));
  if (!file.open(QIODevice::ReadOnly)) return nullptr;
  QByteArray bytes = file.readAll();
  return Sound::FromMemory(bytes.constData(), static_cast<size_t>(bytes.size()));
}

}  // namespace fw
