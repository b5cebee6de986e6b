// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <string>

#include "game/text.h"

class QTranslator;

namespace mokopi::ui {

// The languages of the window. Japanese is the game's own: its texts are the
// sources of the catalogue and show as written. Every other language is a
// catalogue, i18n/mokopi_<code>.ts, built into the data folder as
// translations/mokopi_<code>.qm.
enum class Language { Japanese, English };
inline constexpr Language AllLanguages[] = {Language::Japanese, Language::English};

// "ja", "en": as the command line, the settings and the catalogue's file name write it.
QString languageCode(Language language);
std::optional<Language> languageOfCode(const QString& code);
// The language's name in itself, as the language menu lists it.
QString languageName(Language language);

// The first of the system's languages (QLocale::uiLanguages(), from LANGUAGE,
// LC_ALL, LC_MESSAGES and LANG) that the game speaks; Japanese when it speaks
// none of them.
Language systemLanguage(const QStringList& uiLanguages);

// The language last chosen from the menu, kept for the next start.
std::optional<Language> keptLanguage();
void keepLanguage(Language language);

// The language to start in: the one asked for on the command line, else the
// one kept from the menu, else the system's.
Language startingLanguage(std::optional<Language> asked);

// What the player reads for a text of the game in the language in use.
QString translated(const game::Text& text);
// The same as the game takes it (game::Translate).
std::string translateGameText(const game::Text& text);

// The catalogues in use: the game's own for a language other than Japanese,
// and Qt's, so that the buttons of its boxes speak the same language.
// Choosing another language replaces them; every window then receives a
// LanguageChange event and shows its texts anew. Until the first choice no
// catalogue is in use.
class Translations final : public QObject {
    Q_OBJECT
public:
    // The game's catalogues lie in translations/ in its data folder.
    explicit Translations(const QString& dataFolder, QObject* parent = nullptr);
    ~Translations() override;

    Language language() const { return language_; }
    // False, and the language in use kept, when the game's catalogue for
    // `language` cannot be read.
    bool use(Language language);

private:
    void remove();

    QString folder_;
    Language language_ = Language::Japanese;
    std::unique_ptr<QTranslator> game_;
    std::unique_ptr<QTranslator> qt_;
};

}  // namespace mokopi::ui
