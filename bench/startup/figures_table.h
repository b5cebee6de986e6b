// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <map>
#include <string>
#include <vector>

namespace mokopi::bench {

// What the runs of one program gave.
struct Figures {
    std::vector<double> firstFrameMs;
    std::vector<double> residentMib;
    std::map<std::string, int> lateLibraryRuns;  // library: runs that had it mapped at the first frame
    int failures = 0;
};

// Prints medians and ranges of each program's figures, held against those
// of the yardstick, the program at index yardstick. Returns whether every
// program has figures.
bool printTable(const std::vector<std::string>& names, const std::vector<Figures>& figures, std::size_t yardstick);

}  // namespace mokopi::bench
