// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer target for the save file decoder: any bytes must be decoded or
// refused without a crash, and a decoded record must survive a save and load.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "persist/save_codec.h"

using mokopi::game::SaveRecord;
using namespace mokopi::persist;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto result = decodeSaveRecord(std::string_view(reinterpret_cast<const char*>(data), size));
    if (const auto* record = std::get_if<SaveRecord>(&result)) {
        const auto again = decodeSaveRecord(encodeSaveRecord(*record));
        const auto* reloaded = std::get_if<SaveRecord>(&again);
        if (!reloaded || !(*reloaded == *record)) {
            std::abort();
        }
    } else if (std::get<DecodeError>(result).reason.empty()) {
        std::abort();
    }
    return 0;
}
