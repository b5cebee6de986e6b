// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/dialogs.h"

#include <QGridLayout>
#include <QInputDialog>
#include <QMessageBox>
#include <QSpacerItem>

#include "ui/about_box.h"

namespace mokopi::ui {

namespace {

// Wide enough for the window manager to show the whole title beside its
// buttons, and never so narrow that a short text makes a box the size of its
// OK button.
int boxWidth(const QWidget& box, const QString& title)
{
    const QFontMetrics metrics(box.font());
    return qMax(metrics.horizontalAdvance(title) * 3 / 2 + 10 * metrics.height(), 22 * metrics.height());
}

// Plain text always: a pet's name may hold "<" and must show as typed.
QMessageBox::StandardButton showBox(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text,
                                    QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, title, text, buttons, parent);
    box.setTextFormat(Qt::PlainText);
    // A message box sizes itself to its contents whatever its minimum width;
    // a row as wide as the box should be holds it open.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(boxWidth(box, title), 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace

void QtDialogs::message(const QString& title, const QString& text)
{
    showBox(parent_, QMessageBox::NoIcon, title, text, QMessageBox::Ok);
}

bool QtDialogs::askYesNo(const QString& title, const QString& text)
{
    return showBox(parent_, QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

QString QtDialogs::askText(const QString& title, const QString& prompt)
{
    QInputDialog box(parent_);
    box.setWindowTitle(title);
    box.setLabelText(prompt);
    box.setInputMode(QInputDialog::TextInput);
    // Of a fixed size, as the message boxes are, so that a window manager
    // adds no resize handle under the buttons; its layout exists once asked
    // for its size.
    box.sizeHint();
    box.layout()->addItem(new QSpacerItem(boxWidth(box, title), 0, QSizePolicy::Minimum, QSizePolicy::Fixed));
    box.layout()->setSizeConstraint(QLayout::SetFixedSize);
    return box.exec() == QDialog::Accepted ? box.textValue() : QString();
}

void QtDialogs::fatal(const QString& title, const QString& text)
{
    showBox(parent_, QMessageBox::Critical, title, text, QMessageBox::Ok);
}

void QtDialogs::about(const QString& title, const QString& text) { showAboutBox(parent_, title, text); }

}  // namespace mokopi::ui
