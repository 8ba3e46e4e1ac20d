// The sound effects, played from the program's own WAV resources (":/sounds/NAME.wav").
// With no audio output (as in CI or under Xvfb) the sounds are off: nothing plays and
// nothing waits.
#pragma once

#include <QString>
#include <map>
#include <memory>

class QSoundEffect;

namespace klondar::table {

// The length of a 16-bit PCM WAV in milliseconds, 0 when it is no such file.
int WavDurationMs(const QByteArray& wav);

class Sounds {
 public:
  Sounds();
  ~Sounds();
  // Whether an audio output exists; without one the sounds stay off.
  bool Available() const { return available_; }
  // Starts the effect; returns how long it lasts (for a caller that waits), 0 when
  // nothing plays (sounds off, no output, no such effect).
  int Play(const QString& name, bool enabled);

 private:
  bool available_ = false;
  std::map<QString, std::unique_ptr<QSoundEffect>> effects_;
  std::map<QString, int> durations_;
};

}  // namespace klondar::table
