// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer target for the check of a sound file: any bytes must get a
// verdict without a read outside them, and a verdict that does not change
// when bytes are added after the file's end, which the check never reads.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "media/wave_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // A copy of exactly the input's size, so that a read past it is caught.
    const std::vector<std::uint8_t> bytes(data, data + size);
    if (mokopi::media::isPlayableWave(bytes)) {
        std::vector<std::uint8_t> longer = bytes;
        longer.insert(longer.end(), {'d', 'a', 't', 'a', 0xff, 0xff, 0xff, 0xff});
        if (!mokopi::media::isPlayableWave(longer))
            std::abort();
    }
    return 0;
}
