// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>
#include <vector>

#include <sys/types.h>

namespace mokopi::bench {

// VmRSS in KiB from the text of /proc/PID/status; -1 when it has none.
long residentKibIn(std::string_view status);
// The file names of the libraries in the text of /proc/PID/maps whose names
// start with one of prefixes, each once, sorted.
std::vector<std::string> librariesIn(std::string_view maps, const std::vector<std::string>& prefixes);

// The same of a running process; -1 or nothing once it has gone.
long residentKib(pid_t pid);
std::vector<std::string> mappedLibraries(pid_t pid, const std::vector<std::string>& prefixes);

}  // namespace mokopi::bench
