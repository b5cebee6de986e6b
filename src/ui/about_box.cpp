// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/about_box.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>

namespace mokopi::ui {

QString aboutTitle() { return QCoreApplication::translate("AboutBox", "もこぴ育成について"); }

QString aboutText()
{
    const QStringList paragraphs{
        QCoreApplication::translate("AboutBox", "もこぴ育成 %1").arg(QStringLiteral(MOKOPI_VERSION)) + QLatin1Char('\n')
            + QCoreApplication::translate("AboutBox", "ふわふわの生き物もこぴを２４日間育てる育成ゲームです。"),
        QCoreApplication::translate("AboutBox", "作者：the もこぴ育成 developers") + QLatin1Char('\n')
            + QCoreApplication::translate("AboutBox", "Copyright © 2026 the もこぴ育成 developers"),
        QCoreApplication::translate("AboutBox", "ライセンス：GPL-3.0-or-later") + QLatin1Char('\n')
            + QCoreApplication::translate(
                "AboutBox",
                "このゲームはフリーソフトウェアです。Free Software Foundation が公表した "
                "GNU General Public License のバージョン３か、（お好みで）それ以降のバージョンの"
                "条件の下で、再頒布や改変ができます。"),
        QCoreApplication::translate("AboutBox",
                                    "このゲームは役に立つことを願って頒布されますが、一切の保証はありません。"
                                    "商品性や特定の目的への適合性の暗黙の保証もありません。"
                                    "詳しくは GNU General Public License をご覧ください。"),
        QCoreApplication::translate("AboutBox",
                                    "GNU General Public License の写しはこのゲームと一緒に届いているはずです。"
                                    "届いていなければ <https://www.gnu.org/licenses/> をご覧ください。"),
        QCoreApplication::translate("AboutBox", "Qt %1 で動いています。").arg(QString::fromLatin1(qVersion())),
    };
    return paragraphs.join(QStringLiteral("\n\n"));
}

void showAboutBox(QWidget* parent, const QString& title, const QString& text)
{
    QDialog box(parent);
    box.setWindowTitle(title);

    auto* icon = new QLabel(&box);
    if (parent)
        icon->setPixmap(parent->windowIcon().pixmap(64));
    icon->setAlignment(Qt::AlignTop);
    auto* words = new QLabel(text, &box);
    words->setObjectName(QStringLiteral("aboutText"));
    words->setTextFormat(Qt::PlainText);
    words->setWordWrap(true);
    words->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Lines of the licence notice wrap at a width that reads well.
    words->setMinimumWidth(28 * words->fontMetrics().height());

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &box);
    // An action button leaves the box open: Qt's box shows over it.
    QPushButton* aboutQt =
        buttons->addButton(QCoreApplication::translate("AboutBox", "Qt について"), QDialogButtonBox::ActionRole);
    aboutQt->setObjectName(QStringLiteral("aboutQt"));
    QObject::connect(aboutQt, &QPushButton::clicked, &box, [&box] { QMessageBox::aboutQt(&box); });
    QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);

    auto* row = new QHBoxLayout;
    row->addWidget(icon);
    row->addWidget(words, 1);
    auto* layout = new QVBoxLayout(&box);
    layout->addLayout(row);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    box.exec();
}

}  // namespace mokopi::ui
