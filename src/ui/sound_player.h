#pragma once

#include <QString>

namespace numbrava {

// Plays a wave file without waiting; a missing file or no audio device plays
// nothing and reports nothing.
class SoundPlayer {
  public:
    virtual ~SoundPlayer() = default;
    virtual void play(const QString& waveFile) = 0;
};

class QtSoundPlayer : public SoundPlayer {
  public:
    void play(const QString& waveFile) override;
};

} // namespace numbrava
