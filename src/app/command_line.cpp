// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iterator>

#include "ui/app_folders.h"

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

const QString LanguageOption = QStringLiteral("language");

// The game's own options. Their texts are translated once an application
// object and the player's catalogue exist; before that they are Japanese.
struct Options {
    Options()
    {
        parser.setApplicationDescription(
            QCoreApplication::translate("Command line",
                                        "もこぴ育成：ふわふわの生き物もこぴを２４日間育てるゲームです。\n"
                                        "セーブは ~/.local/share/mokopi/mokopi.dat に書きます。画像がプログラムと\n"
                                        "同じ場所にあるとき（インストールしていないコピー）は、その横に書きます。"));
        parser.addHelpOption();
        parser.addVersionOption();
        parser.addOption({LanguageOption,
                          QCoreApplication::translate("Command line", "画面の言語：ja（日本語）か en（英語）"),
                          QStringLiteral("ja|en")});
    }
    bool asksForInformation() const
    {
        return parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))
            || parser.isSet(QStringLiteral("version"));
    }
    std::optional<ui::Language> language() const { return ui::languageOfCode(parser.value(LanguageOption)); }
    QCommandLineParser parser;
};

[[noreturn]] void refuse(const QString& what)
{
    const QByteArray name = QCoreApplication::applicationName().toLocal8Bit();
    std::fprintf(stderr, "%s: %s\nTry '%s --help' for more information.\n", name.constData(), qPrintable(what),
                 name.constData());
    std::exit(EXIT_FAILURE);
}

}  // namespace

std::optional<ui::Language> answerCommandLine(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const QStringList ours = withoutQtOptions(arguments);

    Options options;
    if (!options.parser.parse(ours))
        refuse(options.parser.errorText());
    if (!options.parser.positionalArguments().isEmpty())
        refuse(QStringLiteral("Unexpected argument '%1'.").arg(options.parser.positionalArguments().constFirst()));
    if (options.parser.isSet(LanguageOption) && !options.language())
        refuse(QStringLiteral("Unknown language '%1': ja or en.").arg(options.parser.value(LanguageOption)));
    if (!options.asksForInformation())
        return options.language();
    // A core application names the program in the usage line and opens no
    // display; the parser, made anew in the player's language, prints and
    // ends the program.
    QCoreApplication core(argc, argv);
    ui::Translations translations(ui::appFolders().data);
    translations.use(ui::startingLanguage(options.language()));
    Options translated;
    translated.parser.process(ours);
    return options.language();
}

}  // namespace mokopi::app
