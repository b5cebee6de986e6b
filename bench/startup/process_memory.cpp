// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "process_memory.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <set>

namespace mokopi::bench {

namespace {

std::string procFile(pid_t pid, const char* name)
{
    std::ifstream file("/proc/" + std::to_string(pid) + "/" + name);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

}  // namespace

long residentKibIn(std::string_view status)
{
    constexpr std::string_view Key = "VmRSS:";
    for (std::size_t start = 0; start < status.size();) {
        const std::size_t end = std::min(status.find('\n', start), status.size());
        const std::string_view line = status.substr(start, end - start);
        if (line.starts_with(Key))
            return std::strtol(std::string(line.substr(Key.size())).c_str(), nullptr, 10);
        start = end + 1;
    }
    return -1;
}

std::vector<std::string> librariesIn(std::string_view maps, const std::vector<std::string>& prefixes)
{
    std::set<std::string> found;
    for (std::size_t start = 0; start < maps.size();) {
        const std::size_t end = std::min(maps.find('\n', start), maps.size());
        const std::string_view line = maps.substr(start, end - start);
        // The path is the last field and the only one that holds a slash.
        const std::size_t path = line.find('/');
        if (path != std::string_view::npos) {
            const std::string_view name = line.substr(line.rfind('/') + 1);
            if (std::any_of(prefixes.begin(), prefixes.end(),
                            [&](const std::string& p) { return name.starts_with(p); }))
                found.emplace(name);
        }
        start = end + 1;
    }
    return {found.begin(), found.end()};
}

long residentKib(pid_t pid) { return residentKibIn(procFile(pid, "status")); }

std::vector<std::string> mappedLibraries(pid_t pid, const std::vector<std::string>& prefixes)
{
    return librariesIn(procFile(pid, "maps"), prefixes);
}

}  // namespace mokopi::bench
