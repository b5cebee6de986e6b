// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

namespace mokopi::ui {

namespace {

constexpr const char* LanguageKey = "language";

// The player's settings: ~/.config/mokopi/mokopi.ini.
struct PlayerSettings : QSettings {
    PlayerSettings() : QSettings(IniFormat, UserScope, QStringLiteral("mokopi"), QStringLiteral("mokopi")) {}
};

}  // namespace

QString languageCode(Language language)
{
    return language == Language::English ? QStringLiteral("en") : QStringLiteral("ja");
}

std::optional<Language> languageOfCode(const QString& code)
{
    for (Language language : AllLanguages)
        if (code == languageCode(language))
            return language;
    return std::nullopt;
}

QString languageName(Language language)
{
    return language == Language::English ? QStringLiteral("English") : QStringLiteral("日本語");
}

Language systemLanguage(const QStringList& uiLanguages)
{
    for (const QString& name : uiLanguages) {
        switch (QLocale(name).language()) {
        case QLocale::Japanese: return Language::Japanese;
        case QLocale::English: return Language::English;
        default: break;
        }
    }
    return Language::Japanese;
}

std::optional<Language> keptLanguage() { return languageOfCode(PlayerSettings().value(LanguageKey).toString()); }

void keepLanguage(Language language) { PlayerSettings().setValue(LanguageKey, languageCode(language)); }

Language startingLanguage(std::optional<Language> asked)
{
    if (asked)
        return *asked;
    if (const auto kept = keptLanguage())
        return *kept;
    return systemLanguage(QLocale::system().uiLanguages());
}

QString translated(const game::Text& text) { return QCoreApplication::translate(text.context, text.source); }

std::string translateGameText(const game::Text& text) { return translated(text).toStdString(); }

Translations::Translations(const QString& dataFolder, QObject* parent)
    : QObject(parent), folder_(QDir(dataFolder).filePath(QStringLiteral("translations")))
{}

Translations::~Translations() { remove(); }

bool Translations::use(Language language)
{
    const QString code = languageCode(language);
    // Japanese, the sources' own language, has no catalogue of the game's.
    std::unique_ptr<QTranslator> game;
    if (language != Language::Japanese) {
        game = std::make_unique<QTranslator>();
        if (!game->load(QStringLiteral("mokopi_") + code, folder_))
            return false;
    }
    // Without Qt's catalogue its boxes keep their English buttons.
    auto qt = std::make_unique<QTranslator>();
    if (!qt->load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        qt.reset();

    remove();
    language_ = language;
    game_ = std::move(game);
    qt_ = std::move(qt);
    for (QTranslator* translator : {game_.get(), qt_.get()})
        if (translator)
            QCoreApplication::installTranslator(translator);
    return true;
}

void Translations::remove()
{
    for (auto* translator : {&game_, &qt_}) {
        if (*translator)
            QCoreApplication::removeTranslator(translator->get());
        translator->reset();
    }
}

}  // namespace mokopi::ui
