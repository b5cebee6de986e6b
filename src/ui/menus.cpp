// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/menus.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

#include "ui/keyboard.h"

namespace mokopi::ui {

namespace {

QMenu* addMenu(QMenuBar* bar, const char* name)
{
    QMenu* menu = bar->addMenu(QString());
    menu->setObjectName(QLatin1String(name));
    return menu;
}

QAction* addItem(QMenu* menu, const QString& name)
{
    QAction* item = menu->addAction(QString());
    item->setObjectName(name);
    return item;
}

}  // namespace

Menus::Menus(QMenuBar* bar) : QObject(bar)
{
    QMenu* main = addMenu(bar, "mnu1");
    QAction* save = addItem(main, QStringLiteral("mnuSAVE0"));
    QAction* load = addItem(main, QStringLiteral("mnuSAVE1"));
    main->addSeparator()->setObjectName(QStringLiteral("bar2"));
    QAction* quit = addItem(main, QStringLiteral("mnuEnd"));
    connect(save, &QAction::triggered, this, &Menus::saveChosen);
    connect(load, &QAction::triggered, this, &Menus::loadChosen);
    connect(quit, &QAction::triggered, this, &Menus::quitChosen);
    addMenuShortcuts(save, load, quit);
    // Kept apart from the game's own items, which are as the game always had them.
    main->addSeparator()->setObjectName(QStringLiteral("barAbout"));
    QAction* about = addItem(main, QStringLiteral("mnuAbout"));
    connect(about, &QAction::triggered, this, &Menus::aboutChosen);

    QMenu* options = addMenu(bar, "mnu2");
    auto addSwitch = [options](const char* name) {
        QAction* item = addItem(options, QLatin1String(name));
        item->setCheckable(true);
        // Checked as the window was designed; the game's start-up then says
        // what it holds.
        item->setChecked(true);
        return item;
    };
    soundSwitch_ = addSwitch("mnuBGM");
    options->addSeparator()->setObjectName(QStringLiteral("bar3"));
    superFastSwitch_ = addSwitch("mnuMODE");
    eventsSwitch_ = addSwitch("mnuIVENT");
    connect(soundSwitch_, &QAction::triggered, this, &Menus::soundSwitchChosen);
    connect(superFastSwitch_, &QAction::triggered, this, &Menus::superFastSwitchChosen);
    connect(eventsSwitch_, &QAction::triggered, this, &Menus::eventsSwitchChosen);

    // Each language by its own name, for whoever cannot read the other.
    options->addSeparator()->setObjectName(QStringLiteral("bar4"));
    QMenu* languages = options->addMenu(QString());
    languages->setObjectName(QStringLiteral("mnuLanguage"));
    auto* oneLanguage = new QActionGroup(this);
    for (std::size_t i = 0; i < std::size(AllLanguages); ++i) {
        const Language language = AllLanguages[i];
        QAction* item = addItem(languages, QStringLiteral("mnuLanguage_") + languageCode(language));
        item->setText(languageName(language));
        item->setCheckable(true);
        oneLanguage->addAction(item);
        connect(item, &QAction::triggered, this, [this, language] { emit languageChosen(language); });
        languageItems_[i] = item;
    }

    QMenu* endings = addMenu(bar, "mnu3");
    for (int n = 0; n < game::EndingCount; ++n) {
        QAction* item = addItem(endings, QStringLiteral("mnuEnding%1").arg(n));
        connect(item, &QAction::triggered, this, [this, n] { emit endingChosen(n); });
        endingItems_[n] = item;
    }
}

void Menus::showSwitches(bool soundOn, bool superFast, bool eventsOn)
{
    soundSwitch_->setChecked(soundOn);
    superFastSwitch_->setChecked(superFast);
    eventsSwitch_->setChecked(eventsOn);
}

void Menus::showLanguage(Language language)
{
    for (std::size_t i = 0; i < std::size(AllLanguages); ++i)
        languageItems_[i]->setChecked(AllLanguages[i] == language);
}

void Menus::showClearedEndings(const game::ClearedEndings& cleared)
{
    for (int n = 0; n < game::EndingCount; ++n) {
        endingItems_[n]->setEnabled(cleared[n]);
        endingItems_[n]->setChecked(false);
    }
}

}  // namespace mokopi::ui
