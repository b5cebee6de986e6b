// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "media/sound_bank.h"

#include <QUrl>

namespace mokopi::media {

namespace {
constexpr const char* FileNames[SoundBank::Count] = {"uta.wav", "odori.wav", "hirou.wav", "ai.wav"};
}

QString SoundBank::fileName(int i) { return (i >= 0 && i < Count) ? QString::fromLatin1(FileNames[i]) : QString(); }

SoundBank::SoundBank(const QString& appPath)
{
    for (int i = 0; i < Count; ++i) {
        effects_[i] = std::make_unique<QSoundEffect>();
        // Loading runs in the background; a play() before it finishes is
        // kept and carried out once the sound is ready.
        effects_[i]->setSource(QUrl::fromLocalFile(appPath + fileName(i)));
    }
    open_ = true;
}

SoundBank::~SoundBank() { close(); }

void SoundBank::play(int i)
{
    if (!open_ || i < 0 || i >= Count)
        return;
    QSoundEffect& effect = *effects_[i];
    if (effect.status() == QSoundEffect::Error)
        return;
    effect.stop();
    effect.play();
}

void SoundBank::close()
{
    for (auto& effect : effects_) {
        if (effect)
            effect->stop();
        effect.reset();
    }
    open_ = false;
}

QSoundEffect::Status SoundBank::status(int i) const
{
    if (!open_ || i < 0 || i >= Count)
        return QSoundEffect::Null;
    return effects_[i]->status();
}

}  // namespace mokopi::media
