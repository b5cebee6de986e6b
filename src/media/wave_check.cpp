// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "media/wave_check.h"

#include <algorithm>
#include <string_view>

namespace mokopi::media {

namespace {

constexpr std::uint64_t ChunkHeaderBytes = 8;  // four letters and a 32-bit size
// Qt skips a chunk before the samples with one read of at most 16 KiB and
// never reads the rest of a longer one.
constexpr std::uint64_t MostSkippedBytes = 16384;
// Every sound server plays up to this rate.
constexpr std::uint32_t HighestRate = 384000;

struct Reader {
    std::span<const std::uint8_t> bytes;

    bool fits(std::uint64_t at, std::uint64_t count) const { return at <= bytes.size() && count <= bytes.size() - at; }
    bool holds(std::uint64_t at, std::string_view letters) const
    {
        return fits(at, letters.size())
            && std::equal(letters.begin(), letters.end(), bytes.begin() + static_cast<std::ptrdiff_t>(at));
    }
    std::uint32_t number(std::uint64_t at, int size) const
    {
        std::uint32_t n = 0;
        for (int i = size - 1; i >= 0; --i)
            n = n << 8 | bytes[at + static_cast<std::uint64_t>(i)];
        return n;
    }
};

// The bytes of one sample, or 0 when the format chunk at `at` (of `size`
// bytes) describes no sound Qt plays.
std::uint32_t sampleBytes(const Reader& r, std::uint64_t at, std::uint64_t size)
{
    if (size < 16)
        return 0;
    const std::uint32_t format = r.number(at, 2), channels = r.number(at + 2, 2), rate = r.number(at + 4, 4),
                        bits = r.number(at + 14, 2);
    constexpr std::uint32_t IntegerPcm = 1;
    if (format != IntegerPcm || channels < 1 || channels > 2 || rate < 1 || rate > HighestRate
        || (bits != 8 && bits != 16))
        return 0;
    return bits / 8;
}

}  // namespace

bool isPlayableWave(std::span<const std::uint8_t> bytes)
{
    const Reader r{bytes};
    if (!r.holds(0, "RIFF") || !r.holds(8, "WAVE") || !r.fits(ChunkHeaderBytes, r.number(4, 4)))
        return false;
    // The chunks as Qt walks them: to the first format chunk, then to the
    // first data chunk after it, skipping whatever else lies between.
    std::uint32_t sample = 0;
    for (std::uint64_t at = 12; r.fits(at, ChunkHeaderBytes);) {
        const std::uint64_t size = r.number(at + 4, 4), body = at + ChunkHeaderBytes;
        if (!r.fits(body, size))
            return false;
        if (sample != 0 && r.holds(at, "data"))
            return size > 0 && size % sample == 0;
        if (ChunkHeaderBytes + size > MostSkippedBytes || size % 2 != 0)
            return false;
        if (sample == 0 && r.holds(at, "fmt ")) {
            sample = sampleBytes(r, body, size);
            if (sample == 0)
                return false;
        }
        at = body + size;
    }
    return false;
}

}  // namespace mokopi::media
