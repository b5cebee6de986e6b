// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>

#include <malloc.h>

#include "app/command_line.h"
#include "app/window_system.h"
#include "ui/app_folders.h"
#include "ui/dialogs.h"
#include "ui/run_game.h"

int main(int argc, char* argv[])
{
    // Pictures are decoded and scaled in buffers of megabytes. glibc would
    // keep such a buffer in the heap once freed, as its threshold for giving
    // memory back grows with the largest block freed; a fixed one gives every
    // buffer back at once.
    mallopt(M_MMAP_THRESHOLD, 256 << 10);
    mokopi::ui::setApplicationIdentity();
    const auto language = mokopi::app::answerCommandLine(argc, argv);
    const auto app = mokopi::app::openWindowSystem(argc, argv);
    mokopi::ui::SessionOptions options;
    options.folders = mokopi::ui::appFolders();
    mokopi::ui::QtDialogs dialogs;
    return mokopi::ui::runGame(*app, dialogs, std::move(options), language);
}
