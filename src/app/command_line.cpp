// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

#include "ui/app_folders.h"

namespace mokopi::app {

namespace {

const QString LanguageOption = QStringLiteral("language");

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
    std::fprintf(stderr, "%s: %s\nTry '--help' for more information.\n",
                 qPrintable(QCoreApplication::applicationName()), qPrintable(what));
    std::exit(EXIT_FAILURE);
}

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
    // display; the parser, made anew in the player's language, prints and
    // ends the program.
    QCoreApplication core(argc, argv);
    ui::Translations translations(ui::appFolders().data);
    translations.use(ui::startingLanguage(options.language()));
    Options translated;
    translated.parser.process(core);
}

std::optional<ui::Language> readArguments(const QCoreApplication& app)
{
    Options options;
    options.parser.process(app);
    const QStringList extra = options.parser.positionalArguments();
    if (!extra.isEmpty())
        refuse(QStringLiteral("Unexpected argument '%1'.").arg(extra.constFirst()));
    if (options.parser.isSet(LanguageOption) && !options.language())
        refuse(QStringLiteral("Unknown language '%1': ja or en.").arg(options.parser.value(LanguageOption)));
    return options.language();
}

}  // namespace mokopi::app
