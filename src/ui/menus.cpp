// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/menus.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

#include "ui/keyboard.h"

namespace mokopi::ui {

namespace {

QMenu* addMenu(QMenuBar* bar, const char* title, const char* name)
{
    QMenu* menu = bar->addMenu(QString::fromUtf8(title));
    menu->setObjectName(QLatin1String(name));
    return menu;
}

QAction* addItem(QMenu* menu, const char* caption, const char* name)
{
    QAction* item = menu->addAction(QString::fromUtf8(caption));
    item->setObjectName(QLatin1String(name));
    return item;
}

}  // namespace

Menus::Menus(QMenuBar* bar) : QObject(bar)
{
    QMenu* main = addMenu(bar, "メニュウ", "mnu1");
    QAction* save = addItem(main, "セーブ", "mnuSAVE0");
    QAction* load = addItem(main, "ロード", "mnuSAVE1");
    main->addSeparator()->setObjectName(QStringLiteral("bar2"));
    QAction* quit = addItem(main, "終了", "mnuEnd");
    connect(save, &QAction::triggered, this, &Menus::saveChosen);
    connect(load, &QAction::triggered, this, &Menus::loadChosen);
    connect(quit, &QAction::triggered, this, &Menus::quitChosen);
    addMenuShortcuts(save, load, quit);
    // Kept apart from the game's own items, which are as the game always had them.
    main->addSeparator()->setObjectName(QStringLiteral("barAbout"));
    QAction* about = main->addAction(QCoreApplication::translate("Menus", "このゲームについて"));
    about->setObjectName(QStringLiteral("mnuAbout"));
    connect(about, &QAction::triggered, this, &Menus::aboutChosen);

    QMenu* options = addMenu(bar, "オプション", "mnu2");
    auto addSwitch = [options](const char* caption, const char* name) {
        QAction* item = addItem(options, caption, name);
        item->setCheckable(true);
        // Checked as the window was designed; the game's start-up then says
        // what it holds.
        item->setChecked(true);
        return item;
    };
    soundSwitch_ = addSwitch("ＳＥ", "mnuBGM");
    options->addSeparator()->setObjectName(QStringLiteral("bar3"));
    superFastSwitch_ = addSwitch("超早モード", "mnuMODE");
    eventsSwitch_ = addSwitch("イベントアリ", "mnuIVENT");
    connect(soundSwitch_, &QAction::triggered, this, &Menus::soundSwitchChosen);
    connect(superFastSwitch_, &QAction::triggered, this, &Menus::superFastSwitchChosen);
    connect(eventsSwitch_, &QAction::triggered, this, &Menus::eventsSwitchChosen);

    QMenu* endings = addMenu(bar, "エンディング", "mnu3");
    for (int n = 0; n < game::EndingCount; ++n) {
        const std::string_view title = game::ending(n).title;
        QAction* item = endings->addAction(QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())));
        item->setObjectName(QStringLiteral("mnuEnding%1").arg(n));
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

void Menus::showClearedEndings(const game::ClearedEndings& cleared)
{
    for (int n = 0; n < game::EndingCount; ++n) {
        endingItems_[n]->setEnabled(cleared[n]);
        endingItems_[n]->setChecked(false);
    }
}

}  // namespace mokopi::ui
