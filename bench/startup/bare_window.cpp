// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What any Qt window costs to start: an empty one of the game's size.
#include <QApplication>

#include "plain_window.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    mokopi::bench::giveGameSize(window);
    window.show();
    return app.exec();
}
