// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/dialogs.h"

#include <QInputDialog>
#include <QMessageBox>

namespace mokopi::ui {

namespace {

// Plain text always: a pet's name may hold "<" and must show as typed.
QMessageBox::StandardButton showBox(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text,
                                    QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, title, text, buttons, parent);
    box.setTextFormat(Qt::PlainText);
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
    bool ok = false;
    const QString text = QInputDialog::getText(parent_, title, prompt, QLineEdit::Normal, QString(), &ok);
    return ok ? text : QString();
}

void QtDialogs::fatal(const QString& title, const QString& text)
{
    showBox(parent_, QMessageBox::Critical, title, text, QMessageBox::Ok);
}

}  // namespace mokopi::ui
