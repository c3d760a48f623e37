#include "ui/sound_player.h"

#include "data/regular_file.h"

#include <QCoreApplication>
#include <QSoundEffect>
#include <QUrl>

namespace numbrava {

void QtSoundPlayer::play(const QString& waveFile) {
    // The loader opens the file on a thread of its own: a named pipe there
    // would keep the program from ever ending.
    if (!isRegularFile(waveFile))
        return;
    // Each sound owns itself and goes away when it has finished, so several
    // jackpot lines in one check each get their fanfare.
    auto* effect = new QSoundEffect(QCoreApplication::instance());
    QObject::connect(effect, &QSoundEffect::playingChanged, effect, [effect] {
        if (!effect->isPlaying())
            effect->deleteLater();
    });
    QObject::connect(effect, &QSoundEffect::statusChanged, effect, [effect] {
        if (effect->status() == QSoundEffect::Error)
            effect->deleteLater();
    });
    effect->setSource(QUrl::fromLocalFile(waveFile));
    effect->play();
}

} // namespace numbrava
