// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace mokopi::persist {

// Where a path leads once the symbolic links at its end are followed: the
// file itself, which may not exist yet, or the errno that stopped the way.
struct LinkEnd {
    std::string path;
    int error = 0;
};
LinkEnd followLinks(const std::string& path);

// Writes the bytes to a new temporary copy beside `path`, makes them durable
// and renames the copy over `path`, so that a reader finds the old file or the
// new one, never a part. keepMode: the permissions of the file replaced, to
// which the owner's read and write are always added; a new file gets the
// usual ones. Returns 0, or the errno of the step that failed;
// a failure removes the temporary copy again.
int replaceAtomically(const std::string& path, std::string_view bytes, std::optional<mode_t> keepMode);

// Removes the temporary copies of the file at `path` that were last written
// more than `age` ago: what a save killed before its rename left behind.
void removeStaleTemporaryCopies(const std::string& path, std::chrono::seconds age);

}  // namespace mokopi::persist
