// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <span>

namespace mokopi::media {

// Whether the bytes of a sound file are a wave file that Qt's sound effects
// read to their end: little-endian RIFF/WAVE with integer PCM of 8 or 16
// bits, mono or stereo. Qt 6.4 hangs or crashes on much else rather than
// refusing it: a cut-off file or a data chunk that claims more than the file
// holds keeps it loading forever (and quitting waits for that load), a
// big-endian RIFX file crashes it. So every chunk must lie inside the file,
// and the chunks Qt skips on its way to the samples must be short enough for
// its one read of a skipped chunk and of even size, as it assumes.
bool isPlayableWave(std::span<const std::uint8_t> bytes);

}  // namespace mokopi::media
