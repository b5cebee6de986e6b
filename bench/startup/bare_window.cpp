// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The yardstick of start-up: an empty Qt window of the game's outer size,
// two thirds of the screen height square, timed to its first frame; with
// "text", the same window showing one line of Japanese in the game's font.
//   startup_bare time | memory  [text]
#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include "first_paint.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const bool memory = argc > 1 && QByteArray(argv[1]) == "memory";
    QWidget window;
    const int side = QGuiApplication::primaryScreen()->geometry().height() * 2 / 3;
    window.resize(side, side);
    if (argc > 2 && QByteArray(argv[2]) == "text") {
        auto* line = new QLabel(QStringLiteral("もこぴ育成　歌詩　舞踊　疲労"), &window);
        line->setFont(QFont(QStringLiteral("IPAPGothic"), 12));
        line->move(10, 10);
    }
    mokopi::bench::FirstPaintReporter reporter([&](QObject* watched) { return watched == &window; },
                                               [memory] {
                                                   if (memory)
                                                       QTimer::singleShot(mokopi::bench::PlayMs,
                                                                          &mokopi::bench::reportMemoryAndQuit);
                                                   else
                                                       QCoreApplication::exit(0);
                                               });
    window.show();
    return app.exec();
}
