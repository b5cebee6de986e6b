// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QSoundEffect>
#include <QString>

#include <array>
#include <memory>

#include "media/sounds.h"

namespace mokopi::media {

// The four sound effects, one QtMultimedia player each, opened once so that
// a command click only restarts an already loaded sound. The program reaches
// them through the sound module (openSounds). A sound whose file is
// missing, is no regular file or is no wave file that Qt plays to its end
// (isPlayableWave) gets no player and stays silent, as does every sound on a
// machine without audio; nothing here ever fails.
class SoundBank final : public Sounds {
public:
    // A cue is a short sound; a larger file is taken for something else.
    static constexpr qint64 LargestFile = 8 << 20;

    // appPath ends in "/"; reads uta.wav, odori.wav, hirou.wav and ai.wav.
    explicit SoundBank(const QString& appPath);
    ~SoundBank() override;
    SoundBank(const SoundBank&) = delete;
    SoundBank& operator=(const SoundBank&) = delete;

    void play(int i) override;
    void close() override;
    bool isOpen() const override { return open_; }
    bool plays(int i) const override;

    // QSoundEffect::Null for a silent sound, after close or for an index out
    // of range.
    QSoundEffect::Status status(int i) const;

    static QString fileName(int i);

private:
    std::array<std::unique_ptr<QSoundEffect>, Count> effects_;
    bool open_ = false;
};

}  // namespace mokopi::media
