// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <memory>

namespace mokopi::media {

// The game's four sound effects: uta.wav, odori.wav, hirou.wav and ai.wav.
class Sounds {
public:
    static constexpr int Count = 4;

    virtual ~Sounds() = default;

    // Plays sound i from its start, cutting a playback of the same sound
    // that is still running. Other sounds keep playing.
    virtual void play(int i) = 0;

    // Releases the players; play() does nothing afterwards.
    virtual void close() = 0;
    virtual bool isOpen() const = 0;

    // Whether sound i has a player, loaded or loading, that plays its file.
    virtual bool plays(int i) const = 0;
};

// The sounds of the application folder appPath (ending in "/"), played by
// the sound module, a library of its own in moduleFolder that is loaded now:
// the program links no audio library, so none of them (QtMultimedia, the
// sound server's client, QtNetwork) loads before it needs to play. Without
// the module, or where it fails to load, every sound is silent.
std::unique_ptr<Sounds> openSounds(const QString& appPath, const QString& moduleFolder);

// The module's file name without its folder, and the function it exports:
// it opens the sounds of an application folder, as SoundBank does.
inline constexpr const char* SoundModuleFile = "libmokopi_sounds.so";
inline constexpr const char* SoundModuleEntry = "mokopi_open_sounds";
using OpenSoundsFunction = Sounds* (*)(const QString& appPath);

}  // namespace mokopi::media
