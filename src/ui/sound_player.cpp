#include "ui/sound_player.h"

#include <QCoreApplication>
#include <QFile>
#include <QSoundEffect>
#include <QUrl>

namespace numbrava {

void QtSoundPlayer::play(const QString& waveFile) {
    if (!QFile::exists(waveFile))
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
