#include "sounds.h"

#include <QFile>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>
#include <QtEndian>

namespace klondar::table {

int WavDurationMs(const QByteArray& wav) {
  if (wav.size() < 44 || !wav.startsWith("RIFF") || wav.mid(8, 8) != "WAVEfmt ") return 0;
  const auto* bytes = reinterpret_cast<const uchar*>(wav.constData());
  const quint32 byteRate = qFromLittleEndian<quint32>(bytes + 28);
  // Walk the chunks after the format chunk to the data chunk.
  qsizetype at = 12;
  while (at + 8 <= wav.size()) {
    const quint32 size = qFromLittleEndian<quint32>(bytes + at + 4);
    if (wav.mid(at, 4) == "data") {
      return byteRate == 0 ? 0 : static_cast<int>(1000LL * size / byteRate);
    }
    at += 8 + static_cast<qsizetype>(size);
  }
  return 0;
}

Sounds::Sounds() : available_(!QMediaDevices::audioOutputs().isEmpty()) {}

Sounds::~Sounds() = default;

int Sounds::Play(const QString& name, bool enabled) {
  if (!enabled || !available_) return 0;
  const QString path = QStringLiteral(":/sounds/") + name + QStringLiteral(".wav");
  auto it = effects_.find(name);
  if (it == effects_.end()) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return 0;  // a missing effect plays nothing
    durations_[name] = WavDurationMs(file.readAll());
    auto effect = std::make_unique<QSoundEffect>();
    effect->setSource(QUrl(QStringLiteral("qrc") + path));
    it = effects_.emplace(name, std::move(effect)).first;
  }
  it->second->play();
  return durations_[name];
}

}  // namespace klondar::table
