// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

namespace mokopi::app {

namespace {

struct Options {
    Options()
    {
        parser.setApplicationDescription(
            QStringLiteral("もこぴ育成 (Mokopi): raise a fluffy pet for 24 game days.\n"
                           "Saves go to ~/.local/share/mokopi/mokopi.dat, or beside the program\n"
                           "when its pictures are there (a copy that is not installed)."));
        parser.addHelpOption();
        parser.addVersionOption();
    }
    bool asksForInformation() const
    {
        return parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))
            || parser.isSet(QStringLiteral("version"));
    }
    QCommandLineParser parser;
};

}  // namespace

void answerInformationOptions(int& argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    Options options;
    // An option that Qt takes for itself looks unknown here; it is judged
    // once Qt has had its turn.
    options.parser.parse(arguments);
    if (!options.asksForInformation())
        return;
    // A core application names the program in the usage line and opens no
    // display; the parser prints and ends the program.
    QCoreApplication core(argc, argv);
    options.parser.process(core);
}

void refuseUnknownArguments(const QCoreApplication& app)
{
    Options options;
    options.parser.process(app);
    const QStringList extra = options.parser.positionalArguments();
    if (extra.isEmpty())
        return;
    std::fprintf(stderr, "%s: Unexpected argument '%s'.\nTry '--help' for more information.\n",
                 qPrintable(QCoreApplication::applicationName()), qPrintable(extra.constFirst()));
    std::exit(EXIT_FAILURE);
}

}  // namespace mokopi::app
