// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/run_game.h"

#include <QApplication>

#include "media/picture_store.h"
#include "persist/save_folder_lock.h"
#include "ui/app_icon.h"
#include "ui/dialogs.h"
#include "ui/fonts.h"
#include "ui/main_window.h"
#include "ui/menus.h"
#include "ui/save_commands.h"
#include "ui/window_style.h"

namespace mokopi::ui {

namespace {

// Said before a language is chosen, to a player of either: both at once.
constexpr const char* NoJapaneseFontTitle = "もこぴ育成 / Mokopi";
constexpr const char* NoJapaneseFont =
    "日本語のフォントが見つかりません。日本語で遊ぶには、Debian と Ubuntu では fonts-ipafont を、"
    "Fedora では google-noto-sans-cjk-fonts をインストールしてください。英語で始めます。\n\n"
    "No Japanese font was found. To play in Japanese, install fonts-ipafont on Debian or Ubuntu, "
    "or google-noto-sans-cjk-fonts on Fedora. The game starts in English.";

}  // namespace

Translations& prepareApplication(QApplication& app, Dialogs& dialogs, const QString& dataFolder,
                                 std::optional<Language> asked)
{
    // One set of catalogues an application: those of an earlier start give way.
    delete app.findChild<Translations*>(QString(), Qt::FindDirectChildrenOnly);
    auto* translations = new Translations(dataFolder, &app);
    Language language = startingLanguage(asked);
    if (language == Language::Japanese && !japaneseFonts().found()) {
        dialogs.message(QString::fromUtf8(NoJapaneseFontTitle), QString::fromUtf8(NoJapaneseFont));
        language = Language::English;
    }
    translations->use(language);
    // Menus and boxes show the design's font too.
    app.setFont(inDesignFamily(app.font(), FontRole::Gothic));
    if (!dynamic_cast<WindowStyle*>(app.style()))
        app.setStyle(new WindowStyle);
    return *translations;
}

void connectLanguageMenu(Menus& menus, Translations& translations)
{
    menus.showLanguage(translations.language());
    QObject::connect(&menus, &Menus::languageChosen, &translations, [&menus, &translations](Language language) {
        if (translations.use(language))
            keepLanguage(language);
        menus.showLanguage(translations.language());
    });
}

int runGame(QApplication& app, Dialogs& dialogs, SessionOptions options, std::optional<Language> asked)
{
    auto pictures = openPictures(options);
    Translations& translations = prepareApplication(app, dialogs, options.folders.data, asked);
    const auto saveFolderLock = claimSaveFolder(options.folders.save, dialogs);
    if (!saveFolderLock)
        return AlreadyRunningExitCode;
    MainWindow window;
    // Reading the icon file makes Qt list its image format plugins: it comes
    // after the first frame, which does without it.
    QObject::connect(&window, &MainWindow::firstFrameShown, &window,
                     [&window, folder = options.folders.data] { window.setWindowIcon(applicationIcon(folder)); });
    connectLanguageMenu(window.menus(), translations);
    if (auto* real = dynamic_cast<QtDialogs*>(&dialogs))
        real->setParent(&window);
    GameSession session(window, dialogs, nullptr, std::move(options), std::move(pictures));
    window.show();
    return app.exec();
}

}  // namespace mokopi::ui
