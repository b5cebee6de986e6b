// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLockFile>
#include <QString>

namespace mokopi::persist {

// The lock file beside the save file.
inline constexpr const char* SaveLockFileName = "mokopi.dat.lock";

// Held for the whole run by the copy of the game that uses a save folder, so
// that a second copy started on the same folder can tell and step back
// instead of overwriting the first one's saves.
class SaveFolderLock {
public:
    // An empty folder name stands for no folder at all: nothing is locked.
    explicit SaveFolderLock(const QString& folder);

    // Another running copy holds the folder. A folder where no lock can be
    // made at all (a read-only one, say) counts as free: the game runs, and a
    // save there says why it fails.
    bool heldElsewhere() const { return heldElsewhere_; }

private:
    QLockFile lock_;
    bool heldElsewhere_ = false;
};

}  // namespace mokopi::persist
