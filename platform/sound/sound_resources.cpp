// The program's own sounds by number, from the resources the asset build
// embeds (read through Qt's resource system, the one place sound/ uses Qt).
#include <QFile>
#include <QString>

#include "platform/sound/sound.h"

namespace fw {

SoundRef GetSound(int number) {
  QFile file(QStringLiteral(":/assets/snd/%1.wav").arg(number));
  if (!file.open(QIODevice::ReadOnly)) return nullptr;
  const QByteArray bytes = file.readAll();
  return Sound::FromMemory(bytes.constData(), static_cast<size_t>(bytes.size()));
}

}  // namespace fw
