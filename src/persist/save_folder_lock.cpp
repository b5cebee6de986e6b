// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "persist/save_folder_lock.h"

#include <QDir>

namespace mokopi::persist {

SaveFolderLock::SaveFolderLock(const QString& folder) : lock_(QDir(folder).filePath(QLatin1String(SaveLockFileName)))
{
    if (folder.isEmpty())
        return;
    // Never stale by age, as a game may run for days; the lock of a killed
    // game is still taken over, since its process is gone.
    lock_.setStaleLockTime(0);
    heldElsewhere_ = !lock_.tryLock(0) && lock_.error() == QLockFile::LockFailedError;
}

}  // namespace mokopi::persist
