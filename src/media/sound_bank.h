// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QSoundEffect>
#include <QString>

#include <array>
#include <memory>

namespace mokopi::media {

// The four sound effects, one player each, opened once at start-up so that a
// command click only restarts an already loaded sound. A sound whose file is
// missing, is no regular file or is no wave file that Qt plays to its end
// (isPlayableWave) gets no player and stays silent, as does every sound on a
// machine without audio; nothing here ever fails.
class SoundBank {
public:
    static constexpr int Count = 4;
    // A cue is a short sound; a larger file is taken for something else.
    static constexpr qint64 LargestFile = 8 << 20;

    // appPath ends in "/"; reads uta.wav, odori.wav, hirou.wav and ai.wav.
    explicit SoundBank(const QString& appPath);
    ~SoundBank();
    SoundBank(const SoundBank&) = delete;
    SoundBank& operator=(const SoundBank&) = delete;

    // Plays sound i from its start, cutting a playback of the same sound
    // that is still running. Other sounds keep playing.
    void play(int i);

    // Releases the players; play() does nothing afterwards.
    void close();
    bool isOpen() const { return open_; }

    // QSoundEffect::Null for a silent sound, after close or for an index out
    // of range.
    QSoundEffect::Status status(int i) const;

    static QString fileName(int i);

private:
    std::array<std::unique_ptr<QSoundEffect>, Count> effects_;
    bool open_ = false;
};

}  // namespace mokopi::media
