// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

// mokopi_artgen: turns the picture and sound recipes into the files the game
// loads. Called by the build, one recipe at a time.
#include "canvas.h"
#include "recipe.h"
#include "sheet.h"
#include "synth.h"

#include <QGuiApplication>
#include <QSaveFile>

#include <cstdio>

namespace {

int usage()
{
    std::fputs("usage: mokopi_artgen picture RECIPE OUTPUT...   (one output per frame)\n"
               "       mokopi_artgen icon RECIPE SIZE OUTPUT.png   (SIZE x SIZE pixels)\n"
               "       mokopi_artgen scalable RECIPE OUTPUT.svg\n"
               "       mokopi_artgen sound RECIPE OUTPUT.wav\n"
               "       mokopi_artgen sheet OUTPUT.png PICTURE...\n",
               stderr);
    return 2;
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw art::RecipeError("cannot write " + path.toStdString());
}

}  // namespace

int main(int argc, char** argv)
{
    // Text is drawn with the system fonts, which need a GUI application.
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 3)
        return usage();
    const QString command = args[0];
    try {
        if (command == "picture") {
            const art::Recipe recipe = art::loadRecipe(args[1]);
            const QStringList outputs = args.mid(2);
            for (int frame = 0; frame < outputs.size(); ++frame) {
                const bool transparent = outputs[frame].endsWith(".png");
                art::savePicture(art::renderFrame(recipe, frame, int(outputs.size()), transparent), outputs[frame]);
            }
        } else if (command == "icon" && args.size() == 4) {
            art::Recipe recipe = art::loadRecipe(args[1]);
            const int side = args[2].toInt();
            if (side <= 0)
                return usage();
            recipe.size = QSize(side, side);
            art::savePicture(art::renderFrame(recipe, 0, 1, true), args[3]);
        } else if (command == "scalable" && args.size() == 3) {
            writeFile(args[2], art::scalableDrawing(art::loadRecipe(args[1])));
        } else if (command == "sound" && args.size() == 3) {
            writeFile(args[2], art::wavBytes(art::synthesize(args[1])));
        } else if (command == "sheet") {
            art::savePicture(art::contactSheet(args.mid(2), 6, 300), args[1]);
        } else {
            return usage();
        }
    } catch (const art::RecipeError& e) {
        std::fprintf(stderr, "mokopi_artgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
