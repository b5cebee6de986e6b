// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/window_texts.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QMenu>

#include "game/endings.h"
#include "ui/help_text.h"
#include "ui/language.h"

namespace mokopi::ui {

namespace {

constexpr const char* Context = "Window";

struct ControlWords {
    const char* objectName;
    const char* caption;  // null: the control shows no caption of its own
    const char* toolTip;
};

constexpr ControlWords Controls[] = {
    {"Opt0", QT_TRANSLATE_NOOP("Window", "うた"), QT_TRANSLATE_NOOP("Window", "お歌を歌います")},
    {"Opt1", QT_TRANSLATE_NOOP("Window", "おどり"), QT_TRANSLATE_NOOP("Window", "踊りを踊ります")},
    {"Opt2", QT_TRANSLATE_NOOP("Window", "やすむ"), QT_TRANSLATE_NOOP("Window", "おやすみします")},
    //: The help button; a caption too wide for the button breaks after "＆".
    {"Com", QT_TRANSLATE_NOOP("Window", "バージョン＆遊び方"),
     QT_TRANSLATE_NOOP("Window", "もこぴとの遊び方を教えてあげます")},
    {"LblTimDay", nullptr, QT_TRANSLATE_NOOP("Window", "今の時間です")},
    {"LblDay", nullptr, QT_TRANSLATE_NOOP("Window", "今の日にちです")},
    {"PicStr", nullptr, QT_TRANSLATE_NOOP("Window", "もこぴのスターテス")},
    {"LblStr", nullptr, QT_TRANSLATE_NOOP("Window", "スターテスです")},
    {"Lbl", nullptr, QT_TRANSLATE_NOOP("Window", "疲労度です（イベント時は此処をクリックして会話を進めます）")},
    {"IMG", nullptr, QT_TRANSLATE_NOOP("Window", "なでなでします")},
};

// The menus and their items; the ending items take their endings' titles.
constexpr std::pair<const char*, const char*> MenuCaptions[] = {
    {"mnu1", QT_TRANSLATE_NOOP("Window", "メニュウ")},
    {"mnuSAVE0", QT_TRANSLATE_NOOP("Window", "セーブ")},
    {"mnuSAVE1", QT_TRANSLATE_NOOP("Window", "ロード")},
    {"mnuEnd", QT_TRANSLATE_NOOP("Window", "終了")},
    {"mnuAbout", QT_TRANSLATE_NOOP("Window", "このゲームについて")},
    {"mnu2", QT_TRANSLATE_NOOP("Window", "オプション")},
    {"mnuBGM", QT_TRANSLATE_NOOP("Window", "ＳＥ")},
    {"mnuMODE", QT_TRANSLATE_NOOP("Window", "超早モード")},
    {"mnuIVENT", QT_TRANSLATE_NOOP("Window", "イベントアリ")},
    //: Found by players of either language, so best in both.
    {"mnuLanguage", QT_TRANSLATE_NOOP("Window", "言語 / Language")},
    {"mnu3", QT_TRANSLATE_NOOP("Window", "エンディング")},
};

void setCaption(QWidget* window, const QString& objectName, const QString& caption)
{
    if (auto* menu = window->findChild<QMenu*>(objectName))
        menu->setTitle(caption);
    else if (auto* item = window->findChild<QAction*>(objectName))
        item->setText(caption);
}

}  // namespace

void showWindowTexts(QWidget* window)
{
    window->setWindowTitle(applicationTitle());
    for (const ControlWords& c : Controls) {
        auto* control = window->findChild<QWidget*>(QLatin1String(c.objectName));
        if (!control)
            continue;
        if (auto* button = qobject_cast<QAbstractButton*>(control); button && c.caption)
            button->setText(QCoreApplication::translate(Context, c.caption));
        control->setToolTip(QCoreApplication::translate(Context, c.toolTip));
    }
    for (const auto& [objectName, caption] : MenuCaptions)
        setCaption(window, QLatin1String(objectName), QCoreApplication::translate(Context, caption));
    for (int n = 0; n < game::EndingCount; ++n)
        setCaption(window, QStringLiteral("mnuEnding%1").arg(n), translated(game::ending(n).title));
}

}  // namespace mokopi::ui
