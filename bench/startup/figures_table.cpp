// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "figures_table.h"

#include <cstdio>

#include "summary.h"

namespace mokopi::bench {

namespace {

void printRow(const std::string& name, const Figures& f, const Summary& yardstickFrame, const Summary& yardstickMemory)
{
    if (f.firstFrameMs.empty()) {
        std::printf("  %-18s no figures: all %d runs failed\n", name.c_str(), f.failures);
        return;
    }
    const Summary frame = summarise(f.firstFrameMs), memory = summarise(f.residentMib);
    std::printf("  %-18s %7.1f %7.1f-%-7.1f %6.2f   %6.1f %6.1f-%-6.1f %+6.1f", name.c_str(), frame.median, frame.min,
                frame.max, frame.median / yardstickFrame.median, memory.median, memory.min, memory.max,
                memory.median - yardstickMemory.median);
    if (f.failures > 0)
        std::printf("   (%d runs failed)", f.failures);
    std::printf("\n");
}

}  // namespace

bool printTable(const std::vector<std::string>& names, const std::vector<Figures>& figures, std::size_t yardstick)
{
    if (figures[yardstick].firstFrameMs.empty()) {
        std::printf("  no figures: every run of the yardstick failed\n");
        return false;
    }
    bool complete = true;
    std::printf("  %-18s %31s   %29s\n", "", "first frame (ms)", "VmRSS at 3 s (MiB)");
    std::printf("  %-18s %7s %-15s %6s   %6s %-13s %6s\n", "program", "median", "min-max", "/ yard", "median",
                "min-max", "- yard");
    const Summary yardstickFrame = summarise(figures[yardstick].firstFrameMs);
    const Summary yardstickMemory = summarise(figures[yardstick].residentMib);
    for (std::size_t i = 0; i < names.size(); ++i) {
        printRow(names[i], figures[i], yardstickFrame, yardstickMemory);
        complete = complete && !figures[i].firstFrameMs.empty();
    }

    std::printf("  mapped at the first frame (runs):\n");
    for (std::size_t i = 0; i < names.size(); ++i) {
        std::printf("  %-18s", names[i].c_str());
        for (const auto& [library, runs] : figures[i].lateLibraryRuns)
            std::printf(" %s %d/%zu", library.c_str(), runs, figures[i].firstFrameMs.size());
        if (figures[i].firstFrameMs.empty())
            std::printf(" no runs");
        else if (figures[i].lateLibraryRuns.empty())
            std::printf(" none of Qt Multimedia, PulseAudio, Qt Network");
        std::printf("\n");
    }
    return complete;
}

}  // namespace mokopi::bench
