// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iterator>

namespace mokopi::app {

namespace {

using namespace Qt::Literals::StringLiterals;

// The options that Qt 6.4's application object takes out of the command line
// for itself: those of its application classes, of the platform and of the
// X11 platform plugin. Each may be written with one dash or with two.
enum class Takes { Nothing, NextArgument, NextArgumentOrAssigned };
struct QtOption {
    QLatin1StringView name;
    Takes takes;
};
constexpr QtOption QtOptions[] = {
    {"platform"_L1, Takes::NextArgument},
    {"platformpluginpath"_L1, Takes::NextArgument},
    {"platformtheme"_L1, Takes::NextArgument},
    {"plugin"_L1, Takes::NextArgument},
    {"qwindowgeometry"_L1, Takes::NextArgument},
    {"geometry"_L1, Takes::NextArgument},
    {"qwindowtitle"_L1, Takes::NextArgument},
    {"title"_L1, Takes::NextArgument},
    {"qwindowicon"_L1, Takes::NextArgument},
    {"icon"_L1, Takes::NextArgument},
    {"session"_L1, Takes::NextArgument},
    {"display"_L1, Takes::NextArgument},
    {"name"_L1, Takes::NextArgument},
    {"visual"_L1, Takes::NextArgument},
    {"style"_L1, Takes::NextArgumentOrAssigned},
    {"stylesheet"_L1, Takes::NextArgumentOrAssigned},
    {"qmljsdebugger"_L1, Takes::NextArgumentOrAssigned},
    {"reverse"_L1, Takes::Nothing},
    {"testability"_L1, Takes::Nothing},
    {"widgetcount"_L1, Takes::Nothing},
    {"nograb"_L1, Takes::Nothing},
    {"dograb"_L1, Takes::Nothing},
    {"qdevel"_L1, Takes::Nothing},
    {"qdebug"_L1, Takes::Nothing},
};

// The arguments with Qt's own options and their values left out.
QStringList withoutQtOptions(const QStringList& arguments)
{
    QStringList left;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        QStringView name(argument);
        if (i == 0 || !name.startsWith(u'-')) {
            left << argument;
            continue;
        }
        name = name.sliced(name.startsWith(u"--") ? 2 : 1);
        const qsizetype equals = name.indexOf(u'=');
        const QStringView bare = equals < 0 ? name : name.first(equals);
        const auto* option =
            std::find_if(std::begin(QtOptions), std::end(QtOptions), [&](const QtOption& o) { return o.name == bare; });
        if (option == std::end(QtOptions) || (equals >= 0 && option->takes != Takes::NextArgumentOrAssigned)) {
            left << argument;
        } else if (equals < 0 && option->takes != Takes::Nothing) {
            ++i;  // its value
        }
    }
    return left;
}

[[noreturn]] void refuse(const QString& what)
{
    const QByteArray name = QCoreApplication::applicationName().toLocal8Bit();
    std::fprintf(stderr, "%s: %s\nTry '%s --help' for more information.\n", name.constData(), qPrintable(what),
                 name.constData());
    std::exit(EXIT_FAILURE);
}

}  // namespace

void answerCommandLine(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const QStringList ours = withoutQtOptions(arguments);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("もこぴ育成 (Mokopi): raise a fluffy pet for 24 game days.\n"
                       "Saves go to ~/.local/share/mokopi/mokopi.dat, or beside the program\n"
                       "when its pictures are there (a copy that is not installed)."));
    parser.addHelpOption();
    parser.addVersionOption();
    if (!parser.parse(ours))
        refuse(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        refuse(QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().constFirst()));
    if (!parser.isSet(QStringLiteral("help")) && !parser.isSet(QStringLiteral("help-all"))
        && !parser.isSet(QStringLiteral("version")))
        return;
    // A core application names the program in the usage line and opens no
    // display; the parser prints and ends the program.
    QCoreApplication core(argc, argv);
    parser.process(ours);
}

}  // namespace mokopi::app
