// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the game's start-up is held against: a window of the game's size that
// shows one line of the game's Japanese in each of the three fonts the game
// writes with, asked for by the names fontconfig knows them by.
#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>

#include "plain_window.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    mokopi::bench::giveGameSize(window);
    auto* lines = new QVBoxLayout(&window);
    // DejaVu Sans has no Japanese: as in the game, IPA P Gothic draws what it
    // lacks, not whichever fallback font fontconfig would load for it.
    const QStringList families[] = {{QStringLiteral("IPAPGothic")},
                                    {QStringLiteral("IPAPMincho")},
                                    {QStringLiteral("DejaVu Sans"), QStringLiteral("IPAPGothic")}};
    for (const QStringList& family : families) {
        auto* line = new QLabel(QStringLiteral("もこぴ育成　うた　おどり　やすむ　歌詩　舞踊　疲労　23時　9日"), &window);
        QFont font;
        font.setFamilies(family);
        font.setPointSize(12);
        line->setFont(font);
        lines->addWidget(line);
    }
    window.show();
    return app.exec();
}
