// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "media/sound_bank.h"

// What the sound module exports: the game finds it by this name.
extern "C" Q_DECL_EXPORT mokopi::media::Sounds* mokopi_open_sounds(const QString& appPath)
{
    static_assert(std::is_same_v<decltype(&mokopi_open_sounds), mokopi::media::OpenSoundsFunction>);
    return new mokopi::media::SoundBank(appPath);
}
