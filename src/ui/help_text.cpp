// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/help_text.h"

#include <QCoreApplication>

namespace mokopi::ui {

QString applicationTitle() { return QCoreApplication::translate("Help", "もこぴ育成"); }

QString versionText() { return QCoreApplication::translate("Help", "もこぴ育成\nVER１．０３"); }

QString helpText()
{
    // Half-width "｡" and "､" are part of the text as the game always showed it.
    return QCoreApplication::translate("Help",
                                       "生き物をもこぴにと育成していきます。\n"
                                       "期間は２４日間。\n"
                                       "その前に各能力のどれか一つでも一杯になったら\n"
                                       "エンディングへと移行します｡\n"
                                       "\n"
                                       "育成は簡単です｡\n"
                                       "コマンドを押しておけば自然に生き物は成長していきます｡\n"
                                       "その際に､疲労度がたまるので\n"
                                       "（もこぴが喋るところの紫のバーが疲労度です）\n"
                                       "適当に休んで疲れを癒してあげましょう｡\n"
                                       "\n"
                                       "「イベントアリ」をＯＮにすると\n"
                                       "時折生き物が声をかけてくることがあります｡\n"
                                       "そのときは画面の指示に従って\n"
                                       "マウスをクリックして答えてあげましょう｡\n"
                                       "\n"
                                       "オプションの「超早モード」で、時を早くすることが出来ます。\n"
                                       "一度クリアしたエンディングは、「エンディング」の項目で\n"
                                       "回想することが出来ます｡\n"
                                       "その際に､現在育成している生き物はクリアされてしまうので\n"
                                       "気をつけましょう｡\n"
                                       "\n"
                                       "各アイテムの上でマウスをしばらくおくと､各説明が出ます｡\n"
                                       "絵の画面をクリックすると生き物を撫でることが出来ます｡ \n"
                                       "撫でると、日数が少し経過してしまいますが。");
}

}  // namespace mokopi::ui
