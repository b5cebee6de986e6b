// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "media/sound_bank.h"

#include <QUrl>

#include <optional>

#include "media/regular_file.h"
#include "media/wave_check.h"

namespace mokopi::media {

namespace {

constexpr const char* FileNames[SoundBank::Count] = {"uta.wav", "odori.wav", "hirou.wav", "ai.wav"};

// The file's bytes, if it is a wave file Qt plays to its end.
std::optional<QByteArray> playableWave(const QString& path)
{
    QFile file;
    if (!openRegularFile(file, path))
        return std::nullopt;
    const QByteArray bytes = file.read(SoundBank::LargestFile + 1);
    if (bytes.size() > SoundBank::LargestFile
        || !isPlayableWave({reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size())}))
        return std::nullopt;
    return bytes;
}

}  // namespace

QString SoundBank::fileName(int i) { return (i >= 0 && i < Count) ? QString::fromLatin1(FileNames[i]) : QString(); }

SoundBank::SoundBank(const QString& appPath)
{
    for (int i = 0; i < Count; ++i) {
        const std::optional<QByteArray> wave = playableWave(appPath + fileName(i));
        if (!wave)
            continue;
        effects_[i] = std::make_unique<QSoundEffect>();
        // Qt gets the very bytes that were checked, never the file, which
        // could have changed since. Loading runs in the background; a play()
        // before it finishes is kept and carried out once the sound is ready.
        effects_[i]->setSource(QUrl(QStringLiteral("data:audio/wav;base64,") + QString::fromLatin1(wave->toBase64())));
    }
    open_ = true;
}

SoundBank::~SoundBank() { close(); }

bool SoundBank::plays(int i) const { return status(i) != QSoundEffect::Null && status(i) != QSoundEffect::Error; }

void SoundBank::play(int i)
{
    if (!plays(i))
        return;
    effects_[i]->stop();
    effects_[i]->play();
}

void SoundBank::close()
{
    // Qt 6.4 lets go of a player only once every sound has finished loading;
    // loads of checked bytes from memory always finish.
    for (auto& effect : effects_) {
        if (effect)
            effect->stop();
        effect.reset();
    }
    open_ = false;
}

QSoundEffect::Status SoundBank::status(int i) const
{
    if (!open_ || i < 0 || i >= Count || !effects_[i])
        return QSoundEffect::Null;
    return effects_[i]->status();
}

}  // namespace mokopi::media
