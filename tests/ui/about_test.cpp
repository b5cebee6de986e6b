// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>

#include "ui/about_box.h"
#include "ui/window_fixture.h"

namespace mokopi::testing {
namespace {

using AboutTest = WindowTest;

TEST_F(AboutTest, TheLastItemOfTheMainMenuTellsTheVersionTheLicenceWithoutWarrantyTheAuthorsAndQt)
{
    start();
    QStringList items;
    for (const QAction* item : child<QMenu>("mnu1")->actions())
        items << (item->isSeparator() ? "-" : item->text());
    EXPECT_EQ(items.join(' '), "セーブ ロード - 終了 - このゲームについて");

    action("mnuAbout")->trigger();
    ASSERT_EQ(dialogs.boxes.size(), 1);
    const QString box = dialogs.boxes.constFirst();
    EXPECT_TRUE(box.startsWith("about: もこぴ育成について\nもこぴ育成 " MOKOPI_VERSION "\n")) << box.toStdString();
    for (const QString& part : {QStringLiteral("the もこぴ育成 developers"), QStringLiteral("GPL-3.0-or-later"),
                                QStringLiteral("一切の保証はありません"), QStringLiteral("Qt ") + qVersion()})
        EXPECT_TRUE(box.contains(part)) << part.toStdString();
}

// The real box: Qt's own box opens over it, and only OK closes the game's box.
TEST(RealAboutBox, QtsOwnBoxOpensOverItAndLeavesItOpenUntilOk)
{
    QWidget window;
    QStringList seen;
    // Whatever goes wrong, no box is left waiting for a click that never comes.
    QTimer::singleShot(10000, [] {
        while (QWidget* open = QApplication::activeModalWidget())
            open->close();
    });
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        const QLabel* text = box->findChild<QLabel*>("aboutText");
        seen << box->windowTitle() + ": " + text->text() + (text->textFormat() == Qt::PlainText ? " plain" : " rich");
        QTimer::singleShot(0, [&seen, box] {
            auto* qt = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(qt, nullptr);
            seen << qt->windowTitle() + (qt->parentWidget() == box ? " over the box" : " elsewhere");
            qt->accept();
        });
        box->findChild<QPushButton*>("aboutQt")->click();
        seen << (box->isVisible() ? "still open" : "closed");
        box->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    ui::showAboutBox(&window, "もこぴ育成について", "<b>もこぴ</b>");
    EXPECT_EQ(seen, QStringList({"もこぴ育成について: <b>もこぴ</b> plain", "About Qt over the box", "still open"}));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
}  // namespace mokopi::testing
